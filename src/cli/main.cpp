// pumpdrill-sim: the simulation without windows.
#include "cli/runner.h"

int main(int argc, char** argv) { return pumpdrill::RunnerMain(argc, argv); }

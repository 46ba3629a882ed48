// pumpdrill: the windowed simulator.
#include "frame/gui/program_entry.h"

int main(int argc, char** argv) { return pumpdrill::RunProgram(argc, argv); }

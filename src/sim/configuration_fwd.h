// The program's configuration (options, the hose diameter and friction
// lists, display units), read from the configuration file at start-up.
// Core routines that depend on it take it by reference.
#pragma once

namespace pumpdrill {

struct Configuration;

}  // namespace pumpdrill

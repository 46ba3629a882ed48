// Whether the machine can play sound: the number of wave output devices.
#pragma once

namespace pumpdrill {

// The number of sound output devices; 0 switches every sound option off
// until the program ends.
int CountWaveDevices();

}  // namespace pumpdrill

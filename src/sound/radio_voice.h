// A voice as it sounds over a fire-ground radio: the speech band only
// (about 300 to 3000 Hz), driven a little hard, a low hiss under it and a
// squelch burst at each end. Deterministic: the same speech gives the same
// bytes.
#pragma once

#include <string>

#include "sound/wav_reader.h"

namespace pumpdrill {

// The bytes of a 16-bit mono WAV file at the speech's rate.
std::string RadioVoiceWav(const WavSound& speech);

}  // namespace pumpdrill

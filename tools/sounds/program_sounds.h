// The program's own cue sounds, built into it (made by tools/sounds).
#pragma once

#include <string>
#include <string_view>

namespace pumpdrill {

// The WAV file of a program sound by its cue name; empty when there is none.
std::string_view ProgramSoundBytes(const std::string& name);

}  // namespace pumpdrill

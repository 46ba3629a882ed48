// Writes the program's cue sounds as a C++ source that builds them into the
// program: make-cue-sounds OUT.cpp [WAV_DIR] (WAV_DIR: also as loose files,
// to listen to).
#include <cstdio>
#include <fstream>
#include <string>

#include "cue_sounds.h"

using namespace pumpdrill::sounds;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make-cue-sounds OUT.cpp [WAV_DIR]\n");
    return 2;
  }
  const std::vector<CueSound> cues = MakeCueSounds();
  std::string src =
      "// Made by tools/sounds at build time: the program's own cue sounds.\n"
      "#include \"program_sounds.h\"\n\nnamespace pumpdrill {\n\nnamespace {\n";
  for (std::size_t k = 0; k < cues.size(); ++k) {
    const std::string wav = WavFile(cues[k].Wave, cues[k].Rate);
    if (argc > 2) std::ofstream(std::string(argv[2]) + "/" + cues[k].Name + ".wav", std::ios::binary) << wav;
    src += "const unsigned char kCue" + std::to_string(k) + "[] = {";
    for (std::size_t i = 0; i < wav.size(); ++i) {
      if (i % 24 == 0) src += "\n";
      src += std::to_string(static_cast<unsigned char>(wav[i])) + ",";
    }
    src += "};\n";
  }
  src += "}  // namespace\n\nstd::string_view ProgramSoundBytes(const std::string& name) {\n";
  for (std::size_t k = 0; k < cues.size(); ++k) {
    const std::string n = std::to_string(k);
    src += "  if (name == \"" + cues[k].Name + "\") return {reinterpret_cast<const char*>(kCue" + n +
           "), sizeof kCue" + n + "};\n";
  }
  src += "  return {};\n}\n\n}  // namespace pumpdrill\n";
  std::ofstream out(argv[1], std::ios::binary);
  out << src;
  return out ? 0 : 1;
}

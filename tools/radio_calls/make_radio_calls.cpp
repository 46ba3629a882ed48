// Speaks the sample radio calls: each call of the texts file is spoken by
// espeak-ng, given a radio voice and written with its text into the sounds
// folder as NAME and NAME's base name + ".WTX".
//
//   make-radio-calls ESPEAK TEXTS OUTDIR
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "call_list.h"
#include "sound/call_text_file.h"
#include "sound/radio_voice.h"
#include "sound/wav_reader.h"

namespace {

std::string Quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: make-radio-calls ESPEAK TEXTS OUTDIR\n";
    return 2;
  }
  const std::string espeak = argv[1];
  std::ifstream texts(argv[2]);
  if (!texts) {
    std::cerr << "make-radio-calls: cannot read " << argv[2] << "\n";
    return 1;
  }
  const std::filesystem::path out = argv[3];
  std::filesystem::create_directories(out);
  const std::vector<pumpdrill::ListedCall> calls = pumpdrill::ReadCallList(texts);
  int n = 0;
  for (const pumpdrill::ListedCall& call : calls) {
    // A few voices, the same for a call on every build.
    const int pitch = 35 + (n * 7) % 30;
    const int speed = 150 + (n * 5) % 25;
    ++n;
    const std::filesystem::path text = out / (".speak_" + call.File + ".txt");
    const std::filesystem::path speech = out / (".speak_" + call.File);
    {
      std::ofstream t(text);
      for (const std::string& line : call.Text.Lines) t << line << "\n";
    }
    const std::string command = Quoted(espeak) + " -v en-us -p " + std::to_string(pitch) + " -s " +
                                std::to_string(speed) + " -w " + Quoted(speech.string()) + " -f " +
                                Quoted(text.string());
    const int status = std::system(command.c_str());
    pumpdrill::WavSound voice;
    std::string error;
    const bool spoken = status == 0 && pumpdrill::ReadWavFile(speech.string(), voice, error);
    std::filesystem::remove(text);
    std::filesystem::remove(speech);
    if (!spoken) {
      std::cerr << "make-radio-calls: espeak-ng could not speak " << call.File << " " << error
                << "\n";
      return 1;
    }
    const std::string wav = pumpdrill::RadioVoiceWav(voice);
    const std::string wavPath = (out / call.File).string();
    const std::string wtxPath = (out / (pumpdrill::BaseName(call.File) + ".WTX")).string();
    if (pumpdrill::WriteFileReplacing(wavPath, wav.data(), wav.size()) !=
            pumpdrill::WriteStep::Done ||
        pumpdrill::WriteCallTextFile(wtxPath, call.Text) != pumpdrill::WriteStep::Done) {
      std::cerr << "make-radio-calls: cannot write " << wavPath << "\n";
      return 1;
    }
  }
  std::cout << "make-radio-calls: " << calls.size() << " calls in " << out.string() << "\n";
  return 0;
}

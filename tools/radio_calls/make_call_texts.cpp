// Writes the text-only radio calls of a texts file (see call_list.h): each
// call as its base name + ".WTX" in OUTDIR. No speech: these calls are shown
// in the incident window.
//
//   make-call-texts TEXTS OUTDIR
#include <filesystem>
#include <fstream>
#include <iostream>

#include "call_list.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make-call-texts TEXTS OUTDIR\n";
    return 2;
  }
  std::ifstream texts(argv[1]);
  if (!texts) {
    std::cerr << "make-call-texts: cannot read " << argv[1] << "\n";
    return 1;
  }
  const std::filesystem::path out = argv[2];
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  const std::vector<pumpdrill::ListedCall> calls = pumpdrill::ReadCallList(texts);
  if (calls.empty()) {
    std::cerr << "make-call-texts: no call in " << argv[1] << "\n";
    return 1;
  }
  for (const pumpdrill::ListedCall& call : calls) {
    const std::string path = (out / (pumpdrill::BaseName(call.File) + ".WTX")).string();
    if (call.File.empty() ||
        pumpdrill::WriteCallTextFile(path, call.Text) != pumpdrill::WriteStep::Done) {
      std::cerr << "make-call-texts: cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}

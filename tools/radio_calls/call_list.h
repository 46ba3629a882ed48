// The texts file of radio calls kept in the source tree: "@FILE Description"
// begins a call, the lines after it up to the next call are its exact text;
// blank lines and lines beginning with '#' are left out.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "sound/call_text_file.h"

namespace pumpdrill {

struct ListedCall {
  std::string File;
  CallText Text;
};

inline std::vector<ListedCall> ReadCallList(std::istream& in) {
  std::vector<ListedCall> calls;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '@') {
      const std::size_t blank = line.find(' ');
      ListedCall call;
      call.File = line.substr(1, blank == std::string::npos ? std::string::npos : blank - 1);
      call.Text.Description = blank == std::string::npos ? "" : line.substr(blank + 1);
      calls.push_back(call);
    } else if (!calls.empty()) {
      calls.back().Text.Lines.push_back(line);
    }
  }
  return calls;
}

}  // namespace pumpdrill

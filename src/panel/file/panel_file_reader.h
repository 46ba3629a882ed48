// Reading a panel file's values: a value that is missing takes its
// default; one that cannot be read (not a number, out of its range) takes
// the default too and is noted, so that the load goes on and can say what
// it left.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "frame/ini_file.h"
#include "panel/panel_layout.h"

namespace pumpdrill {

// Positions a panel file may hold, in layout pixels.
inline constexpr int kLeastPanelPosition = -1000;
inline constexpr int kMostPanelPosition = 10000;

class PanelFileReader {
 public:
  explicit PanelFileReader(const IniFile& ini) : ini_(ini) {}

  int Int(std::string_view section, std::string_view key, int fallback, int least, int most);
  int Position(std::string_view section, std::string_view key, int fallback) {
    return Int(section, key, fallback, kLeastPanelPosition, kMostPanelPosition);
  }
  // A code that takes `bad` when the file holds one out of least to most (or
  // not a number), and `fallback` when the key is missing.
  int Code(std::string_view section, std::string_view key, int fallback, int bad, int least,
           int most);
  bool Bool(std::string_view section, std::string_view key, bool fallback) const;
  double Real(std::string_view section, std::string_view key, double fallback, double least,
              double most);
  // Text as UTF-8 (other bytes read as Latin-1), at most 255 bytes.
  std::string Text(std::string_view section, std::string_view key,
                   const std::string& fallback) const;
  std::string Raw(std::string_view section, std::string_view key,
                  const std::string& fallback) const;
  PanelColour Colour(std::string_view section, std::string_view key, PanelColour fallback);

  // Reads LEFT and TOP into place; each keeps its value when missing.
  void Place(std::string_view section, PanelPlace& place);

  const std::vector<std::string>& Unreadable() const { return unreadable_; }

 private:
  void Note(std::string_view section, std::string_view key, const std::string& value);

  const IniFile& ini_;
  std::vector<std::string> unreadable_;
};

}  // namespace pumpdrill

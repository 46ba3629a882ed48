#include "panel/file/panel_file_reader.h"

#include "panel/file/panel_file_values.h"
#include "sim/types.h"

namespace pumpdrill {

void PanelFileReader::Note(std::string_view section, std::string_view key,
                           const std::string& value) {
  unreadable_.push_back("[" + std::string(section) + "] " + std::string(key) + "=" + value);
}

int PanelFileReader::Int(std::string_view section, std::string_view key, int fallback, int least,
                         int most) {
  const std::optional<std::string> text = ini_.Get(section, key);
  if (!text) return fallback;
  const std::optional<int> v = PanelIntValue(*text);
  if (!v || *v < least || *v > most) {
    Note(section, key, *text);
    return fallback;
  }
  return *v;
}

int PanelFileReader::Code(std::string_view section, std::string_view key, int fallback, int bad,
                          int least, int most) {
  const std::size_t noted = unreadable_.size();
  const int v = Int(section, key, fallback, least, most);
  return unreadable_.size() > noted ? bad : v;
}

bool PanelFileReader::Bool(std::string_view section, std::string_view key, bool fallback) const {
  const std::optional<std::string> text = ini_.Get(section, key);
  return text ? PanelBoolValue(*text) : fallback;
}

double PanelFileReader::Real(std::string_view section, std::string_view key, double fallback,
                             double least, double most) {
  const std::optional<std::string> text = ini_.Get(section, key);
  if (!text) return fallback;
  const std::optional<double> v = PanelRealValue(*text);
  if (!v || *v < least || *v > most) {
    Note(section, key, *text);
    return fallback;
  }
  return *v;
}

std::string PanelFileReader::Raw(std::string_view section, std::string_view key,
                                 const std::string& fallback) const {
  return ini_.Get(section, key, fallback);
}

std::string PanelFileReader::Text(std::string_view section, std::string_view key,
                                  const std::string& fallback) const {
  const std::optional<std::string> text = ini_.Get(section, key);
  if (!text) return fallback;
  const std::string utf8 = StoredTextAsUtf8(*text);
  return utf8.substr(0, Utf8PrefixLength(utf8, 255));
}

PanelColour PanelFileReader::Colour(std::string_view section, std::string_view key,
                                    PanelColour fallback) {
  return static_cast<PanelColour>(
      Int(section, key, static_cast<int>(fallback), 0, static_cast<int>(kColourWhite)));
}

void PanelFileReader::Place(std::string_view section, PanelPlace& place) {
  place.Left = Position(section, "LEFT", place.Left);
  place.Top = Position(section, "TOP", place.Top);
}

}  // namespace pumpdrill

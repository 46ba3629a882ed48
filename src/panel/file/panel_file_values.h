// How the panel file writes its values as text and reads them back:
// booleans, reals, colours, sets of small numbers and the numbered keys.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pumpdrill {

// "1" or "0".
std::string PanelBoolText(bool value);
// True exactly for "1", "true", "True", "TRUE", "YES", "Yes" and "yes".
bool PanelBoolValue(std::string_view text);

// The shortest decimal text that reads back as the same double, with ".".
std::string PanelRealText(double value);
// A finite real written with "." or ","; nothing for anything else.
std::optional<double> PanelRealValue(std::string_view text);

// A whole decimal number, blanks around it allowed; nothing for anything
// else (no fraction, no letters, nothing beyond the int range).
std::optional<int> PanelIntValue(std::string_view text);

// A set of small numbers, bit n for member n: ",1,3,7," for 1, 3 and 7;
// "," when empty.
std::string PanelSetText(std::uint32_t members, int first, int last);
// Member n is in the set when the text holds n enclosed in commas (the
// end of the text counts as a closing comma).
bool PanelSetHas(std::string_view text, int n);

// A key with the item number of at least two digits: KEY07, KEY12.
std::string NumberedKey(std::string_view key, int n);

}  // namespace pumpdrill

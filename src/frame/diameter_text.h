// Texts of hose and valve diameters as the setup windows show and accept
// them: in English units whole inches and eighths ("3/4", "2", "1-1/2"), in
// metric units millimetres with two decimals.
#pragma once

#include <string>
#include <string_view>

namespace pumpdrill {

// Error codes shared by the number entry helpers, and their texts.
enum EntryError : int {
  kEntryNoError = 0,
  kEntryInvalidValue = 1,
  kEntryNoFraction = 2,
  kEntryInvalidValue3 = 3,
  kEntryNoValue = 4,
  kEntryNegativeRoot = 5,
  kEntryInvalidCharacter = 6,
};
const char* EntryErrorText(int code);

// The text of a diameter in display units. English: the whole inches and a
// fraction matched within 0.005 against the eighths ("2", "3/4", "1-1/2",
// 2.999 gives "3"); without a matching fraction kEntryNoFraction and the
// value with two decimals ("1.30"). Metric: the value with two decimals.
int DiameterToText(bool metric, double value, std::string& text);

// The inverse: "2", "3/4", "1-1/2", "2 1/2" and plain decimal numbers ("2.5",
// "65"). kEntryInvalidValue for an empty text or anything else; value is
// then left alone.
int TextToDiameter(std::string_view text, double& value);

}  // namespace pumpdrill

// Number entry in the setup windows: the error codes and their texts, hose
// diameters as inch fractions ("1-1/2", "3/4"), checked number texts, and
// the hose length choices.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "frame/text_values.h"

namespace pumpdrill {

enum NumberErrorCode : int {
  kErrNone = 0,
  kErrInvalidValue = 1,
  kErrNoFraction = 2,
  kErrInvalidEntry = 3,
  kErrNoValue = 4,
  kErrNegativeSquareRoot = 5,
  kErrInvalidCharacter = 6,
};

// The text of each error code, indexed by the code.
inline constexpr std::array<const char*, 7> kErrorCodeTexts = {
    "No error.",
    "Invalid value entered.",
    "No fraction equivalent for number.",
    "Invalid value entered.",
    "No value entered.",
    "Negative Square Root.",
    "Invalid character in number",
};

// The text of code, or "" for a code outside the table.
const char* ErrorCodeText(int code);

struct EntryText {
  std::string Text;
  int ErrorCode = kErrNone;
};

struct EntryValue {
  double Value = 0;
  int ErrorCode = kErrNone;
};

// value in fixed notation with the given number of decimals and the
// locale's decimal separator ("1.30").
std::string FixedText(double value, int decimals, char decimalSeparator = LocaleDecimalSeparator());

// A diameter as it is shown. English (inches): the whole inches and the
// nearest eighth within 0.005 ("2", "3/4", "1-1/2"; 2.999 gives "3");
// when no eighth is that near, kErrNoFraction with two decimals ("1.30").
// Metric (mm): two decimals.
EntryText DiameterToText(double diameter, bool metric);

// The inverse: a whole number and fraction ("2-1/2", "2 1/2", "3/4") or a
// decimal number with "." or ",". An empty text or a malformed or
// negative one gives kErrInvalidValue, a letter kErrInvalidCharacter;
// the value is then 0.
EntryValue TextToDiameter(std::string_view text);

// A number typed into a field: only digits, the locale's decimal separator
// and a leading "-" are allowed; any other character gives
// kErrInvalidCharacter and the value 0. An empty text is 0. A text of
// allowed characters that is still no number ("-", "1.2.3") gives
// kErrInvalidValue and the value 0.
EntryValue ValidatedNumber(std::string_view text, char decimalSeparator = LocaleDecimalSeparator());

// The choices of the hose length boxes: feet, or metres in metric units.
const std::vector<std::string>& HoseLengthChoices(bool metric);

}  // namespace pumpdrill

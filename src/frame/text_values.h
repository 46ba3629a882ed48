// Texts of Boolean and numeric values, as stored in the program's text
// files and typed into its fields.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pumpdrill {

// True exactly for "1", "true", "True", "TRUE", "YES", "Yes" and "yes";
// every other text, "0", "false", "on" and "" among them, is false.
bool BooleanFromText(std::string_view text);
// "true" or "false".
const char* BooleanText(bool value);

// The decimal separator of the user's locale ("." unless the program has
// taken the locale from the environment).
char LocaleDecimalSeparator();

// Raised when a text that must be a number is not one.
class NumberFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a number written with either "." or "," as its decimal separator
// (the later of the two when both occur), whatever the locale, so that a
// file moves between machines of different locales. Blanks around the
// number are ignored; an exponent is allowed. Nothing is returned for an
// empty text, any other character, or a value that is not finite.
std::optional<double> TryReadNumber(std::string_view text);
// The same, raising NumberFormatError for a text that is not a number.
double ReadNumber(std::string_view text);

// Reads a whole number with an optional sign; blanks around it are
// ignored. Nothing is returned for any other text or a value out of range.
std::optional<std::int32_t> TryReadInteger(std::string_view text);

// The shortest text with "." that reads back as the same value ("13",
// "12.5", "0.1"), as numbers are stored in text files.
std::string NumberText(double value);

// Appends text as one CSV field: as it is, or quoted (its quotes doubled)
// when it holds a comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view text);

// The text with its ASCII letters in lower case.
std::string LowerCase(std::string_view text);

}  // namespace pumpdrill

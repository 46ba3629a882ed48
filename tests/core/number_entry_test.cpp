#include <gtest/gtest.h>

#include <string>

#include "frame/number_entry.h"
#include "frame/text_values.h"

namespace pumpdrill {
namespace {

TEST(NumberEntry, DiameterTexts) {
  struct Case {
    double inches;
    const char* text;
    int code;
  };
  const Case cases[] = {
      {1.5, "1-1/2", 0},   {0.75, "3/4", 0},   {2.999, "3", 0},     {1.3, "1.30", kErrNoFraction},
      {2.0, "2", 0},       {2.5, "2-1/2", 0},  {1.75, "1-3/4", 0},  {0.875, "7/8", 0},
      {1.125, "1-1/8", 0}, {0.9999, "1", 0},   {1.504, "1-1/2", 0}, {1.506, "1.51", kErrNoFraction},
      {0.0, "0", 0},       {4.5, "4-1/2", 0},  {2.749, "2-3/4", 0}, {0.1, "0.10", kErrNoFraction},
  };
  for (const Case& c : cases) {
    EntryText t = DiameterToText(c.inches, false);
    EXPECT_EQ(t.Text, c.text) << c.inches;
    EXPECT_EQ(t.ErrorCode, c.code) << c.inches;
  }
  // Metric diameters are millimetres with two decimals.
  EXPECT_EQ(DiameterToText(38.25, true).Text, "38.25");
  EXPECT_EQ(DiameterToText(65, true).Text, "65.00");
  EXPECT_EQ(DiameterToText(65, true).ErrorCode, 0);

  // Every English list item reads back as the diameter that shows as it.
  for (const char* item : {"3/4", "1", "1-1/2", "1-3/4", "2", "2-1/2", "2-3/4", "3", "3-1/2", "4", "4-1/2", "5",
                           "6", "7/8", "1-1/8", "1-3/8"}) {
    EntryValue v = TextToDiameter(item);
    ASSERT_EQ(v.ErrorCode, 0) << item;
    EXPECT_EQ(DiameterToText(v.Value, false).Text, item);
  }
}

TEST(NumberEntry, TextToDiameterForms) {
  EXPECT_DOUBLE_EQ(TextToDiameter("2-1/2").Value, 2.5);
  EXPECT_DOUBLE_EQ(TextToDiameter(" 2 1/2 ").Value, 2.5);
  EXPECT_DOUBLE_EQ(TextToDiameter("3/4").Value, 0.75);
  EXPECT_DOUBLE_EQ(TextToDiameter("1.75").Value, 1.75);
  EXPECT_DOUBLE_EQ(TextToDiameter("1,75").Value, 1.75);
  EXPECT_DOUBLE_EQ(TextToDiameter("38").Value, 38);
  for (const char* bad : {"", "  ", "1/0", "-1/2", "1-", "1//2", "1/2/3", "-2", "1.2.3", "2-1/2-3"}) {
    EntryValue v = TextToDiameter(bad);
    EXPECT_EQ(v.ErrorCode, kErrInvalidValue) << "'" << bad << "'";
    EXPECT_EQ(v.Value, 0) << "'" << bad << "'";
  }
  EXPECT_EQ(TextToDiameter("2 in").ErrorCode, kErrInvalidCharacter);
  EXPECT_EQ(TextToDiameter("1e2").ErrorCode, kErrInvalidCharacter);
  EXPECT_STREQ(ErrorCodeText(kErrInvalidCharacter), "Invalid character in number");
  EXPECT_STREQ(ErrorCodeText(7), "");
}

TEST(NumberEntry, ValidatedNumberText) {
  EXPECT_EQ(ValidatedNumber("150", '.').Value, 150);
  EXPECT_EQ(ValidatedNumber("-12.5", '.').Value, -12.5);
  EXPECT_EQ(ValidatedNumber("", '.').Value, 0);
  EXPECT_EQ(ValidatedNumber("", '.').ErrorCode, 0);
  for (const char* bad : {"1-2", "12a", " 12", "1,5", "+3", "1e3"}) {
    EntryValue v = ValidatedNumber(bad, '.');
    EXPECT_EQ(v.ErrorCode, kErrInvalidCharacter) << bad;
    EXPECT_EQ(v.Value, 0) << bad;
  }
  // Allowed characters that make no number.
  for (const char* bad : {"-", ".", "1.2.3"}) EXPECT_EQ(ValidatedNumber(bad, '.').ErrorCode, kErrInvalidValue) << bad;
  // On a machine with a decimal comma the comma is the separator.
  EXPECT_EQ(ValidatedNumber("12,5", ',').Value, 12.5);
  EXPECT_EQ(ValidatedNumber("12.5", ',').ErrorCode, kErrInvalidCharacter);
  struct Fixed {
    double value;
    int decimals;
    const char* text;
  } fixed[] = {
      {1.3, 2, "1,30"}, {-0.001, 2, "0,00"}, {2.005, 1, "2,0"},
      // Exact halves round away from zero; 2.675 lies below its half.
      {56.25, 1, "56,3"}, {-0.125, 2, "-0,13"}, {2.5, 0, "3"}, {2.675, 2, "2,67"},
  };
  for (const Fixed& f : fixed) EXPECT_EQ(FixedText(f.value, f.decimals, ','), f.text) << f.value;
}

TEST(NumberEntry, LocaleIndependentNumberReading) {
  EXPECT_EQ(TryReadNumber("12.5"), 12.5);
  EXPECT_EQ(TryReadNumber(" 12,5 "), 12.5);
  EXPECT_EQ(TryReadNumber("+1e3"), 1000);
  // The later of "." and "," is the separator; the other makes no number.
  for (const char* bad : {"1.234,5", "1,234.5", "", "abc", "inf", "nan", "--5", "0x10", "1 2"})
    EXPECT_FALSE(TryReadNumber(bad)) << bad;
  EXPECT_THROW(ReadNumber("twelve"), NumberFormatError);
  EXPECT_EQ(TryReadInteger(" -30 "), -30);
  EXPECT_FALSE(TryReadInteger("3.0"));
  EXPECT_FALSE(TryReadInteger("2147483648"));
  EXPECT_EQ(NumberText(12.5) + " " + NumberText(13) + " " + NumberText(-0.0), "12.5 13 0");
}

}  // namespace
}  // namespace pumpdrill

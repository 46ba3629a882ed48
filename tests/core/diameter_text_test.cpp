#include <gtest/gtest.h>

#include <string>

#include "frame/diameter_text.h"

namespace pumpdrill {
namespace {

std::string Text(double v, bool metric = false, int* code = nullptr) {
  std::string t;
  int c = DiameterToText(metric, v, t);
  if (code) *code = c;
  return t;
}

TEST(DiameterText, EnglishWholeInchesAndEighths) {
  EXPECT_EQ(Text(1.5), "1-1/2");
  EXPECT_EQ(Text(0.75), "3/4");
  EXPECT_EQ(Text(2), "2");
  EXPECT_EQ(Text(2.999), "3");  // a fraction near 1 is the next inch
  EXPECT_EQ(Text(1.75), "1-3/4");
  EXPECT_EQ(Text(2.125), "2-1/8");
  EXPECT_EQ(Text(2.5 / 12 * 12), "2-1/2");
  int code = 0;
  EXPECT_EQ(Text(1.3, false, &code), "1.30");
  EXPECT_EQ(code, 2);
  EXPECT_EQ(std::string(EntryErrorText(code)), "No fraction equivalent for number.");
  EXPECT_EQ(Text(2.875, false, &code), "2.88");  // seven eighths is no choice
  EXPECT_EQ(code, 2);
}

TEST(DiameterText, MetricTwoDecimals) {
  int code = 9;
  EXPECT_EQ(Text(63.75, true, &code), "63.75");
  EXPECT_EQ(code, 0);
}

TEST(DiameterText, TextBackToADiameter) {
  for (auto [text, v] : {std::pair{"1-1/2", 1.5}, {"3/4", 0.75}, {"2", 2.0}, {" 2-1/2 ", 2.5},
                         {"2 1/2", 2.5}, {"2.5", 2.5}, {"65", 65.0}, {"1,75", 1.75}}) {
    double d = -1;
    EXPECT_EQ(TextToDiameter(text, d), 0) << text;
    EXPECT_DOUBLE_EQ(d, v) << text;
  }
  for (const char* bad : {"", "  ", "abc", "1-", "1/0", "-1/2x", "1-1/2/3", "/2"}) {
    double d = 7;
    EXPECT_EQ(TextToDiameter(bad, d), 1) << bad;
    EXPECT_EQ(d, 7) << bad;
  }
  // Every text of the English list reads back to its value.
  for (double v : {0.75, 1.0, 1.5, 1.75, 2.0, 2.5, 2.75, 3.0, 3.5, 4.0, 4.5, 5.0, 6.0}) {
    double d = 0;
    ASSERT_EQ(TextToDiameter(Text(v), d), 0);
    EXPECT_DOUBLE_EQ(d, v);
  }
}

}  // namespace
}  // namespace pumpdrill

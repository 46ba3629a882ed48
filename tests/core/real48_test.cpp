#include "frame/real48.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using pumpdrill::Byte;
using pumpdrill::DoubleToReal48;
using pumpdrill::Real48ToDouble;

double R(Byte e, Byte b1, Byte b2, Byte b3, Byte b4, Byte b5) {
  const Byte bytes[6] = {e, b1, b2, b3, b4, b5};
  return Real48ToDouble(bytes);
}

TEST(Real48, KnownValues) {
  EXPECT_EQ(R(0, 0, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(R(0, 0x12, 0x34, 0x56, 0x78, 0xFF), 0.0);  // exponent 0 is zero whatever follows
  EXPECT_EQ(R(0x81, 0, 0, 0, 0, 0), 1.0);
  EXPECT_EQ(R(0x82, 0, 0, 0, 0, 0xA0), -2.5);  // 1.25 x 2^1, sign bit set
  EXPECT_EQ(R(0x87, 0, 0, 0, 0x40, 0x48), 100.125);
  EXPECT_EQ(R(0x80, 0, 0, 0, 0, 0), 0.5);
}

TEST(Real48, RangeAndFullFraction) {
  EXPECT_EQ(R(0x01, 0, 0, 0, 0, 0), std::ldexp(1.0, -128));  // the smallest value
  // The largest: exponent 255 and all 39 fraction bits set.
  const double huge = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
  EXPECT_EQ(R(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F), huge);
  EXPECT_EQ(R(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF), -huge);
  // The least significant fraction bit is byte 1's lowest.
  EXPECT_EQ(R(0x81, 0x01, 0, 0, 0, 0), 1.0 + std::ldexp(1.0, -39));
}

// Writing and reading back: exact values stay, the rest round to 39 bits,
// and what the format cannot hold goes to 0 or to its largest value.
TEST(Real48, WrittenAndReadBack) {
  const double huge = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
  const struct {
    double value, back;
  } cases[] = {{0, 0},       {1, 1},        {-2.5, -2.5},    {100.125, 100.125}, {0.5, 0.5},
               {1e30, 1e30}, {1e300, huge}, {-1e300, -huge}, {1e-300, 0},        {NAN, 0}};
  for (const auto& c : cases) {
    Byte bytes[6];
    DoubleToReal48(c.value, bytes);
    const double back = Real48ToDouble(bytes);
    if (c.value == 1e30)
      EXPECT_NEAR(back, c.back, 1e30 * std::ldexp(1.0, -39)) << c.value;
    else
      EXPECT_EQ(back, c.back) << c.value;
  }
}

}  // namespace

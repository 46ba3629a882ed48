#include "frame/real48.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace pumpdrill {

Double Real48ToDouble(const Byte bytes[6]) {
  const int exponent = bytes[0];
  if (exponent == 0) return 0.0;
  std::uint64_t fraction = 0;
  for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | bytes[i];
  const bool negative = (fraction >> 39) & 1;
  fraction &= (std::uint64_t{1} << 39) - 1;
  const double mantissa = 1.0 + std::ldexp(static_cast<double>(fraction), -39);
  const double value = std::ldexp(mantissa, exponent - 129);
  return negative ? -value : value;
}

void DoubleToReal48(Double v, Byte bytes[6]) {
  std::memset(bytes, 0, 6);
  if (!(std::fabs(v) > 0)) return;  // 0, and what is no number
  int k = 0;
  const double m = std::frexp(std::fabs(v), &k);
  std::uint64_t fraction =
      static_cast<std::uint64_t>(std::llround((2 * m - 1) * std::ldexp(1.0, 39)));
  int exponent = k + 128;
  if (fraction == (std::uint64_t{1} << 39)) {  // rounded up to the next power of two
    fraction = 0;
    ++exponent;
  }
  if (exponent < 1) return;
  if (exponent > 255) {
    exponent = 255;
    fraction = (std::uint64_t{1} << 39) - 1;
  }
  bytes[0] = static_cast<Byte>(exponent);
  for (int i = 1; i <= 5; ++i) bytes[i] = static_cast<Byte>(fraction >> (8 * (i - 1)));
  if (v < 0) bytes[5] |= 0x80;
}

}  // namespace pumpdrill

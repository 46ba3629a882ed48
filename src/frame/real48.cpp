#include "frame/real48.h"

#include <cmath>
#include <cstdint>

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

}  // namespace pumpdrill

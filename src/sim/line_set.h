// A small set of line numbers 0 to 15, kept as bits.
#pragma once

#include <cstdint>

namespace pumpdrill {

struct LineSet {
  std::uint16_t bits = 0;

  static constexpr bool InRange(int line) { return line >= 0 && line <= 15; }
  bool Contains(int line) const { return InRange(line) && (bits >> line) & 1u; }
  // Numbers outside 0 to 15 are not kept.
  void Add(int line) {
    if (InRange(line)) bits = static_cast<std::uint16_t>(bits | (1u << line));
  }
  void Remove(int line) {
    if (InRange(line)) bits = static_cast<std::uint16_t>(bits & ~(1u << line));
  }
  void Clear() { bits = 0; }
};

}  // namespace pumpdrill

// A small, seedable source of random whole numbers for the simulation's
// chance events (the sporadic supply fluctuation). The caller owns it, so a
// test or a replayed run can fix the sequence by its seed; the same seed
// gives the same numbers on every platform.
#pragma once

#include <cstdint>

namespace pumpdrill {

class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed = 0x5eed5eedULL) : state_(seed) {}

  void Seed(std::uint64_t seed) { state_ = seed; }

  // A whole number from 0 to n - 1; 0 when n is not positive.
  int Below(int n) {
    if (n <= 0) return 0;
    return static_cast<int>(Next() % static_cast<std::uint64_t>(n));
  }

 private:
  // splitmix64: fast, well mixed, and identical everywhere.
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  std::uint64_t state_;
};

}  // namespace pumpdrill

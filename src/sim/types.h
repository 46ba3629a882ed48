// Basic field types of the simulation records. The records are stored in
// Evolution files byte for byte, so every type here has a fixed size and
// the program only runs on little-endian hosts.
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace pumpdrill {

static_assert(std::endian::native == std::endian::little,
              "the stored records are little-endian block copies");

using Double = double;          // 8-byte IEEE
using Integer = std::int32_t;   // 4 bytes
using SmallInt = std::int16_t;  // 2 bytes
using Byte = std::uint8_t;      // 1 byte
using Boolean = std::uint8_t;   // 1 byte, 0 = false, 1 = true

static_assert(sizeof(Double) == 8);

// A length byte followed by up to 255 characters: 256 bytes in all.
struct ShortString {
  Byte length = 0;
  char chars[255] = {};

  ShortString() = default;
  ShortString(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose

  // Stores at most 255 characters; the rest of the buffer keeps its bytes.
  void assign(std::string_view text) {
    std::size_t n = text.size() < 255 ? text.size() : 255;
    std::memcpy(chars, text.data(), n);
    length = static_cast<Byte>(n);
  }
  ShortString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  std::string str() const { return std::string(chars, length); }
  std::string_view view() const { return std::string_view(chars, length); }
  bool empty() const { return length == 0; }
};
static_assert(sizeof(ShortString) == 256);

// A fixed array indexed from 1 to N, as lines (1..19), incidents (1..9) and
// the small per-line arrays are numbered throughout the program. Storage is
// the N items back to back, so a record holding one keeps its byte layout.
template <typename T, int N>
struct Array1 {
  T items[N];

  T& operator[](int i) {
    assert(i >= 1 && i <= N);
    return items[i - 1];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= N);
    return items[i - 1];
  }
  static constexpr int size() { return N; }
  T* begin() { return items; }
  T* end() { return items + N; }
  const T* begin() const { return items; }
  const T* end() const { return items + N; }
};

// Padding or spare bytes kept explicitly so that a record is stored whole.
template <std::size_t N>
using Pad = std::array<Byte, N>;

}  // namespace pumpdrill

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

// The longest prefix of text, at most max bytes, that ends on a character
// boundary when text is UTF-8 (a byte cut otherwise).
inline std::size_t Utf8PrefixLength(std::string_view text, std::size_t max) {
  if (text.size() <= max) return text.size();
  std::size_t n = max;
  // Step back over continuation bytes to the start of the cut character.
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return n;
}

// Whether bytes are well-formed UTF-8.
inline bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    std::size_t more = 0;
    if (c < 0x80) more = 0;
    else if (c >= 0xC2 && c <= 0xDF) more = 1;
    else if (c >= 0xE0 && c <= 0xEF) more = 2;
    else if (c >= 0xF0 && c <= 0xF4) more = 3;
    else return false;
    if (i + more >= bytes.size() && more > 0) return false;
    for (std::size_t k = 1; k <= more; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    i += more + 1;
  }
  return true;
}

// Stored text as UTF-8: UTF-8 as it is, anything else read as Latin-1.
inline std::string StoredTextAsUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

// A length byte followed by room for N characters: N + 1 bytes, as the
// data-file header's short texts are stored. Text is UTF-8, cut at a
// character boundary; a stored length beyond N is read as N.
template <std::size_t N>
struct ShortStringN {
  static_assert(N >= 1 && N <= 255);
  Byte length = 0;
  char chars[N] = {};

  ShortStringN() = default;
  ShortStringN(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose

  // Stores what fits; the rest of the buffer keeps its bytes.
  void assign(std::string_view text) {
    std::size_t n = Utf8PrefixLength(text, N);
    std::memcpy(chars, text.data(), n);
    length = static_cast<Byte>(n);
  }
  ShortStringN& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  std::size_t size() const { return length < N ? length : N; }
  std::string_view view() const { return std::string_view(chars, size()); }
  // The text as UTF-8 (Latin-1 bytes converted).
  std::string str() const { return StoredTextAsUtf8(view()); }
  bool empty() const { return size() == 0; }
  // Cuts a stored length beyond N back to N.
  void ClampLength() { length = static_cast<Byte>(size()); }
};
static_assert(sizeof(ShortStringN<32>) == 33);
static_assert(sizeof(ShortStringN<16>) == 17);
static_assert(sizeof(ShortStringN<20>) == 21);
static_assert(sizeof(ShortStringN<255>) == 256);

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

// Texts typed by the user are kept as UTF-8; the records hold at most 255
// bytes of a text, so a longer one is cut where a character begins.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pumpdrill {

// The longest start of text that has at most maxBytes bytes and ends at a
// character boundary of its UTF-8 encoding.
std::string Utf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace pumpdrill

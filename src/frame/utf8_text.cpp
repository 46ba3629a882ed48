#include "frame/utf8_text.h"

namespace pumpdrill {

std::string Utf8Prefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t n = maxBytes;
  // Continuation bytes are 10xxxxxx: step back to the lead byte of the
  // character that does not fit.
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return std::string(text.substr(0, n));
}

}  // namespace pumpdrill

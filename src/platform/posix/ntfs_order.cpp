#include "platform/posix/ntfs_order.h"

namespace favpage::platform::posix {
namespace {

constexpr char16_t kEscapedByteBase = 0xDC00;

// Upper-case mapping for the scripts a favorites tree is likely to hold: ASCII, Latin-1
// and Latin Extended-A, Greek, Cyrillic, Roman numerals, circled and full-width letters.
char16_t UpperCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - 0x20;
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : c - 0x20;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x137) return c & ~1;
  if (c >= 0x139 && c <= 0x148) return (c & 1) ? c : c - 1;
  if (c >= 0x14A && c <= 0x177) return c & ~1;
  if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c : c - 1;
  if (c == 0x3C2) return 0x3A3;
  if (c >= 0x3B1 && c <= 0x3CB) return c - 0x20;
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c >= 0x3CD && c <= 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if (c >= 0x2170 && c <= 0x217F) return c - 0x10;
  if (c >= 0x24D0 && c <= 0x24E9) return c - 0x1A;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;
  return c;
}

// Decodes one UTF-8 character at `pos`; 0 and a length of 1 for a byte that does not
// begin a valid sequence.
char32_t DecodeUtf8(std::string_view text, std::size_t pos, std::size_t& length) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  length = 1;
  if (byte < 0x80) return byte;
  std::size_t extra = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (byte >= 0xC2 && byte <= 0xDF)
    extra = 1, value = byte & 0x1F, minimum = 0x80;
  else if (byte >= 0xE0 && byte <= 0xEF)
    extra = 2, value = byte & 0x0F, minimum = 0x800;
  else if (byte >= 0xF0 && byte <= 0xF4)
    extra = 3, value = byte & 0x07, minimum = 0x10000;
  else
    return 0;
  if (pos + extra >= text.size()) return 0;
  for (std::size_t i = 1; i <= extra; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  length = extra + 1;
  return value;
}

}  // namespace

std::u16string NtfsSortKey(std::string_view utf8Name) {
  std::u16string key;
  key.reserve(utf8Name.size());
  for (std::size_t pos = 0; pos < utf8Name.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8(utf8Name, pos, length);
    if (length == 1 && static_cast<unsigned char>(utf8Name[pos]) >= 0x80) {
      key += static_cast<char16_t>(kEscapedByteBase | static_cast<unsigned char>(utf8Name[pos]));
    } else if (c >= 0x10000) {
      key += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      key += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      key += UpperCase(static_cast<char16_t>(c));
    }
    pos += length;
  }
  return key;
}

}  // namespace favpage::platform::posix

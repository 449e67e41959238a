#include "platform/posix/ntfs_order.h"

#include "base/utf8.h"

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

}  // namespace

std::u16string NtfsSortKey(std::string_view utf8Name) {
  std::u16string key;
  key.reserve(utf8Name.size());
  for (std::size_t pos = 0; pos < utf8Name.size();) {
    const Utf8Step step = DecodeUtf8Step(utf8Name, pos);
    const char32_t c = step.codePoint;
    if (!step.valid) {
      // A byte that is no part of a character sorts as itself, one at a time.
      key += static_cast<char16_t>(kEscapedByteBase | static_cast<unsigned char>(utf8Name[pos]));
      ++pos;
      continue;
    }
    if (c >= 0x10000) {
      key += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      key += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      key += UpperCase(static_cast<char16_t>(c));
    }
    pos += step.length;
  }
  return key;
}

}  // namespace favpage::platform::posix

#include "platform/codepage.h"

#include <cstdint>
#include <vector>

#include "base/utf8.h"
#include "platform/posix/iconv_text.h"

namespace favpage::platform {

using posix::Convert;
using posix::Encoding;

std::string Utf8ToSjis(std::string_view utf8) {
  return Convert(utf8, Encoding::kUtf8, Encoding::kCp932);
}

std::string SjisToUtf8(std::string_view sjis) {
  return Convert(sjis, Encoding::kCp932, Encoding::kUtf8);
}

std::string Utf16LeToSjis(std::string_view utf16le) {
  return Convert(utf16le, Encoding::kUtf16Le, Encoding::kCp932);
}

std::string Utf16LeToUtf8(std::string_view utf16le) {
  return Convert(utf16le, Encoding::kUtf16Le, Encoding::kUtf8);
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  return Convert(utf8, Encoding::kUtf8, Encoding::kUtf16Le);
}

namespace {

constexpr std::uint32_t kUnknown = 0;
constexpr std::uint32_t kKnown = 0x80000000;  // with the length in bits 16-17, bytes below

std::string Utf8Of(char32_t cp) {
  std::string out;
  AppendUtf8(out, cp);
  return out;
}

// The one code point of a UTF-8 text, or kNotCp932 when it holds anything else.
char32_t SingleCodePoint(std::string_view utf8) {
  if (utf8.empty()) return kNotCp932;
  const auto lead = static_cast<unsigned char>(utf8[0]);
  std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (utf8.size() != length) return kNotCp932;
  char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) cp = (cp << 6) | (utf8[i] & 0x3F);
  return cp;
}

std::string EncodeUncached(char32_t cp) {
  const std::string sjis = Convert(Utf8Of(cp), Encoding::kUtf8, Encoding::kCp932);
  // iconv's replacement for a character it cannot write is "?", itself a character.
  if (sjis.empty() || sjis.size() > 2 || (sjis == "?" && cp != U'?')) return {};
  return sjis;
}

}  // namespace

std::string Cp932Encode(char32_t codePoint) {
  if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
  // Code page 932 holds nothing beyond the basic multilingual plane.
  if (codePoint > 0xFFFF) return {};
  thread_local std::vector<std::uint32_t> cache(0x10000, kUnknown);
  std::uint32_t& slot = cache[codePoint];
  if (slot == kUnknown) {
    const std::string sjis = EncodeUncached(codePoint);
    std::uint32_t bytes = 0;
    for (unsigned char byte : sjis) bytes = (bytes << 8) | byte;
    slot = kKnown | static_cast<std::uint32_t>(sjis.size() << 16) | bytes;
  }
  const std::size_t length = (slot >> 16) & 0x3;
  std::string sjis;
  if (length == 2) sjis += static_cast<char>((slot >> 8) & 0xFF);
  if (length >= 1) sjis += static_cast<char>(slot & 0xFF);
  return sjis;
}

char32_t Cp932Decode(std::string_view character) {
  if (character.empty() || character.size() > 2) return kNotCp932;
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1 && first < 0x80) return first;
  const std::size_t index =
      character.size() == 1 ? first : (first << 8) | static_cast<unsigned char>(character[1]);
  // A lone byte and a two-byte character never share an index: a lead byte is 0x81 or more.
  thread_local std::vector<char32_t> cache(0x10000, 0);
  char32_t& slot = cache[index];
  if (slot == 0) {
    const std::string utf8 = Convert(character, Encoding::kCp932, Encoding::kUtf8);
    slot = utf8 == "\xEF\xBF\xBD" ? kNotCp932 : SingleCodePoint(utf8);
  }
  return slot;
}

}  // namespace favpage::platform

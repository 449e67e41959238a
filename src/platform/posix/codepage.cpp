#include "platform/codepage.h"
#include "platform/codepage_host.h"

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

}  // namespace

std::string Cp932EncodeUncached(char32_t codePoint) {
  const std::string sjis = Convert(Utf8Of(codePoint), Encoding::kUtf8, Encoding::kCp932);
  // iconv's replacement for a character it cannot write is "?", itself a character.
  if (sjis.empty() || sjis.size() > 2 || (sjis == "?" && codePoint != U'?')) return {};
  return sjis;
}

char32_t Cp932DecodeUncached(std::string_view character) {
  const std::string utf8 = Convert(character, Encoding::kCp932, Encoding::kUtf8);
  return utf8 == "\xEF\xBF\xBD" ? kNotCp932 : SingleCodePoint(utf8);
}

}  // namespace favpage::platform

#include "platform/codepage.h"

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

}  // namespace favpage::platform

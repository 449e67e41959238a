#include "platform/codepage.h"

#include "platform/win32/wide_text.h"

namespace favpage::platform {

using win32::SjisToWide;
using win32::Utf8ToWide;
using win32::WideToSjis;
using win32::WideToUtf8;

std::string Utf8ToSjis(std::string_view utf8) { return WideToSjis(Utf8ToWide(utf8)); }

std::string SjisToUtf8(std::string_view sjis) { return WideToUtf8(SjisToWide(sjis)); }

std::string Utf16LeToSjis(std::string_view utf16le) {
  std::wstring wide;
  wide.reserve(utf16le.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < utf16le.size(); i += 2) {
    wide += static_cast<wchar_t>(static_cast<unsigned char>(utf16le[i]) |
                                 static_cast<unsigned char>(utf16le[i + 1]) << 8);
  }
  std::string sjis = WideToSjis(wide);
  if (utf16le.size() % 2 != 0) sjis += '?';  // half a code unit is no character
  return sjis;
}

}  // namespace favpage::platform

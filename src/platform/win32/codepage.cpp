#include "platform/codepage.h"
#include "platform/codepage_host.h"

#include <windows.h>

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

std::string Utf16LeToUtf8(std::string_view utf16le) {
  std::wstring wide;
  wide.reserve(utf16le.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < utf16le.size(); i += 2) {
    wide += static_cast<wchar_t>(static_cast<unsigned char>(utf16le[i]) |
                                 static_cast<unsigned char>(utf16le[i + 1]) << 8);
  }
  if (utf16le.size() % 2 != 0) wide += static_cast<wchar_t>(0xFFFD);  // half a code unit
  return WideToUtf8(wide);
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string bytes;
  for (const wchar_t unit : Utf8ToWide(utf8)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  return bytes;
}

namespace {

constexpr unsigned kCodePage = 932;

}  // namespace

std::string Cp932EncodeUncached(char32_t codePoint) {
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return {};
  const wchar_t wide = static_cast<wchar_t>(codePoint);
  char bytes[4] = {};
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                          sizeof bytes, nullptr, &usedDefault);
  if (written <= 0 || written > 2 || usedDefault) return {};
  return std::string(bytes, static_cast<std::size_t>(written));
}

char32_t Cp932DecodeUncached(std::string_view character) {
  const std::wstring wide = win32::SjisToWide(character);
  return wide.size() != 1 || wide[0] == 0xFFFD ? kNotCp932 : wide[0];
}

}  // namespace favpage::platform

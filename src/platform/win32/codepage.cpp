#include "platform/codepage.h"

#include <windows.h>

#include <cstdint>
#include <vector>

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
constexpr std::uint32_t kUnknown = 0;
constexpr std::uint32_t kKnown = 0x80000000;  // with the length in bits 16-17, bytes below

std::string EncodeUncached(char32_t codePoint) {
  const wchar_t wide = static_cast<wchar_t>(codePoint);
  char bytes[4] = {};
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                          sizeof bytes, nullptr, &usedDefault);
  if (written <= 0 || written > 2 || usedDefault) return {};
  return std::string(bytes, static_cast<std::size_t>(written));
}

}  // namespace

std::string Cp932Encode(char32_t codePoint) {
  if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
  // Code page 932 holds nothing beyond the basic multilingual plane.
  if (codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return {};
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
  for (std::size_t i = length; i > 0; --i)
    sjis += static_cast<char>((slot >> (8 * (i - 1))) & 0xFF);
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
    const std::wstring wide = win32::SjisToWide(character);
    slot = wide.size() != 1 || wide[0] == 0xFFFD ? kNotCp932 : wide[0];
  }
  return slot;
}

}  // namespace favpage::platform

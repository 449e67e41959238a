// The name mapping asks for one character at a time, for every name of every folder: the
// answers are cached here, once for every host, and only a miss asks the host.
#include "platform/codepage.h"

#include <cstdint>
#include <vector>

#include "platform/codepage_host.h"

namespace favpage::platform {
namespace {

constexpr std::uint32_t kUnknown = 0;
constexpr std::uint32_t kKnown = 0x80000000;  // with the length in bits 16-17, bytes below

}  // namespace

std::string Cp932Encode(char32_t codePoint) {
  if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
  // Code page 932 holds nothing beyond the basic multilingual plane.
  if (codePoint > 0xFFFF) return {};
  thread_local std::vector<std::uint32_t> cache(0x10000, kUnknown);
  std::uint32_t& slot = cache[codePoint];
  if (slot == kUnknown) {
    const std::string sjis = Cp932EncodeUncached(codePoint);
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
  if (slot == 0) slot = Cp932DecodeUncached(character);
  return slot;
}

}  // namespace favpage::platform

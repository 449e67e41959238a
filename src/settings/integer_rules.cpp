#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace favpage {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Hexadecimal digits up to the end, as a 32-bit pattern; nothing when a digit is missing,
// a character is not a digit, or the value needs more than 32 bits.
std::optional<std::uint32_t> ParseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > UINT32_MAX) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

// Decimal digits up to the end, signed, within the signed 32-bit range.
std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
  std::int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::string rest(text);
  // The stored form "0x1F" is read as "$1F"; "0x" alone is left to fail below.
  if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    rest.replace(0, 2, "$");
  }
  std::string_view view(rest);
  while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
  bool negative = false;
  if (!view.empty() && (view.front() == '-' || view.front() == '+')) {
    negative = view.front() == '-';
    view.remove_prefix(1);
  }
  std::size_t prefix = 0;
  if (!view.empty() && (view[0] == '$' || view[0] == 'x' || view[0] == 'X')) {
    prefix = 1;
  } else if (view.size() >= 2 && view[0] == '0' && (view[1] == 'x' || view[1] == 'X')) {
    prefix = 2;
  }
  if (prefix == 0) return ParseDecimal(view, negative);
  const std::optional<std::uint32_t> pattern = ParseHex(view.substr(prefix));
  if (!pattern) return std::nullopt;
  // Negation works on the 32-bit pattern, so "-$80000000" stays the lowest value.
  const std::uint32_t value = negative ? 0u - *pattern : *pattern;
  return static_cast<std::int32_t>(value);
}

}  // namespace favpage

#include "platform/name_mapping.h"

#include "base/sjis.h"
#include "platform/codepage.h"

namespace favpage::platform {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kMaxHexDigits = 6;

bool IsSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

// ASCII that would mean something else inside: a delimiter, a line end inside a page
// line, or markup around a name on a page.
bool AsciiNeedsReference(char32_t cp) {
  return cp < 0x20 || cp == 0x7F || cp == '\\' || cp == ':' || cp == '<' || cp == '>' || cp == '"';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendCharacter(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    if (AsciiNeedsReference(cp)) {
      out += NameReference(cp);
    } else {
      out += static_cast<char>(cp);
    }
    return;
  }
  if (IsSurrogate(cp) || cp > kLastCodePoint) {
    out += NameReference(cp > kLastCodePoint ? kReplacement : cp);
    return;
  }
  // Only a character that comes back as itself may keep its bytes: CP932 writes several
  // characters (U+301C and U+FF5E, U+00A5 and "\") as the same bytes.
  const std::string bytes = Cp932Encode(cp);
  if (bytes.empty() || Cp932Decode(bytes) != cp) {
    out += NameReference(cp);
  } else {
    out += bytes;
  }
}

}  // namespace

std::string NameReference(char32_t codePoint) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[codePoint & 0xF]);
    codePoint >>= 4;
  } while (codePoint != 0);
  return "&#x" + hex + ";";
}

std::size_t ParseNameReference(std::string_view internal, std::size_t pos, char32_t& codePoint) {
  if (internal.compare(pos, 3, "&#x") != 0) return 0;
  std::size_t end = pos + 3;
  char32_t value = 0;
  while (end < internal.size() && HexValue(internal[end]) >= 0) {
    if (end - (pos + 3) == kMaxHexDigits) return 0;
    value = (value << 4) | static_cast<char32_t>(HexValue(internal[end]));
    ++end;
  }
  const std::size_t digits = end - (pos + 3);
  // Only the form the mapping writes is read back, so no other text changes meaning.
  if (digits == 0 || end >= internal.size() || internal[end] != ';') return 0;
  if (digits > 1 && internal[pos + 3] == '0') return 0;
  if (value > kLastCodePoint) return 0;
  codePoint = value;
  return end + 1 - pos;
}

std::string InternalFromCodePoints(std::u32string_view host, char32_t hostDelimiter,
                                   bool colonDelimits) {
  std::string out;
  out.reserve(host.size() * 2);
  for (std::size_t i = 0; i < host.size(); ++i) {
    const char32_t cp = host[i];
    if (hostDelimiter != 0 && cp == hostDelimiter) {
      out += '\\';
    } else if (colonDelimits && cp == ':') {
      out += ':';
    } else if (cp == '&' && i + 1 < host.size() && host[i + 1] == '#') {
      out += NameReference(cp);
    } else {
      AppendCharacter(out, cp);
    }
  }
  return out;
}

std::u32string CodePointsFromInternal(std::string_view internal, char32_t hostDelimiter) {
  std::u32string out;
  out.reserve(internal.size());
  for (std::size_t i = 0; i < internal.size();) {
    char32_t cp = 0;
    if (internal[i] == '&') {
      if (const std::size_t length = ParseNameReference(internal, i, cp)) {
        out += cp;
        i += length;
        continue;
      }
    }
    if (internal[i] == '\\' && hostDelimiter != 0) {
      out += hostDelimiter;
      ++i;
      continue;
    }
    const std::size_t length = CharLength(internal, i);
    cp = Cp932Decode(internal.substr(i, length));
    out += cp == kNotCp932 ? kReplacement : cp;
    i += length;
  }
  return out;
}

}  // namespace favpage::platform

#include "generate/address_rules.h"

#include <algorithm>
#include <array>

namespace favpage {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiAlnum(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }
bool IsHexDigit(char c) {
  return IsAsciiDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The named references a browser decodes without a closing ";" (the Latin-1 names and
// the upper-case forms of a few), sorted for a binary search.
// clang-format off
constexpr std::array<std::string_view, 106> kNamesWithoutSemicolon = {
    "AElig", "AMP", "Aacute", "Acirc", "Agrave", "Aring", "Atilde", "Auml", "COPY", "Ccedil",
    "ETH", "Eacute", "Ecirc", "Egrave", "Euml", "GT", "Iacute", "Icirc", "Igrave", "Iuml", "LT",
    "Ntilde", "Oacute", "Ocirc", "Ograve", "Oslash", "Otilde", "Ouml", "QUOT", "REG", "THORN",
    "Uacute", "Ucirc", "Ugrave", "Uuml", "Yacute", "aacute", "acirc", "acute", "aelig", "agrave",
    "amp", "aring", "atilde", "auml", "brvbar", "ccedil", "cedil", "cent", "copy", "curren",
    "deg", "divide", "eacute", "ecirc", "egrave", "eth", "euml", "frac12", "frac14", "frac34",
    "gt", "iacute", "icirc", "iexcl", "igrave", "iquest", "iuml", "laquo", "lt", "macr", "micro",
    "middot", "nbsp", "not", "ntilde", "oacute", "ocirc", "ograve", "ordf", "ordm", "oslash",
    "otilde", "ouml", "para", "plusmn", "pound", "quot", "raquo", "reg", "sect", "shy", "sup1",
    "sup2", "sup3", "szlig", "thorn", "times", "uacute", "ucirc", "ugrave", "uml", "uuml",
    "yacute", "yen", "yuml"};
// clang-format on
static_assert(std::is_sorted(kNamesWithoutSemicolon.begin(), kNamesWithoutSemicolon.end()));

bool DecodedWithoutSemicolon(std::string_view name) {
  return std::binary_search(kNamesWithoutSemicolon.begin(), kNamesWithoutSemicolon.end(), name);
}

// Whether the "&" at `at` begins a reference that a browser decodes in an attribute value.
bool BeginsReference(std::string_view text, std::size_t at) {
  std::size_t i = at + 1;
  if (i < text.size() && text[i] == '#') {
    ++i;
    if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
      return i + 1 < text.size() && IsHexDigit(text[i + 1]);
    }
    return i < text.size() && IsAsciiDigit(text[i]);
  }
  if (i >= text.size() || !IsAsciiLetter(text[i])) return false;
  std::size_t end = i;
  while (end < text.size() && IsAsciiAlnum(text[end])) ++end;
  if (end < text.size() && text[end] == ';') return true;
  // Without ";" only a whole name of the short list is decoded, and in an attribute not
  // when "=" follows (a letter or digit cannot follow: the name would go on).
  return DecodedWithoutSemicolon(text.substr(i, end - i)) &&
         !(end < text.size() && text[end] == '=');
}

}  // namespace

bool IsScriptAddress(std::string_view address) {
  static constexpr std::string_view kSchemes[] = {"javascript:", "vbscript:", "data:"};
  constexpr std::size_t kLongest = 11;  // "javascript:"
  std::size_t i = 0;
  while (i < address.size() && static_cast<unsigned char>(address[i]) <= 0x20) ++i;
  std::string scheme;
  for (; i < address.size() && scheme.size() < kLongest; ++i) {
    const char c = address[i];
    if (c == '\t' || c == '\n' || c == '\r') continue;
    scheme += LowerAscii(c);
    if (c == ':') break;
  }
  return std::find(std::begin(kSchemes), std::end(kSchemes), scheme) != std::end(kSchemes);
}

std::string EscapeReferenceAmpersands(std::string_view href) {
  if (href.find('&') == std::string_view::npos) return std::string(href);
  std::string out;
  out.reserve(href.size() + 8);
  std::size_t from = 0;  // the bytes up to each "&" go in one piece
  for (std::size_t amp = href.find('&'); amp != std::string_view::npos;
       amp = href.find('&', amp + 1)) {
    out.append(href.substr(from, amp + 1 - from));
    if (BeginsReference(href, amp)) out += "amp;";
    from = amp + 1;
  }
  out.append(href.substr(from));
  return out;
}

}  // namespace favpage

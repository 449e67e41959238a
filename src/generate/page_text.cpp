#include "generate/page_text.h"

#include "base/sjis.h"
#include "base/utf8.h"
#include "generate/name_href.h"
#include "platform/codepage.h"
#include "platform/name_mapping.h"

namespace favpage {
namespace {

// What a UTF-8 page still writes as a reference: text that would be markup or a line end,
// the internal delimiters, and the stand-ins for bytes that were no character.
bool KeptAsReference(char32_t cp) {
  return cp < 0x20 || cp == 0x7F || cp == '\\' || cp == ':' || cp == '<' || cp == '>' ||
         cp == '"' || cp == '&' || (cp >= 0xD800 && cp <= 0xDFFF);
}

// Every byte is looked at: a '"' is never the second byte of a Shift_JIS character, so
// one that follows a stray lead byte still ends the attribute in a browser.
std::string QuoteFreeUrl(std::string_view url) {
  std::string href;
  href.reserve(url.size());
  for (const char c : url) {
    if (c == '"') {
      href += "%22";
    } else {
      href += c;
    }
  }
  return href;
}

// ASCII that an address keeps as it is: no control character, no '"'.
bool PlainUrlByte(char c) { return c >= 0x20 && c < 0x7F && c != '"'; }

std::string UnicodeUrl(std::string_view utf8, PageCharset charset) {
  std::string href;
  href.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    // Most of an address is plain ASCII: a run of it goes in whole.
    std::size_t run = i;
    while (run < utf8.size() && PlainUrlByte(utf8[run])) ++run;
    href.append(utf8, i, run - i);
    i = run;
    if (i == utf8.size()) break;
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const Utf8Step step = DecodeUtf8Step(utf8, i);
    // A control character, '"', or a byte that is no part of a character.
    if (byte < 0x80 || !step.valid) {
      AppendPercent(href, byte);
      ++i;
      continue;
    }
    const char32_t cp = step.codePoint;
    if (charset == PageCharset::kUtf8) {
      href.append(utf8, i, step.length);  // a well-formed character, as written
    } else if (const std::string bytes = platform::Cp932Encode(cp);
               !bytes.empty() && platform::Cp932Decode(bytes) == cp) {
      href += bytes;
    } else {
      for (std::size_t k = 0; k < step.length; ++k) {
        AppendPercent(href, static_cast<unsigned char>(utf8[i + k]));
      }
    }
    i += step.length;
  }
  return href;
}

}  // namespace

std::string PageFixedText(std::string_view sjis, PageCharset charset) {
  if (charset == PageCharset::kShiftJis) return std::string(sjis);
  return platform::SjisToUtf8(sjis);
}

std::string PageNameText(std::string_view internal, PageCharset charset) {
  if (charset == PageCharset::kShiftJis) return std::string(internal);
  std::string out;
  out.reserve(internal.size() + internal.size() / 2);
  for (std::size_t i = 0; i < internal.size();) {
    char32_t cp = 0;
    if (const std::size_t length = platform::ParseNameReference(internal, i, cp)) {
      if (KeptAsReference(cp)) {
        out.append(internal.substr(i, length));
      } else {
        AppendUtf8(out, cp);
      }
      i += length;
      continue;
    }
    const std::size_t length = CharLength(internal, i);
    if (length == 1 && static_cast<unsigned char>(internal[i]) < 0x80) {
      out += internal[i];
    } else {
      const char32_t decoded = platform::Cp932Decode(internal.substr(i, length));
      AppendUtf8(out, decoded == platform::kNotCp932 ? 0xFFFD : decoded);
    }
    i += length;
  }
  return out;
}

std::string PageUrlText(std::string_view url, bool utf8, PageCharset charset) {
  if (utf8) return UnicodeUrl(url, charset);
  if (charset == PageCharset::kShiftJis) return QuoteFreeUrl(url);
  return QuoteFreeUrl(platform::SjisToUtf8(url));
}

}  // namespace favpage

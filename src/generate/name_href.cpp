#include "generate/name_href.h"

#include "base/sjis.h"
#include "platform/name_mapping.h"

namespace favpage {

void AppendPercent(std::string& out, unsigned char byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out += '%';
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0xF];
}

std::string NameHref(std::string_view name) {
  std::string href;
  href.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) {
    char32_t cp = 0;
    if (const std::size_t length = platform::ParseNameReference(name, i, cp)) {
      if (cp < 0x80) {
        AppendPercent(href, static_cast<unsigned char>(cp));
      } else if (cp >= platform::kRawByteBase + 0x80 && cp <= platform::kRawByteBase + 0xFF) {
        AppendPercent(href, static_cast<unsigned char>(cp - platform::kRawByteBase));
      } else {
        href.append(name.substr(i, length));
      }
      i += length;
      continue;
    }
    const std::size_t length = CharLength(name, i);
    const char c = name[i];
    if (length == 1 && (c == '%' || c == '#' || c == '?' || c == '&')) {
      AppendPercent(href, static_cast<unsigned char>(c));
    } else {
      href.append(name.substr(i, length));
    }
    i += length;
  }
  return href;
}

}  // namespace favpage

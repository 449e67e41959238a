#include "ui/presenter/window_text.h"

#include "base/utf8.h"

namespace favpage::ui {

std::string Utf8Of(std::u16string_view text) {
  std::string utf8;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pair) unit = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00);
    AppendUtf8(utf8, unit);
  }
  return utf8;
}

std::u16string Utf16Of(std::string_view utf8) {
  std::u16string text;
  for (const char32_t point : Utf8ToCodePoints(utf8)) {
    if (point < 0x10000) {
      text += static_cast<char16_t>(point);
    } else {
      text += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
    }
  }
  return text;
}

std::string Substitute(std::string_view format, std::initializer_list<std::string_view> values) {
  std::string text;
  const std::string_view* next = values.begin();
  for (std::size_t at = 0; at < format.size(); ++at) {
    if (format.compare(at, 2, "%s") == 0 && next != values.end()) {
      text += *next++;
      ++at;
    } else {
      text += format[at];
    }
  }
  return text;
}

std::string Substitute(const char16_t* format, std::initializer_list<std::string_view> values) {
  return Substitute(Utf8Of(format), values);
}

}  // namespace favpage::ui

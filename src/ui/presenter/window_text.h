// The window's own texts (window_texts.h, UTF-16 source text) in the host text that the
// MainView speaks (UTF-8), with their "%s" filled in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace favpage::ui {

std::string Utf8Of(std::u16string_view text);
std::u16string Utf16Of(std::string_view utf8);

// `format` with each "%s" replaced by the next of `values`, in order; a "%s" beyond them
// stays as written.
std::string Substitute(std::string_view format, std::initializer_list<std::string_view> values);
std::string Substitute(const char16_t* format, std::initializer_list<std::string_view> values);

}  // namespace favpage::ui

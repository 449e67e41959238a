// Text for the wide Windows calls: the window's UTF-16 literals as wchar_t (the same
// 16-bit units on Windows), and the presenter's UTF-8 host text to UTF-16 and back.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace favpage::ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

inline std::wstring Wide(const std::string& utf8) { return platform::win32::Utf8ToWide(utf8); }
inline std::string Utf8(const std::wstring& wide) { return platform::win32::WideToUtf8(wide); }

// A window's whole text.
std::wstring WindowText(HWND window);

}  // namespace favpage::ui::win32

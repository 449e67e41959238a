// The window classes of the face's own windows, registered on first use.
#pragma once

#include <windows.h>

namespace favpage::ui::win32 {

// Registers the class `name` of this program with `procedure`, the button-face background
// (or `background`), the arrow cursor (or `cursor`) and `icon`; a class already registered
// counts as registered. Throws std::system_error when it cannot be registered.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure,
                         HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                         LPCWSTR cursor = IDC_ARROW, HICON icon = nullptr);

}  // namespace favpage::ui::win32

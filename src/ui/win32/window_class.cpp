#include "ui/win32/window_class.h"

#include <system_error>

namespace favpage::ui::win32 {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, LPCWSTR cursor,
                         HICON icon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, cursor);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "RegisterClassExW");
  }
}

}  // namespace favpage::ui::win32

#include "ui/win32/window_class.h"

#include <cwchar>

#include "ui/win32/errors.h"

namespace favpage::ui::win32 {
namespace {

BOOL CALLBACK NoteShown(HWND window, LPARAM names) {
  wchar_t windowClass[64] = {};
  if (!IsWindowVisible(window) || GetClassNameW(window, windowClass, 64) == 0) return TRUE;
  for (const FaceWindow& face : {kMainWindow, kWorkForm, kAboutBox, kSourceChooser}) {
    if (std::wcscmp(windowClass, face.windowClass) == 0) {
      reinterpret_cast<std::vector<std::string>*>(names)->push_back(face.objectName);
    }
  }
  return TRUE;
}

}  // namespace

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
    throw WindowsError("RegisterClassExW", GetLastError());
  }
}

std::vector<std::string> ShownWindows() {
  std::vector<std::string> names;
  EnumThreadWindows(GetCurrentThreadId(), &NoteShown, reinterpret_cast<LPARAM>(&names));
  return names;
}

}  // namespace favpage::ui::win32

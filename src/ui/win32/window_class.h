// The window classes of the face's own windows, registered on first use, and the object
// names their windows go by (the Qt face's names for the same windows).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace favpage::ui::win32 {

struct FaceWindow {
  const wchar_t* windowClass;
  const char* objectName;
};
inline constexpr FaceWindow kMainWindow{L"FavpageMainWindow", "Platform"};
inline constexpr FaceWindow kWorkForm{L"FavpageWorkForm", "WorkForm"};
inline constexpr FaceWindow kAboutBox{L"FavpageAboutBox", "AboutBox"};
inline constexpr FaceWindow kSourceChooser{L"FavpageSourceChooser", "SourceDialog"};
inline constexpr FaceWindow kPreviewPane{L"FavpagePreviewPane", "WebBrowser1"};

// Registers the class `name` of this program with `procedure`, the button-face background
// (or `background`), the arrow cursor (or `cursor`) and `icon`; a class already registered
// counts as registered. Throws WindowsError when it cannot be registered.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure,
                         HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                         LPCWSTR cursor = IDC_ARROW, HICON icon = nullptr);

// The object names of the face's top-level windows of this thread on the screen now.
std::vector<std::string> ShownWindows();

}  // namespace favpage::ui::win32

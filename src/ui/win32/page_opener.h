// Opening a page in the user's web browser: the shell's "open" of the file, which starts
// the program the user chose for HTML pages. Tests put an opener of their own in its place.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace favpage::ui::win32 {

// Opens `path` for `owner`; true when the shell took it.
using PageOpener = std::function<bool(HWND owner, const std::wstring& path)>;

bool OpenPage(HWND owner, const std::wstring& path);

// From now on OpenPage calls `opener`; an empty one gives the shell's back.
void ReplacePageOpener(PageOpener opener);

}  // namespace favpage::ui::win32

#include "ui/win32/page_opener.h"

#include <shellapi.h>

#include <utility>

namespace favpage::ui::win32 {
namespace {

bool ShellOpen(HWND owner, const std::wstring& path) {
  // Values above 32 mean the shell started (or handed the file to) a program.
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

PageOpener& Opener() {
  static PageOpener opener = ShellOpen;
  return opener;
}

}  // namespace

bool OpenPage(HWND owner, const std::wstring& path) { return Opener()(owner, path); }

void ReplacePageOpener(PageOpener opener) {
  Opener() = opener ? std::move(opener) : PageOpener(ShellOpen);
}

}  // namespace favpage::ui::win32

#include "ui/win32/dialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include "platform/win32/owned.h"
#include "ui/presenter/dialog_record.h"
#include "ui/presenter/window_texts.h"
#include "ui/win32/fonts.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/wide.h"
#include "ui/win32/window_class.h"

namespace favpage::ui::win32 {
namespace {

using platform::win32::OwnedHook;
using platform::win32::OwnedWindow;

// Centres the message box on the screen as it is activated (the system would centre it on
// its owner); once done, the hook lets go.
OwnedHook centring;
LRESULT CALLBACK CentreOnScreen(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && centring) {
    HWND box = reinterpret_cast<HWND>(wParam);
    RECT frame{};
    GetWindowRect(box, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    centring.Reset();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The filter string of a file dialog: display text and pattern pairs, each ended by a NUL.
std::wstring Filter(std::initializer_list<std::pair<std::wstring, std::wstring>> pairs) {
  std::wstring filter;
  for (const auto& [shown, pattern] : pairs) {
    filter += shown;
    filter += L'\0';
    filter += pattern;
    filter += L'\0';
  }
  return filter;
}

// Runs a file dialog; `save` picks the save or the open dialog.
std::optional<std::wstring> RunFileDialog(HWND owner, const std::wstring& folder,
                                          const std::wstring& filter, const wchar_t* extension,
                                          DWORD flags, bool save) {
  if (DialogRecord* record = DialogRecording()) {
    const std::optional<std::string> answer = record->NextFile(Utf8(folder));
    if (!answer) return std::nullopt;
    return Wide(*answer);
  }
  std::wstring file(32768, L'\0');  // room for a long path
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = extension;
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | flags;
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  file.resize(file.find(L'\0'));
  return file;
}

}  // namespace

void ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                    MessageKind kind) {
  if (DialogRecord* record = DialogRecording()) {
    record->messages.push_back({Utf8(caption), Utf8(text), kind, ShownWindows()});
    return;
  }
  const UINT icon = kind == MessageKind::kConfirmation ? MB_ICONQUESTION : MB_ICONERROR;
  centring.Reset(SetWindowsHookExW(WH_CBT, CentreOnScreen, nullptr, GetCurrentThreadId()));
  MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | icon);
  centring.Reset();
}

std::optional<std::wstring> ChooseSaveFile(HWND owner, const std::wstring& folder) {
  return RunFileDialog(owner, folder, Filter({{W(str::kHtmlFilter), W(str::kHtmlPattern)}}),
                       W(str::kHtmlSuffix), 0, true);
}

std::optional<std::wstring> ChooseOpenFile(HWND owner, const std::wstring& folder) {
  std::wstring patterns = W(str::kBookmarksPatterns);
  for (wchar_t& c : patterns) {
    if (c == L' ') c = L';';
  }
  const std::wstring filter =
      Filter({{std::wstring(W(str::kBookmarksFilterName)) + L" (" + patterns + L")", patterns},
              {std::wstring(W(str::kAllFilesName)) + L" (*.*)", L"*.*"}});
  return RunFileDialog(owner, folder, filter, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                       false);
}

}  // namespace favpage::ui::win32

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

// The source chooser's window: a list, OK and Cancel.
constexpr int kListId = 100;
constexpr SIZE kChooserClient{300, 200};

struct Chooser {
  HWND list = nullptr;
  bool done = false;
  std::optional<int> result;
};

LRESULT CALLBACK ChooserProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* chooser = reinterpret_cast<Chooser*>(GetWindowLongPtrW(box, GWLP_USERDATA));
  if (chooser != nullptr) {
    const auto finish = [&](std::optional<int> result) {
      chooser->result = result;
      chooser->done = true;
    };
    if (message == WM_COMMAND) {
      const int id = LOWORD(wParam);
      if (id == IDOK || (id == kListId && HIWORD(wParam) == LBN_DBLCLK)) {
        const auto index = static_cast<int>(SendMessageW(chooser->list, LB_GETCURSEL, 0, 0));
        if (index != LB_ERR) finish(index);
        return 0;
      }
      if (id == IDCANCEL) {
        finish(std::nullopt);
        return 0;
      }
    }
    if (message == WM_CLOSE) {
      finish(std::nullopt);
      return 0;
    }
  }
  return DefWindowProcW(box, message, wParam, lParam);
}

HWND MakeChild(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id,
               RECT at, DWORD exStyle = 0) {
  HWND child = CreateWindowExW(
      exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, at.left, at.top,
      at.right - at.left, at.bottom - at.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
  return child;
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

std::optional<int> ChooseFromList(HWND owner, const std::vector<std::wstring>& choices,
                                  int current) {
  if (DialogRecord* record = DialogRecording()) return record->NextChoice();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kSourceChooser.windowClass, ChooserProc);

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  RECT frame{0, 0, kChooserClient.cx, kChooserClient.cy};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  Chooser chooser;  // outlives the box, whose procedure reads it
  const OwnedWindow box(CreateWindowExW(
      WS_EX_DLGMODALFRAME, kSourceChooser.windowClass, W(str::kSourceCaption), style,
      (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
      width, height, owner, nullptr, instance, nullptr));
  chooser.list = MakeChild(box.Get(), WC_LISTBOXW, L"", LBS_NOTIFY | WS_VSCROLL, kListId,
                           {8, 8, kChooserClient.cx - 8, kChooserClient.cy - 40}, WS_EX_CLIENTEDGE);
  MakeChild(box.Get(), WC_BUTTONW, W(str::kOk), BS_DEFPUSHBUTTON, IDOK,
            {kChooserClient.cx - 168, kChooserClient.cy - 32, kChooserClient.cx - 88,
             kChooserClient.cy - 8});
  MakeChild(box.Get(), WC_BUTTONW, W(str::kCancel), BS_PUSHBUTTON, IDCANCEL,
            {kChooserClient.cx - 80, kChooserClient.cy - 32, kChooserClient.cx - 8,
             kChooserClient.cy - 8});
  for (const std::wstring& choice : choices) {
    SendMessageW(chooser.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
  }
  SendMessageW(chooser.list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
  SetWindowLongPtrW(box.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&chooser));
  RunModalLoop(box.Get(), owner, chooser.list, chooser.done);
  return chooser.result;
}

}  // namespace favpage::ui::win32

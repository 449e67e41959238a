#include "ui/win32/progress_window.h"

#include <commctrl.h>

#include "ui/presenter/window_texts.h"
#include "ui/win32/fonts.h"
#include "ui/win32/wide.h"
#include "ui/win32/window_class.h"

namespace favpage::ui::win32 {
namespace {

constexpr wchar_t kClass[] = L"FavpageWorkForm";
constexpr SIZE kClient{320, 32};
// 10 points at 96 pixels per inch.
constexpr int kLabelHeight = 13;
int shownCount = 0;

}  // namespace

ProgressWindow::ProgressWindow(HWND mainWindow) {
  RegisterWindowClass(kClass, DefWindowProcW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                      IDC_WAIT);
  // No owner: the window belongs to the program, not to the main window.
  const DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  const DWORD exStyle = WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, kClient.cx, kClient.cy};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT main{};
  GetWindowRect(mainWindow, &main);
  const int left = main.left + (main.right - main.left - width) / 2;
  const int top = main.top + (main.bottom - main.top - height) / 2;
  form_ = CreateWindowExW(exStyle, kClass, W(str::kWorkingCaption), style, left, top, width, height,
                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  LOGFONTW spec{};
  GetObjectW(WindowFont(), sizeof(spec), &spec);
  spec.lfHeight = -kLabelHeight;
  spec.lfWeight = FW_BOLD;
  font_ = CreateFontIndirectW(&spec);
  label_ = CreateWindowExW(0, WC_STATICW, W(str::kWorkingInitialText),
                           WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 8, 8, 0, 0,
                           form_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  FitLabel();
  ShowWindow(form_, SW_SHOWNOACTIVATE);
  UpdateWindow(form_);
  ++shownCount;
}

ProgressWindow::~ProgressWindow() {
  --shownCount;
  DestroyWindow(form_);
  DeleteObject(font_);
}

void ProgressWindow::SetText(const std::wstring& text) {
  SetWindowTextW(label_, text.c_str());
  FitLabel();
  UpdateWindow(form_);
}

void ProgressWindow::FitLabel() {
  const std::wstring text = WindowText(label_);
  SIZE size{};
  HDC dc = GetDC(label_);
  const HGDIOBJ previous = SelectObject(dc, font_);
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(label_, dc);
  SetWindowPos(label_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

bool ProgressWindowShown() { return shownCount > 0; }

}  // namespace favpage::ui::win32

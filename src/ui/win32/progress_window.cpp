#include "ui/win32/progress_window.h"

#include <commctrl.h>

#include "ui/presenter/main_layout.h"
#include "ui/presenter/window_texts.h"
#include "ui/win32/fonts.h"
#include "ui/win32/wide.h"
#include "ui/win32/window_class.h"

namespace favpage::ui::win32 {
namespace {

using platform::win32::Selected;
using platform::win32::WindowDc;

// The label's points at 96 pixels per inch.
constexpr int kLabelHeight = 13;
static_assert(layout::kWorkLabelPoints * 96 / 72 == kLabelHeight);

layout::Rect Frame(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace

ProgressWindow::ProgressWindow(HWND mainWindow) {
  RegisterWindowClass(kWorkForm.windowClass, DefWindowProcW,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), IDC_WAIT);
  // No owner: the window belongs to the program, not to the main window.
  const DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  const DWORD exStyle = WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, layout::kWorkFormClient.width, layout::kWorkFormClient.height};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const layout::Size outer{frame.right - frame.left, frame.bottom - frame.top};
  const layout::Point at = layout::CenterInControl(Frame(mainWindow), outer);
  form_.Reset(CreateWindowExW(exStyle, kWorkForm.windowClass, W(str::kWorkingCaption), style, at.x,
                              at.y, outer.width, outer.height, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr));
  LOGFONTW spec{};
  GetObjectW(WindowFont(), sizeof(spec), &spec);
  spec.lfHeight = -kLabelHeight;
  spec.lfWeight = FW_BOLD;
  font_.Reset(CreateFontIndirectW(&spec));
  label_ = CreateWindowExW(0, WC_STATICW, W(str::kWorkingInitialText),
                           WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                           layout::kWorkLabelOrigin.x, layout::kWorkLabelOrigin.y, 0, 0,
                           form_.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  FitLabel();
  ShowWindow(form_.Get(), SW_SHOWNOACTIVATE);
  UpdateWindow(form_.Get());
}

void ProgressWindow::SetText(const std::wstring& text) {
  SetWindowTextW(label_, text.c_str());
  FitLabel();
  UpdateWindow(form_.Get());
}

void ProgressWindow::FitLabel() {
  const std::wstring text = WindowText(label_);
  SIZE size{};
  {
    const WindowDc dc(label_);
    const Selected selected(dc.Get(), font_.Get());
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  }
  SetWindowPos(label_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

}  // namespace favpage::ui::win32

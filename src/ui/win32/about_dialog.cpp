#include "ui/win32/about_dialog.h"

#include <optional>

#include "ui/presenter/main_layout.h"
#include "ui/win32/errors.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/window_class.h"

namespace favpage::ui::win32 {
namespace {

using platform::win32::OwnedGdi;
using platform::win32::OwnedIcon;
using platform::win32::OwnedWindow;
using platform::win32::Selected;
using platform::win32::WindowDc;
namespace about = layout::about;

constexpr int kPictureId = 100;

// What the box's window procedure needs while the box is up.
struct BoxState {
  HICON icon = nullptr;
  bool closed = false;
};

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(
        box, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
  if (!state) return DefWindowProcW(box, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      // The button, Enter (the default button) and Esc all end the box.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) state->closed = true;
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
      // Alt+F4 still reaches a box without a close box: it counts as the button.
      state->closed = true;
      return 0;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != kPictureId) break;
      FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
      // At its own size, from the top-left corner: neither stretched nor centred.
      if (state->icon) {
        DrawIconEx(item->hDC, item->rcItem.left, item->rcItem.top, state->icon, 0, 0, 0, nullptr,
                   DI_NORMAL);
      }
      return TRUE;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(box, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(box, message, wParam, lParam);
}

// The box's font at `points`, for the screen's pixels per inch (16 points are 21 pixels and
// 10 points 13 pixels at 96).
HFONT FontAtPoints(LOGFONTW font, int points) {
  const int dpi = GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY);
  font.lfHeight = -MulDiv(points, dpi, 72);
  font.lfWidth = 0;
  return CreateFontIndirectW(&font);
}

SIZE TextSize(HFONT font, const std::wstring& text) {
  SIZE size{0, 0};
  const WindowDc screen(nullptr);
  const Selected selected(screen.Get(), font);
  if (text.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    size.cy = metrics.tmHeight;
  } else {
    GetTextExtentPoint32W(screen.Get(), text.data(), static_cast<int>(text.size()), &size);
  }
  return size;
}

HWND Child(HWND box, const wchar_t* windowClass, const std::wstring& text, DWORD style, int id,
           layout::Rect at, HFONT font) {
  const HWND child =
      CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                      at.width, at.height, box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleW(nullptr), nullptr);
  if (font != nullptr) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

// A label as wide as its text in its font, at the origin `place` gives for that width.
template <typename Place>
void SizedLabel(HWND box, HFONT font, const std::wstring& text, Place place) {
  const SIZE size = TextSize(font, text);
  const layout::Point at = place(static_cast<int>(size.cx));
  Child(box, L"STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, {at.x, at.y, size.cx, size.cy},
        font);
}

layout::Rect Frame(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

std::optional<layout::Rect> FrameOf(HWND window) {
  if (window == nullptr) return std::nullopt;
  return Frame(window);
}

// Sizes `window` so that its client area is `client`, and answers its outer size. The frame
// is the system's: what it really made of the asked client size is measured.
layout::Size FitClientArea(HWND window, layout::Size client) {
  RECT made{};
  GetClientRect(window, &made);
  const layout::Rect frame = Frame(window);
  const layout::Size outer{frame.width + client.width - made.right,
                           frame.height + client.height - made.bottom};
  if (made.right != client.width || made.bottom != client.height) {
    SetWindowPos(window, nullptr, 0, 0, outer.width, outer.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return outer;
}

}  // namespace

TAboutDialog::TAboutDialog(HWND owner) : owner_(owner) {}

void TAboutDialog::SetIcon(HICON icon) { icon_.Reset(icon ? CopyIcon(icon) : nullptr); }

POINT TAboutDialog::CenterInControl(HWND control, int width, int height) {
  const layout::Point at = layout::CenterInControl(Frame(control), {width, height});
  return {at.x, at.y};
}

void TAboutDialog::Place(HWND box, layout::Size outer) const {
  // The owner is the main window here; a child owner stands for its top-level window.
  const HWND rootOwner = owner_ ? GetAncestor(owner_, GA_ROOTOWNER) : nullptr;
  const std::optional<layout::Rect> main = FrameOf(rootOwner ? rootOwner : GetActiveWindow());
  const std::optional<layout::Rect> ownerFrame =
      FrameOf(owner_ ? GetAncestor(owner_, GA_ROOT) : nullptr);
  const std::optional<layout::Point> at = layout::about::Origin(
      FFormPosition, {FFormLeft, FFormTop}, outer,
      {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, main, ownerFrame);
  if (at) {
    SetWindowPos(box, nullptr, at->x, at->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TAboutDialog::Execute() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kAboutBox.windowClass, &BoxProc);

  // No system menu (so no caption-bar buttons), a fixed dialog frame, no scroll bars.
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT outer{0, 0, FFormWidth, FFormHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);

  BoxState state;
  const OwnedIcon icon(icon_ ? CopyIcon(icon_.Get()) : nullptr);
  state.icon = icon.Get();
  const OwnedGdi<HFONT> boxFont(CreateFontIndirectW(&FFont));
  const OwnedGdi<HFONT> nameFont(FontAtPoints(FFont, about::kNamePoints));
  const OwnedGdi<HFONT> lineFont(FontAtPoints(FFont, about::kLinePoints));

  // Declared after the fonts and the icon, so the window is gone before they are freed.
  const OwnedWindow box(CreateWindowExW(exStyle, kAboutBox.windowClass, FCaption.c_str(), style, 0,
                                        0, outer.right - outer.left, outer.bottom - outer.top,
                                        owner_, nullptr, instance, &state));
  if (!box) throw WindowsError("CreateWindowExW", GetLastError());
  const HWND window = box.Get();
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(boxFont.Get()), FALSE);

  Place(window, FitClientArea(window, {FFormWidth, FFormHeight}));

  const layout::Size area{FFormWidth, FFormHeight};
  const HWND button = Child(window, L"BUTTON", FCloseButton, WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK,
                            about::CloseButton(area), boxFont.Get());
  Child(window, L"STATIC", L"", SS_OWNERDRAW, kPictureId, about::kPicture, nullptr);
  SizedLabel(window, nameFont.Get(), FAppName,
             [&](int width) { return about::NameOrigin(area, width); });
  SizedLabel(window, lineFont.Get(), FVersion,
             [&](int width) { return about::LineOrigin(area, width, about::kVersionTop); });
  SizedLabel(window, lineFont.Get(), FMemo,
             [&](int width) { return about::LineOrigin(area, width, about::kMemoTop); });

  RunModalLoop(window, owner_, button, state.closed, [this, window] {
    if (OnShown) OnShown(window, OnShownContext);
  });
}

}  // namespace favpage::ui::win32

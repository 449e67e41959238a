#include "ui/win32/about_box.h"
#include "ui/win32/window_class.h"

#include <system_error>
#include <utility>

namespace favpage::ui::win32 {
namespace {

constexpr wchar_t kBoxClass[] = L"FavpageAboutBox";
constexpr int kPictureId = 100;
constexpr int kButtonWidth = 64;
constexpr int kButtonHeight = 24;
constexpr int kPictureSize = 48;
constexpr int kMargin = 8;
constexpr int kNamePoints = 16;
constexpr int kLinePoints = 10;
constexpr int kVersionTop = 36;
constexpr int kMemoTop = 54;

// Integer division truncates toward zero, which is the box's halving rule (-3 gives -1).
int Half(int value) { return value / 2; }

// One GDI or USER object, freed with the scope.
template <typename Handle, BOOL(WINAPI* Free)(Handle)>
class Owned {
 public:
  explicit Owned(Handle handle = nullptr) : handle_(handle) {}
  ~Owned() {
    if (handle_) Free(handle_);
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Handle Get() const { return handle_; }

 private:
  Handle handle_;
};

BOOL WINAPI DeleteFont(HFONT font) { return DeleteObject(font); }
using OwnedFont = Owned<HFONT, &DeleteFont>;
using OwnedIcon = Owned<HICON, &DestroyIcon>;
using OwnedWindow = Owned<HWND, &DestroyWindow>;

// Keeps the owner from taking input while the box is up. The owner gets its input back, and
// the activation, before the box goes (the guard is made after the box's window, so it is
// undone first), or the system would activate some other program; also when the test hook
// throws. An owner that was already disabled stays so.
class OwnerDisabled {
 public:
  OwnerDisabled(HWND owner, HWND box)
      : owner_(owner && IsWindowEnabled(owner) ? owner : nullptr), box_(box) {
    if (owner_) EnableWindow(owner_, FALSE);
  }
  ~OwnerDisabled() {
    if (!owner_) return;
    EnableWindow(owner_, TRUE);
    if (GetActiveWindow() == box_) SetActiveWindow(owner_);
  }
  OwnerDisabled(const OwnerDisabled&) = delete;
  OwnerDisabled& operator=(const OwnerDisabled&) = delete;

 private:
  HWND owner_;
  HWND box_;
};

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
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font.lfHeight = -MulDiv(points, dpi, 72);
  font.lfWidth = 0;
  return CreateFontIndirectW(&font);
}

SIZE TextSize(HFONT font, const std::wstring& text) {
  SIZE size{0, 0};
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  if (text.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    size.cy = metrics.tmHeight;
  } else {
    GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &size);
  }
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size;
}

// A label as wide as its text in its font; the caller places it once the width is known.
HWND SizedLabel(HWND box, HINSTANCE instance, HFONT font, const std::wstring& text, SIZE& size) {
  size = TextSize(font, text);
  const HWND label = CreateWindowExW(0, L"STATIC", text.c_str(),
                                     WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0,
                                     size.cx, size.cy, box, nullptr, instance, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

}  // namespace

TAboutDialog::TAboutDialog(HWND owner) : owner_(owner) {}

TAboutDialog::~TAboutDialog() {
  if (icon_) DestroyIcon(icon_);
}

void TAboutDialog::SetIcon(HICON icon) {
  HICON copy = icon ? CopyIcon(icon) : nullptr;
  if (icon_) DestroyIcon(icon_);
  icon_ = copy;
}

POINT TAboutDialog::CenterInControl(HWND control, int width, int height) {
  RECT outer{};
  GetWindowRect(control, &outer);
  return {Half(outer.right - outer.left - width) + outer.left,
          Half(outer.bottom - outer.top - height) + outer.top};
}

void TAboutDialog::Execute() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kBoxClass, &BoxProc);

  // No system menu (so no caption-bar buttons), a fixed dialog frame, no scroll bars.
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT outer{0, 0, FFormWidth, FFormHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);

  BoxState state;
  OwnedIcon icon(icon_ ? CopyIcon(icon_) : nullptr);
  state.icon = icon.Get();
  OwnedFont boxFont(CreateFontIndirectW(&FFont));
  OwnedFont nameFont(FontAtPoints(FFont, kNamePoints));
  OwnedFont lineFont(FontAtPoints(FFont, kLinePoints));

  // Declared after the fonts and the icon, so the window is gone before they are freed.
  OwnedWindow box(CreateWindowExW(exStyle, kBoxClass, FCaption.c_str(), style, 0, 0,
                                  outer.right - outer.left, outer.bottom - outer.top, owner_,
                                  nullptr, instance, &state));
  if (!box.Get()) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "CreateWindowExW");
  }
  const HWND window = box.Get();
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(boxFont.Get()), FALSE);

  // The frame is the system's: measure what it really made of the asked client size.
  RECT client{};
  GetClientRect(window, &client);
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left + FFormWidth - client.right;
  const int height = frame.bottom - frame.top + FFormHeight - client.bottom;
  if (client.right != FFormWidth || client.bottom != FFormHeight) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  bool placed = true;
  POINT at{frame.left, frame.top};
  switch (FFormPosition) {
    case fpDesigned:
      at = {FFormLeft, FFormTop};
      break;
    case fpScreenCenter:
      at = {Half(GetSystemMetrics(SM_CXSCREEN) - width),
            Half(GetSystemMetrics(SM_CYSCREEN) - height)};
      break;
    case fpMainFormCenter:
    case fpOwnerFormCenter: {
      // The owner is the main window here; a child owner stands for its top-level window.
      HWND over = nullptr;
      if (owner_) {
        over = GetAncestor(owner_, FFormPosition == fpMainFormCenter ? GA_ROOTOWNER : GA_ROOT);
      }
      if (!over && FFormPosition == fpMainFormCenter) over = GetActiveWindow();
      if (over) {
        at = CenterInControl(over, width, height);
      } else {
        placed = false;
      }
      break;
    }
    default:
      placed = false;
      break;
  }
  if (placed) {
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  const HWND button = CreateWindowExW(
      0, L"BUTTON", FCloseButton.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
      Half(FFormWidth - kButtonWidth), FFormHeight - kButtonHeight - kMargin, kButtonWidth,
      kButtonHeight, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance,
      nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(boxFont.Get()), FALSE);

  CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, kMargin, kMargin,
                  kPictureSize, kPictureSize, window,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPictureId)), instance, nullptr);
  const int pictureRight = kMargin + kPictureSize;

  SIZE size{};
  HWND label = SizedLabel(window, instance, nameFont.Get(), FAppName, size);
  SetWindowPos(label, nullptr, pictureRight + Half(FFormWidth - pictureRight - kMargin - size.cx),
               kMargin, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  label = SizedLabel(window, instance, lineFont.Get(), FVersion, size);
  SetWindowPos(label, nullptr, Half(FFormWidth - size.cx), kVersionTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  label = SizedLabel(window, instance, lineFont.Get(), FMemo, size);
  SetWindowPos(label, nullptr, Half(FFormWidth - size.cx), kMemoTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const OwnerDisabled ownerDisabled(owner_, window);
  ShowWindow(window, SW_SHOW);
  SetFocus(button);
  if (OnShown) OnShown(window, OnShownContext);

  MSG message;
  bool quit = false;
  WPARAM quitCode = 0;
  while (!state.closed) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      quitCode = message.wParam;
      break;
    }
    if (got == -1) break;
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // A quit request taken by this loop belongs to the program's own loop: hand it back.
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
}

}  // namespace favpage::ui::win32

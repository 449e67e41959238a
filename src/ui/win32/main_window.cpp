#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "base/io_error.h"
#include "platform/host_path.h"
#include "platform/win32/owned.h"
#include "ui/presenter/dpi_scale.h"
#include "ui/presenter/main_layout.h"
#include "ui/presenter/run_status.h"
#include "ui/presenter/window_texts.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/dpi.h"
#include "ui/win32/fonts.h"
#include "ui/win32/layout.h"
#include "ui/win32/page_opener.h"
#include "ui/win32/resources.h"
#include "ui/win32/source_dialog.h"
#include "ui/win32/wide.h"
#include "ui/win32/window_class.h"

namespace favpage::ui::win32 {
namespace {

// The window's background is not painted over its controls (the preview's browser above
// all); the containers are transparent, so it still shows inside them.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The control or menu item each name of the presenter's stands for.
int IdOf(Control control) { return ControlIdByName(layout::ControlName(control)); }

// The outer size that gives the laid-out client area at `dpi`; also the smallest the
// window gets.
SIZE OuterSize(int dpi) {
  const layout::Size client = layout::Scaled(layout::kWindowClient, dpi);
  return OuterSizeForDpi({client.width, client.height}, kStyle, 0, dpi);
}

// The frame's width and height around a client area at `dpi`.
SIZE FrameSize(int dpi) { return OuterSizeForDpi({0, 0}, kStyle, 0, dpi); }

std::wstring Replaced(std::wstring text, std::wstring_view from, std::wstring_view to) {
  for (std::size_t at = text.find(from); at != std::wstring::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

TPlatform::TPlatform(std::string exePath) : presenter_(*this, std::move(exePath)) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  icon_ = LoadIconW(instance, MAKEINTRESOURCEW(FAVPAGE_IDI_APP));
  RegisterWindowClass(kMainWindow.windowClass, WindowProc,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), IDC_ARROW, icon_);
  const SIZE outer = OuterSize(dpi_);
  // The window procedure takes the window into window_ as it is made.
  CreateWindowExW(WS_EX_CONTROLPARENT, kMainWindow.windowClass, W(str::kMainCaption), kStyle,
                  layout::kWindowOrigin.x, layout::kWindowOrigin.y, outer.cx, outer.cy, nullptr,
                  nullptr, instance, this);
  FitToMonitorDpi();
  menuBar_ = std::make_unique<MenuBar>(Hwnd(), dpi_);
  CreateControls(Hwnd(), dpi_);
  WebBrowser1 = WebBrowser::Create(Hwnd(), ControlIdByName("WebBrowser1"),
                                   ControlRect("WebBrowser1", layout::kWindowClient),
                                   BrowserStart::kAfterFirstPaint);
  ConfigureAbout();
  RECT client{};
  GetClientRect(Hwnd(), &client);
  ApplyAnchors(Hwnd(), {client.right, client.bottom}, dpi_);
}

// Made at 96 dpi, the window takes its monitor's DPI: the laid-out place and size scaled.
void TPlatform::FitToMonitorDpi() {
  if (Hwnd() == nullptr) return;
  dpi_ = WindowDpi(Hwnd());
  if (dpi_ == layout::kLayoutDpi) return;
  const SIZE outer = OuterSize(dpi_);
  SetWindowPos(Hwnd(), nullptr, layout::Scaled(layout::kWindowOrigin.x, dpi_),
               layout::Scaled(layout::kWindowOrigin.y, dpi_), outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window went to a monitor of another scale (or the scale was changed): fonts,
// pictures and layout at the new DPI, in the rectangle the system proposes, which keeps the
// window's size in 96-dpi units and its place under the pointer.
void TPlatform::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = layout::UsableDpi(dpi);
  FitControlsToDpi(Hwnd(), dpi_);
  // Also sent while the window is being made, when its first move crosses to another
  // monitor: before the tool bar exists.
  if (menuBar_) menuBar_->FitToDpi(dpi_);
  SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Anchored again even when the size in pixels did not change.
  RECT client{};
  GetClientRect(Hwnd(), &client);
  ApplyAnchors(Hwnd(), {client.right, client.bottom}, dpi_);
  FitStatus();
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

TPlatform::~TPlatform() {
  WorkForm.reset();
  WebBrowser1.reset();
  if (window_) {
    // Its procedure no longer reaches this object while it goes.
    SetWindowLongPtrW(Hwnd(), GWLP_USERDATA, 0);
    window_.Reset();
  }
}

void TPlatform::ConfigureAbout() {
  AboutDialog1 = std::make_unique<TAboutDialog>(Hwnd());
  layout::ApplyAboutLayout(*AboutDialog1,
                           [](const char16_t* text) { return std::wstring(W(text)); });
  AboutDialog1->FFont = LayoutFontSpec(12);
  AboutDialog1->SetIcon(icon_);
}

bool TPlatform::Start() { return presenter_.Start() && Hwnd() != nullptr; }

bool TPlatform::PreTranslate(MSG& message) {
  if (Hwnd() == nullptr) return false;
  if (message.hwnd != Hwnd() && !IsChild(Hwnd(), message.hwnd)) return false;
  if (TranslateAcceleratorW(Hwnd(), menuBar_->Shortcuts(), &message)) return true;
  // Alt and its letters go to the tool bar's menus, not to the dialog manager: a letter
  // typed in a control would otherwise look for a menu bar of that control's own.
  if (message.message == WM_SYSCHAR) {
    return menuBar_->OnAltLetter(static_cast<wchar_t>(message.wParam));
  }
  if (message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP) return false;
  return IsDialogMessageW(Hwnd(), &message) != FALSE;
}

LRESULT CALLBACK TPlatform::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TPlatform*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.Reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TPlatform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || message == WM_NCDESTROY) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // Nothing may leave a window procedure: what the presenter does not catch itself is shown
  // as the default error display, and the message loop goes on.
  try {
    return self->Handle(window, message, wParam, lParam);
  } catch (const std::exception& error) {
    self->ShowError(platform::ToHostText(DisplayMessage(error.what())));
  } catch (...) {
    self->ShowError("");
  }
  return 0;
}

LRESULT TPlatform::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      if (menuBar_ && menuBar_->OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
        return TBDDRET_DEFAULT;
      }
      break;
    case WM_SYSCOMMAND:
      if (menuBar_ && menuBar_->OnSysCommand(wParam, lParam)) return 0;
      break;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(ControlIdByName("Button3"), DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
      return OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_GETMINMAXINFO: {
      const SIZE outer = OuterSize(dpi_);
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {outer.cx, outer.cy};
      return 0;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        ApplyAnchors(Hwnd(), {LOWORD(lParam), HIWORD(lParam)}, dpi_);
        FitStatus();
      }
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      WebBrowser1.reset();
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      (void)window_.Release();  // the system destroys it
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TPlatform::OnActivate(bool active, bool minimized) {
  // The keyboard focus goes back to the control that had it, first to the first one.
  if (!active) {
    HWND focused = GetFocus();
    if (focused != nullptr && IsChild(Hwnd(), focused)) focus_ = focused;
  } else if (!minimized) {
    SetFocus(focus_ != nullptr && IsWindow(focus_) ? focus_
                                                   : GetNextDlgTabItem(Hwnd(), nullptr, FALSE));
  }
}

// Labels, check boxes and radio buttons on the window's own face colour; a label that names
// something missing in the error colour.
LRESULT TPlatform::OnColorStatic(HDC dc, HWND control) {
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  const layout::Colour error = layout::kErrorColour;
  SetTextColor(dc, !IsWindowEnabled(control) ? GetSysColor(COLOR_GRAYTEXT)
                   : alerts_.count(GetDlgCtrlID(control)) != 0
                       ? RGB(error.red, error.green, error.blue)
                       : GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// Over a label in the error colour the pointer shows that a click does something.
bool TPlatform::OnSetCursor(HWND control) {
  if (control == Hwnd() || !IsChild(Hwnd(), control)) return false;
  if (alerts_.count(GetDlgCtrlID(control)) == 0) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

// The status bar shows its whole text where it fits; otherwise the path in it is shortened
// in the middle, never the summary before it. The whole text is its tooltip.
void TPlatform::FitStatus() {
  HWND bar = Item(ControlIdByName("StatusBar1"));
  if (bar == nullptr) return;
  RECT part{};
  SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
  const platform::win32::WindowDc dc(bar);
  const platform::win32::Selected font(
      dc.Get(), reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
  const auto width = [&dc](const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  // Room for the text inside the part's borders and before the size grip.
  const int room = part.right - part.left - GetSystemMetrics(SM_CXVSCROLL) - 8;
  std::wstring shown = statusText_;
  if (width(shown) > room) {
    const std::string whole = Utf8(statusText_);
    const auto [summary, path] = SplitStatus(whole);
    const std::wstring head = Wide(std::string(summary));
    std::wstring tail = Wide(std::string(path));
    tail.resize(std::max<std::size_t>(tail.size(), MAX_PATH) + 1);
    PathCompactPathW(dc.Get(), tail.data(), static_cast<UINT>(std::max(0, room - width(head))));
    shown = head + tail.c_str();
  }
  SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(shown.c_str()));
  SendMessageW(bar, SB_SETTIPTEXTW, 0, reinterpret_cast<LPARAM>(statusText_.c_str()));
}

std::wstring TPlatform::ShownStatusText() const {
  HWND bar = Item(ControlIdByName("StatusBar1"));
  const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(length + 1u, L'\0');
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

void TPlatform::OnClose() {
  if (!presenter_.CloseQuery()) return;
  // Off the screen at once, whatever the teardown after it takes: a look at the queue
  // hands the hiding to the display now, not when the program ends.
  ShowWindow(Hwnd(), SW_HIDE);
  MSG pending{};
  PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE);
  window_.Reset();
}

HWND TPlatform::Memo() const { return Item(ControlIdByName("Memo1")); }

std::string TPlatform::EditText(int id) const { return Utf8(WindowText(Item(id))); }

void TPlatform::OnCommand(int id, int code) {
  if (const layout::MenuItemRow* item = MenuItemOfId(id)) {
    // A disabled item's shortcut still arrives: the presenter ignores it during a run.
    (presenter_.*item->command)();
    return;
  }
  const layout::ControlRow* row = ControlOfId(id);
  if (row == nullptr) return;
  const layout::Handler& handler = row->handler;
  switch (row->kind) {
    case layout::Kind::kEdit:
      if (code == EN_CHANGE && handler.text) (presenter_.*handler.text)(EditText(id));
      break;
    case layout::Kind::kMemo:
      if (code == EN_CHANGE && handler.command) (presenter_.*handler.command)();
      break;
    case layout::Kind::kCheck:
      if (code == BN_CLICKED && handler.toggle) {
        (presenter_.*handler.toggle)(SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED);
      }
      break;
    case layout::Kind::kRadio:
    case layout::Kind::kButton:
    case layout::Kind::kDefaultButton:
      if (code == BN_CLICKED && handler.command) (presenter_.*handler.command)();
      break;
    case layout::Kind::kLabel:
    case layout::Kind::kFixedLabel:
      if (code == STN_CLICKED && handler.command) (presenter_.*handler.command)();
      break;
    case layout::Kind::kList:
      if (code == CBN_SELCHANGE && handler.select) {
        (presenter_.*handler.select)(static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
      }
      break;
    default:
      break;
  }
}

// MainView.

void TPlatform::SetControlText(Control control, const std::string& text) {
  if (control == Control::StatusBar1) {
    statusText_ = Wide(text);
    FitStatus();
    return;
  }
  SetWindowTextW(Item(IdOf(control)), Wide(text).c_str());
}

void TPlatform::SetChecked(Control control, bool checked) {
  if (layout::FindMenuItem(layout::ControlName(control)) != nullptr) {
    menuBar_->CheckItem(IdOf(control), checked);
    return;
  }
  const int id = IdOf(control);
  const layout::ControlRow* row = ControlOfId(id);
  if (row != nullptr && row->kind == layout::Kind::kRadio && checked) {
    // Selecting one radio button of a group leaves the others unselected.
    for (const layout::ControlRow& other : layout::Controls()) {
      if (other.kind != layout::Kind::kRadio || other.parent != row->parent) continue;
      SendMessageW(Item(ControlIdByName(other.name)), BM_SETCHECK,
                   &other == row ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return;
  }
  SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TPlatform::SetEnabled(Control control, bool enabled) {
  const std::string_view name = layout::ControlName(control);
  if (layout::FindMenuItem(name) != nullptr) {
    menuBar_->EnableItem(ControlIdByName(name), enabled);
  } else {
    EnableWithChildren(Hwnd(), name, enabled);
  }
}

void TPlatform::SetSelectedIndex(Control control, int index) {
  SendMessageW(Item(IdOf(control)), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TPlatform::SetAlert(Control control, bool alert) {
  const int id = IdOf(control);
  if (alert) {
    alerts_.insert(id);
  } else {
    alerts_.erase(id);
  }
  InvalidateRect(Item(id), nullptr, TRUE);
}

int TPlatform::TitleLineCount() {
  HWND memo = Memo();
  const auto count = static_cast<int>(SendMessageW(memo, EM_GETLINECOUNT, 0, 0));
  const LRESULT lastStart = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
  const bool lastEmpty = SendMessageW(memo, EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) == 0;
  return lastEmpty ? count - 1 : count;
}

std::string TPlatform::TitleLine(int index) {
  HWND memo = Memo();
  const LRESULT start = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (start < 0) return "";
  const LRESULT length = SendMessageW(memo, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  return Utf8(
      WindowText(memo).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
}

std::string TPlatform::TitleText() { return Utf8(Replaced(WindowText(Memo()), L"\r\n", L"\n")); }

void TPlatform::SetTitleText(const std::string& text) {
  SetWindowTextW(Memo(), Replaced(Wide(text), L"\n", L"\r\n").c_str());
}

void TPlatform::ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) {
  ShowMessageBox(Hwnd(), Wide(text), Wide(caption), kind);
}

void TPlatform::ShowError(const std::string& text) {
  ShowMessageBox(Hwnd(), Wide(text), W(str::kApplicationTitle), MessageKind::kError);
}

std::optional<std::string> TPlatform::ChooseOutputFile(const std::string& folder) {
  const std::optional<std::wstring> chosen = ChooseSaveFile(Hwnd(), Wide(folder));
  if (!chosen) return std::nullopt;
  return Utf8(*chosen);
}

// The source chooser, the About box and the progress window keep their 96-dpi layouts: the
// system scales them.
bool TPlatform::RunSourceChooser(SourceChooser& chooser) {
  const SystemScaledWindows scaled;
  return RunSourceDialog(Hwnd(), chooser);
}

void TPlatform::ShowAbout() {
  const SystemScaledWindows scaled;
  AboutDialog1->Execute();
}

void TPlatform::Navigate(const std::string& path) {
  if (WebBrowser1) WebBrowser1->Navigate(Wide(path));
}

bool TPlatform::OpenInBrowser(const std::string& path) { return OpenPage(Hwnd(), Wide(path)); }

WindowPlace TPlatform::Placement() {
  // The normal place, also of a maximised or minimised window: the placement's rectangle
  // is in work-area coordinates, which start at the monitor's work area.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(Hwnd(), &placement);
  RECT frame = placement.rcNormalPosition;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor);
  OffsetRect(&frame, monitor.rcWork.left - monitor.rcMonitor.left,
             monitor.rcWork.top - monitor.rcMonitor.top);
  if (!IsIconic(Hwnd()) && !IsZoomed(Hwnd())) GetWindowRect(Hwnd(), &frame);
  // Kept in 96-dpi units: a window left at 200 % opens as large at 100 %.
  const SIZE border = FrameSize(dpi_);
  const layout::Rect client =
      layout::Unscaled({frame.left, frame.top, (frame.right - frame.left) - border.cx,
                        (frame.bottom - frame.top) - border.cy},
                       dpi_);
  return {client.left, client.top, client.width, client.height};
}

void TPlatform::Place(const WindowPlace& place) {
  const layout::Rect at = layout::Scaled({place.left, place.top, place.width, place.height}, dpi_);
  const SIZE outer = OuterSizeForDpi({at.width, at.height}, kStyle, 0, dpi_);
  SetWindowPos(Hwnd(), nullptr, at.left, at.top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<ScreenArea> TPlatform::Screens() {
  std::vector<ScreenArea> areas;
  // In the units of the stored place, at the window's DPI.
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM found) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(monitor, &info)) {
          const RECT& work = info.rcWork;
          reinterpret_cast<std::vector<ScreenArea>*>(found)->push_back(
              {work.left, work.top, work.right - work.left, work.bottom - work.top});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  for (ScreenArea& area : areas) {
    const layout::Rect at = layout::Unscaled({area.left, area.top, area.width, area.height}, dpi_);
    area = {at.left, at.top, at.width, at.height};
  }
  return areas;
}

void TPlatform::ShowProgress() {
  const SystemScaledWindows scaled;
  WorkForm = std::make_unique<ProgressWindow>(Hwnd());
}

void TPlatform::SetProgressText(const std::string& text) {
  if (WorkForm) WorkForm->SetText(Wide(text));
}

void TPlatform::HideProgress() { WorkForm.reset(); }

void TPlatform::ProcessEvents() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Left for the message loop, which ends on it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void TPlatform::Close() {
  if (Hwnd() != nullptr) SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

void TPlatform::CloseSoon() {
  if (Hwnd() != nullptr) PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace favpage::ui::win32

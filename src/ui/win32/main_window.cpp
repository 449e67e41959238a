#include "ui/win32/main_window.h"

#include <commctrl.h>

#include <exception>
#include <utility>

#include "base/io_error.h"
#include "platform/host_path.h"
#include "ui/presenter/about_layout.h"
#include "ui/presenter/window_texts.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/fonts.h"
#include "ui/win32/layout.h"
#include "ui/win32/resources.h"
#include "ui/win32/wide.h"
#include "ui/win32/window_class.h"

namespace favpage::ui::win32 {
namespace {

constexpr wchar_t kClass[] = L"FavpageMainWindow";
constexpr POINT kDesignPosition{335, 114};
// The window's background is not painted over its controls (the preview's browser above
// all); the containers are transparent, so it still shows inside them.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The control each name of the presenter's stands for.
int IdOf(Control control) {
  switch (control) {
    case Control::FavoriteDir:
      return kIdFavoriteDir;
    case Control::RadioButton1:
      return kIdRadioButton1;
    case Control::RadioButton2:
      return kIdRadioButton2;
    case Control::Edit2:
      return kIdEdit2;
    case Control::CheckBox1:
      return kIdCheckBox1;
    case Control::PanelEx1:
      return kIdPanelEx1;
    case Control::Edit1:
      return kIdEdit1;
    case Control::Edit3:
      return kIdEdit3;
    case Control::Button3:
      return kIdButton3;
    case Control::HTTP1:
      return kIdHTTP1;
    case Control::ComboBox1:
      return kIdComboBox1;
    case Control::CheckBox2:
      return kIdCheckBox2;
    case Control::CheckBox3:
      return kIdCheckBox3;
  }
  return 0;
}

// The outer size that gives the laid-out client area; also the smallest the window gets.
SIZE OuterSize() {
  RECT frame{0, 0, kDesignClient.cx, kDesignClient.cy};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

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
  RegisterWindowClass(kClass, WindowProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), IDC_ARROW,
                      icon_);
  const SIZE outer = OuterSize();
  window_ =
      CreateWindowExW(WS_EX_CONTROLPARENT, kClass, W(str::kMainCaption), kStyle, kDesignPosition.x,
                      kDesignPosition.y, outer.cx, outer.cy, nullptr, nullptr, instance, this);
  menuBar_ = std::make_unique<MenuBar>(window_);
  CreateControls(window_);
  WebBrowser1 = WebBrowser::Create(window_, kIdWebBrowser1,
                                   ControlRect(kIdWebBrowser1, kDesignClient.cx, kDesignClient.cy));
  ConfigureAbout();
  RECT client{};
  GetClientRect(window_, &client);
  ApplyAnchors(window_, client.right, client.bottom);
}

TPlatform::~TPlatform() {
  WorkForm.reset();
  WebBrowser1.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void TPlatform::ConfigureAbout() {
  AboutDialog1 = std::make_unique<TAboutDialog>(window_);
  ApplyAboutLayout(*AboutDialog1, [](const char16_t* text) { return std::wstring(W(text)); });
  AboutDialog1->FFont = LayoutFontSpec(12);
  AboutDialog1->SetIcon(icon_);
}

bool TPlatform::Start() { return presenter_.Start() && window_ != nullptr; }

bool TPlatform::PreTranslate(MSG& message) {
  if (window_ == nullptr) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (TranslateAcceleratorW(window_, menuBar_->Shortcuts(), &message)) return true;
  // Alt and its letters go to the tool bar's menus, not to the dialog manager: a letter
  // typed in a control would otherwise look for a menu bar of that control's own.
  if (message.message == WM_SYSCHAR) {
    return menuBar_->OnAltLetter(static_cast<wchar_t>(message.wParam));
  }
  if (message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP) return false;
  return IsDialogMessageW(window_, &message) != FALSE;
}

LRESULT CALLBACK TPlatform::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TPlatform*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TPlatform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || message == WM_NCDESTROY) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // Nothing may leave a window procedure: what the presenter does not catch itself is shown
  // as the default error display, and the message loop goes on.
  try {
    return self->Handle(message, wParam, lParam);
  } catch (const std::exception& error) {
    self->ShowError(platform::ToHostText(DisplayMessage(error.what())));
  } catch (...) {
    self->ShowError("");
  }
  return 0;
}

LRESULT TPlatform::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
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
      // The keyboard focus goes back to the control that had it, first to the first one.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused != nullptr && IsChild(window_, focused)) focus_ = focused;
      } else if (HIWORD(wParam) == 0) {
        SetFocus(focus_ != nullptr && IsWindow(focus_)
                     ? focus_
                     : GetNextDlgTabItem(window_, nullptr, FALSE));
      }
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(kIdButton3, DC_HASDEFID);
    case WM_CTLCOLORSTATIC: {
      // Labels, check boxes and radio buttons on the window's own face colour.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      SetTextColor(dc,
                   GetSysColor(IsWindowEnabled(reinterpret_cast<HWND>(lParam)) ? COLOR_WINDOWTEXT
                                                                               : COLOR_GRAYTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_GETMINMAXINFO: {
      const SIZE outer = OuterSize();
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {outer.cx, outer.cy};
      return 0;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) ApplyAnchors(window_, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_CLOSE:
      if (presenter_.CloseQuery()) {
        // Off the screen at once, whatever the teardown after it takes: a look at the
        // queue hands the hiding to the display now, not when the program ends.
        ShowWindow(window_, SW_HIDE);
        MSG pending{};
        PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE);
        DestroyWindow(window_);
      }
      return 0;
    case WM_DESTROY:
      WebBrowser1.reset();
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

std::string TPlatform::EditText(int id) const { return Utf8(WindowText(Item(id))); }

void TPlatform::OnCommand(int id, int code) {
  auto checked = [this](int box) {
    return SendMessageW(Item(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  switch (id) {
    case kIdEdit2:
      if (code == EN_CHANGE) presenter_.Edit2Change(EditText(id));
      break;
    case kIdEdit1:
      if (code == EN_CHANGE) presenter_.Edit1Change(EditText(id));
      break;
    case kIdEdit3:
      if (code == EN_CHANGE) presenter_.Edit3Change(EditText(id));
      break;
    case kIdMemo1:
      if (code == EN_CHANGE) presenter_.Memo1Change();
      break;
    case kIdCheckBox1:
      if (code == BN_CLICKED) presenter_.CheckBox1Click(checked(id));
      break;
    case kIdCheckBox2:
      if (code == BN_CLICKED) presenter_.CheckBox2Click(checked(id));
      break;
    case kIdCheckBox3:
      if (code == BN_CLICKED) presenter_.CheckBox3Click(checked(id));
      break;
    case kIdRadioButton1:
      if (code == BN_CLICKED) presenter_.RadioButton1Click();
      break;
    case kIdRadioButton2:
      if (code == BN_CLICKED) presenter_.RadioButton2Click();
      break;
    case kIdComboBox1:
      if (code == CBN_SELCHANGE) {
        presenter_.ComboBox1Change(static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
      }
      break;
    case kIdButton2:
      if (code == BN_CLICKED) presenter_.Button2Click();
      break;
    case kIdButton3:
    case kIdHTTP1:
      // A disabled item's shortcut still arrives: the presenter ignores it during a run.
      presenter_.Button3Click();
      break;
    case kIdSource1:
      presenter_.Source1Click();
      break;
    case kIdExit1:
      presenter_.Exit1Click();
      break;
    case kIdAbout1:
      presenter_.About1Click();
      break;
    default:
      break;
  }
}

// MainView.

void TPlatform::SetControlText(Control control, const std::string& text) {
  SetWindowTextW(Item(IdOf(control)), Wide(text).c_str());
}

void TPlatform::SetChecked(Control control, bool checked) {
  const int id = IdOf(control);
  if ((id == kIdRadioButton1 || id == kIdRadioButton2) && checked) {
    CheckRadioButton(window_, kIdRadioButton1, kIdRadioButton2, id);
    return;
  }
  SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TPlatform::SetEnabled(Control control, bool enabled) {
  const int id = IdOf(control);
  if (id == kIdHTTP1) {
    menuBar_->EnableItem(id, enabled);
  } else {
    EnableWithChildren(window_, id, enabled);
  }
}

void TPlatform::SetSelectedIndex(Control control, int index) {
  SendMessageW(Item(IdOf(control)), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TPlatform::TitleLineCount() {
  HWND memo = Item(kIdMemo1);
  const auto count = static_cast<int>(SendMessageW(memo, EM_GETLINECOUNT, 0, 0));
  const LRESULT lastStart = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
  const bool lastEmpty = SendMessageW(memo, EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) == 0;
  return lastEmpty ? count - 1 : count;
}

std::string TPlatform::TitleLine(int index) {
  HWND memo = Item(kIdMemo1);
  const LRESULT start = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (start < 0) return "";
  const LRESULT length = SendMessageW(memo, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  return Utf8(
      WindowText(memo).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
}

std::string TPlatform::TitleText() {
  return Utf8(Replaced(WindowText(Item(kIdMemo1)), L"\r\n", L"\n"));
}

void TPlatform::SetTitleText(const std::string& text) {
  SetWindowTextW(Item(kIdMemo1), Replaced(Wide(text), L"\n", L"\r\n").c_str());
}

void TPlatform::ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) {
  ShowMessageBox(window_, Wide(text), Wide(caption),
                 kind == MessageKind::kConfirmation ? MB_ICONQUESTION : MB_ICONERROR);
}

void TPlatform::ShowError(const std::string& text) {
  ShowMessageBox(window_, Wide(text), W(str::kApplicationTitle), MB_ICONERROR);
}

std::optional<std::string> TPlatform::ChooseOutputFile(const std::string& folder) {
  const std::optional<std::wstring> chosen = ChooseSaveFile(window_, Wide(folder));
  if (!chosen) return std::nullopt;
  return Utf8(*chosen);
}

std::optional<int> TPlatform::ChooseSource(const std::vector<std::string>& choices, int current) {
  std::vector<std::wstring> shown;
  for (const std::string& choice : choices) shown.push_back(Wide(choice));
  return ChooseFromList(window_, shown, current);
}

std::optional<std::string> TPlatform::ChooseBookmarksFile(const std::string& folder) {
  const std::optional<std::wstring> chosen = ChooseOpenFile(window_, Wide(folder));
  if (!chosen) return std::nullopt;
  return Utf8(*chosen);
}

void TPlatform::ShowAbout() { AboutDialog1->Execute(); }

void TPlatform::Navigate(const std::string& path) {
  if (WebBrowser1) WebBrowser1->Navigate(Wide(path));
}

void TPlatform::ShowProgress() { WorkForm = std::make_unique<ProgressWindow>(window_); }

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
  if (window_ != nullptr) SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TPlatform::CloseSoon() {
  if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace favpage::ui::win32

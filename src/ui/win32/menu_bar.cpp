#include "ui/win32/menu_bar.h"

#include <commctrl.h>

#include <cwctype>
#include <string>

#include "ui/presenter/window_texts.h"
#include "ui/win32/fonts.h"
#include "ui/win32/layout.h"
#include "ui/win32/wide.h"

namespace favpage::ui::win32 {
namespace {

struct Button {
  const char16_t* caption;
  int width;
  wchar_t letter;  // the access letter, with Alt
};
constexpr Button kButtons[] = {
    {str::kFileMenu, 54, L'F'}, {str::kRunMenu, 51, L'R'}, {str::kHelpMenu, 54, L'H'}};
constexpr int kButtonHeight = 20;
// The band's header: the gripper, before the tool bar.
constexpr int kBandHeader = 9;

// The menu that is open, for the keyboard hook; one at a time on the one UI thread.
MenuBar* openBar = nullptr;
HHOOK menuHook = nullptr;
int openIndex = -1;

void AddItem(HMENU menu, int id, const char16_t* caption, const wchar_t* shortcut) {
  std::wstring text = W(caption);
  if (shortcut != nullptr) text += std::wstring(L"\t") + shortcut;
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), text.c_str());
}

}  // namespace

MenuBar::MenuBar(HWND window) : window_(window) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  coolBar_ = CreateWindowExW(0, REBARCLASSNAMEW, L"",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | RBS_VARHEIGHT,
                             0, 0, 480, 22, window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdCoolBar1)), instance,
                             nullptr);
  toolBar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST |
                                 CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
                             0, 0, 467, kButtonHeight, coolBar_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdToolBar1)), instance,
                             nullptr);
  SendMessageW(toolBar_, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
  SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolBar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  for (int i = 0; i < 3; ++i) {
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = i + 1;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_DROPDOWN | BTNS_SHOWTEXT;
    button.iString = reinterpret_cast<INT_PTR>(W(kButtons[i].caption));
    SendMessageW(toolBar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(kButtons[i].width);
    SendMessageW(toolBar_, TB_SETBUTTONINFOW, static_cast<WPARAM>(i + 1),
                 reinterpret_cast<LPARAM>(&info));
  }
  SendMessageW(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(54, kButtonHeight));

  REBARBANDINFOW band{};
  band.cbSize = sizeof(band);
  band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE | RBBIM_HEADERSIZE;
  band.fStyle = RBBS_GRIPPERALWAYS | RBBS_NOVERT;
  band.hwndChild = toolBar_;
  band.cxMinChild = 0;
  band.cyMinChild = kButtonHeight;
  band.cx = 480;
  band.cxHeader = kBandHeader;
  SendMessageW(coolBar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));

  for (HMENU& menu : menus_) menu = CreatePopupMenu();
  AddItem(menus_[0], kIdSource1, str::kSourceItem, nullptr);
  AppendMenuW(menus_[0], MF_SEPARATOR, 0, nullptr);
  AddItem(menus_[0], kIdExit1, str::kExitItem, L"Ctrl+Q");
  AddItem(menus_[1], kIdHTTP1, str::kConvertItem, L"Ctrl+R");
  AddItem(menus_[2], kIdAbout1, str::kAboutItem, nullptr);

  ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'Q', kIdExit1}, {FCONTROL | FVIRTKEY, 'R', kIdHTTP1}};
  shortcuts_ = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

MenuBar::~MenuBar() {
  for (HMENU menu : menus_) DestroyMenu(menu);
  DestroyAcceleratorTable(shortcuts_);
}

void MenuBar::EnableItem(int id, bool enabled) {
  for (HMENU menu : menus_)
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MenuBar::DropDown(int index) {
  // An arrow key that leaves the open menu names the next one: open it in turn.
  for (next_ = index; next_ >= 0;) {
    const int shown = next_;
    next_ = -1;
    RECT button{};
    SendMessageW(toolBar_, TB_GETITEMRECT, static_cast<WPARAM>(shown),
                 reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(toolBar_, HWND_DESKTOP, reinterpret_cast<POINT*>(&button), 2);
    SendMessageW(toolBar_, TB_PRESSBUTTON, static_cast<WPARAM>(shown + 1), TRUE);
    TPMPARAMS params{};
    params.cbSize = sizeof(params);
    params.rcExclude = button;
    openBar = this;
    openIndex = shown;
    menuHook = SetWindowsHookExW(WH_MSGFILTER, MenuKeys, nullptr, GetCurrentThreadId());
    TrackPopupMenuEx(menus_[shown], TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON,
                     button.left, button.bottom, window_, &params);
    if (menuHook != nullptr) UnhookWindowsHookEx(menuHook);
    menuHook = nullptr;
    openBar = nullptr;
    SendMessageW(toolBar_, TB_PRESSBUTTON, static_cast<WPARAM>(shown + 1), FALSE);
  }
}

LRESULT CALLBACK MenuBar::MenuKeys(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_MENU && openBar != nullptr && message->message == WM_KEYDOWN &&
      (message->wParam == VK_LEFT || message->wParam == VK_RIGHT)) {
    const int step = message->wParam == VK_LEFT ? 2 : 1;
    openBar->next_ = (openIndex + step) % 3;
    SendMessageW(openBar->window_, WM_CANCELMODE, 0, 0);
    return 1;
  }
  return CallNextHookEx(menuHook, code, wParam, lParam);
}

bool MenuBar::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != toolBar_ || header.code != TBN_DROPDOWN) return false;
  DropDown(reinterpret_cast<const NMTOOLBARW&>(header).iItem - 1);
  return true;
}

bool MenuBar::OnSysCommand(WPARAM command, LPARAM key) {
  if ((command & 0xFFF0) != SC_KEYMENU) return false;
  if (key == 0) {  // Alt alone, or F10: the menu mode opens the first menu
    DropDown(0);
    return true;
  }
  if (OnAltLetter(static_cast<wchar_t>(key))) return true;
  return key != L' ';  // Alt+Space keeps the window's system menu
}

bool MenuBar::OnAltLetter(wchar_t letter) {
  const auto upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(letter)));
  for (int i = 0; i < 3; ++i) {
    if (kButtons[i].letter == upper) {
      DropDown(i);
      return true;
    }
  }
  return false;
}

}  // namespace favpage::ui::win32

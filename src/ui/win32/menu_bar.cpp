#include "ui/win32/menu_bar.h"

#include <commctrl.h>

#include <cwctype>
#include <string>

#include "ui/presenter/dpi_scale.h"
#include "ui/win32/fonts.h"
#include "ui/win32/layout.h"
#include "ui/win32/wide.h"

namespace favpage::ui::win32 {
namespace {

using platform::win32::OwnedHook;

// The menu that is open, for the keyboard hook; one at a time on the one UI thread.
MenuBar* openBar = nullptr;
HHOOK menuHook = nullptr;
int openIndex = -1;

const layout::ControlRow& Row(std::string_view name) { return *layout::FindControl(name); }

// The buttons in their menus' order.
const layout::ControlRow& ButtonOf(std::size_t menu) { return Row(layout::Menus()[menu].button); }

HWND MakeChild(HWND parent, const wchar_t* windowClass, DWORD style, const layout::Rect& at,
               std::string_view name) {
  return CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                         at.width, at.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdByName(name))),
                         GetModuleHandleW(nullptr), nullptr);
}

// The band's sizes for its tool bar at `dpi`.
REBARBANDINFOW BandSizes(int dpi) {
  REBARBANDINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_HEADERSIZE;
  info.cxMinChild = 0;
  info.cyMinChild = static_cast<UINT>(layout::Scaled(Row("ToolBar1").rect.height, dpi));
  info.cx = static_cast<UINT>(layout::Scaled(Row("CoolBar1").rect.width, dpi));
  // The band's header: the gripper, before the tool bar.
  info.cxHeader = static_cast<UINT>(layout::Scaled(Row("ToolBar1").rect.left, dpi));
  return info;
}

}  // namespace

MenuBar::MenuBar(HWND window, int dpi) : window_(window) {
  MakeBand(dpi);
  MakeMenus();
}

// The band container and its flat tool bar, one drop-down button per menu.
void MenuBar::MakeBand(int dpi) {
  const layout::ControlRow& band = Row("CoolBar1");
  const layout::ControlRow& bar = Row("ToolBar1");
  coolBar_ = MakeChild(window_, REBARCLASSNAMEW,
                       WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CCS_NOPARENTALIGN | CCS_NORESIZE |
                           CCS_NODIVIDER | RBS_VARHEIGHT,
                       layout::Scaled(band.rect, dpi), band.name);
  toolBar_ =
      MakeChild(coolBar_, TOOLBARCLASSNAMEW,
                TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
                layout::Scaled(layout::Rect{0, 0, bar.rect.width, bar.rect.height}, dpi), bar.name);
  SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolBar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  for (std::size_t i = 0; i < layout::Menus().size(); ++i) {
    const int command = static_cast<int>(i) + 1;
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_DROPDOWN | BTNS_SHOWTEXT;
    button.iString = reinterpret_cast<INT_PTR>(W(ButtonOf(i).caption));
    SendMessageW(toolBar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  SizeButtons(dpi);

  REBARBANDINFOW info = BandSizes(dpi);
  info.fMask |= RBBIM_CHILD | RBBIM_STYLE;
  info.fStyle = RBBS_GRIPPERALWAYS | RBBS_NOVERT;
  info.hwndChild = toolBar_;
  SendMessageW(coolBar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
}

// The tool bar's font and its buttons' widths and height at `dpi`.
void MenuBar::SizeButtons(int dpi) {
  const int height = layout::Scaled(Row("ToolBar1").rect.height, dpi);
  SendMessageW(
      toolBar_, WM_SETFONT,
      reinterpret_cast<WPARAM>(LayoutFont(layout::Scaled(layout::kWindowFont.pixelHeight, dpi))),
      FALSE);
  for (std::size_t i = 0; i < layout::Menus().size(); ++i) {
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(layout::Scaled(ButtonOf(i).rect.width, dpi));
    SendMessageW(toolBar_, TB_SETBUTTONINFOW, static_cast<WPARAM>(i + 1),
                 reinterpret_cast<LPARAM>(&info));
  }
  SendMessageW(toolBar_, TB_SETBUTTONSIZE, 0,
               MAKELPARAM(layout::Scaled(ButtonOf(0).rect.width, dpi), height));
}

void MenuBar::FitToDpi(int dpi) {
  SizeButtons(dpi);
  REBARBANDINFOW info = BandSizes(dpi);
  SendMessageW(coolBar_, RB_SETBANDINFOW, 0, reinterpret_cast<LPARAM>(&info));
}

// The menus with their items, and the shortcut table of the items that have a shortcut.
void MenuBar::MakeMenus() {
  std::vector<ACCEL> keys;
  for (const layout::MenuRow& row : layout::Menus()) {
    const HMENU menu = menus_.emplace_back(CreatePopupMenu()).Get();
    for (const layout::MenuItemRow& item : layout::MenuItems()) {
      if (item.menu != row.name) continue;
      const int id = ControlIdByName(item.name);
      if (item.separatorBefore) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      std::u16string text = item.caption;
      if (item.shortcut != layout::kNoShortcut) text += u"\t" + layout::ShortcutText(item.shortcut);
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), W(text.c_str()));
      if (item.shortcut == layout::kNoShortcut) continue;
      const BYTE modifiers = layout::ShortcutHasCtrl(item.shortcut) ? FCONTROL : 0;
      keys.push_back({static_cast<BYTE>(modifiers | FVIRTKEY),
                      static_cast<WORD>(layout::ShortcutKey(item.shortcut)),
                      static_cast<WORD>(id)});
    }
  }
  shortcuts_.Reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

void MenuBar::EnableItem(int id, bool enabled) {
  for (const platform::win32::OwnedMenu& menu : menus_) {
    EnableMenuItem(menu.Get(), static_cast<UINT>(id),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

void MenuBar::CheckItem(int id, bool checked) {
  for (const platform::win32::OwnedMenu& menu : menus_) {
    CheckMenuItem(menu.Get(), static_cast<UINT>(id),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
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
    {
      const OwnedHook hook(
          SetWindowsHookExW(WH_MSGFILTER, MenuKeys, nullptr, GetCurrentThreadId()));
      menuHook = hook.Get();
      TrackPopupMenuEx(menus_[static_cast<std::size_t>(shown)].Get(),
                       TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON, button.left,
                       button.bottom, window_, &params);
    }
    menuHook = nullptr;
    openBar = nullptr;
    SendMessageW(toolBar_, TB_PRESSBUTTON, static_cast<WPARAM>(shown + 1), FALSE);
  }
}

LRESULT CALLBACK MenuBar::MenuKeys(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_MENU && openBar != nullptr && message->message == WM_KEYDOWN &&
      (message->wParam == VK_LEFT || message->wParam == VK_RIGHT)) {
    const int count = static_cast<int>(openBar->menus_.size());
    const int step = message->wParam == VK_LEFT ? count - 1 : 1;
    openBar->next_ = (openIndex + step) % count;
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
  for (std::size_t i = 0; i < menus_.size(); ++i) {
    if (layout::AccessLetter(ButtonOf(i).caption) == upper) {
      DropDown(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

}  // namespace favpage::ui::win32

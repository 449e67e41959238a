// The tool bar that serves as the window's menu bar: a band container holding a flat tool
// bar whose three buttons drop down the File, Run and Help menus, the menu items' shortcut
// keys, and the keyboard's menu mode (Alt alone, Alt with a button's letter, arrows between
// the menus).
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/owned.h"

namespace favpage::ui::win32 {

class MenuBar {
 public:
  // Makes the band container and its tool bar on `window` with their ids, the menus, their
  // items and the shortcut table, all from the layout's tables, sized for `dpi`.
  explicit MenuBar(HWND window, int dpi = 96);
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  HWND ToolBar() const { return toolBar_; }
  // The shortcut keys (Ctrl+Q, Ctrl+R), for the message loop's TranslateAccelerator.
  HACCEL Shortcuts() const { return shortcuts_.Get(); }
  void EnableItem(int id, bool enabled);
  // Ticks or clears a checkable item.
  void CheckItem(int id, bool checked);
  // Sizes the tool bar, its buttons and its font for a new DPI; the band is placed with the
  // window's other controls.
  void FitToDpi(int dpi);

  // Drops down the menu of button `index` (0 the first) below it and returns when it is closed; the
  // chosen item reaches the window as WM_COMMAND. Left and right move to the next menu.
  void DropDown(int index);
  // The window's WM_NOTIFY from the tool bar and its WM_SYSCOMMAND: true when handled.
  bool OnNotify(const NMHDR& header);
  bool OnSysCommand(WPARAM command, LPARAM key);
  // A letter typed with Alt, wherever the focus is: true when it opened a menu.
  bool OnAltLetter(wchar_t letter);

 private:
  void MakeBand(int dpi);
  void SizeButtons(int dpi);
  void MakeMenus();
  static LRESULT CALLBACK MenuKeys(int code, WPARAM wParam, LPARAM lParam);

  HWND window_;
  HWND coolBar_ = nullptr;
  HWND toolBar_ = nullptr;
  // The menus in the order of their buttons.
  std::vector<platform::win32::OwnedMenu> menus_;
  platform::win32::OwnedAccelerators shortcuts_;
  int next_ = -1;  // the menu to open when the open one was left by an arrow key
};

}  // namespace favpage::ui::win32

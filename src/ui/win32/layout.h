// The main window's controls as native child windows, made and placed by the layout table
// (presenter/main_layout.h). Every control is a child of the main window itself, so its
// window procedure hears every notification; a control's parent in the table is the one its
// position is relative to and whose size its anchors follow. A control's id is its place
// in the table (from kFirstControlId), a menu item's its place among the items (from
// kFirstMenuItemId); the notifications and the tests find them by these ids.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/presenter/dpi_scale.h"
#include "ui/presenter/main_layout.h"

namespace favpage::ui::win32 {

inline constexpr int kFirstControlId = 1000;
inline constexpr int kFirstMenuItemId = 2001;

// The id of the control or menu item the layout names `name`; 0 if there is none.
int ControlIdByName(std::string_view name);
// The row of the control or the menu item with id `id`; nullptr for another id.
const layout::ControlRow* ControlOfId(int id);
const layout::MenuItemRow* MenuItemOfId(int id);

// The table is in 96-dpi units; the window's pixels are at `dpi`. Sizes and rectangles
// given here (the client size) and returned are in the window's pixels.

// Makes every control of the table on `window` that is a plain child window, stacked as
// layout::StackingOrder says (the dialog manager's tab order), with its font and picture
// at `dpi`. The band, its tool bar and the preview pane are made by their owners with their
// ids and placed here.
void CreateControls(HWND window, int dpi = layout::kLayoutDpi);

// Gives the controls made here their fonts and pictures at a new DPI (the window moved to
// another monitor); ApplyAnchors places them after.
void FitControlsToDpi(HWND window, int dpi);

// Moves and sizes every control for the window's client size by the anchors.
void ApplyAnchors(HWND window, layout::Size client, int dpi = layout::kLayoutDpi);

// The rectangle of the control named `name` in the window's client coordinates at the
// client size given.
RECT ControlRect(std::string_view name, layout::Size client, int dpi = layout::kLayoutDpi);

// Enables or disables the control named `name` and, when it is a container, everything laid
// out inside it, repainting group boxes so their captions show the state.
void EnableWithChildren(HWND window, std::string_view name, bool enabled);

}  // namespace favpage::ui::win32

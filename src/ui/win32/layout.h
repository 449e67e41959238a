// The main window's controls: where each sits in its parent at 96 pixels per inch, which
// edges it is anchored to, its caption and font. The controls are all children of the main
// window, so its window procedure hears every notification; a control's parent in the
// table is the one its position is relative to and whose size its anchors follow.
#pragma once

#include <windows.h>

#include <string_view>

namespace favpage::ui::win32 {

// Control ids: the notifications and the tests find a control by them.
enum ControlId : int {
  kIdCoolBar1 = 1000,
  kIdToolBar1,
  kIdStatusBar1,
  kIdGroupBox1,
  kIdFavoriteDir,
  kIdGroupBox2,
  kIdRadioButton1,
  kIdImage1,
  kIdRadioButton2,
  kIdImage2,
  kIdGroupBox3,
  kIdMemo1,
  kIdGroupBox4,
  kIdCheckBox1,
  kIdPanelEx1,
  kIdLabel2,
  kIdLabel1,
  kIdEdit3,
  kIdEdit1,
  kIdGroupBox5,
  kIdEdit2,
  kIdButton2,
  kIdButton3,
  kIdGroupBox6,
  kIdScrollBox1,
  kIdWebBrowser1,
  kIdComboBox1,
  kIdCheckBox3,
  kIdCheckBox2,
  kIdBandEdge,
};

// The client area the positions are laid out for; also the window's smallest.
inline constexpr SIZE kDesignClient{480, 565};

enum Anchor : unsigned {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};

// Makes every control of the table on `window` (the preview pane and the tool bar are made
// by their owners, then placed here by id) in tab order.
void CreateControls(HWND window);

// Moves and sizes every control for the window's current client size by the anchors.
void ApplyAnchors(HWND window, int clientWidth, int clientHeight);

// The rectangle of control `id` in the window's client coordinates at the client size
// given; an id the table lacks gives an empty rectangle.
RECT ControlRect(int id, int clientWidth, int clientHeight);

// Enables or disables `id` and, when it is a container, everything laid out inside it,
// repainting group boxes so their captions show the state.
void EnableWithChildren(HWND window, int id, bool enabled);

// The id of the control laid out under `name`; 0 if there is none.
int ControlIdByName(std::string_view name);

}  // namespace favpage::ui::win32

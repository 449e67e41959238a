// The About box component: the texts, size, position rule, font and icon of a version box,
// which Execute builds as a fresh window at run time, shows modally and discards.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/owned.h"
#include "ui/presenter/main_layout.h"

namespace favpage::ui::win32 {

class TAboutDialog {
 public:
  enum TFPosition { fpDesigned, fpScreenCenter, fpMainFormCenter, fpOwnerFormCenter };

  // `owner` is the window that holds the component (the main window).
  explicit TAboutDialog(HWND owner);
  TAboutDialog(const TAboutDialog&) = delete;
  TAboutDialog& operator=(const TAboutDialog&) = delete;

  // The top-left at which a window of outer size `width` x `height` is centred over
  // `control`'s outer frame (screen coordinates for a top-level window).
  static POINT CenterInControl(HWND control, int width, int height);

  // Shows the box modally (its owner disabled meanwhile) and returns once it is closed.
  void Execute();

  std::wstring FAppName;
  std::wstring FVersion;
  std::wstring FMemo;
  int FFormLeft = 0;
  int FFormTop = 0;
  int FFormWidth = 320;
  int FFormHeight = 120;
  TFPosition FFormPosition = fpDesigned;
  std::wstring FCaption;
  std::wstring FCloseButton;
  // The box's font; the component keeps its own copy of what is set.
  LOGFONTW FFont{};
  void SetIcon(HICON icon);

  // Test hook: called with the box's window once it is built and placed, before the modal
  // loop; a test reads the box and presses its button from here.
  void (*OnShown)(HWND box, void* context) = nullptr;
  void* OnShownContext = nullptr;

 private:
  // Moves the box, of outer size `outer`, where FFormPosition puts it.
  void Place(HWND box, layout::Size outer) const;

  HWND owner_;
  platform::win32::OwnedIcon icon_;  // the component's own copy
};

}  // namespace favpage::ui::win32

// The "Working" window of a run: modeless, a fixed dialog frame without caption-bar
// buttons, client area 320 x 32, centred over the main window, with a bold label that
// sizes itself to the progress text.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/owned.h"

namespace favpage::ui::win32 {

class ProgressWindow {
 public:
  // Shows a new progress window centred over `mainWindow`'s frame, drawn at once.
  explicit ProgressWindow(HWND mainWindow);
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void SetText(const std::wstring& text);
  HWND Window() const { return form_.Get(); }
  HWND Label() const { return label_; }

 private:
  void FitLabel();

  // The font goes after the window that shows it.
  platform::win32::OwnedGdi<HFONT> font_;
  platform::win32::OwnedWindow form_;
  HWND label_ = nullptr;  // a child of form_, destroyed with it
};

}  // namespace favpage::ui::win32

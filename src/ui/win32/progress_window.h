// The "Working" window of a run: modeless, a fixed dialog frame without caption-bar
// buttons, client area 320 x 32, centred over the main window, with a bold label that
// sizes itself to the progress text.
#pragma once

#include <windows.h>

#include <string>

namespace favpage::ui::win32 {

class ProgressWindow {
 public:
  // Shows a new progress window centred over `mainWindow`'s frame, drawn at once.
  explicit ProgressWindow(HWND mainWindow);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void SetText(const std::wstring& text);
  HWND Window() const { return form_; }
  HWND Label() const { return label_; }

 private:
  void FitLabel();

  HWND form_ = nullptr;
  HWND label_ = nullptr;
  HFONT font_ = nullptr;
};

// Whether a progress window is on the screen.
bool ProgressWindowShown();

}  // namespace favpage::ui::win32

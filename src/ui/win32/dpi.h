// The window's DPI as the system gives it to a program aware of each monitor's scale, and
// the calls that take it, looked up at run time: Windows before 10 (1607) has none of them,
// and there the window is laid out at the system's DPI. Tests put a DPI of their own in the
// system's place.
#pragma once

#include <windows.h>

#include <functional>

namespace favpage::ui::win32 {

// The DPI `window` is shown at; the system's DPI where the system cannot say per window.
int WindowDpi(HWND window);

// The outer size of a window of `style` whose client area is `client`, with the frame's
// measures at `dpi`.
SIZE OuterSizeForDpi(SIZE client, DWORD style, DWORD exStyle, int dpi);

// From now on WindowDpi returns what `dpi` says; an empty one gives the system's back.
using DpiSource = std::function<int(HWND window)>;
void ReplaceDpiSource(DpiSource dpi);

// While it lives, the windows this thread makes are scaled by the system (bitmap-stretched)
// rather than laid out at their monitor's DPI: for the secondary windows that keep their
// 96-dpi layout. Nothing where the system cannot do it.
class SystemScaledWindows {
 public:
  SystemScaledWindows();
  ~SystemScaledWindows();
  SystemScaledWindows(const SystemScaledWindows&) = delete;
  SystemScaledWindows& operator=(const SystemScaledWindows&) = delete;

 private:
  void* previous_ = nullptr;  // the thread's DPI awareness context before
};

}  // namespace favpage::ui::win32

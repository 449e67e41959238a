#include "ui/win32/dpi.h"

#include <utility>

#include "platform/win32/owned.h"
#include "ui/presenter/dpi_scale.h"

namespace favpage::ui::win32 {
namespace {

// Windows 10 (1607) and later; the MinGW headers declare them only for that target.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SetThreadDpiAwarenessContextFn = void*(WINAPI*)(void*);
// DPI_AWARENESS_CONTEXT_UNAWARE
void* const kUnaware = reinterpret_cast<void*>(static_cast<INT_PTR>(-1));

template <typename Function>
Function User32(const char* name) {
  static HMODULE const user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

DpiSource& ReplacedSource() {
  static DpiSource source;
  return source;
}

int SystemDpi() {
  const platform::win32::WindowDc screen(nullptr);
  return screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
}

}  // namespace

int WindowDpi(HWND window) {
  if (ReplacedSource()) return layout::UsableDpi(ReplacedSource()(window));
  static const auto forWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  const int dpi =
      forWindow != nullptr && window != nullptr ? static_cast<int>(forWindow(window)) : SystemDpi();
  return layout::UsableDpi(dpi);
}

SIZE OuterSizeForDpi(SIZE client, DWORD style, DWORD exStyle, int dpi) {
  static const auto forDpi = User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  // A DPI a test gives is not the system's: the frame stays the system's own.
  if (ReplacedSource() || forDpi == nullptr ||
      !forDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(layout::UsableDpi(dpi)))) {
    frame = {0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void ReplaceDpiSource(DpiSource dpi) { ReplacedSource() = std::move(dpi); }

SystemScaledWindows::SystemScaledWindows() {
  static const auto set = User32<SetThreadDpiAwarenessContextFn>("SetThreadDpiAwarenessContext");
  if (set != nullptr) previous_ = set(kUnaware);
}

SystemScaledWindows::~SystemScaledWindows() {
  static const auto set = User32<SetThreadDpiAwarenessContextFn>("SetThreadDpiAwarenessContext");
  if (set != nullptr && previous_ != nullptr) set(previous_);
}

}  // namespace favpage::ui::win32

#include "ui/win32/program.h"

#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <ole2.h>

#include "platform/folders.h"
#include "ui/win32/main_window.h"

namespace favpage::ui::win32 {
namespace {

// COM for the one user-interface thread: the embedded browser and the shell's allocator
// need it; undone when the program ends.
struct OleSession {
  OleSession() : ok(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ok) OleUninitialize();
  }
  bool ok;
};

}  // namespace

int RunProgram() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_COOL_CLASSES |
                                                      ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const OleSession ole;

  TPlatform Platform(platform::ExecutablePath());
  if (!Platform.Start()) return 0;
  ShowWindow(Platform.Window(), SW_SHOWNORMAL);
  UpdateWindow(Platform.Window());
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (Platform.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace favpage::ui::win32

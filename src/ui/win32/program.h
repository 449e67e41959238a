// The program entry of the native window: the common controls and COM for this thread,
// the main window, its start-up, the message loop.
#pragma once

namespace favpage::ui::win32 {

int RunProgram();

}  // namespace favpage::ui::win32

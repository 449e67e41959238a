// The one modal loop of the face's own boxes (the About box, the source chooser): the
// owner takes no input while the box is up, and the thread's messages are dispatched, the
// dialog keys (Tab, Enter, Esc) through the box, until the box says it is done.
#pragma once

#include <windows.h>

#include <functional>

namespace favpage::ui::win32 {

// Shows `box` and runs the loop until `done` is true; the keyboard starts on `focus`.
// `owner` is disabled meanwhile (one that was disabled already stays so) and gets its input
// and the activation back before this returns, so the caller destroys the box afterwards
// without the system activating another program's window. `shown` runs once the box is on
// the screen, before the loop (a test reads and presses the box from there). A quit
// request that arrives meanwhile ends the loop and is posted again for the program's loop.
void RunModalLoop(HWND box, HWND owner, HWND focus, const bool& done,
                  const std::function<void()>& shown = {});

}  // namespace favpage::ui::win32

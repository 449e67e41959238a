// Where the main window opens: the place the last run left it in, when that can still be
// seen on one of the screens there are now.
#pragma once

#include <optional>
#include <span>

#include "settings/settings_file.h"
#include "ui/presenter/main_view.h"

namespace favpage::ui {

// How much of the window's top edge, where its caption bar lies, must be on one screen for
// the user to take hold of it: this high, and this wide (or the window's whole width when
// it is narrower).
inline constexpr int kGripHeight = 24;
inline constexpr int kGripWidth = 100;

// Whether the window at `place` shows the grip of its top edge whole on one of `screens`.
bool PlaceVisible(const WindowPlace& place, std::span<const ScreenArea> screens);

// The place start-up puts the window in: nothing (the laid-out place) when `stored` is the
// laid-out place or cannot be seen on `screens`, as after a monitor was removed; otherwise
// the stored place, at least as large as the laid-out client area and no larger than the
// largest screen.
std::optional<WindowPlace> PlaceToRestore(const WindowPlace& stored,
                                          std::span<const ScreenArea> screens);

}  // namespace favpage::ui

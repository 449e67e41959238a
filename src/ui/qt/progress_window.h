// The "Working" window that a generation run shows: modeless, owned by the application
// rather than the main window, fixed 320 x 32 client, no title-bar buttons.
#pragma once

class QLabel;
class QWidget;

namespace favpage::ui {

struct ProgressWindow {
  QWidget* WorkForm = nullptr;
  QLabel* WorkLabel = nullptr;
};

// Creates the window and its label and shows it centred over `mainWindow`.
ProgressWindow ShowProgressWindow(const QWidget* mainWindow);

// Takes the window off the screen at once and destroys it once the pending events have
// been handled. A run that fails shows its error box next, in a modal loop of its own
// that does not destroy windows released outside it: hiding first keeps the finished run's
// window from standing beside the error until the box is dismissed.
void ReleaseProgressWindow(QWidget* workForm);

}  // namespace favpage::ui

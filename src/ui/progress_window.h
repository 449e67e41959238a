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

}  // namespace favpage::ui

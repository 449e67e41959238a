// The program entry of the desktop window.
#pragma once

#include <memory>

class QApplication;

namespace favpage::ui {

class TApplication;

// The application object as the window runs it (`argc` and `argv` must outlive it): the
// preview's browser engine readied first, to draw in software (and, for the root user,
// without the sandbox it refuses to start then); then PrepareInterface.
std::unique_ptr<TApplication> MakeApplication(int& argc, char** argv);

// Gives `app` the window's look and language: the Japanese face for the layout's face
// name and for every window, and the toolkit's standard texts in Japanese.
void PrepareInterface(QApplication& app);

// Initialises the application, creates the main window (running its start-up), shows it
// and runs the message loop until it has been closed. Returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace favpage::ui

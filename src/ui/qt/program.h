// The program entry of the desktop window.
#pragma once

class QApplication;

namespace favpage::ui {

// The browser engine refuses to start its sandbox for the root user; switches it off then.
void AllowBrowserEngineAsRoot();

// Gives `app` the window's look and language: the Japanese face for the layout's face
// name and for every window, and the toolkit's standard texts in Japanese.
void PrepareInterface(QApplication& app);

// Initialises the application, creates the main window (running its start-up), shows it
// and runs the message loop until it has been closed. Returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace favpage::ui

// The application object and the default error display: an error that leaves an event
// handler is caught where the event was dispatched and shown in a modal box; the message
// loop then goes on.
#pragma once

#include <QApplication>
#include <exception>
#include <string>

namespace favpage::ui {

// Shows a Shift_JIS error message as the default error display does: caption "Mirel
// Favorites Manager", stop icon, "OK", a "." appended by the display rule.
void ShowDefaultError(const std::string& message);
// The same for a message already in host text, the display rule applied.
void ShowDefaultErrorText(const std::string& hostText);
// The same for an exception of any kind (favpage::Error messages are Shift_JIS).
void ShowDefaultError(const std::exception& error);

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace favpage::ui

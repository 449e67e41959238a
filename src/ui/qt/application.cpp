#include "ui/qt/application.h"

#include "base/io_error.h"
#include "platform/host_path.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/ui_strings.h"

namespace favpage::ui {

void ShowDefaultError(const std::string& message) {
  ShowDefaultErrorText(platform::ToHostText(DisplayMessage(message)));
}

void ShowDefaultErrorText(const std::string& hostText) {
  MessageBoxes::Show(Str(str::kApplicationTitle), QString::fromStdString(hostText),
                     MessageKind::kError);
}

void ShowDefaultError(const std::exception& error) { ShowDefaultError(std::string(error.what())); }

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowDefaultError(error);
  }
  return false;
}

}  // namespace favpage::ui

#include "ui/qt/program.h"

#include <QCoreApplication>
#include <cstdlib>

#include "platform/process.h"
#include "ui/qt/application.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translations.h"

namespace favpage::ui {

void AllowBrowserEngineAsRoot() {
  if (platform::RunningAsSuperuser()) {
    platform::SetProcessEnvironment("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
}

void PrepareInterface(QApplication& app) {
  RegisterFontSubstitutes();
  UseLayoutFaceEverywhere();
  InstallToolkitTranslations(app);
}

int RunProgram(int argc, char** argv) {
  AllowBrowserEngineAsRoot();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  TApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("favpage"));
  QGuiApplication::setDesktopFileName(QStringLiteral("favpage"));
  PrepareInterface(app);

  TPlatform Platform;
  if (!Platform.Start()) return 0;
  Platform.show();
  return app.exec();
}

}  // namespace favpage::ui

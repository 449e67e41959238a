#include "ui/qt/program.h"

#include <QCoreApplication>
#include <QString>

#include "platform/process.h"
#include "ui/qt/application.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translations.h"

namespace favpage::ui {

namespace {

constexpr char16_t kNoOpenGlNotice[] = u"QXcbIntegration: Cannot create platform OpenGL context";
QtMessageHandler toolkitMessages = nullptr;

// Where OpenGL is left out, the shared context the application object makes fails at once,
// and the toolkit notes that it did, which says nothing to a user.
void WithoutOpenGlNotice(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  if (!message.startsWith(kNoOpenGlNotice)) toolkitMessages(type, context, message);
}

// The preview is a small still page, which the engine draws as fast in software. Drawn
// through OpenGL, it would need an OpenGL context made with the application object, before
// the window can show, and loading the graphics driver for it (a software OpenGL, as on a
// machine without a graphics driver, or a hardware driver built on the same compiler) takes
// longer than the whole window. In software nothing waits for a driver, and the window
// never changes its surface when the engine's view arrives. The engine still asks for the
// application's shared context, which is made, and fails at once without OpenGL.
void PrepareBrowserEngine() {
  if (platform::RunningAsSuperuser()) {
    platform::SetProcessEnvironment("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  platform::SetProcessEnvironment("QT_QUICK_BACKEND", "software");
  platform::SetProcessEnvironmentDefault("QT_XCB_GL_INTEGRATION", "none");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace

std::unique_ptr<TApplication> MakeApplication(int& argc, char** argv) {
  PrepareBrowserEngine();
  toolkitMessages = qInstallMessageHandler(WithoutOpenGlNotice);
  auto app = std::make_unique<TApplication>(argc, argv);
  qInstallMessageHandler(toolkitMessages);
  PrepareInterface(*app);
  return app;
}

void PrepareInterface(QApplication& app) {
  RegisterFontSubstitutes();
  UseLayoutFaceEverywhere();
  InstallToolkitTranslations(app);
}

int RunProgram(int argc, char** argv) {
  const std::unique_ptr<TApplication> app = MakeApplication(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("favpage"));
  QGuiApplication::setDesktopFileName(QStringLiteral("favpage"));

  TPlatform Platform;
  if (!Platform.Start()) return 0;
  Platform.show();
  return app->exec();
}

}  // namespace favpage::ui

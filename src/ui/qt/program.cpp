#include "ui/qt/program.h"

#include <QCoreApplication>
#include <QQuickWindow>
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

// The engine asks for an OpenGL context as the application object is made, which fails
// where OpenGL is left out on purpose; the toolkit's notice of that says nothing to a user.
void WithoutOpenGlNotice(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  if (!message.startsWith(kNoOpenGlNotice)) toolkitMessages(type, context, message);
}

// The preview is a small still page, which the engine draws as fast in software. Drawn
// through OpenGL, it needs an OpenGL context made with the application object, before the
// window can show: loading the graphics driver for it (a software OpenGL, as on a machine
// without a graphics driver, or a hardware driver built on the same compiler) takes longer
// than the whole window. In software nothing waits for a driver, and the window never
// changes its surface when the engine's view arrives.
void PrepareBrowserEngine() {
  if (platform::RunningAsSuperuser()) {
    platform::SetProcessEnvironment("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, false);
  platform::SetProcessEnvironmentDefault("QT_XCB_GL_INTEGRATION", "none");
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

#include "ui_test_support.h"

#include <QApplication>
#include <QWidget>

#include "settings/settings_file.h"
#include "ui/qt/fonts.h"
#include "ui/qt/preview_pane.h"
#include "ui/qt/program.h"

namespace favpage::uitest {

std::string StyleSheetText(int number) {
  return "/* style " + std::to_string(number) + " */\r\nbody { color: #00" +
         std::to_string(number) + "; }\r\n";
}

ProgramFolder::ProgramFolder() : oldHome_(qgetenv("HOME")) {
  test::WriteBytes(Host("sample-top.html"), kTopTemplate);
  test::WriteBytes(Host("sample-bottom.html"), kBottomTemplate);
  test::WriteBytes(Host("sample-html5-top.html"), kTopTemplate);
  test::WriteBytes(Host("sample-html5-bottom.html"), kBottomTemplate);
  for (int i = 0; i < 3; ++i) {
    test::WriteBytes(Host("mirelstyle" + std::to_string(i) + ".css"), StyleSheetText(i));
  }
  test::WriteShortcut(Host("Favorites/News.url"), "http://news.example.com/");
  test::WriteShortcut(Host("Favorites/Tools/Search.url"), "http://search.example.com/");
  test::WriteShortcut(Host("Favorites/Tools/Maps.url"), "http://maps.example.com/");
  qputenv("HOME", QByteArray::fromStdString(dir_.host().string()));
}

ProgramFolder::~ProgramFolder() { qputenv("HOME", oldHome_); }

std::string ProgramFolder::Setting(const char* key) const {
  const favpage::SettingsFile file(dir_.internal("favpage.INI"));
  return file.ReadString(kSetupSection, key, "");
}

void ProgramFolder::RemoveFavorites() const { std::filesystem::remove_all(Host("Favorites")); }

std::unique_ptr<ui::TPlatform> StartWindow(const ProgramFolder& folder) {
  auto window = std::make_unique<ui::TPlatform>(folder.ExePath());
  if (window->Start()) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
  }
  return window;
}

QWebEngineView* PreviewView(QWidget& window) {
  auto* pane = Find<ui::PreviewPane>(window, "WebBrowser1");
  if (!QTest::qWaitFor([pane] { return pane->View() != nullptr; }, 10000)) {
    qFatal("the preview's browser view was not made");
  }
  return qobject_cast<QWebEngineView*>(pane->View());
}

ui::DialogRecord& Dialogs() {
  static ui::DialogRecord record;
  return record;
}

std::vector<ShownMessage> TakeMessages() {
  std::vector<ShownMessage> messages;
  for (const ui::DialogRecord::Message& message : Dialogs().messages) {
    QStringList shown;
    for (const std::string& name : message.shownWindows) shown.append(QString::fromStdString(name));
    messages.push_back(
        {QString::fromStdString(message.caption), QString::fromStdString(message.text),
         message.kind == MessageKind::kConfirmation ? QMessageBox::Question : QMessageBox::Critical,
         shown});
  }
  Dialogs().messages.clear();
  return messages;
}

void AnswerNextFile(const std::optional<QString>& answer) {
  Dialogs().fileAnswers.push_back(answer ? std::optional(answer->toStdString()) : std::nullopt);
}

QString LastFolder() {
  const std::vector<std::string>& folders = Dialogs().folders;
  return folders.empty() ? QString() : QString::fromStdString(folders.back());
}

void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

int CountTopLevel(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) ++count;
  }
  return count;
}

QWidget* ShownTopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return widget;
  }
  return nullptr;
}

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace favpage::uitest

// Helpers the widget tests share: a temporary executable folder with its data files and a
// home holding a favorites tree, the started window, and the recorded message boxes.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWebEngineView>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "ui/presenter/dialog_record.h"
#include "ui/qt/application.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program.h"

namespace favpage::uitest {

// The preview templates and style sheets the tests write beside the executable.
inline constexpr char kTopTemplate[] = "<html><head>\r\n<title>sample</title>\r\n";
inline constexpr char kBottomTemplate[] = "</head><body><a href=\"x.html\">x</a></body></html>\r\n";
std::string StyleSheetText(int number);

// A temporary folder that stands for the executable's folder (templates, style sheets,
// settings and title files) and for the home folder (HOME points at it, so the favorites
// folder is <folder>/Favorites, holding a small tree of shortcuts).
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();

  // The executable's path in the core's dialect.
  std::string ExePath() const { return dir_.internal("favpage"); }
  std::filesystem::path Host(std::string_view relative) const { return dir_.hostPath(relative); }
  std::string Internal(std::string_view relative) const { return dir_.internal(relative); }
  std::filesystem::path SettingsFile() const { return Host("favpage.INI"); }
  std::filesystem::path TitleFile() const { return Host("favpage.tit"); }
  // A settings value as the core reads it ("" when missing).
  std::string Setting(const char* key) const;
  void RemoveFavorites() const;

 private:
  test::TempDir dir_;
  QByteArray oldHome_;
};

// Builds the window on `folder`, runs its start-up and shows it.
std::unique_ptr<ui::TPlatform> StartWindow(const ProgramFolder& folder);

// The preview's browser view, once the window has made it (it is made after the window's
// first paint); a view not made within seconds ends the test run.
QWebEngineView* PreviewView(QWidget& window);

// The control of `window` named `name`; a missing one ends the test run.
template <typename W>
W* Find(QWidget& window, const char* name) {
  W* widget = window.findChild<W*>(QLatin1String(name));
  if (widget == nullptr) qFatal("no control %s", name);
  return widget;
}

// A message box as the window would have shown it.
struct ShownMessage {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  // The object names of the top-level windows on the screen beside the box.
  QStringList visibleWindows;
};

// What the window's boxes and dialogs record instead of showing themselves.
ui::DialogRecord& Dialogs();
// The messages shown since the last call, emptied.
std::vector<ShownMessage> TakeMessages();
// The next file dialog answers `answer` (nothing: cancelled) without showing.
void AnswerNextFile(const std::optional<QString>& answer);
// The folder the last file dialog was asked to open in.
QString LastFolder();

// Processes posted events and deferred deletions.
void Settle();

// The top-level widgets named `name` (the progress window, the About box).
int CountTopLevel(const QString& name);
// The visible top-level widget named `name`, or null.
QWidget* ShownTopLevel(const QString& name);

QString U(const char* utf8);

}  // namespace favpage::uitest

// main() of a widget test: the real application object (with the default error display),
// the program's fonts and translations, and message boxes recorded instead of shown.
#define FAVPAGE_UI_TEST_MAIN(TestClass)                          \
  int main(int argc, char** argv) {                              \
    const auto app = favpage::ui::MakeApplication(argc, argv);   \
    favpage::ui::RecordDialogsInto(&favpage::uitest::Dialogs()); \
    TestClass test;                                              \
    return QTest::qExec(&test, argc, argv);                      \
  }

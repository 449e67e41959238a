// The create command from the window: the empty-name confirmation, both output types
// written as the core writes them, the progress window's life, the error display, and
// the run guarded against a second start and against closing in its middle.
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <map>

#include "generate/generation_command.h"
#include "generate/memory_title_text.h"
#include "settings/title_file.h"
#include "ui/qt/status_bar.h"
#include "ui_test_support.h"

using namespace favpage;
using namespace favpage::uitest;

class GenerationWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TakeMessages(); }
  void emptyNameAsksForOneAndWritesNothing();
  void pagesAsTheCoreWritesThem_data();
  void pagesAsTheCoreWritesThem();
  void progressWindowDuringTheRun();
  void missingStyleSheetIsShownAfterThePages();
  void failedRunIsOffTheScreenBeforeItsError_data();
  void failedRunIsOffTheScreenBeforeItsError();
  void secondStartDuringARunIsIgnored();
  void closeDuringARunWaitsForItsEnd();
  void statusBarSaysWhatTheRunDid();
  void browserItemOpensTheTopPage();
};

namespace {

class QuietHost : public Progress, public MessageSink {
 public:
  void RunStarted() override {}
  void SetProgressText(const std::string&) override {}
  void ProcessMessages() override {}
  void RunEnded() override {}
  void ShowMessage(const std::string&, const std::string&, MessageKind) override {}
};

// Every file below `dir` by relative name, with its bytes.
std::map<std::string, std::string> Files(const std::filesystem::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) {
      files[std::filesystem::relative(entry.path(), dir).string()] = test::ReadBytes(entry.path());
    }
  }
  return files;
}

void PrepareRun(ui::TPlatform& window, const ProgramFolder& folder, int outType) {
  std::filesystem::create_directories(folder.Host("out"));
  window.Presenter().SetOutName(folder.Internal("out/links.html"));
  window.Presenter().SetOutType(static_cast<std::uint8_t>(outType));
  window.Presenter().SetReturnFlag(true);
  window.Presenter().SetReturnLine(test::Sjis("トップ"));
  window.Presenter().SetReturnURL("http://example.jp/");
  window.Presenter().SetStyleType(2);
  window.Presenter().SetBlankTarget(true);
  window.Presenter().SetText(test::Sjis("リンク集\r\nmy links\r\n"));
}

// Stands for the user's browser: notes the addresses the window hands it.
class BrowserStandIn : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

}  // namespace

void GenerationWindowTest::emptyNameAsksForOneAndWritesNothing() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  const auto before = Files(folder.Host(""));
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].text, U("出力するﾌｧｲﾙ名を指定して下さい."));
  QCOMPARE(messages[0].caption, U("確認"));
  QCOMPARE(messages[0].icon, QMessageBox::Question);
  QCOMPARE(CountTopLevel("WorkForm"), 0);
  QVERIFY(Files(folder.Host("")) == before);
  QVERIFY(Find<QPushButton>(*window, "Button3")->isEnabled());
}

void GenerationWindowTest::pagesAsTheCoreWritesThem_data() {
  QTest::addColumn<int>("outType");
  QTest::newRow("one page") << 0;
  QTest::newRow("page per folder") << 1;
}

void GenerationWindowTest::pagesAsTheCoreWritesThem() {
  QFETCH(int, outType);
  ProgramFolder folder;
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, outType);
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  Settle();
  QVERIFY(TakeMessages().empty());

  // The same run through the core alone, into a folder of its own.
  SettingsState state = window->Presenter().State();
  std::filesystem::create_directories(folder.Host("expected"));
  state.OutName = folder.Internal("expected/links.html");
  MemoryTitleText titles;
  titles.SetText(test::Sjis("リンク集\r\nmy links\r\n"));
  QuietHost host;
  RunGenerationCommand(state, titles, host, host, folder.Internal(""));

  const auto written = Files(folder.Host("out"));
  QVERIFY(written.size() >= 2);
  QVERIFY(written == Files(folder.Host("expected")));
  QCOMPARE(written.at("mirelstyle1.css"), StyleSheetText(1));
  const std::string& page = written.at("links.html");
  QVERIFY(page.find(test::Sjis("リンク集")) != std::string::npos);
  QVERIFY(page.find("mirelstyle1.css") != std::string::npos);
  QVERIFY(page.find("http://example.jp/") != std::string::npos);
  QCOMPARE(CountTopLevel("WorkForm"), 0);
  QVERIFY(ShownTopLevel("WorkForm") == nullptr);
}

void GenerationWindowTest::progressWindowDuringTheRun() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, 0);
  bool seen = false;
  QTimer::singleShot(0, window.get(), [&] {
    seen = true;
    QWidget* form = ShownTopLevel("WorkForm");
    QVERIFY(form != nullptr);
    QCOMPARE(form->objectName(), U("WorkForm"));
    QVERIFY(form->isVisible());
    QVERIFY(form->parentWidget() == nullptr);
    QCOMPARE(form->windowTitle(), U("Working"));
    QCOMPARE(form->size(), QSize(320, 32));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                     Qt::WindowMinMaxButtonsHint)));
    QVERIFY(!form->isModal());
    QVERIFY(window->isEnabled());
    QVERIFY((form->frameGeometry().center() - window->frameGeometry().center()).manhattanLength() <=
            2);
    QCOMPARE(Find<QLabel>(*form, "WorkLabel")->pos(), QPoint(8, 8));
    QCOMPARE(Find<QLabel>(*form, "WorkLabel")->font().pointSize(), 10);
    QVERIFY(Find<QLabel>(*form, "WorkLabel")->font().bold());
  });
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  QVERIFY(seen);
  QVERIFY(ShownTopLevel("WorkForm") == nullptr);
  QCOMPARE(CountTopLevel("WorkForm"), 1);  // destroyed once pending events are handled,
  for (QWidget* widget : QApplication::topLevelWidgets()) {  // but off the screen at once
    if (widget->objectName() == U("WorkForm")) QVERIFY(!widget->isVisible());
  }
  Settle();
  QCOMPARE(CountTopLevel("WorkForm"), 0);
}

void GenerationWindowTest::missingStyleSheetIsShownAfterThePages() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, 0);
  std::filesystem::remove(folder.Host("mirelstyle1.css"));
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  Settle();
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].caption, U("Mirel Favorites Manager"));
  QCOMPARE(messages[0].text, U("ファイルが見つかりません."));
  QCOMPARE(messages[0].icon, QMessageBox::Critical);
  // The run failed as a whole: the pages it wrote before the copy are not published.
  QVERIFY(!std::filesystem::exists(folder.Host("out/links.html")));
  QVERIFY(!std::filesystem::exists(folder.Host("out/mirelstyle1.css")));
  QCOMPARE(CountTopLevel("WorkForm"), 0);
  QVERIFY(Find<QPushButton>(*window, "Button3")->isEnabled());
  QVERIFY(Find<QAction>(*window, "HTTP1")->isEnabled());
}

void GenerationWindowTest::failedRunIsOffTheScreenBeforeItsError_data() {
  QTest::addColumn<QString>("cause");
  QTest::addColumn<QString>("message");
  QTest::newRow("style sheet missing") << U("style") << U("ファイルが見つかりません.");
  QTest::newRow("page cannot be written") << U("page") << QString();
}

void GenerationWindowTest::failedRunIsOffTheScreenBeforeItsError() {
  QFETCH(QString, cause);
  QFETCH(QString, message);
  ProgramFolder folder;
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, 0);
  if (cause == U("style")) std::filesystem::remove(folder.Host("mirelstyle1.css"));
  // A folder where the page should go: creating the page fails, whoever runs the test.
  if (cause == U("page")) std::filesystem::create_directories(folder.Host("out/links.html"));
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].icon, QMessageBox::Critical);
  if (!message.isEmpty()) QCOMPARE(messages[0].text, message);
  QVERIFY(messages[0].visibleWindows.contains(U("Platform")));
  QVERIFY(!messages[0].visibleWindows.contains(U("WorkForm")));
  Settle();
  QCOMPARE(CountTopLevel("WorkForm"), 0);
}

void GenerationWindowTest::secondStartDuringARunIsIgnored() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, 1);
  int formsDuringRun = -1;
  QTimer::singleShot(0, window.get(), [&] {
    QVERIFY(window->Presenter().RunInProgress());
    QVERIFY(!Find<QPushButton>(*window, "Button3")->isEnabled());
    QVERIFY(!Find<QAction>(*window, "HTTP1")->isEnabled());
    QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
    Find<QAction>(*window, "HTTP1")->trigger();
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    Find<QLineEdit>(*window, "Edit2")->setFocus();
    QTest::keyClick(Find<QLineEdit>(*window, "Edit2"), Qt::Key_Return);
    window->Presenter().Button3Click();  // even a direct call does not nest
    formsDuringRun = CountTopLevel("WorkForm");
  });
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  QCOMPARE(formsDuringRun, 1);
  QVERIFY(!window->Presenter().RunInProgress());
  QVERIFY(Find<QPushButton>(*window, "Button3")->isEnabled());
  QVERIFY(Find<QAction>(*window, "HTTP1")->isEnabled());
  Settle();
  QVERIFY(TakeMessages().empty());
  QCOMPARE(CountTopLevel("WorkForm"), 0);
}

void GenerationWindowTest::closeDuringARunWaitsForItsEnd() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, 0);
  bool closedDuringRun = true;
  QTimer::singleShot(0, window.get(), [&] {
    closedDuringRun = window->close();
    QVERIFY(window->isVisible());
    QVERIFY(!std::filesystem::exists(folder.SettingsFile()));
  });
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  QVERIFY(!closedDuringRun);
  QVERIFY(std::filesystem::exists(folder.Host("out/mirelstyle1.css")));  // the run completed
  QTRY_VERIFY(!window->isVisible());
  QCOMPARE(folder.Setting("OutType"), std::string("0"));
  QCOMPARE(test::ReadBytes(folder.TitleFile()), test::Sjis("リンク集\r\nmy links\r\n"));
}

// After a run the status bar says what it did, whole and within the window at the laid-out
// size and when it is made wider; a long path is shortened, the counts never.
void GenerationWindowTest::statusBarSaysWhatTheRunDid() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, 1);
  QTest::mouseClick(Find<QPushButton>(*window, "Button3"), Qt::LeftButton);
  Settle();
  QVERIFY(TakeMessages().empty());
  auto* status = Find<ui::TStatusBar>(*window, "StatusBar1");
  const QString page = QString::fromStdString(folder.Host("out/links.html"));
  const QRegularExpression expected(U("^2 ページを書き出しました・3 リンク・[0-9]+\\.[0-9] 秒 — ") +
                                    QRegularExpression::escape(page) + QLatin1Char('$'));
  QVERIFY2(expected.match(status->Text()).hasMatch(), qPrintable(status->Text()));
  QCOMPARE(status->toolTip(), status->Text());
  for (const QSize size : {QSize(480, 565), QSize(900, 700), QSize(480, 565)}) {
    window->resize(size);
    Settle();
    QCOMPARE(status->geometry().bottom(), window->height() - 1);
    QCOMPARE(status->width(), window->width());
    auto* line = Find<QLabel>(*status, "StatusText");
    QVERIFY(line->mapTo(window.get(), QPoint(0, 0)).y() >= status->y());
    QVERIFY(QFontMetrics(line->font()).height() <= line->height());
    QVERIFY(QFontMetrics(line->font()).horizontalAdvance(status->ShownText()) <= line->width());
    QVERIFY(status->ShownText().startsWith(U("2 ページを書き出しました・3 リンク・")));
  }
  // The temporary folder's path is longer than the laid-out bar: shortened in the middle.
  QVERIFY(status->ShownText() != status->Text());
  QVERIFY(status->ShownText().contains(QChar(0x2026)));
  QVERIFY(status->ShownText().endsWith(U("links.html")));
}

// Run > open in the browser (Ctrl+B) hands the top page to the browser once it exists. The
// browser is stood in for through Qt's own hook for file addresses.
void GenerationWindowTest::browserItemOpensTheTopPage() {
  ProgramFolder folder;
  BrowserStandIn browser;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
  auto window = StartWindow(folder);
  PrepareRun(*window, folder, 0);
  auto* item = Find<QAction>(*window, "Browser1");
  QCOMPARE(item->text(), U("ブラウザで開く(&B)"));
  QCOMPARE(item->shortcut(), QKeySequence(U("Ctrl+B")));
  QVERIFY(!item->isEnabled());
  QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
  QVERIFY(browser.opened.isEmpty());

  QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
  Settle();
  QVERIFY(item->isEnabled());
  auto* edit = Find<QLineEdit>(*window, "Edit2");
  edit->setFocus();
  // The progress window has come and gone: the window manager gives the window back its
  // activation, which the offscreen platform leaves to the test.
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  QCOMPARE(browser.opened,
           QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(folder.Host("out/links.html")))});
  QVERIFY(TakeMessages().empty());
}

FAVPAGE_UI_TEST_MAIN(GenerationWindowTest)
#include "generation_window_test.moc"

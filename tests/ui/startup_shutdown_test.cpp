// Start-up and shut-down of the real window on a temporary executable folder: defaults on
// a first start, the round trip of every setting, and the failures that keep the program
// running (start-up) or the window open (shut-down) without losing stored data.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QWebEngineView>

#include "settings/settings_file.h"
#include "ui/qt/panel_ex.h"
#include "ui/qt/title_memo.h"
#include "ui_test_support.h"

using namespace favpage;
using namespace favpage::uitest;

class StartupShutdownTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TakeMessages(); }
  void firstStartWithNoFiles();
  void settingsRoundTripThroughACloseAndANewWindow();
  void storedValuesTheControlsCannotShow();
  void unwritableSettingsFileIsReportedOnceAndTheWindowCloses();
  void unloadablePreviewTemplateLeavesTheTitleFileAlone();
  void editedTitleIsSavedAfterAFailedStart();
  void uneditedTitleFileIsLeftByteForByte_data();
  void uneditedTitleFileIsLeftByteForByte();
  void withoutAFavoritesFolderTheWindowOpens();
  void windowReopensWhereItWasLeft();
};

void StartupShutdownTest::firstStartWithNoFiles() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  QVERIFY(window->isVisible());
  QVERIFY(TakeMessages().empty());
  QCOMPARE(Find<QLineEdit>(*window, "Edit2")->text(), QString());
  QVERIFY(Find<QRadioButton>(*window, "RadioButton1")->isChecked());
  QVERIFY(!Find<QCheckBox>(*window, "CheckBox1")->isChecked());
  QVERIFY(!Find<ui::TPanelEx>(*window, "PanelEx1")->isEnabled());
  QCOMPARE(Find<QLineEdit>(*window, "Edit1")->text(), U("ＨＰに戻る"));
  QCOMPARE(Find<QLineEdit>(*window, "Edit3")->text(), QString::fromLatin1(kDefaultReturnURL));
  QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->currentIndex(), 0);
  QVERIFY(!Find<QCheckBox>(*window, "CheckBox2")->isChecked());
  QCOMPARE(window->Presenter().LineCount(), 1);
  QCOMPARE(window->Presenter().Line(0), test::Sjis("私のお気に入り"));
  QCOMPARE(test::ReadBytes(folder.Host("sample.html")),
           std::string(kTopTemplate) + kBottomTemplate);
  QCOMPARE(PreviewView(*window)->url(),
           QUrl::fromLocalFile(QString::fromStdString(folder.Host("sample.html"))));
  QCOMPARE(Find<QLabel>(*window, "FavoriteDir")->text(),
           QString::fromStdString(folder.Host("Favorites")));
  QCOMPARE(window->Presenter().State().FavoritePath, folder.Internal("Favorites"));

  QVERIFY(window->close());
  QCOMPARE(test::ReadBytes(folder.TitleFile()), test::Sjis("私のお気に入り\r\n"));
  QCOMPARE(folder.Setting("OutType"), std::string("0"));
  QCOMPARE(folder.Setting("ReturnLine"), std::string(kDefaultReturnLine));
  QCOMPARE(folder.Setting("StyleType"), std::string("0"));
  QCOMPARE(folder.Setting("SetBlank"), std::string("0"));
}

void StartupShutdownTest::settingsRoundTripThroughACloseAndANewWindow() {
  ProgramFolder folder;
  {
    auto window = StartWindow(folder);
    Find<QLineEdit>(*window, "Edit2")->setText(U("/srv/www/リンク.html"));
    QTest::mouseClick(Find<QRadioButton>(*window, "RadioButton2"), Qt::LeftButton);
    QTest::mouseClick(Find<QCheckBox>(*window, "CheckBox1"), Qt::LeftButton);
    Find<QLineEdit>(*window, "Edit1")->setText(U("戻る"));
    Find<QLineEdit>(*window, "Edit3")->setText(U("http://example.jp/"));
    auto* combo = Find<QComboBox>(*window, "ComboBox1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_End);
    QTest::mouseClick(Find<QCheckBox>(*window, "CheckBox2"), Qt::LeftButton);
    auto* memo = Find<ui::TitleMemo>(*window, "Memo1");
    memo->selectAll();
    memo->insertPlainText(U("リンク集\nsecond"));
    QVERIFY(window->close());
  }
  QCOMPARE(test::ReadBytes(folder.TitleFile()), test::Sjis("リンク集\r\nsecond"));
  QCOMPARE(folder.Setting("OutName"), test::Sjis("\\srv\\www\\リンク.html"));

  auto window = StartWindow(folder);
  const SettingsState& state = window->Presenter().State();
  QCOMPARE(state.OutName, test::Sjis("\\srv\\www\\リンク.html"));
  QCOMPARE(int(state.OutType), 1);
  QVERIFY(state.ReturnFlag);
  QCOMPARE(state.ReturnLine, test::Sjis("戻る"));
  QCOMPARE(state.ReturnURL, std::string("http://example.jp/"));
  QCOMPARE(state.StyleType, 3);
  QVERIFY(state.SetBlank);
  QCOMPARE(Find<QLineEdit>(*window, "Edit2")->text(), U("/srv/www/リンク.html"));
  QVERIFY(Find<QRadioButton>(*window, "RadioButton2")->isChecked());
  QVERIFY(Find<ui::TPanelEx>(*window, "PanelEx1")->isEnabled());
  QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->currentIndex(), 3);
  QVERIFY(Find<QCheckBox>(*window, "CheckBox2")->isChecked());
  QCOMPARE(window->Presenter().Text(), test::Sjis("リンク集\r\nsecond"));
  QVERIFY(test::ReadBytes(folder.Host("sample.html")).find("mirelstyle2.css") != std::string::npos);
}

void StartupShutdownTest::storedValuesTheControlsCannotShow() {
  ProgramFolder folder;
  test::WriteBytes(folder.SettingsFile(), "[Setup]\r\nOutType=7\r\nStyleType=5\r\n");
  auto window = StartWindow(folder);
  QCOMPARE(int(window->Presenter().State().OutType), 7);
  QVERIFY(Find<QRadioButton>(*window, "RadioButton1")->isChecked());
  QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->currentIndex(), -1);
  QCOMPARE(window->Presenter().State().StyleType, -1);  // taken back from the style box at start-up
  QVERIFY(window->close());
  QCOMPARE(folder.Setting("OutType"), std::string("7"));
  QCOMPARE(folder.Setting("StyleType"), std::string("-1"));
}

// A settings file that cannot be written (read-only, or larger than a write may make it)
// is reported once at the close, the window closes all the same, and nothing on the disk
// changes; the oversized file's choices still reached the controls.
void StartupShutdownTest::unwritableSettingsFileIsReportedOnceAndTheWindowCloses() {
  for (const bool oversized : {false, true}) {
    ProgramFolder folder;
    std::string settings = "[Setup]\r\nOutType=1\r\n";
    if (oversized) {
      std::string padding = "[Padding]\r\n";
      const std::string filler = "; " + std::string(1000, 'f') + "\r\n";
      while (padding.size() < 5 * 1024 * 1024) padding += filler;
      settings = padding + "[Setup]\r\nOutType=1\r\nStyleType=2\r\n";
    }
    test::WriteBytes(folder.SettingsFile(), settings);
    test::WriteBytes(folder.TitleFile(), "kept\r\n");
    auto window = StartWindow(folder);
    QVERIFY(TakeMessages().empty());
    if (oversized) QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->currentIndex(), 2);
    QVERIFY(Find<QRadioButton>(*window, "RadioButton2")->isChecked());
    if (!oversized) {
      std::filesystem::permissions(folder.SettingsFile(), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::remove);
    }
    window->Presenter().SetText("changed\r\n");
    QTest::mouseClick(Find<QRadioButton>(*window, "RadioButton1"), Qt::LeftButton);

    auto* memo = Find<ui::TitleMemo>(*window, "Memo1");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window->isVisible());
    auto messages = TakeMessages();
    QCOMPARE(messages.size(), std::size_t(1));
    QCOMPARE(messages[0].caption, U("Mirel Favorites Manager"));
    QCOMPARE(messages[0].icon, QMessageBox::Critical);
    QCOMPARE(messages[0].text,
             QString::fromStdString(folder.SettingsFile().string()) + U(" に書き込めません."));
    QVERIFY(test::ReadBytes(folder.SettingsFile()) == settings);
    QCOMPARE(test::ReadBytes(folder.TitleFile()), std::string("kept\r\n"));
    // Asked to close again, it neither writes nor reports again.
    QVERIFY(window->close());
    QVERIFY(TakeMessages().empty());
    std::filesystem::permissions(folder.SettingsFile(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
  }
}

void StartupShutdownTest::unloadablePreviewTemplateLeavesTheTitleFileAlone() {
  ProgramFolder folder;
  test::WriteBytes(folder.TitleFile(), test::Sjis("大事なタイトル\r\n"));
  std::filesystem::remove(folder.Host("sample-top.html"));
  auto window = StartWindow(folder);
  QVERIFY(window->isVisible());  // the program runs on
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].text, U("ファイルが見つかりません."));
  // The remaining start-up steps were skipped.
  QCOMPARE(window->Presenter().LineCount(), 0);
  QCOMPARE(Find<QLabel>(*window, "FavoriteDir")->text(), U("FavoriteDir"));
  QCOMPARE(window->Presenter().State().FavoritePath, std::string(kFavoritePathPlaceholder));

  QVERIFY(window->close());
  QCOMPARE(test::ReadBytes(folder.TitleFile()), test::Sjis("大事なタイトル\r\n"));
  QVERIFY(std::filesystem::exists(folder.SettingsFile()));
}

void StartupShutdownTest::editedTitleIsSavedAfterAFailedStart() {
  ProgramFolder folder;
  test::WriteBytes(folder.TitleFile(), "old\r\n");
  std::filesystem::remove(folder.Host("sample-top.html"));
  auto window = StartWindow(folder);
  TakeMessages();
  auto* memo = Find<ui::TitleMemo>(*window, "Memo1");
  memo->setFocus();
  QTest::keyClicks(memo, "new");
  QVERIFY(window->close());
  QCOMPARE(test::ReadBytes(folder.TitleFile()), std::string("new"));
}

void StartupShutdownTest::uneditedTitleFileIsLeftByteForByte_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<int>("lines");
  QTest::newRow("latin-1") << QByteArray("Caf\xE9\r\n") << 1;
  // The last byte of "あ" and of "い" is a Shift_JIS lead byte.
  QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE3\x81\x82\n\xE3\x81\x84\n") << 2;
  QTest::newRow("nec duplicate code") << QByteArray("\xED\x40\r\n") << 1;
  QTest::newRow("shift_jis") << QByteArray(test::Sjis("表示\r\nB").c_str()) << 2;
}

void StartupShutdownTest::uneditedTitleFileIsLeftByteForByte() {
  QFETCH(QByteArray, file);
  QFETCH(int, lines);
  ProgramFolder folder;
  const std::string stored = file.toStdString();
  test::WriteBytes(folder.TitleFile(), stored);
  auto window = StartWindow(folder);
  QCOMPARE(window->Presenter().LineCount(), lines);
  auto* memo = Find<ui::TitleMemo>(*window, "Memo1");
  memo->setFocus();
  QTest::keyClick(memo, Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!window->isVisible());
  QVERIFY(TakeMessages().empty());
  QCOMPARE(test::ReadBytes(folder.TitleFile()), stored);
}

// Without a favorites folder the window opens: the message names the folder, the label
// shows it in the error colour, and a click on it opens the source chooser.
void StartupShutdownTest::withoutAFavoritesFolderTheWindowOpens() {
  ProgramFolder folder;
  folder.RemoveFavorites();
  const QString favorites = QString::fromStdString(folder.Host("Favorites"));
  auto window = StartWindow(folder);
  QVERIFY(window->isVisible());
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].text, favorites + U(": お気に入りが見つかりませんでした."));
  QCOMPARE(messages[0].caption, U("エラー"));
  QCOMPARE(messages[0].icon, QMessageBox::Critical);
  auto* label = Find<QLabel>(*window, "FavoriteDir");
  QCOMPARE(label->text(), favorites);
  QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xC0, 0x00, 0x00));
  QVERIFY(label->palette().color(QPalette::WindowText) !=
          Find<QLabel>(*window, "Label1")->palette().color(QPalette::WindowText));

  Dialogs().listAnswers.push_back(1);  // a bookmarks file...
  AnswerNextFile(std::nullopt);        // ...but the file dialog is cancelled
  QTest::mouseClick(label, Qt::LeftButton);
  QVERIFY(Dialogs().listAnswers.empty());
  QVERIFY(Dialogs().fileAnswers.empty());
  QCOMPARE(LastFolder(), qEnvironmentVariable("HOME"));

  QVERIFY(window->close());
  QVERIFY(TakeMessages().empty());
  QCOMPARE(folder.Setting("OutType"), std::string("0"));
}

// The window reopens where it was left, and only where a screen shows it.
void StartupShutdownTest::windowReopensWhereItWasLeft() {
  ProgramFolder folder;
  {
    auto window = StartWindow(folder);
    window->move(40, 30);
    window->resize(600, 580);
    QVERIFY(window->close());
  }
  QCOMPARE(folder.Setting("WindowLeft"), std::string("40"));
  QCOMPARE(folder.Setting("WindowTop"), std::string("30"));
  QCOMPARE(folder.Setting("WindowWidth"), std::string("600"));
  QCOMPARE(folder.Setting("WindowHeight"), std::string("580"));
  {
    auto window = StartWindow(folder);
    QCOMPARE(window->pos(), QPoint(40, 30));
    QCOMPARE(window->size(), QSize(600, 580));
    QVERIFY(window->close());
  }
  // A place no screen shows (a monitor since removed): the laid-out place.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  favpage::SettingsFile(folder.Internal("favpage.INI"))
      .WriteString(kSetupSection, "WindowLeft", std::to_string(screen.right() + 10));
  auto window = StartWindow(folder);
  QCOMPARE(window->pos(), QPoint(335, 114));
  QCOMPARE(window->size(), QSize(480, 565));
}

FAVPAGE_UI_TEST_MAIN(StartupShutdownTest)
#include "startup_shutdown_test.moc"

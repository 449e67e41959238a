// Start-up and shut-down of the real window on a temporary executable folder: defaults on
// a first start, the round trip of every setting, and the failures that keep the program
// running (start-up) or the window open (shut-down) without losing stored data.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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
  void readOnlySettingsFileKeepsTheWindowOpen();
  void unloadablePreviewTemplateLeavesTheTitleFileAlone();
  void editedTitleIsSavedAfterAFailedStart();
  void uneditedTitleFileIsLeftByteForByte_data();
  void uneditedTitleFileIsLeftByteForByte();
  void missingFavoritesEndsTheProgram();
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
  QCOMPARE(Find<QWebEngineView>(*window, "WebBrowser1")->url(),
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

void StartupShutdownTest::readOnlySettingsFileKeepsTheWindowOpen() {
  ProgramFolder folder;
  test::WriteBytes(folder.SettingsFile(), "[Setup]\r\nOutType=1\r\n");
  test::WriteBytes(folder.TitleFile(), "kept\r\n");
  auto window = StartWindow(folder);
  std::filesystem::permissions(folder.SettingsFile(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  window->Presenter().SetText("changed\r\n");

  QVERIFY(!window->close());
  QVERIFY(window->isVisible());
  auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].caption, U("Mirel Favorites Manager"));
  QCOMPARE(messages[0].icon, QMessageBox::Critical);
  QCOMPARE(messages[0].text,
           QString::fromStdString(folder.SettingsFile().string()) + U(" に書き込めません."));
  QCOMPARE(test::ReadBytes(folder.TitleFile()), std::string("kept\r\n"));

  // Once the cause is gone, closing again works.
  std::filesystem::permissions(folder.SettingsFile(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  QVERIFY(window->close());
  QCOMPARE(test::ReadBytes(folder.TitleFile()), std::string("changed\r\n"));
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

void StartupShutdownTest::missingFavoritesEndsTheProgram() {
  ProgramFolder folder;
  folder.RemoveFavorites();
  ui::TPlatform window(folder.ExePath());
  QVERIFY(!window.Start());
  QVERIFY(!window.isVisible());
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].text, U("お気に入りが見つかりませんでした."));
  QCOMPARE(messages[0].caption, U("エラー"));
  QCOMPARE(messages[0].icon, QMessageBox::Critical);
  // The closing window wrote its state back.
  QCOMPARE(folder.Setting("OutType"), std::string("0"));
  QCOMPARE(test::ReadBytes(folder.TitleFile()), test::Sjis("私のお気に入り\r\n"));
}

FAVPAGE_UI_TEST_MAIN(StartupShutdownTest)
#include "startup_shutdown_test.moc"

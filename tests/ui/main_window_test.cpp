// The main window: layout and anchoring, setters and handlers in step with the state,
// the browse command, the keyboard (Enter, shortcuts, access letters) and the title lines.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QWebEngineView>

#include "settings/settings_file.h"
#include "ui/panel_ex.h"
#include "ui/title_memo.h"
#include "ui_test_support.h"

using namespace favpage;
using namespace favpage::uitest;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TakeMessages(); }
  void layoutMatchesTheTable();
  void sourceItemAndCharsetBoxSitBesideTheLayout();
  void anchoredControlsFollowAResize();
  void settersAndHandlersKeepStateAndControlsInStep();
  void styleChoiceRebuildsThePreview();
  void browseAnswered();
  void browseCancelledChangesNothing();
  void browseWithReadOnlySettingsStillTakesTheName();
  void enterPressesCreateExceptInTheTitle();
  void shortcutsWorkAnywhere();
  void accessLetterDropsDownItsMenu();
  void altAloneEntersMenuMode();
  void tabOrderFollowsTheLayout();
  void titleLinesAreTheDisplayLines();
  void titleLinesAreCutAt4096Bytes();
};

namespace {

QRect Geometry(QWidget& window, const char* name) {
  return Find<QWidget>(window, name)->geometry();
}

}  // namespace

void MainWindowTest::layoutMatchesTheTable() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  QCOMPARE(window->objectName(), QStringLiteral("Platform"));
  QCOMPARE(window->windowTitle(), QStringLiteral("Mirel-Favorite Manager"));
  QCOMPARE(window->size(), QSize(480, 565));
  QCOMPARE(window->minimumSize(), QSize(480, 565));
  QCOMPARE(Geometry(*window, "CoolBar1"), QRect(0, 0, 480, 22));
  QCOMPARE(Geometry(*window, "ToolButton2"), QRect(54, 0, 51, 20));
  QCOMPARE(Geometry(*window, "StatusBar1"), QRect(0, 546, 480, 19));
  QCOMPARE(Geometry(*window, "GroupBox1"), QRect(8, 32, 465, 57));
  QCOMPARE(Geometry(*window, "FavoriteDir"), QRect(16, 26, 369, 12));
  QCOMPARE(Geometry(*window, "GroupBox2"), QRect(8, 96, 161, 193));
  QCOMPARE(Geometry(*window, "Image2"), QRect(32, 128, 64, 48));
  QCOMPARE(Geometry(*window, "Memo1"), QRect(16, 24, 433, 23));
  QCOMPARE(Geometry(*window, "PanelEx1"), QRect(8, 40, 281, 73));
  QCOMPARE(Geometry(*window, "Edit3"), QRect(40, 37, 229, 20));
  QCOMPARE(Geometry(*window, "Button2"), QRect(222, 23, 59, 25));
  QCOMPARE(Geometry(*window, "Button3"), QRect(8, 513, 465, 25));
  QCOMPARE(Geometry(*window, "GroupBox6"), QRect(8, 376, 465, 129));
  QCOMPARE(Geometry(*window, "ScrollBox1"), QRect(16, 24, 273, 89));
  QCOMPARE(Geometry(*window, "WebBrowser1").size(), QSize(269, 85));
  QCOMPARE(Geometry(*window, "ComboBox1"), QRect(304, 24, 145, 24));
  QCOMPARE(Geometry(*window, "CheckBox2"), QRect(304, 88, 145, 17));

  // Captions with their exact blanks, the fonts by role.
  QCOMPARE(Find<QGroupBox>(*window, "GroupBox1")->title(), U("  「お気に入り」のディレクトリ "));
  QCOMPARE(Find<QGroupBox>(*window, "GroupBox6")->title(), U("スタイル設定"));
  QCOMPARE(Find<QPushButton>(*window, "Button3")->text(), U("作成"));
  QCOMPARE(Find<QGroupBox>(*window, "GroupBox2")->font().pixelSize(), 16);
  QVERIFY(Find<QGroupBox>(*window, "GroupBox2")->font().bold());
  QVERIFY(!Find<QRadioButton>(*window, "RadioButton1")->font().bold());
  QCOMPARE(Find<QRadioButton>(*window, "RadioButton1")->font().pixelSize(), 12);
  QVERIFY(Find<QLabel>(*window, "FavoriteDir")->font().underline());
  QCOMPARE(Find<QCheckBox>(*window, "CheckBox2")->font().pixelSize(), 13);
  QVERIFY(Find<QComboBox>(*window, "ComboBox1")->font().bold());
  QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->count(), 4);
  QVERIFY(!Find<QLabel>(*window, "Image1")->pixmap().isNull());
  QCOMPARE(Find<QLabel>(*window, "Image1")->pixmap().size(), QSize(64, 48));
  QCOMPARE(window->font().family(), U("ＭＳ Ｐゴシック"));
}

void MainWindowTest::sourceItemAndCharsetBoxSitBesideTheLayout() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  const QList<QAction*> items = Find<QMenu>(*window, "File1")->actions();
  auto* source = Find<QAction>(*window, "Source1");
  QCOMPARE(source->text(), U("読み込み元を選択(&S)..."));
  QVERIFY(items.indexOf(source) >= 0);
  QVERIFY(items.indexOf(source) < items.indexOf(Find<QAction>(*window, "Exit1")));

  auto* box = Find<QCheckBox>(*window, "CheckBox3");
  QCOMPARE(box->text(), U("UTF-8で出力"));
  QCOMPARE(Geometry(*window, "CheckBox3"), QRect(304, 64, 145, 17));
  QCOMPARE(box->font().pixelSize(), 13);
  QVERIFY(!box->isChecked());
  box->click();
  QCOMPARE(window->Presenter().State().Charset, PageCharset::kUtf8);
  window->Presenter().SetCharset(PageCharset::kShiftJis);
  QVERIFY(!box->isChecked());
}

void MainWindowTest::anchoredControlsFollowAResize() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  window->resize(800, 900);
  QCOMPARE(window->size(), QSize(800, 900));
  QCOMPARE(Geometry(*window, "GroupBox1"), QRect(8, 32, 785, 57));
  QCOMPARE(Geometry(*window, "FavoriteDir"), QRect(16, 26, 369, 12));
  QCOMPARE(Geometry(*window, "GroupBox2"), QRect(8, 96, 161, 193));
  QCOMPARE(Geometry(*window, "GroupBox3"), QRect(8, 296, 785, 73));
  QCOMPARE(Geometry(*window, "Memo1"), QRect(16, 24, 753, 23));
  QCOMPARE(Geometry(*window, "GroupBox4"), QRect(176, 168, 617, 121));
  QCOMPARE(Geometry(*window, "Edit1"), QRect(40, 10, 549, 20));
  QCOMPARE(Geometry(*window, "Edit2"), QRect(16, 26, 513, 20));
  QCOMPARE(Geometry(*window, "Button2"), QRect(542, 23, 59, 25));
  QCOMPARE(Geometry(*window, "Button3"), QRect(8, 848, 785, 25));
  QCOMPARE(Geometry(*window, "GroupBox6"), QRect(8, 376, 785, 464));
  QCOMPARE(Geometry(*window, "ScrollBox1"), QRect(16, 24, 593, 424));
  QCOMPARE(Geometry(*window, "WebBrowser1").size(), QSize(589, 420));
  QCOMPARE(Geometry(*window, "ComboBox1"), QRect(624, 24, 145, 24));
  QCOMPARE(Geometry(*window, "CheckBox2"), QRect(624, 88, 145, 17));
  QCOMPARE(Geometry(*window, "CheckBox3"), QRect(624, 64, 145, 17));
  QCOMPARE(Geometry(*window, "StatusBar1"), QRect(0, 881, 800, 19));

  window->resize(300, 300);  // below the minimum
  QCOMPARE(window->size(), QSize(480, 565));
  QCOMPARE(Geometry(*window, "Button3"), QRect(8, 513, 465, 25));
}

void MainWindowTest::settersAndHandlersKeepStateAndControlsInStep() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* edit2 = Find<QLineEdit>(*window, "Edit2");
  auto* panel = Find<ui::TPanelEx>(*window, "PanelEx1");
  auto* check1 = Find<QCheckBox>(*window, "CheckBox1");
  auto* radio1 = Find<QRadioButton>(*window, "RadioButton1");
  auto* radio2 = Find<QRadioButton>(*window, "RadioButton2");
  auto* combo = Find<QComboBox>(*window, "ComboBox1");

  window->Presenter().SetOutName(test::Sjis("\\srv\\サイト\\links.html"));
  QCOMPARE(edit2->text(), U("/srv/サイト/links.html"));
  QCOMPARE(window->Presenter().State().OutName, test::Sjis("\\srv\\サイト\\links.html"));
  edit2->clear();
  QTest::keyClicks(edit2, "/web/p.html");
  QCOMPARE(window->Presenter().State().OutName, std::string("\\web\\p.html"));
  edit2->insert(U("ページ"));
  QCOMPARE(window->Presenter().State().OutName, test::Sjis("\\web\\p.htmlページ"));

  window->Presenter().SetReturnFlag(false);
  QVERIFY(!check1->isChecked());
  QVERIFY(!panel->isEnabled());
  for (const char* name : {"Edit1", "Edit3", "Label1", "Label2"}) {
    QVERIFY2(!Find<QWidget>(*window, name)->isEnabled(), name);
  }
  QVERIFY(Find<QGroupBox>(*window, "GroupBox4")->isEnabled());
  QVERIFY(check1->isEnabled());
  QTest::mouseClick(check1, Qt::LeftButton);
  QVERIFY(window->Presenter().State().ReturnFlag);
  QVERIFY(Find<QLineEdit>(*window, "Edit1")->isEnabled());
  QTest::mouseClick(check1, Qt::LeftButton);
  QVERIFY(!window->Presenter().State().ReturnFlag);
  QVERIFY(!Find<QLineEdit>(*window, "Edit3")->isEnabled());

  window->Presenter().SetReturnLine(test::Sjis("トップへ"));
  QCOMPARE(Find<QLineEdit>(*window, "Edit1")->text(), U("トップへ"));
  Find<QLineEdit>(*window, "Edit3")->setText(U("http://example.jp/"));
  QCOMPARE(window->Presenter().State().ReturnURL, std::string("http://example.jp/"));

  window->Presenter().SetOutType(1);
  QVERIFY(radio2->isChecked());
  window->Presenter().SetOutType(7);  // held, while the radio buttons stay as they were
  QCOMPARE(int(window->Presenter().State().OutType), 7);
  QVERIFY(radio2->isChecked());
  QTest::mouseClick(radio1, Qt::LeftButton);
  QCOMPARE(int(window->Presenter().State().OutType), 0);
  QTest::mouseClick(radio2, Qt::LeftButton);
  QCOMPARE(int(window->Presenter().State().OutType), 1);

  window->Presenter().SetStyleType(5);
  QCOMPARE(combo->currentIndex(), -1);
  QCOMPARE(window->Presenter().State().StyleType, 5);
  window->Presenter().SetStyleType(3);
  QCOMPARE(combo->currentIndex(), 3);

  window->Presenter().SetBlankTarget(true);
  QVERIFY(Find<QCheckBox>(*window, "CheckBox2")->isChecked());
  QTest::mouseClick(Find<QCheckBox>(*window, "CheckBox2"), Qt::LeftButton);
  QVERIFY(!window->Presenter().State().SetBlank);
}

void MainWindowTest::styleChoiceRebuildsThePreview() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* combo = Find<QComboBox>(*window, "ComboBox1");
  auto* view = Find<QWebEngineView>(*window, "WebBrowser1");
  const std::string plain = std::string(kTopTemplate) + kBottomTemplate;
  QCOMPARE(test::ReadBytes(folder.Host("sample.html")), plain);
  QCOMPARE(view->url(), QUrl::fromLocalFile(QString::fromStdString(folder.Host("sample.html"))));

  // Setting the style does not rebuild the preview; the user's choice does.
  window->Presenter().SetStyleType(2);
  QCOMPARE(test::ReadBytes(folder.Host("sample.html")), plain);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  QCOMPARE(combo->currentIndex(), 3);
  QCOMPARE(window->Presenter().State().StyleType, 3);
  QCOMPARE(test::ReadBytes(folder.Host("sample.html")),
           std::string(kTopTemplate) +
               "<link href=\"mirelstyle2.css\" rel=\"stylesheet\" type=\"text/css\">\r\n" +
               kBottomTemplate);
  QTRY_VERIFY(view->url().isLocalFile());

  // A missing template: the error display, the preview keeps its page.
  std::filesystem::remove(folder.Host("sample-bottom.html"));
  QTest::keyClick(combo, Qt::Key_Up);
  QCOMPARE(window->Presenter().State().StyleType, 2);
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].caption, U("Mirel Favorites Manager"));
  QCOMPARE(messages[0].text, U("ファイルが見つかりません."));
  QCOMPARE(messages[0].icon, QMessageBox::Critical);
}

void MainWindowTest::browseAnswered() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  const QString chosen = QString::fromStdString(folder.Host("site/links.html"));
  ui::SaveDialogs::SetNextAnswer(chosen);
  QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  QCOMPARE(ui::SaveDialogs::LastFolder(), QDir::currentPath());
  QCOMPARE(Find<QLineEdit>(*window, "Edit2")->text(), chosen);
  QCOMPARE(window->Presenter().State().OutName, folder.Internal("site/links.html"));
  // Written at once, not at shut-down.
  QCOMPARE(folder.Setting("OutputDir"), folder.Internal("site"));
  QCOMPARE(folder.Setting("OutName"), std::string());

  ui::SaveDialogs::SetNextAnswer(std::nullopt);
  QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  QCOMPARE(ui::SaveDialogs::LastFolder(), QString::fromStdString(folder.Host("site")));
}

void MainWindowTest::browseCancelledChangesNothing() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  window->Presenter().SetOutName("\\old\\a.html");
  ui::SaveDialogs::SetNextAnswer(std::nullopt);
  QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  QCOMPARE(window->Presenter().State().OutName, std::string("\\old\\a.html"));
  QCOMPARE(Find<QLineEdit>(*window, "Edit2")->text(), U("/old/a.html"));
  QVERIFY(!std::filesystem::exists(folder.SettingsFile()));
}

void MainWindowTest::browseWithReadOnlySettingsStillTakesTheName() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  test::WriteBytes(folder.SettingsFile(), "[Setup]\r\n");
  std::filesystem::permissions(folder.SettingsFile(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  ui::SaveDialogs::SetNextAnswer(QString::fromStdString(folder.Host("b.html")));
  QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  QCOMPARE(window->Presenter().State().OutName, folder.Internal("b.html"));
  const auto messages = TakeMessages();
  QCOMPARE(messages.size(), std::size_t(1));
  QCOMPARE(messages[0].text,
           QString::fromStdString(folder.SettingsFile().string()) + U(" に書き込めません."));
}

void MainWindowTest::enterPressesCreateExceptInTheTitle() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* memo = Find<ui::TitleMemo>(*window, "Memo1");
  memo->clear();
  memo->setFocus();
  QTest::keyClicks(memo, "A");
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClicks(memo, "B");
  QCOMPARE(memo->toPlainText(), U("A\nB"));
  QVERIFY(TakeMessages().empty());

  // The output name is empty, so the create command answers with its confirmation.
  for (const char* name : {"Edit2", "Edit1", "CheckBox2", "RadioButton1", "ComboBox1"}) {
    QWidget* control = Find<QWidget>(*window, name);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    const auto messages = TakeMessages();
    QVERIFY2(messages.size() == 1, name);
    QCOMPARE(messages[0].text, U("出力するﾌｧｲﾙ名を指定して下さい."));
    QCOMPARE(messages[0].caption, U("確認"));
    QCOMPARE(messages[0].icon, QMessageBox::Question);
  }
}

void MainWindowTest::shortcutsWorkAnywhere() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  QCOMPARE(Find<QAction>(*window, "HTTP1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
  QCOMPARE(Find<QAction>(*window, "Exit1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  auto* memo = Find<QWidget>(*window, "Memo1");
  memo->setFocus();
  QTest::keyClick(memo, Qt::Key_R, Qt::ControlModifier);
  QCOMPARE(TakeMessages().size(), std::size_t(1));  // the create command ran

  auto* edit = Find<QWidget>(*window, "Edit3");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!window->isVisible());
  QVERIFY(std::filesystem::exists(folder.SettingsFile()));
}

void MainWindowTest::accessLetterDropsDownItsMenu() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* menu = Find<QMenu>(*window, "R1");
  QTimer::singleShot(0, menu, [menu] {
    QVERIFY(menu->isVisible());
    menu->close();
  });
  Find<QWidget>(*window, "Edit2")->setFocus();
  QTest::keyClick(Find<QWidget>(*window, "Edit2"), Qt::Key_R, Qt::AltModifier);
  QTRY_VERIFY(!menu->isVisible());
  QCOMPARE(Find<QToolButton>(*window, "ToolButton2")->menu(), menu);
  QCOMPARE(menu->actions().value(0), Find<QAction>(*window, "HTTP1"));
}

void MainWindowTest::altAloneEntersMenuMode() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* edit = Find<QWidget>(*window, "Edit2");
  auto* file = Find<QToolButton>(*window, "ToolButton1");
  auto* run = Find<QToolButton>(*window, "ToolButton2");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);  // Alt with another key: no menu mode
  QVERIFY(edit->hasFocus());

  QTest::keyClick(edit, Qt::Key_Alt);
  QVERIFY(file->hasFocus());
  QVERIFY(file->isDown());
  QTest::keyClick(file, Qt::Key_Right);
  QVERIFY(run->hasFocus());
  QVERIFY(!file->isDown());
  QTest::keyClick(run, Qt::Key_Escape);
  QVERIFY(edit->hasFocus());
  QVERIFY(!run->isDown());

  // Left from the first button wraps to the last; Down drops its menu.
  auto* help = Find<QMenu>(*window, "Help1");
  bool dropped = false;
  QTest::keyClick(edit, Qt::Key_Alt);
  QTest::keyClick(file, Qt::Key_Left);
  QVERIFY(Find<QToolButton>(*window, "ToolButton3")->hasFocus());
  QTimer::singleShot(100, help, [help, &dropped] {
    dropped = help->isVisible();
    help->close();
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTRY_VERIFY(dropped);
  QTRY_VERIFY(!help->isVisible());
  QVERIFY(edit->hasFocus());
}

void MainWindowTest::tabOrderFollowsTheLayout() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  const QStringList order = {"RadioButton1", "RadioButton2", "Memo1",    "CheckBox1", "Edit3",
                             "Edit1",        "Edit2",        "Button2",  "Button3",   "WebBrowser1",
                             "ComboBox1",    "CheckBox3",    "CheckBox2"};
  // A control may hand its focus to a child of its own (the browser view does): such a
  // child stands for the named control.
  auto tabStop = [&order](QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
      if (order.contains(widget->objectName())) return widget->objectName();
    }
    return QString();
  };
  QTest::qWait(50);  // let the browser view make its focus widget
  QStringList reached;
  QWidget* widget = Find<QWidget>(*window, "RadioButton1");
  for (int step = 0; step < 500 && reached.size() < order.size(); ++step) {
    const QString name = widget->focusPolicy() != Qt::NoFocus ? tabStop(widget) : QString();
    if (!name.isEmpty() && !reached.contains(name)) reached << name;
    widget = widget->nextInFocusChain();
  }
  QCOMPARE(reached, order);
  // The scroll box around the preview is no tab stop of its own.
  QCOMPARE(Find<QWidget>(*window, "ScrollBox1")->focusPolicy(), Qt::NoFocus);
}

void MainWindowTest::titleLinesAreTheDisplayLines() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* memo = Find<ui::TitleMemo>(*window, "Memo1");
  window->Presenter().SetText("");
  QCOMPARE(window->Presenter().LineCount(), 0);
  window->Presenter().SetText("\r\n");
  QCOMPARE(window->Presenter().LineCount(), 1);
  QCOMPARE(window->Presenter().Line(0), std::string());
  window->Presenter().SetText(test::Sjis("一行目\r\nB\r\n"));
  QCOMPARE(window->Presenter().LineCount(), 2);
  QCOMPARE(window->Presenter().Line(0), test::Sjis("一行目"));
  QCOMPARE(window->Presenter().Text(), test::Sjis("一行目\r\nB\r\n"));

  // Shift+Enter breaks the line as Enter does; the break is no character of the line.
  window->Presenter().SetText("");
  memo->setFocus();
  QTest::keyClicks(memo, "A");
  QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(memo, "B");
  QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
  QCOMPARE(window->Presenter().LineCount(), 2);
  QCOMPARE(window->Presenter().Line(0), std::string("A"));
  QCOMPARE(window->Presenter().Line(1), std::string("B"));
  QCOMPARE(window->Presenter().Text(), std::string("A\r\nB\r\n"));

  // A typed line wider than the edit is read as several lines, broken where it wraps;
  // the title file keeps it as one.
  std::string words;
  for (int i = 0; i < 40; ++i) words += "word" + std::to_string(i) + " ";
  window->Presenter().SetText(words);
  const int lines = window->Presenter().LineCount();
  QVERIFY(lines >= 3);
  std::string joined;
  for (int i = 0; i < lines; ++i) {
    QVERIFY(QFontMetrics(memo->font())
                .horizontalAdvance(QString::fromStdString(window->Presenter().Line(i))) <
            memo->width() + 10);
    joined += window->Presenter().Line(i);
  }
  QCOMPARE(joined, words);
  QCOMPARE(window->Presenter().Text(), words);

  // The wrap follows the edit's width.
  window->resize(1200, 565);
  QVERIFY(window->Presenter().LineCount() < lines);
}

void MainWindowTest::titleLinesAreCutAt4096Bytes() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* memo = Find<ui::TitleMemo>(*window, "Memo1");
  memo->setGeometry(0, 0, 60000, 23);  // wide enough for one display line
  window->Presenter().SetText(std::string(5000, 'a'));
  QCOMPARE(window->Presenter().LineCount(), 1);
  QCOMPARE(window->Presenter().Line(0), std::string(4096, 'a'));
  // A double-byte character that would straddle the limit is left out whole.
  std::string mixed = "a";
  for (int i = 0; i < 2100; ++i) mixed += test::Sjis("あ");
  window->Presenter().SetText(mixed);
  QCOMPARE(window->Presenter().Line(0).size(), std::size_t(4095));
  QCOMPARE(window->Presenter().Line(0), mixed.substr(0, 4095));
}

FAVPAGE_UI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

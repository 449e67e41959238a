// The main window: layout and anchoring, setters and handlers in step with the state,
// the browse command, the keyboard (Enter, shortcuts, access letters) and the title lines.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <optional>
#include <string_view>

#include "settings/settings_file.h"
#include "ui/presenter/main_layout.h"
#include "ui/qt/panel_ex.h"
#include "ui/qt/source_dialog.h"
#include "ui/qt/title_memo.h"
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
  void favoritesLabelOpensTheChooserAndAFolderIsPicked();
  void chooserDialogWorksByKeyboard();
};

namespace {

using favpage::ui::layout::ControlRow;
using favpage::ui::layout::Kind;
namespace layout = favpage::ui::layout;

QRect Geometry(QWidget& window, const char* name) {
  return Find<QWidget>(window, name)->geometry();
}

QRect ToQRect(const layout::Rect& r) { return {r.left, r.top, r.width, r.height}; }

// Every named control of the table where the table's functions put it in its parent for the
// window's present client size; a label sized to its text starts where the table puts it.
void ExpectPlacedByTheTable(QWidget& window) {
  const layout::Size client{window.width(), window.height()};
  for (const ControlRow& row : layout::Controls()) {
    if (row.name.empty()) continue;
    const QByteArray name(row.name.data(), static_cast<qsizetype>(row.name.size()));
    QWidget* widget = Find<QWidget>(window, name.constData());
    const QRect got = widget->geometry();
    std::optional<layout::Size> own;
    if (row.kind == Kind::kLabel)
      own = layout::Size{widget->sizeHint().width(), widget->sizeHint().height()};
    const QRect want = ToQRect(layout::RectInParent(row, client, own));
    if (row.kind == Kind::kPreview) {
      QVERIFY2(got.size() == want.size(), name.constData());  // fills its scroll box
    } else {
      QVERIFY2(got == want, qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                                           .arg(QLatin1String(name))
                                           .arg(got.x())
                                           .arg(got.y())
                                           .arg(got.width())
                                           .arg(got.height())));
    }
    QVERIFY2(widget->parentWidget()->objectName() ==
                     QLatin1String(row.parent.empty() ? "Platform" : row.parent) ||
                 row.kind == Kind::kPreview,
             name.constData());
  }
}

}  // namespace

void MainWindowTest::layoutMatchesTheTable() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  QCOMPARE(window->objectName(), QStringLiteral("Platform"));
  QCOMPARE(window->windowTitle(), QStringLiteral("Mirel-Favorite Manager"));
  const QSize client(layout::kWindowClient.width, layout::kWindowClient.height);
  QCOMPARE(window->size(), client);
  QCOMPARE(window->minimumSize(), client);
  QCOMPARE(window->pos(), QPoint(layout::kWindowOrigin.x, layout::kWindowOrigin.y));
  ExpectPlacedByTheTable(*window);

  // Captions and fonts as the table names them; a control without a font of its own shows
  // its container's.
  for (const ControlRow& row : layout::Controls()) {
    if (row.name.empty()) continue;
    const QByteArray name(row.name.data(), static_cast<qsizetype>(row.name.size()));
    QWidget* widget = Find<QWidget>(*window, name.constData());
    const layout::Font font = layout::ResolvedFont(row);
    QVERIFY2(widget->font().pixelSize() == font.pixelHeight, name.constData());
    QVERIFY2(widget->font().bold() == font.bold, name.constData());
    QVERIFY2(widget->font().underline() == font.underline, name.constData());
    // Start-up shows the favorites folder in place of the laid-out "FavoriteDir".
    if (row.caption == nullptr || row.name == "FavoriteDir") continue;
    QString shown;
    if (auto* box = qobject_cast<QGroupBox*>(widget)) shown = box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
    QVERIFY2(shown == QString::fromUtf16(row.caption), name.constData());
  }
  QCOMPARE(Find<QGroupBox>(*window, "GroupBox1")->title(), U("  「お気に入り」のディレクトリ "));
  QCOMPARE(Find<QGroupBox>(*window, "GroupBox6")->title(), U("スタイル設定"));
  QCOMPARE(Find<QPushButton>(*window, "Button3")->text(), U("作成"));
  QVERIFY(Find<QPushButton>(*window, "Button3")->isDefault());
  QVERIFY(Find<QRadioButton>(*window, "RadioButton1")->isChecked());
  QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->count(), 4);
  QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->itemText(3), U("Style-2"));
  QVERIFY(!Find<QLabel>(*window, "Image1")->pixmap().isNull());
  QCOMPARE(Find<QLabel>(*window, "Image1")->pixmap().deviceIndependentSize(), QSizeF(64, 48));
  // Two device pixels to each, for screens scaled up to 200 %.
  QCOMPARE(Find<QLabel>(*window, "Image1")->pixmap().devicePixelRatio(), 2.0);
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
  // Every item of the menu table sits in its menu, in the table's order, with its shortcut.
  for (const layout::MenuRow& menuRow : layout::Menus()) {
    auto* menu =
        Find<QMenu>(*window, QByteArray(menuRow.name.data(), menuRow.name.size()).constData());
    QList<QAction*> actions = menu->actions();
    actions.removeIf([](QAction* action) { return action->isSeparator(); });
    qsizetype at = 0;
    for (const layout::MenuItemRow& item : layout::MenuItems()) {
      if (item.menu != menuRow.name) continue;
      QVERIFY(at < actions.size());
      QCOMPARE(actions[at]->objectName(), QLatin1String(item.name));
      QCOMPARE(actions[at]->text(), QString::fromUtf16(item.caption));
      QCOMPARE(actions[at]->shortcut().toString(QKeySequence::PortableText),
               QString::fromStdU16String(layout::ShortcutText(item.shortcut)));
      ++at;
    }
    QCOMPARE(at, actions.size());
  }

  auto* box = Find<QCheckBox>(*window, "CheckBox3");
  QCOMPARE(box->text(), U("UTF-8で出力"));
  QCOMPARE(Geometry(*window, "CheckBox3"),
           ToQRect(layout::RectInParent(*layout::FindControl("CheckBox3"), layout::kWindowClient)));
  QVERIFY(!box->isChecked());
  box->click();
  QCOMPARE(window->Presenter().State().Charset, PageCharset::kUtf8);
  window->Presenter().SetCharset(PageCharset::kShiftJis);

  // The HTML5 choice is a checkable menu item, ticked as the format is.
  auto* html5 = Find<QAction>(*window, "HTML5Pages1");
  QVERIFY(html5->isCheckable());
  QVERIFY(!html5->isChecked());
  html5->trigger();
  QVERIFY(html5->isChecked());
  QCOMPARE(window->Presenter().State().Format, PageFormat::kHtml5);
  html5->trigger();
  QVERIFY(!html5->isChecked());
  QCOMPARE(window->Presenter().State().Format, PageFormat::kClassic);
  QVERIFY(!box->isChecked());
}

void MainWindowTest::anchoredControlsFollowAResize() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  window->resize(800, 900);
  QCOMPARE(window->size(), QSize(800, 900));
  ExpectPlacedByTheTable(*window);
  QCOMPARE(Geometry(*window, "GroupBox1").width(), 785);  // one number, to see the resize

  window->resize(300, 300);  // below the minimum
  QCOMPARE(window->size(), QSize(layout::kWindowClient.width, layout::kWindowClient.height));
  ExpectPlacedByTheTable(*window);
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
  auto* view = PreviewView(*window);
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
  std::filesystem::create_directories(folder.Host("site"));
  AnswerNextFile(chosen);
  QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  // Nothing named and nothing chosen yet: the dialog opens in the home folder.
  QCOMPARE(LastFolder(), qEnvironmentVariable("HOME"));
  QCOMPARE(Find<QLineEdit>(*window, "Edit2")->text(), chosen);
  QCOMPARE(window->Presenter().State().OutName, folder.Internal("site/links.html"));
  // Written at once, not at shut-down.
  QCOMPARE(folder.Setting("OutputDir"), folder.Internal("site"));
  QCOMPARE(folder.Setting("OutName"), std::string());

  AnswerNextFile(std::nullopt);
  QTest::mouseClick(Find<QPushButton>(*window, "Button2"), Qt::LeftButton);
  QCOMPARE(LastFolder(), QString::fromStdString(folder.Host("site")));
}

void MainWindowTest::browseCancelledChangesNothing() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  window->Presenter().SetOutName("\\old\\a.html");
  AnswerNextFile(std::nullopt);
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
  AnswerNextFile(QString::fromStdString(folder.Host("b.html")));
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
  QStringList order;
  for (std::string_view name : layout::TabOrder())
    order << QString::fromUtf8(name.data(), name.size());
  // A control may hand its focus to a child of its own (the browser view does): such a
  // child stands for the named control.
  auto tabStop = [&order](QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
      if (order.contains(widget->objectName())) return widget->objectName();
    }
    return QString();
  };
  // Let the preview make its browser view, and the view its focus widget.
  QWebEngineView* view = PreviewView(*window);
  QTRY_VERIFY(view->focusProxy() != nullptr);
  QTest::qWait(50);
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

// The favorites label opens the source chooser by a click or by Enter; the folder picked in
// its tree is what the label shows, the run publishes and the settings keep.
void MainWindowTest::favoritesLabelOpensTheChooserAndAFolderIsPicked() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  auto* label = Find<QLabel>(*window, "FavoriteDir");
  const QString favorites = QString::fromStdString(folder.Host("Favorites").string());
  Dialogs().listAnswers = {0};
  Dialogs().folderAnswers = {1};
  QTest::mouseClick(label, Qt::LeftButton);
  QVERIFY(Dialogs().listAnswers.empty());
  QCOMPARE(Dialogs().folderRows,
           (std::vector<std::string>{folder.Host("Favorites").string() + " (3)", "  Tools (2)"}));
  QCOMPARE(window->Presenter().State().SourceFolder, std::string("Tools"));
  QCOMPARE(label->text(), favorites + U(" / Tools"));

  // Enter on the focused label opens it too; cancelled, nothing changes.
  Dialogs().listAnswers = {std::nullopt};
  label->setFocus();
  QTest::keyClick(label, Qt::Key_Return);
  QVERIFY(Dialogs().listAnswers.empty());
  QCOMPARE(window->Presenter().State().SourceFolder, std::string("Tools"));

  window->Presenter().SetOutName(folder.Internal("out/links.html"));
  Find<QPushButton>(*window, "Button3")->click();
  const std::string page = test::ReadBytes(folder.Host("out/links.html"));
  QVERIFY(page.find("search.example.com") != std::string::npos);
  QVERIFY(page.find("news.example.com") == std::string::npos);
  window->close();
  QCOMPARE(folder.Setting("SourceFolder"), std::string("Tools"));
}

// The chooser's own dialog, shown: the arrows pick a folder in its tree, Enter in the
// source list goes on to the tree rather than confirming, Enter in the tree confirms.
void MainWindowTest::chooserDialogWorksByKeyboard() {
  ProgramFolder folder;
  auto window = StartWindow(folder);
  ui::SourceChooser chooser(window->Presenter().State());
  ui::SourceDialog dialog(window.get(), chooser);
  chooser.Open(dialog);
  dialog.show();
  auto* list = Find<QListWidget>(dialog, "SourceList");
  auto* tree = Find<QTreeWidget>(dialog, "FolderTree");
  QCOMPARE(list->currentRow(), 0);
  QCOMPARE(tree->topLevelItemCount(), 1);
  QTest::keyClick(list, Qt::Key_Return);
  QVERIFY(dialog.isVisible());
  QTest::keyClick(tree, Qt::Key_Down);
  QCOMPARE(tree->currentItem()->text(0), U("Tools (2)"));
  QCOMPARE(chooser.SourceFolder(), std::string("Tools"));
  QCOMPARE(Find<QLabel>(dialog, "SourceSummary")->text(),
           U("出力するもの: ") + QString::fromStdString(folder.Host("Favorites").string()) +
               U(" / Tools  リンク 2 件"));
  QTest::keyClick(tree, Qt::Key_Return);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(!dialog.isVisible());
}

FAVPAGE_UI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

// The About box component: defaults, placement of its close button, icon and labels
// (halves truncated toward zero), its position rules, and a fresh box for every Execute.
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <functional>

#include "base/build_info.h"
#include "ui/presenter/about_version.h"
#include "ui/qt/about_dialog.h"
#include "ui_test_support.h"

using favpage::ui::TAboutDialog;
using namespace favpage::uitest;

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void constructorDefaults();
  void mainWindowValuesLayOutTheBox();
  void oddNegativeDifferenceIsHalvedTowardZero();
  void positionRules();
  void everyExecuteBuildsANewBox();
  void windowIconTakesEverySizeOfTheIconTheme();
};

namespace {

// Runs Execute and hands the shown box to `inspect` before closing it with its button.
void ExecuteAndInspect(TAboutDialog& about, const std::function<void(QDialog*)>& inspect) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    shown = true;
    inspect(box);
    QTest::mouseClick(box->findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
  });
  about.Execute();
  QVERIFY(shown);
}

QLabel* Label(QDialog* box, const char* name) { return box->findChild<QLabel*>(name); }

}  // namespace

void AboutDialogTest::constructorDefaults() {
  QObject owner;
  TAboutDialog about(&owner);
  QCOMPARE(about.parent(), &owner);
  QCOMPARE(about.property("FormWidth").toInt(), 320);
  QCOMPARE(about.property("FormHeight").toInt(), 120);
  QCOMPARE(about.property("FormLeft").toInt(), 0);
  QCOMPARE(about.property("FormPosition").value<TAboutDialog::TFPosition>(),
           TAboutDialog::fpDesigned);
  QCOMPARE(about.property("AppName").toString(), QString());
  QVERIFY(about.property("Icon").value<QIcon>().isNull());
}

void AboutDialogTest::mainWindowValuesLayOutTheBox() {
  ProgramFolder folder;
  favpage::test::WriteBytes(
      folder.Host("favpage.png"),
      favpage::test::ReadBytes(std::filesystem::path(FAVPAGE_DATA_DIR) / "favpage.png"));
  auto window = StartWindow(folder);
  TAboutDialog& about = *window->findChild<TAboutDialog*>(QStringLiteral("AboutDialog1"));
  QCOMPARE(about.FAppName, U("Mirel Favorite Manager"));
  // The version and the day of this build, in the era calendar.
  QCOMPARE(about.FVersion, QString::fromUtf16(favpage::ui::AboutVersionLine().c_str()));
  QVERIFY2(
      QRegularExpression(U("^★ﾊﾞｰｼﾞｮﾝ ") + QRegularExpression::escape(favpage::kProgramVersion) +
                         U(" 【令和(元|[0-9]+)年[0-9]+月[0-9]+日（[日月火水木金土]）】$"))
          .match(about.FVersion)
          .hasMatch(),
      qPrintable(about.FVersion));
  QCOMPARE(about.FFormPosition, TAboutDialog::fpScreenCenter);
  ExecuteAndInspect(about, [](QDialog* box) {
    QCOMPARE(box->windowTitle(), U("ﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(box->size(), QSize(320, 120));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QVERIFY(
        !(box->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
    auto* close = box->findChild<QPushButton*>("CloseButton");
    QCOMPARE(close->geometry(), QRect(128, 88, 64, 24));
    QCOMPARE(close->text(), U("閉じる"));
    auto* picture = Label(box, "Picture");
    QCOMPARE(picture->geometry(), QRect(8, 8, 48, 48));
    QCOMPARE(picture->pixmap().size(), QSize(32, 32));
    QLabel* name = Label(box, "NameLabel");
    QCOMPARE(name->y(), 8);
    QCOMPARE(name->x(), 56 + (320 - 56 - 8 - name->width()) / 2);
    QCOMPARE(name->font().pointSize(), 16);
    for (const char* labelName : {"VersionLabel", "MemoLabel"}) {
      QLabel* label = Label(box, labelName);
      QVERIFY(label->width() > 0);
      QVERIFY(std::abs(label->x() + label->width() / 2 - 160) <= 1);
      QCOMPARE(label->font().pointSize(), 10);
    }
    QCOMPARE(Label(box, "VersionLabel")->y(), 36);
    QCOMPARE(Label(box, "MemoLabel")->y(), 54);
    const QSize screen = box->screen()->size();
    QCOMPARE(box->frameGeometry().topLeft(),
             QPoint((screen.width() - box->frameGeometry().width()) / 2,
                    (screen.height() - box->frameGeometry().height()) / 2));
  });
}

void AboutDialogTest::oddNegativeDifferenceIsHalvedTowardZero() {
  QObject owner;
  TAboutDialog about(&owner);
  about.FVersion = QStringLiteral("A version line wider than a narrow box");
  int width = 0;
  ExecuteAndInspect(about, [&](QDialog* box) { width = Label(box, "VersionLabel")->width(); });
  QVERIFY(width > 20);
  about.FFormWidth = width - 3;  // a difference of -3: halved toward zero gives -1, not -2
  ExecuteAndInspect(about, [&](QDialog* box) {
    QCOMPARE(Label(box, "VersionLabel")->width(), width);
    QCOMPARE(Label(box, "VersionLabel")->x(), -1);
  });
}

void AboutDialogTest::positionRules() {
  QObject owner;
  TAboutDialog about(&owner);
  about.FFormPosition = TAboutDialog::fpDesigned;
  about.FFormLeft = 40;
  about.FFormTop = -30;  // not kept on the screen
  ExecuteAndInspect(
      about, [](QDialog* box) { QCOMPARE(box->frameGeometry().topLeft(), QPoint(40, -30)); });

  QWidget host;
  host.setGeometry(100, 50, 401, 300);
  host.show();
  TAboutDialog owned(&host);
  owned.FFormPosition = TAboutDialog::fpOwnerFormCenter;
  ExecuteAndInspect(owned, [&](QDialog* box) {
    const QPoint expected = TAboutDialog::CenterInControl(&host, box->frameGeometry().width(),
                                                          box->frameGeometry().height());
    QCOMPARE(box->frameGeometry().topLeft(), expected);
  });
  // The centring rule itself: halves of the differences plus the control's position.
  const QRect outer = host.frameGeometry();
  QCOMPARE(
      TAboutDialog::CenterInControl(&host, 320, 120),
      QPoint((outer.width() - 320) / 2 + outer.left(), (outer.height() - 120) / 2 + outer.top()));
  QCOMPARE(TAboutDialog::CenterInControl(&host, outer.width() + 3, outer.height() + 5),
           QPoint(outer.left() - 1, outer.top() - 2));
}

void AboutDialogTest::everyExecuteBuildsANewBox() {
  QObject owner;
  TAboutDialog about(&owner);
  about.FAppName = QStringLiteral("App");
  QDialog* first = nullptr;
  ExecuteAndInspect(about, [&](QDialog* box) { first = box; });
  QPointer<QDialog> firstBox(first);
  ExecuteAndInspect(about, [&](QDialog* box) {
    QCOMPARE(Label(box, "NameLabel")->text(), QStringLiteral("App"));
    QCOMPARE(CountTopLevel("AboutBox"), firstBox ? 2 : 1);
  });
  Settle();
  QCOMPARE(CountTopLevel("AboutBox"), 0);
  QCOMPARE(about.FAppName, QStringLiteral("App"));
}

// Installed, the icon comes at 16 to 256 px from the icon theme: the window's icon has them
// all, not the 32 px picture beside the program stretched.
void AboutDialogTest::windowIconTakesEverySizeOfTheIconTheme() {
  ProgramFolder folder;
  favpage::test::WriteBytes(
      folder.Host("favpage.png"),
      favpage::test::ReadBytes(std::filesystem::path(FAVPAGE_DATA_DIR) / "favpage.png"));
  const QString icons = QString::fromStdString(folder.Host("icons").string());
  const QString theme = icons + QStringLiteral("/hicolor");
  std::filesystem::create_directories(folder.Host("icons/hicolor"));
  QString directories;
  QString sections;
  for (int size : {16, 64, 256}) {
    const QString dir = QStringLiteral("%1x%1/apps").arg(size);
    std::filesystem::create_directories(folder.Host(("icons/hicolor/" + dir).toStdString()));
    QPixmap picture(size, size);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(theme + QLatin1Char('/') + dir + QStringLiteral("/favpage.png")));
    directories += (directories.isEmpty() ? QString() : QStringLiteral(",")) + dir;
    sections += QStringLiteral("[%1]\nSize=%2\nType=Fixed\n").arg(dir).arg(size);
  }
  favpage::test::WriteBytes(
      folder.Host("icons/hicolor/index.theme"),
      ("[Icon Theme]\nName=hicolor\nDirectories=" + directories + "\n" + sections).toStdString());
  const QStringList paths = QIcon::themeSearchPaths();
  const QString name = QIcon::themeName();
  QIcon::setThemeSearchPaths({icons});
  QIcon::setThemeName(QStringLiteral("hicolor"));
  auto window = StartWindow(folder);
  const QList<QSize> sizes = window->windowIcon().availableSizes();
  QIcon::setThemeSearchPaths(paths);
  QIcon::setThemeName(name);
  for (int size : {16, 64, 256})
    QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
  // The About box keeps its 32 px picture.
  TAboutDialog& about = *window->findChild<TAboutDialog*>(QStringLiteral("AboutDialog1"));
  QCOMPARE(about.FIcon.availableSizes(), QList<QSize>{QSize(32, 32)});
}

FAVPAGE_UI_TEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"

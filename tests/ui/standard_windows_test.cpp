// The windows the toolkit builds for the program: its standard texts in Japanese, the
// proportional Japanese face in every box and dialog, and boxes whose whole frame stays
// where they are placed when the frame size changes after showing.
#include <QApplication>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "ui/qt/placement.h"
#include "ui/qt/progress_window.h"
#include "ui_test_support.h"

using namespace favpage::uitest;
using favpage::ui::CentredIn;

class StandardWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void standardTextsAreJapanese_data();
  void standardTextsAreJapanese();
  void everyWindowShowsTheProportionalFace_data();
  void everyWindowShowsTheProportionalFace();
  void centredFrame_data();
  void centredFrame();
  void placedFrameFollowsItsSizeButNotTheUser();
};

void StandardWindowsTest::standardTextsAreJapanese_data() {
  QTest::addColumn<QString>("context");
  QTest::addColumn<QString>("source");
  QTest::newRow("button Cancel") << U("QPlatformTheme") << U("Cancel");
  QTest::newRow("button Save") << U("QPlatformTheme") << U("Save");
  QTest::newRow("file dialog Look in") << U("QFileDialog") << U("Look in:");
  QTest::newRow("file dialog Save As") << U("QFileDialog") << U("Save As");
  QTest::newRow("file dialog File name") << U("QFileDialog") << U("File &name:");
}

void StandardWindowsTest::standardTextsAreJapanese() {
  QFETCH(QString, context);
  QFETCH(QString, source);
  const QString shown =
      QCoreApplication::translate(context.toLatin1().constData(), source.toLatin1().constData());
  QVERIFY2(shown != source, qPrintable(shown));
  const bool japanese =
      std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.unicode() >= 0x3000; });
  QVERIFY2(japanese, qPrintable(shown));
}

void StandardWindowsTest::everyWindowShowsTheProportionalFace_data() {
  QTest::addColumn<QString>("window");
  QTest::newRow("message box") << U("message box");
  QTest::newRow("file dialog") << U("file dialog");
  QTest::newRow("progress label") << U("progress label");
}

void StandardWindowsTest::everyWindowShowsTheProportionalFace() {
  QFETCH(QString, window);
  QString family;
  auto labelFace = [&family](const QWidget& parent) {
    const auto* label = parent.findChild<QLabel*>();
    QVERIFY(label != nullptr);
    family = QFontInfo(label->font()).family();
  };
  if (window == U("message box")) {
    QMessageBox box(QMessageBox::Critical, U("エラー"), U("テキスト"), QMessageBox::Ok);
    labelFace(box);
  } else if (window == U("file dialog")) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    labelFace(dialog);
  } else {
    QWidget main;
    const favpage::ui::ProgressWindow progress = favpage::ui::ShowProgressWindow(&main);
    family = QFontInfo(progress.WorkLabel->font()).family();
    delete progress.WorkForm;
  }
  QCOMPARE(family, U("IPAPGothic"));
}

void StandardWindowsTest::centredFrame_data() {
  QTest::addColumn<QRect>("area");
  QTest::addColumn<QSize>("outer");
  QTest::addColumn<QPoint>("expected");
  QTest::newRow("even") << QRect(0, 0, 1024, 768) << QSize(320, 140) << QPoint(352, 314);
  QTest::newRow("odd difference") << QRect(0, 0, 1024, 768) << QSize(261, 105) << QPoint(381, 331);
  QTest::newRow("area off the origin")
      << QRect(100, 50, 400, 300) << QSize(200, 100) << QPoint(200, 150);
  QTest::newRow("larger than the area")
      << QRect(0, 0, 100, 100) << QSize(103, 105) << QPoint(-1, -2);
}

void StandardWindowsTest::centredFrame() {
  QFETCH(QRect, area);
  QFETCH(QSize, outer);
  QFETCH(QPoint, expected);
  QCOMPARE(CentredIn(area, outer), expected);
}

void StandardWindowsTest::placedFrameFollowsItsSizeButNotTheUser() {
  QWidget box(nullptr, Qt::Dialog);
  box.resize(200, 100);
  box.winId();
  favpage::ui::KeepCentredOnScreen(&box);
  box.show();
  QVERIFY(QTest::qWaitForWindowExposed(&box));
  const QPoint screenCentre = box.screen()->geometry().center();
  auto offCentre = [&] { return (box.frameGeometry().center() - screenCentre).manhattanLength(); };
  QVERIFY(offCentre() <= 2);

  box.resize(400, 300);  // as a window manager's frame or the box's own layout would
  QTRY_VERIFY(offCentre() <= 2);

  box.move(10, 20);  // the user moves it: it stays
  QCoreApplication::processEvents();
  QCOMPARE(box.frameGeometry().topLeft(), QPoint(10, 20));
}

FAVPAGE_UI_TEST_MAIN(StandardWindowsTest)
#include "standard_windows_test.moc"

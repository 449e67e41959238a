// The preview's browser engine is made only after the window's first paint: the window
// shows the right preview once the engine is up, whatever the user did before, and a
// window closed before then keeps every setting and ends cleanly.
#include <QComboBox>
#include <QRegularExpression>
#include <QWebEngineView>
#include <memory>
#include <optional>

#include "ui/qt/preview_engine.h"
#include "ui/qt/preview_pane.h"
#include "ui_test_support.h"

using namespace favpage;
using namespace favpage::uitest;

namespace {

QUrl SampleUrl(const ProgramFolder& folder) {
  return QUrl::fromLocalFile(QString::fromStdString(folder.Host("sample.html").string()));
}

// The window started and shown, its events not yet processed: nothing has been painted.
std::unique_ptr<ui::TPlatform> ShownUnpainted(const ProgramFolder& folder) {
  auto window = std::make_unique<ui::TPlatform>(folder.ExePath());
  if (!window->Start()) qFatal("start-up closed the window");
  window->show();
  return window;
}

std::string SampleWithStyle(int sheet) {
  return std::string(kTopTemplate) + "<link href=\"mirelstyle" + std::to_string(sheet) +
         ".css\" rel=\"stylesheet\" type=\"text/css\">\r\n" + kBottomTemplate;
}

// The text colour the view's page gives its body: each test sheet has its own.
QString BodyColour(QWebEngineView* view) {
  // Shared with the callback, which may answer after a wait that gave up.
  auto colour = std::make_shared<std::optional<QString>>();
  view->page()->runJavaScript(QStringLiteral("getComputedStyle(document.body).color"),
                              [colour](const QVariant& value) { *colour = value.toString(); });
  if (!QTest::qWaitFor([colour] { return colour->has_value(); }, 5000)) return {};
  return **colour;
}

}  // namespace

class PreviewPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TakeMessages(); }
  void engineComesAfterTheFirstPaintWithThePreviewAlreadyChosen();
  void styleChosenBeforeTheEngineIsShownOnceItIsUp();
  void windowClosedBeforeTheEngineKeepsItsSettings();
  void paneAloneTakesTheLastPageItWasGiven();
  void unpaintedPaneStillGetsItsEngine();
  void focusMovesToTheViewWhenItArrives();
  void windowWorksOnWhenTheEngineCannotStart();
};

void PreviewPaneTest::engineComesAfterTheFirstPaintWithThePreviewAlreadyChosen() {
  ProgramFolder folder;
  auto window = ShownUnpainted(folder);
  auto* pane = Find<ui::PreviewPane>(*window, "WebBrowser1");
  QCOMPARE(pane->View(), nullptr);
  QCOMPARE(pane->Url(), SampleUrl(folder));  // start-up has chosen it already
  QWebEngineView* view = PreviewView(*window);
  QCOMPARE(view->parentWidget(), pane);
  QCOMPARE(view->url(), SampleUrl(folder));
  QCOMPARE(pane->Url(), SampleUrl(folder));
  QTRY_COMPARE(view->size(), pane->size());  // it fills the pane
  QVERIFY(TakeMessages().empty());
}

void PreviewPaneTest::styleChosenBeforeTheEngineIsShownOnceItIsUp() {
  ProgramFolder folder;
  auto window = ShownUnpainted(folder);
  auto* combo = Find<QComboBox>(*window, "ComboBox1");
  emit combo->activated(3);  // as the user's choice is reported
  QCOMPARE(window->Presenter().State().StyleType, 3);
  QCOMPARE(test::ReadBytes(folder.Host("sample.html")), SampleWithStyle(2));
  QCOMPARE(Find<ui::PreviewPane>(*window, "WebBrowser1")->View(), nullptr);

  QWebEngineView* view = PreviewView(*window);
  QCOMPARE(view->url(), SampleUrl(folder));
  // The view shows the page as it is now, with the chosen sheet (#002).
  QTRY_COMPARE_WITH_TIMEOUT(BodyColour(view), QStringLiteral("rgb(0, 0, 34)"), 10000);
  QCOMPARE(window->Presenter().State().StyleType, 3);

  // And follows a later choice (#001).
  emit combo->activated(2);
  QCOMPARE(test::ReadBytes(folder.Host("sample.html")), SampleWithStyle(1));
  QTRY_COMPARE_WITH_TIMEOUT(BodyColour(view), QStringLiteral("rgb(0, 0, 17)"), 10000);
}

void PreviewPaneTest::windowClosedBeforeTheEngineKeepsItsSettings() {
  ProgramFolder folder;
  {
    auto window = ShownUnpainted(folder);
    emit Find<QComboBox>(*window, "ComboBox1")->activated(2);
    QVERIFY(window->close());
    // The closed window never starts the engine, though its start was due.
    QTest::qWait(1200);
    QCOMPARE(Find<ui::PreviewPane>(*window, "WebBrowser1")->View(), nullptr);
  }
  Settle();
  QCOMPARE(folder.Setting("StyleType"), std::string("2"));
  QVERIFY(TakeMessages().empty());

  // The next start shows the stored choice.
  auto window = StartWindow(folder);
  QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->currentIndex(), 2);
  QCOMPARE(PreviewView(*window)->url(), SampleUrl(folder));
  QCOMPARE(test::ReadBytes(folder.Host("sample.html")), SampleWithStyle(1));
}

void PreviewPaneTest::paneAloneTakesTheLastPageItWasGiven() {
  ui::PreviewPane pane;
  const QUrl first = QUrl::fromLocalFile(QStringLiteral("/nowhere/first.html"));
  const QUrl second = QUrl::fromLocalFile(QStringLiteral("/nowhere/second.html"));
  pane.Show(first);
  pane.Show(second);
  QCOMPARE(pane.Url(), second);
  QCOMPARE(pane.View(), nullptr);
  pane.CreateEngine();
  QWidget* view = pane.View();
  QVERIFY(view != nullptr);
  QCOMPARE(qobject_cast<QWebEngineView*>(view)->url(), second);
  pane.CreateEngine();  // made once
  QCOMPARE(pane.View(), view);
  QCOMPARE(pane.findChildren<QWebEngineView*>().size(), 1);
  pane.Show(first);
  QCOMPARE(qobject_cast<QWebEngineView*>(view)->url(), first);
  QCOMPARE(pane.Url(), first);
}

void PreviewPaneTest::unpaintedPaneStillGetsItsEngine() {
  // Shown but never asked to paint (its updates are off): the engine comes all the same.
  QWidget window;
  auto* pane = new ui::PreviewPane(&window);
  pane->setUpdatesEnabled(false);
  pane->Show(QUrl::fromLocalFile(QStringLiteral("/nowhere/page.html")));
  window.show();
  QTRY_VERIFY_WITH_TIMEOUT(pane->View() != nullptr, 5000);
  QCOMPARE(pane->Url(), QUrl::fromLocalFile(QStringLiteral("/nowhere/page.html")));
}

void PreviewPaneTest::focusMovesToTheViewWhenItArrives() {
  QWidget window;
  auto* pane = new ui::PreviewPane(&window);
  pane->resize(200, 100);
  QCOMPARE(pane->focusPolicy(), Qt::StrongFocus);  // the tab stop until the view comes
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  pane->setFocus();
  QVERIFY(pane->hasFocus() || pane->View() != nullptr);
  pane->CreateEngine();
  QCOMPARE(pane->focusPolicy(), Qt::NoFocus);
  QCOMPARE(pane->focusProxy(), pane->View());
  QTRY_VERIFY(pane->View()->hasFocus() || pane->View()->isAncestorOf(QApplication::focusWidget()));
}

// Without its engine's module the pane stays empty and keeps its tab stop and what it was
// told to show; the program says why once, and the window works on.
void PreviewPaneTest::windowWorksOnWhenTheEngineCannotStart() {
  ProgramFolder folder;
  ui::UsePreviewEngineFrom(QString::fromStdString(folder.Host("no-engine-here").string()));
  QTest::ignoreMessage(QtWarningMsg,
                       QRegularExpression(QStringLiteral("^favpage: the style preview cannot "
                                                         "start: .*favpage_preview_engine")));
  auto window = ShownUnpainted(folder);
  auto* pane = Find<ui::PreviewPane>(*window, "WebBrowser1");
  pane->CreateEngine();
  pane->CreateEngine();  // tried once: no second message
  ui::UsePreviewEngineFrom(QString());
  QCOMPARE(pane->View(), nullptr);
  QCOMPARE(pane->focusPolicy(), Qt::StrongFocus);
  QCOMPARE(pane->Url(), SampleUrl(folder));
  emit Find<QComboBox>(*window, "ComboBox1")->activated(2);
  QTest::qWait(50);
  QCOMPARE(pane->View(), nullptr);
  QVERIFY(TakeMessages().empty());
}

FAVPAGE_UI_TEST_MAIN(PreviewPaneTest)
#include "preview_pane_test.moc"

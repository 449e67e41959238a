// The enabling panel: its enabled state reaches every control inside it, through nested
// panels and group boxes, and with UpdateParent its parent too.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/qt/panel_ex.h"
#include "ui_test_support.h"

using favpage::ui::TPanelEx;

class PanelExTest : public QObject {
  Q_OBJECT

 private slots:
  void cascadesThroughNestedContainers();
  void reenablesChildrenDisabledOnTheirOwn();
  void updateParentCarriesTheStateUp();
  void disabledWithItsParentKeepsOwnState();
  void givesUpFocusWhenDisabled();
};

namespace {

struct Tree {
  QWidget window;
  TPanelEx* outer = new TPanelEx(&window);
  QLabel* label = new QLabel("label", outer);
  QLineEdit* edit = new QLineEdit(outer);
  QFrame* plain = new QFrame(outer);
  QLineEdit* inPlain = new QLineEdit(plain);
  QGroupBox* group = new QGroupBox("group", outer);
  TPanelEx* inner = new TPanelEx(group);
  QLineEdit* inInner = new QLineEdit(inner);

  QList<QWidget*> Inside() const { return {label, edit, plain, inPlain, group, inner, inInner}; }
};

}  // namespace

void PanelExTest::cascadesThroughNestedContainers() {
  Tree tree;
  tree.outer->setEnabled(false);
  for (QWidget* w : tree.Inside())
    QVERIFY2(!w->isEnabled(), qPrintable(w->metaObject()->className()));
  tree.outer->setEnabled(true);
  for (QWidget* w : tree.Inside())
    QVERIFY2(w->isEnabled(), qPrintable(w->metaObject()->className()));
}

void PanelExTest::reenablesChildrenDisabledOnTheirOwn() {
  // The cascade sets every child to the panel's state, as the panel's own state decides.
  Tree tree;
  tree.edit->setEnabled(false);
  tree.inInner->setEnabled(false);
  tree.outer->setEnabled(false);
  tree.outer->setEnabled(true);
  QVERIFY(tree.edit->isEnabled());
  QVERIFY(tree.inInner->isEnabled());
}

void PanelExTest::updateParentCarriesTheStateUp() {
  QWidget window;
  auto* group = new QGroupBox("group", &window);
  auto* sibling = new QLineEdit(group);
  auto* panel = new TPanelEx(group);
  auto* edit = new QLineEdit(panel);
  panel->SetUpdateParent(true);
  QCOMPARE(panel->property("UpdateParent").toBool(), true);

  panel->setEnabled(false);
  QVERIFY(!group->isEnabled());
  QVERIFY(!sibling->isEnabled());
  QVERIFY(!edit->isEnabled());
  QVERIFY(window.isEnabled());

  // Enabled again, it takes its parent back with it.
  panel->setEnabled(true);
  QVERIFY(group->isEnabled());
  QVERIFY(sibling->isEnabled());
  QVERIFY(edit->isEnabled());

  // Without UpdateParent the parent keeps its state.
  QWidget other;
  auto* otherGroup = new QGroupBox("group", &other);
  auto* plainPanel = new TPanelEx(otherGroup);
  QCOMPARE(plainPanel->UpdateParent(), false);
  plainPanel->setEnabled(false);
  QVERIFY(otherGroup->isEnabled());
}

void PanelExTest::disabledWithItsParentKeepsOwnState() {
  // Disabled only because its parent is: enabling the parent brings everything back.
  QWidget window;
  auto* holder = new QWidget(&window);
  auto* panel = new TPanelEx(holder);
  auto* edit = new QLineEdit(panel);
  holder->setEnabled(false);
  QVERIFY(!edit->isEnabled());
  holder->setEnabled(true);
  QVERIFY(panel->isEnabled());
  QVERIFY(edit->isEnabled());
}

void PanelExTest::givesUpFocusWhenDisabled() {
  QWidget window;
  auto* outside = new QLineEdit(&window);
  auto* panel = new TPanelEx(&window);
  auto* edit = new QLineEdit(panel);
  panel->move(0, 40);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  QVERIFY(edit->hasFocus());
  panel->setEnabled(false);
  QVERIFY(!edit->hasFocus());
  Q_UNUSED(outside);
}

FAVPAGE_UI_TEST_MAIN(PanelExTest)
#include "panel_ex_test.moc"

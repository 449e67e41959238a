#include "ui/qt/panel_ex.h"

#include <QEvent>
#include <QGroupBox>

namespace favpage::ui {
namespace {

bool IsContainer(const QWidget* widget) {
  return widget->metaObject() == &QFrame::staticMetaObject ||
         qobject_cast<const TPanelEx*>(widget) != nullptr ||
         qobject_cast<const QGroupBox*>(widget) != nullptr;
}

}  // namespace

TPanelEx::TPanelEx(QWidget* parent) : QFrame(parent) { setFrameShape(QFrame::NoFrame); }

void TPanelEx::EnableChildren(QWidget* container, bool state) {
  for (QObject* object : container->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child == nullptr || child->isWindow()) continue;
    // A child whose state changes here gets its own notification, so a nested TPanelEx
    // runs its own cascade before this one descends into it.
    child->setEnabled(state);
    if (qobject_cast<QGroupBox*>(child) != nullptr) child->update();
    if (IsContainer(child)) EnableChildren(child, state);
  }
}

void TPanelEx::setEnabled(bool enable) {
  QFrame::setEnabled(enable);
  QWidget* parent = parentWidget();
  if (enable && updateParent_ && !isEnabled() && !isWindow() && parent != nullptr) {
    parent->setEnabled(true);
  }
}

void TPanelEx::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  if (event->type() != QEvent::EnabledChange) return;
  const bool state = isEnabled();
  // Disabled along with a disabled parent rather than by itself: the toolkit disables the
  // children with it and enables them again with the parent, so there is nothing to pass on.
  if (!state && !testAttribute(Qt::WA_ForceDisabled)) return;
  if (updateParent_ && parentWidget() != nullptr) {
    parentWidget()->setEnabled(state);
    if (qobject_cast<QGroupBox*>(parentWidget()) != nullptr) parentWidget()->update();
  }
  EnableChildren(this, state);
}

}  // namespace favpage::ui

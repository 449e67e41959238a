#include "ui/anchors.h"

#include <QEvent>
#include <QResizeEvent>
#include <QWidget>

namespace favpage::ui {

void Anchors::Add(QWidget* control, unsigned anchors) {
  QWidget* parent = control->parentWidget();
  auto [it, inserted] = byParent_.try_emplace(parent);
  if (inserted) parent->installEventFilter(this);
  it->second.push_back({control, anchors, control->geometry(), parent->size()});
}

bool Anchors::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    auto it = byParent_.find(watched);
    if (it != byParent_.end()) {
      for (const Entry& entry : it->second) Apply(entry, size);
    }
  }
  return QObject::eventFilter(watched, event);
}

void Anchors::Apply(const Entry& entry, QSize parentSize) const {
  const int dw = parentSize.width() - entry.parentLaidOut.width();
  const int dh = parentSize.height() - entry.parentLaidOut.height();
  QRect r = entry.laidOut;
  const bool left = entry.anchors & kAnchorLeft;
  const bool right = entry.anchors & kAnchorRight;
  const bool top = entry.anchors & kAnchorTop;
  const bool bottom = entry.anchors & kAnchorBottom;
  if (left && right) {
    r.setWidth(r.width() + dw);
  } else if (right) {
    r.moveLeft(r.left() + dw);
  }
  if (top && bottom) {
    r.setHeight(r.height() + dh);
  } else if (bottom) {
    r.moveTop(r.top() + dh);
  }
  entry.control->setGeometry(r);
}

}  // namespace favpage::ui

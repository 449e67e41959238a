#include "ui/qt/anchors.h"

#include <QEvent>
#include <QResizeEvent>
#include <QWidget>

#include "ui/presenter/main_layout.h"

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
  const QRect& r = entry.laidOut;
  const layout::Rect at =
      layout::Anchored({r.x(), r.y(), r.width(), r.height()}, entry.anchors,
                       {entry.parentLaidOut.width(), entry.parentLaidOut.height()},
                       {parentSize.width(), parentSize.height()});
  entry.control->setGeometry(at.left, at.top, at.width, at.height);
}

}  // namespace favpage::ui

#include "ui/placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace favpage::ui {
namespace {

class Placer : public QObject {
 public:
  Placer(QWidget* window, std::function<QPoint()> place)
      : QObject(window), window_(window), place_(std::move(place)) {
    window->installEventFilter(this);
    Apply();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    // A window manager frames the window after it is mapped without moving or resizing
    // it: the first activation and paint after that are where its frame becomes known.
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowActivate:
      case QEvent::Paint:
        if (window_->frameGeometry().size() != placedFor_) Apply();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Apply() {
    placedFor_ = window_->frameGeometry().size();
    const QPoint target = place_();
    if (window_->frameGeometry().topLeft() != target) window_->move(target);
  }

  QWidget* window_;
  std::function<QPoint()> place_;
  QSize placedFor_;
};

}  // namespace

QPoint CentredIn(const QRect& area, const QSize& outer) {
  return {area.left() + (area.width() - outer.width()) / 2,
          area.top() + (area.height() - outer.height()) / 2};
}

void KeepPlaced(QWidget* window, std::function<QPoint()> place) {
  new Placer(window, std::move(place));
}

void KeepCentredOnScreen(QWidget* window) {
  KeepPlaced(window, [window] {
    return CentredIn(window->screen()->geometry(), window->frameGeometry().size());
  });
}

}  // namespace favpage::ui

#include "ui/qt/placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include "ui/presenter/main_layout.h"

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
  const layout::Point at = layout::CenterInControl(
      {area.left(), area.top(), area.width(), area.height()}, {outer.width(), outer.height()});
  return {at.x, at.y};
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

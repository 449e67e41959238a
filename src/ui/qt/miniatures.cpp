#include "ui/qt/miniatures.h"

#include <QPainter>

namespace favpage::ui {
namespace {

constexpr QSize kSize(64, 48);
// Painted at twice their size, so they stay sharp on a screen scaled to 150 % or 200 %;
// at 100 % Qt shows them halved.
constexpr qreal kPixelRatio = 2;
const QColor kLightGreen(0xCC, 0xFF, 0xCC);
const QColor kDarkGreen(0x00, 0x66, 0x33);
const QColor kDarkBlue(0x00, 0x00, 0x80);
const QColor kRed(0xE0, 0x00, 0x00);

// Text is too small to read at this size; a short bar stands for a name.
void NameBar(QPainter& p, int x, int y, int width, const QColor& color) {
  p.fillRect(x, y, width, 2, color);
}

void LinkPage(QPainter& p, const QRect& frame, int links) {
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(frame);
  for (int i = 0; i < links; ++i)
    NameBar(p, frame.left() + 3, frame.top() + 3 + i * 4, 10, kDarkBlue);
}

// An empty picture of kSize in logical pixels, kPixelRatio device pixels to each.
QPixmap Canvas() {
  QPixmap pixmap(kSize * kPixelRatio);
  pixmap.setDevicePixelRatio(kPixelRatio);
  return pixmap;
}

}  // namespace

QPixmap OnePageMiniature() {
  QPixmap pixmap = Canvas();
  pixmap.fill(kLightGreen);
  QPainter p(&pixmap);
  NameBar(p, 20, 4, 24, Qt::black);  // the page title
  for (int section = 0; section < 2; ++section) {
    const int top = 12 + section * 17;
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkBlue);
    p.drawEllipse(QPoint(8, top + 1), 2, 2);
    NameBar(p, 13, top, 22, kDarkBlue);      // the folder heading
    NameBar(p, 17, top + 5, 30, kDarkBlue);  // two links
    NameBar(p, 17, top + 10, 26, kDarkBlue);
  }
  return pixmap;
}

QPixmap FolderTreeMiniature() {
  QPixmap pixmap = Canvas();
  pixmap.fill(kDarkGreen);
  QPainter p(&pixmap);
  const QRect folders(4, 6, 22, 35);
  const QRect upper(40, 4, 20, 18);
  const QRect lower(40, 26, 20, 18);
  p.setPen(QPen(kRed, 1));
  p.drawLine(folders.right(), folders.top() + 8, upper.left(), upper.center().y());
  p.drawLine(folders.right(), folders.top() + 16, lower.left(), lower.center().y());
  p.setPen(Qt::black);
  p.setBrush(kLightGreen);
  p.drawRect(folders);
  for (int i = 0; i < 4; ++i)
    NameBar(p, folders.left() + 4, folders.top() + 6 + i * 7, 14, kDarkBlue);
  LinkPage(p, upper, 3);
  LinkPage(p, lower, 3);
  return pixmap;
}

}  // namespace favpage::ui

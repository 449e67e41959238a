#include "ui/qt/status_bar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>

#include "ui/presenter/run_status.h"

namespace favpage::ui {

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent), line_(new QLabel(this)) {
  line_->setObjectName(QStringLiteral("StatusText"));
  // The bar is as high as laid out: the line keeps no margins of its own, so the text is
  // never cut at the window's bottom edge.
  line_->setContentsMargins(0, 0, 0, 0);
  line_->setMinimumWidth(0);
  line_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setContentsMargins(0, 0, 0, 0);
  addWidget(line_, 1);
}

void TStatusBar::SetText(const QString& text) {
  text_ = text;
  setToolTip(text);
  Fit();
}

QString TStatusBar::ShownText() const { return line_->text(); }

void TStatusBar::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  Fit();
}

void TStatusBar::Fit() {
  const QFontMetrics metrics(line_->font());
  const int room = line_->width() - 2 * metrics.averageCharWidth();
  if (metrics.horizontalAdvance(text_) <= room) {
    line_->setText(text_);
    return;
  }
  const std::string whole = text_.toStdString();
  const auto [summary, path] = SplitStatus(whole);
  const QString head = QString::fromUtf8(summary.data(), static_cast<qsizetype>(summary.size()));
  const QString tail = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
  line_->setText(head + metrics.elidedText(tail, Qt::ElideMiddle,
                                           std::max(0, room - metrics.horizontalAdvance(head))));
}

}  // namespace favpage::ui

#include "ui/qt/preview_pane.h"

#include <QTimer>
#include <QVBoxLayout>
#include <QtGlobal>

#include "ui/qt/preview_engine.h"

namespace favpage::ui {
namespace {

// A pane that is shown but never painted (its window covered, or on a screen that does not
// draw) still gets its engine after this long.
constexpr int kLatestEngineStartMs = 1000;

}  // namespace

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent) {
  // The tab stop until the engine's view takes it.
  setFocusPolicy(Qt::StrongFocus);
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->setSpacing(0);
}

void PreviewPane::Show(const QUrl& url) {
  if (view_ != nullptr) {
    view_->setProperty("url", url);
  } else {
    pending_ = url;
  }
}

QUrl PreviewPane::Url() const {
  return view_ != nullptr ? view_->property("url").toUrl() : pending_;
}

void PreviewPane::CreateEngine() {
  if (view_ != nullptr || engineFailed_) return;
  QString error;
  view_ = MakePreviewView(this, &error);
  if (view_ == nullptr) {
    // The window works on without its preview; the pane stays empty.
    engineFailed_ = true;
    qWarning("favpage: the style preview cannot start: %s", qUtf8Printable(error));
    return;
  }
  view_->setObjectName(objectName() + QStringLiteral("View"));
  layout()->addWidget(view_);
  // The view is the tab stop from now on, in the pane's place.
  const bool hadFocus = hasFocus();
  setFocusProxy(view_);
  setFocusPolicy(Qt::NoFocus);
  if (hadFocus) view_->setFocus();
  if (!pending_.isEmpty()) view_->setProperty("url", pending_);
  pending_ = QUrl();
  emit EngineCreated(view_);
}

// The first paint means the window is on the screen: the engine is made right after it,
// once the painted window has gone out to the screen.
void PreviewPane::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  ScheduleEngine();
}

void PreviewPane::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (view_ == nullptr) QTimer::singleShot(kLatestEngineStartMs, this, [this] { StartIfShown(); });
}

void PreviewPane::ScheduleEngine() {
  if (scheduled_ || view_ != nullptr) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] { StartIfShown(); });
}

// A window closed before its time (it is hidden, then ends) never starts the engine.
void PreviewPane::StartIfShown() {
  if (isVisible()) CreateEngine();
}

}  // namespace favpage::ui

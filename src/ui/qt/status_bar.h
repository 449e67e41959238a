// StatusBar1's Qt widget: one line of text, whole when it fits; otherwise its path is
// shortened in the middle, never the summary before it, and the whole text is the tooltip.
#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

namespace favpage::ui {

class TStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit TStatusBar(QWidget* parent);

  // The whole text, as the presenter gave it.
  void SetText(const QString& text);
  QString Text() const { return text_; }
  // What the bar shows at its present width.
  QString ShownText() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();

  QString text_;
  QLabel* line_;
};

}  // namespace favpage::ui

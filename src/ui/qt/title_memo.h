// The title edit: a multi-line edit that wraps words at its width and reports its display
// lines, the lines the pages use as their title and heading.
#pragma once

#include <QTextEdit>

namespace favpage::ui {

class TitleMemo : public QTextEdit {
  Q_OBJECT
 public:
  explicit TitleMemo(QWidget* parent = nullptr);

  // The display lines, wrapped pieces counted one by one; a last empty line is not
  // counted, so an empty edit has none.
  int DisplayLineCount();
  QString DisplayLine(int index);

  // The whole text with the typed or loaded line breaks only, as "\n".
  QString WholeText() const { return toPlainText(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The wrap width follows the widget's own geometry, which a hidden widget already has
  // before its first resize event.
  void SyncWrapWidth();
};

}  // namespace favpage::ui

#include "ui/title_memo.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace favpage::ui {

TitleMemo::TitleMemo(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setTabChangesFocus(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setLineWrapMode(QTextEdit::FixedPixelWidth);
  document()->setDocumentMargin(2);
}

void TitleMemo::resizeEvent(QResizeEvent* event) {
  QTextEdit::resizeEvent(event);
  SyncWrapWidth();
}

void TitleMemo::SyncWrapWidth() {
  const int width = contentsRect().width();
  if (lineWrapColumnOrWidth() != width) setLineWrapColumnOrWidth(width);
}

int TitleMemo::DisplayLineCount() {
  SyncWrapWidth();
  QAbstractTextDocumentLayout* layout = document()->documentLayout();
  int count = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    layout->blockBoundingRect(block);  // lays the block out if it is not yet
    const bool lastAndEmpty = !block.next().isValid() && block.length() <= 1;
    if (!lastAndEmpty) count += std::max(1, block.layout()->lineCount());
  }
  return count;
}

QString TitleMemo::DisplayLine(int index) {
  SyncWrapWidth();
  QAbstractTextDocumentLayout* layout = document()->documentLayout();
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    layout->blockBoundingRect(block);
    const int lines = std::max(1, block.layout()->lineCount());
    if (index < lines) {
      if (block.layout()->lineCount() == 0) return QString();
      const QTextLine line = block.layout()->lineAt(index);
      return block.text().mid(line.textStart(), line.textLength());
    }
    index -= lines;
  }
  return QString();
}

}  // namespace favpage::ui

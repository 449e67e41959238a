#include "ui/qt/title_memo.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace favpage::ui {
namespace {

// A display line as the whole text has it: a soft line break (Shift+Enter) ends its line
// without being a character of it, and a no-break space is a plain space.
QString AsPlainText(QString line) {
  line.remove(QChar::LineSeparator);
  line.replace(QChar::Nbsp, QLatin1Char(' '));
  return line;
}

}  // namespace

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
    count += std::max(1, block.layout()->lineCount());
  }
  // A last line that is empty does not count: after a last line break (typed with or
  // without Shift), and in an empty edit.
  const QTextLayout* last = document()->lastBlock().layout();
  if (last->lineCount() == 0 || last->lineAt(last->lineCount() - 1).textLength() == 0) --count;
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
      return AsPlainText(block.text().mid(line.textStart(), line.textLength()));
    }
    index -= lines;
  }
  return QString();
}

}  // namespace favpage::ui

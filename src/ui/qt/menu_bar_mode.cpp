#include "ui/qt/menu_bar_mode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QToolButton>

namespace favpage::ui {

MenuBarMode::MenuBarMode(QWidget* window, QList<QToolButton*> buttons)
    : QObject(window), window_(window), buttons_(std::move(buttons)) {
  qApp->installEventFilter(this);
}

bool MenuBarMode::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  const bool release = event->type() == QEvent::KeyRelease;
  auto* widget = qobject_cast<QWidget*>(watched);
  if ((!press && !release) || widget == nullptr || widget->window() != window_) return false;

  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->isAutoRepeat()) return active_;
  if (press) {
    // Alt starts a possible menu-mode toggle; any other key in between cancels it.
    altAlone_ = key->key() == Qt::Key_Alt && (key->modifiers() & ~Qt::AltModifier) == 0;
    return active_ && key->key() != Qt::Key_Alt && HandleMenuKey(key->key());
  }
  if (key->key() == Qt::Key_Alt && altAlone_) {
    altAlone_ = false;
    active_ ? Leave() : Enter();
    return true;
  }
  return false;
}

bool MenuBarMode::HandleMenuKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      Highlight((current_ + buttons_.size() - 1) % buttons_.size());
      return true;
    case Qt::Key_Right:
      Highlight((current_ + 1) % buttons_.size());
      return true;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      DropMenu(buttons_[current_]);
      return true;
    case Qt::Key_Escape:
      Leave();
      return true;
    default:
      break;
  }
  // A button's access letter drops its menu, as Alt with the letter does.
  for (QToolButton* button : buttons_) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
    if (!mnemonic.isEmpty() && mnemonic[0].key() == static_cast<Qt::Key>(key)) {
      DropMenu(button);
      return true;
    }
  }
  Leave();
  return false;
}

void MenuBarMode::DropMenu(QToolButton* button) {
  Leave();
  // The menu runs its own loop; it starts once this key event is done with.
  QMetaObject::invokeMethod(button, &QToolButton::showMenu, Qt::QueuedConnection);
}

void MenuBarMode::Enter() {
  if (buttons_.isEmpty()) return;
  previousFocus_ = QApplication::focusWidget();
  active_ = true;
  Highlight(0);
}

void MenuBarMode::Leave() {
  if (!active_) return;
  active_ = false;
  for (QToolButton* button : buttons_) {
    button->setDown(false);
    button->setFocusPolicy(Qt::NoFocus);
  }
  if (previousFocus_) previousFocus_->setFocus(Qt::OtherFocusReason);
}

void MenuBarMode::Highlight(qsizetype index) {
  buttons_[current_]->setDown(false);
  current_ = index;
  QToolButton* button = buttons_[current_];
  // The button takes the focus for as long as the mode lasts, so the keys reach the
  // window and no edit types them; the pressed look marks it.
  button->setFocusPolicy(Qt::StrongFocus);
  button->setFocus(Qt::MenuBarFocusReason);
  button->setDown(true);
}

}  // namespace favpage::ui

// The tool bar that serves as the window's menu bar behaves like one from the keyboard:
// Alt pressed and released alone enters menu mode on the first button; Left and Right
// move between the buttons, Down, Enter or Space drop the menu, and Escape or Alt again
// give the focus back to the control that had it.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QToolButton;
class QWidget;

namespace favpage::ui {

class MenuBarMode : public QObject {
  Q_OBJECT
 public:
  // Watches the key events of `window`'s controls; `buttons` are the menu buttons.
  MenuBarMode(QWidget* window, QList<QToolButton*> buttons);

  bool active() const { return active_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HandleMenuKey(int key);
  void DropMenu(QToolButton* button);
  void Enter();
  void Leave();
  void Highlight(qsizetype index);

  QWidget* window_;
  QList<QToolButton*> buttons_;
  QPointer<QWidget> previousFocus_;
  qsizetype current_ = 0;
  bool altAlone_ = false;
  bool active_ = false;
};

}  // namespace favpage::ui

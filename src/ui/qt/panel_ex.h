// TPanelEx: a panel whose enabled state cascades to everything inside it, nested
// containers included, and optionally to its parent.
#pragma once

#include <QFrame>

namespace favpage::ui {

class TPanelEx : public QFrame {
  Q_OBJECT
  Q_PROPERTY(bool UpdateParent READ UpdateParent WRITE SetUpdateParent)

 public:
  explicit TPanelEx(QWidget* parent = nullptr);

  bool UpdateParent() const { return updateParent_; }
  void SetUpdateParent(bool value) { updateParent_ = value; }

  // Sets the enabled state of every child of `container`, first to last, descending into
  // the children that are containers themselves (plain panels, TPanelEx, group boxes).
  static void EnableChildren(QWidget* container, bool state);

 public slots:
  // The toolkit tells a widget only when its effective state changes, and keeps a child
  // of a disabled parent disabled: a panel that disabled its parent (UpdateParent) would
  // never hear that it is enabled again. Enabling it here enables that parent too, which
  // brings the panel back and runs its cascade. Call it through TPanelEx.
  void setEnabled(bool enable);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  bool updateParent_ = false;
};

}  // namespace favpage::ui

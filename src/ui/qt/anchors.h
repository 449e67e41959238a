// Anchoring of controls placed at fixed pixel positions: each anchored control keeps its
// recorded distances to the anchored edges of its parent when the parent is resized, by
// the layout's anchoring rule (layout::Anchored).
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <unordered_map>
#include <vector>

class QWidget;

namespace favpage::ui {

class Anchors : public QObject {
  Q_OBJECT
 public:
  explicit Anchors(QObject* owner) : QObject(owner) {}

  // Records the control's distances to its parent's edges as they are now; call it once
  // the control and its parent have their laid-out geometry. `anchors` are
  // layout::Anchor flags.
  void Add(QWidget* control, unsigned anchors);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QWidget* control;
    unsigned anchors;
    QRect laidOut;
    QSize parentLaidOut;
  };
  void Apply(const Entry& entry, QSize parentSize) const;

  std::unordered_map<QObject*, std::vector<Entry>> byParent_;
};

}  // namespace favpage::ui

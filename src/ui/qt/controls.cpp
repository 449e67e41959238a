#include "ui/qt/controls.h"

#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolButton>

#include "ui/qt/fonts.h"
#include "ui/qt/miniatures.h"
#include "ui/qt/panel_ex.h"
#include "ui/qt/preview_pane.h"
#include "ui/qt/status_bar.h"
#include "ui/qt/title_memo.h"
#include "ui/qt/ui_strings.h"

namespace favpage::ui {
namespace {

using layout::ControlRow;
using layout::Kind;

// A list's items are the same height, whatever the font asks for.
class FixedHeightItems : public QStyledItemDelegate {
 public:
  FixedHeightItems(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

// Runs `action` when a label is clicked, or when it has the focus and Enter or the space
// bar is pressed: a label with a command (the favorites label opens the source chooser)
// answers as a link would.
class LabelActivation : public QObject {
 public:
  LabelActivation(QLabel* label, std::function<void()> action)
      : QObject(label), action_(std::move(action)) {
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::StrongFocus);
    label->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      auto* label = static_cast<QWidget*>(watched);
      if (mouse->button() == Qt::LeftButton &&
          label->rect().contains(mouse->position().toPoint())) {
        action_();
        return true;
      }
    }
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        action_();
        return true;
      }
    }
    return false;
  }

 private:
  std::function<void()> action_;
};

QString Caption(const ControlRow& row) {
  return row.caption != nullptr ? Str(row.caption) : QString();
}

QToolButton* ToolButton(const ControlRow& row, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(Caption(row));
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setPopupMode(QToolButton::InstantPopup);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QFrame* BandEdge(QWidget* parent) {
  auto* edge = new QFrame(parent);
  edge->setFrameShape(QFrame::HLine);
  edge->setFrameShadow(QFrame::Sunken);
  return edge;
}

QLabel* Picture(const ControlRow& row, QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setPixmap(row.picture == layout::Picture::kOnePage ? OnePageMiniature()
                                                              : FolderTreeMiniature());
  return picture;
}

QPushButton* PushButton(const ControlRow& row, QWidget* parent) {
  auto* button = new QPushButton(Caption(row), parent);
  if (row.kind == Kind::kDefaultButton) {
    button->setDefault(true);
  } else {
    button->setAutoDefault(true);  // Enter on the focused button presses it
  }
  return button;
}

QComboBox* List(const ControlRow& row, QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (const char16_t* item : row.items) list->addItem(Str(item));
  list->setItemDelegate(new FixedHeightItems(layout::kListItemHeight, list));
  list->setCurrentIndex(-1);
  return list;
}

QScrollArea* ScrollBox(QWidget* parent) {
  auto* box = new QScrollArea(parent);
  box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setWidgetResizable(true);
  box->setFocusPolicy(Qt::NoFocus);  // the preview inside it is the tab stop
  return box;
}

QWidget* Preview(QWidget* parent) {
  auto* pane = new PreviewPane();
  if (auto* box = qobject_cast<QScrollArea*>(parent)) box->setWidget(pane);  // fills it
  return pane;
}

QWidget* Make(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case Kind::kBand:
      return new QFrame(parent);
    case Kind::kToolBar: {
      auto* bar = new QWidget(parent);
      bar->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
      return bar;
    }
    case Kind::kToolButton:
      return ToolButton(row, parent);
    case Kind::kBandEdge:
      return BandEdge(parent);
    case Kind::kStatusBar:
      return new TStatusBar(parent);
    case Kind::kGroup:
      return new QGroupBox(Caption(row), parent);
    case Kind::kLabel:
    case Kind::kFixedLabel:
      return new QLabel(Caption(row), parent);
    case Kind::kPicture:
      return Picture(row, parent);
    case Kind::kRadio: {
      auto* radio = new QRadioButton(Caption(row), parent);
      radio->setChecked(row.checked);
      return radio;
    }
    case Kind::kCheck:
      return new QCheckBox(Caption(row), parent);
    case Kind::kEdit:
      return new QLineEdit(parent);
    case Kind::kMemo:
      return new TitleMemo(parent);
    case Kind::kButton:
    case Kind::kDefaultButton:
      return PushButton(row, parent);
    case Kind::kList:
      return List(row, parent);
    case Kind::kPanel:
      return new TPanelEx(parent);
    case Kind::kScrollBox:
      return ScrollBox(parent);
    case Kind::kPreview:
      return Preview(parent);
  }
  return new QWidget(parent);
}

}  // namespace

QFont FontOf(layout::Font font) { return LayoutFont(font.pixelHeight, font.bold, font.underline); }

QWidget* MakeControl(const ControlRow& row, QWidget* parent) {
  QWidget* widget = Make(row, parent);
  if (!row.name.empty()) widget->setObjectName(QLatin1String(row.name));
  if (!row.font.Inherited()) widget->setFont(FontOf(row.font));
  if (row.kind == Kind::kPreview) return widget;
  if (row.kind == Kind::kLabel) {
    widget->move(row.rect.left, row.rect.top);
    widget->adjustSize();
  } else if (row.kind == Kind::kPicture) {
    // Its size on the screen, not in the device pixels it is painted with.
    const QSize picture = static_cast<QLabel*>(widget)->pixmap().deviceIndependentSize().toSize();
    widget->setGeometry(row.rect.left, row.rect.top, picture.width(), picture.height());
  } else {
    widget->setGeometry(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
  }
  return widget;
}

void ConnectHandler(const ControlRow& row, QWidget* widget, QObject* context,
                    MainPresenter& presenter) {
  MainPresenter* p = &presenter;
  const layout::Handler handler = row.handler;
  if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && handler.text) {
    QObject::connect(edit, &QLineEdit::textChanged, context,
                     [p, handler](const QString& text) { (p->*handler.text)(text.toStdString()); });
  } else if (auto* check = qobject_cast<QCheckBox*>(widget); check && handler.toggle) {
    QObject::connect(check, &QCheckBox::toggled, context,
                     [p, handler](bool on) { (p->*handler.toggle)(on); });
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget); radio && handler.command) {
    QObject::connect(radio, &QRadioButton::toggled, context, [p, handler](bool on) {
      if (on) (p->*handler.command)();
    });
  } else if (auto* list = qobject_cast<QComboBox*>(widget); list && handler.select) {
    // Only the user's choice: setting the selection leaves the preview to start-up.
    QObject::connect(list, &QComboBox::activated, context,
                     [p, handler](int index) { (p->*handler.select)(index); });
  } else if (auto* button = qobject_cast<QPushButton*>(widget); button && handler.command) {
    QObject::connect(button, &QPushButton::clicked, context,
                     [p, handler] { (p->*handler.command)(); });
  } else if (auto* memo = qobject_cast<TitleMemo*>(widget); memo && handler.command) {
    QObject::connect(memo, &QTextEdit::textChanged, context,
                     [p, handler] { (p->*handler.command)(); });
  } else if (auto* label = qobject_cast<QLabel*>(widget); label && handler.command) {
    new LabelActivation(label, [p, handler] { (p->*handler.command)(); });
  }
}

}  // namespace favpage::ui

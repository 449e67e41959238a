// The main window's controls at their laid-out pixel positions (96 pixels per inch),
// their anchors, the tool bar that serves as the menu bar, and the tab order.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QWebEngineView>
#include <functional>

#include "ui/about_dialog.h"
#include "ui/anchors.h"
#include "ui/fonts.h"
#include "ui/menu_bar_mode.h"
#include "ui/miniatures.h"
#include "ui/panel_ex.h"
#include "ui/platform_window.h"
#include "ui/presenter/about_layout.h"
#include "ui/preview_view.h"
#include "ui/title_memo.h"
#include "ui/ui_strings.h"

namespace favpage::ui {
namespace {

template <typename W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QLatin1String(name));
  widget->setGeometry(left, top, width, height);
  return widget;
}

QGroupBox* Group(QWidget* parent, const char* name, const char16_t* caption, QRect r) {
  auto* box = new QGroupBox(Str(caption), parent);
  box->setFont(HeadingFont());
  return Place(box, name, r.x(), r.y(), r.width(), r.height());
}

// A label sized to its text at its laid-out position.
QLabel* TextLabel(QWidget* parent, const char* name, const char16_t* text, int left, int top) {
  auto* label = new QLabel(Str(text), parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(WindowFont());
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLabel* Picture(QWidget* parent, const char* name, const QPixmap& pixmap, int left, int top) {
  auto* picture = new QLabel(parent);
  picture->setPixmap(pixmap);
  return Place(picture, name, left, top, pixmap.width(), pixmap.height());
}

// The style list's items are 16 pixels high, whatever the font asks for.
class FixedHeightItems : public QStyledItemDelegate {
 public:
  FixedHeightItems(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

// Runs `action` whenever `watched` gains a child widget.
class ChildAddedWatcher : public QObject {
 public:
  ChildAddedWatcher(QObject* watched, std::function<void()> action)
      : QObject(watched), action_(std::move(action)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded) action_();
    return false;
  }

 private:
  std::function<void()> action_;
};

template <typename W>
W* WithWindowFont(W* widget) {
  widget->setFont(WindowFont());
  return widget;
}

}  // namespace

void TPlatform::BuildLayout() {
  setObjectName(QStringLiteral("Platform"));
  setWindowTitle(Str(str::kMainCaption));
  setFont(WindowFont());
  resize(480, 565);
  setMinimumSize(480, 565);
  move(335, 114);

  CoolBar1 = Place(new QFrame(this), "CoolBar1", 0, 0, 480, 22);
  ToolBar1 = Place(new QWidget(CoolBar1), "ToolBar1", 9, 0, 467, 20);
  ToolBar1->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
  auto* bandEdge = new QFrame(CoolBar1);
  bandEdge->setFrameShape(QFrame::HLine);
  bandEdge->setFrameShadow(QFrame::Sunken);
  bandEdge->setGeometry(0, 20, 480, 2);
  auto toolButton = [this](const char* name, const char16_t* caption, int left, int width) {
    auto* button = Place(new QToolButton(ToolBar1), name, left, 0, width, 20);
    button->setText(Str(caption));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
  };
  ToolButton1 = toolButton("ToolButton1", str::kFileMenu, 0, 54);
  ToolButton2 = toolButton("ToolButton2", str::kRunMenu, 54, 51);
  ToolButton3 = toolButton("ToolButton3", str::kHelpMenu, 105, 54);

  StatusBar1 = Place(new QStatusBar(this), "StatusBar1", 0, 546, 480, 19);

  GroupBox1 = Group(this, "GroupBox1", str::kFavoritesGroup, {8, 32, 465, 57});
  FavoriteDir =
      Place(new QLabel(Str(str::kFavoriteDirLaidOut), GroupBox1), "FavoriteDir", 16, 26, 369, 12);
  FavoriteDir->setFont(LayoutFont(12, false, true));

  GroupBox2 = Group(this, "GroupBox2", str::kOutTypeGroup, {8, 96, 161, 193});
  RadioButton1 = Place(WithWindowFont(new QRadioButton(Str(str::kOnePage), GroupBox2)),
                       "RadioButton1", 16, 24, 121, 17);
  RadioButton1->setChecked(true);
  Image1 = Picture(GroupBox2, "Image1", OnePageMiniature(), 32, 48);
  RadioButton2 = Place(WithWindowFont(new QRadioButton(Str(str::kPerFolder), GroupBox2)),
                       "RadioButton2", 16, 104, 129, 17);
  Image2 = Picture(GroupBox2, "Image2", FolderTreeMiniature(), 32, 128);

  GroupBox3 = Group(this, "GroupBox3", str::kTitleGroup, {8, 296, 465, 73});
  Memo1 = Place(WithWindowFont(new TitleMemo(GroupBox3)), "Memo1", 16, 24, 433, 23);

  GroupBox4 = Group(this, "GroupBox4", str::kReturnGroup, {176, 168, 297, 121});
  CheckBox1 = Place(WithWindowFont(new QCheckBox(Str(str::kShowReturn), GroupBox4)), "CheckBox1",
                    16, 24, 65, 17);
  PanelEx1 = Place(new TPanelEx(GroupBox4), "PanelEx1", 8, 40, 281, 73);
  PanelEx1->setFont(WindowFont());
  Edit3 = Place(WithWindowFont(new QLineEdit(PanelEx1)), "Edit3", 40, 37, 229, 20);
  Label2 = TextLabel(PanelEx1, "Label2", str::kReturnUrlLabel, 8, 45);
  Label1 = TextLabel(PanelEx1, "Label1", str::kReturnLineLabel, 8, 15);
  Edit1 = Place(WithWindowFont(new QLineEdit(PanelEx1)), "Edit1", 40, 10, 229, 20);

  GroupBox5 = Group(this, "GroupBox5", str::kFileNameGroup, {176, 96, 297, 65});
  Edit2 = Place(WithWindowFont(new QLineEdit(GroupBox5)), "Edit2", 16, 26, 193, 20);
  Button2 = Place(WithWindowFont(new QPushButton(Str(str::kBrowse), GroupBox5)), "Button2", 222, 23,
                  59, 25);
  Button2->setAutoDefault(true);  // Enter on the focused browse button presses it

  Button3 =
      Place(WithWindowFont(new QPushButton(Str(str::kCreate), this)), "Button3", 8, 513, 465, 25);
  Button3->setDefault(true);

  GroupBox6 = Group(this, "GroupBox6", str::kStyleGroup, {8, 376, 465, 129});
  ScrollBox1 = Place(new QScrollArea(GroupBox6), "ScrollBox1", 16, 24, 273, 89);
  ScrollBox1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setWidgetResizable(true);
  ScrollBox1->setFocusPolicy(Qt::NoFocus);  // the preview inside it is the tab stop
  WebBrowser1 = CreatePreviewView(nullptr);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  ScrollBox1->setWidget(WebBrowser1);  // fills the scroll box's client area
  ComboBox1 = Place(new QComboBox(GroupBox6), "ComboBox1", 304, 24, 145, 24);
  ComboBox1->addItems(
      {Str(str::kNoStyle), Str(str::kStyle0), Str(str::kStyle1), Str(str::kStyle2)});
  ComboBox1->setItemDelegate(new FixedHeightItems(16, ComboBox1));
  ComboBox1->setCurrentIndex(-1);
  CheckBox2 =
      Place(new QCheckBox(Str(str::kBlankTarget), GroupBox6), "CheckBox2", 304, 88, 145, 17);
  CheckBox2->setFont(LayoutFont(13));
  // In the free row between the style list and the target box, so no laid-out control moves.
  CheckBox3 = Place(new QCheckBox(Str(str::kUtf8Pages), GroupBox6), "CheckBox3", 304, 64, 145, 17);
  CheckBox3->setFont(LayoutFont(13));

  AboutDialog1 = new TAboutDialog(this);
  AboutDialog1->setObjectName(QStringLiteral("AboutDialog1"));
  ApplyAboutLayout(*AboutDialog1, Str);
  AboutDialog1->FFont = WindowFont();

  anchors_ = new Anchors(this);
  const unsigned ltr = kAnchorLeft | kAnchorTop | kAnchorRight;
  anchors_->Add(CoolBar1, ltr);
  anchors_->Add(ToolBar1, ltr);
  anchors_->Add(bandEdge, ltr);
  anchors_->Add(StatusBar1, kAnchorLeft | kAnchorRight | kAnchorBottom);
  anchors_->Add(GroupBox1, ltr);
  anchors_->Add(GroupBox3, ltr);
  anchors_->Add(Memo1, kAnchorAll);
  anchors_->Add(GroupBox4, ltr);
  anchors_->Add(PanelEx1, ltr);
  anchors_->Add(Edit3, ltr);
  anchors_->Add(Edit1, ltr);
  anchors_->Add(GroupBox5, ltr);
  anchors_->Add(Edit2, ltr);
  anchors_->Add(Button2, kAnchorTop | kAnchorRight);
  anchors_->Add(Button3, kAnchorLeft | kAnchorRight | kAnchorBottom);
  anchors_->Add(GroupBox6, kAnchorAll);
  anchors_->Add(ScrollBox1, kAnchorAll);
  anchors_->Add(ComboBox1, kAnchorTop | kAnchorRight);
  anchors_->Add(CheckBox2, kAnchorTop | kAnchorRight);
  anchors_->Add(CheckBox3, kAnchorTop | kAnchorRight);
}

void TPlatform::BuildMenus() {
  MainMenu1 = new QObject(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  auto menu = [this](const char* name, const char16_t* caption, QToolButton* button) {
    auto* m = new QMenu(Str(caption), this);
    m->setObjectName(QLatin1String(name));
    button->setMenu(m);
    return m;
  };
  File1 = menu("File1", str::kFileMenu, ToolButton1);
  R1 = menu("R1", str::kRunMenu, ToolButton2);
  Help1 = menu("Help1", str::kHelpMenu, ToolButton3);

  // The items belong to the window too, so their shortcuts work wherever the focus is.
  auto item = [this](const char* name, const char16_t* caption, QMenu* in, QKeySequence keys) {
    auto* action = new QAction(Str(caption), MainMenu1);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    in->addAction(action);
    addAction(action);
    return action;
  };
  Source1 = item("Source1", str::kSourceItem, File1, QKeySequence());
  File1->addSeparator();
  Exit1 = item("Exit1", str::kExitItem, File1, QKeySequence(Qt::CTRL | Qt::Key_Q));
  HTTP1 = item("HTTP1", str::kConvertItem, R1, QKeySequence(Qt::CTRL | Qt::Key_R));
  About1 = item("About1", str::kAboutItem, Help1, QKeySequence());
  new MenuBarMode(this, {ToolButton1, ToolButton2, ToolButton3});
}

void TPlatform::BuildTabOrder() {
  // The browser view hands its focus to a widget of its own, which takes the tab stop.
  QWidget* preview = WebBrowser1->focusProxy() ? WebBrowser1->focusProxy() : WebBrowser1;
  const QList<QWidget*> order = {RadioButton1, RadioButton2, Memo1,    CheckBox1, Edit3,
                                 Edit1,        Edit2,        Button2,  Button3,   preview,
                                 ComboBox1,    CheckBox3,    CheckBox2};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  if (tabOrderWatcher_ != nullptr) return;
  // The browser view makes the widget that takes its focus only when it first renders,
  // at the end of the window's focus chain; the order is laid again then, so the preview
  // keeps its place between the create button and the style list.
  tabOrderWatcher_ = new ChildAddedWatcher(WebBrowser1, [this] {
    QMetaObject::invokeMethod(
        this, [this] { BuildTabOrder(); }, Qt::QueuedConnection);
  });
}

}  // namespace favpage::ui

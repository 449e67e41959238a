#include "ui/qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <functional>

#include "platform/folders.h"
#include "platform/host_path.h"
#include "text/path_rules.h"
#include "ui/presenter/main_layout.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/anchors.h"
#include "ui/qt/application.h"
#include "ui/qt/controls.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/fonts.h"
#include "ui/qt/menu_bar_mode.h"
#include "ui/qt/preview_pane.h"
#include "ui/qt/progress_window.h"
#include "ui/qt/source_dialog.h"
#include "ui/qt/status_bar.h"
#include "ui/qt/title_memo.h"
#include "ui/qt/ui_strings.h"

namespace favpage::ui {
namespace {

QString FromHost(const std::string& text) { return QString::fromStdString(text); }

QColor ErrorColour() {
  return {layout::kErrorColour.red, layout::kErrorColour.green, layout::kErrorColour.blue};
}

QKeySequence Keys(int shortcut) {
  if (shortcut == layout::kNoShortcut) return {};
  const Qt::KeyboardModifiers modifiers =
      layout::ShortcutHasCtrl(shortcut) ? Qt::ControlModifier : Qt::NoModifier;
  return QKeySequence(
      QKeyCombination(modifiers, static_cast<Qt::Key>(layout::ShortcutKey(shortcut))));
}

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

}  // namespace

TPlatform::TPlatform(std::string exePath) : presenter_(*this, exePath) {
  BuildControls();
  BuildMenus();
  BuildTabOrder();
  const QPixmap icon(FromHost(platform::ToHostPath(ExtractFilePath(exePath) + "favpage.png")));
  if (!icon.isNull()) {
    // The installed icon theme holds the icon at 16 to 256 px and scalable, sharp at any
    // scale; the 32 px picture beside the program stands in where it is not installed.
    setWindowIcon(QIcon::fromTheme(QStringLiteral("favpage"), QIcon(icon)));
    AboutDialog1->FIcon = QIcon(icon);
  }
}

TPlatform::TPlatform() : TPlatform(platform::ExecutablePath()) {}

TPlatform::~TPlatform() { delete WorkForm; }

void TPlatform::BuildControls() {
  setObjectName(QStringLiteral("Platform"));
  setWindowTitle(Str(str::kMainCaption));
  setFont(WindowFont());
  resize(layout::kWindowClient.width, layout::kWindowClient.height);
  setMinimumSize(layout::kWindowClient.width, layout::kWindowClient.height);
  move(layout::kWindowOrigin.x, layout::kWindowOrigin.y);

  anchors_ = new Anchors(this);
  std::map<std::string_view, QWidget*> containers;
  for (const layout::ControlRow& row : layout::Controls()) {
    QWidget* parent = row.parent.empty() ? this : containers.at(row.parent);
    QWidget* widget = MakeControl(row, parent);
    containers[row.name] = widget;
    if (!row.name.empty()) controls_[row.name] = widget;
    // The preview fills its scroll box, which sizes it.
    if (row.kind != layout::Kind::kPreview && row.anchors != layout::kLeftTop) {
      anchors_->Add(widget, row.anchors);
    }
    ConnectHandler(row, widget, this, presenter_);
  }
  Memo1 = qobject_cast<TitleMemo*>(ControlObject("Memo1"));
  Button3 = qobject_cast<QPushButton*>(ControlObject("Button3"));
  WebBrowser1 = qobject_cast<PreviewPane*>(ControlObject("WebBrowser1"));

  AboutDialog1 = new TAboutDialog(this);
  AboutDialog1->setObjectName(QStringLiteral("AboutDialog1"));
  layout::ApplyAboutLayout(*AboutDialog1, Str);
  AboutDialog1->FFont = WindowFont();
}

void TPlatform::BuildMenus() {
  MainMenu1 = new QObject(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  QList<QToolButton*> buttons;
  for (const layout::MenuRow& row : layout::Menus()) {
    auto* button = qobject_cast<QToolButton*>(ControlObject(row.button));
    auto* menu = new QMenu(button->text(), this);
    menu->setObjectName(QLatin1String(row.name));
    button->setMenu(menu);
    buttons.append(button);
    controls_[row.name] = menu;
  }
  // The items belong to the window too, so their shortcuts work wherever the focus is.
  MainPresenter* p = &presenter_;
  for (const layout::MenuItemRow& item : layout::MenuItems()) {
    auto* menu = qobject_cast<QMenu*>(ControlObject(item.menu));
    if (item.separatorBefore) menu->addSeparator();
    auto* action = new QAction(Str(item.caption), MainMenu1);
    action->setObjectName(QLatin1String(item.name));
    action->setShortcut(Keys(item.shortcut));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(item.checkable);
    menu->addAction(action);
    addAction(action);
    connect(action, &QAction::triggered, this, [p, command = item.command] { (p->*command)(); });
    controls_[item.name] = action;
  }
  new MenuBarMode(this, buttons);
}

void TPlatform::BuildTabOrder() {
  QList<QWidget*> order;
  for (std::string_view name : layout::TabOrder()) {
    auto* widget = qobject_cast<QWidget*>(ControlObject(name));
    // The preview hands its focus to its browser view, and the view to a widget of its
    // own, which takes the tab stop.
    if (layout::FindControl(name)->kind == layout::Kind::kPreview) {
      while (widget->focusProxy() != nullptr) widget = widget->focusProxy();
    }
    order.append(widget);
  }
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  if (tabOrderWatcher_ != nullptr) return;
  // The browser view comes after the window is on the screen, and makes the widget that
  // takes its focus only when it first renders, at the end of the window's focus chain;
  // the order is laid again each time, so the preview keeps its place in it.
  auto relay = [this] {
    QMetaObject::invokeMethod(
        this, [this] { BuildTabOrder(); }, Qt::QueuedConnection);
  };
  tabOrderWatcher_ = new QObject(this);
  connect(WebBrowser1, &PreviewPane::EngineCreated, tabOrderWatcher_, [relay](QWidget* view) {
    new ChildAddedWatcher(view, relay);
    relay();
  });
}

void TPlatform::closeEvent(QCloseEvent* event) {
  // Refused until the presenter has written everything back; a run still going, or an
  // error while writing, keeps the window.
  event->ignore();
  if (!presenter_.CloseQuery()) return;
  event->accept();
  TakeOffScreen();
}

// The browser engine and the rest take a second or more to tear down after the last
// window has closed: the window leaves the screen first, so the close answers at once.
void TPlatform::TakeOffScreen() {
  hide();
  QGuiApplication::sync();
}

void TPlatform::keyPressEvent(QKeyEvent* event) {
  // Enter presses the create button wherever the focused control leaves the key unused
  // (the title edit takes it for a line break).
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    Button3->click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

QObject* TPlatform::ControlObject(std::string_view name) const {
  const auto found = controls_.find(name);
  return found != controls_.end() ? found->second : nullptr;
}

QObject* TPlatform::ControlObject(Control control) const {
  return ControlObject(layout::ControlName(control));
}

// MainView.

void TPlatform::SetControlText(Control control, const std::string& text) {
  QObject* object = ControlObject(control);
  if (auto* status = qobject_cast<TStatusBar*>(object)) {
    status->SetText(FromHost(text));
  } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
    // Shows a stored text from its start, as an edit control does, rather than its end.
    edit->setText(FromHost(text));
    edit->setCursorPosition(0);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(FromHost(text));
  }
}

void TPlatform::SetChecked(Control control, bool checked) {
  QObject* object = ControlObject(control);
  if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setChecked(checked);
  if (auto* action = qobject_cast<QAction*>(object)) action->setChecked(checked);
}

void TPlatform::SetEnabled(Control control, bool enabled) {
  QObject* object = ControlObject(control);
  if (auto* action = qobject_cast<QAction*>(object)) action->setEnabled(enabled);
  if (auto* widget = qobject_cast<QWidget*>(object)) widget->setEnabled(enabled);
}

void TPlatform::SetSelectedIndex(Control control, int index) {
  if (auto* list = qobject_cast<QComboBox*>(ControlObject(control))) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
  }
}

void TPlatform::SetAlert(Control control, bool alert) {
  auto* widget = qobject_cast<QWidget*>(ControlObject(control));
  if (widget == nullptr) return;
  if (alert) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ErrorColour());
    widget->setPalette(palette);
    widget->setCursor(Qt::PointingHandCursor);  // a click chooses another source
  } else {
    widget->setPalette(QPalette());  // the parent's again
    widget->unsetCursor();
  }
}

int TPlatform::TitleLineCount() { return Memo1->DisplayLineCount(); }

std::string TPlatform::TitleLine(int index) { return Memo1->DisplayLine(index).toStdString(); }

std::string TPlatform::TitleText() { return Memo1->WholeText().toStdString(); }

void TPlatform::SetTitleText(const std::string& text) { Memo1->setPlainText(FromHost(text)); }

void TPlatform::ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) {
  MessageBoxes::Show(FromHost(caption), FromHost(text), kind);
}

void TPlatform::ShowError(const std::string& text) { ShowDefaultErrorText(text); }

bool TPlatform::RunSourceChooser(SourceChooser& chooser) {
  return SourceDialog::Run(this, chooser);
}

std::optional<std::string> TPlatform::ChooseOutputFile(const std::string& folder) {
  const std::optional<QString> chosen = SaveDialogs::Choose(this, FromHost(folder));
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

void TPlatform::ShowAbout() { AboutDialog1->Execute(); }

void TPlatform::Navigate(const std::string& path) {
  WebBrowser1->Show(QUrl::fromLocalFile(FromHost(path)));
}

bool TPlatform::OpenInBrowser(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(FromHost(path)));
}

WindowPlace TPlatform::Placement() {
  // The frame's corner and the client size the window has when it is neither maximised
  // nor minimised; a window not yet shown is where it was put.
  const QRect client =
      isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : geometry();
  const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
  const QPoint corner = isVisible() ? client.topLeft() - frameOffset : pos();
  return {corner.x(), corner.y(), client.width(), client.height()};
}

void TPlatform::Place(const WindowPlace& place) {
  move(place.left, place.top);
  resize(place.width, place.height);
}

std::vector<ScreenArea> TPlatform::Screens() {
  std::vector<ScreenArea> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    areas.push_back({area.left(), area.top(), area.width(), area.height()});
  }
  return areas;
}

void TPlatform::ShowProgress() {
  const ProgressWindow progress = ShowProgressWindow(this);
  WorkForm = progress.WorkForm;
  WorkLabel = progress.WorkLabel;
}

void TPlatform::SetProgressText(const std::string& text) {
  if (WorkLabel == nullptr) return;
  WorkLabel->setText(FromHost(text));
  WorkLabel->adjustSize();
}

void TPlatform::HideProgress() {
  ReleaseProgressWindow(WorkForm);
  WorkForm = nullptr;
  WorkLabel = nullptr;
}

void TPlatform::ProcessEvents() { QCoreApplication::processEvents(); }

void TPlatform::Close() { close(); }

void TPlatform::CloseSoon() {
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace favpage::ui

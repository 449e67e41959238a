#include "ui/platform_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWebEngineView>

#include "platform/folders.h"
#include "platform/host_path.h"
#include "text/path_rules.h"
#include "ui/about_dialog.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/panel_ex.h"
#include "ui/progress_window.h"
#include "ui/title_memo.h"
#include "ui/ui_strings.h"

namespace favpage::ui {
namespace {

QString FromHost(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TPlatform::TPlatform(std::string exePath) : presenter_(*this, exePath) {
  BuildLayout();
  BuildMenus();
  BuildTabOrder();
  ConnectHandlers();
  const QPixmap icon(FromHost(platform::ToHostPath(ExtractFilePath(exePath) + "favpage.png")));
  if (!icon.isNull()) {
    setWindowIcon(QIcon(icon));
    AboutDialog1->FIcon = QIcon(icon);
  }
}

TPlatform::TPlatform() : TPlatform(platform::ExecutablePath()) {}

TPlatform::~TPlatform() { delete WorkForm; }

void TPlatform::ConnectHandlers() {
  MainPresenter* p = &presenter_;
  connect(Exit1, &QAction::triggered, this, [p] { p->Exit1Click(); });
  connect(Source1, &QAction::triggered, this, [p] { p->Source1Click(); });
  connect(HTTP1, &QAction::triggered, this, [p] { p->Button3Click(); });
  connect(About1, &QAction::triggered, this, [p] { p->About1Click(); });
  connect(Button2, &QPushButton::clicked, this, [p] { p->Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [p] { p->Button3Click(); });
  connect(Edit1, &QLineEdit::textChanged, this,
          [p](const QString& text) { p->Edit1Change(text.toStdString()); });
  connect(Edit2, &QLineEdit::textChanged, this,
          [p](const QString& text) { p->Edit2Change(text.toStdString()); });
  connect(Edit3, &QLineEdit::textChanged, this,
          [p](const QString& text) { p->Edit3Change(text.toStdString()); });
  connect(CheckBox1, &QCheckBox::toggled, this, [p](bool on) { p->CheckBox1Click(on); });
  connect(CheckBox2, &QCheckBox::toggled, this, [p](bool on) { p->CheckBox2Click(on); });
  connect(CheckBox3, &QCheckBox::toggled, this, [p](bool on) { p->CheckBox3Click(on); });
  connect(RadioButton1, &QRadioButton::toggled, this, [p](bool on) {
    if (on) p->RadioButton1Click();
  });
  connect(RadioButton2, &QRadioButton::toggled, this, [p](bool on) {
    if (on) p->RadioButton2Click();
  });
  // Only the user's choice rebuilds the preview; setting the style leaves it to start-up.
  connect(ComboBox1, &QComboBox::activated, this, [p](int index) { p->ComboBox1Change(index); });
  connect(Memo1, &QTextEdit::textChanged, this, [p] { p->Memo1Change(); });
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

// MainView.

QObject* TPlatform::ControlObject(Control control) const {
  switch (control) {
    case Control::FavoriteDir:
      return FavoriteDir;
    case Control::RadioButton1:
      return RadioButton1;
    case Control::RadioButton2:
      return RadioButton2;
    case Control::Edit2:
      return Edit2;
    case Control::CheckBox1:
      return CheckBox1;
    case Control::PanelEx1:
      return PanelEx1;
    case Control::Edit1:
      return Edit1;
    case Control::Edit3:
      return Edit3;
    case Control::Button3:
      return Button3;
    case Control::HTTP1:
      return HTTP1;
    case Control::ComboBox1:
      return ComboBox1;
    case Control::CheckBox2:
      return CheckBox2;
    case Control::CheckBox3:
      return CheckBox3;
  }
  return nullptr;
}

void TPlatform::SetControlText(Control control, const std::string& text) {
  QObject* object = ControlObject(control);
  if (auto* edit = qobject_cast<QLineEdit*>(object)) {
    // Shows a stored text from its start, as an edit control does, rather than its end.
    edit->setText(FromHost(text));
    edit->setCursorPosition(0);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(FromHost(text));
  }
}

void TPlatform::SetChecked(Control control, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(ControlObject(control))) {
    button->setChecked(checked);
  }
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

int TPlatform::TitleLineCount() { return Memo1->DisplayLineCount(); }

std::string TPlatform::TitleLine(int index) { return Memo1->DisplayLine(index).toStdString(); }

std::string TPlatform::TitleText() { return Memo1->WholeText().toStdString(); }

void TPlatform::SetTitleText(const std::string& text) { Memo1->setPlainText(FromHost(text)); }

void TPlatform::ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) {
  MessageBoxes::Show(
      FromHost(caption), FromHost(text),
      kind == MessageKind::kConfirmation ? QMessageBox::Question : QMessageBox::Critical);
}

void TPlatform::ShowError(const std::string& text) { ShowDefaultErrorText(text); }

std::optional<int> TPlatform::ChooseSource(const std::vector<std::string>& choices, int current) {
  QStringList items;
  for (const std::string& choice : choices) items.append(FromHost(choice));
  return SourceDialogs::Choose(this, items, current);
}

std::optional<std::string> TPlatform::ChooseBookmarksFile(const std::string& folder) {
  const std::optional<QString> chosen = SourceDialogs::ChooseFile(this, FromHost(folder));
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::optional<std::string> TPlatform::ChooseOutputFile(const std::string& folder) {
  const std::optional<QString> chosen = SaveDialogs::Choose(this, FromHost(folder));
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

void TPlatform::ShowAbout() { AboutDialog1->Execute(); }

void TPlatform::Navigate(const std::string& path) {
  WebBrowser1->setUrl(QUrl::fromLocalFile(FromHost(path)));
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

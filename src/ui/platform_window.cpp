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

#include "base/messages.h"
#include "base/sjis.h"
#include "generate/generation_command.h"
#include "platform/codepage.h"
#include "platform/folders.h"
#include "platform/host_path.h"
#include "settings/settings_file.h"
#include "text/path_rules.h"
#include "ui/about_dialog.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/panel_ex.h"
#include "ui/title_memo.h"
#include "ui/ui_strings.h"

namespace favpage::ui {
namespace {

// The edit control's line buffer: a longer display line is read cut to this many bytes.
constexpr std::size_t kTitleLineLimit = 4096;

QString FromSjis(const std::string& text) {
  return QString::fromStdString(platform::SjisToUtf8(text));
}
// A message or progress text may name a file: it is shown with the name's real characters.
QString MessageText(const std::string& text) {
  return QString::fromStdString(platform::ToHostText(text));
}
std::string ToSjis(const QString& text) { return platform::Utf8ToSjis(text.toStdString()); }

// Shows a stored text from its start, as an edit control does, rather than its end.
void ShowFromStart(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setCursorPosition(0);
}

QString HostPath(const std::string& internal) {
  return QString::fromStdString(platform::ToHostPath(internal));
}
std::string InternalPath(const QString& host) { return platform::FromHostPath(host.toStdString()); }

// Cuts at the limit without splitting a double-byte character.
std::string CutToLimit(std::string line) {
  if (line.size() <= kTitleLineLimit) return line;
  std::size_t end = 0;
  while (end < kTitleLineLimit) {
    const std::size_t next = end + CharLength(line, end);
    if (next > kTitleLineLimit) break;
    end = next;
  }
  line.resize(end);
  return line;
}

}  // namespace

TPlatform::TPlatform(std::string exePath) : exePath_(std::move(exePath)) {
  BuildLayout();
  BuildMenus();
  BuildTabOrder();
  ConnectHandlers();
  const QPixmap icon(HostPath(ExeFolder() + "favpage.png"));
  if (!icon.isNull()) {
    setWindowIcon(QIcon(icon));
    AboutDialog1->FIcon = QIcon(icon);
  }
}

TPlatform::TPlatform() : TPlatform(platform::ExecutablePath()) {}

TPlatform::~TPlatform() { delete WorkForm; }

void TPlatform::ConnectHandlers() {
  connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
  connect(HTTP1, &QAction::triggered, this, [this] { Button3Click(); });
  connect(About1, &QAction::triggered, this, [this] { About1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(); });
  connect(Edit3, &QLineEdit::textChanged, this, [this] { Edit3Change(); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioButton1Click();
  });
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioButton2Click();
  });
  // Only the user's choice rebuilds the preview; SetStyleType leaves it to start-up.
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  connect(Memo1, &QTextEdit::textChanged, this, [this] {
    if (!loadingTitle_) titleGuard_.MarkEdited();
  });
}

std::string TPlatform::ExeFolder() const { return ExtractFilePath(exePath_); }

bool TPlatform::Start() {
  try {
    FormCreate();
  } catch (const std::exception& error) {
    ShowDefaultError(error);
  }
  return !closed_;
}

// Setters.

void TPlatform::SetOutName(const std::string& value) {
  state_.OutName = value;
  ShowFromStart(Edit2, HostPath(state_.OutName));
}

void TPlatform::SetReturnFlag(bool value) {
  state_.ReturnFlag = value;
  PanelEx1->setEnabled(value);
  CheckBox1->setChecked(state_.ReturnFlag);
}

void TPlatform::SetReturnLine(const std::string& value) {
  state_.ReturnLine = value;
  ShowFromStart(Edit1, FromSjis(state_.ReturnLine));
}

void TPlatform::SetReturnURL(const std::string& value) {
  state_.ReturnURL = value;
  ShowFromStart(Edit3, FromSjis(state_.ReturnURL));
}

void TPlatform::SetOutType(std::uint8_t value) {
  state_.OutType = value;
  if (value == 0) RadioButton1->setChecked(true);
  if (value == 1) RadioButton2->setChecked(true);
}

void TPlatform::SetStyleType(std::int32_t value) {
  state_.StyleType = value;
  ComboBox1->setCurrentIndex(value >= 0 && value < ComboBox1->count() ? value : -1);
}

void TPlatform::SetBlankTarget(bool value) {
  state_.SetBlank = value;
  CheckBox2->setChecked(value);
}

// Handlers. An edit keeps the field's exact bytes while it shows them, so a value that
// the conversion for display cannot carry back unchanged survives until the user edits it.

void TPlatform::Edit2Change() {
  if (Edit2->text() != HostPath(state_.OutName)) state_.OutName = InternalPath(Edit2->text());
}

void TPlatform::Edit1Change() {
  if (Edit1->text() != FromSjis(state_.ReturnLine)) state_.ReturnLine = ToSjis(Edit1->text());
}

void TPlatform::Edit3Change() {
  if (Edit3->text() != FromSjis(state_.ReturnURL)) state_.ReturnURL = ToSjis(Edit3->text());
}

void TPlatform::CheckBox1Click() {
  state_.ReturnFlag = CheckBox1->isChecked();
  PanelEx1->setEnabled(state_.ReturnFlag);
}

void TPlatform::CheckBox2Click() { SetBlankTarget(CheckBox2->isChecked()); }

void TPlatform::RadioButton1Click() { state_.OutType = 0; }

void TPlatform::RadioButton2Click() { state_.OutType = 1; }

void TPlatform::ComboBox1Change() {
  state_.StyleType = ComboBox1->currentIndex();
  BuildPreviewPage(state_.StyleType, ExeFolder(), *this);
}

void TPlatform::Button2Click() {
  std::string folder;
  {
    const SettingsFile settings(StoredSettingsPath(exePath_));
    folder = ReadOutputDir(settings);
  }
  const std::optional<QString> chosen = SaveDialogs::Choose(this, HostPath(folder));
  if (!chosen) return;
  const std::string path = InternalPath(*chosen);
  SetOutName(path);
  SettingsFile settings(StoredSettingsPath(exePath_));
  WriteOutputDir(settings, path);
}

void TPlatform::Button3Click() {
  // The run processes window messages, so the create command could be started again or
  // the window closed in its middle: both wait until the run has ended.
  if (running_) return;
  running_ = true;
  SetRunControlsEnabled(false);
  struct RunEnd {
    TPlatform* window;
    ~RunEnd() {
      window->running_ = false;
      window->SetRunControlsEnabled(true);
      if (window->closeAfterRun_) {
        window->closeAfterRun_ = false;
        QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
      }
    }
  } runEnd{this};
  RunGenerationCommand(state_, *this, *this, *this, ExeFolder());
}

void TPlatform::SetRunControlsEnabled(bool enabled) {
  Button3->setEnabled(enabled);
  HTTP1->setEnabled(enabled);
}

void TPlatform::Exit1Click() { close(); }

void TPlatform::About1Click() { AboutDialog1->Execute(); }

// Start-up and shut-down.

void TPlatform::FormCreate() {
  QCoreApplication::processEvents();
  state_.FavoritePath = kFavoritePathPlaceholder;
  const SettingsFile settings(StoredSettingsPath(exePath_));
  const SettingsState stored = ReadStoredSettings(settings);
  SetOutName(stored.OutName);
  SetOutType(stored.OutType);
  SetReturnFlag(stored.ReturnFlag);
  SetReturnLine(stored.ReturnLine);
  SetReturnURL(stored.ReturnURL);
  SetStyleType(stored.StyleType);
  SetBlankTarget(stored.SetBlank);
  ComboBox1Change();
  loadingTitle_ = true;
  titleGuard_.Load(StoredTitlePath(exePath_), *this);
  loadingTitle_ = false;
  LocateFavorites();
  FavoriteDir->setText(HostPath(state_.FavoritePath));
}

void TPlatform::LocateFavorites() {
  std::string path;
  if (platform::FavoritesFolder(path)) {
    state_.FavoritePath = path;
    return;
  }
  ShowMessage(msg::kFavoritesNotFound, msg::kErrorCaption, MessageKind::kError);
  close();
}

void TPlatform::FormClose() {
  SettingsFile settings(StoredSettingsPath(exePath_));
  WriteStoredSettings(settings, state_);
  titleGuard_.Save(StoredTitlePath(exePath_), *this);
}

void TPlatform::closeEvent(QCloseEvent* event) {
  if (running_) {
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  // Refused until FormClose has written everything: an error leaving it keeps the window.
  event->ignore();
  FormClose();
  event->accept();
  closed_ = true;
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

// The core's host.

int TPlatform::LineCount() const { return Memo1->DisplayLineCount(); }

std::string TPlatform::Line(int index) const {
  return CutToLimit(ToSjis(Memo1->DisplayLine(index)));
}

std::string TPlatform::Text() const {
  QString text = Memo1->WholeText();
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return ToSjis(text);
}

bool TPlatform::SetText(const std::string& text) {
  // Like the edit control, the text ends at a NUL.
  QString unicode = FromSjis(text.substr(0, text.find('\0')));
  unicode.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  Memo1->setPlainText(unicode);
  return true;
}

void TPlatform::RunStarted() {
  const ProgressWindow progress = ShowProgressWindow(this);
  WorkForm = progress.WorkForm;
  WorkLabel = progress.WorkLabel;
}

void TPlatform::SetProgressText(const std::string& text) {
  if (WorkLabel == nullptr) return;
  WorkLabel->setText(MessageText(text));
  WorkLabel->adjustSize();
}

void TPlatform::ProcessMessages() { QCoreApplication::processEvents(); }

void TPlatform::RunEnded() {
  ReleaseProgressWindow(WorkForm);
  WorkForm = nullptr;
  WorkLabel = nullptr;
}

void TPlatform::ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) {
  MessageBoxes::Show(
      FromSjis(caption), MessageText(text),
      kind == MessageKind::kConfirmation ? QMessageBox::Question : QMessageBox::Critical);
}

void TPlatform::Navigate(const std::string& path) {
  WebBrowser1->setUrl(QUrl::fromLocalFile(HostPath(path)));
}

}  // namespace favpage::ui

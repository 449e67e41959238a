// TPlatform: the main window. It owns the settings state and every control; its handlers
// copy each edit into the state at once and forward the commands to the core. It is also
// the core's host: title lines and text (the title edit), progress (the "Working" window),
// message boxes and the preview's HTML view.
#pragma once

#include <QWidget>
#include <string>

#include "generate/host_seams.h"
#include "preview/preview_page.h"
#include "settings/settings_state.h"
#include "settings/title_file.h"
#include "ui/progress_window.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QWebEngineView;

namespace favpage::ui {

class Anchors;
class TAboutDialog;
class TPanelEx;
class TitleMemo;

class TPlatform : public QWidget,
                  public favpage::TitleLines,
                  public favpage::TitleText,
                  public favpage::Progress,
                  public favpage::MessageSink,
                  public favpage::HtmlView {
  Q_OBJECT
 public:
  // `exePath` is the executable's path in the core's dialect; the settings, title and
  // data files lie beside it.
  explicit TPlatform(std::string exePath);
  TPlatform();
  ~TPlatform() override;

  // Runs FormCreate; an error leaving it is shown by the default error display and skips
  // its remaining steps. False when the window was closed during start-up (the favorites
  // folder was not found), so the program ends without showing it.
  bool Start();

  const SettingsState& State() const { return state_; }
  bool RunInProgress() const { return running_; }

  // Setters: store the field, then show it in its control.
  void SetOutName(const std::string& value);
  void SetReturnFlag(bool value);
  void SetReturnLine(const std::string& value);
  void SetReturnURL(const std::string& value);
  void SetOutType(std::uint8_t value);
  void SetStyleType(std::int32_t value);
  void SetBlankTarget(bool value);

  // Event handlers.
  void Exit1Click();
  void About1Click();
  void FormCreate();
  void Button2Click();
  void Edit2Change();
  void CheckBox1Click();
  void Edit1Change();
  void Edit3Change();
  void FormClose();
  void RadioButton1Click();
  void RadioButton2Click();
  void Button3Click();
  void ComboBox1Change();
  void CheckBox2Click();

  // favpage::TitleLines: the display lines of Memo1 in Shift_JIS.
  int LineCount() const override;
  std::string Line(int index) const override;
  // favpage::TitleText: Memo1's whole text, lines ended by CR LF, in Shift_JIS.
  std::string Text() const override;
  bool SetText(const std::string& text) override;
  // favpage::Progress.
  void RunStarted() override;
  void SetProgressText(const std::string& text) override;
  void ProcessMessages() override;
  void RunEnded() override;
  // favpage::MessageSink.
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) override;
  // favpage::HtmlView.
  void Navigate(const std::string& path) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildLayout();
  void BuildMenus();
  void BuildTabOrder();
  void ConnectHandlers();
  std::string ExeFolder() const;
  void LocateFavorites();
  void SetRunControlsEnabled(bool enabled);
  void TakeOffScreen();

  std::string exePath_;
  SettingsState state_;
  TitleFileGuard titleGuard_;
  bool loadingTitle_ = false;
  bool running_ = false;
  bool closeAfterRun_ = false;
  bool closed_ = false;
  Anchors* anchors_ = nullptr;
  QObject* tabOrderWatcher_ = nullptr;

 public:
  // The controls and components, named as the layout names them.
  QObject* MainMenu1 = nullptr;
  QFrame* CoolBar1 = nullptr;
  QWidget* ToolBar1 = nullptr;
  QToolButton* ToolButton1 = nullptr;
  QToolButton* ToolButton2 = nullptr;
  QToolButton* ToolButton3 = nullptr;
  QMenu* File1 = nullptr;
  QMenu* R1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* HTTP1 = nullptr;
  QAction* About1 = nullptr;
  TAboutDialog* AboutDialog1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* FavoriteDir = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QLabel* Image1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QLabel* Image2 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  TitleMemo* Memo1 = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QGroupBox* GroupBox5 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* Button2 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QPushButton* Button3 = nullptr;
  TPanelEx* PanelEx1 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QGroupBox* GroupBox6 = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QWebEngineView* WebBrowser1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;

  // Set only while a generation runs.
  QWidget* WorkForm = nullptr;
  QLabel* WorkLabel = nullptr;
};

}  // namespace favpage::ui

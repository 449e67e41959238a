// TPlatform: the main window's Qt face. It builds the controls (platform_layout.cpp),
// forwards their events to the presenter, which holds the state and the logic, and draws
// what the presenter tells it through MainView.
#pragma once

#include <QWidget>
#include <string>

#include "ui/presenter/main_presenter.h"
#include "ui/presenter/main_view.h"

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

class TPlatform : public QWidget, private MainView {
  Q_OBJECT
 public:
  // `exePath` is the executable's path in the core's dialect; the settings, title and
  // data files lie beside it.
  explicit TPlatform(std::string exePath);
  TPlatform();
  ~TPlatform() override;

  // Runs the start-up sequence; false when the window was closed during it (the
  // favorites folder was not found), so the program ends without showing it.
  bool Start() { return presenter_.Start(); }

  // The window's logic and state; tests drive it where they need no widget.
  MainPresenter& Presenter() { return presenter_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildLayout();
  void BuildMenus();
  void BuildTabOrder();
  void ConnectHandlers();
  void TakeOffScreen();
  // The widget or menu item a control name stands for.
  QObject* ControlObject(Control control) const;

  // MainView.
  void SetControlText(Control control, const std::string& text) override;
  void SetChecked(Control control, bool checked) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetSelectedIndex(Control control, int index) override;
  int TitleLineCount() override;
  std::string TitleLine(int index) override;
  std::string TitleText() override;
  void SetTitleText(const std::string& text) override;
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> ChooseOutputFile(const std::string& folder) override;
  std::optional<int> ChooseSource(const std::vector<std::string>& choices, int current) override;
  std::optional<std::string> ChooseBookmarksFile(const std::string& folder) override;
  void ShowAbout() override;
  void Navigate(const std::string& path) override;
  void ShowProgress() override;
  void SetProgressText(const std::string& text) override;
  void HideProgress() override;
  void ProcessEvents() override;
  void Close() override;
  void CloseSoon() override;

  MainPresenter presenter_;
  Anchors* anchors_ = nullptr;
  QObject* tabOrderWatcher_ = nullptr;

  // The controls and components, named (and given object names) as the layout names
  // them; docs/controls.md lists their kinds, positions and sizes.
  QObject* MainMenu1 = nullptr;           // the menus' owner
  QFrame* CoolBar1 = nullptr;             // the band along the top holding the tool bar
  QWidget* ToolBar1 = nullptr;            // the tool bar that serves as the menu bar
  QToolButton* ToolButton1 = nullptr;     // drops down the File menu
  QToolButton* ToolButton2 = nullptr;     // drops down the Run menu
  QToolButton* ToolButton3 = nullptr;     // drops down the Help menu
  QMenu* File1 = nullptr;                 // the File menu
  QMenu* R1 = nullptr;                    // the Run menu
  QMenu* Help1 = nullptr;                 // the Help menu
  QAction* Source1 = nullptr;             // File > choose the link source
  QAction* Exit1 = nullptr;               // File > Exit (Ctrl+Q)
  QAction* HTTP1 = nullptr;               // Run > convert: the create command (Ctrl+R)
  QAction* About1 = nullptr;              // Help > version information
  TAboutDialog* AboutDialog1 = nullptr;   // the About box
  QStatusBar* StatusBar1 = nullptr;       // the empty status bar
  QGroupBox* GroupBox1 = nullptr;         // frames the favorites folder
  QLabel* FavoriteDir = nullptr;          // the favorites folder's path
  QGroupBox* GroupBox2 = nullptr;         // frames the output type
  QRadioButton* RadioButton1 = nullptr;   // output type: one page
  QLabel* Image1 = nullptr;               // miniature of one page
  QRadioButton* RadioButton2 = nullptr;   // output type: one page per folder
  QLabel* Image2 = nullptr;               // miniature of a tree of pages
  QGroupBox* GroupBox3 = nullptr;         // frames the title
  TitleMemo* Memo1 = nullptr;             // the title lines
  QGroupBox* GroupBox4 = nullptr;         // frames the return link
  QGroupBox* GroupBox5 = nullptr;         // frames the output file
  QLineEdit* Edit2 = nullptr;             // the output file's path
  QPushButton* Button2 = nullptr;         // browse for the output file
  QCheckBox* CheckBox1 = nullptr;         // whether the return link is written
  QPushButton* Button3 = nullptr;         // create: the window's default button
  TPanelEx* PanelEx1 = nullptr;           // enables the return link's caption and URL
  QLineEdit* Edit3 = nullptr;             // the return link's URL
  QLabel* Label2 = nullptr;               // labels the URL
  QLabel* Label1 = nullptr;               // labels the caption
  QLineEdit* Edit1 = nullptr;             // the return link's caption
  QGroupBox* GroupBox6 = nullptr;         // frames the style settings
  QScrollArea* ScrollBox1 = nullptr;      // holds the preview
  QWebEngineView* WebBrowser1 = nullptr;  // the style preview
  QComboBox* ComboBox1 = nullptr;         // the style sheet
  QCheckBox* CheckBox2 = nullptr;         // links open in a new window
  QCheckBox* CheckBox3 = nullptr;         // pages are written in UTF-8

  // Set only while a generation runs.
  QWidget* WorkForm = nullptr;  // the "Working" window
  QLabel* WorkLabel = nullptr;  // its progress text
};

}  // namespace favpage::ui

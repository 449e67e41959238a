// TPlatform: the main window's Qt face. It builds the controls of the layout table
// (presenter/main_layout.h), forwards their events to the presenter, which holds the state
// and the logic, and draws what the presenter tells it through MainView.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>

#include "ui/presenter/main_presenter.h"
#include "ui/presenter/main_view.h"

class QAction;
class QLabel;
class QPushButton;
class QToolButton;

namespace favpage::ui {

class Anchors;
class PreviewPane;
class TAboutDialog;
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
  void BuildControls();
  void BuildMenus();
  void BuildTabOrder();
  void TakeOffScreen();
  // The widget or menu item the layout names `name`; nullptr for none.
  QObject* ControlObject(std::string_view name) const;
  QObject* ControlObject(Control control) const;

  // MainView.
  void SetControlText(Control control, const std::string& text) override;
  void SetChecked(Control control, bool checked) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetSelectedIndex(Control control, int index) override;
  void SetAlert(Control control, bool alert) override;
  int TitleLineCount() override;
  std::string TitleLine(int index) override;
  std::string TitleText() override;
  void SetTitleText(const std::string& text) override;
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> ChooseOutputFile(const std::string& folder) override;
  bool RunSourceChooser(SourceChooser& chooser) override;
  void ShowAbout() override;
  void Navigate(const std::string& path) override;
  bool OpenInBrowser(const std::string& path) override;
  WindowPlace Placement() override;
  void Place(const WindowPlace& place) override;
  std::vector<ScreenArea> Screens() override;
  void ShowProgress() override;
  void SetProgressText(const std::string& text) override;
  void HideProgress() override;
  void ProcessEvents() override;
  void Close() override;
  void CloseSoon() override;

  MainPresenter presenter_;
  Anchors* anchors_ = nullptr;
  QObject* tabOrderWatcher_ = nullptr;
  // Every control and menu item by its layout name (docs/controls.md lists them); each
  // keeps that name as its object name.
  std::map<std::string_view, QObject*> controls_;

  // The controls and components the face itself works with.
  QObject* MainMenu1 = nullptr;          // the menus' owner
  TitleMemo* Memo1 = nullptr;            // the title lines
  QPushButton* Button3 = nullptr;        // create: the window's default button
  PreviewPane* WebBrowser1 = nullptr;    // the style preview
  TAboutDialog* AboutDialog1 = nullptr;  // the About box

  // Set only while a generation runs.
  QWidget* WorkForm = nullptr;  // the "Working" window
  QLabel* WorkLabel = nullptr;  // its progress text
};

}  // namespace favpage::ui

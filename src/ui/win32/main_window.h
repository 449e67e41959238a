// The main window's native Windows face: the controls of the layout, their notifications
// forwarded to the presenter, and the MainView calls drawn on the controls.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/presenter/main_presenter.h"
#include "ui/presenter/main_view.h"
#include "ui/win32/about_dialog.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/progress_window.h"
#include "ui/win32/web_browser.h"

namespace favpage::ui::win32 {

class TPlatform : public MainView {
 public:
  // Makes the window and its controls (not yet shown); `exePath` in the core's dialect.
  explicit TPlatform(std::string exePath);
  ~TPlatform() override;
  TPlatform(const TPlatform&) = delete;
  TPlatform& operator=(const TPlatform&) = delete;

  // Runs start-up; false when the window was closed during it (the program ends).
  bool Start();
  HWND Window() const { return window_.Get(); }
  HACCEL Shortcuts() const { return menuBar_->Shortcuts(); }
  MainPresenter& Presenter() { return presenter_; }
  // Handles `message` for the main window's keyboard (shortcuts, tab, Enter) when it
  // belongs to the main window; true when it was handled.
  bool PreTranslate(MSG& message);

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
  // The status bar's whole text, and what it shows at its present width.
  const std::wstring& StatusText() const { return statusText_; }
  std::wstring ShownStatusText() const;
  void ShowProgress() override;
  void SetProgressText(const std::string& text) override;
  void HideProgress() override;
  void ProcessEvents() override;
  void Close() override;
  void CloseSoon() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  void OnActivate(bool active, bool minimized);
  LRESULT OnColorStatic(HDC dc, HWND control);
  bool OnSetCursor(HWND control);
  void FitStatus();
  void FitToMonitorDpi();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnClose();
  HWND Hwnd() const { return window_.Get(); }
  HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
  HWND Memo() const;
  std::string EditText(int id) const;
  void ConfigureAbout();

  // The window, from its creation until the system destroys it.
  platform::win32::OwnedWindow window_;
  HWND focus_ = nullptr;  // the control that had the focus when the window was left
  std::unique_ptr<MenuBar> menuBar_;
  std::unique_ptr<WebBrowser> WebBrowser1;
  std::unique_ptr<TAboutDialog> AboutDialog1;
  std::unique_ptr<ProgressWindow> WorkForm;
  HICON icon_ = nullptr;
  std::set<int> alerts_;     // the controls shown in the error colour
  std::wstring statusText_;  // the status bar's whole text
  int dpi_ = 96;             // the window's DPI, which its layout is scaled to
  MainPresenter presenter_;
};

}  // namespace favpage::ui::win32

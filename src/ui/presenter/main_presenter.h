// The main window's logic, toolkit-neutral: the settings state and its setters, every
// handler, start-up and shut-down, the create run with its re-entry and close rules, the
// title file's guard and the style preview. A face builds the controls, forwards their
// events here and draws what the MainView calls tell it. The presenter is also the core's
// host for a run: title lines, progress, messages and the preview's HTML view.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/run_host.h"
#include "generate/page_generator.h"
#include "preview/preview_page.h"
#include "settings/settings_state.h"
#include "settings/title_file.h"
#include "ui/presenter/main_view.h"

namespace favpage::ui {

// The style list's items: no style sheet, then the three sheets.
inline constexpr int kStyleChoiceCount = 4;

class MainPresenter : public TitleLines,
                      public TitleText,
                      public Progress,
                      public MessageSink,
                      public HtmlView {
 public:
  // `exePath` is the executable's path in the core's dialect; the settings, title and
  // data files lie beside it.
  MainPresenter(MainView& view, std::string exePath);

  // Runs FormCreate; an error leaving it is shown by the default error display and skips
  // its remaining steps. A missing source (the favorites folder, or a stored one) is
  // reported and shown on its label, and the window opens all the same, so the user can
  // choose another. False only when the window was closed during start-up.
  bool Start();

  // The clock a run is timed by, in seconds; a steady clock unless a test sets another.
  void SetClock(std::function<double()> seconds) { clock_ = std::move(seconds); }

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
  // The link source as SettingsState::Source holds it; the favorites-folder label shows it.
  void SetSource(const std::string& value);
  void SetCharset(PageCharset value);
  // The pages' format; the menu item shows it and the preview follows it.
  void SetPageFormat(PageFormat value);

  // Event handlers, with what the control shows after the event. An error leaving one
  // is shown by the default error display.
  void Exit1Click();
  void About1Click();
  void Button2Click();
  void Edit2Change(const std::string& text);
  void CheckBox1Click(bool checked);
  void Edit1Change(const std::string& text);
  void Edit3Change(const std::string& text);
  void RadioButton1Click();
  void RadioButton2Click();
  void Button3Click();
  void ComboBox1Change(int index);
  void CheckBox2Click(bool checked);
  void CheckBox3Click(bool checked);
  // File > choose source: the favorites folder, a bookmarks file or an installed browser.
  void Source1Click();
  // A click on the source's label: the source chooser, while the source is missing.
  void FavoriteDirClick();
  // Run > open in the browser: the top page in the user's web browser.
  void Browser1Click();
  // Run > HTML5: switches the pages' format between classic and HTML5.
  void HTML5Pages1Click();
  // The title edit's text changed (by the user or a paste, not by loading the file).
  void Memo1Change();

  // The window is asked to close. False while a run is going (the window closes when it
  // ends). Otherwise the state is written back once and the window may close: a file that
  // refuses the write is reported once and left as it is, and the window closes all the
  // same, so nothing keeps the user from ending the program.
  bool CloseQuery();

  // TitleLines: the title edit's display lines in Shift_JIS, each cut to 4096 bytes.
  int LineCount() const override;
  std::string Line(int index) const override;
  // TitleText: the title edit's whole text, lines ended by CR LF, in Shift_JIS.
  std::string Text() const override;
  bool SetText(const std::string& text) override;
  // Progress.
  void RunStarted() override;
  void SetProgressText(const std::string& text) override;
  void ProcessMessages() override;
  void RunEnded() override;
  // MessageSink.
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) override;
  // HtmlView.
  void Navigate(const std::string& path) override;

 private:
  template <typename Step>
  void Guarded(Step step);
  void FormCreate();
  void FormClose();
  void BuildPreview(int index);
  void LocateFavorites();
  void SetRunControlsEnabled(bool enabled);
  std::string ExeFolder() const;
  // What the favorites-folder label shows for the chosen source (host text).
  std::string SourceCaption() const;
  // The label shows the source, in the error colour while it is missing.
  void ShowSource();
  // Whether the chosen source is not there: the favorites folder not found, a stored file
  // gone, a browser without bookmarks here.
  bool SourceMissing() const;
  // The message that says the chosen source is missing, naming it (host text).
  std::string MissingSourceMessage() const;
  // Whether the output page is there to be opened; the menu item follows it.
  bool PageExists() const;
  void UpdateBrowserItem();
  // The folder the browse dialog opens in (internal path).
  std::string BrowseFolder() const;
  void ShowRunStatus(const GenerationStats& stats, double seconds);

  MainView& view_;
  std::string exePath_;
  SettingsState state_;
  // Where the favorites folder is, or would be: what the label and the message name
  // while it is missing (internal; empty when the host cannot say).
  std::string favoritesFolder_;
  std::function<double()> clock_;
  int shownStyle_ = -1;  // the style list's selection, as laid out: none
  TitleFileGuard titleGuard_;
  bool loadingTitle_ = false;
  bool running_ = false;
  bool closeAfterRun_ = false;
  bool closed_ = false;
};

}  // namespace favpage::ui

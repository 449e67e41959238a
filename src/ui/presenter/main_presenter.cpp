#include "ui/presenter/main_presenter.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/io_error.h"
#include "base/messages.h"
#include "base/sjis.h"
#include "generate/generation_command.h"
#include "generate/source_factory.h"
#include "platform/codepage.h"
#include "platform/folders.h"
#include "platform/host_path.h"
#include "settings/settings_file.h"
#include "text/path_rules.h"
#include "ui/presenter/run_status.h"
#include "ui/presenter/source_chooser.h"
#include "ui/presenter/window_place.h"
#include "ui/presenter/window_text.h"
#include "ui/presenter/window_texts.h"

namespace favpage::ui {
namespace {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// What a run left out or kept, one line each, in one message; a long list ends with the
// count of the lines not shown.
std::string RunWarningsText(const std::vector<RunWarning>& warnings) {
  constexpr std::size_t kShownLines = 20;
  std::string text;
  for (std::size_t i = 0; i < warnings.size() && i < kShownLines; ++i) {
    const RunWarning& warning = warnings[i];
    if (!text.empty()) text += '\n';
    if (warning.kind == RunWarning::Kind::kEditedPageKept) {
      text += FormatText(msg::kEditedPageKeptFormat, platform::DisplayPath(warning.subject));
    } else if (warning.where.empty()) {
      text += FormatText(msg::kTopScriptLinkLeftOutFormat, warning.subject);
    } else {
      text += FormatText(msg::kScriptLinkLeftOutFormat, warning.subject, warning.where);
    }
  }
  if (warnings.size() > kShownLines) {
    text +=
        '\n' + FormatText(msg::kMoreWarningsFormat, std::to_string(warnings.size() - kShownLines));
  }
  return text;
}

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

MainPresenter::MainPresenter(MainView& view, std::string exePath)
    : view_(view), exePath_(std::move(exePath)), clock_(SteadySeconds) {}

std::string MainPresenter::ExeFolder() const { return ExtractFilePath(exePath_); }

template <typename Step>
void MainPresenter::Guarded(Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    view_.ShowError(platform::ToHostText(DisplayMessage(error.what())));
  }
}

bool MainPresenter::Start() {
  Guarded([this] { FormCreate(); });
  return !closed_;
}

// Setters.

void MainPresenter::SetOutName(const std::string& value) {
  state_.OutName = value;
  view_.SetControlText(Control::Edit2, platform::ToHostPath(state_.OutName));
  UpdateBrowserItem();
}

void MainPresenter::SetReturnFlag(bool value) {
  state_.ReturnFlag = value;
  view_.SetEnabled(Control::PanelEx1, value);
  view_.SetChecked(Control::CheckBox1, state_.ReturnFlag);
}

void MainPresenter::SetReturnLine(const std::string& value) {
  state_.ReturnLine = value;
  view_.SetControlText(Control::Edit1, platform::SjisToUtf8(state_.ReturnLine));
}

void MainPresenter::SetReturnURL(const std::string& value) {
  state_.ReturnURL = value;
  view_.SetControlText(Control::Edit3, platform::SjisToUtf8(state_.ReturnURL));
}

void MainPresenter::SetOutType(std::uint8_t value) {
  state_.OutType = value;
  if (value == 0) view_.SetChecked(Control::RadioButton1, true);
  if (value == 1) view_.SetChecked(Control::RadioButton2, true);
}

void MainPresenter::SetStyleType(std::int32_t value) {
  state_.StyleType = value;
  shownStyle_ = value >= 0 && value < kStyleChoiceCount ? value : -1;
  view_.SetSelectedIndex(Control::ComboBox1, shownStyle_);
}

void MainPresenter::SetBlankTarget(bool value) {
  state_.SetBlank = value;
  view_.SetChecked(Control::CheckBox2, value);
}

void MainPresenter::SetSource(const std::string& value) {
  state_.Source = value;
  // Back to the favorites folder: it may have been made since it was looked for.
  if (state_.Source.empty() && state_.FavoritePath == kFavoritePathPlaceholder) LocateFavorites();
  ShowSource();
}

void MainPresenter::SetCharset(PageCharset value) {
  state_.Charset = value;
  view_.SetChecked(Control::CheckBox3, value == PageCharset::kUtf8);
}

void MainPresenter::SetPageFormat(PageFormat value) {
  state_.Format = value;
  view_.SetChecked(Control::HTML5Pages1, value == PageFormat::kHtml5);
}

std::string MainPresenter::SourceCaption() const {
  // A missing favorites folder is named where it was looked for.
  if (state_.Source.empty() && state_.FavoritePath == kFavoritePathPlaceholder &&
      !favoritesFolder_.empty()) {
    return platform::ToHostPath(favoritesFolder_);
  }
  return SourceLabel(state_);
}

void MainPresenter::ShowSource() {
  view_.SetControlText(Control::FavoriteDir, SourceCaption());
  view_.SetAlert(Control::FavoriteDir, SourceMissing());
}

bool MainPresenter::SourceMissing() const {
  if (state_.Source.empty()) return state_.FavoritePath == kFavoritePathPlaceholder;
  if (const auto chosen = AsBrowser(state_.Source)) {
    const std::vector<std::string> browsers = InstalledBrowsers();
    return std::find(browsers.begin(), browsers.end(), chosen->browser) == browsers.end();
  }
  return !platform::FileExists(state_.Source) && !platform::DirectoryExists(state_.Source);
}

std::string MainPresenter::MissingSourceMessage() const {
  if (state_.Source.empty()) {
    const std::string message = platform::ToHostText(msg::kFavoritesNotFound);
    if (favoritesFolder_.empty()) return message;
    return platform::ToHostPath(favoritesFolder_) + ": " + message;
  }
  if (const auto chosen = AsBrowser(state_.Source)) {
    return platform::ToHostText(
        DisplayMessage(FormatText(msg::kNoBrowserBookmarksFormat, std::string(chosen->browser))));
  }
  return platform::ToHostPath(state_.Source) + ": " +
         platform::ToHostText(DisplayMessage(msg::kFileNotFound));
}

bool MainPresenter::PageExists() const {
  return !state_.OutName.empty() && platform::FileExists(state_.OutName);
}

void MainPresenter::UpdateBrowserItem() { view_.SetEnabled(Control::Browser1, PageExists()); }

// Handlers. An edit keeps the field's exact bytes while it shows them, so a value that
// the conversion for display cannot carry back unchanged survives until the user edits it.

void MainPresenter::Edit2Change(const std::string& text) {
  if (text != platform::ToHostPath(state_.OutName)) state_.OutName = platform::FromHostPath(text);
  UpdateBrowserItem();
}

void MainPresenter::Edit1Change(const std::string& text) {
  if (text != platform::SjisToUtf8(state_.ReturnLine))
    state_.ReturnLine = platform::Utf8ToSjis(text);
}

void MainPresenter::Edit3Change(const std::string& text) {
  if (text != platform::SjisToUtf8(state_.ReturnURL)) state_.ReturnURL = platform::Utf8ToSjis(text);
}

void MainPresenter::CheckBox1Click(bool checked) {
  state_.ReturnFlag = checked;
  view_.SetEnabled(Control::PanelEx1, state_.ReturnFlag);
}

void MainPresenter::CheckBox2Click(bool checked) { SetBlankTarget(checked); }

void MainPresenter::CheckBox3Click(bool checked) {
  state_.Charset = checked ? PageCharset::kUtf8 : PageCharset::kShiftJis;
}

void MainPresenter::Source1Click() {
  Guarded([this] {
    SourceChooser chooser(state_);
    if (!view_.RunSourceChooser(chooser)) return;
    state_.SourceFolder = chooser.SourceFolder();
    SetSource(chooser.Source());
  });
}

// The label names the source, and a click on it chooses another, as a link would.
void MainPresenter::FavoriteDirClick() { Source1Click(); }

void MainPresenter::Browser1Click() {
  Guarded([this] {
    if (!PageExists()) return UpdateBrowserItem();
    const std::string page = platform::ToHostPath(state_.OutName);
    if (!view_.OpenInBrowser(page)) view_.ShowError(Substitute(str::kCannotOpenFormat, {page}));
  });
}

void MainPresenter::HTML5Pages1Click() {
  Guarded([this] {
    SetPageFormat(state_.Format == PageFormat::kHtml5 ? PageFormat::kClassic : PageFormat::kHtml5);
    BuildPreview(shownStyle_);
  });
}

void MainPresenter::RadioButton1Click() { state_.OutType = 0; }

void MainPresenter::RadioButton2Click() { state_.OutType = 1; }

void MainPresenter::ComboBox1Change(int index) {
  Guarded([this, index] { BuildPreview(index); });
}

void MainPresenter::BuildPreview(int index) {
  shownStyle_ = index;
  state_.StyleType = index;
  BuildPreviewPage(state_.StyleType, ExeFolder(), *this, PageCharset::kShiftJis, state_.Format);
}

void MainPresenter::Memo1Change() {
  if (!loadingTitle_) titleGuard_.MarkEdited();
}

// Where the work is: the output file's folder, else the folder a file was last chosen in,
// else the user's documents.
std::string MainPresenter::BrowseFolder() const {
  const std::string outFolder = ExtractFileDir(state_.OutName);
  if (!outFolder.empty() && platform::DirectoryExists(outFolder)) return outFolder;
  const std::string last = ReadOutputDir(SettingsFile(StoredSettingsPath(exePath_)));
  if (!last.empty() && platform::DirectoryExists(last)) return last;
  return platform::DocumentsFolder();
}

void MainPresenter::Button2Click() {
  Guarded([this] {
    const std::string folder = BrowseFolder();
    const std::optional<std::string> chosen = view_.ChooseOutputFile(platform::ToHostPath(folder));
    if (!chosen) return;
    const std::string path = platform::FromHostPath(*chosen);
    SetOutName(path);
    SettingsFile settings(StoredSettingsPath(exePath_));
    WriteOutputDir(settings, path);
  });
}

void MainPresenter::Button3Click() {
  // The run processes window messages, so the create command could be started again or
  // the window closed in its middle: both wait until the run has ended.
  if (running_) return;
  view_.SetControlText(Control::StatusBar1, "");
  // A missing favorites folder is reported as start-up reports it, not as a failed read;
  // it may have been made since.
  if (!state_.OutName.empty() && state_.Source.empty() &&
      state_.FavoritePath == kFavoritePathPlaceholder) {
    LocateFavorites();
    ShowSource();
    if (SourceMissing()) {
      view_.ShowMessage(MissingSourceMessage(), platform::SjisToUtf8(msg::kErrorCaption),
                        MessageKind::kError);
      return;
    }
  }
  running_ = true;
  SetRunControlsEnabled(false);
  struct RunEnd {
    MainPresenter* presenter;
    ~RunEnd() {
      presenter->running_ = false;
      presenter->SetRunControlsEnabled(true);
      presenter->UpdateBrowserItem();
      if (presenter->closeAfterRun_) {
        presenter->closeAfterRun_ = false;
        presenter->view_.CloseSoon();
      }
    }
  };
  std::string sourceFailure;
  std::optional<GenerationStats> stats;
  const double started = clock_();
  Guarded([this, &sourceFailure, &stats] {
    const RunEnd runEnd{this};
    try {
      // An empty name is no run: the command asks for one.
      const bool named = !state_.OutName.empty();
      GenerationStats result = RunGenerationCommand(state_, *this, *this, *this, ExeFolder());
      if (named) stats = std::move(result);
    } catch (const SourceError& error) {
      // A bookmarks file refused (not one, cut off, no SQLite to read it): named as the
      // CLI names it.
      if (error.path().empty()) throw;
      sourceFailure = platform::ToHostPath(error.path()) + ": " +
                      platform::ToHostText(DisplayMessage(error.what()));
    } catch (const IoError& error) {
      // A chosen bookmarks file may have moved since it was chosen: the message names it
      // as the label shows it, so the user knows which file to look for.
      if (state_.Source.empty() || error.path() != state_.Source) throw;
      sourceFailure = platform::ToHostPath(state_.Source) + ": " +
                      platform::ToHostText(DisplayMessage(error.what()));
    }
  });
  if (stats) ShowRunStatus(*stats, clock_() - started);
  // Shown, like any failure of the run, once the progress window is gone.
  if (!sourceFailure.empty()) view_.ShowError(sourceFailure);
  if (stats && !stats->warnings.empty()) {
    ShowMessage(RunWarningsText(stats->warnings), msg::kConfirmCaption, MessageKind::kConfirmation);
  }
}

void MainPresenter::ShowRunStatus(const GenerationStats& stats, double seconds) {
  view_.SetControlText(Control::StatusBar1,
                       RunStatusText(stats, seconds, platform::ToHostPath(state_.OutName)));
}

void MainPresenter::SetRunControlsEnabled(bool enabled) {
  view_.SetEnabled(Control::Button3, enabled);
  view_.SetEnabled(Control::HTTP1, enabled);
}

void MainPresenter::Exit1Click() { view_.Close(); }

void MainPresenter::About1Click() { view_.ShowAbout(); }

// Start-up and shut-down.

void MainPresenter::FormCreate() {
  view_.ProcessEvents();
  state_.FavoritePath = kFavoritePathPlaceholder;
  // Every stored setting and the window's place from one read of the file.
  const SettingsFile settings = SettingsFile::ReadOnce(StoredSettingsPath(exePath_));
  const SettingsState stored = ReadStoredSettings(settings);
  if (const auto place = PlaceToRestore(ReadWindowPlace(settings), view_.Screens())) {
    view_.Place(*place);
  }
  SetOutName(stored.OutName);
  SetOutType(stored.OutType);
  SetReturnFlag(stored.ReturnFlag);
  SetReturnLine(stored.ReturnLine);
  SetReturnURL(stored.ReturnURL);
  SetStyleType(stored.StyleType);
  SetBlankTarget(stored.SetBlank);
  SetCharset(stored.Charset);
  SetPageFormat(stored.Format);
  state_.Source = stored.Source;              // shown once the favorites folder is known
  state_.ScriptLinks = stored.ScriptLinks;    // no control; kept for shut-down
  state_.SourceFolder = stored.SourceFolder;  // the one folder of the source to publish
  BuildPreview(shownStyle_);
  loadingTitle_ = true;
  struct LoadEnd {
    bool& loading;
    ~LoadEnd() { loading = false; }
  } loadEnd{loadingTitle_};
  titleGuard_.Load(StoredTitlePath(exePath_), *this);
  LocateFavorites();
  ShowSource();
  // The window opens all the same: its source chooser is how the user names another.
  if (SourceMissing()) {
    view_.ShowMessage(MissingSourceMessage(), platform::SjisToUtf8(msg::kErrorCaption),
                      MessageKind::kError);
  }
}

// A stored source that is there needs no favorites folder, but the folder is still looked
// for, quietly, should the user choose it later.
void MainPresenter::LocateFavorites() {
  std::string path;
  if (platform::FavoritesFolder(path)) {
    state_.FavoritePath = path;
    favoritesFolder_ = path;
    return;
  }
  favoritesFolder_ = platform::FavoritesFolderPath();
}

void MainPresenter::FormClose() {
  SettingsFile settings(StoredSettingsPath(exePath_));
  WriteStoredSettings(settings, state_);
  WriteWindowPlace(settings, view_.Placement());
  titleGuard_.Save(StoredTitlePath(exePath_), *this);
}

bool MainPresenter::CloseQuery() {
  if (running_) {
    closeAfterRun_ = true;
    return false;
  }
  if (closed_) return true;
  // Written back once. A refused write (a read-only or oversized settings file, a title
  // file that cannot be made) is shown, stops the writing, so the refused file and the
  // ones after it stay as they were, and the window closes all the same: a window that
  // cannot be closed would lock the user in.
  Guarded([this] { FormClose(); });
  closed_ = true;
  return true;
}

// The core's host.

int MainPresenter::LineCount() const { return view_.TitleLineCount(); }

std::string MainPresenter::Line(int index) const {
  // The edit control's line buffer: a longer display line is read cut to its size.
  return std::string(CutAtCharacter(platform::Utf8ToSjis(view_.TitleLine(index)), kTitleLineLimit));
}

std::string MainPresenter::Text() const {
  return platform::Utf8ToSjis(ReplaceAll(view_.TitleText(), "\n", "\r\n"));
}

bool MainPresenter::SetText(const std::string& text) {
  // Like the edit control, the text ends at a NUL.
  const std::string shown = platform::SjisToUtf8(text.substr(0, text.find('\0')));
  view_.SetTitleText(ReplaceAll(shown, "\r\n", "\n"));
  return true;
}

void MainPresenter::RunStarted() { view_.ShowProgress(); }

// A progress text may name a file: it is shown with the name's real characters.
void MainPresenter::SetProgressText(const std::string& text) {
  view_.SetProgressText(platform::ToHostText(text));
}

void MainPresenter::ProcessMessages() { view_.ProcessEvents(); }

void MainPresenter::RunEnded() { view_.HideProgress(); }

void MainPresenter::ShowMessage(const std::string& text, const std::string& caption,
                                MessageKind kind) {
  view_.ShowMessage(platform::ToHostText(text), platform::SjisToUtf8(caption), kind);
}

void MainPresenter::Navigate(const std::string& path) {
  view_.Navigate(platform::ToHostPath(path));
}

}  // namespace favpage::ui

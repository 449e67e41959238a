// The source chooser's logic: one dialog that says what will be published. It lists the
// favorites folder, each browser profile found (the most recently used first within its
// browser), a favorites folder or bookmarks file chosen before, and the two rows that
// choose another; below them the chosen source's folder tree, with the links under each
// folder, where one folder (the whole source by default) is picked. A face draws it
// through SourceDialogView and forwards the user's choices here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generate/source_folders.h"
#include "settings/settings_state.h"

namespace favpage::ui {

// One row of the folder tree, in the outline's order (the source itself first).
struct FolderRow {
  std::string caption;     // "name (links)" (host text)
  std::size_t depth = 0;   // 0 for the source itself
  std::size_t parent = 0;  // the row it lies in; the first row's is its own
};

inline constexpr std::size_t kNoFolderRow = static_cast<std::size_t>(-1);

class SourceDialogView {
 public:
  virtual ~SourceDialogView() = default;
  // The source list and the row chosen in it.
  virtual void ShowSources(const std::vector<std::string>& captions, int current) = 0;
  // The chosen source's folders with `selected` picked (kNoFolderRow: none). `open`: every
  // folder is shown and the tree takes the focus, so that the folder is chosen knowingly.
  virtual void ShowFolders(const std::vector<FolderRow>& rows, std::size_t selected, bool open) = 0;
  // The source cannot be read: `text` in place of its folders.
  virtual void ShowFolderError(const std::string& text) = 0;
  // What will be published, as the main window's label will show it.
  virtual void ShowSummary(const std::string& text) = 0;
  // The folder dialog, starting at `start`; the chosen folder (host path), or nothing.
  virtual std::optional<std::string> ChooseFavoritesFolder(const std::string& start) = 0;
  // The file-open dialog for a bookmarks file in `folder` (empty: the dialog's own
  // choice); the chosen file (host path), or nothing.
  virtual std::optional<std::string> ChooseBookmarksFile(const std::string& folder) = 0;
};

class SourceChooser {
 public:
  // Opens on the source and folder of `state`; state.FavoritePath is the favorites folder.
  explicit SourceChooser(const SettingsState& state);

  // Fills `view`, which stays in use until the dialog closes.
  void Open(SourceDialogView& view);
  // The user chose row `index` of the source list.
  void SourceSelected(int index);
  // Whether row `index` of the source list opens a dialog (a folder or a file to choose)
  // rather than naming a source; a face asks it only when the user means the row.
  bool AsksForMore(int index) const;
  // The user picked row `row` of the folder tree.
  void FolderSelected(std::size_t row);

  // The choice as SettingsState holds it, for when the dialog is confirmed.
  const std::string& Source() const { return source_; }
  const std::string& SourceFolder() const { return folder_; }

 private:
  struct Row {
    std::string caption;
    std::string source;
    enum class Kind { kSource, kPickFolder, kPickFile } kind = Kind::kSource;
  };
  void BuildRows();
  int RowOf(const std::string& source) const;
  void Choose(const std::string& source);
  void LoadFolders(bool open);
  void ShowSummary();

  SettingsState state_;
  SourceDialogView* view_ = nullptr;
  std::vector<Row> rows_;
  int current_ = -1;
  std::string source_;
  std::string folder_;  // internal form
  std::vector<FolderNode> outline_;
};

// A source naming a browser: its name, and its profile after ":" (empty: the profile used
// last). A path, even "C:\...", names no browser.
struct BrowserChoice {
  std::string_view browser;
  std::string_view profile;
};
std::optional<BrowserChoice> AsBrowser(std::string_view source);

// What the main window's label shows for a source and its folder (host text), e.g.
// "Firefox (default-release) / ツールバー / 公開".
std::string SourceLabel(const SettingsState& state);

}  // namespace favpage::ui

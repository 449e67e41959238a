#include "ui/presenter/source_chooser.h"

#include <string_view>
#include <utility>

#include "base/io_error.h"
#include "generate/folder_path.h"
#include "generate/source_factory.h"
#include "platform/bookmark_files.h"
#include "platform/folders.h"
#include "platform/host_path.h"
#include "text/path_rules.h"

namespace favpage::ui {
namespace {

constexpr char kFavoritesRow[] = "お気に入りフォルダ";
constexpr char kPickFolderRow[] = "お気に入りフォルダを選択...";
constexpr char kPickFileRow[] = "ブックマークファイル...";
constexpr char kSummaryLead[] = "出力するもの: ";
constexpr char kLinksFormat[] = "リンク %s 件";
constexpr char kNameJoin[] = " / ";

// The name a user knows the browser by.
std::string BrowserTitle(std::string_view browser) {
  static constexpr std::pair<std::string_view, std::string_view> kTitles[] = {
      {"chrome", "Google Chrome"}, {"chromium", "Chromium"}, {"edge", "Microsoft Edge"},
      {"brave", "Brave"},          {"vivaldi", "Vivaldi"},   {"firefox", "Firefox"},
  };
  for (const auto& [name, title] : kTitles) {
    if (name == browser) return std::string(title);
  }
  return std::string(browser);
}

std::string WithCount(const std::string& name, std::size_t links) {
  return name + " (" + std::to_string(links) + ")";
}

}  // namespace

std::optional<BrowserChoice> AsBrowser(std::string_view source) {
  const std::size_t colon = source.find(':');
  const std::string_view name = source.substr(0, colon);
  if (!IsBrowserName(name)) return std::nullopt;
  return BrowserChoice{name, colon == std::string_view::npos ? "" : source.substr(colon + 1)};
}

std::string SourceLabel(const SettingsState& state) {
  std::string label;
  if (state.Source.empty()) {
    label = platform::ToHostPath(state.FavoritePath);
  } else if (const auto chosen = AsBrowser(state.Source)) {
    label = BrowserTitle(chosen->browser);
    if (!chosen->profile.empty()) label += " (" + platform::ToHostText(chosen->profile) + ")";
  } else {
    label = platform::ToHostPath(state.Source);
  }
  if (state.SourceFolder.empty()) return label;
  const std::string path = platform::ToHostText(state.SourceFolder);
  const auto names = SplitFolderPath(path);
  if (!names) return label + kNameJoin + path;
  for (const std::string& name : *names) label += kNameJoin + name;
  return label;
}

SourceChooser::SourceChooser(const SettingsState& state)
    : state_(state), source_(state.Source), folder_(state.SourceFolder) {
  BuildRows();
}

void SourceChooser::BuildRows() {
  SettingsState favorites = state_;
  favorites.Source.clear();
  rows_.push_back({std::string(kFavoritesRow) + " (" + SourceLabel(favorites) + ")", ""});
  for (const std::string& browser : platform::KnownBrowsers()) {
    for (const platform::BrowserProfile& found : platform::FindBrowserProfiles(browser)) {
      const std::string& shown = found.shownName.empty() ? found.profile : found.shownName;
      rows_.push_back({BrowserTitle(browser) + " (" + shown + ")",
                       browser + ":" + platform::FromHostText(found.profile)});
    }
  }
  // A source chosen before that no row names (a file, a folder, a browser's last-used
  // profile, a profile gone since) keeps a row of its own, after the favorites folder.
  if (RowOf(source_) < 0) {
    SettingsState stored = state_;
    stored.SourceFolder.clear();
    rows_.insert(rows_.begin() + 1, {SourceLabel(stored), source_});
  }
  rows_.push_back({kPickFolderRow, "", Row::Kind::kPickFolder});
  rows_.push_back({kPickFileRow, "", Row::Kind::kPickFile});
  current_ = RowOf(source_);
}

int SourceChooser::RowOf(const std::string& source) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].kind == Row::Kind::kSource && rows_[i].source == source) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool SourceChooser::AsksForMore(int index) const {
  return index >= 0 && index < static_cast<int>(rows_.size()) &&
         rows_[static_cast<std::size_t>(index)].kind != Row::Kind::kSource;
}

void SourceChooser::Open(SourceDialogView& view) {
  view_ = &view;
  std::vector<std::string> captions;
  for (const Row& row : rows_) captions.push_back(row.caption);
  view_->ShowSources(captions, current_);
  LoadFolders(false);
}

void SourceChooser::SourceSelected(int index) {
  if (view_ == nullptr || index < 0 || index >= static_cast<int>(rows_.size())) return;
  const Row& row = rows_[static_cast<std::size_t>(index)];
  std::optional<std::string> picked;
  switch (row.kind) {
    case Row::Kind::kSource:
      if (index != current_) Choose(row.source);
      return;
    case Row::Kind::kPickFolder: {
      const bool isFolder =
          !source_.empty() && !AsBrowser(source_) && platform::DirectoryExists(source_);
      // A favorites folder that is missing is no place to start: the user's documents are.
      const std::string start = isFolder ? source_
                                : platform::DirectoryExists(state_.FavoritePath)
                                    ? state_.FavoritePath
                                    : platform::DocumentsFolder();
      if (const auto folder = view_->ChooseFavoritesFolder(platform::ToHostPath(start))) {
        picked = platform::FromHostPath(*folder);
        // The user's own favorites folder is the source that follows it wherever it is.
        if (*picked == state_.FavoritePath) picked = "";
      }
      break;
    }
    case Row::Kind::kPickFile: {
      const bool isFile = !source_.empty() && !AsBrowser(source_);
      // Opens beside the file chosen before, else in the user's documents.
      const std::string folder =
          platform::ToHostPath(isFile ? ExtractFileDir(source_) : platform::DocumentsFolder());
      if (const auto file = view_->ChooseBookmarksFile(folder)) {
        picked = platform::FromHostPath(*file);
      }
      break;
    }
  }
  if (picked && *picked != source_) {
    Choose(*picked);
    return;
  }
  // Cancelled, or the source already chosen: the list shows the choice as it was.
  std::vector<std::string> captions;
  for (const Row& each : rows_) captions.push_back(each.caption);
  view_->ShowSources(captions, current_);
}

void SourceChooser::Choose(const std::string& source) {
  // A folder of one source means nothing in another.
  if (source != source_) folder_.clear();
  source_ = source;
  if (RowOf(source_) < 0) {
    SettingsState chosen = state_;
    chosen.Source = source_;
    chosen.SourceFolder.clear();
    rows_.insert(rows_.end() - 2, {SourceLabel(chosen), source_});
  }
  current_ = RowOf(source_);
  std::vector<std::string> captions;
  for (const Row& row : rows_) captions.push_back(row.caption);
  view_->ShowSources(captions, current_);
  // A browser holds a whole life's bookmarks: its tree opens, so that the folder to
  // publish is chosen knowingly rather than everything by default.
  LoadFolders(AsBrowser(source_).has_value());
}

void SourceChooser::LoadFolders(bool open) {
  outline_.clear();
  SettingsState whole = state_;
  whole.Source = source_;
  whole.SourceFolder.clear();
  try {
    outline_ = ReadFolderOutline(*OpenWholeSource(whole));
  } catch (const Error& error) {
    std::string text = platform::ToHostText(DisplayMessage(error.what()));
    if (!error.path().empty()) text = platform::ToHostPath(error.path()) + ": " + text;
    view_->ShowFolderError(text);
    ShowSummary();
    return;
  }
  SettingsState shown = whole;
  std::vector<FolderRow> rows;
  rows.push_back({WithCount(SourceLabel(shown), outline_[0].linksBelow), 0, 0});
  for (std::size_t i = 1; i < outline_.size(); ++i) {
    rows.push_back({WithCount(outline_[i].name, outline_[i].linksBelow), outline_[i].depth,
                    outline_[i].parent});
  }
  // The stored folder, if the source still has it; a folder gone since stays chosen but
  // unpicked, so that confirming never widens what is published unasked.
  const std::size_t selected =
      FindOutlineRow(outline_, platform::ToHostText(folder_)).value_or(kNoFolderRow);
  view_->ShowFolders(rows, selected, open);
  ShowSummary();
}

void SourceChooser::FolderSelected(std::size_t row) {
  if (view_ == nullptr || row >= outline_.size()) return;
  folder_ = row == 0 ? "" : platform::FromHostText(FolderPathOf(outline_, row));
  ShowSummary();
}

void SourceChooser::ShowSummary() {
  SettingsState chosen = state_;
  chosen.Source = source_;
  chosen.SourceFolder = folder_;
  std::string text = kSummaryLead + SourceLabel(chosen);
  if (!outline_.empty()) {
    const std::optional<std::size_t> row = FindOutlineRow(outline_, platform::ToHostText(folder_));
    if (row) text += "  " + FormatText(kLinksFormat, std::to_string(outline_[*row].linksBelow));
  }
  view_->ShowSummary(text);
}

}  // namespace favpage::ui

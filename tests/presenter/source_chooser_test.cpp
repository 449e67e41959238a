// The source chooser's logic against a recording dialog: what it lists, what it picks,
// and what it keeps.
#include "ui/presenter/source_chooser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <filesystem>

#include "platform/host_path.h"
#include "support/test_support.h"

namespace favpage::ui {
namespace {

namespace fs = std::filesystem;

class RecordingDialog : public SourceDialogView {
 public:
  void ShowSources(const std::vector<std::string>& captions, int current) override {
    sources = captions;
    currentSource = current;
  }
  void ShowFolders(const std::vector<FolderRow>& shown, std::size_t picked, bool opened) override {
    rows = shown;
    selected = picked;
    open = opened;
    error.clear();
  }
  void ShowFolderError(const std::string& text) override {
    rows.clear();
    error = text;
  }
  void ShowSummary(const std::string& text) override { summary = text; }
  std::optional<std::string> ChooseFavoritesFolder(const std::string& start) override {
    folderStarts.push_back(start);
    return Next(folderAnswers);
  }
  std::optional<std::string> ChooseBookmarksFile(const std::string& folder) override {
    fileFolders.push_back(folder);
    return Next(fileAnswers);
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const FolderRow& row : rows) {
      captions.push_back(std::string(row.depth * 2, ' ') + row.caption);
    }
    return captions;
  }

  std::vector<std::string> sources;
  int currentSource = -2;
  std::vector<FolderRow> rows;
  std::size_t selected = 0;
  bool open = false;
  std::string error;
  std::string summary;
  std::vector<std::string> folderStarts, fileFolders;
  std::deque<std::optional<std::string>> folderAnswers, fileAnswers;

 private:
  static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

// A home with a favorites folder, two Chrome profiles (one shown by its display name,
// "Profile 1" used last) and a Firefox profile; an export file beside them.
class SourceChooserTest : public ::testing::Test {
 protected:
  SourceChooserTest() : home_("HOME", dir_.host().string().c_str()) {
    test::WriteShortcut(Host("Favorites/Private.url"), "https://bank.example/");
    test::WriteShortcut(Host("Favorites/Public/Shared.url"), "https://shared.example/");
    test::WriteShortcut(Host("Favorites/Public/Dev/Tool.url"), "https://tool.example/");
    test::WriteShortcut(Host("Other/Elsewhere.url"), "https://elsewhere.example/");
    const fs::path chrome = Host(".config/google-chrome");
    test::WriteBytes(chrome / "Default/Bookmarks", Chromium("Bar", "開発"));
    test::WriteBytes(chrome / "Profile 1/Bookmarks", Chromium("Bar", "Work"));
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(chrome / "Default/Bookmarks", now - std::chrono::hours(48));
    fs::last_write_time(chrome / "Profile 1/Bookmarks", now - std::chrono::hours(1));
    test::WriteBytes(chrome / "Local State",
                     "{\"profile\": {\"info_cache\": {\"Default\": {\"name\": \"Home\"}}}}");
    test::WriteBytes(Host("bookmarks.html"),
                     "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                     "  <DT><H3>Menu</H3>\n  <DL><p>\n"
                     "    <DT><A HREF=\"https://html.example/\">HTML</A>\n  </DL><p>\n</DL><p>\n");
    state_.FavoritePath = dir_.internal("Favorites");
  }
  static std::string Chromium(const std::string& bar, const std::string& folder) {
    return "{\"roots\": {\"bookmark_bar\": {\"name\": \"" + bar +
           "\", \"type\": \"folder\", \"children\": [{\"type\": \"url\", \"name\": \"a\", "
           "\"url\": \"https://a.example/\"}, {\"type\": \"folder\", \"name\": \"" +
           folder +
           "\", \"children\": [{\"type\": \"url\", \"name\": \"b\", \"url\": "
           "\"https://b.example/\"}]}]}}}";
  }
  fs::path Host(std::string_view relative) const { return dir_.hostPath(relative); }
  std::string Favorites() const { return Host("Favorites").string(); }

  test::TempDir dir_;
  test::EnvOverride home_;
  SettingsState state_;
  RecordingDialog dialog_;
};

#ifndef _WIN32  // browsers are found below $HOME here
TEST_F(SourceChooserTest, ListsEverySourceAndTheFavoritesTreeWithLinkCounts) {
  SourceChooser chooser(state_);
  chooser.Open(dialog_);
  EXPECT_EQ(dialog_.sources,
            (std::vector<std::string>{"お気に入りフォルダ (" + Favorites() + ")",
                                      "Google Chrome (Profile 1)", "Google Chrome (Home)",
                                      "お気に入りフォルダを選択...", "ブックマークファイル..."}));
  EXPECT_EQ(dialog_.currentSource, 0);
  EXPECT_FALSE(chooser.AsksForMore(2));
  EXPECT_TRUE(chooser.AsksForMore(3));
  EXPECT_TRUE(chooser.AsksForMore(4));
  EXPECT_FALSE(chooser.AsksForMore(5));
  EXPECT_EQ(dialog_.Captions(),
            (std::vector<std::string>{Favorites() + " (3)", "  Public (2)", "    Dev (1)"}));
  EXPECT_EQ(dialog_.selected, 0U);
  EXPECT_FALSE(dialog_.open);
  EXPECT_EQ(dialog_.summary, "出力するもの: " + Favorites() + "  リンク 3 件");

  chooser.FolderSelected(2);
  EXPECT_EQ(chooser.Source(), "");
  EXPECT_EQ(chooser.SourceFolder(), "Public/Dev");
  EXPECT_EQ(dialog_.summary, "出力するもの: " + Favorites() + " / Public / Dev  リンク 1 件");
  chooser.FolderSelected(0);
  EXPECT_EQ(chooser.SourceFolder(), "");
}

// Choosing a browser opens its tree, and a folder of one source is never carried to another.
TEST_F(SourceChooserTest, ABrowserOpensItsTreeAndStartsFromTheWholeSource) {
  state_.SourceFolder = "Public";
  SourceChooser chooser(state_);
  chooser.Open(dialog_);
  EXPECT_EQ(dialog_.selected, 1U);
  chooser.SourceSelected(2);
  EXPECT_EQ(chooser.Source(), "chrome:Default");
  EXPECT_EQ(chooser.SourceFolder(), "");
  EXPECT_TRUE(dialog_.open);
  EXPECT_EQ(dialog_.currentSource, 2);
  EXPECT_EQ(dialog_.Captions(),
            (std::vector<std::string>{"Google Chrome (Default) (2)", "  Bar (2)", "    開発 (1)"}));
  chooser.FolderSelected(2);
  EXPECT_EQ(chooser.SourceFolder(), platform::FromHostText("Bar/開発"));
  EXPECT_EQ(dialog_.summary, "出力するもの: Google Chrome (Default) / Bar / 開発  リンク 1 件");
}

TEST_F(SourceChooserTest, AStoredChoiceOpensPickedAndAVanishedFolderIsNotWidened) {
  state_.Source = "chrome:Profile 1";
  state_.SourceFolder = "Bar/Work";
  SourceChooser chooser(state_);
  chooser.Open(dialog_);
  EXPECT_EQ(dialog_.currentSource, 1);
  EXPECT_EQ(dialog_.selected, 2U);
  EXPECT_FALSE(dialog_.open);

  state_.SourceFolder = "Bar/Gone";
  SourceChooser gone(state_);
  gone.Open(dialog_);
  EXPECT_EQ(dialog_.selected, kNoFolderRow);
  EXPECT_EQ(gone.SourceFolder(), "Bar/Gone");
  EXPECT_EQ(dialog_.summary, "出力するもの: Google Chrome (Profile 1) / Bar / Gone");
}

TEST_F(SourceChooserTest, PickingAFolderOrAFileAddsItsRowAndCancellingKeepsTheChoice) {
  dialog_.folderAnswers = {std::nullopt, Host("Other").string()};
  dialog_.fileAnswers = {Host("bookmarks.html").string()};
  SourceChooser chooser(state_);
  chooser.Open(dialog_);
  chooser.SourceSelected(3);  // cancelled
  EXPECT_EQ(dialog_.folderStarts, std::vector<std::string>{Favorites()});
  EXPECT_EQ(chooser.Source(), "");
  EXPECT_EQ(dialog_.currentSource, 0);

  chooser.SourceSelected(3);
  EXPECT_EQ(chooser.Source(), dir_.internal("Other"));
  EXPECT_EQ(dialog_.sources.at(3), Host("Other").string());
  EXPECT_EQ(dialog_.currentSource, 3);
  EXPECT_EQ(dialog_.Captions(), std::vector<std::string>{Host("Other").string() + " (1)"});

  chooser.SourceSelected(5);  // the file row, now after the new folder row
  EXPECT_EQ(dialog_.fileFolders, std::vector<std::string>{dir_.host().string()});
  EXPECT_EQ(chooser.Source(), dir_.internal("bookmarks.html"));
  EXPECT_EQ(dialog_.Captions(),
            (std::vector<std::string>{Host("bookmarks.html").string() + " (1)", "  Menu (1)"}));
}

TEST_F(SourceChooserTest, ASourceThatCannotBeReadSaysSoInPlaceOfItsTree) {
  state_.Source = dir_.internal("missing.html");
  SourceChooser chooser(state_);
  chooser.Open(dialog_);
  EXPECT_EQ(dialog_.sources.at(1), Host("missing.html").string());
  EXPECT_EQ(dialog_.currentSource, 1);
  EXPECT_TRUE(dialog_.rows.empty());
  EXPECT_EQ(dialog_.error, Host("missing.html").string() + ": ファイルが見つかりません.");
}
#endif

TEST(SourceLabelTest, NamesTheSourceAndItsFolder) {
  SettingsState state;
  state.FavoritePath = platform::FromHostPath("/home/me/Favorites");
  // As the host writes the path: with backslashes on Windows.
  const std::string favorites = platform::ToHostPath(state.FavoritePath);
  const struct {
    std::string source, folder, label;
  } cases[] = {
      {"", "", favorites},
      {"firefox:default-release", "ツールバー/公開",
       "Firefox (default-release) / ツールバー / 公開"},
      {"chrome", "a\\/b/c", "Google Chrome / a/b / c"},
      {"", "bad\\", favorites + " / bad\\"},
  };
  for (const auto& c : cases) {
    state.Source = c.source;
    state.SourceFolder = platform::FromHostText(c.folder);
    EXPECT_EQ(SourceLabel(state), c.label);
  }
}

}  // namespace
}  // namespace favpage::ui

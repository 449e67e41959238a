// One folder of a source: the path text that names it, the outline the folder list and
// the chooser show, and a run narrowed to that folder.
#include <optional>
#include <string>
#include <vector>

#include "base/messages.h"
#include "generate/bookmark_tree.h"
#include "generate/folder_path.h"
#include "generate/generation_command.h"
#include "generate/source_factory.h"
#include "generate/source_folders.h"
#include "generate_fixture.h"
#include "platform/host_path.h"

namespace favpage::test {
namespace {

using Names = std::vector<std::string>;

TEST(FolderPathTest, NamesRoundTripThroughTheirText) {
  const struct {
    Names names;
    std::string text;
  } cases[] = {
      {{}, ""},
      {{"開発"}, "開発"},
      {{"開発", "Qt"}, "開発/Qt"},
      {{"a/b", "c"}, "a\\/b/c"},
      {{"a\\b"}, "a\\\\b"},
      {{"\\/", "/\\"}, "\\\\\\//\\/\\\\"},
      {{" blank ", "two  words"}, " blank /two  words"},
      {{"絵文字 😀", "日本語"}, "絵文字 😀/日本語"},
      {{"tab\there", "line\nbreak\r"}, "tab\\there/line\\nbreak\\r"},
      {{"\x1B[31mred", "del\x7F"}, "\\x1B[31mred/del\\x7F"},
      {{"", "empty above"}, "/empty above"},
      {{"trailing", ""}, "trailing/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FolderPathText(c.names), c.text);
    EXPECT_EQ(SplitFolderPath(c.text), std::optional<Names>(c.names));
  }
}

TEST(FolderPathTest, EscapesAreReadInEitherCaseAndBrokenOnesRefused) {
  EXPECT_EQ(SplitFolderPath("\\x41\\x1b"), std::optional<Names>({"A\x1B"}));
  for (const char* broken : {"a\\", "a\\q", "\\x1", "\\xZZ/b", "\\X41", "ok/\\ "}) {
    SCOPED_TRACE(broken);
    EXPECT_EQ(SplitFolderPath(broken), std::nullopt);
  }
}

// Top: link; "Bar" (2 links) holding "開発" (1) holding "Qt" (3), then "a/b" (none);
// "Other" (1); a second "Bar" (1).
class SourceFoldersTest : public ::testing::Test {
 protected:
  SourceFoldersTest() {
    tree.AddLink(BookmarkTree::kTop, "top", "https://top.example/");
    const auto bar = tree.AddFolder(BookmarkTree::kTop, "Bar");
    tree.AddLink(bar, "b1", "https://b1.example/");
    tree.AddLink(bar, "b2", "https://b2.example/");
    const auto dev = tree.AddFolder(bar, "開発");
    tree.AddLink(dev, "d1", "https://d1.example/");
    const auto qt = tree.AddFolder(dev, "Qt");
    for (const char* name : {"q1", "q2", "q3"}) tree.AddLink(qt, name, "https://qt.example/");
    tree.AddFolder(bar, "a/b");
    const auto other = tree.AddFolder(BookmarkTree::kTop, "Other & more");
    tree.AddLink(other, "o1", "https://o1.example/");
    const auto second = tree.AddFolder(BookmarkTree::kTop, "Bar");
    tree.AddLink(second, "s1", "https://s1.example/");
  }
  BookmarkTree tree;
};

TEST_F(SourceFoldersTest, OutlineIsDepthFirstInTheSourcesOrderWithLinkCounts) {
  const std::vector<FolderNode> outline = ReadFolderOutline(tree);
  const struct {
    std::string name;
    std::size_t depth, parent, links, linksBelow;
  } expected[] = {
      {"", 0, 0, 1, 9},    {"Bar", 1, 0, 2, 6},          {"開発", 2, 1, 1, 4}, {"Qt", 3, 2, 3, 3},
      {"a/b", 2, 1, 0, 0}, {"Other & more", 1, 0, 1, 1}, {"Bar", 1, 0, 1, 1},
  };
  ASSERT_EQ(outline.size(), std::size(expected));
  for (std::size_t i = 0; i < outline.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(outline[i].name, expected[i].name);
    EXPECT_EQ(outline[i].depth, expected[i].depth);
    EXPECT_EQ(outline[i].parent, expected[i].parent);
    EXPECT_EQ(outline[i].links, expected[i].links);
    EXPECT_EQ(outline[i].linksBelow, expected[i].linksBelow);
  }
}

TEST_F(SourceFoldersTest, EveryListedPathFindsItsFolder) {
  const std::vector<FolderNode> outline = ReadFolderOutline(tree);
  std::vector<std::string> lines;
  ForEachFolderPath(outline, [&](std::size_t index, const std::string& path) {
    lines.push_back(path);
    EXPECT_EQ(FolderPathOf(outline, index), path);
  });
  EXPECT_EQ(lines, (Names{"Bar", "Bar/開発", "Bar/開発/Qt", "Bar/a\\/b", "Other & more", "Bar"}));
  // Each line leads back to its folder; of two folders with one name, the first.
  for (std::size_t i = 1; i < outline.size(); ++i) {
    const std::size_t wanted = i == 6 ? 1 : i;
    EXPECT_EQ(FindFolder(tree, FolderPathOf(outline, i)), outline[wanted].key) << i;
  }
  EXPECT_EQ(FindFolder(tree, ""), tree.TopFolder());
  EXPECT_EQ(FindOutlineRow(outline, ""), 0U);
  EXPECT_EQ(FindOutlineRow(outline, "Bar/開発/Qt"), 3U);
  EXPECT_EQ(FindOutlineRow(outline, "Bar/a\\/b"), 4U);
  EXPECT_EQ(FindOutlineRow(outline, "Bar"), 1U);  // the first of the two
  EXPECT_EQ(FindOutlineRow(outline, "Bar/Qt"), std::nullopt);
  EXPECT_EQ(FindOutlineRow(outline, "Bar\\"), std::nullopt);
  for (const char* missing : {"bar", "Bar/Qt", "Bar/a/b", "Bar/開発/Qt/x", "Bar\\", "Other"}) {
    EXPECT_EQ(FindFolder(tree, missing), std::nullopt) << missing;
  }
}

TEST_F(SourceFoldersTest, ANarrowedSourceStartsAtItsFolder) {
  auto whole = std::make_unique<BookmarkTree>(std::move(tree));
  const std::string devKey = *FindFolder(*whole, "Bar/開発");
  const std::string qtKey = *FindFolder(*whole, "Bar/開発/Qt");
  const std::unique_ptr<LinkSource> narrowed = NarrowToFolder(std::move(whole), "Bar/開発", "");
  EXPECT_EQ(narrowed->TopFolder(), devKey);
  EXPECT_TRUE(narrowed->IsTopFolder(devKey));
  EXPECT_FALSE(narrowed->IsTopFolder(BookmarkTree().TopFolder()));
  EXPECT_EQ(narrowed->FolderHeading(devKey), Sjis("トップページ"));
  EXPECT_EQ(narrowed->FolderHeading(qtKey), "Qt");
  EXPECT_EQ(narrowed->ListFolder(devKey).links.size(), 1U);
}

TEST_F(SourceFoldersTest, AMissingFolderIsRefusedNamingThePathAsGiven) {
  const std::string shown = platform::FromHostText("Bar/無い");
  try {
    NarrowToFolder(std::make_unique<BookmarkTree>(std::move(tree)), "Bar/無い", shown);
    ADD_FAILURE() << "no error";
  } catch (const SourceError& error) {
    EXPECT_EQ(error.what(), FormatText(msg::kNoSuchFolderFormat, shown));
  }
}

// The generation command with SourceFolder over a favorites folder: the chosen folder is
// the top page, headings read from it and the sub-pages are numbered from it.
class NarrowedRunTest : public GenerateTest {
 protected:
  GenerationStats Run() {
    RecordingMessageBox messages;
    return RunGenerationCommand(state, titles, progress, messages, dir.internal("exe") + "\\");
  }
};

TEST_F(NarrowedRunTest, TheChosenFolderIsTheTopOfTheTree) {
  Shortcut("Fav/Private.url", "https://bank.example/");
  Shortcut("Fav/Dev/Tools/Editor.url", "https://editor.example/");
  Shortcut("Fav/Dev/Tools/Deep/Compiler.url", "https://compiler.example/");
  Shortcut("Fav/Dev/Readme.url", "https://readme.example/");
  state.OutName = dir.internal("web/links.html");
  state.OutType = 1;
  state.SourceFolder = "Dev";
  const GenerationStats stats = Run();
  EXPECT_EQ(stats.links, 3);
  const std::string top = Read("web/links.html");
  EXPECT_NE(top.find(Sjis("<H2>トップページ</H2>")), std::string::npos) << top;
  EXPECT_NE(top.find("readme.example"), std::string::npos);
  EXPECT_NE(top.find("links_0.html\">" + Sjis("＜Tools＞")), std::string::npos) << top;
  EXPECT_EQ(top.find("bank.example"), std::string::npos);
  const std::string tools = Read("web/links_0.html");
  EXPECT_NE(tools.find("<H2>Tools</H2>"), std::string::npos) << tools;
  EXPECT_NE(Read("web/links_0_0.html").find("<H2>Tools > Deep</H2>"), std::string::npos)
      << Read("web/links_0_0.html");
  EXPECT_FALSE(Exists("web/links_1.html"));
}

TEST_F(NarrowedRunTest, AMissingFolderWritesNothing) {
  Shortcut("Fav/Dev/Readme.url", "https://readme.example/");
  state.OutName = dir.internal("web/links.html");
  state.SourceFolder = "Gone";
  EXPECT_THROW(Run(), SourceError);
  EXPECT_FALSE(Exists("web/links.html"));
}

}  // namespace
}  // namespace favpage::test

// favpage-cli --list-folders and --folder against each kind of source, as a user runs
// them: every printed line, given back to --folder, publishes that folder and nothing else.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <sstream>

#include "cli/run_binary.h"

namespace favpage::test {
namespace {

namespace fs = std::filesystem;

constexpr char kExport[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n"
    "<DL><p>\n"
    "  <DT><H3>Bar</H3>\n  <DL><p>\n"
    "    <DT><A HREF=\"https://bank.example/\">Bank</A>\n"
    "    <DT><H3>a/b \\ c</H3>\n    <DL><p>\n"
    "      <DT><A HREF=\"https://slash.example/\">Slash</A>\n"
    "      <DT><H3>Deep</H3>\n      <DL><p>\n"
    "        <DT><A HREF=\"https://deep.example/\">Deep link</A>\n"
    "      </DL><p>\n"
    "    </DL><p>\n"
    "  </DL><p>\n"
    "  <DT><H3>Other</H3>\n  <DL><p>\n"
    "    <DT><A HREF=\"https://other.example/\">Other link</A>\n"
    "  </DL><p>\n"
    "</DL><p>\n";

constexpr char kChromium[] =
    "{\"roots\": {\"bookmark_bar\": {\"name\": \"Bar\", \"type\": \"folder\", \"children\": ["
    "{\"type\": \"url\", \"name\": \"Bank\", \"url\": \"https://bank.example/\"},"
    "{\"type\": \"folder\", \"name\": \"\xE9\x96\x8B\xE7\x99\xBA \xF0\x9F\x98\x80\", "
    "\"children\": [{\"type\": \"url\", \"name\": \"Qt\", \"url\": \"https://qt.example/\"}]}"
    "]}}}";

void MakePlaces(const fs::path& file) {
  fs::create_directories(file.parent_path());
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db,
                         "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT, title TEXT);"
                         "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk "
                         "INTEGER, parent INTEGER, position INTEGER, title TEXT, guid TEXT);"
                         "INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________');"
                         "INSERT INTO moz_bookmarks VALUES (2, 2, NULL, 1, 0, '', 'toolbar_____');"
                         "INSERT INTO moz_places VALUES (1, 'https://bank.example/', NULL);"
                         "INSERT INTO moz_bookmarks VALUES (3, 1, 1, 2, 0, 'Bank', 'a');"
                         "INSERT INTO moz_bookmarks VALUES (4, 2, NULL, 2, 1, 'Public', 'b');"
                         "INSERT INTO moz_places VALUES (2, 'https://public.example/', NULL);"
                         "INSERT INTO moz_bookmarks VALUES (5, 1, 2, 4, 0, 'Shared', 'c');",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CliFolderTest : public ::testing::Test {
 protected:
  CliFolderTest() {
    WriteShortcut(dir.hostPath("Favorites/Bank.url"), "https://bank.example/");
    WriteShortcut(dir.hostPath("Favorites/Public/Shared.url"), "https://public.example/");
    WriteShortcut(dir.hostPath("Favorites/Public/Dev/Tool.url"), "https://tool.example/");
    WriteBytes(dir.hostPath("bookmarks.html"), kExport);
    WriteBytes(dir.hostPath("Bookmarks"), kChromium);
    WriteBytes(dir.hostPath(".config/chromium/Default/Bookmarks"), kChromium);
    WriteBytes(dir.hostPath(".mozilla/firefox/profiles.ini"),
               "[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/abc\n");
    MakePlaces(dir.hostPath(".mozilla/firefox/Profiles/abc/places.sqlite"));
  }

  Outcome Run(std::vector<std::string> args) { return RunBinary(args, dir.host(), dir.host()); }
  Outcome Publish(std::vector<std::string> args) {
    args.insert(args.end(), {"--out", "site/links.html", "--quiet", "--charset", "utf-8"});
    return Run(args);
  }
  std::string Page(const std::string& name = "links.html") {
    return ReadBytes(dir.hostPath("site/" + name));
  }

  TempDir dir;
};

TEST_F(CliFolderTest, EachKindOfSourceListsItsFoldersAndPublishesOne) {
  const struct {
    std::vector<std::string> source;
    std::vector<std::string> lines;
    std::string chosen;   // one of the lines
    std::string inside;   // a link of the chosen folder
    std::string outside;  // a link elsewhere
  } cases[] = {
      {{"--favorites", "Favorites"},
       {"Public", "Public/Dev"},
       "Public",
       "https://public.example/",
       "https://bank.example/"},
      {{"--source", "bookmarks.html"},
       {"Bar", "Bar/a\\/b \\\\ c", "Bar/a\\/b \\\\ c/Deep", "Other"},
       "Bar/a\\/b \\\\ c",
       "https://deep.example/",
       "https://other.example/"},
      {{"--source", "Bookmarks"},
       {"Bar", "Bar/開発 😀"},
       "Bar/開発 😀",
       "https://qt.example/",
       "https://bank.example/"},
      {{"--source", "chromium"},
       {"Bar", "Bar/開発 😀"},
       "Bar/開発 😀",
       "https://qt.example/",
       "https://bank.example/"},
      {{"--source", "firefox"},
       {"Bookmarks Toolbar", "Bookmarks Toolbar/Public"},
       "Bookmarks Toolbar/Public",
       "https://public.example/",
       "https://bank.example/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source.back());
    std::vector<std::string> list = c.source;
    list.push_back("--list-folders");
    const Outcome listed = Run(list);
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(Lines(listed.out), c.lines);
    EXPECT_FALSE(fs::exists(dir.hostPath("site")));

    std::vector<std::string> publish = c.source;
    publish.insert(publish.end(), {"--folder", c.chosen});
    const Outcome run = Publish(publish);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(Page().find(c.inside), std::string::npos) << Page();
    EXPECT_EQ(Page().find(c.outside), std::string::npos) << Page();
    EXPECT_NE(Page().find("<H2>トップページ</H2>"), std::string::npos) << Page();
    fs::remove_all(dir.hostPath("site"));
  }
}

TEST_F(CliFolderTest, HeadingsAndSubPagesStartFromTheChosenFolder) {
  ASSERT_EQ(Publish({"--source", "bookmarks.html", "--folder", "Bar", "--type", "tree"}).exitCode,
            0);
  EXPECT_NE(Page().find("<H2>トップページ</H2>"), std::string::npos) << Page();
  EXPECT_NE(Page().find("https://bank.example/"), std::string::npos);
  EXPECT_NE(Page("links_0.html").find("<H2>a/b &#x5C; c</H2>"), std::string::npos)
      << Page("links_0.html");
  EXPECT_NE(Page("links_0_0.html").find("<H2>a/b &#x5C; c > Deep</H2>"), std::string::npos)
      << Page("links_0_0.html");
  EXPECT_FALSE(fs::exists(dir.hostPath("site/links_1.html")));
}

TEST_F(CliFolderTest, AFolderTheSourceLacksIsAFailureThatWritesNothing) {
  for (const char* missing : {"Nope/x", "bar", "Bar/a/b \\\\ c", "Bar\\"}) {
    SCOPED_TRACE(missing);
    const Outcome run = Publish({"--source", "bookmarks.html", "--folder", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, std::string("favpage-cli: the source has no folder '") + missing + "'\n");
    EXPECT_FALSE(fs::exists(dir.hostPath("site/links.html")));
  }
  const Outcome unreadable = Run({"--source", "missing.html", "--list-folders"});
  EXPECT_EQ(unreadable.exitCode, 1);
  EXPECT_EQ(unreadable.out, "");
}

// The window's choice is read from the settings unless --folder says otherwise; "" is the
// whole source.
TEST_F(CliFolderTest, TheStoredFolderHoldsUntilTheCommandLineSaysOtherwise) {
  WriteBytes(dir.hostPath("favpage.INI"), "[Setup]\r\nSourceFolder=\"Other\"\r\n");
  const std::vector<std::string> source = {"--source", "bookmarks.html", "--settings",
                                           "favpage.INI"};
  std::vector<std::string> args = source;
  ASSERT_EQ(Publish(args).exitCode, 0);
  EXPECT_NE(Page().find("https://other.example/"), std::string::npos);
  EXPECT_EQ(Page().find("https://bank.example/"), std::string::npos);

  args.insert(args.end(), {"--folder", ""});
  ASSERT_EQ(Publish(args).exitCode, 0);
  EXPECT_NE(Page().find("https://other.example/"), std::string::npos);
  EXPECT_NE(Page().find("https://bank.example/"), std::string::npos);

  // The list is always the whole source's.
  args = source;
  args.push_back("--list-folders");
  EXPECT_EQ(Lines(Run(args).out).size(), 4U);
}

}  // namespace
}  // namespace favpage::test

// favpage-cli publishing each kind of source, and a browser's own bookmarks found below
// the user's home folder.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>

#include "cli/run_binary.h"

namespace favpage::test {
namespace {

namespace fs = std::filesystem;

constexpr char kExport[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n"
    "<DL><p>\n  <DT><H3>Bar</H3>\n  <DL><p>\n    <DT><A HREF=\"https://html.example/\">HTML</A>\n"
    "  </DL><p>\n</DL><p>\n";

std::string ChromiumBookmarks(const std::string& name) {
  return "{\"roots\": {\"bookmark_bar\": {\"name\": \"Bar\", \"type\": \"folder\", \"children\": "
         "[{\"type\": \"url\", \"name\": \"" +
         name + "\", \"url\": \"https://" + name + ".example/\"}]}}}";
}

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
                         "INSERT INTO moz_places VALUES (1, 'https://fox.example/', NULL);"
                         "INSERT INTO moz_bookmarks VALUES (3, 1, 1, 2, 0, 'Fox', 'a');",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
}

void Age(const fs::path& file, int hours) {
  fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(hours));
}

class CliSourceTest : public ::testing::Test {
 protected:
  CliSourceTest() {
    WriteShortcut(dir.hostPath("Favorites/News.url"), "https://news.example/");
    WriteBytes(dir.hostPath("bookmarks.html"), kExport);
    WriteBytes(dir.hostPath("Bookmarks"), ChromiumBookmarks("json"));
    MakePlaces(dir.hostPath("places.sqlite"));
    // A Chrome with two profiles, "Profile 1" used last, and a Firefox with one.
    const fs::path chrome = dir.hostPath(".config/google-chrome");
    WriteBytes(chrome / "Default/Bookmarks", ChromiumBookmarks("default"));
    Age(chrome / "Default/Bookmarks", 48);
    WriteBytes(chrome / "Profile 1/Bookmarks", ChromiumBookmarks("recent"));
    Age(chrome / "Profile 1/Bookmarks", 1);
    WriteBytes(dir.hostPath(".mozilla/firefox/profiles.ini"),
               "[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=default-release\n"
               "IsRelative=1\nPath=Profiles/abc.default-release\nDefault=1\n");
    MakePlaces(dir.hostPath(".mozilla/firefox/Profiles/abc.default-release/places.sqlite"));
    WriteBytes(dir.hostPath("notes.txt"), "just text");
  }

  Outcome Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--out", "site/links.html", "--quiet"});
    return RunBinary(args, dir.host(), dir.host());
  }
  std::string Page() { return ReadBytes(dir.hostPath("site/links.html")); }

  TempDir dir;
};

TEST_F(CliSourceTest, EachKindOfSourcePublishesItsLinks) {
  const struct {
    std::vector<std::string> args;
    std::string link;
  } cases[] = {
      {{"--source", "Favorites"}, "<A HREF=\"https://news.example/\">News</A>"},
      {{"--source", "bookmarks.html"}, "<A HREF=\"https://html.example/\">HTML</A>"},
      {{"--source", "Bookmarks"}, "<A HREF=\"https://json.example/\">json</A>"},
      {{"--source", "places.sqlite"}, "<A HREF=\"https://fox.example/\">Fox</A>"},
      {{"--source", "chrome"}, "<A HREF=\"https://recent.example/\">recent</A>"},
      {{"--source", "chrome", "--profile", "Default"},
       "<A HREF=\"https://default.example/\">default</A>"},
      {{"--source", "firefox"}, "<A HREF=\"https://fox.example/\">Fox</A>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const Outcome run = Run(c.args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(Page().find(c.link), std::string::npos) << Page();
  }
}

TEST_F(CliSourceTest, AFolderSourceIsTheFavoritesFolder) {
  ASSERT_EQ(Run({"--favorites", "Favorites"}).exitCode, 0);
  const std::string favorites = Page();
  ASSERT_EQ(Run({"--source", "Favorites"}).exitCode, 0);
  EXPECT_EQ(Page(), favorites);
}

TEST_F(CliSourceTest, SourcesThatCannotBeReadAreFailures) {
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string err;
  } cases[] = {
      {{"--source", "missing.html"},
       1,
       "favpage-cli: " + (dir.host() / "missing.html").string() + ": file not found\n"},
      {{"--source", "notes.txt"},
       1,
       "favpage-cli: " + (dir.host() / "notes.txt").string() + ": not a bookmarks file\n"},
      {{"--source", "chrome", "--profile", "Work"},
       1,
       "favpage-cli: no bookmarks of chrome profile 'Work' found for this user\n"},
      {{"--source", "vivaldi"}, 1, "favpage-cli: no bookmarks of vivaldi found for this user\n"},
      {{"--favorites", "Favorites", "--profile", "Default"},
       1,
       "favpage-cli: --profile needs a browser as the source\n"},
      {{"--source", "cut.html"},
       1,
       "favpage-cli: " + (dir.host() / "cut.html").string() + ": not a complete bookmarks file\n"},
      {{"--source", "rootless.json"},
       1,
       "favpage-cli: " + (dir.host() / "rootless.json").string() +
           ": not a complete bookmarks file\n"},
      // A profile is named as written: no "/" is turned into anything else.
      {{"--source", "firefox", "--profile", "Nope/\xE3\x81\x82\\x"},
       1,
       "favpage-cli: no bookmarks of firefox profile 'Nope/\xE3\x81\x82\\x' found for this "
       "user\n"},
  };
  WriteBytes(dir.hostPath("cut.html"),
             std::string(kExport).substr(0, std::string(kExport).find("  </DL>")));
  WriteBytes(dir.hostPath("rootless.json"), "{\"roots\": {}}");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const Outcome run = Run(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err, c.err);
    EXPECT_FALSE(fs::exists(dir.hostPath("site/links.html")));
  }
}

// A run refused for its source leaves the last pages as they were.
TEST_F(CliSourceTest, ARefusedSourceLeavesTheLastPages) {
  ASSERT_EQ(Run({"--source", "bookmarks.html", "--type", "tree"}).exitCode, 0);
  const std::string top = Page();
  const std::string sub = ReadBytes(dir.hostPath("site/links_0.html"));
  const std::string export_ = ReadBytes(dir.hostPath("bookmarks.html"));
  WriteBytes(dir.hostPath("bookmarks.html"), export_.substr(0, export_.size() / 2));
  const Outcome run = Run({"--source", "bookmarks.html", "--type", "tree"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("not a complete bookmarks file"), std::string::npos) << run.err;
  EXPECT_EQ(Page(), top);
  EXPECT_EQ(ReadBytes(dir.hostPath("site/links_0.html")), sub);
}

// Firefox profiles by their Name=, "/" and all; Chromium profiles by the name the browser
// shows for them.
TEST_F(CliSourceTest, ProfilesByTheirNames) {
  WriteBytes(dir.hostPath(".mozilla/firefox/profiles.ini"),
             "[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/abc.default-release\n"
             "[Profile1]\nName=Work/Home\nIsRelative=1\nPath=Profiles/work\n");
  MakePlaces(dir.hostPath(".mozilla/firefox/Profiles/work/places.sqlite"));
  WriteBytes(dir.hostPath(".config/google-chrome/Local State"),
             "{\"profile\": {\"info_cache\": {\"Default\": {\"name\": \"\u4ed5\u4e8b\"}}}}");
  const struct {
    std::vector<std::string> args;
    std::string link;
  } cases[] = {
      {{"--source", "firefox", "--profile", "Work/Home"}, "https://fox.example/"},
      {{"--source", "chrome", "--profile", "\xE4\xBB\x95\xE4\xBA\x8B"}, "https://default.example/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const Outcome run = Run(c.args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(Page().find(c.link), std::string::npos);
  }
}

TEST_F(CliSourceTest, Utf8PagesFromTheCommandLine) {
  WriteShortcut(dir.hostPath("Favorites/天気 😀.url"), "https://tenki.example/");
  ASSERT_EQ(Run({"--favorites", "Favorites", "--charset", "utf-8"}).exitCode, 0);
  EXPECT_NE(Page().find("charset=UTF-8"), std::string::npos);
  EXPECT_NE(Page().find(">天気 😀</A>"), std::string::npos) << Page();
  ASSERT_EQ(Run({"--favorites", "Favorites"}).exitCode, 0);
  EXPECT_NE(Page().find(Sjis("天気") + " &#x1F600;</A>"), std::string::npos);
}

}  // namespace
}  // namespace favpage::test

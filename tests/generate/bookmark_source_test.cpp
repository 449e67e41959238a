// Bookmark files as the browsers write them, published through the generation command
// and compared byte for byte.
#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "base/utf8.h"
#include "generate/bookmark_readers.h"
#include "generate/generation_command.h"
#include "generate/source_factory.h"
#include "generate_fixture.h"

namespace favpage::test {
namespace {

constexpr char kFirefoxExport[] = R"src(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<!-- This is an automatically generated file.
     It will be read and overwritten.
     DO NOT EDIT! -->
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<meta http-equiv="Content-Security-Policy"
      content="default-src 'self'; script-src 'none'; img-src data: *; object-src 'none'"></meta>
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks Menu</H1>

<DL><p>
    <DT><A HREF="https://example.org/" ADD_DATE="1" LAST_MODIFIED="2">Example &amp; Co</A>
    <DD>A description
    <HR>
    <DT><H3 ADD_DATE="1" LAST_MODIFIED="2" PERSONAL_TOOLBAR_FOLDER="true">Bookmarks Toolbar</H3>
    <DL><p>
        <DT><A HREF="https://日本.example/パス?q=&quot;x&quot;">日本 😀 &lt;b&gt;</A>
        <DT><H3>Sub</H3>
        <DD>A folder's description
        <DL><p>
            <DT><A HREF="javascript:alert(1)">JS</A>
            <DT><A HREF="">No address</A>
        </DL><p>
    </DL><p>
    <DT><A HREF="place:sort=8&maxResults=10">Recent Tags</A>
</DL>
)src";

// A Chromium export: lower case here and there, no meta line, icons, an empty folder.
constexpr char kChromiumExport[] = R"src(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks</H1>
<DL><p>
    <DT><H3 ADD_DATE="1" LAST_MODIFIED="2" PERSONAL_TOOLBAR_FOLDER="true">Bookmarks bar</H3>
    <DL><p>
        <dt><a href="https://a.example/" ADD_DATE="1" ICON="data:image/png;base64,AAAA">A</a>
        <DT><H3 ADD_DATE="1">Empty</H3>
        <DL><p>
        </DL><p>
        <DT><H3 ADD_DATE="1">News</H3>
        <DL><p>
            <DT><A HREF="https://news.example/">ニュース</A>
        </DL><p>
    </DL><p>
    <DT><A HREF="https://other.example/">Other</A>
</DL><p>
)src";

constexpr char kChromiumJson[] = R"src({
   "checksum": "0",
   "roots": {
      "bookmark_bar": {
         "children": [ {
            "date_added": "1", "guid": "a", "id": "5", "name": "Search",
            "type": "url", "url": "https://search.example/?q=a&b=\"c\""
         }, {
            "children": [ {
               "id": "7", "name": "", "type": "url", "url": "https://untitled.example/"
            } ],
            "id": "6", "name": "Work\\Docs: <draft>", "type": "folder"
         } ],
         "id": "1", "name": "Bookmarks bar", "type": "folder"
      },
      "other": {
         "children": [ {
            "id": "8", "name": "Line\nbreak", "type": "url", "url": "https://x.example/a\nb"
         } ],
         "id": "2", "name": "Other bookmarks", "type": "folder"
      },
      "synced": { "children": [ ], "id": "3", "name": "Mobile bookmarks", "type": "folder" }
   },
   "version": 1
})src";

// The tables of places.sqlite that the reader uses, as Firefox lays them out.
constexpr char kPlacesSchema[] = R"src(
CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR);
CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL,
  parent INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT);
INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________');
INSERT INTO moz_bookmarks VALUES (2, 2, NULL, 1, 0, 'menu', 'menu________');
INSERT INTO moz_bookmarks VALUES (3, 2, NULL, 1, 1, 'toolbar', 'toolbar_____');
INSERT INTO moz_bookmarks VALUES (4, 2, NULL, 1, 2, 'tags', 'tags________');
INSERT INTO moz_bookmarks VALUES (5, 2, NULL, 1, 3, 'unfiled', 'unfiled_____');
INSERT INTO moz_bookmarks VALUES (6, 2, NULL, 1, 4, 'mobile', 'mobile______');
INSERT INTO moz_places VALUES (1, 'https://mozilla.example/', 'Mozilla');
INSERT INTO moz_places VALUES (2, 'place:tag=x', NULL);
INSERT INTO moz_places VALUES (3, 'https://dev.example/', NULL);
-- The menu: a query, a separator, a link and a folder, stored out of order.
INSERT INTO moz_bookmarks VALUES (10, 1, 1, 2, 2, 'Mozilla', 'b1');
INSERT INTO moz_bookmarks VALUES (11, 1, 2, 2, 0, 'Most Visited', 'b2');
INSERT INTO moz_bookmarks VALUES (12, 3, NULL, 2, 1, NULL, 'b3');
INSERT INTO moz_bookmarks VALUES (13, 2, NULL, 2, 3, 'Dev', 'b4');
INSERT INTO moz_bookmarks VALUES (14, 1, 3, 13, 0, 'Dev & Ops', 'b5');
-- A tag folder and its entry: not bookmarks of their own.
INSERT INTO moz_bookmarks VALUES (20, 2, NULL, 4, 0, 'x', 't1');
INSERT INTO moz_bookmarks VALUES (21, 1, 1, 20, 0, NULL, 't2');
-- Untitled: shown by its address.
INSERT INTO moz_bookmarks VALUES (30, 1, 3, 5, 0, NULL, 'u1');
)src";

void Exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << error;
}

class BookmarkSourceTest : public GenerateTest {
 protected:
  BookmarkSourceTest() {
    state.OutName = dir.internal("out/links.html");
    // The private copy lands in this test's folder, so a copy left behind is seen.
    const char* old = std::getenv("TMPDIR");
    oldTmp_ = old != nullptr ? old : "";
    hadTmp_ = old != nullptr;
    std::filesystem::create_directories(dir.hostPath("tmp"));
    setenv("TMPDIR", dir.hostPath("tmp").c_str(), 1);
  }
  ~BookmarkSourceTest() override {
    if (hadTmp_) {
      setenv("TMPDIR", oldTmp_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
  }

  std::string Publish(const std::string& relative, std::uint8_t outType) {
    state.Source = dir.internal(relative);
    state.OutType = outType;
    RunGenerationCommand(state, titles, progress, messages, dir.internal() + "\\");
    EXPECT_TRUE(std::filesystem::is_empty(dir.hostPath("tmp")));
    return Read("out/links.html");
  }

  sqlite3* MakePlaces(const std::string& relative) {
    sqlite3* db = nullptr;
    std::filesystem::create_directories(dir.hostPath(relative).parent_path());
    EXPECT_EQ(sqlite3_open(dir.hostPath(relative).c_str(), &db), SQLITE_OK);
    Exec(db, kPlacesSchema);
    return db;
  }

  RecordingMessageBox messages;

 private:
  std::string oldTmp_;
  bool hadTmp_ = false;
};

TEST_F(BookmarkSourceTest, FirefoxExportIsOnePageInTheBrowsersOrder) {
  WriteBytes(dir.hostPath("bookmarks.html"), kFirefoxExport);
  EXPECT_EQ(Publish("bookmarks.html", 0),
            PlainPage({
                "\t<H2>トップページ</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://example.org/\">Example &#x26; Co</A></DD>",
                "\t</DL>",
                "",
                "<HR>",
                "\t<H2>Bookmarks Toolbar</H2>",
                "\t<DL>",
                // Characters CP932 holds stay; the rest of a URL is UTF-8 percent-encoded.
                "\t\t<DD><A HREF=\"https://日本.example/パス?q=%22x%22\">日本 &#x1F600; "
                "&#x3C;b&#x3E;</A></DD>",
                "\t</DL>",
                "",
                "\t<H2>Bookmarks Toolbar > Sub</H2>",
                "\t<DL>",
                // "JS" (javascript:alert(1)) is left out: a browser would run it.
                "\t\t<DD><A HREF=\"\">No address</A></DD>",
                "\t</DL>",
                "",
                "</BODY>",
                "</HTML>",
            }));
}

TEST_F(BookmarkSourceTest, ChromiumExportIsATreeOfPages) {
  WriteBytes(dir.hostPath("bookmarks.html"), kChromiumExport);
  EXPECT_EQ(Publish("bookmarks.html", 1),
            PlainPage({
                "\t<H2>トップページ</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"links_0.html\">＜Bookmarks bar＞</A></DD>",
                "\t</DL>",
                "",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://other.example/\">Other</A></DD>",
                "\t</DL>",
                "",
                "</BODY>",
                "</HTML>",
            }));
  EXPECT_EQ(Read("out/links_0.html"), PlainPage({
                                          "\t\t<DD><A HREF=\"links.html\">＜上に戻る＞</A></DD>",
                                          "\t<H2>Bookmarks bar</H2>",
                                          "\t<DL>",
                                          "\t\t<DD><A HREF=\"links_0_0.html\">＜Empty＞</A></DD>",
                                          "\t\t<DD><A HREF=\"links_0_1.html\">＜News＞</A></DD>",
                                          "\t</DL>",
                                          "",
                                          "\t<DL>",
                                          "\t\t<DD><A HREF=\"https://a.example/\">A</A></DD>",
                                          "\t</DL>",
                                          "",
                                          "</BODY>",
                                          "</HTML>",
                                      }));
  EXPECT_EQ(Read("out/links_0_0.html"),
            PlainPage({"\t\t<DD><A HREF=\"links_0.html\">＜上に戻る＞</A></DD>",
                       "\t<H2>Bookmarks bar > Empty</H2>", "</BODY>", "</HTML>"}));
  EXPECT_EQ(Read("out/links_0_1.html"),
            PlainPage({"\t\t<DD><A HREF=\"links_0.html\">＜上に戻る＞</A></DD>",
                       "\t<H2>Bookmarks bar > News</H2>", "\t<DL>",
                       "\t\t<DD><A HREF=\"https://news.example/\">ニュース</A></DD>", "\t</DL>", "",
                       "</BODY>", "</HTML>"}));
}

TEST_F(BookmarkSourceTest, ChromiumBookmarksHaveTheirThreeRootsAsTopFolders) {
  WriteBytes(dir.hostPath("Bookmarks"), kChromiumJson);
  EXPECT_EQ(
      Publish("Bookmarks", 0),
      PlainPage({
          "<HR>",
          "\t<H2>Bookmarks bar</H2>",
          "\t<DL>",
          "\t\t<DD><A HREF=\"https://search.example/?q=a&b=%22c%22\">Search</A></DD>",
          "\t</DL>",
          "",
          // A bookmark title is text: no delimiter, no markup.
          "\t<H2>Bookmarks bar > Work&#x5C;Docs&#x3A; &#x3C;draft&#x3E;</H2>",
          "\t<DL>",
          "\t\t<DD><A HREF=\"https://untitled.example/\">https&#x3A;//untitled.example/</A></DD>",
          "\t</DL>",
          "",
          "<HR>",
          "\t<H2>Other bookmarks</H2>",
          "\t<DL>",
          "\t\t<DD><A HREF=\"https://x.example/a%0Ab\">Line&#xA;break</A></DD>",
          "\t</DL>",
          "",
          "<HR>",
          "</BODY>",
          "</HTML>",
      }));
}

TEST_F(BookmarkSourceTest, FirefoxPlacesLeaveOutTagsQueriesAndSeparators) {
  sqlite3* db = MakePlaces("places.sqlite");
  sqlite3_close(db);
  EXPECT_EQ(Publish("places.sqlite", 0),
            PlainPage({
                "<HR>",
                "\t<H2>Bookmarks Menu</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://mozilla.example/\">Mozilla</A></DD>",
                "\t</DL>",
                "",
                "\t<H2>Bookmarks Menu > Dev</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://dev.example/\">Dev &#x26; Ops</A></DD>",
                "\t</DL>",
                "",
                "<HR>",
                "<HR>",
                "\t<H2>Other Bookmarks</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"https://dev.example/\">https&#x3A;//dev.example/</A></DD>",
                "\t</DL>",
                "",
                "<HR>",
                "</BODY>",
                "</HTML>",
            }));
}

// Firefox keeps its database locked and its latest changes in the -wal file: the run
// sees them, and leaves the profile's files as they were.
TEST_F(BookmarkSourceTest, FirefoxPlacesHeldOpenIncludeTheWriteAheadLog) {
  sqlite3* db = MakePlaces("profile/places.sqlite");
  Exec(db,
       "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; PRAGMA locking_mode=EXCLUSIVE;"
       "INSERT INTO moz_places VALUES (9, 'https://wal.example/', NULL);"
       "INSERT INTO moz_bookmarks VALUES (40, 1, 9, 6, 0, 'Only in the log', 'w1');");
  ASSERT_TRUE(Exists("profile/places.sqlite-wal"));
  const std::string database = Read("profile/places.sqlite");
  const std::string log = Read("profile/places.sqlite-wal");

  const std::string page = Publish("profile/places.sqlite", 0);
  EXPECT_NE(page.find("\t\t<DD><A HREF=\"https://wal.example/\">Only in the log</A></DD>"),
            std::string::npos);
  EXPECT_EQ(Read("profile/places.sqlite"), database);
  EXPECT_EQ(Read("profile/places.sqlite-wal"), log);
  sqlite3_close(db);
}

TEST_F(BookmarkSourceTest, SourcesThatCannotBeReadNameThemselves) {
  WriteBytes(dir.hostPath("notes.txt"), "<html><body>just a page</body></html>");
  WriteBytes(dir.hostPath("broken.json"), "{\"roots\": ");
  WriteBytes(dir.hostPath("not-places.sqlite"), std::string("SQLite format 3\0", 16) + "junk");
  WriteShortcut(dir.hostPath("out/links.html"), "kept");  // an earlier page stays as it was
  const std::string before = Read("out/links.html");
  for (const char* name : {"notes.txt", "broken.json", "not-places.sqlite"}) {
    SCOPED_TRACE(name);
    try {
      Publish(name, 0);
      ADD_FAILURE() << "no error";
    } catch (const SourceError& error) {
      EXPECT_STREQ(error.what(), kNotBookmarksFile);
      EXPECT_EQ(error.path(), dir.internal(name));
    }
  }
  try {
    Publish("missing.html", 0);
    ADD_FAILURE() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), 2);
    EXPECT_EQ(error.path(), dir.internal("missing.html"));
  }
  EXPECT_EQ(Read("out/links.html"), before);
}

// A file that is JSON but no Bookmarks file is refused, whatever its first value is.
TEST(ChromiumBookmarks, OtherJsonIsNoBookmarksFile) {
  for (const char* text : {"\"a string\"", "42", "[1, {\"roots\": {}}]", "{\"roots\": 1}", "{}",
                           "{\"roots\": {\"other\": {", "\":{\"name\":\"x\"}"}) {
    BookmarkTree tree;
    std::istringstream in(text);
    EXPECT_FALSE(ReadChromiumBookmarks(in, tree)) << text;
  }
}

// A large export is read a piece at a time: folders open across the pieces' ends, and
// empty folders without a list, must come out as the same tree as the Bookmarks file
// that holds it.
TEST_F(BookmarkSourceTest, LargeExportsReadAsOneDocument) {
  std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<H1>Bookmarks</H1>\n<DL><p>\n";
  std::string json =
      "{\"roots\": {\"bookmark_bar\": {\"type\": \"folder\", \"name\": \"Top\", "
      "\"children\": [";
  html += "<DT><H3>Top</H3>\n<DL><p>\n";
  for (int f = 0; f < 120; ++f) {
    const std::string name = "Folder " + std::to_string(f);
    html += "  <DT><H3>" + name + "</H3>\n";
    json += std::string(f > 0 ? "," : "") + "{\"type\": \"folder\", \"name\": \"" + name +
            "\", \"children\": [";
    if (f % 7 == 6) {  // an empty folder written without its list
      json += "]}";
      continue;
    }
    html += "  <DL><p>\n    <DT><H3>Inner</H3>\n    <DL><p>\n";
    json += "{\"type\": \"folder\", \"name\": \"Inner\", \"children\": [";
    for (int i = 0; i < 250; ++i) {
      const std::string url = "https://example.org/" + std::to_string(f) + "/" + std::to_string(i);
      html +=
          "      <DT><A HREF=\"" + url + "\" ADD_DATE=\"1\">Link " + std::to_string(i) + "</A>\n";
      json += std::string(i > 0 ? "," : "") + "{\"type\": \"url\", \"name\": \"Link " +
              std::to_string(i) + "\", \"url\": \"" + url + "\"}";
    }
    html += "    </DL><p>\n    <DT><A HREF=\"https://after.example/\">After</A>\n  </DL><p>\n";
    json += "]}, {\"type\": \"url\", \"name\": \"After\", \"url\": \"https://after.example/\"}]}";
  }
  html += "</DL><p>\n</DL><p>\n";
  json += "]}}}";
  ASSERT_GT(html.size(), 3u * 512 * 1024);
  WriteBytes(dir.hostPath("bookmarks.html"), html);
  WriteBytes(dir.hostPath("Bookmarks"), json);
  const std::string fromJson = Publish("Bookmarks", 0);
  EXPECT_EQ(Publish("bookmarks.html", 0), fromJson);
  EXPECT_NE(fromJson.find("<H2>Top > Folder 117 > Inner</H2>"), std::string::npos);
}

// The browsers a menu offers are those with a profile below this user's home folder; a
// browser's own folder without any profile in it does not count.
TEST_F(BookmarkSourceTest, InstalledBrowsersAreThoseWithAProfile) {
  const char* old = std::getenv("HOME");
  const std::string oldHome = old != nullptr ? old : "";
  setenv("HOME", dir.host().c_str(), 1);
  WriteBytes(dir.hostPath(".config/chromium/Default/Bookmarks"), "{}");
  std::filesystem::create_directories(dir.hostPath(".config/vivaldi/Default"));
  WriteBytes(dir.hostPath(".mozilla/firefox/profiles.ini"),
             "[Profile1]\nName=second\nPath=/elsewhere\n[Profile0]\nName=main\nIsRelative=1\n"
             "Path=Profiles/main\n");
  WriteBytes(dir.hostPath(".mozilla/firefox/Profiles/main/places.sqlite"), "");
  const std::vector<std::string> installed = InstalledBrowsers();
  const std::string firefox = BrowserBookmarksFile("firefox", "");
  if (old != nullptr) {
    setenv("HOME", oldHome.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
  EXPECT_EQ(installed, (std::vector<std::string>{"chromium", "firefox"}));
  EXPECT_EQ(firefox, dir.internal(".mozilla/firefox/Profiles/main/places.sqlite"));
}

// A page in UTF-8 names its charset and writes every character as itself; only what
// would be markup, a delimiter or no character stays a reference.
TEST_F(BookmarkSourceTest, Utf8PagesWriteNamesAsTheirCharacters) {
  WriteBytes(dir.hostPath("bookmarks.html"), kFirefoxExport);
  state.Charset = PageCharset::kUtf8;
  titles.lines = {Sjis("リンク集")};
  state.ReturnFlag = true;
  state.ReturnLine = Sjis("ＨＰに戻る");
  state.ReturnURL = "../";
  const std::string page = Publish("bookmarks.html", 1);
  EXPECT_NE(page.find("content=\"text/html; charset=UTF-8\">\r\n"), std::string::npos);
  EXPECT_NE(page.find("<TITLE>リンク集</TITLE>\r\n"), std::string::npos);
  EXPECT_NE(page.find("\r\nリンク集<BR>\r\n"), std::string::npos);
  EXPECT_NE(page.find("<p><A HREF=\"../\">ＨＰに戻る</A></p>\r\n"), std::string::npos);
  EXPECT_NE(page.find("\t<H2>トップページ</H2>\r\n"), std::string::npos);
  EXPECT_NE(page.find("<A HREF=\"links_0.html\">＜Bookmarks Toolbar＞</A>"), std::string::npos);
  EXPECT_NE(Read("out/links_0.html")
                .find("<A HREF=\"https://日本.example/パス?q=%22x%22\">日本 😀 &#x3C;b&#x3E;</A>"),
            std::string::npos);
  EXPECT_NE(Read("out/links_0.html").find("<A HREF=\"links.html\">＜上に戻る＞</A>"),
            std::string::npos);
  EXPECT_EQ(Utf8ToCodePoints(page).find(kUtf8ByteBase + 0x82), std::u32string::npos);
}

}  // namespace
}  // namespace favpage::test

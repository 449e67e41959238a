// Bookmark files as the browsers write them, published through the generation command
// and compared byte for byte; sources that are cut off or lack their roots are refused
// before any page is touched.
#include <cstdint>
#include <filesystem>
#include <string>

#include "base/utf8.h"
#include "bookmark_fixture.h"
#include "generate/bookmark_readers.h"
#include "generate/source_factory.h"

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

// A source that is no bookmarks file, or one cut off or without its roots, is refused
// naming the file before any page is touched: the last pages stay as they were, and
// nothing new is written beside them.
TEST_F(BookmarkSourceTest, SourcesThatCannotBeReadNameThemselves) {
  const std::string sqliteJunk = std::string("SQLite format 3\0", 16) + "junk";
  const struct {
    const char* name;
    std::string bytes;
    const char* message;
  } cases[] = {
      {"notes.txt", "<html><body>just a page</body></html>", kNotBookmarksFile},
      {"doctype-only.html", "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n", kNotCompleteBookmarksFile},
      {"cut.html",
       std::string(kFirefoxExport).substr(0, std::string(kFirefoxExport).find("<DT><H3>Sub")),
       kNotCompleteBookmarksFile},
      {"broken.json", "{\"roots\": ", kNotCompleteBookmarksFile},
      {"rootless.json", "{\"roots\":{}}", kNotCompleteBookmarksFile},
      {"not-places.sqlite", sqliteJunk, FirefoxPlacesReadable() ? kNotBookmarksFile : kNoSqlite},
  };
  for (const std::uint8_t outType : {0, 1}) {
    WriteShortcut(dir.hostPath("out/links.html"), "kept");  // an earlier page stays as it was
    WriteShortcut(dir.hostPath("out/links_0.html"), "kept too");
    const std::string before = Read("out/links.html");
    const std::string beforeSub = Read("out/links_0.html");
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (outType == 0 ? " single" : " tree"));
      WriteBytes(dir.hostPath(c.name), c.bytes);
      try {
        Publish(c.name, outType);
        ADD_FAILURE() << "no error";
      } catch (const SourceError& error) {
        EXPECT_STREQ(error.what(), c.message);
        EXPECT_EQ(error.path(), dir.internal(c.name));
      }
    }
    try {
      Publish("missing.html", outType);
      ADD_FAILURE() << "no error";
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), 2);
      EXPECT_EQ(error.path(), dir.internal("missing.html"));
    }
    EXPECT_EQ(Read("out/links.html"), before);
    EXPECT_EQ(Read("out/links_0.html"), beforeSub);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(dir.hostPath("out"))) {
      ++files;
    }
    EXPECT_EQ(files, 2u);
  }
}

// A whole file that holds no bookmark publishes a finished page without links.
TEST_F(BookmarkSourceTest, WholeSourcesWithoutBookmarksPublishEmptyPages) {
  WriteBytes(dir.hostPath("empty.html"),
             "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n"
             "<DL><p>\n</DL><p>\n");
  EXPECT_EQ(Publish("empty.html", 0), PlainPage({"</BODY>", "</HTML>"}));
  WriteBytes(dir.hostPath("Bookmarks"),
             "{\"roots\": {\"bookmark_bar\": {\"children\": [], \"name\": \"Bar\", \"type\": "
             "\"folder\"}, \"other\": {\"children\": [], \"name\": \"Other\", \"type\": "
             "\"folder\"}}, \"version\": 1}");
  EXPECT_EQ(Publish("Bookmarks", 0), PlainPage({"<HR>", "<HR>", "</BODY>", "</HTML>"}));
}

// A large export, with folders open across many of the reader's blocks and empty folders
// without a list, comes out as the same tree as the Bookmarks file that holds it.
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

// The HTML export and Chromium JSON readers on small files: what an HTML parser hides,
// references, letter case and quoting, loose structure, cut-off and root-less files, and
// the block size.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "generate/bookmark_readers.h"
#include "platform/host_path.h"

namespace favpage::test {
namespace {

constexpr char kDoctype[] = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n";

// The tree as lines: "F name" for a folder, "L name <url>" for a link, two blanks of
// indentation per level below the top. Names as the host shows them (UTF-8).
std::vector<std::string> Dump(const BookmarkTree& tree) {
  std::vector<std::string> lines;
  std::vector<std::pair<std::string, std::size_t>> pending{{tree.TopFolder(), 0}};
  while (!pending.empty()) {
    const auto [folder, depth] = pending.back();
    pending.pop_back();
    const std::string indent(2 * (depth > 0 ? depth - 1 : 0), ' ');
    if (depth > 0) lines.push_back(indent + "F " + platform::ToHostText(tree.FolderName(folder)));
    const FolderListing listing = tree.ListFolder(folder);
    const std::string inner = depth > 0 ? indent + "  " : "";
    for (const std::string& link : listing.links) {
      lines.push_back(inner + "L " + platform::ToHostText(tree.LinkName(link)) + " <" +
                      tree.LinkUrl(link) + ">");
    }
    for (auto it = listing.subfolders.rbegin(); it != listing.subfolders.rend(); ++it) {
      pending.emplace_back(*it, depth + 1);
    }
  }
  return lines;
}

struct Outcome {
  BookmarksRead read;
  std::vector<std::string> tree;
  bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
  out << "read " << static_cast<int>(outcome.read) << ':';
  for (const std::string& line : outcome.tree) out << "\n  " << line;
  return out;
}

Outcome ReadHtml(const std::string& html, std::size_t blockSize) {
  BookmarkTree tree;
  std::istringstream in(html);
  const BookmarksRead read = ReadNetscapeBookmarks(in, tree, blockSize);
  return {read, Dump(tree)};
}

// The reader's result at its usual block size, checked to be the same with blocks of a
// few bytes, so no rule may depend on where a block ends.
Outcome ReadExport(const std::string& html) {
  const Outcome whole = ReadHtml(html, kBookmarksBlockSize);
  for (const std::size_t size : {1, 2, 3, 5, 7, 16}) {
    EXPECT_EQ(ReadHtml(html, size), whole) << "blocks of " << size;
  }
  return whole;
}

// An export with `items` inside its one folder, whose list is followed by a last link.
std::string InFolder(const std::string& items) {
  return std::string(kDoctype) + "<DL><p>\n<DT><H3>Folder</H3>\n<DL><p>\n" + items +
         "\n<DT><A HREF=\"https://after.example/\">After</A>\n</DL><p>\n"
         "<DT><A HREF=\"https://top.example/\">Top</A>\n</DL><p>\n";
}

std::vector<std::string> FolderWith(std::vector<std::string> links) {
  std::vector<std::string> lines{"L Top <https://top.example/>", "F Folder"};
  links.push_back("L After <https://after.example/>");
  for (const std::string& link : links) lines.push_back("  " + link);
  return lines;
}

struct Case {
  const char* name;
  std::string items;
  std::vector<std::string> links;  // the folder's links before "After"
};

void ExpectFolderLinks(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadExport(InFolder(c.items)), (Outcome{BookmarksRead::kRead, FolderWith(c.links)}));
  }
}

constexpr char kHidden[] = "<DT><A HREF=\"https://hidden.example/\">Hidden</A>";

TEST(NetscapeBookmarks, WhatAnHtmlParserHidesIsNoBookmark) {
  const std::string hidden = kHidden;
  ExpectFolderLinks({
      {"comment", "<!-- " + hidden + " -->", {}},
      {"comment over lines", "<!--\n" + hidden + "\n<DT><H3>Old</H3><DL><p>\n-->", {}},
      {"comment ended by --!>", "<!-- " + hidden + " --!>", {}},
      {"comment with dashes inside", "<!-- a -- b --- " + hidden + " ---->", {}},
      {"empty comments end at once",
       "<!----><!--->" + hidden,
       {"L Hidden <https://hidden.example/>"}},
      // "<?" begins a bogus comment that ends at the first ">", here the one of <DT>.
      {"bogus comment ends at its first >",
       "<? x " + hidden,
       {"L Hidden <https://hidden.example/>"}},
      {"bogus comments", "<?xml version=\"1.0\"?><!x y></>", {}},
      {"script", "<script>document.write('" + hidden + "')</script>", {}},
      {"script with an end tag in a string", "<SCRIPT>var s = '</scrip' + 't>';</SCRIPT>", {}},
      {"script escaped in a comment, with a nested script",
       "<script><!-- <script> </script> " + hidden + " --></script>",
       {}},
      {"style", "<style>a::after { content: '" + hidden + "' }</style>", {}},
      {"textarea", "<textarea>" + hidden + "</textarea>", {}},
      {"title", "<title>" + hidden + "</title>", {}},
      {"select", "<select><option>" + hidden + "</option></select>", {}},
      {"template", "<template>" + hidden + "<template></template>" + hidden + "</template>", {}},
      {"xmp, iframe, noembed, noframes",
       "<xmp>" + hidden + "</xmp><iframe>" + hidden + "</iframe><noembed>" + hidden +
           "</noembed><noframes>" + hidden + "</noframes>",
       {}},
      {"CDATA in svg", "<svg><![CDATA[ " + hidden + " ]]></svg>", {}},
      // Outside svg and math a CDATA section is a bogus comment: it ends at the first ">",
      // and what follows is markup again.
      {"CDATA in HTML ends at its first >",
       "<![CDATA[ x > y ]]>" + hidden,
       {"L Hidden <https://hidden.example/>"}},
      {"end tag of another element does not end raw text",
       "<style></title>" + hidden + "</style>",
       {}},
      {"a link's title leaves hidden text out",
       "<DT><A HREF=\"https://x.example/\">X<!-- hidden --><script>y</script>Z</A>",
       {"L XZ <https://x.example/>"}},
  });
}

TEST(NetscapeBookmarks, ReferencesAreDecodedByTheHtmlRules) {
  const struct {
    const char* written;
    const char* title;
  } titles[] = {
      {"&amp; &lt;b&gt; &quot;q&quot; &apos;", "& <b> \"q\" '"},
      {"&#39;&#x27;&#X41;&#65", "''AA"},
      {"&#x1F600; &#128512;", "\xF0\x9F\x98\x80 \xF0\x9F\x98\x80"},
      {"&#0;&#xD800;&#x110000;&#99999999999;", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"&#128;&#150;&#x9F;&#x81;", "\xE2\x82\xAC\xE2\x80\x93\xC5\xB8\xC2\x81"},
      {"&copy &copy; &COPY &AMP; &nbsp;", "\xC2\xA9 \xC2\xA9 \xC2\xA9 & \xC2\xA0"},
      {"&notin; &notit; &region", "\xE2\x88\x89 \xC2\xACit; \xC2\xAEion"},
      {"&hellip; &hellip &lang; &euro;", "\xE2\x80\xA6 &hellip \xE2\x9F\xA8 \xE2\x82\xAC"},
      {"&Amp; &unknown; & x &# &#x; &#xZ", "&Amp; &unknown; & x &# &#x; &#xZ"},
      {"&amp;amp; &#38;lt;", "&amp; &lt;"},
      {"&amp;&amp;&quot;&quot;&lt;&gt;&gt&lt", "&&\"\"<>><"},
      {"&amp&lt; &quot &ampamp; &ltx &lt;x", "&< \" &amp; <x <x"},
  };
  for (const auto& t : titles) {
    SCOPED_TRACE(t.written);
    const std::string html = std::string(kDoctype) +
                             "<DL><p>\n<DT><A HREF=\"https://x.example/\">" + t.written +
                             "</A>\n</DL>\n";
    EXPECT_EQ(ReadExport(html), (Outcome{BookmarksRead::kRead,
                                         {"L " + std::string(t.title) + " <https://x.example/>"}}));
  }

  // In an address a legacy name without ";" that runs on into a letter, digit or "=" is
  // left as written: query strings keep their bytes.
  const struct {
    const char* written;
    const char* url;
  } addresses[] = {
      {"?a=1&copy=2", "?a=1&copy=2"},
      {"?a=1&copy;=2", "?a=1\xC2\xA9=2"},
      {"?lang=en&region=jp", "?lang=en&region=jp"},
      {"?x&ampy", "?x&ampy"},
      {"?x&amp;y", "?x&y"},
      {"?x&amp", "?x&"},
      {"?x&amp-y", "?x&-y"},
      {"?q=&#x3C;&#60", "?q=<<"},
      {"?x&notin;y&notit", "?x\xE2\x88\x89y&notit"},
      {"?q=&quot;x&quot;&amp;y=&lt;1&gt;", "?q=\"x\"&y=<1>"},
      {"?x&amp=1&quot=2&lt", "?x&amp=1&quot=2<"},
      {"?x&quot", "?x\""},
  };
  for (const auto& a : addresses) {
    SCOPED_TRACE(a.written);
    const std::string html = std::string(kDoctype) + "<DL><p>\n<DT><A HREF=\"https://x.example/" +
                             a.written + "\">X</A>\n</DL>\n";
    EXPECT_EQ(ReadExport(html), (Outcome{BookmarksRead::kRead,
                                         {"L X <https://x.example/" + std::string(a.url) + ">"}}));
  }
}

TEST(NetscapeBookmarks, AnyLetterCaseAndAnyQuoting) {
  ExpectFolderLinks({
      {"lower case", "<dt><a href=\"https://a.example/\">A</a>", {"L A <https://a.example/>"}},
      {"mixed case", "<Dt><A hReF=\"https://a.example/\">A</a>", {"L A <https://a.example/>"}},
      {"single quotes",
       "<DT><A HREF='https://a.example/?q=\"x\"'>A</A>",
       {"L A <https://a.example/?q=\"x\">"}},
      {"unquoted",
       "<DT><A ADD_DATE=1 HREF=https://a.example/?a=1&amp;b=2 ICON=x>A</A>",
       {"L A <https://a.example/?a=1&b=2>"}},
      {"blanks around =",
       "<DT><A\nHREF = \"https://a.example/\"\t>A</A >",
       {"L A <https://a.example/>"}},
      {"the first of two hrefs",
       "<DT><A HREF=\"https://first.example/\" href=\"https://2.example/\">A</A>",
       {"L A <https://first.example/>"}},
      {"no address",
       "<DT><A NAME=\"x\">Anchor</A><DT><A HREF>Empty</A>",
       {"L Anchor <>", "L Empty <>"}},
      {"attribute that only looks like href",
       "<DT><A DATA-HREF=\"https://no.example/\" HREFX=y>B</A>",
       {"L B <>"}},
      {"self-closing slash",
       "<DT/><A HREF=\"https://a.example/\"/>A</A>",
       {"L A <https://a.example/>"}},
  });
}

// The values of attributes never kept (an icon's inline data runs to kilobytes) are passed
// over to their closing quote: what they hold never ends the tag or becomes text, wherever
// a block ends.
TEST(NetscapeBookmarks, ValuesNotKeptEndOnlyAtTheirQuote) {
  using namespace std::string_literals;
  const std::string icon = "data:image/png;base64," + std::string(3000, 'Q');
  ExpectFolderLinks({
      {"an icon before the href",
       "<DT><A ICON=\"" + icon + "\" HREF=\"https://a.example/\">A</A>",
       {"L A <https://a.example/>"}},
      {"an icon after the href",
       "<DT><A HREF=\"https://a.example/\" ICON=\"" + icon + "\">A</A>",
       {"L A <https://a.example/>"}},
      {"markup, references, the other quote and line ends inside",
       "<DT><A ICON=\"a>b<DT><A HREF='x'>&amp;\r\n\r\0z\" HREF=\"https://a.example/\">A</A>"s,
       {"L A <https://a.example/>"}},
      {"single quotes around a double quote",
       "<DT><A ICON='say \"HREF=\"https://no.example/\"' HREF=https://a.example/>A</A>",
       {"L A <https://a.example/>"}},
      {"an empty value",
       "<DT><A ICON=\"\" HREF=\"https://a.example/\">A</A>",
       {"L A <https://a.example/>"}},
  });
  // A value that never closes takes the rest of the file into the tag: the export is cut.
  const std::string cut = std::string(kDoctype) + "<DL><p>\n<DT><A HREF=\"https://a.example/\" " +
                          "ICON=\"" + icon + "\n</DL>\n";
  EXPECT_EQ(ReadExport(cut).read, BookmarksRead::kIncomplete);
}

// Tag and attribute names are read a run of bytes at a time: where a run stops (a block's
// end, a NUL, a line end) must not change which attribute is the href.
TEST(NetscapeBookmarks, TagAndAttributeNamesReadInRuns) {
  using namespace std::string_literals;
  ExpectFolderLinks({
      {"a name longer than any kept",
       "<DT><A HREFHREFHREF=\"https://no.example/\">B</A>",
       {"L B <>"}},
      {"href as the start of a longer name",
       "<DT><A HREF-X=\"https://no.example/\" HREF=\"https://a.example/\">A</A>",
       {"L A <https://a.example/>"}},
      {"a NUL inside the name", "<DT><A HR\0EF=\"https://no.example/\">B</A>"s, {"L B <>"}},
      {"line ends and form feeds around it",
       "<DT><A\r\nHREF\r\n=\r\n\"https://a.example/\"\f>A</A\r\n>",
       {"L A <https://a.example/>"}},
      {"a tag name with a line end after it",
       "<DT\r><A\rHREF=\"https://a.example/\">A</A>",
       {"L A <https://a.example/>"}},
  });
}

TEST(NetscapeBookmarks, LooseStructureReadsAsTheBrowsersWriteIt) {
  const struct {
    const char* name;
    std::string body;  // after the doctype
    std::vector<std::string> tree;
  } cases[] = {
      {"unclosed DT and p, missing final </DL>",
       "<DL><p>\n<DT><A HREF=\"https://a.example/\">A</A>\n<DT><A "
       "HREF=\"https://b.example/\">B</A>\n",
       {"L A <https://a.example/>", "L B <https://b.example/>"}},
      {"a link's end left out: the next item ends it",
       "<DL><p><DT><A HREF=\"https://a.example/\">A\n<DT><A HREF=\"https://b.example/\">B</DL>",
       {"L A <https://a.example/>", "L B <https://b.example/>"}},
      {"a folder's heading ended by another heading's end tag",
       "<DL><p><DT><H3>F</H1><DL><p><DT><A HREF=\"https://a.example/\">A</A></DL></DL>",
       {"F F", "  L A <https://a.example/>"}},
      {"an empty folder without its list, a description after a folder's title",
       "<DL><p><DT><H3>Empty</H3>\n<DT><H3>Full</H3>\n<DD>About it\n<DL><p>\n"
       "<DT><A HREF=\"https://a.example/\">A</A>\n<DD>About A\n<HR>\n</DL><p>\n</DL>",
       {"F Empty", "F Full", "  L A <https://a.example/>"}},
      {"a list without a title holds its folder's items",
       "<DL><p><DT><H3>F</H3><DT><A HREF=\"https://a.example/\">A</A><DL><p>"
       "<DT><A HREF=\"https://b.example/\">B</A></DL></DL>",
       {"L A <https://a.example/>", "L B <https://b.example/>", "F F"}},
      {"titles trimmed, markup inside them read as text",
       "<DL><p><DT><H3>\n  Fo<B>ld</B>er \r\n</H3><DL><p><DT><A HREF=\"https://a.example/\">"
       "\tLine\r\nbreak <i>it</i> </A></DL></DL>",
       {"F Folder", "  L Line\nbreak it <https://a.example/>"}},
      {"Firefox's queries left out, an untitled link named by its address",
       "<DL><p><DT><A HREF=\"place:sort=8\">Recent</A><DT><A HREF=\"https://a.example/\"></A></DL>",
       {"L https://a.example/ <https://a.example/>"}},
      {"an end tag without its list is ignored",
       "</DL><DL><p></DL></DL><DT><A HREF=\"https://a.example/\">A</A>",
       {"L A <https://a.example/>"}},
      {"svg content ends at an HTML tag",
       "<DL><p><svg><g><DT><A HREF=\"https://a.example/\">A</A></DL>",
       {"L A <https://a.example/>"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadExport(kDoctype + c.body), (Outcome{BookmarksRead::kRead, c.tree}));
  }
  // A byte-order mark and a comment may come before the doctype, and the doctype may be
  // written in any case.
  EXPECT_EQ(ReadExport("\xEF\xBB\xBF<!-- exported -->\n<!doctype netscape-bookmark-file-1>\n"
                       "<DL><p><DT><A HREF=\"https://a.example/\">A</A></DL>"),
            (Outcome{BookmarksRead::kRead, {"L A <https://a.example/>"}}));
}

TEST(NetscapeBookmarks, CutOffAndRootlessExportsAreIncomplete) {
  const struct {
    const char* name;
    std::string text;
    BookmarksRead read;
  } cases[] = {
      {"the doctype alone", kDoctype, BookmarksRead::kIncomplete},
      {"a title and no list",
       std::string(kDoctype) + "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n",
       BookmarksRead::kIncomplete},
      {"inside a folder's list",
       std::string(kDoctype) +
           "<DL><p><DT><H3>F</H3><DL><p><DT><A HREF=\"https://a.example/\">A</A>\n",
       BookmarksRead::kIncomplete},
      {"inside a tag", std::string(kDoctype) + "<DL><p><DT><A HREF=\"https://a.exa",
       BookmarksRead::kIncomplete},
      {"inside a link's title",
       std::string(kDoctype) + "<DL><p><DT><A HREF=\"https://a.example/\">Li",
       BookmarksRead::kIncomplete},
      {"inside a comment", std::string(kDoctype) + "<DL><p><!-- <DT><A HREF=\"x\">X</A></DL>",
       BookmarksRead::kIncomplete},
      {"inside the title element", std::string(kDoctype) + "<TITLE>Bookmarks</TITLE><DL><title>x",
       BookmarksRead::kIncomplete},
      {"inside a script", std::string(kDoctype) + "<DL><script><!-- <script></script>",
       BookmarksRead::kIncomplete},
      {"after an open <", std::string(kDoctype) + "<DL><p><", BookmarksRead::kIncomplete},
      {"inside a reference in an address",
       std::string(kDoctype) + "<DL><p><DT><A HREF=\"https://a.example/?&amp",
       BookmarksRead::kIncomplete},
      {"an empty export", std::string(kDoctype) + "<TITLE>B</TITLE><H1>B</H1>\n<DL><p>\n</DL><p>\n",
       BookmarksRead::kRead},
      {"right after the list's start", std::string(kDoctype) + "<DL><p>\n",
       BookmarksRead::kIncomplete},
      {"right after a folder's title",
       std::string(kDoctype) + "<DL><p><DT><A HREF=\"https://a.example/\">A</A>\n<DT><H3>F</H3>\n",
       BookmarksRead::kIncomplete},
      {"without its final end tag",
       std::string(kDoctype) + "<DL><p>\n<DT><H3>F</H3><DL><p></DL><p>\n", BookmarksRead::kRead},
      {"no file at all", "", BookmarksRead::kNotBookmarks},
      {"a web page", "<html><body><DL><DT><A HREF=\"https://a.example/\">A</A></DL></body></html>",
       BookmarksRead::kNotBookmarks},
      {"a tag before the doctype", "<html>\n<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL></DL>",
       BookmarksRead::kNotBookmarks},
      {"another doctype", "<!DOCTYPE html>\n<!-- NETSCAPE-Bookmark-file-1 -->\n<DL></DL>",
       BookmarksRead::kNotBookmarks},
      {"the name only in a comment", "<!-- <!DOCTYPE NETSCAPE-Bookmark-file-1> -->\n<DL></DL>",
       BookmarksRead::kNotBookmarks},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadExport(c.text).read, c.read);
  }
}

// Cut anywhere, an export whose links all lie in folders is never read as whole with
// fewer links: it is incomplete, or (cut only after its last folder) the whole tree.
TEST(NetscapeBookmarks, AnExportCutAnywhereIsIncompleteOrWhole) {
  const std::string html =
      std::string(kDoctype) +
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
      "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
      "    <DT><H3 ADD_DATE=\"1\">Bar</H3>\n    <DL><p>\n"
      "        <DT><A HREF=\"https://a.example/?x=1&amp;y=2\">A &amp; B</A>\n"
      "        <!-- <DT><A HREF=\"https://hidden.example/\">H</A> -->\n"
      "        <DT><H3>Sub</H3>\n        <DL><p>\n"
      "            <DT><A HREF='https://b.example/'>B</A>\n"
      "        </DL><p>\n        <DT><A HREF=https://c.example/>C</A>\n"
      "    </DL><p>\n</DL><p>\n";
  const Outcome whole = ReadHtml(html, kBookmarksBlockSize);
  ASSERT_EQ(whole.read, BookmarksRead::kRead);
  ASSERT_EQ(whole.tree.size(), 5u);
  // Where the last folder's list ends; only the outermost list's end may be missing.
  const std::size_t lastFolderEnd = html.find("    </DL><p>\n</DL>") + 9;
  EXPECT_EQ(ReadHtml(html.substr(0, lastFolderEnd), 7), whole);
  EXPECT_EQ(ReadHtml(html.substr(0, lastFolderEnd + 4), 7), whole);
  std::size_t incomplete = 0;
  for (std::size_t cut = 0; cut < html.size(); ++cut) {
    SCOPED_TRACE(cut);
    const Outcome read = ReadHtml(html.substr(0, cut), 7);
    if (read.read == BookmarksRead::kRead) {
      EXPECT_GE(cut, lastFolderEnd);
      EXPECT_EQ(read, whole);
    } else {
      ++incomplete;
    }
  }
  EXPECT_GE(incomplete, lastFolderEnd);
}

TEST(ChromiumBookmarks, WhatIsNoBookmarksFileAndWhatIsIncomplete) {
  const struct {
    const char* json;
    BookmarksRead read;
  } cases[] = {
      {"\"a string\"", BookmarksRead::kNotBookmarks},
      {"42", BookmarksRead::kNotBookmarks},
      {"[1, {\"roots\": {}}]", BookmarksRead::kNotBookmarks},
      {"\":{\"name\":\"x\"}", BookmarksRead::kNotBookmarks},
      {"", BookmarksRead::kNotBookmarks},
      {"{}", BookmarksRead::kIncomplete},
      {"{\"roots\": 1}", BookmarksRead::kIncomplete},
      {"{\"roots\": {}}", BookmarksRead::kIncomplete},
      {"{\"roots\": {\"trash\": {\"type\": \"folder\", \"children\": []}}}",
       BookmarksRead::kIncomplete},
      {"{\"roots\": {\"other\": \"x\"}, \"version\": 1}", BookmarksRead::kIncomplete},
      {"{\"roots\": {\"other\": {", BookmarksRead::kIncomplete},
      {"{\"roots\": {\"other\": {\"type\": \"folder\", \"children\": []}}",
       BookmarksRead::kIncomplete},
      {"{\"roots\": {\"other\": {\"type\": \"folder\", \"children\": []}}} {}",
       BookmarksRead::kIncomplete},
      {"{\"roots\": {\"other\": {\"type\": \"folder\", \"children\": []}}}", BookmarksRead::kRead},
      {"{\"roots\": {\"synced\": {}}}", BookmarksRead::kRead},
  };
  for (const auto& c : cases) {
    BookmarkTree tree;
    std::istringstream in(c.json);
    EXPECT_EQ(ReadChromiumBookmarks(in, tree), c.read) << c.json;
  }
}

// A Bookmarks file cut anywhere inside its object is never read as whole.
TEST(ChromiumBookmarks, AFileCutAnywhereIsIncomplete) {
  const std::string json =
      "{\"checksum\": \"0\", \"roots\": {\"bookmark_bar\": {\"children\": [{\"name\": \"A\", "
      "\"type\": \"url\", \"url\": \"https://a.example/\"}, {\"children\": [{\"name\": \"B\", "
      "\"type\": \"url\", \"url\": \"https://b.example/\"}], \"name\": \"F\", \"type\": "
      "\"folder\"}], \"name\": \"Bar\", \"type\": \"folder\"}, \"other\": {\"children\": [], "
      "\"name\": \"Other\", \"type\": \"folder\"}}, \"version\": 1}";
  const std::size_t start = json.find('{');
  for (std::size_t cut = start + 1; cut < json.size(); ++cut) {
    BookmarkTree tree;
    std::istringstream in(json.substr(0, cut));
    EXPECT_EQ(ReadChromiumBookmarks(in, tree), BookmarksRead::kIncomplete) << cut;
  }
  BookmarkTree tree;
  std::istringstream in(json);
  EXPECT_EQ(ReadChromiumBookmarks(in, tree), BookmarksRead::kRead);
  EXPECT_EQ(Dump(tree), (std::vector<std::string>{"F Bar", "  L A <https://a.example/>", "  F F",
                                                  "    L B <https://b.example/>", "F Other"}));
}

}  // namespace
}  // namespace favpage::test

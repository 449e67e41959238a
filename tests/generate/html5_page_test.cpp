// The HTML5 pages: each part the page writer appends, in a table, then one whole page of
// each walk. Names, addresses and user texts are those of the classic pages; only the
// markup around them differs.
#include "generate_fixture.h"

namespace favpage::test {
namespace {

// The head of an HTML5 page titled `title`, without style sheet, base target, title lines
// or return link.
std::vector<std::string> Html5HeadLines(const std::string& title) {
  return {"<!DOCTYPE html>",
          "<html lang=\"ja\">",
          "<head>",
          "<meta charset=\"Shift_JIS\">",
          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
          "<meta name=\"generator\" content=\"Mirel Favorites Manager - Programmed by Ordan\">",
          "<title>" + title + "</title>",
          "</head>",
          "",
          "<body>",
          "",
          ""};
}

class Html5PageTest : public GenerateTest {
 protected:
  Html5PageTest() { state.Format = PageFormat::kHtml5; }
  std::string Page() const { return dir.internal("links.html"); }
  std::string Folder(const std::string& relative) const { return dir.internal(relative) + "\\"; }
  // What the page holds after its head of `headLines` lines.
  std::string Body(std::size_t headLines) const {
    std::string page = Read("links.html");
    std::size_t at = 0;
    for (std::size_t i = 0; i < headLines; ++i) at = page.find("\r\n", at) + 2;
    return page.substr(at);
  }
};

// The keys of the test's favorites below its temporary folder.
struct Keys {
  const TempDir& dir;
  std::string Link(const std::string& relative) const { return dir.internal(relative); }
  std::string Folder(const std::string& relative) const { return dir.internal(relative) + "\\"; }
};

// One part of a page: what the test writes after the head, and the lines it must give.
struct PartCase {
  const char* name;
  std::function<void(PageGenerator&, const std::string& page, const Keys&)> write;
  std::vector<std::string> lines;
};

TEST_F(Html5PageTest, EachPartOfTheBody) {
  Shortcut("Fav/Tools/Editor.url", "tools/editor.html?a=1&amp;b=\"2\"");
  Shortcut("Fav/Tools/100%.url", "x.html");
  MakeFolders("Fav/Tools/Dev");
  MakeFolders("Fav/Tools/A#B");
  // clang-format off
  const std::vector<PartCase> cases = {
      {"heading opens a section that the end closes",
       [](PageGenerator& g, const std::string& p, const Keys& t) {
         g.WriteFolderHeading(p, t.Folder("Fav/Tools")); g.WritePageEnd(p); },
       {"<section>", "\t<h2>Tools</h2>", "</section>", "</body>", "</html>"}},
      {"a second heading closes the first section",
       [](PageGenerator& g, const std::string& p, const Keys& t) {
         g.WriteFolderHeading(p, t.Folder("Fav")); g.WriteFolderHeading(p, t.Folder("Fav/Tools/Dev")); },
       {"<section>", "\t<h2>トップページ</h2>", "</section>", "<section>", "\t<h2>Tools > Dev</h2>"}},
      {"links keep the classic escaping",
       [](PageGenerator& g, const std::string& p, const Keys& t) {
         g.WriteLinkList(p, {t.Link("Fav/Tools/Editor.url"), t.Link("Fav/Tools/100%.url")}); },
       {"\t<ul>", "\t\t<li><a href=\"tools/editor.html?a=1&amp;amp;b=%222%22\">Editor</a></li>",
        "\t\t<li><a href=\"x.html\">100%</a></li>", "\t</ul>", ""}},
      {"an empty list",
       [](PageGenerator& g, const std::string& p, const Keys&) { g.WriteLinkList(p, {}); },
       {"\t<ul>", "\t</ul>", ""}},
      {"sub-page links are navigation",
       [](PageGenerator& g, const std::string& p, const Keys& t) {
         g.WriteSubfolderLinkList(p, {t.Folder("Fav/Tools/Dev"), t.Folder("Fav/Tools/A#B")}); },
       {"\t<nav>", "\t<ul>", "\t\t<li><a href=\"links_0.html\">＜Dev＞</a></li>",
        "\t\t<li><a href=\"links_1.html\">＜A#B＞</a></li>", "\t</ul>", "\t</nav>", ""}},
      {"the back link is navigation outside any list",
       [](PageGenerator& g, const std::string& p, const Keys& t) {
         g.WriteBackLink(p, t.Link("top#1.htm")); },
       {"<nav><a href=\"top%231.htm\">＜上に戻る＞</a></nav>"}},
      {"a separator shows only before a section",
       [](PageGenerator& g, const std::string& p, const Keys& t) {
         g.WriteFolderHeading(p, t.Folder("Fav")); g.WriteSeparator(p); g.WriteSeparator(p);
         g.WriteFolderHeading(p, t.Folder("Fav/Tools")); g.WriteSeparator(p); g.WritePageEnd(p); },
       {"<section>", "\t<h2>トップページ</h2>", "</section>", "<hr>", "<section>", "\t<h2>Tools</h2>",
        "</section>", "</body>", "</html>"}},
      {"a page without sections ends plainly",
       [](PageGenerator& g, const std::string& p, const Keys&) { g.WritePageEnd(p); },
       {"</body>", "</html>"}},
  };
  // clang-format on
  for (const PartCase& part : cases) {
    SCOPED_TRACE(part.name);
    PageGenerator generator = Generator();
    generator.WritePageHead(Page());
    part.write(generator, Page(), Keys{dir});
    EXPECT_EQ(Body(12), SjisLines(part.lines));
  }
}

TEST_F(Html5PageTest, TreeLinksOpenInTheSameWindowWithABlankBase) {
  MakeFolders("Fav/Dev");
  state.SetBlank = true;
  PageGenerator generator = Generator();
  generator.WritePageHead(Page());
  generator.WriteBackLink(Page(), dir.internal("top.html"));
  generator.WriteSubfolderLinkList(Page(), {Folder("Fav/Dev")});
  EXPECT_EQ(
      Body(13),
      SjisLines({"<nav><a href=\"top.html\" target=\"_self\">＜上に戻る＞</a></nav>", "\t<nav>",
                 "\t<ul>", "\t\t<li><a href=\"links_0.html\" target=\"_self\">＜Dev＞</a></li>",
                 "\t</ul>", "\t</nav>", ""}));
}

// The head: which line each setting adds, and the title of the top page and of a sub-page.
TEST_F(Html5PageTest, HeadLinesAndTitles) {
  MakeFolders("Fav/開発/Qt");
  struct HeadCase {
    const char* name;
    std::function<void(SettingsState&, FixedTitles&)> set;
    std::string folder;  // relative; empty: the top page
    std::vector<std::string> lines;
  };
  std::vector<std::string> plain = Html5HeadLines("トップページ");
  const auto with = [](std::vector<std::string> lines, std::size_t at,
                       std::vector<std::string> added) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    return lines;
  };
  const auto titled = [&](const std::string& title) {
    std::vector<std::string> lines = plain;
    lines[6] = "<title>" + title + "</title>";
    return lines;
  };
  // clang-format off
  const std::vector<HeadCase> cases = {
      {"no title lines: the top heading titles the page, no empty h1",
       [](SettingsState&, FixedTitles&) {}, "", plain},
      {"a sub-page without title lines", [](SettingsState&, FixedTitles&) {}, "Fav/開発/Qt",
       titled("開発 > Qt")},
      {"title lines in h1, broken between lines",
       [](SettingsState&, FixedTitles& t) { t.lines = {"私の<b>お気に入り</b>", "毎週更新"}; }, "",
       with(titled("私の<b>お気に入り</b>"), 10,
            {"<h1>", "私の<b>お気に入り</b><br>", "毎週更新", "</h1>"})},
      {"a sub-page: heading, dash, first title line",
       [](SettingsState&, FixedTitles& t) { t.lines = {"私のお気に入り"}; }, "Fav/開発/Qt",
       with(titled("開発 > Qt ― 私のお気に入り"), 10, {"<h1>", "私のお気に入り", "</h1>"})},
      {"style sheet after the base target",
       [](SettingsState& s, FixedTitles&) { s.StyleType = 3; s.SetBlank = true; }, "",
       with(plain, 7, {"<base target=\"_blank\">", "<link href=\"mirelstyle2.css\" rel=\"stylesheet\">"})},
      {"the return link as its texts are given",
       [](SettingsState& s, FixedTitles&) { s.ReturnFlag = true; s.ReturnLine = Sjis("<i>戻る</i>");
         s.ReturnURL = "../a.html?x=1&y=2"; }, "",
       with(plain, 11, {"<p><a href=\"../a.html?x=1&y=2\"><i>戻る</i></a></p>"})},
  };
  // clang-format on
  for (const HeadCase& head : cases) {
    SCOPED_TRACE(head.name);
    state = {};
    state.Format = PageFormat::kHtml5;
    state.FavoritePath = dir.internal("Fav");
    titles.lines.clear();
    head.set(state, titles);
    for (std::string& line : titles.lines) line = Sjis(line);
    Generator().WritePageHead(Page(), head.folder.empty() ? "" : Folder(head.folder));
    EXPECT_EQ(Read("links.html"), SjisLines(head.lines));
  }
}

TEST_F(Html5PageTest, Utf8PagesDeclareUtf8AndJoinTheTitleWithAnEmDash) {
  MakeFolders("Fav/開発");
  state.Charset = PageCharset::kUtf8;
  titles.lines = {Sjis("私のお気に入り")};
  Generator().WritePageHead(Page(), Folder("Fav/開発"));
  const std::string page = Read("links.html");
  EXPECT_NE(page.find("<meta charset=\"UTF-8\">\r\n"), std::string::npos);
  EXPECT_NE(page.find("<title>開発 — 私のお気に入り</title>\r\n"), std::string::npos);
  EXPECT_EQ(page.find("Shift_JIS"), std::string::npos);
}

// The single-page walk: an empty folder leaves no rule, every section is closed.
TEST_F(Html5PageTest, SinglePageWalk) {
  Shortcut("Fav/News.url", "news.html");
  MakeFolders("Fav/Empty");
  Shortcut("Fav/Tools/Editor.url", "tools/editor.html");
  Shortcut("Fav/Tools/Dev/Compiler.url", "dev/compiler.html");
  titles.lines = {Sjis("リンク")};
  PageGenerator generator = Generator();
  generator.WritePageHead(Page());
  generator.WalkSinglePage(Page(), Folder("Fav"));
  std::vector<std::string> lines = Html5HeadLines("リンク");
  lines.insert(lines.begin() + 10, {"<h1>", "リンク", "</h1>"});
  for (const char* line : {"<section>",
                           "\t<h2>トップページ</h2>",
                           "\t<ul>",
                           "\t\t<li><a href=\"news.html\">News</a></li>",
                           "\t</ul>",
                           "",
                           "</section>",
                           "<hr>",
                           "<section>",
                           "\t<h2>Tools</h2>",
                           "\t<ul>",
                           "\t\t<li><a href=\"tools/editor.html\">Editor</a></li>",
                           "\t</ul>",
                           "",
                           "</section>",
                           "<section>",
                           "\t<h2>Tools > Dev</h2>",
                           "\t<ul>",
                           "\t\t<li><a href=\"dev/compiler.html\">Compiler</a></li>",
                           "\t</ul>",
                           "",
                           "</section>",
                           "</body>",
                           "</html>"}) {
    lines.push_back(line);
  }
  EXPECT_EQ(Read("links.html"), SjisLines(lines));
  EXPECT_EQ(generator.stats().links, 3);
}

// The tree walk: each sub-page titled by its heading, back link first, sections closed.
TEST_F(Html5PageTest, FolderTreeWalk) {
  Shortcut("Fav/News.url", "news.html");
  Shortcut("Fav/Tools/Editor.url", "tools/editor.html");
  MakeFolders("Fav/Tools/Dev");
  titles.lines = {Sjis("リンク")};
  state.SetBlank = true;
  PageGenerator generator = Generator();
  generator.WriteFolderPage(Page(), Folder("Fav"), 0, "");

  const auto page = [](const std::string& title, std::vector<std::string> body) {
    std::vector<std::string> lines = Html5HeadLines(title);
    lines.insert(lines.begin() + 7, "<base target=\"_blank\">");
    lines.insert(lines.begin() + 11, {"<h1>", "リンク", "</h1>"});
    lines.insert(lines.end(), body.begin(), body.end());
    return SjisLines(lines);
  };
  EXPECT_EQ(Read("links.html"),
            page("リンク",
                 {"<section>", "\t<h2>トップページ</h2>", "\t<nav>", "\t<ul>",
                  "\t\t<li><a href=\"links_0.html\" target=\"_self\">＜Tools＞</a></li>", "\t</ul>",
                  "\t</nav>", "", "\t<ul>", "\t\t<li><a href=\"news.html\">News</a></li>",
                  "\t</ul>", "", "</section>", "</body>", "</html>"}));
  EXPECT_EQ(Read("links_0.html"),
            page("Tools ― リンク",
                 {"<nav><a href=\"links.html\" target=\"_self\">＜上に戻る＞</a></nav>",
                  "<section>", "\t<h2>Tools</h2>", "\t<nav>", "\t<ul>",
                  "\t\t<li><a href=\"links_0_0.html\" target=\"_self\">＜Dev＞</a></li>", "\t</ul>",
                  "\t</nav>", "", "\t<ul>", "\t\t<li><a href=\"tools/editor.html\">Editor</a></li>",
                  "\t</ul>", "", "</section>", "</body>", "</html>"}));
  EXPECT_EQ(Read("links_0_0.html"),
            page("Tools > Dev ― リンク",
                 {"<nav><a href=\"links_0.html\" target=\"_self\">＜上に戻る＞</a></nav>",
                  "<section>", "\t<h2>Tools > Dev</h2>", "</section>", "</body>", "</html>"}));
  EXPECT_EQ(generator.stats().pages, 3);
}

}  // namespace
}  // namespace favpage::test

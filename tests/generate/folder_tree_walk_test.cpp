// The folder-tree walk over real favorites trees: page names, back links, the order in
// which pages are written, and what is left alone.
#include <cstdio>

#include "generate_fixture.h"

namespace favpage::test {
namespace {

class FolderTreeWalkTest : public GenerateTest {
 protected:
  GenerationStats Walk(const std::string& top) {
    PageGenerator generator = Generator();
    generator.WriteFolderPage(dir.internal(top), state.FavoritePath + "\\", 0, "");
    return generator.stats();
  }
  std::vector<std::string> ProgressTexts() const {
    std::vector<std::string> texts;
    for (const std::string& event : progress.events) {
      if (event.rfind("text ", 0) == 0) texts.push_back(event.substr(event.rfind(' ') + 1));
    }
    return texts;
  }
};

TEST_F(FolderTreeWalkTest, WalkExampleIsByteExact) {
  Shortcut("Fav/News.url", "news.html");
  Shortcut("Fav/Tools/Editor.url", "tools/editor.html");
  Shortcut("Fav/Tools/Dev/Compiler.url", "dev/compiler.html");
  Shortcut("Fav/Travel/Hotels.url", "travel/hotels.html");
  const GenerationStats stats = Walk("web/links.html");

  EXPECT_EQ(Read("web/links.html"), PlainPage({
                                        "\t<H2>トップページ</H2>",
                                        "\t<DL>",
                                        "\t\t<DD><A HREF=\"links_0.html\">＜Tools＞</A></DD>",
                                        "\t\t<DD><A HREF=\"links_1.html\">＜Travel＞</A></DD>",
                                        "\t</DL>",
                                        "",
                                        "\t<DL>",
                                        "\t\t<DD><A HREF=\"news.html\">News</A></DD>",
                                        "\t</DL>",
                                        "",
                                        "</BODY>",
                                        "</HTML>",
                                    }));
  EXPECT_EQ(Read("web/links_0.html"), PlainPage({
                                          "\t\t<DD><A HREF=\"links.html\">＜上に戻る＞</A></DD>",
                                          "\t<H2>Tools</H2>",
                                          "\t<DL>",
                                          "\t\t<DD><A HREF=\"links_0_0.html\">＜Dev＞</A></DD>",
                                          "\t</DL>",
                                          "",
                                          "\t<DL>",
                                          "\t\t<DD><A HREF=\"tools/editor.html\">Editor</A></DD>",
                                          "\t</DL>",
                                          "",
                                          "</BODY>",
                                          "</HTML>",
                                      }));
  EXPECT_EQ(Read("web/links_0_0.html"),
            PlainPage({
                "\t\t<DD><A HREF=\"links_0.html\">＜上に戻る＞</A></DD>",
                "\t<H2>Tools > Dev</H2>",
                "\t<DL>",
                "\t\t<DD><A HREF=\"dev/compiler.html\">Compiler</A></DD>",
                "\t</DL>",
                "",
                "</BODY>",
                "</HTML>",
            }));
  EXPECT_EQ(Read("web/links_1.html"), PlainPage({
                                          "\t\t<DD><A HREF=\"links.html\">＜上に戻る＞</A></DD>",
                                          "\t<H2>Travel</H2>",
                                          "\t<DL>",
                                          "\t\t<DD><A HREF=\"travel/hotels.html\">Hotels</A></DD>",
                                          "\t</DL>",
                                          "",
                                          "</BODY>",
                                          "</HTML>",
                                      }));
  EXPECT_EQ(ProgressTexts(), (std::vector<std::string>{"links.html", "links_0.html",
                                                       "links_0_0.html", "links_1.html"}));
  EXPECT_EQ(stats.pages, 4);
  EXPECT_EQ(stats.links, 4);
  EXPECT_EQ(stats.folders, 4);
}

// Sub-pages are always named "<base>_<i>.html"; a back link names its parent's real file.
TEST_F(FolderTreeWalkTest, TopPageWithOtherExtensionIsReachedFromBelow) {
  MakeFolders("Fav/Sub/Deep");
  for (const std::string top : {"links.htm", "links"}) {
    SCOPED_TRACE(top);
    Walk("web/" + top);
    EXPECT_EQ(Read("web/" + top), PlainPage({"\t<H2>トップページ</H2>", "\t<DL>",
                                             "\t\t<DD><A HREF=\"links_0.html\">＜Sub＞</A></DD>",
                                             "\t</DL>", "", "</BODY>", "</HTML>"}));
    EXPECT_EQ(Read("web/links_0.html"),
              PlainPage({"\t\t<DD><A HREF=\"" + top + "\">＜上に戻る＞</A></DD>", "\t<H2>Sub</H2>",
                         "\t<DL>", "\t\t<DD><A HREF=\"links_0_0.html\">＜Deep＞</A></DD>",
                         "\t</DL>", "", "</BODY>", "</HTML>"}));
    EXPECT_EQ(Read("web/links_0_0.html"),
              PlainPage({"\t\t<DD><A HREF=\"links_0.html\">＜上に戻る＞</A></DD>",
                         "\t<H2>Sub > Deep</H2>", "</BODY>", "</HTML>"}));
  }
}

TEST_F(FolderTreeWalkTest, ElevenSubfoldersGiveDistinctPageNames) {
  for (int i = 0; i <= 10; ++i) MakeFolders("Fav/F" + std::to_string(100 + i));
  MakeFolders("Fav/F101/Inner");
  WriteBytes(dir.hostPath("web/links_5_0.html"), "from an earlier run");
  EXPECT_EQ(Walk("web/links.html").pages, 13);

  const std::string top = Read("web/links.html");
  EXPECT_NE(top.find("\t\t<DD><A HREF=\"links_10.html\">" + Sjis("＜F110＞") + "</A></DD>\r\n"),
            std::string::npos);
  EXPECT_EQ(Read("web/links_10.html"),
            PlainPage({"\t\t<DD><A HREF=\"links.html\">＜上に戻る＞</A></DD>", "\t<H2>F110</H2>",
                       "</BODY>", "</HTML>"}));
  EXPECT_EQ(Read("web/links_1_0.html"),
            PlainPage({"\t\t<DD><A HREF=\"links_1.html\">＜上に戻る＞</A></DD>",
                       "\t<H2>F101 > Inner</H2>", "</BODY>", "</HTML>"}));
  EXPECT_EQ(Read("web/links_5_0.html"), "from an earlier run");
}

TEST_F(FolderTreeWalkTest, UnsearchableFavoritesWriteNoPage) {
  for (const std::string& favorites :
       {dir.internal("Missing"), std::string(kFavoritePathPlaceholder)}) {
    state.FavoritePath = favorites;
    EXPECT_EQ(Walk("web/links.html").pages, 0);
  }
  EXPECT_FALSE(Exists("web"));
  EXPECT_TRUE(progress.events.empty());
}

TEST_F(FolderTreeWalkTest, OnlyPlainFoldersGetPagesAndNamesWithByte5CStayWhole) {
  Shortcut("Fav/ソフト/表示/Link.url", "x.html");
  Shortcut("Fav/.hidden/Hidden.url", "hidden.html");
  MarkHidden(dir.hostPath("Fav/.hidden"));
  LinkFolder(dir.hostPath("Fav"), dir.hostPath("Fav/Loop"));  // where the host can
  Walk("web/links.html");
  EXPECT_EQ(Read("web/links.html"),
            PlainPage({"\t<H2>トップページ</H2>", "\t<DL>",
                       "\t\t<DD><A HREF=\"links_0.html\">＜ソフト＞</A></DD>", "\t</DL>", "",
                       "</BODY>", "</HTML>"}));
  EXPECT_EQ(
      Read("web/links_0_0.html"),
      PlainPage({"\t\t<DD><A HREF=\"links_0.html\">＜上に戻る＞</A></DD>",
                 "\t<H2>ソフト > 表示</H2>", "\t<DL>", "\t\t<DD><A HREF=\"x.html\">Link</A></DD>",
                 "\t</DL>", "", "</BODY>", "</HTML>"}));
  EXPECT_FALSE(Exists("web/links_1.html"));
}

}  // namespace
}  // namespace favpage::test

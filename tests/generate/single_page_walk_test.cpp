// The single-page walk over real favorites trees, through the page head and the walk as
// the create command calls them.
#include "generate_fixture.h"

namespace favpage::test {
namespace {

class SinglePageWalkTest : public GenerateTest {
 protected:
  // Writes the page head and walks the favorites folder; returns the page's bytes.
  std::string Walk() {
    PageGenerator generator = Generator();
    generator.WritePageHead(dir.internal("links.html"));
    generator.WalkSinglePage(dir.internal("links.html"), state.FavoritePath + "\\");
    folders = generator.stats().folders;
    return Read("links.html");
  }
  int folders = 0;
};

TEST_F(SinglePageWalkTest, WalkExampleIsByteExact) {
  Shortcut("Fav/News.url", "news.html");
  Shortcut("Fav/Tools/Dev/Compiler.url", "dev/compiler.html");
  Shortcut("Fav/Travel/Hotels.url", "travel/hotels.html");
  EXPECT_EQ(Walk(), PlainPage({
                        "\t<H2>トップページ</H2>",
                        "\t<DL>",
                        "\t\t<DD><A HREF=\"news.html\">News</A></DD>",
                        "\t</DL>",
                        "",
                        "<HR>",
                        "\t<H2>Tools > Dev</H2>",
                        "\t<DL>",
                        "\t\t<DD><A HREF=\"dev/compiler.html\">Compiler</A></DD>",
                        "\t</DL>",
                        "",
                        "<HR>",
                        "\t<H2>Travel</H2>",
                        "\t<DL>",
                        "\t\t<DD><A HREF=\"travel/hotels.html\">Hotels</A></DD>",
                        "\t</DL>",
                        "",
                        "</BODY>",
                        "</HTML>",
                    }));
  EXPECT_EQ(folders, 4);
}

TEST_F(SinglePageWalkTest, SeparatorBeforeEveryTopLevelFolderEvenWithoutLinks) {
  MakeFolders("Fav/A/Deep/Deeper");
  Shortcut("Fav/B/Inner/Link.url", "b.html");
  MakeFolders("Fav/C");
  EXPECT_EQ(Walk(), PlainPage({
                        "<HR>",
                        "<HR>",
                        "\t<H2>B > Inner</H2>",
                        "\t<DL>",
                        "\t\t<DD><A HREF=\"b.html\">Link</A></DD>",
                        "\t</DL>",
                        "",
                        "<HR>",
                        "</BODY>",
                        "</HTML>",
                    }));
}

TEST_F(SinglePageWalkTest, EmptyFavoritesGetOnlyTheEndBlock) {
  MakeFolders("Fav");
  EXPECT_EQ(Walk(), PlainPage({"</BODY>", "</HTML>"}));
}

TEST_F(SinglePageWalkTest, UnsearchableFavoritesAppendNothing) {
  for (const std::string& favorites :
       {dir.internal("Missing"), std::string(kFavoritePathPlaceholder)}) {
    SCOPED_TRACE(favorites);
    state.FavoritePath = favorites;
    EXPECT_EQ(Walk(), PlainPage({}));
    EXPECT_EQ(folders, 0);
  }
}

TEST_F(SinglePageWalkTest, FoldersWithFurtherAttributeBitsAreNotWalked) {
  Shortcut("Fav/.folder/Hidden.url", "hidden.html");
  MarkHidden(dir.hostPath("Fav/.folder"));
  Shortcut("Fav/Real/Link.url", "real.html");
  // Links are reparse points where the host can make them.
  LinkFolder(dir.hostPath("Fav"), dir.hostPath("Fav/Loop"));
  LinkFolder(dir.hostPath("Fav/Real"), dir.hostPath("Fav/Same"));
  EXPECT_EQ(Walk(), PlainPage({
                        "<HR>",
                        "\t<H2>Real</H2>",
                        "\t<DL>",
                        "\t\t<DD><A HREF=\"real.html\">Link</A></DD>",
                        "\t</DL>",
                        "",
                        "</BODY>",
                        "</HTML>",
                    }));
}

TEST_F(SinglePageWalkTest, NamesWithByte5CAreWholeInHeadings) {
  Shortcut("Fav/ソフト/表示/Link.url", "x.html");
  EXPECT_EQ(Walk(), PlainPage({
                        "<HR>",
                        "\t<H2>ソフト > 表示</H2>",
                        "\t<DL>",
                        "\t\t<DD><A HREF=\"x.html\">Link</A></DD>",
                        "\t</DL>",
                        "",
                        "</BODY>",
                        "</HTML>",
                    }));
}

// POSIX hosts only: no Windows name holds a ":".
#ifndef _WIN32
TEST_F(SinglePageWalkTest, FolderNameWithColonIsOneHeadingName) {
  // Possible on POSIX hosts only; the heading must neither cut the name nor stall on it.
  // The ":" is held as a reference, which the browser shows as ":" again.
  Shortcut("Fav/a:b/Link.url", "x.html");
  EXPECT_EQ(Walk(), PlainPage({
                        "<HR>",
                        "\t<H2>a&#x3A;b</H2>",
                        "\t<DL>",
                        "\t\t<DD><A HREF=\"x.html\">Link</A></DD>",
                        "\t</DL>",
                        "",
                        "</BODY>",
                        "</HTML>",
                    }));
}
#endif  // _WIN32

}  // namespace
}  // namespace favpage::test

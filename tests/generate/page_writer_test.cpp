// The page writer's operations on real files: byte-exact blocks, folder creation, the
// progress text and the errors of a page that is missing or has no folder.

#include <functional>

#include "base/io_error.h"
#include "generate/folder_scan.h"
#include "generate_fixture.h"
#include "platform/host_path.h"

namespace favpage::test {
namespace {

using PageWriterTest = GenerateTest;

TEST_F(PageWriterTest, LinkPageExampleIsByteExact) {
  SetUpLinkPageExample();
  const std::string page = dir.internal("web/site/links.html");  // both folders missing
  PageGenerator generator = Generator();
  generator.WritePageHead(page);
  generator.WriteFolderHeading(page, dir.internal("Fav") + "\\");
  generator.WriteLinkList(page, {dir.internal("Fav/Weather.url")});
  generator.WriteSeparator(page);
  generator.WriteFolderHeading(page, dir.internal("Fav/Tools") + "\\");
  generator.WriteLinkList(page, {dir.internal("Fav/Tools/Editor.url")});
  generator.WritePageEnd(page);

  EXPECT_EQ(Read("web/site/links.html"), LinkPageExample());
  EXPECT_EQ(generator.stats().pages, 1);
  EXPECT_EQ(generator.stats().links, 2);
}

TEST_F(PageWriterTest, HeadOptionsAndTextsWrittenUnescaped) {
  const std::string page = dir.internal("links.html");
  Generator().WritePageHead(page);
  EXPECT_EQ(Read("links.html"), PlainPage({}));  // no title line, no optional line

  titles.lines = {"A & <B> \"C\"", ""};
  state.StyleType = 12;
  state.ReturnFlag = true;          // empty caption and address
  Generator().WritePageHead(page);  // an existing page is emptied first
  EXPECT_EQ(Read("links.html"),
            SjisLines({PlainHeadLines()[0], PlainHeadLines()[1], PlainHeadLines()[2],
                       PlainHeadLines()[3], PlainHeadLines()[4], "<TITLE>A & <B> \"C\"</TITLE>",
                       "<link href=\"mirelstyle11.css\" rel=\"stylesheet\" type=\"text/css\">",
                       "</HEAD>", "", "<BODY>", "<H1>", "A & <B> \"C\"<BR>", "<BR>", "</H1>", "",
                       "<p><A HREF=\"\"></A></p>", ""}));
}

TEST_F(PageWriterTest, HeadShowsTheFileNameAndProcessesMessagesBeforeCreatingAnything) {
  bool folderExisted = true;
  progress.onMessages = [&] { folderExisted = Exists("out"); };
  Generator().WritePageHead(dir.internal("out/links.html"));
  EXPECT_EQ(progress.events,
            (std::vector<std::string>{"text Output link file ... links.html", "messages"}));
  EXPECT_FALSE(folderExisted);
  EXPECT_TRUE(Exists("out/links.html"));
}

TEST_F(PageWriterTest, LinkListReadsEachShortcut) {
  MakeFolders("Fav");
  WriteBytes(dir.hostPath("Fav/NoUrl.url"), "[InternetShortcut]\r\nIconIndex=0\r\n");
  WriteBytes(dir.hostPath("Fav/Other.url"), "[Other]\r\nURL=x.html\r\n");
  Shortcut("Fav/.url", "empty-name.html");
  Shortcut("Fav/a.b.url", "q?a=1&b=<2>");
  Shortcut("Fav/Quote.url", "x\" onmouseover=\"alert(1)");
  const std::string page = dir.internal("links.html");
  PageGenerator generator = Generator();
  generator.WritePageHead(page);
  generator.WriteLinkList(page, {dir.internal("Fav/NoUrl.url"), dir.internal("Fav/Other.url"),
                                 dir.internal("Fav/.url"), dir.internal("Fav/a.b.url"),
                                 dir.internal("Fav/Quote.url"), dir.internal("Fav/Vanished.url")});
  generator.WriteLinkList(page, {});
  EXPECT_EQ(Read("links.html"),
            PlainPage({
                "\t<DL>",
                "\t\t<DD><A HREF=\"\">NoUrl</A></DD>",
                "\t\t<DD><A HREF=\"\">Other</A></DD>",
                "\t\t<DD><A HREF=\"empty-name.html\"></A></DD>",
                "\t\t<DD><A HREF=\"q?a=1&b=<2>\">a.b</A></DD>",
                // A '"' would end the attribute and start markup.
                "\t\t<DD><A HREF=\"x%22 onmouseover=%22alert(1)\">Quote</A></DD>",
                "\t\t<DD><A HREF=\"\">Vanished</A></DD>",
                "\t</DL>",
                "",
                "\t<DL>",
                "\t</DL>",
                "",
            }));
}

// Links between pages are built from file names: in a browser each must still reach
// the file it names, while link texts keep the names as the page shows them.
TEST_F(PageWriterTest, PageLinksLeadToTheFilesTheyName) {
#ifdef _WIN32
  const std::string kSubfolder = "c;d", kSubfolderText = "c;d";
#else
  const std::string kSubfolder = "c:d", kSubfolderText = "c&#x3A;d";
#endif
  const struct {
    const char* hostPage;
    std::string href;  // of the page's first sub-page, without "_0.html"
  } cases[] = {
      {"links.html", "links"},
#ifndef _WIN32  // names no Windows folder can hold
      {"a:b.html", "a%3Ab"},
      {"a\\b.html", "a%5Cb"},
      {"tab\tand\nline.html", "tab%09and%0Aline"},
      {"100%#?&.html", "100%25%23%3F%26"},
      {"caf\xE9.html", "caf%E9"},
#endif
      {"100%#&.html", "100%25%23%26"},
      {"A&#x41;.html", "A%26%23x41;"},
      {"😀.html", "&#x1F600;"},
      {"波〜.html", Sjis("波") + "&#x301C;"},
      {"表示 ソフト.html", Sjis("表示 ソフト")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hostPage);
    const std::string page = dir.internal() + "\\" + platform::FromHostPath(c.hostPage);
    PageGenerator generator = Generator();
    generator.WritePageHead(page);
    generator.WriteSubfolderLinkList(page,
                                     {dir.internal() + "\\" + platform::FromHostPath(kSubfolder)});
    generator.WriteBackLink(page, page);
#ifdef _WIN32
    const std::filesystem::path written = dir.hostPath(c.hostPage);
#else
    const std::filesystem::path written = dir.host() / c.hostPage;
#endif
    EXPECT_EQ(ReadBytes(written), PlainPage({}) + "\t<DL>\r\n\t\t<DD><A HREF=\"" + c.href +
                                      "_0.html\">" + Sjis("＜") + kSubfolderText + Sjis("＞") +
                                      "</A></DD>\r\n\t</DL>\r\n\r\n\t\t<DD><A HREF=\"" + c.href +
                                      ".html\">" + Sjis("＜上に戻る＞") + "</A></DD>\r\n");
  }
}

TEST_F(PageWriterTest, AppendingBeforeTheHeadFailsWithFileNotFound) {
  const std::string page = dir.internal("missing.html");
  PageGenerator generator = Generator();
  const std::function<void()> appends[] = {
      [&] { generator.WriteFolderHeading(page, dir.internal("Fav") + "\\"); },
      [&] { generator.WriteLinkList(page, {}); },
      [&] { generator.WriteSubfolderLinkList(page, {dir.internal("Fav/A")}); },
      [&] { generator.WriteSeparator(page); },
      [&] { generator.WriteBackLink(page, dir.internal("links.html")); },
      [&] { generator.WritePageEnd(page); },
  };
  for (const auto& append : appends) {
    try {
      append();
      ADD_FAILURE() << "no error";
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), 2);
      EXPECT_EQ(std::string(error.what()), Sjis("ファイルが見つかりません"));
    }
    EXPECT_FALSE(Exists("missing.html"));
  }
}

TEST_F(PageWriterTest, PagePathWithoutFolderFailsBeforeWritingAnything) {
  const std::string name = "favpage-page-without-folder.html";  // would land in the cwd
  try {
    Generator().WritePageHead(name);
    ADD_FAILURE() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), 3);
    EXPECT_EQ(std::string(error.what()), Sjis("ディレクトリを作成できません"));
  }
  EXPECT_FALSE(std::filesystem::exists(name));
}

TEST_F(PageWriterTest, ReadOnlyPageRefusesTheHeadAndKeepsItsBytes) {
  WriteBytes(dir.hostPath("links.html"), "old");
  std::filesystem::permissions(dir.hostPath("links.html"), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);
  try {
    Generator().WritePageHead(dir.internal("links.html"));
    ADD_FAILURE() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), 5);
  }
  EXPECT_EQ(Read("links.html"), "old");
}

}  // namespace
}  // namespace favpage::test

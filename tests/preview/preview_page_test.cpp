#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/io_error.h"
#include "platform/codepage.h"
#include "preview/preview_page.h"
#include "support/test_support.h"

namespace favpage {
namespace {

using test::CrLfLines;
using test::Sjis;

class RecordingView : public HtmlView {
 public:
  void Navigate(const std::string& path) override { requests.push_back(path); }
  std::vector<std::string> requests;
};

// A folder standing in for the executable's, holding the two templates.
struct ExeFolder {
  ExeFolder(const std::string& top, const std::string& bottom) {
    test::WriteBytes(dir.hostPath("sample-top.html"), top);
    test::WriteBytes(dir.hostPath("sample-bottom.html"), bottom);
  }
  std::string internal() const { return dir.internal() + "\\"; }
  std::string Page() const { return test::ReadBytes(dir.hostPath("sample.html")); }
  test::TempDir dir;
};

TEST(PreviewPage, LinkLineStandsBetweenTheTemplatesForAStyle) {
  const struct {
    std::int32_t styleType;
    std::string link;
  } cases[] = {
      {-1, ""},
      {0, ""},
      {1, "<link href=\"mirelstyle0.css\" rel=\"stylesheet\" type=\"text/css\">\r\n"},
      {3, "<link href=\"mirelstyle2.css\" rel=\"stylesheet\" type=\"text/css\">\r\n"},
      {12, "<link href=\"mirelstyle11.css\" rel=\"stylesheet\" type=\"text/css\">\r\n"},
  };
  for (const auto& c : cases) {
    ExeFolder exe(CrLfLines({"<HTML>", "<HEAD>"}), CrLfLines({"</HEAD>", "</HTML>"}));
    test::WriteBytes(exe.dir.hostPath("sample.html"), "an older, longer preview page\r\n");
    RecordingView view;
    BuildPreviewPage(c.styleType, exe.internal(), view);
    EXPECT_EQ(exe.Page(), "<HTML>\r\n<HEAD>\r\n" + c.link + "</HEAD>\r\n</HTML>\r\n")
        << c.styleType;
    EXPECT_EQ(view.requests, std::vector<std::string>{exe.internal() + "sample.html"});
  }
}

TEST(PreviewPage, EveryTemplateLineEndsWithCrLf) {
  ExeFolder unended("top1\ntop2", "bottom");
  RecordingView view;
  BuildPreviewPage(2, unended.internal(), view);
  EXPECT_EQ(unended.Page(),
            "top1\r\ntop2\r\n<link href=\"mirelstyle1.css\" rel=\"stylesheet\" "
            "type=\"text/css\">\r\nbottom\r\n");

  ExeFolder emptyTop("", "bottom\r\n");
  BuildPreviewPage(0, emptyTop.internal(), view);
  EXPECT_EQ(emptyTop.Page(), "bottom\r\n");

  ExeFolder bothEmpty("", "");
  BuildPreviewPage(1, bothEmpty.internal(), view);
  EXPECT_EQ(bothEmpty.Page(),
            "<link href=\"mirelstyle0.css\" rel=\"stylesheet\" type=\"text/css\">\r\n");
  EXPECT_EQ(view.requests.size(), 3u);
}

void ExpectIoError(int code, std::int32_t styleType, const std::string& folder, HtmlView& view) {
  try {
    BuildPreviewPage(styleType, folder, view);
    ADD_FAILURE() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), code);
  }
}

TEST(PreviewPage, FailureLeavesThePageUnfinishedAndTheViewAsItWas) {
  ExeFolder noTop("top\r\n", "bottom\r\n");
  std::filesystem::remove(noTop.dir.hostPath("sample-top.html"));
  test::WriteBytes(noTop.dir.hostPath("sample.html"), "the previous preview\r\n");
  RecordingView view;
  ExpectIoError(io_code::kFileNotFound, 1, noTop.internal(), view);
  EXPECT_EQ(noTop.Page(), "");

  ExeFolder noBottom("top\r\n", "bottom\r\n");
  std::filesystem::remove(noBottom.dir.hostPath("sample-bottom.html"));
  ExpectIoError(io_code::kFileNotFound, 0, noBottom.internal(), view);
  EXPECT_EQ(noBottom.Page(), "top\r\n");

  // The page is created before the templates are read, and a page that cannot be written
  // stops everything.
  ExeFolder readOnly("top\r\n", "bottom\r\n");
  test::WriteBytes(readOnly.dir.hostPath("sample.html"), "kept\r\n");
  std::filesystem::permissions(readOnly.dir.hostPath("sample.html"),
                               std::filesystem::perms::owner_read |
                                   std::filesystem::perms::group_read |
                                   std::filesystem::perms::others_read);
  ExpectIoError(io_code::kAccessDenied, 1, readOnly.internal(), view);
  EXPECT_EQ(readOnly.Page(), "kept\r\n");

  EXPECT_TRUE(view.requests.empty());

  // Nothing is left open: the same folder works once the template is back.
  test::WriteBytes(noTop.dir.hostPath("sample-top.html"), "top\r\n");
  BuildPreviewPage(0, noTop.internal(), view);
  EXPECT_EQ(noTop.Page(), "top\r\nbottom\r\n");
}

TEST(PreviewPage, ShippedTemplatesMakeAPageInTheGeneratedMarkup) {
  const std::filesystem::path data = FAVPAGE_DATA_DIR;
  ExeFolder exe(test::ReadBytes(data / "sample-top.html"),
                test::ReadBytes(data / "sample-bottom.html"));
  RecordingView view;
  BuildPreviewPage(3, exe.internal(), view);
  const std::string page = exe.Page();

  const std::string head = CrLfLines({
      "<!doctype html public \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
      "<HTML lang=\"ja-JP\">",
      "<HEAD>",
      "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
      "<META NAME=\"GENERATOR\" CONTENT=\"Mirel Favorites Manager - Programmed by Ordan\">",
      // Windows' browser control shows a page in its newest mode only when the page asks.
      "<META http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">",
  });
  EXPECT_EQ(page.rfind(head, 0), 0u);
  const std::size_t link =
      page.find("\r\n<link href=\"mirelstyle2.css\" rel=\"stylesheet\" type=\"text/css\">\r\n");
  ASSERT_NE(link, std::string::npos);
  EXPECT_LT(page.find("<TITLE>"), link);
  EXPECT_GT(page.find("</HEAD>\r\n"), link);
  EXPECT_NE(page.find(Sjis("\t<H2>トップページ</H2>\r\n\t<DL>\r\n\t\t<DD><A HREF=\"")),
            std::string::npos);
  EXPECT_NE(page.find("\r\n<HR>\r\n"), std::string::npos);
  EXPECT_TRUE(page.ends_with("</BODY>\r\n</HTML>\r\n"));

  // Shift_JIS throughout, and no line end but CR LF.
  EXPECT_EQ(platform::SjisToUtf8(page).find("\xEF\xBF\xBD"), std::string::npos);
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') {
      EXPECT_EQ(page[i - 1], '\r') << "at " << i;
    }
    if (page[i] == '\r') {
      EXPECT_EQ(page[i + 1], '\n') << "at " << i;
    }
  }
}

}  // namespace
}  // namespace favpage

namespace favpage {
namespace {

TEST(PreviewPage, Utf8PreviewConvertsTheTemplatesAndNamesItsCharset) {
  ExeFolder exe(CrLfLines({"<META http-equiv=\"Content-Type\" content=\"text/html; "
                           "charset=Shift_JIS\">",
                           Sjis("<TITLE>見本</TITLE>")}),
                CrLfLines({Sjis("<P>ＨＰに戻る</P>")}));
  RecordingView view;
  BuildPreviewPage(1, exe.internal(), view, PageCharset::kUtf8);
  EXPECT_EQ(exe.Page(),
            CrLfLines({"<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">",
                       "<TITLE>見本</TITLE>",
                       "<link href=\"mirelstyle0.css\" rel=\"stylesheet\" type=\"text/css\">",
                       "<P>ＨＰに戻る</P>"}));
}

}  // namespace
}  // namespace favpage

namespace favpage {
namespace {

// An HTML5 preview: its own templates, the HTML5 link line, and on a UTF-8 page the
// charset line names UTF-8 in its HTML5 form too.
TEST(PreviewPage, Html5PreviewTakesItsOwnTemplates) {
  test::TempDir dir;
  test::WriteBytes(dir.hostPath("sample-top.html"), "classic\r\n");
  test::WriteBytes(dir.hostPath("sample-bottom.html"), "classic\r\n");
  test::WriteBytes(dir.hostPath("sample-html5-top.html"),
                   "<meta charset=\"Shift_JIS\">\r\n" + Sjis("<title>私の</title>") + "\r\n");
  test::WriteBytes(dir.hostPath("sample-html5-bottom.html"), "</head>\r\n");
  const struct {
    PageCharset charset;
    std::string page;
  } cases[] = {
      {PageCharset::kShiftJis, "<meta charset=\"Shift_JIS\">\r\n" + Sjis("<title>私の</title>") +
                                   "\r\n<link href=\"mirelstyle1.css\" rel=\"stylesheet\">\r\n"
                                   "</head>\r\n"},
      {PageCharset::kUtf8,
       "<meta charset=\"UTF-8\">\r\n<title>私の</title>\r\n"
       "<link href=\"mirelstyle1.css\" rel=\"stylesheet\">\r\n</head>\r\n"},
  };
  for (const auto& c : cases) {
    RecordingView view;
    BuildPreviewPage(2, dir.internal() + "\\", view, c.charset, PageFormat::kHtml5);
    EXPECT_EQ(test::ReadBytes(dir.hostPath("sample.html")), c.page);
  }
}

}  // namespace
}  // namespace favpage

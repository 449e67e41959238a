// What a run reports: the closing line, a warning's line and a page's line, in both
// languages, from constructed results.
#include "cli/cli_report.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace favpage::cli {
namespace {

using test::Sjis;
const Texts kEnglish(msg::Language::kEnglish);
const Texts kJapanese(msg::Language::kJapanese);

GenerationStats Stats(int pages, int unchanged, int links) {
  GenerationStats stats;
  stats.pages = pages;
  stats.unchanged = unchanged;
  stats.links = links;
  return stats;
}

TEST(CliReport, TheClosingLineCountsPagesAndLinks) {
  const std::string top = "/home/me/public_html/links.html";
  const struct {
    GenerationStats stats;
    std::string english;
    std::string japanese;
  } cases[] = {
      {Stats(12, 10, 1234), "12 pages (10 unchanged), 1,234 links: " + top,
       "12 ページ (うち 10 ページは変更なし)、リンク 1,234 件: " + top},
      {Stats(1, 0, 1), "1 page, 1 link: " + top, "1 ページ、リンク 1 件: " + top},
      {Stats(0, 0, 0), "0 pages, 0 links: " + top, "0 ページ、リンク 0 件: " + top},
      {Stats(2, 2, 1000000), "2 pages (2 unchanged), 1,000,000 links: " + top,
       "2 ページ (うち 2 ページは変更なし)、リンク 1,000,000 件: " + top},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SummaryLine(kEnglish, c.stats, top), c.english);
    EXPECT_EQ(SummaryLine(kJapanese, c.stats, top), c.japanese);
  }
  // A line break in the page's name stays inside the one line.
  EXPECT_EQ(SummaryLine(kEnglish, Stats(1, 0, 2), "/site/a\nb.html"),
            "1 page, 2 links: /site/a\\nb.html");
}

TEST(CliReport, EachWarningIsOneLineStartingTheSameInBothLanguages) {
  const struct {
    RunWarning warning;
    std::string english;
    std::string japanese;
  } cases[] = {
      {{RunWarning::Kind::kScriptLinkLeftOut, Sjis("危ない"), Sjis("ツール > 古い")},
       "favpage-cli: warning: script link \"危ない\" in ツール > 古い left out",
       "favpage-cli: warning: スクリプトのリンク \"危ない\" (ツール > 古い) は出力しませんでした"},
      {{RunWarning::Kind::kScriptLinkLeftOut, "Run &#x1F600;", ""},
       "favpage-cli: warning: script link \"Run 😀\" left out",
       "favpage-cli: warning: スクリプトのリンク \"Run 😀\" は出力しませんでした"},
      {{RunWarning::Kind::kScriptLinkLeftOut, "line\r\nfeed", "top"},
       "favpage-cli: warning: script link \"line\\r\\nfeed\" in top left out",
       "favpage-cli: warning: スクリプトのリンク \"line\\r\\nfeed\" (top) は出力しませんでした"},
#ifndef _WIN32
      {{RunWarning::Kind::kEditedPageKept, "\\site\\links_3.html", ""},
       "favpage-cli: warning: /site/links_3.html was edited since the last run: kept, not removed",
       "favpage-cli: warning: /site/links_3.html は前回の実行の後に編集されているので、削除せず"
       "に残しました"},
#endif
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WarningLine(kEnglish, c.warning), c.english);
    EXPECT_EQ(WarningLine(kJapanese, c.warning), c.japanese);
  }
}

#ifndef _WIN32  // host paths with "/"
TEST(CliReport, APageLineNamesThePageInTheOutputFolder) {
  EXPECT_EQ(PageLine(kEnglish, "Output link file ... links_0.html", "\\site\\"),
            "writing /site/links_0.html");
  EXPECT_EQ(PageLine(kJapanese, "Output link file ... links_0.html", "\\site\\"),
            "/site/links_0.html を出力します");
  EXPECT_EQ(PageLine(kEnglish, "Output link file ... " + Sjis("ソフト.html"), "\\s\\"),
            "writing /s/ソフト.html");
}
#endif

}  // namespace
}  // namespace favpage::cli

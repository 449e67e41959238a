// The window's rules that need no window: what the status bar says after a run, where the
// window may reopen, and the About box's version line with its era date.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/presenter/about_version.h"
#include "ui/presenter/run_status.h"
#include "ui/presenter/window_place.h"
#include "ui/presenter/window_text.h"

namespace favpage::ui {
namespace {

GenerationStats Stats(int pages, int unchanged, int links) {
  GenerationStats stats;
  stats.pages = pages;
  stats.unchanged = unchanged;
  stats.links = links;
  return stats;
}

TEST(RunStatusTest, SaysWhatTheRunDidAndWhere) {
  struct Case {
    GenerationStats stats;
    double seconds;
    std::string expected;
  };
  const std::string page = "/home/me/public_html/links.html";
  const Case cases[] = {
      {Stats(12, 10, 1234), 0.43,
       "12 ページを書き出しました (うち 10 は変更なし)・1,234 リンク・0.4 秒 — " + page},
      {Stats(1, 0, 0), 0.04, "1 ページを書き出しました・0 リンク・0.0 秒 — " + page},
      {Stats(1500, 1500, 1234567), 75.25,
       "1,500 ページを書き出しました (うち 1,500 は変更なし)・1,234,567 リンク・75.3 秒 — " + page},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunStatusText(c.stats, c.seconds, page), c.expected);
  }
}

TEST(RunStatusTest, SecondsHaveOneDecimalInEveryLocale) {
  EXPECT_EQ(SecondsText(0), "0.0");
  EXPECT_EQ(SecondsText(0.05), "0.1");
  EXPECT_EQ(SecondsText(9.96), "10.0");
  EXPECT_EQ(SecondsText(1234.56), "1,234.6");
  EXPECT_EQ(SecondsText(-1), "0.0");  // a clock that went back reads as no time
}

TEST(RunStatusTest, SplitsWhereThePathBeginsEvenWhenThePathHoldsTheSeparator) {
  const std::string text = RunStatusText(Stats(2, 0, 3), 1, "/srv/a — b/links.html");
  const auto [summary, path] = SplitStatus(text);
  EXPECT_EQ(summary, "2 ページを書き出しました・3 リンク・1.0 秒 — ");
  EXPECT_EQ(path, "/srv/a — b/links.html");
  EXPECT_EQ(SplitStatus("no path").second, "");
}

TEST(WindowPlaceTest, AWindowIsVisibleWhenItsTopEdgeCanBeTakenOnOneScreen) {
  const std::vector<ScreenArea> screens = {{0, 0, 1920, 1040}, {1920, -200, 1280, 1024}};
  struct Case {
    const char* name;
    WindowPlace place;
    bool visible;
  };
  const Case cases[] = {
      {"inside the first", {100, 100, 480, 565}, true},
      {"on the second, above the first's top", {2000, -150, 480, 565}, true},
      {"across both", {1820, 300, 480, 565}, true},
      {"100 pixels on the second", {3100, 300, 480, 565}, true},
      {"99 pixels on the second", {3101, 300, 480, 565}, false},
      {"top edge above every screen", {100, -30, 480, 565}, false},
      {"top edge below the first's bottom", {100, 1017, 480, 565}, false},
      {"top edge just fits", {100, 1016, 480, 565}, true},
      {"left of every screen", {-2000, 100, 480, 565}, false},
      {"a monitor since removed", {4000, 100, 480, 565}, false},
      {"far out of range", {2147483000, 2147483000, 480, 565}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceVisible(c.place, screens), c.visible) << c.name;
  }
  EXPECT_FALSE(PlaceVisible({100, 100, 480, 565}, {}));
}

TEST(WindowPlaceTest, StartUpRestoresOnlyAPlaceThatCanBeSeen) {
  const std::vector<ScreenArea> screens = {{0, 0, 1366, 728}};
  EXPECT_EQ(PlaceToRestore(WindowPlace{}, screens), std::nullopt);  // the laid-out place
  EXPECT_EQ(PlaceToRestore({40, 30, 700, 600}, screens), (WindowPlace{40, 30, 700, 600}));
  // No smaller than laid out, no larger than the screen.
  EXPECT_EQ(PlaceToRestore({40, 30, 100, 100}, screens), (WindowPlace{40, 30, 480, 565}));
  EXPECT_EQ(PlaceToRestore({0, 0, 90000, 90000}, screens), (WindowPlace{0, 0, 1366, 728}));
  EXPECT_EQ(PlaceToRestore({1500, 30, 700, 600}, screens), std::nullopt);
}

TEST(AboutVersionTest, TheBuildDateInTheEraCalendar) {
  struct Case {
    BuildDate date;
    std::u16string expected;
  };
  const Case cases[] = {
      {{2026, 12, 8}, u"令和8年12月8日（火）"},  {{2019, 5, 1}, u"令和元年5月1日（水）"},
      {{2019, 4, 30}, u"平成31年4月30日（火）"}, {{2005, 6, 15}, u"平成17年6月15日（水）"},
      {{1989, 1, 8}, u"平成元年1月8日（日）"},   {{1989, 1, 7}, u"昭和64年1月7日（土）"},
      {{2020, 2, 29}, u"令和2年2月29日（土）"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8Of(JapaneseDate(c.date)), Utf8Of(c.expected)) << c.date.year;
  }
  EXPECT_EQ(Utf8Of(AboutVersionLine("1.0.2", {2026, 12, 8})),
            "★ﾊﾞｰｼﾞｮﾝ 1.0.2 【令和8年12月8日（火）】");
  // This build's line carries the project's version.
  EXPECT_NE(Utf8Of(AboutVersionLine()).find(std::string(" ") + kProgramVersion + " 【"),
            std::string::npos);
}

TEST(WindowTextTest, FormatsAndConvertsEveryCharacter) {
  EXPECT_EQ(Substitute("%s と %s", {"a", "b"}), "a と b");
  EXPECT_EQ(Substitute("%s と %s", {"a"}), "a と %s");
  EXPECT_EQ(Substitute("100%", {"a"}), "100%");
  const std::string text = "表示 \xF0\x9F\x98\x80 é";
  EXPECT_EQ(Utf8Of(Utf16Of(text)), text);
  EXPECT_EQ(Utf16Of("\xF0\x9F\x98\x80"), u"\U0001F600");
}

}  // namespace
}  // namespace favpage::ui

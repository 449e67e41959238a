#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace favpage::cli {
namespace {

TEST(CliOptions, ReadsEveryOptionInBothForms) {
  const CliOptions options =
      ParseCliArguments({"--favorites", "/f", "--out=o.html", "--type", "tree", "--style=2",
                         "--blank", "--return-caption", "Home", "--return-url", "../", "--title",
                         "A", "--title=B", "--settings", "s.ini", "--quiet"});
  EXPECT_EQ(options.favorites, "/f");
  EXPECT_EQ(options.out, "o.html");
  EXPECT_EQ(options.outType, 1);
  EXPECT_EQ(options.styleType, 3);  // the third sheet is StyleType 3
  EXPECT_EQ(options.blank, true);
  EXPECT_EQ(options.returnLink, true);
  EXPECT_EQ(options.returnCaption, "Home");
  EXPECT_EQ(options.returnUrl, "../");
  EXPECT_EQ(options.titles, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(options.settingsFile, "s.ini");
  EXPECT_TRUE(options.quiet);
}

TEST(CliOptions, LeavesUnnamedSettingsUnset) {
  const CliOptions options = ParseCliArguments({});
  EXPECT_FALSE(options.out || options.outType || options.styleType || options.blank ||
               options.returnLink || options.favorites || options.titleFile);
  EXPECT_TRUE(options.titles.empty());
  EXPECT_FALSE(options.keepScriptLinks);
}

TEST(CliOptions, KeepScriptLinksIsAFlag) {
  EXPECT_TRUE(ParseCliArguments({"--keep-script-links"}).keepScriptLinks);
  EXPECT_THROW(ParseCliArguments({"--keep-script-links=1"}), UsageError);
  EXPECT_NE(UsageText().find("[--keep-script-links]"), std::string::npos);
  EXPECT_NE(UsageText().find("\n  --keep-script-links    "), std::string::npos);
}

TEST(CliOptions, StyleNamesMapToStyleTypes) {
  EXPECT_EQ(ParseCliArguments({"--style", "none"}).styleType, 0);
  EXPECT_EQ(ParseCliArguments({"--style", "0"}).styleType, 1);
  EXPECT_EQ(ParseCliArguments({"--type", "single"}).outType, 0);
  EXPECT_EQ(ParseCliArguments({"--no-blank"}).blank, false);
  EXPECT_EQ(ParseCliArguments({"--no-return"}).returnLink, false);
}

TEST(CliOptions, RefusesWhatItCannotUnderstand) {
  const std::vector<std::vector<std::string>> bad = {
      {"--bogus"},
      {"links.html"},
      {"--out"},
      {"--type", "pages"},
      {"--style", "3"},
      {"--no-return", "--return-url", "x"},
      {"--quiet=yes"},
      {"--return-caption", "a\nb"},
      {"--return-url=x\r\n"},
  };
  for (const auto& args : bad) {
    EXPECT_THROW(ParseCliArguments(args), UsageError) << args.front();
  }
}

TEST(CliOptions, LineBreaksSplitATitleIntoLines) {
  const struct {
    std::string title;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {""}},
      {"One", {"One"}},
      {"A\r\nB", {"A", "B"}},
      {"A\nB\rC", {"A", "B", "C"}},
      {"A\n\rB", {"A", "", "B"}},
      {"A\r\n", {"A", ""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseCliArguments({"--title", c.title}).titles, c.lines) << c.title;
  }
}

}  // namespace
}  // namespace favpage::cli

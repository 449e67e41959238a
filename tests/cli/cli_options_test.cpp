#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <set>

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
  EXPECT_NE(HelpText(msg::Language::kEnglish).find("--keep-script-links"), std::string::npos);
}

TEST(CliOptions, FormatNamesTheMarkup) {
  EXPECT_FALSE(ParseCliArguments({}).format);
  EXPECT_EQ(ParseCliArguments({"--format", "classic"}).format, 0);
  EXPECT_EQ(ParseCliArguments({"--format=html5"}).format, 1);
  EXPECT_THROW(ParseCliArguments({"--format", "HTML5"}), UsageError);
  EXPECT_THROW(ParseCliArguments({"--format"}), UsageError);
  EXPECT_NE(HelpText(msg::Language::kEnglish).find("--format classic|html5"), std::string::npos);
}

TEST(CliOptions, StyleNamesMapToStyleTypes) {
  EXPECT_EQ(ParseCliArguments({"--style", "none"}).styleType, 0);
  EXPECT_EQ(ParseCliArguments({"--style", "0"}).styleType, 1);
  EXPECT_EQ(ParseCliArguments({"--type", "single"}).outType, 0);
  EXPECT_EQ(ParseCliArguments({"--no-blank"}).blank, false);
  EXPECT_EQ(ParseCliArguments({"--no-return"}).returnLink, false);
}

// Each mistake is one text of the table, with what was typed in it.
TEST(CliOptions, RefusesWhatItCannotUnderstand) {
  const struct {
    std::vector<std::string> args;
    const char* text;
    std::vector<std::string> values;
  } cases[] = {
      {{"--bogus"}, msg::kUnknownOptionFormat, {"--bogus"}},
      {{"--bogus=1"}, msg::kUnknownOptionFormat, {"--bogus"}},
      {{"--ou", "x"}, msg::kUnknownOptionFormat, {"--ou"}},  // no abbreviations
      {{"-x"}, msg::kUnknownOptionFormat, {"-x"}},
      {{"-qx"}, msg::kUnknownOptionFormat, {"-x"}},
      {{"-\xC3\xA9"}, msg::kUnknownOptionFormat, {"-\xC3\xA9"}},  // "-é", named whole
      {{"links.html"}, msg::kUnexpectedArgumentFormat, {"links.html"}},
      {{"-"}, msg::kUnexpectedArgumentFormat, {"-"}},
      {{"--", "-q"}, msg::kUnexpectedArgumentFormat, {"-q"}},
      {{"--out"}, msg::kNeedsValueFormat, {"--out"}},
      {{"-o"}, msg::kNeedsValueFormat, {"-o"}},
      {{"-qo"}, msg::kNeedsValueFormat, {"-o"}},
      {{"--quiet=yes"}, msg::kTakesNoValueFormat, {"--quiet"}},
      {{"--help="}, msg::kTakesNoValueFormat, {"--help"}},
      {{"--type", "pages"}, msg::kChoiceFormat, {"--type", "single|tree", "pages"}},
      {{"--style=3"}, msg::kChoiceFormat, {"--style", "none|0|1|2", "3"}},
      {{"--charset", "UTF-8"}, msg::kChoiceFormat, {"--charset", "shift_jis|utf-8", "UTF-8"}},
      {{"--return-caption", "a\nb"}, msg::kNoLineBreakFormat, {"--return-caption"}},
      {{"--return-url=x\r\n"}, msg::kNoLineBreakFormat, {"--return-url"}},
      {{"--no-return", "--return-url", "x"}, msg::kNoReturnConflict, {}},
      {{"--favorites", "f", "--source", "chrome"}, msg::kFavoritesOrSource, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    try {
      ParseCliArguments(c.args);
      ADD_FAILURE() << "accepted";
    } catch (const UsageError& error) {
      EXPECT_EQ(error.text(), c.text) << error.what();
      EXPECT_EQ(error.values(), c.values);
    }
  }
}

// Short options, long options with "=" or a separate value, and groups of short options
// read the same.
TEST(CliOptions, ShortLongAndEqualsFormsAgree) {
  const struct {
    std::vector<std::string> args;
    std::string out;
    bool quiet;
    bool verbose;
  } cases[] = {
      {{"-o", "a.html"}, "a.html", false, false},
      {{"-oa.html"}, "a.html", false, false},
      {{"--out", "a.html"}, "a.html", false, false},
      {{"--out=a.html"}, "a.html", false, false},
      {{"--out=a=b.html"}, "a=b.html", false, false},  // the first "=" ends the name
      {{"--out="}, "", false, false},                  // an empty value, for the run to refuse
      {{"-o", "-q"}, "-q", false, false},              // a value may start with "-"
      {{"-qo", "a.html"}, "a.html", true, false},
      {{"-vqoa.html"}, "a.html", true, false},  // the last of -q and -v counts
      {{"-qv", "-o", "a.html"}, "a.html", false, true},
      {{"--verbose", "--quiet", "--out", "a.html"}, "a.html", true, false},
      {{"-o", "a.html", "--"}, "a.html", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CliOptions options = ParseCliArguments(c.args);
    EXPECT_EQ(options.out, c.out);
    EXPECT_EQ(options.quiet, c.quiet);
    EXPECT_EQ(options.verbose, c.verbose);
  }
  EXPECT_TRUE(ParseCliArguments({"-h"}).help);
  EXPECT_TRUE(ParseCliArguments({"-V"}).version);
  EXPECT_FALSE(ParseCliArguments({"-V"}).help);
}

// What the help, the man page and the completion rely on: every option has a long name
// and a line of help, a letter names one option only, and choices are shown as they are
// taken.
TEST(CliOptions, TheOptionTableIsWhole) {
  std::set<std::string> names;
  std::set<char> letters;
  for (const OptionSpec& spec : Options()) {
    SCOPED_TRACE(std::string(spec.name));
    EXPECT_EQ(spec.name.substr(0, 2), "--");
    EXPECT_TRUE(names.insert(std::string(spec.name)).second);
    if (spec.letter != '\0') {
      EXPECT_TRUE(letters.insert(spec.letter).second);
    }
    EXPECT_NE(spec.help, nullptr);
    EXPECT_NE(msg::In(msg::Language::kEnglish, spec.help), spec.help) << "not a row of the table";
    EXPECT_TRUE(spec.choices.empty() || !spec.value.empty());
  }
  EXPECT_EQ(letters, (std::set<char>{'h', 'V', 'o', 'q', 'v'}));
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

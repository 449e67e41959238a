// The help in both languages: within 80 columns, every option of the table in it, and the
// line breaking it is laid out with.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_options.h"

namespace favpage::cli {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliHelp, FitsEightyColumnsAndListsEveryOptionInBothLanguages) {
  for (const msg::Language language : {msg::Language::kEnglish, msg::Language::kJapanese}) {
    SCOPED_TRACE(language == msg::Language::kEnglish ? "English" : "Japanese");
    const std::string help = HelpText(language);
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help.back(), '\n');
    for (const std::string& line : Lines(help)) {
      EXPECT_LE(DisplayWidth(line), kHelpWidth) << line;
      EXPECT_TRUE(line.empty() || line.back() != ' ') << "trailing blank: " << line;
    }
    for (const OptionSpec& spec : Options()) {
      EXPECT_NE(help.find(std::string(spec.name)), std::string::npos) << spec.name;
      if (spec.letter != '\0') {
        EXPECT_NE(help.find(std::string("-") + spec.letter + ", " + std::string(spec.name)),
                  std::string::npos);
      }
    }
  }
  EXPECT_EQ(HelpText(msg::Language::kEnglish).rfind("usage: favpage-cli ", 0), 0u);
  EXPECT_EQ(HelpText(msg::Language::kJapanese).rfind("使い方: favpage-cli ", 0), 0u);
  EXPECT_NE(HelpText(msg::Language::kEnglish).find("--type single|tree"), std::string::npos);
}

TEST(CliHelp, DisplayWidthCountsWideCharactersTwice) {
  const struct {
    const char* text;
    int width;
  } cases[] = {
      {"", 0},     {"abc", 3},  {"ページ", 6}, {"ﾌｧｲﾙ", 4},  // halfwidth katakana
      {"、。", 4}, {"ＡＢ", 4}, {"é", 1},      {"😀", 2},    {"a (既定)", 8},
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
}

TEST(CliHelp, WrapTextBreaksAtBlanksAndBesideWideCharacters) {
  const struct {
    const char* text;
    int columns;
    std::vector<std::string> lines;
  } cases[] = {
      {"", 10, {""}},
      {"one two three", 20, {"one two three"}},
      {"one two three", 7, {"one two", "three"}},
      {"one two three", 8, {"one two", "three"}},
      {"one  two", 4, {"one", "two"}},
      {"abcdefghij klm", 5, {"abcdefghij", "klm"}},  // a word wider than the line
      {"あいうえお", 6, {"あいう", "えお"}},
      // No line starts with "、" or "。": the character before goes down with it.
      {"あいう、えお", 6, {"あい", "う、え", "お"}},
      {"あいうえ。", 10, {"あいうえ。"}},
      {"あいうえ。", 9, {"あいう", "え。"}},
      {"あいうえ。", 7, {"あいう", "え。"}},
      // No line ends with an opening bracket.
      {"あい「うえ」", 6, {"あい", "「う", "え」"}},
      {"ab あいう", 6, {"ab あ", "いう"}},
      {"(既定: x)", 6, {"(既定:", "x)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.columns));
    EXPECT_EQ(WrapText(c.text, c.columns), c.lines);
  }
}

}  // namespace
}  // namespace favpage::cli

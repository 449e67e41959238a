// The table of the system's texts in both languages, and how a message of the core finds
// its row again.
#include "base/messages.h"

#include <gtest/gtest.h>

#include <set>

#include "base/io_error.h"
#include "platform/codepage.h"
#include "support/test_support.h"

namespace favpage::msg {
namespace {

using test::Sjis;

// The placeholders of a text, in order ("sd" for "%s ... %d").
std::string Placeholders(std::string_view text) {
  std::string kinds;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && (text[i + 1] == 's' || text[i + 1] == 'd')) kinds += text[++i];
  }
  return kinds;
}

// Every row can be translated both ways: the Japanese is code page 932 throughout, the
// English is ASCII, both take the same values in the same order, and no two rows share
// their Japanese (which is how a message finds its row).
TEST(MessageTable, EveryRowHoldsBothLanguagesAlike) {
  std::set<std::string> japanese;
  for (const TextRow& row : kTextTable) {
    SCOPED_TRACE(row.english);
    const std::string utf8 = platform::SjisToUtf8(row.japanese);
    EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << "not code page 932";
    EXPECT_FALSE(std::string_view(row.english).empty());
    for (const char c : std::string_view(row.english)) {
      EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
      EXPECT_NE(c, '\n');
    }
    EXPECT_EQ(Placeholders(row.japanese), Placeholders(row.english));
    EXPECT_TRUE(japanese.insert(row.japanese).second) << "Japanese used twice";
  }
}

TEST(MessageTable, TheConstantsAreTheTablesRows) {
  EXPECT_EQ(In(Language::kEnglish, kFileNotFound), "file not found");
  EXPECT_EQ(In(Language::kJapanese, kFileNotFound), kFileNotFound);
  EXPECT_EQ(In(Language::kEnglish, kNotBookmarksFile), "not a bookmarks file");
  EXPECT_EQ(std::string(kNotBookmarksFile), Sjis("ブックマークファイルではありません"));
  // The same bytes as a copy find the row too; a text of no row is given back.
  EXPECT_EQ(In(Language::kEnglish, std::string(kAccessDenied)), "access denied");
  EXPECT_EQ(In(Language::kEnglish, "no such row"), "no such row");
}

TEST(MessageTable, MatchFormatFindsTheValues) {
  const struct {
    std::string format;
    std::string message;
    bool matches;
    std::vector<std::string> values;
  } cases[] = {
      {"%s to %s", "a to b", true, {"a", "b"}},
      {"%s to %s", "a to b to c", true, {"a", "b to c"}},  // the leftmost-shortest values
      {"(%d)", "(32)", true, {"32"}},
      {"(%d)", "(-1)", true, {"-1"}},
      {"(%d)", "(x)", false, {}},
      {"(%d)", "()", false, {}},
      {"%s!", "!", true, {""}},
      {"abc", "abc", true, {}},
      {"abc", "abcd", false, {}},
      {"abc", "ab", false, {}},
      {"%s", "", true, {""}},
      // Shift_JIS: "ソ" is 0x83 0x5C, whose second byte is "\"; a value never ends inside it.
      {"%s\\", Sjis("ソ"), false, {}},
      {"%s\\", Sjis("ソ") + "\\", true, {Sjis("ソ")}},
      {Sjis("%s に書き込めません"),
       Sjis("C:\\設定.INI に書き込めません"),
       true,
       {Sjis("C:\\設定.INI")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format + " | " + c.message);
    std::vector<std::string> values{"stale"};
    EXPECT_EQ(MatchFormat(c.format, c.message, values), c.matches);
    EXPECT_EQ(values, c.values);
  }
}

TEST(MessageTable, TranslateGivesACoreMessageInTheRunsLanguage) {
  const struct {
    std::string message;
    std::string english;
  } cases[] = {
      {IoErrorMessage(2), "file not found"},
      {IoErrorMessage(5), "access denied"},
      {IoErrorMessage(32), "I/O error (32)"},
      {IoErrorMessage(-7), "I/O error (-7)"},
      {kCannotCreateFolder, "cannot create the folder"},
      {kNoOutputName, "no output file given (--out FILE)"},
      {FormatText(kCannotWriteFormat, "C:\\a b\\favpage.INI"), "cannot write C:\\a b\\favpage.INI"},
      {FormatText(kCannotCreateFileFormat, "/x/favpage.tit", Sjis("理由")),
       "cannot create file \"/x/favpage.tit\": " + Sjis("理由")},
      {FormatText(kNoBrowserBookmarksFormat, "vivaldi"),
       "no bookmarks of vivaldi found for this user"},
      // Both browser rows fit this one; the one that pins more of it down is meant.
      {FormatText(kNoProfileBookmarksFormat, "chrome", "Work"),
       "no bookmarks of chrome profile 'Work' found for this user"},
      // A text of no row stays as it is.
      {Sjis("ホストの言葉"), Sjis("ホストの言葉")},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.english);
    EXPECT_EQ(Translate(c.message, Language::kEnglish), c.english);
    EXPECT_EQ(Translate(c.message, Language::kJapanese), c.message);
  }
}

std::string Bracketed(std::string_view piece) { return "[" + std::string(piece) + "]"; }

TEST(MessageTable, FillFormatPutsTheValuesBetweenThePieces) {
  const std::vector<std::string> two = {"A", "B"};
  EXPECT_EQ(FillFormat("%s and %s.", two), "A and B.");
  EXPECT_EQ(FillFormat("%s and %s and %s", two), "A and B and ");
  EXPECT_EQ(FillFormat("(%d%%)", two), "(A%%)");  // only %s and %d are placeholders
  EXPECT_EQ(FillFormat("x%sy%sz", two, Bracketed), "[x]A[y]B[z]");
  // A lead byte takes the byte after it, a "%" too, as every Shift_JIS rule of the core does.
  EXPECT_EQ(FillFormat("\x83%s", two), "\x83%s");
  EXPECT_EQ(FillFormat(Sjis("ソ") + "%s", two, Bracketed), "[" + Sjis("ソ") + "]A[]");
}

}  // namespace
}  // namespace favpage::msg

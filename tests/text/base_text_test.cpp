// The byte rules of base/ every layer shares: one step of UTF-8 decoding, which each of the
// program's UTF-8 decoders takes, and the cut of a Shift_JIS text at a character boundary.
#include <gtest/gtest.h>

#include <string>

#include "base/sjis.h"
#include "base/utf8.h"
#include "support/test_support.h"

namespace favpage {
namespace {

TEST(Utf8StepTest, CodePointLengthAndValidity) {
  struct Row {
    const char* name;
    std::string bytes;
    char32_t codePoint;
    std::size_t length;
    bool valid;
  };
  const Row rows[] = {
      {"ASCII", "A", U'A', 1, true},
      {"two bytes", "\xC3\xA4", U'ä', 2, true},
      {"three bytes", "\xE3\x81\x82", U'あ', 3, true},
      {"four bytes", "\xF0\x9F\x98\x80", U'😀', 4, true},
      {"highest", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true},
      {"stray continuation", "\x80", 0, 1, false},
      {"overlong two-byte lead", "\xC0\xAF", 0, 1, false},
      {"no lead past F4", "\xF5\x80\x80\x80", 0, 1, false},
      {"next byte no continuation", "\xE3\x41\x82", 0, 1, false},
      {"third byte no continuation", "\xE3\x81\x41", 0, 1, false},
      {"cut at the end", "\xE3\x81", 0, 2, false},
      {"lead alone at the end", "\xF0", 0, 1, false},
      {"overlong three bytes", "\xE0\x80\x80", 0, 3, false},
      {"surrogate", "\xED\xA0\x80", 0, 3, false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", 0, 4, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Utf8Step step = DecodeUtf8Step(row.bytes + "tail", 0);
    const Utf8Step alone = DecodeUtf8Step(row.bytes, 0);
    // What follows the sequence never changes its step, except that of a cut one.
    EXPECT_EQ(alone.codePoint, row.codePoint);
    EXPECT_EQ(alone.length, row.length);
    EXPECT_EQ(alone.valid, row.valid);
    if (row.length == row.bytes.size() || !row.valid) continue;
    EXPECT_EQ(step.length, row.length);
  }
  // A step from the middle of a text.
  const Utf8Step middle = DecodeUtf8Step("a\xE3\x81\x82z", 1);
  EXPECT_EQ(middle.codePoint, U'あ');
  EXPECT_EQ(middle.length, 3u);
}

TEST(Utf8StepTest, DecoderTurnsEachBadByteIntoItsOwnCodePoint) {
  EXPECT_EQ(Utf8ToCodePoints("a\xE3\x81\x82"), std::u32string(U"aあ"));
  // A sequence cut at the end is its bytes, one by one.
  EXPECT_EQ(Utf8ToCodePoints("\xE3\x81"),
            (std::u32string{kUtf8ByteBase + 0xE3, kUtf8ByteBase + 0x81}));
  EXPECT_EQ(
      Utf8ToCodePoints("\xE0\x80\x80z"),
      (std::u32string{kUtf8ByteBase + 0xE0, kUtf8ByteBase + 0x80, kUtf8ByteBase + 0x80, U'z'}));
}

TEST(CutAtCharacterTest, NeverSplitsADoubleByteCharacter) {
  const std::string kana = test::Sjis("あいう");  // three double-byte characters
  struct Row {
    std::string text;
    std::size_t limit;
    std::string expected;
  };
  const Row rows[] = {
      {"abc", 5, "abc"},
      {"abcdef", 4, "abcd"},
      {"", 0, ""},
      {kana, 6, kana},
      {kana, 5, kana.substr(0, 4)},  // the third character would straddle the limit
      {kana, 4, kana.substr(0, 4)},
      {kana, 1, ""},
      {"a" + kana, 4, "a" + kana.substr(0, 2)},
      {"ab\x82\xA0", 3, "ab"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(std::string(CutAtCharacter(row.text, row.limit)), row.expected)
        << row.text.size() << " bytes, limit " << row.limit;
  }
}

// Letters compare without regard to case only where they are characters of their own:
// the second byte of a double-byte character is compared as it is, in either text.
TEST(SameTextAsciiTest, OnlySingleByteLettersIgnoreCase) {
  struct Case {
    std::string a, b;
    bool same;
  };
  // clang-format off
  const Case cases[] = {
      {"",                 "",                 true},
      {"InternetShortcut", "INTERNETSHORTCUT", true},
      {"url",              "URL",              true},
      {"url",              "URLs",             false},
      {"ur1",              "URL",              false},
      {"\x82\x61",         "\x82\x61",         true},   // "a" as a second byte
      {"\x82\x61",         "\x82\x41",         false},  // not raised there
      {"a\x82\x61" "b",       "A\x82\x61" "B",       true},
      {"\x82\x61" "a",        "\x82\x41" "A",        false},
      {"x\x82",            "X\x82",            true},   // a lead byte at the end stands alone
      {"\x82" "a",            "\x82" "A",            false},  // "a" is the second byte
      {"a\x82",            "A\x82",            true},
      {"\x5C" "a",            "\x5C" "A",            true},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(SameTextAscii(c.a, c.b), c.same) << c.a << " / " << c.b;
    EXPECT_EQ(SameTextAscii(c.b, c.a), c.same) << c.b << " / " << c.a;
    // The same answer as comparing the raised copies.
    EXPECT_EQ(SameTextAscii(c.a, c.b), UpperAscii(c.a) == UpperAscii(c.b)) << c.a;
  }
}

}  // namespace
}  // namespace favpage

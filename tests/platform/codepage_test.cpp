#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace favpage::platform {
namespace {

struct Known {
  const char* utf8;
  std::string sjis;
};

// Characters whose code page 932 bytes the rest of the system depends on: second bytes
// 0x5C that must never be taken for "\", half-width katakana, NEC and IBM extensions.
const Known kKnown[] = {
    {"abc\\~", "abc\\~"},         {"ソフト", "\x83\x5C\x83\x74\x83\x67"},
    {"表示", "\x95\x5C\x8E\xA6"}, {"ｱｲｳ", "\xB1\xB2\xB3"},
    {"①Ⅰ", "\x87\x40\x87\x54"},   {"ⅰ", "\xFA\x40"},
    {"～", "\x81\x60"},           {"", ""},
};

TEST(CodepageTest, KnownCharactersConvertBothWays) {
  for (const Known& known : kKnown) {
    SCOPED_TRACE(known.utf8);
    EXPECT_EQ(Utf8ToSjis(known.utf8), known.sjis);
    EXPECT_EQ(SjisToUtf8(known.sjis), known.utf8);
  }
}

TEST(CodepageTest, LongTextsRoundTrip) {
  std::string utf8;
  for (int i = 0; i < 20000; ++i) utf8 += i % 7 == 0 ? "a" : "表";
  EXPECT_EQ(SjisToUtf8(Utf8ToSjis(utf8)), utf8);
  EXPECT_EQ(Utf8ToSjis(utf8).size(), 20000u * 2 - (20000u / 7 + 1));
}

TEST(CodepageTest, CharacterCp932CannotHoldBecomesQuestionMark) {
  const struct {
    const char* utf8;
    const char* sjis;
  } cases[] = {
      {"é", "?"},
      {"caf\xC3\xA9.url", "caf?.url"},
      {"a😀b", "a?b"},  // four bytes, one character, one "?"
      {"€ソ€", "?\x83\x5C?"},
      {"a\xFF"
       "b",
       "a?b"},              // not UTF-8
      {"a\xE3\x81", "a?"},  // a character cut at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToSjis(c.utf8), c.sjis);
  }
}

TEST(CodepageTest, BytesThatAreNotCp932BecomeReplacementCharacters) {
  const struct {
    std::string sjis;
    const char* utf8;
  } cases[] = {
      {"\x80", "\xEF\xBF\xBD"},
      // Windows maps these single bytes to U+0080 and private-use characters; every host
      // refuses them alike.
      {"\xA0\xFE\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"a\xFD"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
      {"\x85\x40"
       "x",
       "\xEF\xBF\xBDx"},           // an unassigned double-byte code: one character
      {"a\x83", "a\xEF\xBF\xBD"},  // a lead byte cut at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(SjisToUtf8(c.sjis), c.utf8);
  }
}

TEST(CodepageTest, Utf16LittleEndianToSjis) {
  using namespace std::string_literals;
  EXPECT_EQ(Utf16LeToSjis("A\0\xBD\x30"s), "A\x83\x5C");  // "Aソ"
  EXPECT_EQ(Utf16LeToSjis("\x3D\xD8\x00\xDE"
                          "B\0"s),
            "?B");  // a surrogate pair
  EXPECT_EQ(Utf16LeToSjis("\x00\xDC"
                          "C\0"s),
            "?C");                             // a lone low surrogate
  EXPECT_EQ(Utf16LeToSjis("D\0\x41"s), "D?");  // an odd last byte
  EXPECT_EQ(Utf16LeToSjis(""), "");
}

}  // namespace
}  // namespace favpage::platform

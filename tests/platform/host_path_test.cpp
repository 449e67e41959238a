#include "platform/host_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "support/test_support.h"

namespace favpage::platform {
namespace {

using test::Sjis;

#ifndef _WIN32
TEST(HostPathTest, TranslatesBothWays) {
  const struct {
    std::string internal;
    const char* host;
  } cases[] = {
      {"\\home\\me\\Favorites", "/home/me/Favorites"},
      {"\\", "/"},
      {"links.html", "links.html"},
      {"..\\up\\", "../up/"},
      {Sjis("\\tmp\\ソフト\\表示\\予定.url"), "/tmp/ソフト/表示/予定.url"},
      {Sjis("\\ソ\\表"), "/ソ/表"},
      {Sjis("\\ｿﾌﾄ\\a"), "/ｿﾌﾄ/a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(ToHostPath(c.internal), c.host);
    EXPECT_EQ(FromHostPath(c.host), c.internal);
  }
}

// Paths of one folder after another, in any order: the folder's part converted for an
// earlier path never stands in for another folder's.
TEST(HostPathTest, PathsOfOneFolderAfterAnotherEachTranslateAlone) {
  const struct {
    std::string internal;
    const char* host;
  } cases[] = {
      {Sjis("\\tmp\\ソフト\\a.url"), "/tmp/ソフト/a.url"},
      {Sjis("\\tmp\\ソフト\\b.url"), "/tmp/ソフト/b.url"},
      {Sjis("\\tmp\\ソフト\\表\\c.url"), "/tmp/ソフト/表/c.url"},
      {Sjis("\\tmp\\ソ\\d.url"), "/tmp/ソ/d.url"},  // "ソ" ends in 0x5C: no delimiter
      {Sjis("\\tmp\\ソ"), "/tmp/ソ"},
      {"\\tmp\\caf&#xE9;\\a&#x3A;b.url", "/tmp/caf\xC3\xA9/a:b.url"},
      {"\\tmp\\caf&#xE9;\\", "/tmp/caf\xC3\xA9/"},
      {"\\tmp\\a&#x5C;b\\x", "/tmp/a\\b/x"},
      {"\\tmp\\a", "/tmp/a"},
      {"plain.url", "plain.url"},
  };
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t n = 0; n < std::size(cases); ++n) {
      const auto& c = cases[pass == 0 ? n : std::size(cases) - 1 - n];
      EXPECT_EQ(ToHostPath(c.internal), c.host) << c.host;
    }
  }
}

TEST(HostPathTest, SecondByte5CIsNeverADelimiter) {
  // "ソ" is 0x83 0x5C and "表" 0x95 0x5C: a byte-wise replacement would split them.
  const std::string internal = "\\\x83\x5C\\\x95\x5C";
  EXPECT_EQ(ToHostPath(internal), "/ソ/表");
  EXPECT_EQ(ToHostPath("\x83\x5C"), "ソ");
}

// Host names the core's Shift_JIS cannot spell as they are keep their own identity as
// character references, so each name still leads back to its file.
TEST(HostPathTest, NamesShiftJisCannotSpellBecomeReferences) {
  const struct {
    std::string host;
    std::string internal;
  } cases[] = {
      {"/tmp/caf\xC3\xA9", "\\tmp\\caf&#xE9;"},
      {"😀.url", "&#x1F600;.url"},
      // CP932 writes these as the bytes of another character, which would name another file.
      {"波〜.url", Sjis("波") + "&#x301C;.url"},
      {"波～.url", Sjis("波～.url")},
      {"Foo — Bar", "Foo &#x2014; Bar"},
      {"−minus‖bars", "&#x2212;minus&#x2016;bars"},
      {"\xC2\xA5"
       "100",
       "&#xA5;100"},
      {"¬￢", "&#xAC;" + Sjis("￢")},
      {"ｿﾌﾄ①ⅰ", Sjis("ｿﾌﾄ①ⅰ")},
      // Delimiters and markup inside the core, line ends and controls inside a page line.
      {"/tmp/a\\b", "\\tmp\\a&#x5C;b"},
      {"a:b.url", "a&#x3A;b.url"},
      {"<i>\"q\"", "&#x3C;i&#x3E;&#x22;q&#x22;"},
      {"line\nfeed\tx\x7F\x01", "line&#xA;feed&#x9;x&#x7F;&#x1;"},
      // A literal "&#" must not read back as a reference.
      {"A&#x41;", "A&#x26;#x41;"},
      {"&&#", "&&#x26;#"},
      {"a&b#c;", "a&b#c;"},
      // Bytes that are no UTF-8 character, raw Shift_JIS among them.
      {"caf\xE9.url", "caf&#xDCE9;.url"},
      {"\x83\x5C", "&#xDC83;&#x5C;"},
      {"\xED\xA0\x80", "&#xDCED;&#xDCA0;&#xDC80;"},                // an encoded surrogate
      {"\xF4\x90\x80\x80", "&#xDCF4;&#xDC90;&#xDC80;&#xDC80;"},    // beyond U+10FFFF
      {"\xC0\xAFx\xE3\x81", "&#xDCC0;&#xDCAF;x&#xDCE3;&#xDC81;"},  // overlong, cut
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(FromHostPath(c.host), c.internal);
    EXPECT_EQ(ToHostPath(c.internal), c.host);
  }
}

TEST(HostPathTest, EveryHostByteStringComesBackUnchanged) {
  // Pieces that exercise the rules, mixed with arbitrary bytes.
  const std::vector<std::string> pieces = {
      "&",        "#",  "&#",           "&#x41;",   "x",  "/",
      "\\",       ":",  "\xC2\xA5",     "〜",       "～", "😀",
      "\x83\x5C", "表", "\xED\xA0\x80", "\xF4\x90", "\n", std::string(1, '\0')};
  std::mt19937 random(20240611);
  for (int round = 0; round < 5000; ++round) {
    std::string host;
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) {
      if (random() % 2 == 0) {
        host += pieces[random() % pieces.size()];
      } else {
        host += static_cast<char>(random() % 256);
      }
    }
    const std::string internal = FromHostPath(host);
    ASSERT_EQ(ToHostPath(internal), host) << "internal: " << internal;
  }
}

// Texts the mapping never writes are not read as references, so a stored path or a
// message keeps its meaning.
TEST(HostPathTest, OnlyTheMappingsOwnReferencesAreDecoded) {
  const struct {
    std::string internal;
    std::string host;
  } cases[] = {
      {"&#x041;&#x3a;&#65;&#x;&#x41", "&#x041;&#x3a;&#65;&#x;&#x41"},
      {"&#x110000;", "&#x110000;"},
      {"&#xD800;", "&#xD800;"},  // a lone surrogate no UTF-8 name holds
      {"&#x26;&#x41;", "&A"},
      {"C:\\web", "C:/web"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.internal);
    EXPECT_EQ(ToHostPath(c.internal), c.host);
  }
}

TEST(HostPathTest, HostTextShowsRealCharactersAndKeepsBackslashes) {
  EXPECT_EQ(ToHostText(Sjis("表示") + "\\&#x1F600;&#x3A; &#xDCE9;"), "表示\\😀: \xE9");
  EXPECT_EQ(ToHostText(DisplayPath("\\tmp\\a&#x5C;b")), "/tmp/a\\b");
  EXPECT_EQ(ToHostText("plain \\ text"), "plain \\ text");
}
#else
// On Windows the host's delimiter is the core's own, and the host's names are UTF-16 (in
// a byte string, UTF-8).
TEST(HostPathTest, TranslatesBothWays) {
  const struct {
    std::string internal;
    const char* host;
  } cases[] = {
      {"C:\\Users\\me\\Favorites", "C:\\Users\\me\\Favorites"},
      {"C:\\", "C:\\"},
      {"links.html", "links.html"},
      {"..\\up\\", "..\\up\\"},
      {Sjis("C:\\ソフト\\表示\\予定.url"), "C:\\ソフト\\表示\\予定.url"},
      {Sjis("\\\\server\\ｿﾌﾄ\\a"), "\\\\server\\ｿﾌﾄ\\a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(ToHostPath(c.internal), c.host);
    EXPECT_EQ(FromHostPath(c.host), c.internal);
    EXPECT_EQ(DisplayPath(c.internal), c.internal);
  }
  EXPECT_EQ(FromHostPath("C:/a/b"), "C:\\a\\b");
}

TEST(HostPathTest, SecondByte5CIsNeverADelimiter) {
  EXPECT_EQ(ToHostPath("\\\x83\x5C\\\x95\x5C"), "\\ソ\\表");
  EXPECT_EQ(FromHostPath("\\ソ\\表"), "\\\x83\x5C\\\x95\x5C");
}

// The same mapping as on POSIX, from UTF-16 names: a ":" is the drive's and stays.
TEST(HostPathTest, NamesShiftJisCannotSpellBecomeReferences) {
  const struct {
    std::string host;
    std::string internal;
  } cases[] = {
      {"C:\\caf\xC3\xA9", "C:\\caf&#xE9;"},
      {"C:\\\xC2\xA5"
       "100",
       "C:\\&#xA5;100"},  // the yen sign would be the byte of "\\" inside
      {"C:\\a😀b.url", "C:\\a&#x1F600;b.url"},
      {"C:\\波〜.url", "C:\\" + Sjis("波") + "&#x301C;.url"},
      {"C:\\波～.url", Sjis("C:\\波～.url")},
      {"C:\\A&#x41;", "C:\\A&#x26;#x41;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(FromHostPath(c.host), c.internal);
    EXPECT_EQ(ToHostPath(c.internal), c.host);
  }
  EXPECT_EQ(ToHostText("&#x1F600;&#x3A;"), "😀:");
}
#endif  // _WIN32

// A typed path, relative or absolute, with either delimiter the host reads: made absolute,
// normalized and without a closing delimiter, whatever its characters.
TEST(HostPathTest, UserTypedPathsBecomeAbsoluteInternalPaths) {
  test::TempDir dir;
  const std::u8string base = dir.host().u8string();
  const std::string host(base.begin(), base.end());
  const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
  const struct {
    std::string typed;
    std::string internal;
  } cases[] = {
      {host, dir.internal()},
      {host + sep, dir.internal()},
      {host + sep + "ソフト" + sep + "." + sep + "表示" + sep, dir.internal("ソフト\\表示")},
      {host + sep + "a" + sep + ".." + sep + "b.html", dir.internal("b.html")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    std::string internal;
    ASSERT_TRUE(AbsoluteUserPath(c.typed, internal));
    EXPECT_EQ(internal, c.internal);
  }
  std::string root;
  ASSERT_TRUE(AbsoluteUserPath(sep, root));
  EXPECT_EQ(root.back(), '\\');  // a root keeps its delimiter

  test::WriteBytes(dir.hostPath("表示.url"), "x");
  EXPECT_TRUE(UserPathIsFile(host + sep + "表示.url"));
  EXPECT_FALSE(UserPathIsFile(host));
  EXPECT_FALSE(UserPathIsFile(host + sep + "missing.url"));
}

}  // namespace
}  // namespace favpage::platform

#include "platform/host_path.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(HostPathTest, SecondByte5CIsNeverADelimiter) {
  // "ソ" is 0x83 0x5C and "表" 0x95 0x5C: a byte-wise replacement would split them.
  const std::string internal = "\\\x83\x5C\\\x95\x5C";
  EXPECT_EQ(ToHostPath(internal), "/ソ/表");
  EXPECT_EQ(ToHostPath("\x83\x5C"), "ソ");
}

TEST(HostPathTest, HostNameCharactersTheCoreCannotNameBecomeQuestionMarks) {
  EXPECT_EQ(FromHostPath("/tmp/caf\xC3\xA9"), "\\tmp\\caf?");
  // A backslash or yen sign in a host name would become a delimiter inside.
  EXPECT_EQ(FromHostPath("/tmp/a\\b"), "\\tmp\\a?b");
  EXPECT_EQ(FromHostPath("/tmp/\xC2\xA5"
                         "100"),
            "\\tmp\\?100");
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

TEST(HostPathTest, HostNameCharactersTheCoreCannotNameBecomeQuestionMarks) {
  const struct {
    const char* host;
    const char* internal;
  } cases[] = {
      {"C:\\caf\xC3\xA9", "C:\\caf?"},
      {"C:\\\xC2\xA5"
       "100",
       "C:\\?100"},  // the yen sign would be the byte of "\\" inside
      {"C:\\a😀b.url", "C:\\a?b.url"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(FromHostPath(c.host), c.internal);
  }
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

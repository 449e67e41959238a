#include "platform/dir_search.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include "platform/child_process.h"
#endif
#include "support/test_support.h"

namespace favpage::platform {
namespace {

using test::Sjis;
namespace fs = std::filesystem;

std::vector<FindData> Search(const std::string& pattern, std::uint32_t mask = 63) {
  std::vector<FindData> found;
  DirSearch search;
  FindData entry;
  if (!search.First(pattern, mask, entry)) return found;
  do {
    found.push_back(entry);
  } while (search.Next(entry));
  search.Close();
  return found;
}

std::vector<std::string> Names(const std::vector<FindData>& entries) {
  std::vector<std::string> names;
  for (const FindData& entry : entries) names.push_back(entry.name);
  return names;
}

std::uint32_t AttributesOf(const std::vector<FindData>& entries, const std::string& name) {
  for (const FindData& entry : entries) {
    if (entry.name == name) return entry.attributes;
  }
  ADD_FAILURE() << "no entry " << name;
  return 0;
}

TEST(DirSearchTest, DotEntriesFirstThenNtfsOrder) {
  test::TempDir dir;
  for (const char* name : {"b", "a.url", "_x", "Z", "表示", "あ", "ソフト", "ｱ", "Ab.url"}) {
    test::WriteBytes(dir.hostPath(name), "");
  }
  fs::create_directory(dir.hostPath("A"));
  // Upper-cased UTF-16 order: "_" (0x5F) stands after "Z"; kana and kanji after ASCII,
  // half-width katakana (U+FF71) last.
  const std::vector<std::string> expected = {
      ".", "..", "A",        "a.url",        "Ab.url",     "b",
      "Z", "_x", Sjis("あ"), Sjis("ソフト"), Sjis("表示"), Sjis("ｱ")};
  EXPECT_EQ(Names(Search(dir.internal() + "\\*.*")), expected);
}

// POSIX hosts only: names that differ only in case, attribute words made from modes, dot
// names, FIFOs and symbolic links. A Windows volume holds one of such names and gives its
// own attribute words.
#ifndef _WIN32
TEST(DirSearchTest, NamesDifferingOnlyInCaseKeepAStableOrder) {
  test::TempDir dir;
  for (const char* name : {"link.url", "LINK.URL", "Link.url"})
    test::WriteBytes(dir.hostPath(name), "");
  const std::vector<std::string> expected = {".", "..", "LINK.URL", "Link.url", "link.url"};
  EXPECT_EQ(Names(Search(dir.internal() + "\\*.*")), expected);
}

TEST(DirSearchTest, AttributeWords) {
  test::TempDir dir;
  fs::create_directory(dir.hostPath("folder"));
  fs::create_directory(dir.hostPath("locked folder"));
  fs::permissions(dir.hostPath("locked folder"), fs::perms::owner_read | fs::perms::owner_exec);
  fs::create_directory(dir.hostPath(".hidden folder"));
  test::WriteBytes(dir.hostPath("plain.url"), "");
  test::WriteBytes(dir.hostPath(".hidden.url"), "");
  test::WriteBytes(dir.hostPath("readonly.url"), "");
  fs::permissions(dir.hostPath("readonly.url"), fs::perms::owner_read | fs::perms::group_read);
  fs::create_directory_symlink(dir.hostPath("folder"), dir.hostPath("folder link"));
  fs::create_symlink(dir.hostPath("plain.url"), dir.hostPath("file link.url"));
  fs::create_symlink(dir.hostPath("nothing"), dir.hostPath("dangling"));
  fs::create_directory_symlink(dir.host(), dir.hostPath("folder").parent_path() / "loop");
  ASSERT_EQ(mkfifo(dir.hostPath("pipe.url").c_str(), 0666), 0);

  const std::vector<FindData> found = Search(dir.internal() + "\\*.*");
  const std::pair<const char*, std::uint32_t> expected[] = {
      {".", 0x10},
      {"..", 0x10},
      {"folder", 0x10},         // exactly the directory bit: the scan walks it
      {"locked folder", 0x10},  // a folder never carries read-only
      {".hidden folder", 0x12},
      {"plain.url", 0x20},
      {".hidden.url", 0x22},
      {"readonly.url", 0x21},
      {"folder link", 0x410},  // never walked
      {"loop", 0x410},
      {"file link.url", 0x420},
      {"dangling", 0x420},
      {"pipe.url", 0x04},
  };
  for (const auto& [name, attributes] : expected) {
    EXPECT_EQ(AttributesOf(found, name), attributes) << name;
  }
  EXPECT_EQ(found.size(), std::size(expected));
}

TEST(DirSearchTest, MaskPassesOverHiddenSystemAndFolderEntriesNotInIt) {
  test::TempDir dir;
  fs::create_directory(dir.hostPath("folder"));
  test::WriteBytes(dir.hostPath("plain.url"), "");
  test::WriteBytes(dir.hostPath(".hidden.url"), "");
  ASSERT_EQ(mkfifo(dir.hostPath("pipe").c_str(), 0666), 0);
  const std::string pattern = dir.internal() + "\\*.*";
  EXPECT_EQ(Names(Search(pattern, 0x21)), std::vector<std::string>{"plain.url"});
  EXPECT_EQ(Names(Search(pattern, 0x23)), (std::vector<std::string>{".hidden.url", "plain.url"}));
  EXPECT_EQ(Names(Search(pattern, 0x31)),
            (std::vector<std::string>{".", "..", "folder", "plain.url"}));
  EXPECT_EQ(Search(pattern, 63).size(), 6u);
}

#else
TEST(DirSearchTest, AttributeWordsAsTheVolumeStoresThem) {
  test::TempDir dir;
  fs::create_directory(dir.hostPath("folder"));
  test::WriteBytes(dir.hostPath("plain.url"), "");
  test::WriteBytes(dir.hostPath("hidden.url"), "");
  test::WriteBytes(dir.hostPath("readonly.url"), "");
  ASSERT_TRUE(SetFileAttributesW(dir.hostPath("hidden.url").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesW(dir.hostPath("readonly.url").c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string pattern = dir.internal() + "\\*.*";
  const std::vector<FindData> all = Search(pattern);
  EXPECT_EQ(AttributesOf(all, "folder") & 0x17, attr::kDirectory);
  EXPECT_EQ(AttributesOf(all, "hidden.url") & 0x17, attr::kHidden);
  EXPECT_EQ(AttributesOf(all, "readonly.url") & 0x17, attr::kReadOnly);
  EXPECT_EQ(AttributesOf(all, "plain.url") & 0x17, 0u);
  EXPECT_EQ(Names(Search(pattern, 0x21)), (std::vector<std::string>{"plain.url", "readonly.url"}));
  EXPECT_EQ(Names(Search(pattern, 0x23)),
            (std::vector<std::string>{"hidden.url", "plain.url", "readonly.url"}));
}
#endif  // _WIN32

TEST(DirSearchTest, NamePatterns) {
  test::TempDir dir;
  for (const char* name : {"a.url", "B.URL", "c.url.txt", "d.urlx", "noext", "表.Url"}) {
    test::WriteBytes(dir.hostPath(name), "");
  }
#ifndef _WIN32
  // Windows matches the pattern itself and may take "*.url" for "d.urlx" too, through
  // the short name it gives a longer extension (Wine does the same).
  EXPECT_EQ(Names(Search(dir.internal() + "\\*.url")),
            (std::vector<std::string>{"a.url", "B.URL", Sjis("表.Url")}));
#endif
  EXPECT_EQ(Names(Search(dir.internal() + "\\?.url*")),
            (std::vector<std::string>{"a.url", "B.URL", "c.url.txt", "d.urlx", Sjis("表.Url")}));
  EXPECT_EQ(Search(dir.internal() + "\\*").size(), 8u);
}

TEST(DirSearchTest, FoldersWithJapaneseNamesAndHostOnlyCharacters) {
  test::TempDir dir;
  test::WriteBytes(dir.hostPath("ソフト/表示/x.url"), "");
  test::WriteBytes(dir.hostPath("ソフト/表示/caf\xC3\xA9.url"), "");
#ifdef _WIN32
  const std::vector<std::string> expected = {".", "..", "caf&#xE9;.url", "x.url"};
#else
  // Written past the helpers, which take "\\" for a delimiter; no Windows name holds one.
  std::ofstream(dir.hostPath("ソフト/表示") / "back\\slash.url").put('x');
  const std::vector<std::string> expected = {".", "..", "back&#x5C;slash.url", "caf&#xE9;.url",
                                             "x.url"};
#endif
  EXPECT_EQ(Names(Search(dir.internal("ソフト\\表示") + "\\*.*")), expected);
}

#ifndef _WIN32

TEST(DirSearchTest, FolderThatCannotBeSearchedGivesNoEntry) {
  test::TempDir dir;
  test::WriteBytes(dir.hostPath("file"), "");
  DirSearch search;
  FindData entry;
  EXPECT_FALSE(search.First(dir.internal("missing") + "\\*.*", 63, entry));
  EXPECT_FALSE(search.First(dir.internal("file") + "\\*.*", 63, entry));
  EXPECT_FALSE(search.Next(entry));

  fs::create_directory(dir.hostPath("private"));
  fs::permissions(dir.hostPath("private"), fs::perms::owner_all);
  fs::permissions(dir.host(), fs::perms::all);
  const std::string pattern = dir.internal("private") + "\\*.*";
  const int result = test::RunAsNobody([&] {
    DirSearch child;
    FindData found;
    return child.First(pattern, 63, found) ? 1 : 0;
  });
  if (result == test::kChildCannotDropPrivileges) GTEST_SKIP() << "cannot become nobody";
  EXPECT_EQ(result, 0);
}

#endif  // _WIN32

TEST(DirSearchTest, EmptyFolderDeliversOnlyTheDotEntriesAndFirstStartsOver) {
  test::TempDir dir;
  DirSearch search;
  FindData entry;
  ASSERT_TRUE(search.First(dir.internal() + "\\*.*", 63, entry));
  EXPECT_EQ(entry.name, ".");
  ASSERT_TRUE(search.Next(entry));
  EXPECT_EQ(entry.name, "..");
  EXPECT_FALSE(search.Next(entry));
  ASSERT_TRUE(search.First(dir.internal() + "\\*.*", 63, entry));
  EXPECT_EQ(entry.name, ".");
}

}  // namespace
}  // namespace favpage::platform

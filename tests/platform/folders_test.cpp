#include "platform/folders.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#ifndef _WIN32
#include "platform/child_process.h"
#endif
#include "platform/host_path.h"
#include "support/test_support.h"

namespace favpage::platform {
namespace {

namespace fs = std::filesystem;

TEST(FoldersTest, DirectoryExistsAndCreateFolder) {
  test::TempDir dir;
  test::WriteBytes(dir.hostPath("file"), "");
  EXPECT_TRUE(DirectoryExists(dir.internal()));
  EXPECT_FALSE(DirectoryExists(dir.internal("file")));
  EXPECT_FALSE(DirectoryExists(dir.internal("missing")));
  EXPECT_FALSE(DirectoryExists(""));

  EXPECT_TRUE(CreateFolder(dir.internal("表示")));
  EXPECT_TRUE(fs::is_directory(dir.hostPath("表示")));
  EXPECT_TRUE(DirectoryExists(dir.internal("表示")));
  EXPECT_FALSE(CreateFolder(dir.internal("表示")));
  EXPECT_FALSE(CreateFolder(dir.internal("missing\\child")));
}

// The POSIX host's places: /proc, $HOME and the password database, and the texts of a
// Japanese Windows that it shows for the codes it reports.
#ifndef _WIN32
TEST(FoldersTest, CurrentDirectoryAndExecutableInTheCoresDialect) {
  EXPECT_EQ(CurrentDirectory(), FromHostPath(fs::current_path().string()));
  const std::string exe = ExecutablePath();
  EXPECT_EQ(exe.front(), '\\');
  EXPECT_EQ(ToHostPath(exe), fs::read_symlink("/proc/self/exe").string());
}

// Sets HOME for one test and puts the old value back.
class HomeOverride {
 public:
  explicit HomeOverride(const char* value) {
    if (const char* old = std::getenv("HOME")) old_ = old;
    if (value != nullptr)
      setenv("HOME", value, 1);
    else
      unsetenv("HOME");
  }
  ~HomeOverride() {
    if (old_)
      setenv("HOME", old_->c_str(), 1);
    else
      unsetenv("HOME");
  }

 private:
  std::optional<std::string> old_;
};

TEST(FoldersTest, FavoritesFolderBelowHome) {
  test::TempDir dir;
  std::string path = "untouched";
  {
    HomeOverride home(dir.host().c_str());
    EXPECT_FALSE(FavoritesFolder(path));
    EXPECT_EQ(path, "untouched");
    fs::create_directory(dir.hostPath("Favorites"));
    ASSERT_TRUE(FavoritesFolder(path));
    EXPECT_EQ(path, dir.internal("Favorites"));
  }
  {
    HomeOverride home((dir.host().string() + "/").c_str());
    ASSERT_TRUE(FavoritesFolder(path));
    EXPECT_EQ(path, dir.internal("Favorites"));
  }
}

TEST(FoldersTest, FavoritesFolderFromThePasswordDatabaseWithoutHome) {
  std::string withoutHome;
  std::string emptyHome;
  bool foundWithout = false;
  bool foundEmpty = false;
  {
    HomeOverride home(nullptr);
    foundWithout = FavoritesFolder(withoutHome);
  }
  {
    HomeOverride home("");
    foundEmpty = FavoritesFolder(emptyHome);
  }
  EXPECT_EQ(foundWithout, foundEmpty);
  if (foundWithout) {
    EXPECT_EQ(withoutHome, emptyHome);
  }
}

// Writability follows the folder's write bit for every user, root included, and the
// host's permission for everyone else.
TEST(FoldersTest, FolderWritableByTheWriteBitAndTheHostsPermission) {
  test::TempDir dir;
  fs::create_directory(dir.hostPath("open"));
  fs::create_directory(dir.hostPath("marked"));
  fs::permissions(dir.hostPath("marked"), fs::perms::owner_write, fs::perm_options::remove);
  test::WriteBytes(dir.hostPath("file"), "");
  const struct {
    const char* name;
    bool writable;
  } cases[] = {
      {"open", true}, {"open\\", true}, {"marked", false}, {"file", false}, {"missing", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(FolderWritable(dir.internal(c.name)), c.writable) << c.name;
  }
  EXPECT_FALSE(FolderWritable(""));

  // A folder of another user's, 0755: open to its owner, not to this user.
  fs::permissions(dir.host(), fs::perms::all);  // others may enter the temporary folder
  const std::string open = dir.internal("open");
  const int result = test::RunAsNobody([&] { return FolderWritable(open) ? 1 : 0; });
  if (result == test::kChildCannotDropPrivileges) GTEST_SKIP() << "cannot become nobody";
  EXPECT_EQ(result, 0);
}

TEST(FoldersTest, CreateFolderTreeMakesEveryMissingFolder) {
  test::TempDir dir;
  EXPECT_TRUE(CreateFolderTree(dir.internal("a\\b\\設定\\")));
  EXPECT_TRUE(fs::is_directory(dir.hostPath("a/b/設定")));
  EXPECT_TRUE(CreateFolderTree(dir.internal("a\\b")));  // already there
  test::WriteBytes(dir.hostPath("file"), "");
  EXPECT_FALSE(CreateFolderTree(dir.internal("file\\sub")));
  EXPECT_FALSE(CreateFolderTree(""));
}

// $XDG_CONFIG_HOME when it is absolute, else .config in the home folder.
TEST(FoldersTest, UserConfigFolderFromXdgOrHome) {
  test::TempDir dir;
  const std::string home = dir.host().string();
  const std::string xdg = (dir.host() / "xdg").string();
  const std::string xdgSlash = xdg + "/";
  const struct {
    const char* xdg;
    const char* relativeResult;
  } cases[] = {
      {nullptr, ".config"}, {"", ".config"},           {"relative/cfg", ".config"},
      {xdg.c_str(), "xdg"}, {xdgSlash.c_str(), "xdg"},
  };
  HomeOverride homeOverride(home.c_str());
  for (const auto& c : cases) {
    test::EnvOverride config("XDG_CONFIG_HOME", c.xdg);
    EXPECT_EQ(UserConfigFolder(), dir.internal(c.relativeResult)) << (c.xdg ? c.xdg : "(unset)");
  }
}

TEST(FoldersTest, SystemErrorTexts) {
  EXPECT_EQ(SystemErrorText(2), test::Sjis("指定されたファイルが見つかりません。"));
  EXPECT_EQ(SystemErrorText(3), test::Sjis("指定されたパスが見つかりません。"));
  EXPECT_EQ(SystemErrorText(5), test::Sjis("アクセスが拒否されました。"));
  EXPECT_EQ(SystemErrorText(32),
            test::Sjis("プロセスはファイルにアクセスできません。別のプロセスが使用中です。"));
  EXPECT_EQ(SystemErrorText(112), test::Sjis("ディスクに十分な空き領域がありません。"));
  EXPECT_EQ(SystemErrorText(1234), test::Sjis("I/O エラー (1234)"));
}
#else
// The Windows host's places come from the system itself.
TEST(FoldersTest, CurrentDirectoryAndExecutableInTheCoresDialect) {
  const std::u8string current = fs::current_path().u8string();
  EXPECT_EQ(CurrentDirectory(), FromHostPath(std::string(current.begin(), current.end())));
  const std::string exe = ExecutablePath();
  ASSERT_GT(exe.size(), 3u);
  EXPECT_EQ(exe.substr(1, 2), ":\\");
  EXPECT_TRUE(exe.ends_with("\\favpage_platform_tests.exe")) << exe;
}

TEST(FoldersTest, FavoritesFolderIsTheKnownFolderWithoutAClosingDelimiter) {
  std::string path;
  if (!FavoritesFolder(path)) GTEST_SKIP() << "this user has no favorites folder";
  EXPECT_TRUE(DirectoryExists(path));
  EXPECT_NE(path.back(), '\\');
  EXPECT_TRUE(path.ends_with("\\Favorites")) << path;
}

// The texts are the system's own (Wine words them differently from Windows), so only
// their form is checked: one line each, and the core's text for a code with none.
TEST(FoldersTest, SystemErrorTexts) {
  for (const int code : {2, 3, 5, 32, 112}) {
    SCOPED_TRACE(code);
    const std::string text = SystemErrorText(code);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(text, SystemErrorText(code == 2 ? 3 : 2));
  }
  EXPECT_EQ(SystemErrorText(0x7FFF0000), test::Sjis("I/O エラー (2147418112)"));
}
#endif  // _WIN32

}  // namespace
}  // namespace favpage::platform

// The folder scan on real folders: which entries are shortcuts and which are walked,
// in the order the search delivers them, and shortcuts that are not regular files.
#include "generate/folder_scan.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include <chrono>
#include <thread>

#include "generate_fixture.h"

namespace favpage::test {
namespace {

using FolderScanTest = GenerateTest;

// POSIX hosts only: there a dot name is hidden, and FIFOs, symbolic links and fork exist.
// A Windows search gives the attributes as the volume stores them.
#ifndef _WIN32
std::vector<std::string> Internal(const TempDir& dir, const std::vector<std::string>& relative) {
  std::vector<std::string> paths;
  for (const std::string& path : relative) paths.push_back(dir.internal(path));
  return paths;
}

// Runs `read` in a child process and reports whether it gave the empty text within a few
// seconds; a reader that blocks is killed instead of hanging the test run.
bool ReadsEmptyInTime(const std::function<std::string()>& read) {
  const pid_t child = fork();
  if (child == 0) _exit(read().empty() ? 0 : 1);
  for (int waited = 0; waited < 100; ++waited) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return false;
}

TEST_F(FolderScanTest, SortsEntriesByAttributeWordAndExtension) {
  for (const char* name : {"Link.URL", "link2.url", "link3.Url", ".url", ".hidden.url"}) {
    Shortcut(std::string("Fav/") + name, "x");
  }
  for (const char* name : {"link.url.txt", "link.urlx", "link"}) {
    WriteBytes(dir.hostPath(std::string("Fav/") + name), "x");
  }
  MakeFolders("Fav/Sub");
  MakeFolders("Fav/.folder");   // hidden: not walked, not a shortcut
  MakeFolders("Fav/.dir.url");  // hidden, named like a shortcut: listed as one
  std::filesystem::create_directory_symlink(dir.hostPath("Fav"), dir.hostPath("Fav/Loop"));
  ASSERT_EQ(mkfifo(dir.hostPath("Fav/pipe.url").c_str(), 0644), 0);

  const ScanResult scan = ScanFolder(dir.internal("Fav") + "\\");
  EXPECT_TRUE(scan.found);
  EXPECT_EQ(scan.shortcuts,
            Internal(dir, {"Fav/.dir.url", "Fav/.hidden.url", "Fav/.url", "Fav/Link.URL",
                           "Fav/link2.url", "Fav/link3.Url", "Fav/pipe.url"}));
  EXPECT_EQ(scan.subfolders, Internal(dir, {"Fav/Sub"}));
}

#endif  // _WIN32

TEST_F(FolderScanTest, MissingFolderIsNotFoundAndEmptyFolderIsFound) {
  const ScanResult missing = ScanFolder(dir.internal("Fav") + "\\");
  EXPECT_FALSE(missing.found);
  EXPECT_TRUE(missing.shortcuts.empty() && missing.subfolders.empty());

  MakeFolders("Fav");
  const ScanResult empty = ScanFolder(dir.internal("Fav") + "\\");
  EXPECT_TRUE(empty.found);
  EXPECT_TRUE(empty.shortcuts.empty() && empty.subfolders.empty());
}

#ifndef _WIN32
TEST_F(FolderScanTest, ShortcutsThatAreNotRegularFilesReadEmptyWithoutHanging) {
  MakeFolders("Fav/.dir.url");
  ASSERT_EQ(mkfifo(dir.hostPath("Fav/pipe.url").c_str(), 0644), 0);
  std::filesystem::create_symlink("/dev/zero", dir.hostPath("Fav/zero.url"));
  for (const char* name : {"Fav/.dir.url", "Fav/pipe.url", "Fav/zero.url"}) {
    SCOPED_TRACE(name);
    const std::string path = dir.internal(name);
    EXPECT_TRUE(ReadsEmptyInTime([&] { return ReadShortcutURL(path); }));
  }
  Shortcut("Fav/ok.url", "ok.html");  // the same reader does read a real one
  EXPECT_EQ(ReadShortcutURL(dir.internal("Fav/ok.url")), "ok.html");
}
#endif  // _WIN32

}  // namespace
}  // namespace favpage::test

#include "platform/file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/io_error.h"
#include "platform/child_process.h"
#include "platform/host_file.h"
#include "support/test_support.h"

namespace favpage::platform {
namespace {

using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct Replacement {
  const char* name;
  std::function<void(const test::TempDir&)> arrange;  // with "a" as the path saved to
  const char* changed;                                // the file that must hold the bytes
  mode_t mode;
  uid_t owner;
};

TEST(ReplaceFileContents, ReplacesTheNamedFileKeepingItsModeOwnerAndLinks) {
  const mode_t newMode = [] {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
  }();
  const Replacement cases[] = {
      {"new file", [](const test::TempDir&) {}, "a", newMode, 0},
      {"private file",
       [](const test::TempDir& dir) {
         WriteBytes(dir.hostPath("a"), "old");
         chmod(dir.hostPath("a").c_str(), 0600);
       },
       "a", 0600, 0},
      {"another user's file",
       [](const test::TempDir& dir) {
         WriteBytes(dir.hostPath("a"), "old");
         chmod(dir.hostPath("a").c_str(), 0640);
         chown(dir.hostPath("a").c_str(), test::kNobody, test::kNobody);
       },
       "a", 0640, test::kNobody},
      {"relative link",
       [](const test::TempDir& dir) {
         fs::create_directory(dir.hostPath("sub"));
         WriteBytes(dir.hostPath("sub/real"), "old");
         chmod(dir.hostPath("sub/real").c_str(), 0604);
         fs::create_symlink("sub/real", dir.hostPath("a"));
       },
       "sub/real", 0604, 0},
      {"chain of links",
       [](const test::TempDir& dir) {
         WriteBytes(dir.hostPath("real"), "old");
         fs::create_symlink(dir.hostPath("real"), dir.hostPath("middle"));
         fs::create_symlink("middle", dir.hostPath("a"));
       },
       "real", 0644, 0},
      {"link to a missing file",
       [](const test::TempDir& dir) { fs::create_symlink("later", dir.hostPath("a")); }, "later",
       newMode, 0},
  };
  for (const Replacement& c : cases) {
    test::TempDir dir;
    c.arrange(dir);
    std::vector<std::string> after = Entries(dir.host());
    if (!fs::exists(dir.hostPath(c.changed))) after.push_back(c.changed);
    std::sort(after.begin(), after.end());
    ASSERT_EQ(ReplaceFileContents(dir.internal("a"), "new\r\n"), 0) << c.name;
    EXPECT_EQ(ReadBytes(dir.hostPath(c.changed)), "new\r\n") << c.name;
    struct stat info {};
    ASSERT_EQ(stat(dir.hostPath(c.changed).c_str(), &info), 0) << c.name;
    EXPECT_EQ(info.st_mode & 07777, c.mode) << c.name;
    EXPECT_EQ(info.st_uid, c.owner) << c.name;
    if (std::string(c.changed) != "a") {
      EXPECT_TRUE(fs::is_symlink(dir.hostPath("a"))) << c.name;
    }
    EXPECT_EQ(Entries(dir.host()), after) << c.name << ": a temporary file was left";
  }
}

struct Refusal {
  const char* name;
  std::function<void(const test::TempDir&)> arrange;
  const char* path;
  int code;
};

TEST(ReplaceFileContents, RefusesWhatMayNotBeWrittenAndChangesNothing) {
  const Refusal cases[] = {
      {"read-only file", [](const test::TempDir& dir) { chmod(dir.hostPath("a").c_str(), 0444); },
       "a", io_code::kAccessDenied},
      {"read-only file through a link",
       [](const test::TempDir& dir) {
         chmod(dir.hostPath("a").c_str(), 0444);
         fs::create_symlink("a", dir.hostPath("link"));
       },
       "link", io_code::kAccessDenied},
      {"folder", [](const test::TempDir& dir) { fs::create_directory(dir.hostPath("f")); }, "f",
       io_code::kAccessDenied},
      {"fifo", [](const test::TempDir& dir) { mkfifo(dir.hostPath("p").c_str(), 0644); }, "p",
       io_code::kAccessDenied},
      {"device through a link",
       [](const test::TempDir& dir) { fs::create_symlink("/dev/null", dir.hostPath("n")); }, "n",
       io_code::kAccessDenied},
      {"missing folder", [](const test::TempDir&) {}, "missing\\a", io_code::kPathNotFound},
      {"link loop",
       [](const test::TempDir& dir) {
         fs::create_symlink("l2", dir.hostPath("l1"));
         fs::create_symlink("l1", dir.hostPath("l2"));
       },
       "l1", io_code::kPathNotFound},
  };
  for (const Refusal& c : cases) {
    test::TempDir dir;
    WriteBytes(dir.hostPath("a"), "old");
    c.arrange(dir);
    const std::vector<std::string> before = Entries(dir.host());
    EXPECT_EQ(CheckFileReplaceable(dir.internal(c.path)), c.code) << c.name;
    EXPECT_EQ(ReplaceFileContents(dir.internal(c.path), "new"), c.code) << c.name;
    EXPECT_EQ(ReadBytes(dir.hostPath("a")), "old") << c.name;
    EXPECT_EQ(Entries(dir.host()), before) << c.name;
  }

  // Held open by this process: any opener conflicts with the replacement.
  test::TempDir dir;
  WriteBytes(dir.hostPath("a"), "old");
  for (const FileAccess access : {FileAccess::kRead, FileAccess::kAppend}) {
    HostFile held;
    ASSERT_EQ(held.Open(dir.internal("a"), access, FileShare::kRead), 0);
    EXPECT_EQ(ReplaceFileContents(dir.internal("a"), "new"), io_code::kSharingViolation);
  }
  EXPECT_EQ(ReplaceFileContents(dir.internal("a"), "new"), 0);
}

}  // namespace
}  // namespace favpage::platform

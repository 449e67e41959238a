#include "platform/file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/io_error.h"
#include "platform/child_process.h"
#include "platform/host_file.h"
#include "platform/host_path.h"
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

// A save in the two steps of a published page: a staging file, written, then put in
// place; a refused save removes its staging file as a failed run does.
int SaveInTwoSteps(const std::string& path, std::string_view bytes) {
  std::string staged;
  if (const int code = CreateStagingFile(path, ".a.favpage-", staged); code != 0) return code;
  HostFile file;
  int code = file.Open(staged, FileAccess::kCreate, FileShare::kRead);
  if (code == 0) code = file.Write(bytes.data(), bytes.size());
  if (const int closed = file.Close(); code == 0) code = closed;
  if (code == 0) code = FlushStagedFiles({staged});
  if (code == 0) code = PutStagedFile(staged, path);
  if (code != 0) {
    EXPECT_EQ(RemoveFile(staged), 0);
  }
  return code;
}

using Save = int (*)(const std::string&, std::string_view);
const std::pair<const char*, Save> kSaves[] = {{"in one step", ReplaceFileContents},
                                               {"in two steps", SaveInTwoSteps}};

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
  for (const auto& [how, save] : kSaves)
    for (const Replacement& c : cases) {
      SCOPED_TRACE(how);
      test::TempDir dir;
      c.arrange(dir);
      std::vector<std::string> after = Entries(dir.host());
      if (!fs::exists(dir.hostPath(c.changed))) after.push_back(c.changed);
      std::sort(after.begin(), after.end());
      ASSERT_EQ(save(dir.internal("a"), "new\r\n"), 0) << c.name;
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
  for (const auto& [how, save] : kSaves)
    for (const Refusal& c : cases) {
      SCOPED_TRACE(how);
      test::TempDir dir;
      WriteBytes(dir.hostPath("a"), "old");
      c.arrange(dir);
      const std::vector<std::string> before = Entries(dir.host());
      EXPECT_EQ(CheckFileReplaceable(dir.internal(c.path)), c.code) << c.name;
      EXPECT_EQ(save(dir.internal(c.path), "new"), c.code) << c.name;
      EXPECT_EQ(ReadBytes(dir.hostPath("a")), "old") << c.name;
      EXPECT_EQ(Entries(dir.host()), before) << c.name;
    }

  // Held open by this process: any opener conflicts with the replacement.
  for (const auto& [how, save] : kSaves) {
    SCOPED_TRACE(how);
    test::TempDir dir;
    WriteBytes(dir.hostPath("a"), "old");
    for (const FileAccess access : {FileAccess::kRead, FileAccess::kAppend}) {
      HostFile held;
      ASSERT_EQ(held.Open(dir.internal("a"), access, FileShare::kRead), 0);
      EXPECT_EQ(save(dir.internal("a"), "new"), io_code::kSharingViolation);
    }
    EXPECT_EQ(save(dir.internal("a"), "new"), 0);
  }
}

// A staging file is new, private until it is put in place, and lies beside the file it
// will replace: beside the file a symbolic link names, so the move stays in one folder.
TEST(CreateStagingFile, MakesANewPrivateFileBesideTheFileToReplace) {
  test::TempDir dir;
  fs::create_directory(dir.hostPath("real"));
  WriteBytes(dir.hostPath("real/page.html"), "old");
  fs::create_symlink("real/page.html", dir.hostPath("page.html"));
  std::set<std::string> names;
  for (int i = 0; i < 20; ++i) {
    std::string staged;
    ASSERT_EQ(CreateStagingFile(dir.internal("page.html"), ".p.favpage-", staged), 0);
    const std::string prefix = dir.internal("real") + "\\.p.favpage-";
    ASSERT_EQ(staged.substr(0, prefix.size()), prefix);
    const std::string suffix = staged.substr(prefix.size());
    EXPECT_EQ(suffix.size(), kStagingSuffixLength);
    EXPECT_TRUE(std::all_of(suffix.begin(), suffix.end(), [](char c) { return std::isalnum(c); }))
        << suffix;
    names.insert(suffix);
    struct stat info {};
    ASSERT_EQ(stat(ToHostPath(staged).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(info.st_size, 0);
  }
  EXPECT_EQ(names.size(), 20u);
  EXPECT_EQ(ReadBytes(dir.hostPath("real/page.html")), "old");
  std::string staged;
  EXPECT_EQ(CreateStagingFile(dir.internal("missing\\page.html"), ".p.favpage-", staged),
            io_code::kPathNotFound);
}

TEST(RemoveFile, RemovesOnlyAPlainFileThatMayBeWritten) {
  const struct {
    const char* name;
    std::function<void(const test::TempDir&)> arrange;
    int code;
    bool gone;
  } cases[] = {
      {"plain file", [](const test::TempDir&) {}, 0, true},
      {"missing file", [](const test::TempDir& dir) { fs::remove(dir.hostPath("a")); },
       io_code::kFileNotFound, true},
      {"read-only file", [](const test::TempDir& dir) { chmod(dir.hostPath("a").c_str(), 0444); },
       io_code::kAccessDenied, false},
      {"link to a file",
       [](const test::TempDir& dir) {
         fs::rename(dir.hostPath("a"), dir.hostPath("target"));
         fs::create_symlink("target", dir.hostPath("a"));
       },
       io_code::kAccessDenied, false},
      {"folder",
       [](const test::TempDir& dir) {
         fs::remove(dir.hostPath("a"));
         fs::create_directory(dir.hostPath("a"));
       },
       io_code::kAccessDenied, false},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    WriteBytes(dir.hostPath("a"), "ours");
    c.arrange(dir);
    EXPECT_EQ(RemoveFile(dir.internal("a")), c.code) << c.name;
    EXPECT_EQ(fs::exists(fs::symlink_status(dir.hostPath("a"))), !c.gone) << c.name;
    if (fs::exists(dir.hostPath("target"))) {
      EXPECT_EQ(ReadBytes(dir.hostPath("target")), "ours") << c.name;
    }
  }
  test::TempDir dir;
  WriteBytes(dir.hostPath("a"), "ours");
  HostFile held;
  ASSERT_EQ(held.Open(dir.internal("a"), FileAccess::kRead, FileShare::kRead), 0);
  EXPECT_EQ(RemoveFile(dir.internal("a")), io_code::kSharingViolation);
}

}  // namespace
}  // namespace favpage::platform

#include "platform/host_file.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#ifndef _WIN32
#include "platform/child_process.h"
#endif
#include "support/test_support.h"

namespace favpage::platform {
namespace {

using test::ReadBytes;
using test::WriteBytes;

constexpr int kOk = 0;

std::string ReadAll(HostFile& file) {
  std::string bytes;
  char buffer[7];  // small, so a read takes several calls
  std::size_t got = 0;
  while (file.Read(buffer, sizeof buffer, got) == kOk && got > 0) bytes.append(buffer, got);
  return bytes;
}

class HostFileTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::string file_ = dir_.internal("page.html");
  std::filesystem::path host_ = dir_.hostPath("page.html");
};

TEST_F(HostFileTest, CreateEmptiesOrMakesAFileAndAppendContinuesAtItsEnd) {
  WriteBytes(host_, "old contents");
  HostFile file;
  ASSERT_EQ(file.Open(file_, FileAccess::kCreate, FileShare::kRead), kOk);
  EXPECT_EQ(ReadBytes(host_), "");
  ASSERT_EQ(file.Write("first\r\n", 7), kOk);
  ASSERT_EQ(file.Close(), kOk);

  ASSERT_EQ(file.Open(file_, FileAccess::kAppend, FileShare::kRead), kOk);
  ASSERT_EQ(file.Write("second", 6), kOk);
  ASSERT_EQ(file.Close(), kOk);

  ASSERT_EQ(file.Open(file_, FileAccess::kRead, FileShare::kRead), kOk);
  EXPECT_EQ(ReadAll(file), "first\r\nsecond");

  HostFile fresh;
  EXPECT_EQ(fresh.Open(dir_.internal("new.html"), FileAccess::kCreate, FileShare::kRead), kOk);
  EXPECT_TRUE(std::filesystem::exists(dir_.hostPath("new.html")));
}

TEST_F(HostFileTest, JapaneseNamesWith5CSecondBytesReachTheirFiles) {
  WriteBytes(dir_.hostPath("ソフト/表示.txt"), "x");
  HostFile file;
  ASSERT_EQ(file.Open(dir_.internal("ソフト\\表示.txt"), FileAccess::kRead, FileShare::kRead), kOk);
  EXPECT_EQ(ReadAll(file), "x");
}

struct SharingCase {
  const char* name;
  FileAccess firstAccess;
  FileShare firstShare;
  FileAccess secondAccess;
  FileShare secondShare;
  int expected;
};

const SharingCase kSharing[] = {
    {"read, read", FileAccess::kRead, FileShare::kRead, FileAccess::kRead, FileShare::kRead, kOk},
    {"read, create", FileAccess::kRead, FileShare::kRead, FileAccess::kCreate, FileShare::kRead,
     32},
    {"read, append", FileAccess::kRead, FileShare::kRead, FileAccess::kAppend, FileShare::kRead,
     32},
    {"create, read", FileAccess::kCreate, FileShare::kRead, FileAccess::kRead, FileShare::kRead,
     32},
    {"create, create", FileAccess::kCreate, FileShare::kRead, FileAccess::kCreate, FileShare::kRead,
     32},
    {"append, read", FileAccess::kAppend, FileShare::kRead, FileAccess::kRead, FileShare::kRead,
     32},
    {"append, append", FileAccess::kAppend, FileShare::kRead, FileAccess::kAppend, FileShare::kRead,
     32},
    {"exclusive read, read", FileAccess::kRead, FileShare::kNone, FileAccess::kRead,
     FileShare::kRead, 32},
    {"read, exclusive read", FileAccess::kRead, FileShare::kRead, FileAccess::kRead,
     FileShare::kNone, 32},
};

TEST_F(HostFileTest, SharingRulesWithinTheProcess) {
  for (const SharingCase& c : kSharing) {
    SCOPED_TRACE(c.name);
    WriteBytes(host_, "keep me");
    HostFile first;
    ASSERT_EQ(first.Open(file_, c.firstAccess, c.firstShare), kOk);
    HostFile second;
    EXPECT_EQ(second.Open(file_, c.secondAccess, c.secondShare), c.expected);
    EXPECT_EQ(second.IsOpen(), c.expected == kOk);
    EXPECT_EQ(second.Close(), kOk);
    EXPECT_EQ(first.Close(), kOk);
    if (c.firstAccess != FileAccess::kCreate) {
      EXPECT_EQ(ReadBytes(host_), "keep me") << "a refused open must change nothing";
    }
    // Once the first file is closed, the second open succeeds.
    EXPECT_EQ(second.Open(file_, c.secondAccess, c.secondShare), kOk);
  }
}

TEST_F(HostFileTest, SharingFollowsTheFileNotTheName) {
  WriteBytes(host_, "style");
  const std::filesystem::path linked = dir_.hostPath("copy.css");
  std::filesystem::create_hard_link(host_, linked);
  HostFile in;
  ASSERT_EQ(in.Open(file_, FileAccess::kRead, FileShare::kRead), kOk);
  HostFile out;
  EXPECT_EQ(out.Open(dir_.internal("copy.css"), FileAccess::kCreate, FileShare::kRead), 32);
  EXPECT_EQ(ReadBytes(host_), "style");
}

TEST_F(HostFileTest, RegistrationMovesWithTheFileAndEndsAtClose) {
  WriteBytes(host_, "x");
  HostFile moved;
  {
    HostFile first;
    ASSERT_EQ(first.Open(file_, FileAccess::kCreate, FileShare::kRead), kOk);
    moved = std::move(first);
  }  // the moved-from object's destructor must not release the registration
  HostFile other;
  EXPECT_EQ(other.Open(file_, FileAccess::kRead, FileShare::kRead), 32);
  HostFile target(std::move(moved));
  EXPECT_FALSE(moved.IsOpen());
  EXPECT_EQ(other.Open(file_, FileAccess::kRead, FileShare::kRead), 32);
  EXPECT_EQ(target.Close(), kOk);
  EXPECT_EQ(other.Open(file_, FileAccess::kRead, FileShare::kRead), kOk);
}

TEST_F(HostFileTest, OpenFailuresGiveTheCodesAWindowsUserSees) {
  WriteBytes(dir_.hostPath("plain.txt"), "x");
  std::filesystem::create_directory(dir_.hostPath("folder"));
  const std::string longName(300, 'n');
  const struct {
    const char* name;
    std::string path;
    FileAccess access;
    int expected;
  } cases[] = {
      {"read a missing file", dir_.internal("missing.txt"), FileAccess::kRead, 2},
      {"append to a missing file", dir_.internal("missing.txt"), FileAccess::kAppend, 2},
      {"read in a missing folder", dir_.internal("nowhere\\a.txt"), FileAccess::kRead, 3},
      {"create in a missing folder", dir_.internal("nowhere\\a.txt"), FileAccess::kCreate, 3},
      {"a file taken for a folder", dir_.internal("plain.txt\\a.txt"), FileAccess::kCreate, 3},
      {"a name too long", dir_.internal(longName), FileAccess::kCreate, 3},
      {"a path naming no file", dir_.internal("folder") + "\\", FileAccess::kCreate, 3},
      {"an empty path", "", FileAccess::kRead, 3},
      {"a NUL byte in the name", dir_.internal("plain.txt") + std::string(1, '\0') + "x",
       FileAccess::kRead, 3},
      {"read a folder", dir_.internal("folder"), FileAccess::kRead, 5},
      {"create over a folder", dir_.internal("folder"), FileAccess::kCreate, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HostFile file;
    EXPECT_EQ(file.Open(c.path, c.access, FileShare::kRead), c.expected);
    EXPECT_FALSE(file.IsOpen());
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.hostPath("missing.txt")));
}

TEST_F(HostFileTest, FileWithoutOwnerWriteBitRefusesWritingEvenToRoot) {
  WriteBytes(host_, "protected");
  std::filesystem::permissions(
      host_, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  HostFile file;
  EXPECT_EQ(file.Open(file_, FileAccess::kCreate, FileShare::kRead), 5);
  EXPECT_EQ(file.Open(file_, FileAccess::kAppend, FileShare::kRead), 5);
  EXPECT_EQ(ReadBytes(host_), "protected");
  ASSERT_EQ(file.Open(file_, FileAccess::kRead, FileShare::kRead), kOk);
  EXPECT_EQ(ReadAll(file), "protected");
}

// POSIX hosts only: another user, FIFOs, devices and descriptor limits of a forked child.
#ifndef _WIN32
TEST_F(HostFileTest, FolderTheUserMayNotWriteRefusesWithAccessDenied) {
  const std::filesystem::path locked = dir_.hostPath("locked");
  std::filesystem::create_directory(locked);
  std::filesystem::permissions(dir_.host(), std::filesystem::perms::all);  // nobody may enter
  std::filesystem::permissions(
      locked, std::filesystem::perms::owner_all | std::filesystem::perms::others_exec);
  WriteBytes(locked / "existing.txt", "x");
  const std::string target = dir_.internal("locked\\page.html");
  const std::string existing = dir_.internal("locked\\existing.txt");
  const int result = test::RunAsNobody([&] {
    HostFile file;
    if (file.Open(target, FileAccess::kCreate, FileShare::kRead) != 5) return 1;
    if (file.Open(existing, FileAccess::kAppend, FileShare::kRead) != 5) return 2;
    return 0;
  });
  if (result == test::kChildCannotDropPrivileges) GTEST_SKIP() << "cannot become nobody";
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(std::filesystem::exists(locked / "page.html"));
}

TEST_F(HostFileTest, SpecialFilesNeverBlockAndAreNotReadAsText) {
  const std::filesystem::path fifo = dir_.hostPath("pipe.url");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
  HostFile file;
  EXPECT_EQ(file.Open(dir_.internal("pipe.url"), FileAccess::kRead, FileShare::kRead), 5);
  EXPECT_EQ(file.Open(dir_.internal("pipe.url"), FileAccess::kCreate, FileShare::kRead), 5);
  EXPECT_EQ(file.Open("\\dev\\zero", FileAccess::kRead, FileShare::kRead), 5);
}

TEST_F(HostFileTest, WritingToAFullDeviceGivesDiskFull) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  HostFile file;
  ASSERT_EQ(file.Open("\\dev\\full", FileAccess::kCreate, FileShare::kRead), kOk);
  EXPECT_EQ(file.Write("page", 4), 101);
}

TEST_F(HostFileTest, TooManyOpenFilesGivesCode4) {
  WriteBytes(host_, "x");
  const int result = test::RunInChild([&] {
    const rlimit limit{8, 8};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) return 250;
    while (open("/dev/null", O_RDONLY) >= 0) {
    }
    HostFile file;
    return file.Open(file_, FileAccess::kRead, FileShare::kRead);
  });
  EXPECT_EQ(result, 4);
}
#endif  // _WIN32

TEST_F(HostFileTest, CallsOnAClosedFileFailWithoutHarm) {
  HostFile file;
  std::size_t got = 1;
  char byte = 0;
  EXPECT_NE(file.Read(&byte, 1, got), kOk);
  EXPECT_EQ(got, 0u);
  EXPECT_NE(file.Write("x", 1), kOk);
  EXPECT_EQ(file.Close(), kOk);
}

}  // namespace
}  // namespace favpage::platform

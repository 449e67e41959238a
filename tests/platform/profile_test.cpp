#include "platform/profile.h"

#ifndef _WIN32
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

using test::CrLfLines;
using test::ReadBytes;
using test::Sjis;
using test::WriteBytes;
namespace fs = std::filesystem;

std::string Utf16Le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

class ProfileTest : public ::testing::Test {
 protected:
  std::string Read(const char* section, const char* key, const char* fallback = "<default>") {
    return ReadProfileString(section, key, fallback, file_);
  }

  test::TempDir dir_;
  std::string file_ = dir_.internal("settings.INI");
  fs::path host_ = dir_.hostPath("settings.INI");
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(Read("S", "k"), "<default>");
  EXPECT_EQ(ReadProfileString("S", "k", "x", dir_.internal("no\\such.ini")), "x");
  WriteBytes(host_, CrLfLines({"[S]", "k=v"}));
  EXPECT_EQ(Read("T", "k"), "<default>");
  EXPECT_EQ(Read("S", "j"), "<default>");
  EXPECT_EQ(Read("s", "K"), "v");
}

TEST_F(ProfileTest, DefaultIsCutAndLosesTrailingSpacesAsOnWindows) {
  EXPECT_EQ(Read("S", "k", "def  "), "def");
  EXPECT_EQ(Read("S", "k", " \tdef\t"), " \tdef\t");
  const std::string longDefault(3000, 'd');
  EXPECT_EQ(ReadProfileString("S", "k", longDefault, file_), std::string(2047, 'd'));
}

TEST_F(ProfileTest, ValuesAreCutTo2047Bytes) {
  const std::string exact(2047, 'e');
  const std::string longer = std::string(2047, 'l') + "TAIL";
  WriteBytes(host_, CrLfLines({"[S]", "exact=" + exact, "long=" + longer}));
  EXPECT_EQ(Read("S", "exact"), exact);
  EXPECT_EQ(Read("S", "long"), std::string(2047, 'l'));
}

TEST_F(ProfileTest, Utf16FileIsReadAsShiftJis) {
  WriteBytes(host_, Utf16Le(u"[InternetShortcut]\r\nURL=http://例え.jp/ソ/caf\u00e9\r\n"
                            u"[表示]\r\nName=\"値\"\r\n"));
  EXPECT_EQ(Read("InternetShortcut", "url"), Sjis("http://例え.jp/ソ/caf?"));
  EXPECT_EQ(ReadProfileString(Sjis("表示"), "name", "", file_), Sjis("値"));
}

TEST_F(ProfileTest, Utf8ByteOrderMarkIsNotStripped) {
  WriteBytes(host_, "\xEF\xBB\xBF[S]\r\nk=v\r\n[T]\r\nk=w\r\n");
  EXPECT_EQ(Read("S", "k"), "<default>");
  EXPECT_EQ(Read("T", "k"), "w");
}

// POSIX hosts only: FIFOs and devices, read in a forked child.
#ifndef _WIN32
TEST_F(ProfileTest, FilesThatAreNotRegularGiveTheDefaultWithoutWaiting) {
  const fs::path fifo = dir_.hostPath("pipe.url");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
  fs::create_directory(dir_.hostPath("folder.url"));
  const std::string fifoPath = dir_.internal("pipe.url");
  const std::string folderPath = dir_.internal("folder.url");
  // A reader that waited for a writer would be stopped by the alarm and fail the test.
  const int result = test::RunInChild([&] {
    alarm(10);
    if (ReadProfileString("InternetShortcut", "URL", "d", fifoPath) != "d") return 1;
    if (ReadProfileString("InternetShortcut", "URL", "d", folderPath) != "d") return 2;
    if (ReadProfileString("InternetShortcut", "URL", "d", "\\dev\\zero") != "d") return 3;
    if (WriteProfileValue("S", "k", "v", fifoPath)) return 4;
    return 0;
  });
  EXPECT_EQ(result, 0);
}
#endif  // _WIN32

TEST_F(ProfileTest, HugeFileIsReadOnlyInItsFirstMebibytes) {
  std::string bytes = CrLfLines({"[S]", "first=1"});
  const std::string filler = "; " + std::string(1000, 'f') + "\r\n";
  while (bytes.size() < 12 * 1024 * 1024) bytes += filler;
  bytes += CrLfLines({"late=2"});
  WriteBytes(host_, bytes);
  EXPECT_EQ(Read("S", "first"), "1");
  EXPECT_EQ(Read("S", "late"), "<default>");
}

// A file of `size` bytes: comment lines, then `tail`.
std::string PaddedProfile(std::size_t size, const std::string& tail) {
  std::string bytes = CrLfLines({"[Other]"});
  const std::string filler = "; " + std::string(1000, 'f') + "\r\n";
  while (bytes.size() + filler.size() + tail.size() + 2 <= size) bytes += filler;
  bytes += std::string(size - bytes.size() - tail.size() - 2, 'g') + "\r\n";
  return bytes + tail;
}

struct LimitCase {
  const char* name;
  std::size_t size;
  const char* value;     // written to Setup/OutType, which the file holds as 1
  const char* readBack;  // OutType read before the write
  bool written;
};

TEST_F(ProfileTest, AFileTheReaderCannotTakeWholeIsNeverRewritten) {
  const std::string tail = CrLfLines({"[Setup]", "OutType=1"});
  const LimitCase cases[] = {
      {"at the limit", kProfileFileLimit, "2", "1", true},
      {"past the limit", kProfileFileLimit + 1024 * 1024, "2", "<default>", false},
      {"a write would grow it past", kProfileFileLimit, "22", "1", false},
  };
  for (const LimitCase& c : cases) {
    const std::string before = PaddedProfile(c.size, tail);
    ASSERT_EQ(before.size(), c.size) << c.name;
    WriteBytes(host_, before);
    EXPECT_EQ(Read("Setup", "OutType"), c.readBack) << c.name;
    EXPECT_EQ(WriteProfileValue("Setup", "OutType", c.value, file_), c.written) << c.name;
    if (c.written) {
      EXPECT_EQ(Read("Setup", "OutType"), c.value) << c.name;
    } else {
      EXPECT_TRUE(ReadBytes(host_) == before) << c.name << ": the file changed";
    }
  }
}

TEST_F(ProfileTest, WriteCreatesAMissingFile) {
  ASSERT_TRUE(WriteProfileValue("Setup", "OutName", Sjis("C:\\表示\\links.html"), file_));
  EXPECT_EQ(ReadBytes(host_), CrLfLines({"[Setup]", Sjis("OutName=C:\\表示\\links.html")}));
#ifndef _WIN32  // mode bits: POSIX hosts only
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(fs::status(host_).permissions(), static_cast<fs::perms>(0666 & ~mask));
#endif
  EXPECT_EQ(Read("Setup", "OutName"), Sjis("C:\\表示\\links.html"));
}

// POSIX hosts only: the current folder is changed in a forked child.
#ifndef _WIN32
TEST_F(ProfileTest, WriteToANameInTheCurrentFolder) {
  const fs::path folder = dir_.host();
  const int result = test::RunInChild([&] {
    if (chdir(folder.c_str()) != 0) return 1;
    if (!WriteProfileValue("S", "k", "v", "relative.ini")) return 2;
    return ReadProfileString("S", "k", "", "relative.ini") == "v" ? 0 : 3;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(dir_.hostPath("relative.ini")), CrLfLines({"[S]", "k=v"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}
#endif  // _WIN32

TEST_F(ProfileTest, WriteKeepsEveryOtherByteThePermissionsAndNoTemporaryFile) {
  const std::string before = "; mine\n[Setup]\nOutType=0\n\n[Other]\r\nx=\xFF\x1A\r";
  WriteBytes(host_, before);
#ifndef _WIN32  // mode bits: POSIX hosts only
  fs::permissions(host_, static_cast<fs::perms>(0640));
#endif
  ASSERT_TRUE(WriteProfileValue("setup", "outtype", "1", file_));
  ASSERT_TRUE(WriteProfileValue("Setup", "StyleType", "2", file_));
  EXPECT_EQ(ReadBytes(host_),
            "; mine\n[Setup]\nOutType=1\r\nStyleType=2\r\n\n[Other]\r\nx=\xFF\x1A\r");
#ifndef _WIN32
  EXPECT_EQ(fs::status(host_).permissions(), static_cast<fs::perms>(0640));
#endif
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(dir_.host())) {
    EXPECT_EQ(entry.path(), host_);
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST_F(ProfileTest, WriteCutsAValueAtALineBreak) {
  ASSERT_TRUE(WriteProfileValue("S", "k", "v\r\n[Evil]\r\nx=1", file_));
  EXPECT_EQ(ReadBytes(host_), CrLfLines({"[S]", "k=v"}));
}

// POSIX hosts only: symbolic links.
#ifndef _WIN32
TEST_F(ProfileTest, WriteThroughALinkKeepsTheLink) {
  WriteBytes(dir_.hostPath("real.ini"), "[S]\r\nk=1\r\n");
  fs::create_symlink("real.ini", host_);
  ASSERT_TRUE(WriteProfileValue("S", "k", "2", file_));
  EXPECT_TRUE(fs::is_symlink(host_));
  EXPECT_EQ(ReadBytes(dir_.hostPath("real.ini")), "[S]\r\nk=2\r\n");
}
#endif  // _WIN32

TEST_F(ProfileTest, WriteKeepsAUtf16FileUtf16) {
  WriteBytes(host_, Utf16Le(u"[S]\r\nname=caf\u00e9\r\n"));
  ASSERT_TRUE(WriteProfileValue("S", "title", Sjis("表示"), file_));
  EXPECT_EQ(ReadBytes(host_), Utf16Le(u"[S]\r\nname=caf\u00e9\r\ntitle=表示\r\n"));
}

TEST_F(ProfileTest, RefusedWritesChangeNothing) {
  WriteBytes(host_, "[S]\r\nk=1\r\n");
  fs::permissions(host_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(WriteProfileValue("S", "k", "2", file_));  // read-only, even for root
  EXPECT_EQ(ReadBytes(host_), "[S]\r\nk=1\r\n");
  EXPECT_FALSE(WriteProfileValue("S", "k", "2", dir_.internal("missing\\a.ini")));
  EXPECT_FALSE(fs::exists(dir_.hostPath("missing")));
  fs::create_directory(dir_.hostPath("folder.ini"));
  EXPECT_FALSE(WriteProfileValue("S", "k", "2", dir_.internal("folder.ini")));
}

// POSIX hosts only: another user, made in a forked child.
#ifndef _WIN32
TEST_F(ProfileTest, UserWithoutPermissionCannotWrite) {
  fs::permissions(dir_.host(), fs::perms::all);
  const fs::path shared = dir_.hostPath("shared");
  fs::create_directory(shared);  // root's, 0755: nobody may not create files in it
  WriteBytes(shared / "root.ini", "[S]\r\nk=1\r\n");  // root's, 0644
  WriteBytes(shared / "nobody.ini", "[S]\r\nk=1\r\n");
  ASSERT_EQ(chown((shared / "nobody.ini").c_str(), test::kNobody, test::kNobody), 0);
  const std::string rootFile = dir_.internal("shared\\root.ini");
  const std::string newFile = dir_.internal("shared\\new.ini");
  const std::string ownFile = dir_.internal("shared\\nobody.ini");
  const int result = test::RunAsNobody([&] {
    if (WriteProfileValue("S", "k", "2", rootFile)) return 1;
    if (WriteProfileValue("S", "k", "2", newFile)) return 2;
    // Its own file in a folder it may not write: written where it stands.
    if (!WriteProfileValue("S", "k", "3", ownFile)) return 3;
    return 0;
  });
  if (result == test::kChildCannotDropPrivileges) GTEST_SKIP() << "cannot become nobody";
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(shared / "root.ini"), "[S]\r\nk=1\r\n");
  EXPECT_FALSE(fs::exists(shared / "new.ini"));
  EXPECT_EQ(ReadBytes(shared / "nobody.ini"), "[S]\r\nk=3\r\n");
}
#endif  // _WIN32

}  // namespace
}  // namespace favpage::platform

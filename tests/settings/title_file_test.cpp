#include <gtest/gtest.h>
#include <signal.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/io_error.h"
#include "base/messages.h"
#include "generate/memory_title_text.h"
#include "platform/codepage.h"
#include "platform/folders.h"
#include "platform/host_file.h"
#include "settings/title_file.h"
#include "support/test_support.h"

namespace favpage {
namespace {

using test::Sjis;

std::vector<std::string> Lines(const TitleLines& lines) {
  std::vector<std::string> all;
  for (int i = 0; i < lines.LineCount(); ++i) all.push_back(lines.Line(i));
  return all;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

std::string CannotCreate(const std::filesystem::path& hostPath, int code) {
  return Sjis("ファイル \"" + hostPath.string() + "\". ") + platform::SystemErrorText(code) +
         Sjis(" を作成できません");
}

struct RoundTrip {
  const char* name;
  std::string file;
  std::string text;  // what the edit holds after loading
  std::vector<std::string> lines;
};

TEST(TitleFile, LoadsTheTextAndSavesItBackByteForByte) {
  const std::string soft = Sjis("ソフト表示");  // second bytes 0x5C
  const std::string ability = Sjis("能力予定");
  const RoundTrip cases[] = {
      {"crlf", "A\r\nB\r\n", "A\r\nB\r\n", {"A", "B"}},
      {"no final line end", "A\r\nB", "A\r\nB", {"A", "B"}},
      {"lf only", "A\nB\n", "A\r\nB\r\n", {"A", "B"}},
      {"cr only", "A\rB\r", "A\r\nB\r\n", {"A", "B"}},
      {"mixed", "A\r\n\nB\rC", "A\r\n\r\nB\r\nC", {"A", "", "B", "C"}},
      {"one line end", "\r\n", "\r\n", {""}},
      {"empty", "", "", {}},
      {"nul inside", std::string("A\r\nB\0C\r\nD", 9), "A\r\nB", {"A", "B"}},
      {"nul first", std::string("\0A", 2), "", {}},
      {"shift_jis",
       soft + "\n" + ability + "\r" + soft,
       soft + "\r\n" + ability + "\r\n" + soft,
       {soft, ability, soft}},
      // CR and LF are never second bytes: a lead byte before one still ends its line.
      {"lead byte before a line end",
       "Caf\xE9\r\nX\xE9\nY\x82\rZ\x82",
       "Caf\xE9\r\nX\xE9\r\nY\x82\r\nZ\x82",
       {"Caf\xE9", "X\xE9", "Y\x82", "Z\x82"}},
  };
  for (const RoundTrip& c : cases) {
    test::TempDir dir;
    test::WriteBytes(dir.hostPath("favpage.tit"), c.file);
    MemoryTitleText edit;
    EXPECT_EQ(LoadTitleFile(dir.internal("favpage.tit"), edit), TitleLoad::kLoaded) << c.name;
    EXPECT_EQ(edit.Text(), c.text) << c.name;
    EXPECT_EQ(Lines(edit), c.lines) << c.name;

    SaveTitleLines(dir.internal("favpage.tit"), edit);
    EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), c.text) << c.name;
    EXPECT_EQ(FolderEntries(dir.host()), std::vector<std::string>{"favpage.tit"}) << c.name;
  }
}

// An edit that counts its replacements and refuses texts longer than `limit`.
class SmallEdit : public TitleText {
 public:
  explicit SmallEdit(std::string text, std::size_t limit = 100) : text_(text), limit_(limit) {}
  std::string Text() const override { return text_; }
  bool SetText(const std::string& text) override {
    ++sets;
    if (text.size() > limit_) return false;
    text_ = text;
    return true;
  }
  int sets = 0;

 private:
  std::string text_;
  std::size_t limit_;
};

TEST(TitleFile, FallbackTitleIsAddedAsANewLastLineWhenLoadingFails) {
  test::TempDir dir;
  const std::string fallback = Sjis("私のお気に入り");
  EXPECT_EQ(FallbackTitle(), fallback);

  MemoryTitleText missing;
  EXPECT_EQ(LoadTitleFile(dir.internal("none.tit"), missing), TitleLoad::kMissing);
  EXPECT_EQ(missing.Text(), fallback + "\r\n");
  EXPECT_EQ(Lines(missing), std::vector<std::string>{fallback});

  SmallEdit ended("A\r\n");
  EXPECT_FALSE(LoadTitleLines(dir.internal("none.tit"), ended));
  EXPECT_EQ(ended.Text(), "A\r\n" + fallback + "\r\n");
  SmallEdit open("A");
  EXPECT_FALSE(LoadTitleLines(dir.internal("none.tit"), open));
  EXPECT_EQ(open.Text(), "A\r\n" + fallback);

  // The edit refuses the file's text as too large.
  test::WriteBytes(dir.hostPath("big.tit"), std::string(500, 'x'));
  SmallEdit small("");
  EXPECT_EQ(LoadTitleFile(dir.internal("big.tit"), small), TitleLoad::kFailed);
  EXPECT_EQ(small.Text(), fallback + "\r\n");

  // Held open for writing by another opener.
  test::WriteBytes(dir.hostPath("held.tit"), "Mine\r\n");
  platform::HostFile writer;
  ASSERT_EQ(writer.Open(dir.internal("held.tit"), platform::FileAccess::kAppend,
                        platform::FileShare::kRead),
            0);
  MemoryTitleText held;
  EXPECT_EQ(LoadTitleFile(dir.internal("held.tit"), held), TitleLoad::kFailed);
  EXPECT_EQ(held.Text(), fallback + "\r\n");

  // A folder where the file should be.
  std::filesystem::create_directory(dir.hostPath("dir.tit"));
  MemoryTitleText folder;
  EXPECT_EQ(LoadTitleFile(dir.internal("dir.tit"), folder), TitleLoad::kFailed);
  EXPECT_EQ(folder.Text(), fallback + "\r\n");
}

TEST(TitleFile, LoadLeavesAnEqualTextAlone) {
  test::TempDir dir;
  test::WriteBytes(dir.hostPath("t.tit"), "A\nB");
  SmallEdit edit("A\r\nB");
  EXPECT_TRUE(LoadTitleLines(dir.internal("t.tit"), edit));
  EXPECT_EQ(edit.sets, 0);
}

TEST(TitleFile, SaveFailuresNameTheFileAndKeepTheStoredOne) {
  test::TempDir dir;
  MemoryTitleText edit;
  edit.SetText("New\r\n");

  try {
    SaveTitleLines(dir.internal("missing\\favpage.tit"), edit);
    FAIL() << "saved into a missing folder";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(),
              CannotCreate(dir.hostPath("missing/favpage.tit"), io_code::kPathNotFound));
  }

  test::WriteBytes(dir.hostPath("ro.tit"), "Old\r\n");
  std::filesystem::permissions(dir.hostPath("ro.tit"), std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::group_read |
                                                           std::filesystem::perms::others_read);
  try {
    SaveTitleLines(dir.internal("ro.tit"), edit);
    FAIL() << "a read-only title file was replaced";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), CannotCreate(dir.hostPath("ro.tit"), io_code::kAccessDenied));
  }
  EXPECT_EQ(test::ReadBytes(dir.hostPath("ro.tit")), "Old\r\n");

  test::WriteBytes(dir.hostPath("held.tit"), "Old\r\n");
  {
    platform::HostFile reader;
    ASSERT_EQ(reader.Open(dir.internal("held.tit"), platform::FileAccess::kRead,
                          platform::FileShare::kRead),
              0);
    try {
      SaveTitleLines(dir.internal("held.tit"), edit);
      FAIL() << "a title file held open was replaced";
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), CannotCreate(dir.hostPath("held.tit"), io_code::kSharingViolation));
    }
  }
  EXPECT_EQ(test::ReadBytes(dir.hostPath("held.tit")), "Old\r\n");
  EXPECT_EQ(FolderEntries(dir.host()).size(), 2u);  // ro.tit and held.tit, no leftovers
}

// POSIX hosts only: a full disk is made with a file size limit in a forked child.
#ifndef _WIN32
// Runs `body` in a child process whose files may not grow beyond `limit` bytes, as on a
// full disk; the child's exit status.
int RunWithFileSizeLimit(rlim_t limit, const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit cap{limit, limit};
    setrlimit(RLIMIT_FSIZE, &cap);
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(TitleFile, FailedWriteLeavesTheOldFileWhole) {
  test::TempDir dir;
  const std::string old = Sjis("私のリンク集\r\n更新\r\n");
  test::WriteBytes(dir.hostPath("favpage.tit"), old);
  const std::string path = dir.internal("favpage.tit");

  const int status = RunWithFileSizeLimit(4096, [&] {
    MemoryTitleText edit;
    edit.SetText(std::string(100000, 'x'));
    try {
      SaveTitleLines(path, edit);
      return 1;
    } catch (const Error& error) {
      return std::string(error.what()) == msg::kStreamWriteError ? 0 : 2;
    }
  });
  EXPECT_EQ(status, 0) << "1: saved, 2: another message";
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), old);
  EXPECT_EQ(FolderEntries(dir.host()), std::vector<std::string>{"favpage.tit"});
}
#endif  // _WIN32

TEST(TitleFile, ShutDownKeepsTheStoredFileWhenStartUpNeverLoadedIt) {
  test::TempDir dir;
  const std::string stored = "Links\r\nUpdated weekly\r\n";
  test::WriteBytes(dir.hostPath("favpage.tit"), stored);
  const std::string path = dir.internal("favpage.tit");

  // Start-up stopped before loading: the edit is still empty.
  MemoryTitleText empty;
  TitleFileGuard stopped;
  EXPECT_FALSE(stopped.Save(path, empty));
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), stored);
  EXPECT_FALSE(stopped.Save(dir.internal("none.tit"), empty));
  EXPECT_FALSE(std::filesystem::exists(dir.hostPath("none.tit")));

  // ...but what the user typed afterwards is kept.
  MemoryTitleText typed;
  typed.SetText("Typed");
  stopped.MarkEdited();
  EXPECT_TRUE(stopped.Save(path, typed));
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), "Typed");

  // A file that exists but could not be read is not replaced by the fallback title.
  test::WriteBytes(dir.hostPath("favpage.tit"), stored);
  MemoryTitleText edit;
  TitleFileGuard guard;
  {
    platform::HostFile writer;
    ASSERT_EQ(writer.Open(path, platform::FileAccess::kAppend, platform::FileShare::kRead), 0);
    EXPECT_EQ(guard.Load(path, edit), TitleLoad::kFailed);
  }
  EXPECT_FALSE(guard.Save(path, edit));
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), stored);

  // A loaded text, and the fallback for a missing file, are saved.
  MemoryTitleText loaded;
  TitleFileGuard normal;
  EXPECT_EQ(normal.Load(path, loaded), TitleLoad::kLoaded);
  loaded.SetText(loaded.Text() + "More\r\n");
  normal.MarkEdited();
  EXPECT_TRUE(normal.Save(path, loaded));
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), stored + "More\r\n");

  MemoryTitleText fresh;
  TitleFileGuard first;
  EXPECT_EQ(first.Load(dir.internal("new.tit"), fresh), TitleLoad::kMissing);
  EXPECT_TRUE(first.Save(dir.internal("new.tit"), fresh));
  EXPECT_EQ(test::ReadBytes(dir.hostPath("new.tit")), Sjis("私のお気に入り\r\n"));
}

// An edit that holds its text as Unicode, as the window's does: what is not Shift_JIS,
// and the second code of a character with two, come back changed.
class UnicodeEdit : public TitleText {
 public:
  std::string Text() const override { return platform::Utf8ToSjis(unicode_); }
  bool SetText(const std::string& text) override {
    unicode_ = platform::SjisToUtf8(text);
    return true;
  }

 private:
  std::string unicode_;
};

struct UneditedSave {
  const char* name;
  std::optional<std::string> file;   // none: no title file
  std::optional<std::string> saved;  // none: the file is left as it was
};

TEST(TitleFile, UneditedTitleIsSavedOnlyWhenTheEditGivesTheLoadedTextBack) {
  const UneditedSave cases[] = {
      {"crlf", "A\r\nB", "A\r\nB"},
      {"lf only, as documented", "A\nB\n", "A\r\nB\r\n"},
      {"missing file", std::nullopt, Sjis("私のお気に入り\r\n")},
      {"latin-1", "Caf\xE9\r\n", std::nullopt},
      {"utf-8", "caf\xC3\xA9 \xE3\x81\x82\n\xE3\x81\x84\n", std::nullopt},
      {"nec duplicate code", "\xED\x40\r\n", std::nullopt},
      {"text after a nul", std::string("A\r\nB\0C", 6), std::nullopt},
  };
  for (const UneditedSave& c : cases) {
    test::TempDir dir;
    const std::string path = dir.internal("favpage.tit");
    if (c.file) test::WriteBytes(dir.hostPath("favpage.tit"), *c.file);
    UnicodeEdit edit;
    TitleFileGuard guard;
    guard.Load(path, edit);
    EXPECT_EQ(guard.Save(path, edit), c.saved.has_value()) << c.name;
    if (const auto& expected = c.saved ? c.saved : c.file) {
      EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), *expected) << c.name;
    }

    // Once the user has edited it, the edit's text is what the user wants kept.
    guard.MarkEdited();
    EXPECT_TRUE(guard.Save(path, edit)) << c.name;
    EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.tit")), edit.Text()) << c.name;
  }
}

#ifndef _WIN32  // mode bits, owners and symbolic links are POSIX's
TEST(TitleFile, SaveWritesThroughALinkAndKeepsModeAndOwner) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.hostPath("app"));
  test::WriteBytes(dir.hostPath("shared.tit"), "Old\r\n");
  std::filesystem::create_symlink("../shared.tit", dir.hostPath("app/favpage.tit"));
  ASSERT_EQ(chmod(dir.hostPath("shared.tit").c_str(), 0600), 0);
  ASSERT_EQ(chown(dir.hostPath("shared.tit").c_str(), 65534, 65534), 0);
  MemoryTitleText edit;
  edit.SetText("New\r\n");
  SaveTitleLines(dir.internal("app\\favpage.tit"), edit);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.hostPath("app/favpage.tit")));
  EXPECT_EQ(test::ReadBytes(dir.hostPath("shared.tit")), "New\r\n");
  struct stat info {};
  ASSERT_EQ(stat(dir.hostPath("shared.tit").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(info.st_uid, 65534u);
  EXPECT_EQ(info.st_gid, 65534u);
}
#endif

TEST(MemoryTitleText, LinesAreSplitAtCrLfAndCutTo4096Bytes) {
  MemoryTitleText edit;
  EXPECT_EQ(edit.LineCount(), 0);
  EXPECT_EQ(edit.Line(0), "");
  edit.SetText("A\r\n\r\nB\rC\nD\r\n");
  EXPECT_EQ(Lines(edit), (std::vector<std::string>{"A", "", "B\rC\nD"}));
  EXPECT_EQ(edit.Line(3), "");
  EXPECT_EQ(edit.Line(-1), "");
  edit.SetText("\r\n\r\n");
  EXPECT_EQ(Lines(edit), (std::vector<std::string>{"", ""}));

  const std::string kanji = Sjis("表");
  edit.SetText(std::string(5000, 'a') + "\r\n" + std::string(4095, 'b') + kanji + "\r\nc");
  ASSERT_EQ(edit.LineCount(), 3);
  EXPECT_EQ(edit.Line(0), std::string(4096, 'a'));
  EXPECT_EQ(edit.Line(1), std::string(4095, 'b'));  // the character does not fit whole
  EXPECT_EQ(edit.Line(2), "c");
}

}  // namespace
}  // namespace favpage

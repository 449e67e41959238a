#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "base/io_error.h"
#include "generate/memory_title_text.h"
#include "platform/folders.h"
#include "platform/profile.h"
#include "settings/settings_file.h"
#include "settings/title_file.h"
#include "support/test_support.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

using test::CrLfLines;
using test::Sjis;

TEST(SettingsFile, LiesBesideTheExecutable) {
  EXPECT_EQ(SettingsFilePath("C:\\Tools\\favpage.exe"), "C:\\Tools\\favpage.INI");
  EXPECT_EQ(TitleFilePath("C:\\Tools\\favpage.exe"), "C:\\Tools\\favpage.tit");
  EXPECT_EQ(SettingsFilePath("\\usr\\bin\\favpage"), "\\usr\\bin\\favpage.INI");
  EXPECT_EQ(TitleFilePath("\\opt\\x.y\\favpage"), "\\opt\\x.y\\favpage.tit");
  EXPECT_EQ(SettingsFilePath("\\opt\\favpage.1.0.exe"), "\\opt\\favpage.1.0.INI");
}

#ifndef _WIN32  // the configuration folder is found through XDG on POSIX
// Beside the program while its folder may be written (a portable copy); in the user's
// configuration folder otherwise (a copy installed in a system folder).
TEST(SettingsFile, StoredBesideTheProgramOrInTheUsersConfigurationFolder) {
  test::TempDir dir;
  namespace fs = std::filesystem;
  fs::create_directories(dir.hostPath("portable"));
  fs::create_directories(dir.hostPath("system"));
  fs::permissions(dir.hostPath("system"), fs::perms::owner_write, fs::perm_options::remove);
  const std::string xdg = dir.hostPath("xdg").string();
  const std::string home = dir.hostPath("home").string();
  const struct {
    const char* exe;
    const char* xdg;
    const char* folder;
  } cases[] = {
      {"portable\\favpage", xdg.c_str(), "portable\\"},
      {"portable\\favpage-cli", nullptr, "portable\\"},
      {"system\\favpage", xdg.c_str(), "xdg\\favpage\\"},
      {"system\\favpage", nullptr, "home\\.config\\favpage\\"},
      {"missing\\favpage", xdg.c_str(), "xdg\\favpage\\"},
  };
  test::EnvOverride homeOverride("HOME", home.c_str());
  for (const auto& c : cases) {
    test::EnvOverride config("XDG_CONFIG_HOME", c.xdg);
    const std::string exe = dir.internal(c.exe);
    const std::string folder = dir.internal(c.folder);
    SCOPED_TRACE(std::string(c.exe) + (c.xdg ? " with XDG_CONFIG_HOME" : ""));
    EXPECT_EQ(StoredFilesFolder(ExtractFilePath(exe)), folder);
    EXPECT_EQ(StoredSettingsPath(exe), folder + ExtractFileName(exe) + ".INI");
    EXPECT_EQ(StoredTitlePath(exe), folder + ExtractFileName(exe) + ".tit");
  }
  // Deciding where the files go creates nothing.
  EXPECT_FALSE(fs::exists(dir.hostPath("xdg")));
  EXPECT_FALSE(fs::exists(dir.hostPath("home/.config")));
}
#endif

#ifndef _WIN32  // the configuration folder is found through XDG on POSIX
// The configuration folder appears with the first setting or title text written to it.
TEST(SettingsFile, FirstWriteCreatesTheConfigurationFolder) {
  test::TempDir dir;
  namespace fs = std::filesystem;
  fs::create_directories(dir.hostPath("system"));
  fs::permissions(dir.hostPath("system"), fs::perms::owner_write, fs::perm_options::remove);
  test::EnvOverride config("XDG_CONFIG_HOME", dir.hostPath("cfg/nested").c_str());
  const std::string exe = dir.internal("system\\favpage");

  SettingsFile settings(StoredSettingsPath(exe));
  settings.WriteInteger(kSetupSection, setup_key::kOutType, 1);
  EXPECT_EQ(test::ReadBytes(dir.hostPath("cfg/nested/favpage/favpage.INI")),
            CrLfLines({"[Setup]", "OutType=1"}));
  EXPECT_EQ(ReadStoredSettings(SettingsFile(StoredSettingsPath(exe))).OutType, 1);
  fs::remove_all(dir.hostPath("cfg"));

  MemoryTitleText title;
  title.SetText("A\r\n");
  SaveTitleLines(StoredTitlePath(exe), title);
  EXPECT_EQ(test::ReadBytes(dir.hostPath("cfg/nested/favpage/favpage.tit")), "A\r\n");
  EXPECT_EQ(fs::directory_iterator(dir.hostPath("system")), fs::directory_iterator());

  // A configuration folder that cannot be made is the usual refusal, naming the file.
  fs::remove_all(dir.hostPath("cfg"));
  test::WriteBytes(dir.hostPath("cfg"), "");
  EXPECT_THROW(settings.WriteInteger(kSetupSection, setup_key::kOutType, 1), Error);
}
#endif

TEST(SettingsFile, MissingFileReadsAsAllDefaults) {
  test::TempDir dir;
  const SettingsState state = ReadStoredSettings(SettingsFile(dir.internal("none.INI")));
  EXPECT_EQ(state.OutName, "");
  EXPECT_EQ(state.OutType, 0);
  EXPECT_FALSE(state.ReturnFlag);
  EXPECT_EQ(state.ReturnLine, Sjis("ＨＰに戻る"));
  EXPECT_EQ(state.ReturnURL, kDefaultReturnURL);
  EXPECT_EQ(state.StyleType, 0);
  EXPECT_FALSE(state.SetBlank);
  EXPECT_EQ(state.FavoritePath, kFavoritePathPlaceholder);
  EXPECT_FALSE(std::filesystem::exists(dir.hostPath("none.INI")));
}

TEST(SettingsFile, StoredValuesAsStartUpSeesThem) {
  test::TempDir dir;
  test::WriteBytes(
      dir.hostPath("f.INI"),
      CrLfLines({"[Setup]", "OutName=C:\\web\\links.html", "OutType=257", "ReturnFlag=yes",
                 "ReturnLine=", "ReturnURL=", "StyleType=5", "SetBlank=2"}));
  const SettingsState state = ReadStoredSettings(SettingsFile(dir.internal("f.INI")));
  EXPECT_EQ(state.OutName, "C:\\web\\links.html");
  EXPECT_EQ(state.OutType, 1);
  EXPECT_FALSE(state.ReturnFlag);
  EXPECT_EQ(state.ReturnLine, "");  // present but empty: not the default
  EXPECT_EQ(state.ReturnURL, "");
  EXPECT_EQ(state.StyleType, 5);
  EXPECT_TRUE(state.SetBlank);

  for (const auto& [stored, expected] :
       {std::pair{"256", 0}, {"-1", 255}, {"7", 7}, {"0x1", 1}, {"$1FF", 255}, {"abc", 0}}) {
    test::WriteBytes(dir.hostPath("f.INI"),
                     CrLfLines({"[Setup]", std::string("OutType=") + stored}));
    EXPECT_EQ(ReadStoredSettings(SettingsFile(dir.internal("f.INI"))).OutType, expected) << stored;
  }
}

// Start-up takes every setting from one read of the file: each read of that reader
// answers what a read of the file itself answers, whatever the file holds.
TEST(SettingsFile, OneReadAnswersAsTheFileDoes) {
  test::TempDir dir;
  std::string utf16 = "\xFF\xFE";
  for (const char c : std::string("[Setup]\r\nStyleType=2\r\nOutName=\"C:\\a b.html\"\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  // clang-format off
  const struct {
    const char* name;
    std::string bytes;  // empty: no file
  } files[] = {
      {"missing", ""},
      {"plain", CrLfLines({"[Setup]", "OutName=C:\\web\\links.html", "OutType=1",
                           "StyleType=3", "WindowLeft=12", "WindowWidth=600"})},
      {"blanks, quotes and letter case", CrLfLines({" [ setup ] ", "  outname =  \"x y\"  ",
                                                    "STYLETYPE=\t2 ", "ReturnLine=", "Charset=UTF-8"})},
      {"Shift_JIS values", CrLfLines({"[Setup]", "ReturnLine=" + Sjis("ＨＰに戻る"),
                                      "OutName=" + Sjis("C:\\表\\リンク.html")})},
      {"two sections", CrLfLines({"[Other]", "OutName=no", "[Setup]", "OutName=yes",
                                  "[Setup]", "OutName=later"})},
      {"LF line ends, no last end", "[Setup]\nStyleType=1\nOutType=257"},
      {"a long value", CrLfLines({"[Setup]", "ReturnURL=" + std::string(3000, 'u')})},
      {"UTF-16", utf16},
  };
  // clang-format on
  const char* keys[] = {"OutName",    "OutType",   "ReturnFlag",  "ReturnLine",
                        "ReturnURL",  "StyleType", "SetBlank",    "Charset",
                        "WindowLeft", "WindowTop", "WindowWidth", "Missing"};
  for (const auto& file : files) {
    const std::string path = dir.internal("f.INI");
    std::filesystem::remove(dir.hostPath("f.INI"));
    if (!file.bytes.empty()) test::WriteBytes(dir.hostPath("f.INI"), file.bytes);
    const SettingsFile eachRead(path);
    const SettingsFile oneRead = SettingsFile::ReadOnce(path);
    for (const char* key : keys) {
      EXPECT_EQ(oneRead.ReadString(kSetupSection, key, "def  "),
                eachRead.ReadString(kSetupSection, key, "def  "))
          << file.name << ": " << key;
    }
    const SettingsState a = ReadStoredSettings(oneRead);
    const SettingsState b = ReadStoredSettings(eachRead);
    EXPECT_EQ(std::tie(a.OutName, a.OutType, a.ReturnFlag, a.ReturnLine, a.ReturnURL, a.StyleType,
                       a.SetBlank, a.Source, a.Charset, a.ScriptLinks, a.SourceFolder, a.Format),
              std::tie(b.OutName, b.OutType, b.ReturnFlag, b.ReturnLine, b.ReturnURL, b.StyleType,
                       b.SetBlank, b.Source, b.Charset, b.ScriptLinks, b.SourceFolder, b.Format))
        << file.name;
    EXPECT_EQ(ReadWindowPlace(oneRead), ReadWindowPlace(eachRead)) << file.name;
  }
}

// The file is read when the reader is made, and not again until it writes.
TEST(SettingsFile, OneReadIsTheFileAsItWasUntilAWrite) {
  test::TempDir dir;
  const std::string path = dir.internal("f.INI");
  test::WriteBytes(dir.hostPath("f.INI"), CrLfLines({"[Setup]", "StyleType=2", "OutType=1"}));
  SettingsFile settings = SettingsFile::ReadOnce(path);
  std::filesystem::remove(dir.hostPath("f.INI"));
  EXPECT_EQ(settings.ReadInteger(kSetupSection, setup_key::kStyleType, 0), 2);
  EXPECT_EQ(settings.ReadInteger(kSetupSection, setup_key::kOutType, 0), 1);
  EXPECT_EQ(SettingsFile(path).ReadInteger(kSetupSection, setup_key::kStyleType, 0), 0);

  settings.WriteInteger(kSetupSection, setup_key::kStyleType, 3);
  EXPECT_EQ(settings.ReadInteger(kSetupSection, setup_key::kStyleType, 0), 3);
  EXPECT_EQ(settings.ReadInteger(kSetupSection, setup_key::kOutType, 0), 0);  // the file now
  EXPECT_EQ(test::ReadBytes(dir.hostPath("f.INI")), CrLfLines({"[Setup]", "StyleType=3"}));
}

TEST(SettingsFile, LongValueReadsBackCutTo2047Bytes) {
  test::TempDir dir;
  std::string value;
  for (int i = 0; i < 3000; ++i) value += static_cast<char>('a' + i % 26);
  SettingsFile file(dir.internal("f.INI"));
  file.WriteString("Setup", "OutName", value);
  EXPECT_EQ(file.ReadString("Setup", "OutName", "x"), value.substr(0, 2047));
}

TEST(SettingsFile, ShutDownWritesTheSevenKeysInOrderIntoANewFile) {
  test::TempDir dir;
  SettingsState state;
  state.OutName = Sjis("C:\\ソフト\\表示.html");  // second bytes 0x5C
  state.OutType = 255;
  state.ReturnFlag = true;
  state.ReturnLine = Sjis("ＨＰに戻る");
  state.ReturnURL = "../index.html";
  state.StyleType = -1;
  state.SetBlank = false;
  SettingsFile file(dir.internal("new.INI"));
  WriteStoredSettings(file, state);

  EXPECT_EQ(test::ReadBytes(dir.hostPath("new.INI")),
            CrLfLines({"[Setup]", "OutName=" + state.OutName, "OutType=255", "ReturnFlag=1",
                       "ReturnLine=" + state.ReturnLine, "ReturnURL=../index.html", "StyleType=-1",
                       "SetBlank=0"}));

  const SettingsState back = ReadStoredSettings(file);
  EXPECT_EQ(back.OutName, state.OutName);
  EXPECT_EQ(back.OutType, 255);
  EXPECT_TRUE(back.ReturnFlag);
  EXPECT_EQ(back.ReturnLine, state.ReturnLine);
  EXPECT_EQ(back.ReturnURL, state.ReturnURL);
  EXPECT_EQ(back.StyleType, -1);
  EXPECT_FALSE(back.SetBlank);
}

TEST(SettingsFile, WriteKeepsOtherSectionsAndComments) {
  test::TempDir dir;
  const std::string before = CrLfLines({"; made by hand", "[Other]", "OutName=keep me", "",
                                        "[setup]", "; the output", "OutName=old", "Extra=1"});
  test::WriteBytes(dir.hostPath("f.INI"), before);
  SettingsFile file(dir.internal("f.INI"));
  SettingsState state;
  state.OutName = "new";
  WriteStoredSettings(file, state);

  const std::string after = test::ReadBytes(dir.hostPath("f.INI"));
  EXPECT_EQ(after.rfind(CrLfLines({"; made by hand", "[Other]", "OutName=keep me", "", "[setup]",
                                   "; the output", "OutName=new", "Extra=1"}),
                        0),
            0u)
      << after;
  EXPECT_EQ(file.ReadString("Other", "OutName", ""), "keep me");
  EXPECT_EQ(file.ReadString("Setup", "Extra", ""), "1");
  EXPECT_EQ(ReadStoredSettings(file).OutName, "new");
  EXPECT_EQ(file.ReadString("Setup", "SetBlank", "missing"), "0");
}

TEST(SettingsFile, RefusedWriteNamesTheFileAsTheUserSeesIt) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.hostPath("ソフト表示"));
  const std::string before = CrLfLines({"[Setup]", "OutName=old"});
  test::WriteBytes(dir.hostPath("ソフト表示/favpage.INI"), before);
  std::filesystem::permissions(dir.hostPath("ソフト表示/favpage.INI"),
                               std::filesystem::perms::owner_read |
                                   std::filesystem::perms::group_read |
                                   std::filesystem::perms::others_read);

  SettingsFile file(dir.internal("ソフト表示\\favpage.INI"));
  SettingsState state;
  try {
    WriteStoredSettings(file, state);
    FAIL() << "a read-only settings file was written";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(),
              Sjis(dir.hostPath("ソフト表示/favpage.INI").string() + " に書き込めません"));
  }
  EXPECT_EQ(test::ReadBytes(dir.hostPath("ソフト表示/favpage.INI")), before);

  SettingsFile nowhere(dir.internal("missing\\favpage.INI"));
  EXPECT_THROW(nowhere.WriteBool("Setup", "SetBlank", true), Error);
  EXPECT_FALSE(std::filesystem::exists(dir.hostPath("missing")));
}

TEST(SettingsFile, OutputDirIsTheChosenFilesFolder) {
  test::TempDir dir;
  SettingsFile file(dir.internal("f.INI"));
  EXPECT_EQ(ReadOutputDir(file), "");  // the window then picks a folder of its own

  const std::pair<std::string, std::string> cases[] = {
      {"C:\\links.html", "C:\\"},
      {"D:\\site\\a.html", "D:\\site"},
      {"\\home\\me\\web\\a.html", "\\home\\me\\web"},
      {"\\a.html", "\\"},
      {Sjis("C:\\ソフト\\表\\a.html"), Sjis("C:\\ソフト\\表")},
  };
  for (const auto& [chosen, folder] : cases) {
    WriteOutputDir(file, chosen);
    EXPECT_EQ(ReadOutputDir(SettingsFile(dir.internal("f.INI"))), folder) << chosen;
  }
}

}  // namespace
}  // namespace favpage

namespace favpage {
namespace {

// Source, Charset and ScriptLinks are later keys: a file that never chose them gets none,
// so an older program reads it as it always did; a choice is stored, and undoing it is
// stored too rather than left behind.
TEST(SettingsFile, SourceAndCharsetAreWrittenOnlyOnceChosen) {
  const std::string seven = "[Setup]\r\nOutName=\r\nOutType=0\r\nReturnFlag=0\r\nReturnLine=" +
                            std::string(kDefaultReturnLine) + "\r\nReturnURL=" + kDefaultReturnURL +
                            "\r\nStyleType=0\r\nSetBlank=0\r\n";
  const struct {
    const char* source;
    PageCharset charset;
    bool scriptLinks;
    std::string tail;  // after the seven keys of the first write
  } cases[] = {
      {"", PageCharset::kShiftJis, false, ""},
      {"firefox", PageCharset::kShiftJis, false, "Source=firefox\r\n"},
      {"", PageCharset::kUtf8, false, "Charset=utf-8\r\n"},
      {"\\home\\me\\Bookmarks", PageCharset::kUtf8, false,
       "Source=\\home\\me\\Bookmarks\r\nCharset=utf-8\r\n"},
      {"", PageCharset::kShiftJis, true, "ScriptLinks=1\r\n"},
      {"chrome", PageCharset::kShiftJis, true, "Source=chrome\r\nScriptLinks=1\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tail);
    test::TempDir dir;
    SettingsFile file(dir.internal("favpage.INI"));
    SettingsState state = ReadStoredSettings(file);
    EXPECT_EQ(state.Source, "");
    EXPECT_EQ(state.Charset, PageCharset::kShiftJis);
    EXPECT_FALSE(state.ScriptLinks);
    state.Source = c.source;
    state.Charset = c.charset;
    state.ScriptLinks = c.scriptLinks;
    WriteStoredSettings(file, state);
    EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.INI")), seven + c.tail);
    const SettingsState back = ReadStoredSettings(file);
    EXPECT_EQ(back.Source, c.source);
    EXPECT_EQ(back.Charset, c.charset);
    EXPECT_EQ(back.ScriptLinks, c.scriptLinks);

    // Back to the favorites folder, Shift_JIS and no script links: the keys stay, emptied
    // or reset.
    state.Source.clear();
    state.Charset = PageCharset::kShiftJis;
    state.ScriptLinks = false;
    WriteStoredSettings(file, state);
    const SettingsState undone = ReadStoredSettings(file);
    EXPECT_EQ(undone.Source, "");
    EXPECT_EQ(undone.Charset, PageCharset::kShiftJis);
    EXPECT_FALSE(undone.ScriptLinks);
    if (c.scriptLinks) {
      EXPECT_NE(test::ReadBytes(dir.hostPath("favpage.INI")).find("ScriptLinks=0\r\n"),
                std::string::npos);
    }
  }
}

// SourceFolder likewise; it is quoted, so a name's own blanks and quotes at either end
// come back as they were.
TEST(SettingsFile, SourceFolderIsWrittenOnlyOnceChosenAndReadBackWhole) {
  const struct {
    std::string folder;
    std::string line;
  } cases[] = {
      {"Bar", "SourceFolder=\"Bar\"\r\n"},
      {" Bar /Dev ", "SourceFolder=\" Bar /Dev \"\r\n"},
      {"\"quoted\"", "SourceFolder=\"\"quoted\"\"\r\n"},
      {"a\\/b", "SourceFolder=\"a\\/b\"\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    test::TempDir dir;
    SettingsFile file(dir.internal("favpage.INI"));
    SettingsState state = ReadStoredSettings(file);
    WriteStoredSettings(file, state);
    EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.INI")).find("SourceFolder"), std::string::npos);
    state.SourceFolder = c.folder;
    WriteStoredSettings(file, state);
    EXPECT_NE(test::ReadBytes(dir.hostPath("favpage.INI")).find(c.line), std::string::npos);
    EXPECT_EQ(ReadStoredSettings(file).SourceFolder, c.folder);
    state.SourceFolder.clear();
    WriteStoredSettings(file, state);
    EXPECT_EQ(ReadStoredSettings(file).SourceFolder, "");
  }
}

TEST(SettingsFile, CharsetNamesReadInAnyLetterCase) {
  const struct {
    const char* stored;
    PageCharset charset;
  } cases[] = {{"utf-8", PageCharset::kUtf8},
               {"UTF8", PageCharset::kUtf8},
               {"Shift_JIS", PageCharset::kShiftJis},
               {"latin1", PageCharset::kShiftJis},
               {"", PageCharset::kShiftJis}};
  for (const auto& c : cases) {
    test::TempDir dir;
    test::WriteBytes(dir.hostPath("s.INI"), std::string("[Setup]\r\nCharset=") + c.stored + "\r\n");
    EXPECT_EQ(ReadStoredSettings(SettingsFile(dir.internal("s.INI"))).Charset, c.charset)
        << c.stored;
  }
}

}  // namespace
}  // namespace favpage

namespace favpage {
namespace {

// PageFormat is a later key too: written only once HTML5 is chosen, reset when undone,
// and anything but "html5" (in any letter case) reads as the classic format.
TEST(SettingsFile, PageFormatIsWrittenOnlyOnceChosen) {
  test::TempDir dir;
  SettingsFile file(dir.internal("favpage.INI"));
  SettingsState state = ReadStoredSettings(file);
  EXPECT_EQ(state.Format, PageFormat::kClassic);
  WriteStoredSettings(file, state);
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.INI")).find("PageFormat"), std::string::npos);

  state.Format = PageFormat::kHtml5;
  WriteStoredSettings(file, state);
  EXPECT_NE(test::ReadBytes(dir.hostPath("favpage.INI")).find("\r\nPageFormat=html5\r\n"),
            std::string::npos);
  EXPECT_EQ(ReadStoredSettings(file).Format, PageFormat::kHtml5);

  state.Format = PageFormat::kClassic;
  WriteStoredSettings(file, state);
  EXPECT_NE(test::ReadBytes(dir.hostPath("favpage.INI")).find("\r\nPageFormat=classic\r\n"),
            std::string::npos);
  EXPECT_EQ(ReadStoredSettings(file).Format, PageFormat::kClassic);

  const struct {
    const char* stored;
    PageFormat format;
  } values[] = {{"HTML5", PageFormat::kHtml5},
                {"Html5", PageFormat::kHtml5},
                {"html", PageFormat::kClassic},
                {"html5x", PageFormat::kClassic},
                {"", PageFormat::kClassic}};
  for (const auto& value : values) {
    SCOPED_TRACE(value.stored);
    test::WriteBytes(dir.hostPath("favpage.INI"),
                     std::string("[Setup]\r\nPageFormat=") + value.stored + "\r\n");
    EXPECT_EQ(ReadStoredSettings(SettingsFile(dir.internal("favpage.INI"))).Format, value.format);
  }
}

// The window's place is stored only once it differs from the laid-out one, key by key;
// a key stored before is rewritten, also back to its laid-out value.
TEST(SettingsFile, WindowPlaceIsWrittenOnlyWhereItDiffers) {
  test::TempDir dir;
  SettingsFile file(dir.internal("favpage.INI"));
  EXPECT_EQ(ReadWindowPlace(file), WindowPlace{});
  WriteWindowPlace(file, WindowPlace{});
  EXPECT_FALSE(std::filesystem::exists(dir.hostPath("favpage.INI")));

  WriteWindowPlace(file, {335, -20, 800, 565});
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.INI")),
            "[Setup]\r\nWindowTop=-20\r\nWindowWidth=800\r\n");
  EXPECT_EQ(ReadWindowPlace(file), (WindowPlace{335, -20, 800, 565}));

  WriteWindowPlace(file, {1200, 114, 480, 600});
  EXPECT_EQ(test::ReadBytes(dir.hostPath("favpage.INI")),
            "[Setup]\r\nWindowTop=114\r\nWindowWidth=480\r\nWindowLeft=1200\r\n"
            "WindowHeight=600\r\n");
  EXPECT_EQ(ReadWindowPlace(file), (WindowPlace{1200, 114, 480, 600}));

  test::WriteBytes(dir.hostPath("favpage.INI"), "[Setup]\r\nWindowLeft=x\r\nWindowTop=0x10\r\n");
  EXPECT_EQ(ReadWindowPlace(file), (WindowPlace{335, 16, 480, 565}));
}

// A settings file past what a write may produce is still read, so its choices reach the
// window; only writing it is refused, and it stays as it was.
TEST(SettingsFile, AFileTooLargeToWriteIsStillRead) {
  test::TempDir dir;
  std::string bytes = "[Other]\r\n";
  const std::string filler = "; " + std::string(1000, 'f') + "\r\n";
  while (bytes.size() < platform::kProfileFileLimit + 1024 * 1024) bytes += filler;
  bytes += "[Setup]\r\nStyleType=2\r\nOutType=1\r\n";
  test::WriteBytes(dir.hostPath("favpage.INI"), bytes);
  SettingsFile file(dir.internal("favpage.INI"));
  const SettingsState state = ReadStoredSettings(file);
  EXPECT_EQ(state.StyleType, 2);
  EXPECT_EQ(state.OutType, 1);
  EXPECT_THROW(WriteStoredSettings(file, state), Error);
  EXPECT_TRUE(test::ReadBytes(dir.hostPath("favpage.INI")) == bytes);
}

}  // namespace
}  // namespace favpage

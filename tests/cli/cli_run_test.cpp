#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/test_support.h"

namespace favpage::cli {
namespace {

namespace fs = std::filesystem;
using test::CrLfLines;
using test::ReadBytes;
using test::Sjis;
using test::WriteBytes;

// A program folder holding the style sheets, and a small favorites tree beside it.
class CliRun : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_.hostPath("app"));
    for (const char* sheet : {"mirelstyle0.css", "mirelstyle1.css", "mirelstyle2.css"}) {
      fs::copy_file(fs::path(FAVPAGE_DATA_DIR) / sheet, dir_.hostPath("app") / sheet);
    }
    test::WriteShortcut(dir_.hostPath("Fav/News.url"), "news.html");
    test::WriteShortcut(dir_.hostPath("Fav/Tools/Editor.url"), "tools/editor.html");
  }

  int Run(std::vector<std::string> args) { return RunIn(msg::Language::kJapanese, args); }
  int RunIn(msg::Language language, std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return CliMain(args, dir_.internal("app/favpage-cli"), out_, err_, language);
  }

  std::string Page(std::string_view name) { return ReadBytes(dir_.hostPath(name)); }
  // As a command line gives it, and as the program names it: UTF-8 on every host, with
  // the host's own separators.
  std::string HostPath(std::string_view name) {
    const std::u8string utf8 = dir_.hostPath(name).make_preferred().u8string();
    return std::string(utf8.begin(), utf8.end());
  }

  test::TempDir dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};

// The style-sheet copy is line-wise: every line ends with CR LF.
std::string WithCrLf(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') result += '\r';
    result += c;
  }
  if (!result.empty() && result.back() != '\n') result += "\r\n";
  return result;
}

std::string HeadBlock(std::string_view title, std::initializer_list<std::string_view> extraHead,
                      std::string_view returnLine) {
  std::string head = CrLfLines({"<!doctype html public \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
                                "<HTML lang=\"ja-JP\">", "<HEAD>",
                                "<META http-equiv=\"Content-Type\" content=\"text/html; "
                                "charset=Shift_JIS\">",
                                "<META NAME=\"GENERATOR\" CONTENT=\"Mirel Favorites Manager - "
                                "Programmed by Ordan\">"});
  head += "<TITLE>" + std::string(title) + "</TITLE>\r\n";
  for (std::string_view line : extraHead) head += std::string(line) + "\r\n";
  head += CrLfLines({"</HEAD>", "", "<BODY>", "<H1>"});
  if (!title.empty()) head += std::string(title) + "<BR>\r\n";
  head += CrLfLines({"</H1>", ""});
  if (!returnLine.empty()) head += std::string(returnLine) + "\r\n";
  head += "\r\n";
  return head;
}

TEST_F(CliRun, WritesTheSinglePageWithEveryOption) {
  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--out", HostPath("site/links.html"), "--style",
                 "0", "--blank", "--return-caption", "ＨＰに戻る", "--return-url", "../index.html",
                 "--title", "Links"}),
            kExitSuccess)
      << err_.str();
  const std::string expected =
      HeadBlock("Links",
                {"<link href=\"mirelstyle0.css\" rel=\"stylesheet\" type=\"text/css\">",
                 "<BASE TARGET=\"_blank\">"},
                Sjis("<p><A HREF=\"../index.html\">ＨＰに戻る</A></p>")) +
      CrLfLines({Sjis("\t<H2>トップページ</H2>"), "\t<DL>",
                 "\t\t<DD><A HREF=\"news.html\">News</A></DD>", "\t</DL>", "", "<HR>",
                 "\t<H2>Tools</H2>", "\t<DL>",
                 "\t\t<DD><A HREF=\"tools/editor.html\">Editor</A></DD>", "\t</DL>", "", "</BODY>",
                 "</HTML>"});
  EXPECT_EQ(Page("site/links.html"), expected);
  EXPECT_EQ(Page("site/mirelstyle0.css"), WithCrLf(Page("app/mirelstyle0.css")));
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(out_.str(), "1 ページ、リンク 2 件: " + HostPath("site/links.html") + "\n");
}

TEST_F(CliRun, TakesItsDefaultsFromTheWindowsFilesBesideIt) {
  WriteBytes(dir_.hostPath("app/favpage.INI"),
             CrLfLines({"[Setup]", "OutName=" + dir_.internal("web\\links.html"), "OutType=1",
                        "ReturnFlag=0", "StyleType=3", "SetBlank=0"}));
  WriteBytes(dir_.hostPath("app/favpage.tit"), Sjis("私のリンク\r\n"));
  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--quiet"}), kExitSuccess) << err_.str();
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "");
  const std::string top = Page("web/links.html");
  EXPECT_NE(top.find(Sjis("<TITLE>私のリンク</TITLE>")), std::string::npos);
  EXPECT_NE(top.find("mirelstyle2.css"), std::string::npos);
  EXPECT_NE(top.find("<A HREF=\"links_0.html\">"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir_.hostPath("web/links_0.html")));
  EXPECT_EQ(Page("web/mirelstyle2.css"), WithCrLf(Page("app/mirelstyle2.css")));
}

#ifndef _WIN32  // the configuration folder is found through XDG on POSIX
// Installed where the user may not write, the program shares the window's files in the
// user's configuration folder; what lies beside it is not read.
TEST_F(CliRun, InstalledReadOnlyItTakesTheWindowsFilesFromTheConfigurationFolder) {
  WriteBytes(dir_.hostPath("app/favpage.INI"), CrLfLines({"[Setup]", "SetBlank=1"}));
  WriteBytes(dir_.hostPath("app/favpage.tit"), Sjis("脇のタイトル\r\n"));
  WriteBytes(dir_.hostPath("cfg/favpage/favpage.INI"),
             CrLfLines({"[Setup]", "OutName=" + dir_.internal("web\\links.html"), "OutType=1"}));
  WriteBytes(dir_.hostPath("cfg/favpage/favpage.tit"), Sjis("設定のタイトル\r\n"));
  fs::permissions(dir_.hostPath("app"), fs::perms::owner_write, fs::perm_options::remove);
  test::EnvOverride config("XDG_CONFIG_HOME", dir_.hostPath("cfg").c_str());

  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--quiet"}), kExitSuccess) << err_.str();
  const std::string top = Page("web/links.html");
  EXPECT_NE(top.find(Sjis("<TITLE>設定のタイトル</TITLE>")), std::string::npos);
  EXPECT_EQ(top.find("_blank"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir_.hostPath("web/links_0.html")));
}
#endif

TEST_F(CliRun, CommandLineWinsOverTheSettingsFile) {
  WriteBytes(dir_.hostPath("app/favpage.INI"),
             CrLfLines({"[Setup]", "OutName=" + dir_.internal("web\\links.html"), "OutType=1",
                        "StyleType=3"}));
  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--out", HostPath("other/one.html"), "--type",
                 "single", "--style", "none", "--quiet"}),
            kExitSuccess)
      << err_.str();
  EXPECT_FALSE(fs::exists(dir_.hostPath("web")));
  EXPECT_FALSE(fs::exists(dir_.hostPath("other/one_0.html")));
  EXPECT_FALSE(fs::exists(dir_.hostPath("other/mirelstyle2.css")));
  EXPECT_EQ(Page("other/one.html").find("mirelstyle"), std::string::npos);
}

TEST_F(CliRun, NamedSettingsFileReplacesTheOneBesideTheProgram) {
  WriteBytes(dir_.hostPath("app/favpage.INI"), CrLfLines({"[Setup]", "SetBlank=1"}));
  WriteBytes(dir_.hostPath("mine.ini"), CrLfLines({"[setup]", "ReturnFlag=1", "ReturnURL=/"}));
  ASSERT_EQ(Run({"--settings", HostPath("mine.ini"), "--favorites", HostPath("Fav"), "--out",
                 HostPath("p.html"), "--quiet"}),
            kExitSuccess);
  const std::string page = Page("p.html");
  EXPECT_EQ(page.find("<BASE"), std::string::npos);
  EXPECT_NE(page.find(Sjis("<p><A HREF=\"/\">ＨＰに戻る</A></p>")), std::string::npos);

  EXPECT_EQ(Run({"--settings", HostPath("missing.ini"), "--out", HostPath("p.html")}), kExitUsage);
  EXPECT_NE(err_.str().find("missing.ini"), std::string::npos);
}

TEST_F(CliRun, TitleLinesComeFromOptionsOrFilesOrTheFallback) {
  const std::string out = HostPath("t.html");
  auto titleBlock = [&] {
    const std::string page = Page("t.html");
    const std::size_t from = page.find("<TITLE>");
    return page.substr(from, page.find("</H1>") - from);
  };

  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--out", out, "--quiet"}), kExitSuccess);
  EXPECT_EQ(titleBlock(), Sjis("<TITLE>私のお気に入り</TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n"
                               "<H1>\r\n私のお気に入り<BR>\r\n"));

  WriteBytes(dir_.hostPath("titles.txt"), "One\nTwo\rThree");
  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--out", out, "--title-file",
                 HostPath("titles.txt"), "--quiet"}),
            kExitSuccess);
  EXPECT_NE(titleBlock().find("<H1>\r\nOne<BR>\r\nTwo<BR>\r\nThree<BR>\r\n"), std::string::npos);
  // Lines given with --title come before any title file.
  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--out", out, "--title-file",
                 HostPath("titles.txt"), "--title", "Own", "--quiet"}),
            kExitSuccess);
  EXPECT_EQ(titleBlock(), "<TITLE>Own</TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n<H1>\r\nOwn<BR>\r\n");

  WriteBytes(dir_.hostPath("empty.txt"), "");
  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--out", out, "--title-file",
                 HostPath("empty.txt"), "--quiet"}),
            kExitSuccess);
  EXPECT_EQ(titleBlock(), "<TITLE></TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n<H1>\r\n");

  EXPECT_EQ(
      Run({"--favorites", HostPath("Fav"), "--out", out, "--title-file", HostPath("none.txt")}),
      kExitFailure);
  EXPECT_EQ(err_.str(), "favpage-cli: " + HostPath("none.txt") + ": ファイルが見つかりません.\n");
}

TEST_F(CliRun, FailuresPrintTheMessageAndExitOne) {
  EXPECT_EQ(Run({"--favorites", HostPath("Fav")}), kExitFailure);
  EXPECT_EQ(err_.str(), "favpage-cli: 出力するﾌｧｲﾙ名を指定して下さい.\n");

  EXPECT_EQ(Run({"--favorites", HostPath("NoSuchFolder"), "--out", HostPath("x.html")}),
            kExitFailure);
  EXPECT_EQ(err_.str(),
            "favpage-cli: " + HostPath("NoSuchFolder") + ": お気に入りが見つかりませんでした.\n");
  EXPECT_FALSE(fs::exists(dir_.hostPath("x.html")));

  WriteBytes(dir_.hostPath("locked.html"), "kept");
  fs::permissions(dir_.hostPath("locked.html"), fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_EQ(Run({"--favorites", HostPath("Fav"), "--out", HostPath("locked.html"), "--quiet"}),
            kExitFailure);
  EXPECT_EQ(err_.str(), "favpage-cli: " + HostPath("locked.html") +
                            ": ファイルへのアクセスが拒否されました.\n");
  EXPECT_EQ(Page("locked.html"), "kept");
}

// One language per run: the CLI's own texts and the system's messages alike.
TEST_F(CliRun, EveryMessageOfARunIsInItsLanguage) {
  WriteBytes(dir_.hostPath("locked.html"), "kept");
  fs::permissions(dir_.hostPath("locked.html"), fs::perms::owner_write, fs::perm_options::remove);
  const std::string fav = HostPath("Fav");
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string english;
    std::string japanese;
  } cases[] = {
      {{"--favorites", fav},
       kExitFailure,
       "favpage-cli: no output file given (--out FILE)\n",
       "favpage-cli: 出力するﾌｧｲﾙ名を指定して下さい.\n"},
      {{"--favorites", HostPath("None"), "-o", HostPath("x.html")},
       kExitFailure,
       "favpage-cli: " + HostPath("None") + ": favorites folder not found\n",
       "favpage-cli: " + HostPath("None") + ": お気に入りが見つかりませんでした.\n"},
      {{"--favorites", fav, "-o", HostPath("locked.html")},
       kExitFailure,
       "favpage-cli: " + HostPath("locked.html") + ": access denied\n",
       "favpage-cli: " + HostPath("locked.html") + ": ファイルへのアクセスが拒否されました.\n"},
      {{"--favorites", fav, "-o", HostPath("t.html"), "--title-file", HostPath("none.txt")},
       kExitFailure,
       "favpage-cli: " + HostPath("none.txt") + ": file not found\n",
       "favpage-cli: " + HostPath("none.txt") + ": ファイルが見つかりません.\n"},
      {{"--type", "pages"},
       kExitUsage,
       "favpage-cli: --type takes single|tree, not 'pages'\nTry 'favpage-cli --help'.\n",
       "favpage-cli: --type には single|tree のどれかを指定します ('pages' は使えません)\n"
       "詳しくは 'favpage-cli --help' を見てください。\n"},
      {{"-o"},
       kExitUsage,
       "favpage-cli: -o needs a value\nTry 'favpage-cli --help'.\n",
       "favpage-cli: -o には値が必要です\n詳しくは 'favpage-cli --help' を見てください。\n"},
      {{"--settings", HostPath("missing.ini")},
       kExitUsage,
       "favpage-cli: " + HostPath("missing.ini") +
           ": no such settings file\nTry 'favpage-cli --help'.\n",
       "favpage-cli: " + HostPath("missing.ini") +
           ": 設定ファイルがありません\n詳しくは 'favpage-cli --help' を見てください。\n"},
      {{"--favorites", fav, "--profile", "Work"},
       kExitFailure,
       "favpage-cli: --profile needs a browser as the source\n",
       "favpage-cli: --profile には読み込み元のブラウザーが必要です.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    EXPECT_EQ(RunIn(msg::Language::kEnglish, c.args), c.exitCode);
    EXPECT_EQ(err_.str(), c.english);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(RunIn(msg::Language::kJapanese, c.args), c.exitCode);
    EXPECT_EQ(err_.str(), c.japanese);
    EXPECT_EQ(out_.str(), "");
  }
  EXPECT_EQ(Page("locked.html"), "kept");
}

// By default a run prints its closing line; -v a line per page before it; -q nothing.
TEST_F(CliRun, VerbosityChoosesWhatARunPrints) {
  const std::string top = HostPath("site/links.html");
  const std::vector<std::string> args = {"--favorites", HostPath("Fav"), "-o",
                                         top,           "--type",        "tree"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> all = args;
    all.insert(all.end(), extra.begin(), extra.end());
    return all;
  };
  const std::string summary = "2 pages, 2 links: " + top + "\n";
  const std::string pages = "writing " + top + "\nwriting " + HostPath("site/links_0.html") + "\n";
  const struct {
    std::vector<std::string> extra;
    std::string out;
  } cases[] = {
      {{}, summary}, {{"-v"}, pages + summary}, {{"--verbose"}, pages + summary},
      {{"-q"}, ""},  {{"-v", "-q"}, ""},        {{"-q", "-v"}, pages + summary},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.extra));
    ASSERT_EQ(RunIn(msg::Language::kEnglish, with(c.extra)), kExitSuccess) << err_.str();
    EXPECT_EQ(out_.str(), c.out);
    EXPECT_EQ(err_.str(), "");
  }
  ASSERT_EQ(RunIn(msg::Language::kJapanese, with({"-v"})), kExitSuccess);
  EXPECT_EQ(out_.str(), top + " を出力します\n" + HostPath("site/links_0.html") +
                            " を出力します\n2 ページ、リンク 2 件: " + top + "\n");
}

TEST_F(CliRun, HelpAndVersionNeedNothingElse) {
  EXPECT_EQ(RunIn(msg::Language::kEnglish, {"-h"}), kExitSuccess);
  EXPECT_EQ(out_.str(), HelpText(msg::Language::kEnglish));
  EXPECT_EQ(RunIn(msg::Language::kJapanese, {"--help", "--type", "tree"}), kExitSuccess);
  EXPECT_EQ(out_.str(), HelpText(msg::Language::kJapanese));
  EXPECT_EQ(RunIn(msg::Language::kJapanese, {"-V"}), kExitSuccess);
  EXPECT_EQ(out_.str().rfind("favpage-cli ", 0), 0u);
  EXPECT_EQ(err_.str(), "");
}

TEST_F(CliRun, MissingStyleSheetFailsAfterThePagesAreWritten) {
  fs::remove(dir_.hostPath("app/mirelstyle1.css"));
  EXPECT_EQ(Run({"--favorites", HostPath("Fav"), "--out", HostPath("s/links.html"), "--style", "1",
                 "--quiet"}),
            kExitFailure);
  EXPECT_EQ(err_.str(),
            "favpage-cli: " + HostPath("app/mirelstyle1.css") + ": ファイルが見つかりません.\n");
  EXPECT_NE(Page("s/links.html").find("</HTML>\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_.hostPath("s/mirelstyle1.css")));
}

TEST_F(CliRun, RelativeOutputIsTakenFromTheCurrentFolder) {
  const fs::path previous = fs::current_path();
  fs::create_directories(dir_.hostPath("cwd"));
  fs::current_path(dir_.hostPath("cwd"));
  const int code = Run({"--favorites", HostPath("Fav"), "--out", "pages/./links.html", "--quiet"});
  fs::current_path(previous);
  ASSERT_EQ(code, kExitSuccess) << err_.str();
  EXPECT_TRUE(fs::exists(dir_.hostPath("cwd/pages/links.html")));
}

// Paths that cannot be made absolute end the run with a message, never with an abort.
TEST_F(CliRun, EmptyOrUnresolvablePathsAreReported) {
  EXPECT_EQ(Run({"--favorites", HostPath("Fav"), "--out", ""}), kExitFailure);
  EXPECT_EQ(err_.str(), "favpage-cli: 出力するﾌｧｲﾙ名を指定して下さい.\n");
  EXPECT_EQ(Run({"--favorites", "", "--out", HostPath("x.html")}), kExitFailure);
  EXPECT_EQ(err_.str(), "favpage-cli: お気に入りが見つかりませんでした.\n");

#ifndef _WIN32  // Windows never removes a process's current folder
  const fs::path previous = fs::current_path();
  fs::create_directories(dir_.hostPath("gone"));
  fs::current_path(dir_.hostPath("gone"));
  fs::remove(dir_.hostPath("gone"));
  const int code = Run({"--favorites", HostPath("Fav"), "--out", "links.html"});
  fs::current_path(previous);
  EXPECT_EQ(code, kExitFailure);
  EXPECT_EQ(err_.str(), "favpage-cli: links.html: ファイル名の指定が間違っています.\n");
#endif
}

TEST_F(CliRun, JapaneseNamesWithBackslashBytesStayWhole) {
  test::WriteShortcut(dir_.hostPath("Fav/ソフト/表示/Viewer.url"), "v.html");
  ASSERT_EQ(Run({"--favorites", HostPath("Fav"), "--out", HostPath("ソフト/links.html"), "--type",
                 "tree", "--quiet"}),
            kExitSuccess)
      << err_.str();
  const std::string top = Page("ソフト/links.html");
  EXPECT_NE(top.find(Sjis("＜ソフト＞")), std::string::npos);
  // "Tools" comes before "ソフト" in the folder's order, so ソフト's page is links_1.
  const std::string deepest = Page("ソフト/links_1_0.html");
  EXPECT_NE(deepest.find(Sjis("\t<H2>ソフト > 表示</H2>")), std::string::npos);
}

}  // namespace
}  // namespace favpage::cli

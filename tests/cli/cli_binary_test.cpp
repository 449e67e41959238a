// The installed shape of favpage-cli: a separate process, its exit codes and streams,
// and the data files it finds beside itself.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

#include "base/utf8.h"
#include "cli/run_binary.h"
#include "platform/child_process.h"
#include "platform/codepage.h"
#include "platform/host_path.h"
#include "platform/output_claim.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using favpage::test::kCannotBecomeNobody;
using favpage::test::Outcome;
using favpage::test::RunBinary;

TEST(CliBinary, HelpAndVersionGoToStandardOutput) {
  favpage::test::TempDir dir;
  const Outcome help = RunBinary({"--help"}, dir.host(), dir.host());
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: favpage-cli", 0), 0u);
  EXPECT_EQ(help.err, "");
  const Outcome version = RunBinary({"--version"}, dir.host(), dir.host());
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("favpage-cli ", 0), 0u);
}

TEST(CliBinary, BadArgumentsPrintOneLineAndExitTwo) {
  favpage::test::TempDir dir;
  const Outcome bad = RunBinary({"--type", "pages"}, dir.host(), dir.host());
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err,
            "favpage-cli: --type takes single|tree, not 'pages'\nTry 'favpage-cli --help'.\n");
}

TEST(CliBinary, PublishesTheHomeFavoritesWithTheStyleSheetBesideIt) {
  favpage::test::TempDir dir;
  favpage::test::WriteShortcut(dir.hostPath("Favorites/Docs/Manual.url"), "https://example.org/");
  const Outcome run = RunBinary({"--out", "site/links.html", "--type", "tree", "--style", "2"},
                                dir.host(), dir.host());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "2 pages, 1 link: " + dir.hostPath("site/links.html").string() + "\n");
  EXPECT_TRUE(fs::exists(dir.hostPath("site/links_0.html")));
  EXPECT_GT(fs::file_size(dir.hostPath("site/mirelstyle2.css")), 100u);
}

TEST(CliBinary, NoFavoritesFolderIsAFailure) {
  favpage::test::TempDir dir;
  const Outcome run = RunBinary({"--out", "links.html"}, dir.host(), dir.host());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "favpage-cli: favorites folder not found\n");
  EXPECT_FALSE(fs::exists(dir.hostPath("links.html")));
}

// The locale of the process chooses the run's one language.
TEST(CliBinary, TheLocaleChoosesTheLanguage) {
  favpage::test::TempDir dir;
  const struct {
    const char* lang;
    std::string err;
    std::string helpStart;
  } cases[] = {
      {"ja_JP.UTF-8", "favpage-cli: お気に入りが見つかりませんでした.\n", "使い方: "},
      {"ja", "favpage-cli: お気に入りが見つかりませんでした.\n", "使い方: "},
      {"C.UTF-8", "favpage-cli: favorites folder not found\n", "usage: "},
      {"de_DE.UTF-8", "favpage-cli: favorites folder not found\n", "usage: "},
      {"", "favpage-cli: favorites folder not found\n", "usage: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    const Outcome run = RunBinary({"-o", "links.html"}, dir.host(), dir.host(), false, c.lang);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.err);
    const Outcome help = RunBinary({"-h"}, dir.host(), dir.host(), false, c.lang);
    EXPECT_EQ(help.out.rfind(c.helpStart, 0), 0u) << help.out;
  }
}

// Output names that name a folder, title files that cannot be read and texts that would
// break the page's lines are refused before anything is written.
TEST(CliBinary, RefusesPathsAndTextsItCannotPublish) {
  favpage::test::TempDir dir;
  favpage::test::WriteShortcut(dir.hostPath("Favorites/News.url"), "news.html");
  favpage::test::WriteBytes(dir.hostPath("W/keep"), "kept");
  fs::create_directories(dir.hostPath("W/folder.txt"));
  ASSERT_EQ(mkfifo(dir.hostPath("W/fifo.txt").c_str(), 0666), 0);
  {
    std::ofstream large(dir.hostPath("W/large.txt"));
    large.seekp(16 * 1024 * 1024);
    large << 'x';
  }
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string err;  // the first line of stderr
  };
  const std::string inv = ": invalid file name or path";
  const std::string denied = ": access denied";
  const Case cases[] = {
      {{"--out", "W/keep/"}, 1, "favpage-cli: W/keep/" + inv},
      {{"--out", "W/site/"}, 1, "favpage-cli: W/site/" + inv},
      {{"--out", "W/keep/."}, 1, "favpage-cli: W/keep/." + inv},
      {{"--out", "W/p.html", "--title-file", "W/fifo.txt"}, 1, "favpage-cli: W/fifo.txt" + denied},
      {{"--out", "W/p.html", "--title-file", "W/folder.txt"},
       1,
       "favpage-cli: W/folder.txt" + denied},
      {{"--out", "W/p.html", "--title-file", "W/large.txt"},
       1,
       "favpage-cli: W/large.txt: too large for a title file"},
      {{"--out", "W/p.html", "--return-caption", "Home\n<b>"},
       2,
       "favpage-cli: --return-caption cannot hold a line break"},
      {{"--out", "W/p.html", "--return-url", "/\r"},
       2,
       "favpage-cli: --return-url cannot hold a line break"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1] + " " + c.args.back());
    const Outcome run = RunBinary(c.args, dir.host(), dir.host());
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.err);
    EXPECT_EQ(favpage::test::ReadBytes(dir.hostPath("W/keep")), "kept");
    EXPECT_FALSE(fs::exists(dir.hostPath("W/site")));
    EXPECT_FALSE(fs::exists(dir.hostPath("W/p.html")));
  }
}

// Root may list any folder, so the unreadable folder is tried as another user; the same
// run with a folder that user may read shows that nothing else stops it.
TEST(CliBinary, UnreadableFavoritesFolderIsReportedLikeAMissingOne) {
  favpage::test::TempDir dir;
  favpage::test::WriteShortcut(dir.hostPath("Favs/News.url"), "news.html");
  fs::create_directories(dir.hostPath("out"));
  fs::permissions(dir.host(),
                  fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  fs::permissions(dir.hostPath("out"), fs::perms::all);
  for (const char* type : {"single", "tree"}) {
    SCOPED_TRACE(type);
    fs::permissions(dir.hostPath("Favs"), fs::perms::none);
    const Outcome refused =
        RunBinary({"--favorites", "Favs", "--out", "out/links.html", "--type", type, "--quiet"},
                  dir.host(), dir.host(), true);
    if (refused.exitCode == kCannotBecomeNobody) GTEST_SKIP() << "cannot become nobody";
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "favpage-cli: Favs: favorites folder not found\n");
    EXPECT_FALSE(fs::exists(dir.hostPath("out/links.html")));

    fs::permissions(dir.hostPath("Favs"), fs::perms::all);
    const Outcome read =
        RunBinary({"--favorites", "Favs", "--out", "out/links.html", "--type", type, "--quiet"},
                  dir.host(), dir.host(), true);
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_NE(favpage::test::ReadBytes(dir.hostPath("out/links.html")).find("news.html"),
              std::string::npos);
    fs::remove(dir.hostPath("out/links.html"));
  }
}

TEST(CliBinary, LineBreaksInATitleStartNewTitleLines) {
  favpage::test::TempDir dir;
  favpage::test::WriteShortcut(dir.hostPath("Favorites/News.url"), "news.html");
  const Outcome run = RunBinary(
      {"--out", "p.html", "--title", "One\r\nTwo\nThree\rFour", "--title", "Five", "--quiet"},
      dir.host(), dir.host());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string page = favpage::test::ReadBytes(dir.hostPath("p.html"));
  EXPECT_NE(page.find("<TITLE>One</TITLE>\r\n"), std::string::npos);
  EXPECT_NE(page.find("<H1>\r\nOne<BR>\r\nTwo<BR>\r\nThree<BR>\r\nFour<BR>\r\nFive<BR>\r\n</H1>"),
            std::string::npos);
}

// Another run holds the page (a process in the middle of its work, then killed): this
// run stops at once, writes nothing and leaves no file of its own; once the holder is
// gone the page is published whole.
TEST(CliBinary, ASecondRunOnTheSamePageStopsUntilTheFirstIsGone) {
  favpage::test::TempDir dir;
  favpage::test::WriteShortcut(dir.hostPath("Favorites/News.url"), "news.html");
  favpage::test::WriteBytes(dir.hostPath("site/links.html"), "first run's page");
  const std::string page =
      favpage::platform::FromHostPath(dir.hostPath("site/links.html").string());
  favpage::test::WaitingChild firstRun([&] {
    static favpage::platform::OutputClaim claim;  // held until the child is killed
    return claim.Claim(page);
  });
  ASSERT_EQ(firstRun.setUpResult(), 0);

  for (const char* type : {"single", "tree"}) {
    const Outcome second = RunBinary({"--out", "site/links.html", "--type", type, "--style", "0"},
                                     dir.host(), dir.host());
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_EQ(second.err,
              "favpage-cli: " + dir.hostPath("site/links.html").string() + ": I/O error (32)\n");
    EXPECT_EQ(favpage::test::ReadBytes(dir.hostPath("site/links.html")), "first run's page");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.hostPath("site")), fs::directory_iterator()),
              1);
  }

  firstRun.Kill();
  const Outcome third = RunBinary({"--out", "site/links.html", "--quiet"}, dir.host(), dir.host());
  EXPECT_EQ(third.exitCode, 0) << third.err;
  const std::string published = favpage::test::ReadBytes(dir.hostPath("site/links.html"));
  EXPECT_NE(published.find("news.html"), std::string::npos);
  EXPECT_EQ(published.find("</HTML>"), published.rfind("</HTML>"));
}

// The file a browser opens for a relative HREF of a Shift_JIS page: character references
// become their characters, text is Unicode, the URL path is UTF-8 and %XX is one byte.
// Empty when the browser would not reach a file by that name at all.
std::string BrowserTarget(const std::string& href) {
  const std::size_t scheme = href.find(':');
  if (scheme != std::string::npos && href.find('/') > scheme) return {};  // a URL scheme
  if (href.find_first_of("\\\t\r\n#?") != std::string::npos) return {};
  std::string name;
  for (std::size_t i = 0; i < href.size();) {
    std::smatch match;
    const std::string rest = href.substr(i);
    if (std::regex_search(rest, match, std::regex("^&#x([0-9A-Fa-f]+);"))) {
      favpage::AppendUtf8(name, static_cast<char32_t>(std::stoul(match[1], nullptr, 16)));
      i += match.length(0);
    } else if (href[i] == '%' && i + 2 < href.size()) {
      name += static_cast<char>(std::stoi(href.substr(i + 1, 2), nullptr, 16));
      i += 3;
    } else {
      const auto byte = static_cast<unsigned char>(href[i]);
      const std::size_t length = (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0 ? 2 : 1;
      name += favpage::platform::SjisToUtf8(href.substr(i, length));
      i += length;
    }
  }
  return name;
}

// Every HREF of every page below `folder`: on-site ones by page, the others counted.
struct Links {
  std::map<fs::path, std::vector<std::string>> local;
  std::multiset<std::string> external;
};

Links PageLinks(const fs::path& folder) {
  Links links;
  const std::regex href("HREF=\"([^\"]*)\"", std::regex::icase);
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".html") continue;
    const std::string page = favpage::test::ReadBytes(entry.path());
    for (std::sregex_iterator it(page.begin(), page.end(), href), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target.rfind("https:", 0) == 0) {
        links.external.insert(target);
      } else {
        links.local[entry.path()].push_back(target);
      }
    }
  }
  return links;
}

// Host names Shift_JIS cannot spell, names that differ only where Shift_JIS would make
// them one, and names holding the core's delimiters, as a POSIX user may have them.
class CliOddNames : public ::testing::Test {
 protected:
  CliOddNames() {
    const std::pair<std::string, std::string> shortcuts[] = {
        {"😀.url", "https://e/emoji"},          {"波〜.url", "https://e/wave-dash"},
        {"波～.url", "https://e/tilde"},       {"a:b.url", "https://e/colon"},
        {"a\\b.url", "https://e/backslash"},   {"a?b.url", "https://e/question"},
        {"c:d/in.url", "https://e/in-cd"},     {"caf\xE9.url", "https://e/latin1"},
        {"dir〜/x.url", "https://e/dir-wave"}, {"dir～/x.url", "https://e/dir-tilde"},
        {"line\nfeed.url", "https://e/lf"},
    };
    for (const auto& [name, url] : shortcuts) {
      fs::create_directories((fav() / name).parent_path());
      std::ofstream(fav() / name, std::ios::binary)
          << "[InternetShortcut]\r\nURL=" << url << "\r\n";
      urls.insert(url);
    }
  }
  fs::path fav() const { return dir.host() / "Fav"; }

  favpage::test::TempDir dir;
  std::multiset<std::string> urls;
};

TEST_F(CliOddNames, TreePagesLinkToPagesThatExistAndShowEveryShortcutOnce) {
  const Outcome run = RunBinary(
      {"--favorites", "Fav", "--out", "W/a:b.html", "--type", "tree", "--style", "0", "-v"},
      dir.host(), dir.host());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string folder = dir.hostPath("W").string();
  EXPECT_NE(run.out.find("writing " + folder + "/a:b.html\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("writing " + folder + "/a:b_0.html\n"), std::string::npos) << run.out;
  EXPECT_TRUE(fs::exists(dir.hostPath("W/mirelstyle0.css")));
  EXPECT_FALSE(fs::exists(dir.hostPath("W/a:mirelstyle0.css")));

  const Links links = PageLinks(dir.hostPath("W"));
  EXPECT_EQ(links.external, urls);
  EXPECT_EQ(links.local.size(), 4u);  // the top page and the pages of its three folders
  for (const auto& [page, hrefs] : links.local) {
    SCOPED_TRACE(page.string());
    for (const std::string& href : hrefs) {
      if (href == "mirelstyle0.css") continue;
      const std::string target = BrowserTarget(href);
      EXPECT_FALSE(target.empty()) << href;
      EXPECT_TRUE(!target.empty() && fs::exists(page.parent_path() / target)) << href;
    }
  }
}

TEST_F(CliOddNames, SinglePageKeepsEveryFolderAndOverwritesNoOtherFile) {
  favpage::test::WriteBytes(dir.hostPath("W/?.html"), "keep");
  const Outcome run =
      RunBinary({"--favorites", "Fav", "--out", "W/😀.html", "--type", "single", "--style", "none"},
                dir.host(), dir.host());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(favpage::test::ReadBytes(dir.hostPath("W/?.html")), "keep");
  EXPECT_EQ(PageLinks(dir.hostPath("W")).external, urls);
  const std::string page = favpage::test::ReadBytes(dir.hostPath("W/😀.html"));
  // Every line ends with CR LF: a line feed of a name stays out of the page's lines.
  for (std::size_t at = page.find('\n'); at != std::string::npos; at = page.find('\n', at + 1)) {
    ASSERT_TRUE(at > 0 && page[at - 1] == '\r') << "bare LF at " << at;
  }
}

}  // namespace

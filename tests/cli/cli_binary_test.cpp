// The installed shape of favpage-cli: a separate process, its exit codes and streams,
// and the data files it finds beside itself.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the real binary with `args`, HOME set to `home`, in the folder `cwd`.
Outcome RunBinary(const std::vector<std::string>& args, const fs::path& home, const fs::path& cwd) {
  const fs::path outFile = cwd / "stdout.txt";
  const fs::path errFile = cwd / "stderr.txt";
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(cwd.c_str()) != 0 || !freopen(outFile.c_str(), "w", stdout) ||
        !freopen(errFile.c_str(), "w", stderr)) {
      _exit(127);
    }
    setenv("HOME", home.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(FAVPAGE_CLI_BINARY)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(FAVPAGE_CLI_BINARY, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  Outcome outcome;
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.out = favpage::test::ReadBytes(outFile);
  outcome.err = favpage::test::ReadBytes(errFile);
  fs::remove(outFile);
  fs::remove(errFile);
  return outcome;
}

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

TEST(CliBinary, BadArgumentsPrintUsageAndExitTwo) {
  favpage::test::TempDir dir;
  const Outcome bad = RunBinary({"--type", "pages"}, dir.host(), dir.host());
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("--type takes single|tree"), std::string::npos);
  EXPECT_NE(bad.err.find("usage: favpage-cli"), std::string::npos);
}

TEST(CliBinary, PublishesTheHomeFavoritesWithTheStyleSheetBesideIt) {
  favpage::test::TempDir dir;
  favpage::test::WriteShortcut(dir.hostPath("Favorites/Docs/Manual.url"), "https://example.org/");
  const Outcome run = RunBinary({"--out", "site/links.html", "--type", "tree", "--style", "2"},
                                dir.host(), dir.host());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "Output link file ... links.html\nOutput link file ... links_0.html\n");
  EXPECT_NE(run.out.find("2 pages, 1 link, 2 folders in "), std::string::npos) << run.out;
  EXPECT_TRUE(fs::exists(dir.hostPath("site/links_0.html")));
  EXPECT_GT(fs::file_size(dir.hostPath("site/mirelstyle2.css")), 100u);
}

TEST(CliBinary, NoFavoritesFolderIsAFailure) {
  favpage::test::TempDir dir;
  const Outcome run = RunBinary({"--out", "links.html"}, dir.host(), dir.host());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "お気に入りが見つかりませんでした.\n");
  EXPECT_FALSE(fs::exists(dir.hostPath("links.html")));
}

}  // namespace

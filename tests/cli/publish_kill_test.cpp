// The published folder as a web server sees it while favpage-cli republishes it and is
// killed (kill -9) at any moment: every page complete and from one run, every link of a
// page leading to a page that exists, and the next run leaving exactly what a run that was
// never interrupted leaves.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "generate/manifest.h"
#include "generate/publish_names.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;  // name to bytes
using Clock = std::chrono::steady_clock;

constexpr char kTop[] = "links.html";

// A tree large enough that a run takes a while: 6 folders, each with 5, each with 6, and
// 8 links in every folder. Each version gives every link another address, so every page
// changes; version 2 has lost the last top folder, gained a new one in the middle, and a
// sixth folder in the second, whose pages have names version 1 never had.
void WriteTree(const fs::path& root, int version) {
  fs::remove_all(root);
  const auto links = [&](const fs::path& folder, const std::string& id) {
    for (int i = 0; i < 8; ++i) {
      favpage::test::WriteShortcut(
          folder / ("Link" + std::to_string(i) + ".url"),
          "https://example.org/v" + std::to_string(version) + "/" + id + "/" + std::to_string(i));
    }
  };
  links(root, "top");
  for (int a = 0; a < 6; ++a) {
    if (version == 2 && a == 5) continue;
    const std::string top = version == 2 && a == 2 ? "Added" : "Top" + std::to_string(a);
    for (int b = 0; b < (version == 2 && a == 1 ? 6 : 5); ++b) {
      for (int c = 0; c < 6; ++c) {
        const fs::path leaf =
            root / top / ("Mid" + std::to_string(b)) / ("Leaf" + std::to_string(c));
        links(leaf, top + "-" + std::to_string(b) + "-" + std::to_string(c));
      }
      links(root / top / ("Mid" + std::to_string(b)), top + "-" + std::to_string(b));
    }
    links(root / top, top);
  }
}

Files Snapshot(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[entry.path().filename().string()] = favpage::test::ReadBytes(entry.path());
    }
  }
  return files;
}

void Restore(const fs::path& folder, const Files& files) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const auto& [name, bytes] : files) favpage::test::WriteBytes(folder / name, bytes);
}

// The program's own files that are no page of either run.
bool RunFile(const std::string& name) {
  return favpage::IsStagingName(name, kTop) || name == favpage::ClaimName(kTop);
}

// favpage-cli publishing `favorites` as a tree into `site`, started and left running.
pid_t StartRun(const fs::path& home, const fs::path& favorites, const fs::path& site) {
  const std::vector<std::string> args = {
      FAVPAGE_CLI_BINARY, "--favorites", favorites.string(), "--out", (site / kTop).string(),
      "--type",           "tree",        "--style",          "0",     "--quiet"};
  const pid_t child = fork();
  if (child == 0) {
    if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(127);
    setenv("HOME", home.c_str(), 1);
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(FAVPAGE_CLI_BINARY, argv.data());
    _exit(127);
  }
  return child;
}

// Watches `site` while a run goes: `stop` is asked for each change of a file, in the
// order they happen, and the run is killed when it answers true. Answers whether the run
// ended by itself (with exit code 0) rather than being killed.
bool WatchRun(pid_t child, const fs::path& site,
              const std::function<bool(const std::string& name)>& stop,
              Clock::time_point killAt = Clock::time_point::max()) {
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  EXPECT_GE(watch, 0);
  inotify_add_watch(watch, site.c_str(), IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_CLOSE_WRITE);
  bool killed = false;
  int status = 0;
  for (;;) {
    if (waitpid(child, &status, WNOHANG) == child) break;
    if (Clock::now() >= killAt && !killed) {
      kill(child, SIGKILL);
      killed = true;
    }
    pollfd ready{watch, POLLIN, 0};
    if (poll(&ready, 1, 1) <= 0) continue;
    alignas(inotify_event) char buffer[64 * 1024];
    const ssize_t got = read(watch, buffer, sizeof buffer);
    for (ssize_t at = 0; at < got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->len == 0 || killed) continue;
      if (stop(event->name)) {
        kill(child, SIGKILL);  // at once: before the next event is even read
        killed = true;
      }
    }
  }
  close(watch);
  return !killed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The pages and the style sheet a page links to.
std::vector<std::string> PageLinks(const std::string& bytes) {
  static const std::regex href("HREF=\"([^\"]*)\"");
  std::vector<std::string> targets;
  for (std::sregex_iterator it(bytes.begin(), bytes.end(), href), end; it != end; ++it) {
    const std::string target = (*it)[1];
    if (favpage::IsPageName(target, kTop) || target == "mirelstyle0.css") {
      targets.push_back(target);
    }
  }
  return targets;
}

// Every page complete and as one run or the other wrote it; every link of a page that a
// visitor reaches from the top page leads to a file that exists. The last run's pages that
// the new one no longer links to are removed one by one, and they link to each other both
// ways (down to sub-pages, back up to the parent), so while they go, a page among them may
// link to one already gone; the next run removes the rest.
void ExpectOnlyWholePagesOfOneRun(const Files& site, const Files& before, const Files& after) {
  for (const auto& [name, bytes] : site) {
    if (RunFile(name)) continue;
    if (name == favpage::ManifestName(kTop)) {
      EXPECT_TRUE(favpage::ParseManifest(bytes).has_value());
      continue;
    }
    const bool fromBefore = before.count(name) != 0 && before.at(name) == bytes;
    const bool fromAfter = after.count(name) != 0 && after.at(name) == bytes;
    EXPECT_TRUE(fromBefore || fromAfter) << name << " is from neither run";
    if (!favpage::IsPageName(name, kTop)) continue;
    EXPECT_TRUE(bytes.ends_with("</HTML>\r\n")) << name << " is not complete";
  }
  std::set<std::string> reached{kTop};
  std::vector<std::string> pending{kTop};
  ASSERT_EQ(site.count(kTop), 1u);
  while (!pending.empty()) {
    const std::string name = pending.back();
    pending.pop_back();
    for (const std::string& target : PageLinks(site.at(name))) {
      EXPECT_EQ(site.count(target), 1u) << name << " links to " << target;
      if (site.count(target) != 0 && favpage::IsPageName(target, kTop) &&
          reached.insert(target).second) {
        pending.push_back(target);
      }
    }
  }
}

// Both versions of the tree and what an uninterrupted run publishes from each are made
// once for all the tests: writing thousands of shortcuts takes a while.
class PublishKill : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new favpage::test::TempDir;
    const fs::path first = dir->hostPath("first");
    const fs::path reference = dir->hostPath("reference");
    fs::create_directories(first);
    fs::create_directories(reference);
    WriteTree(dir->hostPath("Fav1"), 1);
    WriteTree(dir->hostPath("Fav2"), 2);
    ASSERT_TRUE(WatchRun(StartRun(dir->host(), dir->hostPath("Fav1"), first), first, Never));
    before = Snapshot(first);
    const Clock::time_point started = Clock::now();
    ASSERT_TRUE(
        WatchRun(StartRun(dir->host(), dir->hostPath("Fav2"), reference), reference, Never));
    runTime = Clock::now() - started;
    after = Snapshot(reference);
  }
  static void TearDownTestSuite() { delete dir; }
  void SetUp() override {
    ASSERT_EQ(after.size(), 190u);  // 188 pages, the manifest and the style sheet
    site = dir->hostPath("site");
  }
  static bool Never(const std::string&) { return false; }
  static pid_t StartSecondRun(const fs::path& into) {
    return StartRun(dir->host(), dir->hostPath("Fav2"), into);
  }

  // Republishes over the first run's site, killed where `stop` or `killAfter` says, and
  // checks what is published; then lets a run complete.
  void KillAndCheck(const std::function<bool(const std::string&)>& stop,
                    Clock::duration killAfter = Clock::duration::max()) {
    Restore(site, before);
    const Clock::time_point started = Clock::now();
    WatchRun(StartSecondRun(site), site, stop,
             killAfter == Clock::duration::max() ? Clock::time_point::max() : started + killAfter);
    ExpectOnlyWholePagesOfOneRun(Snapshot(site), before, after);

    // The next run finds what the killed one left and publishes what an uninterrupted run
    // publishes, removing the first run's pages that no run writes any more.
    ASSERT_TRUE(WatchRun(StartSecondRun(site), site, Never));
    Files now = Snapshot(site);
    now.erase(favpage::ClaimName(kTop));  // a killed run's claim file may stay
    EXPECT_EQ(now, after);
  }

  static inline favpage::test::TempDir* dir = nullptr;
  static inline Files before, after;
  static inline Clock::duration runTime{};
  fs::path site;
};

TEST_F(PublishKill, AtTheFirstChangeOfAnyPublishedFile) {
  KillAndCheck([](const std::string& name) { return !RunFile(name); });
}

TEST_F(PublishKill, AtTheFirstChangeOfAPage) {
  KillAndCheck([](const std::string& name) { return favpage::IsPageName(name, kTop); });
}

TEST_F(PublishKill, InTheMiddleOfPuttingThePagesInPlace) {
  int moved = 0;
  KillAndCheck(
      [&](const std::string& name) { return favpage::IsPageName(name, kTop) && ++moved == 150; });
}

// The page of the folder that gained a sub-folder links to a page the first run never
// had: it must already be there when the page changes.
TEST_F(PublishKill, WhenAPageLinkingToANewPageChanges) {
  ASSERT_EQ(before.count("links_2_5.html"), 0u);
  ASSERT_EQ(after.count("links_2_5.html"), 1u);
  KillAndCheck([](const std::string& name) { return name == "links_2.html"; });
}

// A run killed while it removes the first run's pages that it no longer writes: the site
// a visitor reaches from the top page is whole.
TEST_F(PublishKill, WhileRemovingTheOldPages) {
  ASSERT_EQ(after.count("links_5.html"), 0u);
  ASSERT_EQ(before.count("links_5_0.html"), 1u);
  KillAndCheck(
      [](const std::string& name) { return before.count(name) != 0 && after.count(name) == 0; });
}

TEST_F(PublishKill, AtMomentsAcrossTheRun) {
  for (const double share : {0.1, 0.4, 0.7, 0.9, 0.97}) {
    SCOPED_TRACE(share);
    KillAndCheck(Never, std::chrono::duration_cast<Clock::duration>(runTime * share));
  }
}

// An uninterrupted run puts each page in place after every page it links to, and the
// top page last.
TEST_F(PublishKill, PagesGoInPlaceAfterThePagesTheyLinkTo) {
  Restore(site, before);
  std::vector<std::string> order;
  ASSERT_TRUE(WatchRun(StartSecondRun(site), site, [&](const std::string& name) {
    // Pages of this run going in place; the last run's pages that no
    // longer exist are removed after them.
    if (after.count(name) != 0 && favpage::IsPageName(name, kTop)) {
      order.push_back(name);
    }
    return false;
  }));
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.back(), kTop);
  std::map<std::string, std::size_t> position;
  for (std::size_t i = 0; i < order.size(); ++i) position.emplace(order[i], i);
  const std::regex subPage("HREF=\"(links(_[0-9]+)+\\.html)\"");
  for (const auto& [name, at] : position) {
    const std::string page = after.at(name);
    for (std::sregex_iterator it(page.begin(), page.end(), subPage), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target.size() < name.size()) continue;  // the back link
      ASSERT_EQ(position.count(target), 1u) << target;
      EXPECT_LT(position.at(target), at) << name << " went in place before " << target;
    }
  }
}

}  // namespace

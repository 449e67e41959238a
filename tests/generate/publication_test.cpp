// Publishing through the create command: whole runs or none, pages already up to date
// left untouched, the previous run's pages that are gone removed (only the program's
// own, unedited ones), the tree's own links in their window, script links left out and
// addresses that reach the browser as stored.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <map>
#include <set>

#include "base/io_error.h"
#include "base/sha256.h"
#include "generate/generation_command.h"
#include "generate/manifest.h"
#include "generate/publication.h"
#include "generate/publish_names.h"
#include "generate_fixture.h"
#include "text/text_file.h"

namespace favpage::test {
namespace {

namespace fs = std::filesystem;

// What a test can see of a file having been replaced or not.
struct Identity {
  fs::file_time_type time;
  std::uint64_t inode = 0;  // 0 where the host has none to compare
  bool operator==(const Identity&) const = default;
};

Identity IdentityOf(const fs::path& path) {
  Identity identity{fs::last_write_time(path)};
#ifndef _WIN32
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) identity.inode = info.st_ino;
#endif
  return identity;
}

class PublicationTest : public GenerateTest {
 protected:
  PublicationTest() {
    MakeFolders("exe");
    MakeFolders("web");
    WriteBytes(dir.hostPath("exe/mirelstyle0.css"), "body {}\r\n");
    state.OutName = dir.internal("web/links.html");
    state.OutType = 1;
  }
  GenerationStats Run() {
    return RunGenerationCommand(state, titles, progress, messages, dir.internal("exe") + "\\");
  }
  // The code of the IoError the run raises (0 and a failure when none).
  int RunFailing() {
    try {
      Run();
    } catch (const IoError& error) {
      return error.code();
    }
    ADD_FAILURE() << "no error";
    return 0;
  }
  // Every file of the output folder, by name, with its bytes.
  std::map<std::string, std::string> Published() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir.hostPath("web"))) {
      const std::u8string name = entry.path().filename().u8string();
      files[std::string(name.begin(), name.end())] = ReadBytes(entry.path());
    }
    return files;
  }
  // The names the manifest records.
  std::set<std::string> Recorded() const {
    const auto entries = ParseManifest(Read("web/links.html.favpage"));
    EXPECT_TRUE(entries.has_value());
    std::set<std::string> names;
    for (const ManifestEntry& entry : entries.value_or(std::vector<ManifestEntry>{})) {
      names.insert(entry.name);
    }
    return names;
  }
  // Sets every file of the output folder an hour back, so a rewrite shows in its time.
  void AgeOutput() {
    for (const auto& entry : fs::directory_iterator(dir.hostPath("web"))) {
      fs::last_write_time(entry.path(), fs::last_write_time(entry.path()) - std::chrono::hours(1));
    }
  }
  std::map<std::string, Identity> Identities() const {
    std::map<std::string, Identity> identities;
    for (const auto& [name, bytes] : Published()) {
      identities[name] = IdentityOf(dir.hostPath("web/" + name));
    }
    return identities;
  }

  // Three folders A, B and C, each with a link: pages links.html and links_0 to links_2.
  void ThreeFolders() {
    Shortcut("Fav/A/a.url", "a.html");
    Shortcut("Fav/B/b.url", "b.html");
    Shortcut("Fav/C/c.url", "c.html");
  }

  RecordingMessageBox messages;
};

TEST_F(PublicationTest, PagesAlreadyUpToDateStayUntouched) {
  ThreeFolders();
  state.StyleType = 1;
  GenerationStats stats = Run();
  EXPECT_EQ(stats.pages, 4);
  EXPECT_EQ(stats.unchanged, 0);
  EXPECT_EQ(Recorded(),
            (std::set<std::string>{"links.html", "links_0.html", "links_1.html", "links_2.html"}));
  AgeOutput();
  const std::map<std::string, Identity> before = Identities();

  stats = Run();
  EXPECT_EQ(stats.pages, 4);
  EXPECT_EQ(stats.unchanged, 4);
  EXPECT_EQ(Identities(), before);  // pages, style sheet and manifest alike

  Shortcut("Fav/B/b.url", "b2.html");
  stats = Run();
  EXPECT_EQ(stats.unchanged, 3);
  const std::map<std::string, Identity> after = Identities();
  for (const auto& [name, identity] : before) {
    const bool rewritten = name == "links_1.html" || name == "links.html.favpage";
    EXPECT_EQ(after.at(name) == identity, !rewritten) << name;
  }
  EXPECT_NE(Read("web/links_1.html").find("b2.html"), std::string::npos);
}

TEST_F(PublicationTest, PagesTheRunNoLongerWritesGoOnlyWhenTheyAreItsOwnUnedited) {
  ThreeFolders();
  Run();
  WriteBytes(dir.hostPath("web/links_1.html"), Read("web/links_1.html") + "<!-- mine -->\r\n");
  WriteBytes(dir.hostPath("web/links_7.html"), "a page of its own name, never written by us");
  WriteBytes(dir.hostPath("web/notes.html"), "notes");
  fs::remove_all(dir.hostPath("Fav/B"));
  fs::remove_all(dir.hostPath("Fav/C"));

  GenerationStats stats = Run();
  EXPECT_EQ(stats.removed, 1);
  EXPECT_FALSE(Exists("web/links_2.html"));
  EXPECT_NE(Read("web/links_1.html").find("<!-- mine -->"), std::string::npos);
  ASSERT_EQ(stats.warnings.size(), 1u);
  EXPECT_EQ(stats.warnings[0].kind, RunWarning::Kind::kEditedPageKept);
  EXPECT_EQ(stats.warnings[0].subject, dir.internal("web/links_1.html"));
  EXPECT_EQ(Read("web/links_7.html"), "a page of its own name, never written by us");
  EXPECT_EQ(Read("web/notes.html"), "notes");
  EXPECT_EQ(Recorded(), (std::set<std::string>{"links.html", "links_0.html"}));

  // The edited page is the user's now: no more warnings, nothing more removed.
  stats = Run();
  EXPECT_EQ(stats.removed, 0);
  EXPECT_TRUE(stats.warnings.empty());

  // One page instead of a tree: the tree's sub-page goes.
  state.OutType = 0;
  stats = Run();
  EXPECT_EQ(stats.removed, 1);
  EXPECT_FALSE(Exists("web/links_0.html"));
  EXPECT_EQ(Recorded(), std::set<std::string>{"links.html"});
  EXPECT_TRUE(Exists("web/links_1.html"));
}

// Removal is on the manifest's word only where the program can vouch for the file: its
// own page name, and the very bytes it wrote.
TEST_F(PublicationTest, AManifestThatCannotVouchForAFileRemovesNothingOfIt) {
  const struct {
    const char* name;
    std::function<std::string()> manifest;  // empty: none at all
    bool pageRemoved;
  } cases[] = {
      {"no manifest", nullptr, false},
      {"not a manifest", [] { return std::string("<HTML>\r\n"); }, false},
      {"another file named with its true hash",
       [this] {
         return ManifestText({{"notes.html", Sha256Hex(Read("web/notes.html"))},
                              {"links_2.html", Sha256Hex(Read("web/links_2.html"))}});
       },
       true},
      {"a wrong hash",
       [] {
         return ManifestText({{"links_2.html", std::string(64, '0')}});
       },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir.hostPath("Fav"));
    fs::remove_all(dir.hostPath("web"));
    ThreeFolders();
    Run();
    WriteBytes(dir.hostPath("web/notes.html"), "notes");
    fs::remove(dir.hostPath("web/links.html.favpage"));
    if (c.manifest) WriteBytes(dir.hostPath("web/links.html.favpage"), c.manifest());
    fs::remove_all(dir.hostPath("Fav/C"));
    const GenerationStats stats = Run();
    EXPECT_EQ(Exists("web/links_2.html"), !c.pageRemoved);
    EXPECT_EQ(stats.removed, c.pageRemoved ? 1 : 0);
    EXPECT_EQ(Read("web/notes.html"), "notes");
    EXPECT_EQ(Recorded(), (std::set<std::string>{"links.html", "links_0.html", "links_1.html"}));
  }
}

// A run that fails at any step leaves the output folder byte for byte as the last
// successful run left it: no new page, no changed page, nothing of its own. The top page
// has a long name, so a page name grows too long a few dozen folders down.
TEST_F(PublicationTest, AFailedRunLeavesThePublishedFilesAsTheyWere) {
  const std::string base(100, 'p');
  state.OutName = dir.internal("web/" + base + ".html");
  const struct {
    const char* name;
    std::function<void()> breakRun;
    int code;
  } cases[] = {
      {"a read-only page in the middle",
       [&] {
         fs::permissions(dir.hostPath("web/" + base + "_1.html"),
                         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
       },
       io_code::kAccessDenied},
      {"no style sheet to copy", [&] { fs::remove(dir.hostPath("exe/mirelstyle0.css")); },
       io_code::kFileNotFound},
      {"a read-only manifest",
       [&] {
         fs::permissions(dir.hostPath("web/" + base + ".html.favpage"),
                         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
       },
       io_code::kAccessDenied},
      {"a page name too long for a page",
       [&] {
         // Each level of folders adds "_0" to its page's name, until one is too long.
         std::string deep = "Fav/A";
         for (int level = 0; level < 90; ++level) deep += "/d";
         Shortcut(deep + "/x.url", "x.html");
       },
       io_code::kPathNotFound},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir.hostPath("Fav"));
    fs::remove_all(dir.hostPath("web"));
    WriteBytes(dir.hostPath("exe/mirelstyle0.css"), "body {}\r\n");
    state.StyleType = 1;
    ThreeFolders();
    Run();
    // The next run would write other pages and one more.
    Shortcut("Fav/B/b.url", "b2.html");
    Shortcut("Fav/D/d.url", "d.html");
    WriteBytes(dir.hostPath("exe/mirelstyle0.css"), "body { color: red; }\r\n");
    c.breakRun();
    const std::map<std::string, std::string> before = Published();
    ASSERT_EQ(before.size(), 6u);  // four pages, the style sheet and the manifest

    EXPECT_EQ(RunFailing(), c.code);
    EXPECT_EQ(Published(), before);
    EXPECT_EQ(progress.events.back(), "ended");
    for (auto& entry : fs::directory_iterator(dir.hostPath("web"))) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    }
  }
}

// What a killed run left (its staging files) goes with the next run on the same page,
// and nothing else does.
TEST_F(PublicationTest, StagingFilesOfKilledRunsGoWithTheNextRun) {
  Shortcut("Fav/a.url", "a.html");
  const std::string others[] = {".links.html.favpage-aB3xY", ".links.html.favpage-aB3xY90",
                                ".other.html.favpage-aB3xY9", ".links.html.favpage-lock",
                                "links.html.favpage-aB3xY9"};
  for (const std::string& name : others) WriteBytes(dir.hostPath("web/" + name), "other");
  WriteBytes(dir.hostPath("web/.links.html.favpage-aB3xY9"), "killed");
  fs::create_directory(dir.hostPath("web/.links.html.favpage-Folder"));
  Run();
  EXPECT_FALSE(Exists("web/.links.html.favpage-aB3xY9"));
  EXPECT_TRUE(Exists("web/.links.html.favpage-Folder"));
  for (const std::string& name : others) EXPECT_EQ(Read("web/" + name), "other") << name;
  for (const auto& entry : fs::directory_iterator(dir.hostPath("web"))) {
    if (entry.is_directory()) continue;
    EXPECT_FALSE(IsStagingName(entry.path().filename().string(), "links.html")) << entry.path();
  }
}

TEST_F(PublicationTest, TheTreesOwnLinksOpenInItsOwnWindow) {
  Shortcut("Fav/Sub/s.url", "s.html");
  for (const bool blank : {true, false}) {
    SCOPED_TRACE(blank);
    state.SetBlank = blank;
    state.OutType = 1;
    Run();
    const std::string self = blank ? " TARGET=\"_self\"" : "";
    EXPECT_NE(Read("web/links.html").find(Sjis("<A HREF=\"links_0.html\"" + self + ">＜Sub＞</A>")),
              std::string::npos);
    EXPECT_NE(
        Read("web/links_0.html").find(Sjis("<A HREF=\"links.html\"" + self + ">＜上に戻る＞</A>")),
        std::string::npos);
    EXPECT_NE(Read("web/links_0.html").find("<A HREF=\"s.html\">s</A>"), std::string::npos);
    EXPECT_EQ(Read("web/links.html").find("<BASE TARGET=\"_blank\">") != std::string::npos, blank);

    state.OutType = 0;
    Run();
    EXPECT_EQ(Read("web/links.html").find("_self"), std::string::npos);
  }
}

TEST_F(PublicationTest, ScriptLinksAreLeftOutWithAWarningEachUnlessKept) {
  Shortcut("Fav/ok.url", "https://example.org/");
  Shortcut("Fav/js.url", "javascript:alert(1)");
  Shortcut("Fav/Only/x.url", "JavaScript:void(0)");
  Shortcut("Fav/Only/y.url", "data:text/html,<b>hi</b>");
  Shortcut("Fav/Only/Deeper/v.url", "vbscript:msgbox(1)");
  state.OutType = 0;
  GenerationStats stats = Run();
  EXPECT_EQ(Read("web/links.html"),
            PlainPage({"\t<H2>トップページ</H2>", "\t<DL>",
                       "\t\t<DD><A HREF=\"https://example.org/\">ok</A></DD>", "\t</DL>", "",
                       "<HR>", "</BODY>", "</HTML>"}));
  EXPECT_EQ(stats.links, 1);
  ASSERT_EQ(stats.warnings.size(), 4u);
  const std::pair<const char*, const char*> named[] = {
      {"js", "トップページ"}, {"x", "Only"}, {"y", "Only"}, {"v", "Only > Deeper"}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(stats.warnings[i].kind, RunWarning::Kind::kScriptLinkLeftOut);
    EXPECT_EQ(stats.warnings[i].subject, named[i].first);
    EXPECT_EQ(stats.warnings[i].where, Sjis(named[i].second));
  }

  // In a tree the folder keeps its page, without a link list.
  state.OutType = 1;
  stats = Run();
  EXPECT_EQ(stats.warnings.size(), 4u);
  EXPECT_EQ(Read("web/links_0.html").find("<DD><A HREF=\"data:"), std::string::npos);
  EXPECT_NE(Read("web/links_0.html").find(Sjis("<H2>Only</H2>")), std::string::npos);

  state.ScriptLinks = true;
  stats = Run();
  EXPECT_TRUE(stats.warnings.empty());
  EXPECT_EQ(stats.links, 5);
  EXPECT_NE(Read("web/links_0.html").find("<A HREF=\"data:text/html,<b>hi</b>\">y</A>"),
            std::string::npos);
}

TEST_F(PublicationTest, AddressesReachTheBrowserAsStored) {
  Shortcut("Fav/q.url", "https://example.org/?a=1&lt;b&c=2&amp;d=&#60;");
  state.OutType = 0;
  Run();
  EXPECT_NE(
      Read("web/links.html")
          .find("<A HREF=\"https://example.org/?a=1&amp;lt;b&c=2&amp;amp;d=&amp;#60;\">q</A>"),
      std::string::npos);
}

// A source as deep as anyone could make one: a chain of nested folders, the last one
// holding a link.
class DeepSource : public LinkSource {
 public:
  explicit DeepSource(int depth) : depth_(depth) {}
  std::string TopFolder() const override { return "0"; }
  bool IsTopFolder(const std::string& folder) const override { return folder == "0"; }
  FolderListing ListFolder(const std::string& folder) const override {
    const int level = std::stoi(folder);
    FolderListing listing;
    listing.found = true;
    if (level < depth_) listing.subfolders.push_back(std::to_string(level + 1));
    if (level == depth_) listing.links.push_back("bottom");
    return listing;
  }
  std::string FolderHeading(const std::string& folder) const override { return "h" + folder; }
  std::string FolderName(const std::string& folder) const override { return "n" + folder; }
  std::string LinkName(const std::string&) const override { return "Bottom"; }
  std::string LinkUrl(const std::string&) const override { return "bottom.html"; }
  bool UrlsAreUtf8() const override { return false; }

 private:
  int depth_;
};

TEST_F(PublicationTest, AMillionNestedFoldersNeedNoMachineStack) {
  constexpr int kDepth = 1000000;
  const DeepSource source(kDepth);
  const std::string page = dir.internal("web/links.html");
  {
    PageGenerator generator(state, titles, progress, source);
    generator.WritePageHead(page);
    generator.WalkSinglePage(page, source.TopFolder());
    EXPECT_EQ(generator.stats().folders, kDepth + 1);
    EXPECT_EQ(Read("web/links.html"), PlainPage({"<HR>", "\t<H2>h1000000</H2>", "\t<DL>",
                                                 "\t\t<DD><A HREF=\"bottom.html\">Bottom</A></DD>",
                                                 "\t</DL>", "", "</BODY>", "</HTML>"}));
  }

  // A tree's page names grow with its depth: the first one too long ends the run, and
  // nothing of it is published.
  const std::map<std::string, std::string> before = Published();
  try {
    Publication publication(page);
    PageGenerator generator(state, titles, progress, source);
    generator.StageThrough(publication);
    generator.WriteFolderPage(page, source.TopFolder(), 0, "");
    ADD_FAILURE() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), io_code::kPathNotFound);
    EXPECT_GT(error.path().size(), kMaxPathBytes);
    EXPECT_LE(error.path().size(), kMaxPathBytes + 2);
  }
  EXPECT_EQ(Published(), before);
}

}  // namespace
}  // namespace favpage::test

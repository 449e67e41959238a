// The create command end to end: the walk that OutType selects, the style sheet copy and
// how errors leave the run.
#include "generate/generation_command.h"

#include "base/io_error.h"
#include "generate_fixture.h"

namespace favpage::test {
namespace {

class GenerationCommandTest : public GenerateTest {
 protected:
  GenerationCommandTest() {
    MakeFolders("exe");
    state.OutName = dir.internal("web/links.html");
  }
  // A style sheet beside the pretended executable.
  void StyleSheet(const std::string& name, const std::string& bytes) {
    WriteBytes(dir.hostPath("exe/" + name), bytes);
  }
  GenerationStats Run() {
    return RunGenerationCommand(state, titles, progress, messages, dir.internal("exe") + "\\");
  }
  // Runs the command expecting an IoError; returns its code.
  int RunFailing() {
    try {
      Run();
    } catch (const IoError& error) {
      return error.code();
    }
    ADD_FAILURE() << "no error";
    return 0;
  }

  RecordingMessageBox messages;
};

TEST_F(GenerationCommandTest, EmptyOutputNameOnlyAsks) {
  state.OutName.clear();
  state.StyleType = 1;
  StyleSheet("mirelstyle0.css", "body {}\r\n");
  Shortcut("Fav/Link.url", "x.html");
  Run();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Sjis("出力するﾌｧｲﾙ名を指定して下さい."));
  EXPECT_EQ(messages.shown[0].caption, Sjis("確認"));
  EXPECT_EQ(messages.shown[0].kind, MessageKind::kConfirmation);
  EXPECT_TRUE(progress.events.empty());
  EXPECT_FALSE(Exists("web"));
}

TEST_F(GenerationCommandTest, SinglePageRunWritesThePageAndCopiesTheStyleSheetLineWise) {
  SetUpLinkPageExample();
  StyleSheet("mirelstyle0.css", "body {\n  color: #333;\r\n}");  // LF only, no final end
  const GenerationStats stats = Run();
  EXPECT_EQ(Read("web/links.html"), LinkPageExample());
  EXPECT_EQ(Read("web/mirelstyle0.css"), "body {\r\n  color: #333;\r\n}\r\n");
  EXPECT_EQ(progress.events,
            (std::vector<std::string>{"started", "messages", "text Output link file ... links.html",
                                      "messages", "ended"}));
  EXPECT_EQ(stats.pages, 1);
  EXPECT_EQ(stats.links, 2);
  EXPECT_EQ(stats.folders, 2);
}

TEST_F(GenerationCommandTest, StyleTypeChoosesTheSheetOrNone) {
  Shortcut("Fav/Link.url", "x.html");
  for (const char* name : {"mirelstyle0.css", "mirelstyle1.css", "mirelstyle11.css"}) {
    StyleSheet(name, std::string(name) + "\r\n");
  }
  state.OutType = 1;
  for (const int style : {0, -1}) {
    state.StyleType = style;
    Run();
    const auto files = std::filesystem::directory_iterator(dir.hostPath("web"));
    EXPECT_EQ(std::distance(begin(files), end(files)), 2);  // the page and its manifest
    EXPECT_TRUE(Exists("web/links.html.favpage"));
  }
  state.StyleType = 12;
  Run();
  EXPECT_EQ(Read("web/mirelstyle11.css"), "mirelstyle11.css\r\n");
  EXPECT_NE(Read("web/links.html").find("<link href=\"mirelstyle11.css\""), std::string::npos);

  state.OutType = 2;  // no page at all, but still the style sheet
  state.StyleType = 2;
  state.OutName = dir.internal("other/site.html");
  MakeFolders("other");
  progress.events.clear();
  EXPECT_EQ(Run().pages, 0);
  EXPECT_EQ(Read("other/mirelstyle1.css"), "mirelstyle1.css\r\n");
  EXPECT_FALSE(Exists("other/site.html"));
  EXPECT_EQ(progress.events, (std::vector<std::string>{"started", "messages", "ended"}));
}

TEST_F(GenerationCommandTest, OutputNameAndStyleChangedDuringTheWalkTakeEffectAtTheStyleSheet) {
  Shortcut("Fav/Link.url", "x.html");
  StyleSheet("mirelstyle2.css", "third\r\n");
  MakeFolders("moved");
  for (const int type : {0, 1}) {
    SCOPED_TRACE(type);
    state.OutType = static_cast<std::uint8_t>(type);
    state.OutName = dir.internal("web/links.html");
    state.StyleType = 1;
    int calls = 0;
    progress.onMessages = [&] {  // the user edits the settings while the page head waits
      if (++calls == 2) {
        state.OutName = dir.internal("moved/links.html");
        state.StyleType = 3;
      }
    };
    Run();
    EXPECT_NE(Read("web/links.html").find("</HTML>"), std::string::npos);
    EXPECT_FALSE(Exists("moved/links.html"));
    EXPECT_EQ(Read("moved/mirelstyle2.css"), "third\r\n");
    EXPECT_FALSE(Exists("web/mirelstyle0.css"));
  }
}

// The run fails as a whole: the pages it wrote before the copy are not published either.
TEST_F(GenerationCommandTest, MissingStyleSheetFailsAfterThePages) {
  Shortcut("Fav/Link.url", "x.html");
  state.StyleType = 1;
  EXPECT_EQ(RunFailing(), 2);
  EXPECT_FALSE(Exists("web/links.html"));
  EXPECT_FALSE(Exists("web/mirelstyle0.css"));
  EXPECT_EQ(progress.events.back(), "ended");

  StyleSheet("mirelstyle0.css", "x\r\n");
  Run();
  EXPECT_EQ(Read("web/links.html"), StyledPage({"\t<H2>トップページ</H2>", "\t<DL>",
                                                "\t\t<DD><A HREF=\"x.html\">Link</A></DD>",
                                                "\t</DL>", "", "</BODY>", "</HTML>"}));
  std::filesystem::remove(dir.hostPath("exe/mirelstyle0.css"));
  EXPECT_EQ(RunFailing(), 2);
  EXPECT_EQ(Read("web/mirelstyle0.css"), "x\r\n");
}

TEST_F(GenerationCommandTest, OutputInTheExecutableFolderLeavesTheStyleSheetAlone) {
  Shortcut("Fav/Link.url", "x.html");
  StyleSheet("mirelstyle0.css", "body { color: red; }\n");
  state.OutName = dir.internal("exe/links.html");
  state.StyleType = 1;
  try {
    Run();
    ADD_FAILURE() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), 32);
    EXPECT_EQ(std::string(error.what()), Sjis("I/O エラー (32)"));
  }
  EXPECT_EQ(Read("exe/mirelstyle0.css"), "body { color: red; }\n");
  EXPECT_FALSE(Exists("exe/links.html"));  // the run failed: nothing of it is published
  EXPECT_EQ(progress.events.back(), "ended");
}

// A page that cannot be written ends the run; nothing of the run is published, and the
// read-only page of an earlier run stays as it is.
TEST_F(GenerationCommandTest, PageErrorEndsTheRunAndLeavesPagesAsWritten) {
  Shortcut("Fav/A/a.url", "a.html");
  Shortcut("Fav/B/b.url", "b.html");
  Shortcut("Fav/top.url", "top.html");
  StyleSheet("mirelstyle0.css", "x\r\n");
  WriteBytes(dir.hostPath("web/links_0.html"), "read-only page of an earlier run");
  std::filesystem::permissions(dir.hostPath("web/links_0.html"),
                               std::filesystem::perms::owner_read |
                                   std::filesystem::perms::group_read |
                                   std::filesystem::perms::others_read);
  state.OutType = 1;
  state.StyleType = 1;
  EXPECT_EQ(RunFailing(), 5);
  EXPECT_EQ(progress.events.back(), "ended");
  EXPECT_FALSE(Exists("web/links.html"));
  EXPECT_EQ(Read("web/links_0.html"), "read-only page of an earlier run");
  EXPECT_FALSE(Exists("web/links_1.html"));
  EXPECT_FALSE(Exists("web/mirelstyle0.css"));
  const auto files = std::filesystem::directory_iterator(dir.hostPath("web"));
  EXPECT_EQ(std::distance(begin(files), end(files)), 1);  // no staging file is left either
}

// Without a folder in OutName the page head fails first; only a run that writes no page
// head copies the style sheet, into the current folder.
TEST_F(GenerationCommandTest, OutputNameWithoutFolder) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.host());
  Shortcut("Fav/Link.url", "x.html");
  StyleSheet("mirelstyle0.css", "x\r\n");
  state.OutName = "links.html";
  state.StyleType = 1;
  int code = 0;
  try {
    Run();
  } catch (const IoError& error) {
    code = error.code();
    EXPECT_EQ(std::string(error.what()), Sjis("ディレクトリを作成できません"));
  }
  EXPECT_EQ(code, 3);
  EXPECT_FALSE(Exists("links.html") || Exists("mirelstyle0.css"));

  state.OutType = 2;
  Run();
  EXPECT_EQ(Read("mirelstyle0.css"), "x\r\n");
  std::filesystem::current_path(previous);
}

// A second run on the same page, started while the first one processes the window's
// messages (the create button pressed again), stops before it writes anything; the first
// run finishes its page whole. Both page modes hold the claim for the whole run.
TEST_F(GenerationCommandTest, SecondRunOnTheSamePageStopsAtOnceWithTheSharingError) {
  Shortcut("Fav/A/a.url", "a.html");
  Shortcut("Fav/top.url", "top.html");
  for (const std::uint8_t outType : {0, 1}) {
    SCOPED_TRACE(static_cast<int>(outType));
    state.OutType = outType;
    std::filesystem::remove_all(dir.hostPath("web"));
    int secondCode = 0;
    std::string secondPath;
    std::string pageSeenBySecond;
    bool reentered = false;
    // The first page head, after the first run has made the output folder and claimed
    // its page (the page itself appears only when the run is over).
    progress.onMessages = [&] {
      if (reentered || !Exists("web")) return;
      reentered = true;
      pageSeenBySecond = Exists("web/links.html") ? Read("web/links.html") : "";
      RecordingProgress secondProgress;
      try {
        RunGenerationCommand(state, titles, secondProgress, messages, dir.internal("exe") + "\\");
      } catch (const IoError& error) {
        secondCode = error.code();
        secondPath = error.path();
      }
      EXPECT_EQ(Exists("web/links.html") ? Read("web/links.html") : "", pageSeenBySecond);
    };
    Run();
    progress.onMessages = nullptr;
    EXPECT_TRUE(reentered);
    EXPECT_EQ(secondCode, 32);
    EXPECT_EQ(secondPath, state.OutName);
    const std::string page = Read("web/links.html");
    EXPECT_EQ(page.find("</HTML>"), page.rfind("</HTML>"));
    EXPECT_NE(page.find("</HTML>"), std::string::npos);
    // The run's claim is gone with the run: the next one succeeds.
    EXPECT_NO_THROW(Run());
  }
}

}  // namespace
}  // namespace favpage::test

namespace favpage::test {
namespace {

// A folder chosen as the source is published as the favorites folder would be, in
// either walk, whatever FavoritePath holds.
TEST_F(GenerationCommandTest, AFolderSourceIsPublishedAsTheFavoritesFolder) {
  Shortcut("Fav/News.url", "news.html");
  Shortcut("Fav/Tools/Editor.url", "tools/editor.html");
  for (const std::uint8_t outType : {0, 1}) {
    SCOPED_TRACE(outType);
    state.OutType = outType;
    state.Source.clear();
    Run();
    const std::string favorites = Read("web/links.html");
    state.Source = dir.internal("Fav") + "\\";
    state.FavoritePath = kFavoritePathPlaceholder;
    Run();
    EXPECT_EQ(Read("web/links.html"), favorites);
    state.FavoritePath = dir.internal("Fav");
  }
}

}  // namespace
}  // namespace favpage::test

// Hosts for the generator in tests: a recording progress, fixed title lines and a
// recording message box, and a fixture with a favorites folder and an output folder in
// a temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/run_host.h"
#include "generate/page_generator.h"
#include "settings/settings_state.h"
#include "support/test_support.h"

namespace favpage::test {

class RecordingProgress : public Progress {
 public:
  void RunStarted() override { events.push_back("started"); }
  void SetProgressText(const std::string& text) override { events.push_back("text " + text); }
  void ProcessMessages() override {
    events.push_back("messages");
    if (onMessages) onMessages();
  }
  void RunEnded() override { events.push_back("ended"); }

  std::vector<std::string> events;
  std::function<void()> onMessages;  // stands in for the window's handlers
};

class FixedTitles : public TitleLines {
 public:
  int LineCount() const override { return static_cast<int>(lines.size()); }
  std::string Line(int index) const override { return lines.at(static_cast<std::size_t>(index)); }
  std::vector<std::string> lines;
};

class RecordingMessageBox : public MessageSink {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) override {
    shown.push_back({text, caption, kind});
  }
  struct Shown {
    std::string text, caption;
    MessageKind kind;
  };
  std::vector<Shown> shown;
};

// The head block of a page without title lines, style sheet, base target or return link.
inline std::vector<std::string> PlainHeadLines() {
  return {"<!doctype html public \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
          "<HTML lang=\"ja-JP\">",
          "<HEAD>",
          "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
          "<META NAME=\"GENERATOR\" CONTENT=\"Mirel Favorites Manager - Programmed by Ordan\">",
          "<TITLE></TITLE>",
          "</HEAD>",
          "",
          "<BODY>",
          "<H1>",
          "</H1>",
          "",
          ""};
}

// Lines given in UTF-8, each turned into Shift_JIS and ended by CR LF.
inline std::string SjisLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += Sjis(line) + "\r\n";
  return text;
}

// A plain page: the plain head block followed by `body`.
inline std::string PlainPage(const std::vector<std::string>& body) {
  return SjisLines(PlainHeadLines()) + SjisLines(body);
}

// A plain page whose head names style sheet 0.
inline std::string StyledPage(const std::vector<std::string>& body) {
  std::vector<std::string> head = PlainHeadLines();
  head.insert(head.begin() + 6,
              "<link href=\"mirelstyle0.css\" rel=\"stylesheet\" type=\"text/css\">");
  return SjisLines(head) + SjisLines(body);
}

class GenerateTest : public ::testing::Test {
 protected:
  GenerateTest() { state.FavoritePath = dir.internal("Fav"); }

  // Creates folders below the temporary directory ("Fav/Tools/Dev").
  void MakeFolders(const std::string& relative) {
    std::filesystem::create_directories(dir.hostPath(relative));
  }
  void Shortcut(const std::string& relative, const std::string& url) {
    WriteShortcut(dir.hostPath(relative), url);
  }
  std::string Read(const std::string& relative) const { return ReadBytes(dir.hostPath(relative)); }
  bool Exists(const std::string& relative) const {
    return std::filesystem::exists(std::filesystem::symlink_status(dir.hostPath(relative)));
  }
  PageGenerator Generator() { return PageGenerator(state, titles, progress); }

  // The link page example: the favorites with "Weather" and "Tools\Editor", the title
  // lines "Links" and "Updated weekly", style 1, blank target and a return link.
  void SetUpLinkPageExample() {
    Shortcut("Fav/Weather.url", "weather/index.html");
    Shortcut("Fav/Tools/Editor.url", "tools/editor.html");
    titles.lines = {"Links", "Updated weekly"};
    state.StyleType = 1;
    state.SetBlank = true;
    state.ReturnFlag = true;
    state.ReturnLine = Sjis("ＨＰに戻る");
    state.ReturnURL = "../index.html";
  }
  static std::string LinkPageExample() {
    return SjisLines({
        "<!doctype html public \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
        "<HTML lang=\"ja-JP\">",
        "<HEAD>",
        "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
        "<META NAME=\"GENERATOR\" CONTENT=\"Mirel Favorites Manager - Programmed by Ordan\">",
        "<TITLE>Links</TITLE>",
        "<link href=\"mirelstyle0.css\" rel=\"stylesheet\" type=\"text/css\">",
        "<BASE TARGET=\"_blank\">",
        "</HEAD>",
        "",
        "<BODY>",
        "<H1>",
        "Links<BR>",
        "Updated weekly<BR>",
        "</H1>",
        "",
        "<p><A HREF=\"../index.html\">ＨＰに戻る</A></p>",
        "",
        "\t<H2>トップページ</H2>",
        "\t<DL>",
        "\t\t<DD><A HREF=\"weather/index.html\">Weather</A></DD>",
        "\t</DL>",
        "",
        "<HR>",
        "\t<H2>Tools</H2>",
        "\t<DL>",
        "\t\t<DD><A HREF=\"tools/editor.html\">Editor</A></DD>",
        "\t</DL>",
        "",
        "</BODY>",
        "</HTML>",
    });
  }

  TempDir dir;
  SettingsState state;
  FixedTitles titles;
  RecordingProgress progress;
};

}  // namespace favpage::test

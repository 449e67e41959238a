// The main window's logic against a recording view: setters and handlers in step with the
// state, the browse command, start-up and shut-down with their failures, the create run
// with its re-entry and close rules, and the title lines the core reads.
#include "ui/presenter/main_presenter.h"
#include "ui/presenter/source_chooser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/folders.h"
#include "platform/host_path.h"
#include "settings/settings_file.h"
#include "support/test_support.h"

namespace favpage::ui {
namespace {

struct Message {
  std::string text;
  std::string caption;  // empty for the default error display
  bool error;
};

// A face without a toolkit: it remembers what each control shows, answers the dialogs
// from a queue, keeps the title edit's text (one display line per typed line) and asks
// the presenter before it closes, as a real window does.
class RecordingView : public MainView {
 public:
  MainPresenter* presenter = nullptr;
  std::map<Control, std::string> text;
  std::map<Control, bool> checked{{Control::RadioButton1, true}};
  std::map<Control, bool> enabled;
  std::map<Control, int> selected{{Control::ComboBox1, -1}};
  std::string title;
  std::vector<Message> messages;
  std::vector<std::string> log;  // the modal and host operations in order
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> askedFolders;
  // The source chooser: what it listed with its selection, and its answers.
  std::vector<std::string> sourceChoices;
  int sourceCurrent = -2;
  std::deque<std::optional<int>> sourceAnswers;
  std::deque<std::optional<std::string>> fileAnswers;
  std::vector<std::string> fileFolders;
  std::deque<std::size_t> folderRowAnswers;
  std::vector<FolderRow> folderRows;
  bool folderTreeOpened = false;
  std::vector<std::string> navigated;
  std::map<Control, bool> alert;
  // The browser: the pages handed to it, and whether it takes them.
  std::vector<std::string> opened;
  bool browserOpens = true;
  // The window's place and the screens there are.
  WindowPlace placement;
  std::vector<WindowPlace> placed;
  std::vector<ScreenArea> screens{{0, 0, 1920, 1080}};
  std::function<void()> duringEvents;  // runs inside ProcessEvents once, then is cleared
  bool progressShown = false;
  bool closed = false;
  bool closePending = false;

  bool Enabled(Control control) const {
    const auto it = enabled.find(control);
    return it == enabled.end() || it->second;
  }

  void SetControlText(Control control, const std::string& value) override {
    text[control] = value;
    // A real edit reports every change, also a programmatic one.
    if (presenter == nullptr) return;
    if (control == Control::Edit2) presenter->Edit2Change(value);
    if (control == Control::Edit1) presenter->Edit1Change(value);
    if (control == Control::Edit3) presenter->Edit3Change(value);
  }
  void SetChecked(Control control, bool value) override {
    if (value && control == Control::RadioButton1) checked[Control::RadioButton2] = false;
    if (value && control == Control::RadioButton2) checked[Control::RadioButton1] = false;
    checked[control] = value;
  }
  void SetEnabled(Control control, bool value) override { enabled[control] = value; }
  void SetSelectedIndex(Control control, int index) override { selected[control] = index; }
  void SetAlert(Control control, bool value) override { alert[control] = value; }

  int TitleLineCount() override { return static_cast<int>(Lines().size()); }
  std::string TitleLine(int index) override { return Lines().at(index); }
  std::string TitleText() override { return title; }
  void SetTitleText(const std::string& value) override {
    title = value;
    if (presenter != nullptr) presenter->Memo1Change();
  }
  // The user types into the title edit.
  void TypeTitle(const std::string& value) {
    title = value;
    presenter->Memo1Change();
  }

  void ShowMessage(const std::string& value, const std::string& caption,
                   MessageKind kind) override {
    messages.push_back({value, caption, kind == MessageKind::kError});
    log.push_back("message");
  }
  void ShowError(const std::string& value) override {
    messages.push_back({value, "", true});
    log.push_back(progressShown ? "error over progress" : "error");
  }
  std::optional<std::string> ChooseOutputFile(const std::string& folder) override {
    askedFolders.push_back(folder);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  // The chooser's dialog: the source list as first shown, then the next answer chosen in
  // it (none: cancelled) and, when folders are queued, the next folder row; confirmed.
  bool RunSourceChooser(SourceChooser& chooser) override {
    ChooserDialog dialog(*this);
    chooser.Open(dialog);
    sourceChoices = dialog.firstSources;
    sourceCurrent = dialog.firstCurrent;
    const std::optional<int> pick = Next(sourceAnswers);
    if (!pick) return false;
    chooser.SourceSelected(*pick);
    if (!folderRowAnswers.empty()) {
      chooser.FolderSelected(folderRowAnswers.front());
      folderRowAnswers.pop_front();
    }
    return true;
  }
  struct ChooserDialog : SourceDialogView {
    explicit ChooserDialog(RecordingView& owner) : view(owner) {}
    void ShowSources(const std::vector<std::string>& captions, int current) override {
      if (firstCurrent != -2) return;
      firstSources = captions;
      firstCurrent = current;
    }
    void ShowFolders(const std::vector<FolderRow>& rows, std::size_t, bool open) override {
      view.folderRows = rows;
      view.folderTreeOpened = open;
    }
    void ShowFolderError(const std::string&) override { view.folderRows.clear(); }
    void ShowSummary(const std::string&) override {}
    std::optional<std::string> ChooseFavoritesFolder(const std::string&) override {
      return std::nullopt;
    }
    std::optional<std::string> ChooseBookmarksFile(const std::string& folder) override {
      view.fileFolders.push_back(folder);
      return Next(view.fileAnswers);
    }
    RecordingView& view;
    std::vector<std::string> firstSources;
    int firstCurrent = -2;
  };
  void ShowAbout() override { log.push_back("about"); }
  void Navigate(const std::string& path) override { navigated.push_back(path); }
  bool OpenInBrowser(const std::string& path) override {
    opened.push_back(path);
    return browserOpens;
  }
  WindowPlace Placement() override { return placement; }
  void Place(const WindowPlace& place) override {
    placed.push_back(place);
    placement = place;
  }
  std::vector<ScreenArea> Screens() override { return screens; }
  void ShowProgress() override {
    progressShown = true;
    log.push_back("progress");
  }
  void SetProgressText(const std::string&) override {}
  void HideProgress() override {
    progressShown = false;
    log.push_back("progress off");
  }
  void ProcessEvents() override {
    if (!duringEvents) return;
    auto events = std::move(duringEvents);
    duringEvents = nullptr;
    events();
  }
  void Close() override {
    log.push_back("close");
    if (presenter->CloseQuery()) closed = true;
  }
  void CloseSoon() override { closePending = true; }
  // The event loop reaches a queued close.
  void RunPendingClose() {
    if (!std::exchange(closePending, false)) return;
    Close();
  }

 private:
  // An answer queue run dry cancels.
  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto answer = queue.front();
    queue.pop_front();
    return answer;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = title.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(title.substr(start, end - start));
    }
    if (start < title.size()) lines.push_back(title.substr(start));
    return lines;
  }
};

constexpr char kTop[] = "<html><head>\r\n";
constexpr char kBottom[] = "</head><body></body></html>\r\n";

// The executable's folder with its data files and a home holding the favorites folder.
class MainPresenterTest : public ::testing::Test {
 protected:
  MainPresenterTest() : home_("HOME", dir_.host().string().c_str()) {
    test::WriteBytes(Host("sample-top.html"), kTop);
    test::WriteBytes(Host("sample-bottom.html"), kBottom);
    for (int i = 0; i < 3; ++i) {
      test::WriteBytes(Host("mirelstyle" + std::to_string(i) + ".css"), "/* sheet */\r\n");
    }
    test::WriteShortcut(Host("Favorites/News.url"), "http://news.example.com/");
    view_.presenter = &presenter_;
  }

  std::filesystem::path Host(std::string_view relative) const { return dir_.hostPath(relative); }
  std::string Internal(std::string_view relative) const { return dir_.internal(relative); }
  std::string Setting(const char* key) const {
    return SettingsFile(Internal("favpage.INI")).ReadString(kSetupSection, key, "");
  }
  void MakeReadOnly(const std::filesystem::path& file, bool readOnly) {
    std::filesystem::permissions(
        file, std::filesystem::perms::owner_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
  }
  // Ready for a run that writes into "out".
  void PrepareRun(int outType) {
    ASSERT_TRUE(presenter_.Start());
    view_.log.clear();
    std::filesystem::create_directories(Host("out"));
    presenter_.SetOutName(Internal("out/links.html"));
    presenter_.SetOutType(static_cast<std::uint8_t>(outType));
    presenter_.SetStyleType(2);
    presenter_.SetText("links\r\n");
  }

  test::TempDir dir_;
  test::EnvOverride home_;
  RecordingView view_;
  MainPresenter presenter_{view_, dir_.internal("favpage")};
};

TEST_F(MainPresenterTest, FirstStartShowsTheDefaultsAndShutDownStoresThem) {
  ASSERT_TRUE(presenter_.Start());
  EXPECT_TRUE(view_.messages.empty());
  EXPECT_EQ(view_.text[Control::Edit2], "");
  EXPECT_TRUE(view_.checked[Control::RadioButton1]);
  EXPECT_FALSE(view_.checked[Control::CheckBox1]);
  EXPECT_FALSE(view_.Enabled(Control::PanelEx1));
  EXPECT_EQ(view_.text[Control::Edit1], "ＨＰに戻る");
  EXPECT_EQ(view_.text[Control::Edit3], kDefaultReturnURL);
  EXPECT_EQ(view_.selected[Control::ComboBox1], 0);
  EXPECT_FALSE(view_.checked[Control::CheckBox2]);
  EXPECT_EQ(view_.title, "私のお気に入り\n");
  EXPECT_EQ(test::ReadBytes(Host("sample.html")), std::string(kTop) + kBottom);
  EXPECT_EQ(view_.navigated, std::vector<std::string>{Host("sample.html").string()});
  std::string favorites;
  ASSERT_TRUE(platform::FavoritesFolder(favorites));
  EXPECT_EQ(presenter_.State().FavoritePath, favorites);
  EXPECT_EQ(view_.text[Control::FavoriteDir], platform::ToHostPath(favorites));

  view_.Close();
  EXPECT_TRUE(view_.closed);
  EXPECT_EQ(test::ReadBytes(Host("favpage.tit")), test::Sjis("私のお気に入り\r\n"));
  EXPECT_EQ(Setting("OutType"), "0");
  EXPECT_EQ(Setting("StyleType"), "0");
}

TEST_F(MainPresenterTest, SettingsRoundTripThroughHandlersAndANewStart) {
  ASSERT_TRUE(presenter_.Start());
  presenter_.Edit2Change("/srv/www/リンク.html");
  presenter_.RadioButton2Click();
  presenter_.CheckBox1Click(true);
  presenter_.Edit1Change("戻る");
  presenter_.Edit3Change("http://example.jp/");
  presenter_.ComboBox1Change(3);
  presenter_.CheckBox2Click(true);
  view_.TypeTitle("リンク集\nsecond");
  view_.Close();
  ASSERT_TRUE(view_.closed);
  EXPECT_EQ(test::ReadBytes(Host("favpage.tit")), test::Sjis("リンク集\r\nsecond"));

  RecordingView view;
  MainPresenter again(view, Internal("favpage"));
  view.presenter = &again;
  ASSERT_TRUE(again.Start());
  const SettingsState& state = again.State();
  EXPECT_EQ(state.OutName, platform::FromHostPath("/srv/www/リンク.html"));
  EXPECT_EQ(int(state.OutType), 1);
  EXPECT_TRUE(state.ReturnFlag);
  EXPECT_EQ(state.ReturnLine, test::Sjis("戻る"));
  EXPECT_EQ(state.ReturnURL, "http://example.jp/");
  EXPECT_EQ(state.StyleType, 3);
  EXPECT_TRUE(state.SetBlank);
  EXPECT_EQ(view.text[Control::Edit2], platform::ToHostPath(state.OutName));
  EXPECT_TRUE(view.checked[Control::RadioButton2]);
  EXPECT_FALSE(view.checked[Control::RadioButton1]);
  EXPECT_TRUE(view.Enabled(Control::PanelEx1));
  EXPECT_TRUE(view.checked[Control::CheckBox1]);
  EXPECT_EQ(view.selected[Control::ComboBox1], 3);
  EXPECT_TRUE(view.checked[Control::CheckBox2]);
  EXPECT_EQ(again.Text(), test::Sjis("リンク集\r\nsecond"));
  EXPECT_NE(test::ReadBytes(Host("sample.html")).find("mirelstyle2.css"), std::string::npos);
}

TEST_F(MainPresenterTest, SettersStoreTheFieldAndShowWhatTheControlsCan) {
  presenter_.SetOutName(test::Sjis("\\srv\\サイト\\links.html"));
  EXPECT_EQ(view_.text[Control::Edit2],
            platform::ToHostPath(test::Sjis("\\srv\\サイト\\links.html")));
  EXPECT_EQ(presenter_.State().OutName, test::Sjis("\\srv\\サイト\\links.html"));

  presenter_.SetReturnFlag(false);
  EXPECT_FALSE(view_.Enabled(Control::PanelEx1));
  EXPECT_FALSE(view_.checked[Control::CheckBox1]);
  presenter_.SetReturnLine(test::Sjis("トップへ"));
  EXPECT_EQ(view_.text[Control::Edit1], "トップへ");
  EXPECT_EQ(presenter_.State().ReturnLine, test::Sjis("トップへ"));  // kept while unticked

  presenter_.SetOutType(1);
  EXPECT_TRUE(view_.checked[Control::RadioButton2]);
  presenter_.SetOutType(7);  // held, while the radio buttons stay as they were
  EXPECT_EQ(int(presenter_.State().OutType), 7);
  EXPECT_TRUE(view_.checked[Control::RadioButton2]);

  struct Case {
    std::int32_t style;
    int shown;
  };
  for (const Case c : {Case{3, 3}, Case{0, 0}, Case{4, -1}, Case{-1, -1}, Case{5, -1}}) {
    presenter_.SetStyleType(c.style);
    EXPECT_EQ(view_.selected[Control::ComboBox1], c.shown) << c.style;
    EXPECT_EQ(presenter_.State().StyleType, c.style) << c.style;
  }
  EXPECT_TRUE(view_.navigated.empty());  // setting the style does not rebuild the preview

  presenter_.SetBlankTarget(true);
  EXPECT_TRUE(view_.checked[Control::CheckBox2]);
}

TEST_F(MainPresenterTest, EditsKeepTheStoredBytesUntilTheirTextChanges) {
  // A value the edit shows as it is stays byte for byte when the edit reports it back.
  const std::string nec = "\xED\x40";  // an NEC duplicate, shown as its IBM twin
  presenter_.SetReturnURL(nec);
  presenter_.Edit3Change(view_.text[Control::Edit3]);
  EXPECT_EQ(presenter_.State().ReturnURL, nec);

  struct Case {
    void (MainPresenter::*change)(const std::string&);
    std::string typed;
    std::string SettingsState::*field;
    std::string stored;
  };
  const Case cases[] = {
      {&MainPresenter::Edit2Change, "/web/p.htmlページ", &SettingsState::OutName,
       platform::FromHostPath("/web/p.htmlページ")},
      {&MainPresenter::Edit1Change, "戻る", &SettingsState::ReturnLine, test::Sjis("戻る")},
      {&MainPresenter::Edit3Change, "http://example.jp/", &SettingsState::ReturnURL,
       "http://example.jp/"},
  };
  for (const Case& c : cases) {
    (presenter_.*c.change)(c.typed);
    EXPECT_EQ(presenter_.State().*c.field, c.stored) << c.typed;
  }
  EXPECT_EQ(presenter_.State().OutName, "\\web\\p.html" + test::Sjis("ページ"));
}

TEST_F(MainPresenterTest, ClicksStoreTheirChoice) {
  presenter_.CheckBox1Click(true);
  EXPECT_TRUE(presenter_.State().ReturnFlag);
  EXPECT_TRUE(view_.Enabled(Control::PanelEx1));
  presenter_.CheckBox1Click(false);
  EXPECT_FALSE(presenter_.State().ReturnFlag);
  EXPECT_FALSE(view_.Enabled(Control::PanelEx1));
  presenter_.SetOutType(7);
  presenter_.RadioButton1Click();
  EXPECT_EQ(int(presenter_.State().OutType), 0);
  presenter_.RadioButton2Click();
  EXPECT_EQ(int(presenter_.State().OutType), 1);
  presenter_.CheckBox2Click(true);
  EXPECT_TRUE(presenter_.State().SetBlank);
  EXPECT_TRUE(view_.checked[Control::CheckBox2]);
  presenter_.About1Click();
  EXPECT_EQ(view_.log, std::vector<std::string>{"about"});
}

TEST_F(MainPresenterTest, StyleChoiceRebuildsThePreviewAndReportsAMissingTemplate) {
  presenter_.ComboBox1Change(3);
  EXPECT_EQ(presenter_.State().StyleType, 3);
  EXPECT_EQ(test::ReadBytes(Host("sample.html")),
            std::string(kTop) +
                "<link href=\"mirelstyle2.css\" rel=\"stylesheet\" type=\"text/css\">\r\n" +
                kBottom);
  ASSERT_EQ(view_.navigated.size(), 1u);

  std::filesystem::remove(Host("sample-bottom.html"));
  presenter_.ComboBox1Change(2);
  EXPECT_EQ(presenter_.State().StyleType, 2);
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, "ファイルが見つかりません.");
  EXPECT_EQ(view_.messages[0].caption, "");  // the default error display
  EXPECT_EQ(view_.navigated.size(), 1u);     // the preview keeps its page
}

// The HTML5 menu item switches the format, ticks itself, rebuilds the preview from the
// HTML5 templates, and the choice is stored and shown again at the next start; a run then
// writes HTML5 pages.
TEST_F(MainPresenterTest, Html5ItemSwitchesTheFormatAndThePreviewFollows) {
  test::WriteBytes(Host("sample-html5-top.html"), "<!DOCTYPE html><head>\r\n");
  test::WriteBytes(Host("sample-html5-bottom.html"), "</head><body></body>\r\n");
  ASSERT_TRUE(presenter_.Start());
  EXPECT_FALSE(view_.checked[Control::HTML5Pages1]);
  presenter_.ComboBox1Change(1);
  const std::size_t shown = view_.navigated.size();

  presenter_.HTML5Pages1Click();
  EXPECT_EQ(presenter_.State().Format, PageFormat::kHtml5);
  EXPECT_TRUE(view_.checked[Control::HTML5Pages1]);
  EXPECT_EQ(view_.navigated.size(), shown + 1);
  EXPECT_EQ(test::ReadBytes(Host("sample.html")),
            "<!DOCTYPE html><head>\r\n<link href=\"mirelstyle0.css\" rel=\"stylesheet\">\r\n"
            "</head><body></body>\r\n");
  ASSERT_TRUE(presenter_.CloseQuery());
  EXPECT_EQ(Setting("PageFormat"), "html5");

  RecordingView view;
  MainPresenter again(view, Internal("favpage"));
  view.presenter = &again;
  ASSERT_TRUE(again.Start());
  EXPECT_EQ(again.State().Format, PageFormat::kHtml5);
  EXPECT_TRUE(view.checked[Control::HTML5Pages1]);
  again.HTML5Pages1Click();
  EXPECT_EQ(again.State().Format, PageFormat::kClassic);
  EXPECT_FALSE(view.checked[Control::HTML5Pages1]);
  EXPECT_EQ(test::ReadBytes(Host("sample.html")),
            std::string(kTop) +
                "<link href=\"mirelstyle0.css\" rel=\"stylesheet\" type=\"text/css\">\r\n" +
                kBottom);
}

TEST_F(MainPresenterTest, StoredValuesTheControlsCannotShow) {
  test::WriteBytes(Host("favpage.INI"), "[Setup]\r\nOutType=7\r\nStyleType=5\r\n");
  ASSERT_TRUE(presenter_.Start());
  EXPECT_EQ(int(presenter_.State().OutType), 7);
  EXPECT_TRUE(view_.checked[Control::RadioButton1]);
  EXPECT_EQ(view_.selected[Control::ComboBox1], -1);
  EXPECT_EQ(presenter_.State().StyleType, -1);  // taken back from the style list
  view_.Close();
  EXPECT_EQ(Setting("OutType"), "7");
  EXPECT_EQ(Setting("StyleType"), "-1");
}

TEST_F(MainPresenterTest, BrowseTakesTheNameAndStoresItsFolderAtOnce) {
  struct Case {
    std::string chosen;  // host path
    std::string outputDir;
  };
#ifdef _WIN32
  const Case root{"C:\\links.html", "C:\\"};  // a drive root keeps its delimiter
#else
  const Case root{"/links.html", "\\"};
#endif
  std::filesystem::create_directories(Host("site"));
  for (const Case& c : {Case{Host("site/links.html").string(), Internal("site")}, root}) {
    view_.answers.push_back(c.chosen);
    presenter_.Button2Click();
    EXPECT_EQ(view_.text[Control::Edit2], c.chosen);
    EXPECT_EQ(presenter_.State().OutName, platform::FromHostPath(c.chosen));
    EXPECT_EQ(Setting("OutputDir"), c.outputDir) << c.chosen;
    EXPECT_EQ(Setting("OutName"), "");  // the name itself waits for shut-down
  }
  ASSERT_EQ(view_.askedFolders.size(), 2u);
  EXPECT_EQ(view_.askedFolders[1], Host("site").string());
}

// The browse dialog opens where the work is: the output file's folder, else the folder a
// file was last chosen in, else the user's documents (the home folder here); a folder that
// is gone is passed over.
TEST_F(MainPresenterTest, BrowseStartsWhereTheWorkIs) {
  std::filesystem::create_directories(Host("site/pages"));
  std::filesystem::create_directories(Host("last"));
  const std::string documents = platform::ToHostPath(platform::DocumentsFolder());
  struct Case {
    const char* name;
    std::string outName;    // internal
    std::string outputDir;  // stored, internal; empty: none
    std::string expected;   // host
  };
  const Case cases[] = {
      {"nothing known", "", "", documents},
      {"the output file's folder", Internal("site/pages/links.html"), Internal("last"),
       Host("site/pages").string()},
      {"a bare name", "links.html", Internal("last"), Host("last").string()},
      {"the output folder is gone", Internal("gone/links.html"), Internal("last"),
       Host("last").string()},
      {"the last folder is gone too", Internal("gone/links.html"), Internal("gone2"), documents},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Host("favpage.INI"));
    if (!c.outputDir.empty()) {
      SettingsFile(Internal("favpage.INI")).WriteString(kSetupSection, "OutputDir", c.outputDir);
    }
    presenter_.SetOutName(c.outName);
    view_.askedFolders.clear();
    view_.answers.push_back(std::nullopt);
    presenter_.Button2Click();
    ASSERT_EQ(view_.askedFolders.size(), 1u);
    EXPECT_EQ(view_.askedFolders[0], c.expected);
  }
  EXPECT_FALSE(documents.empty());
}

TEST_F(MainPresenterTest, BrowseCancelledChangesNothing) {
  presenter_.SetOutName("\\old\\a.html");
  view_.answers.push_back(std::nullopt);
  presenter_.Button2Click();
  EXPECT_EQ(view_.askedFolders.size(), 1u);
  EXPECT_EQ(presenter_.State().OutName, "\\old\\a.html");
  EXPECT_EQ(view_.text[Control::Edit2], platform::ToHostPath("\\old\\a.html"));
  EXPECT_FALSE(std::filesystem::exists(Host("favpage.INI")));
}

TEST_F(MainPresenterTest, BrowseWithReadOnlySettingsStillTakesTheName) {
  test::WriteBytes(Host("favpage.INI"), "[Setup]\r\n");
  MakeReadOnly(Host("favpage.INI"), true);
  view_.answers.push_back(Host("b.html").string());
  presenter_.Button2Click();
  EXPECT_EQ(presenter_.State().OutName, Internal("b.html"));
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].caption, "");
  EXPECT_EQ(test::ReadBytes(Host("favpage.INI")), "[Setup]\r\n");
  MakeReadOnly(Host("favpage.INI"), false);
}

// A file that refuses the write at shut-down is reported once and left as it was, and the
// window closes all the same; what was written before the refusal stays written.
TEST_F(MainPresenterTest, ShutDownFailureIsShownOnceAndTheWindowClosesAnyway) {
  struct Case {
    const char* file;
    const char* settingsAfter;  // the settings file's bytes afterwards; empty: the seven keys
  };
  for (const Case c : {Case{"favpage.INI", "[Setup]\r\nOutType=1\r\n"}, Case{"favpage.tit", ""}}) {
    SCOPED_TRACE(c.file);
    test::WriteBytes(Host("favpage.INI"), "[Setup]\r\nOutType=1\r\n");
    test::WriteBytes(Host("favpage.tit"), "kept\r\n");
    RecordingView view;
    MainPresenter presenter(view, Internal("favpage"));
    view.presenter = &presenter;
    ASSERT_TRUE(presenter.Start());
    MakeReadOnly(Host(c.file), true);
    presenter.SetText("changed\r\n");
    presenter.RadioButton1Click();
    view.placement = {10, 20, 600, 700};

    view.Close();
    EXPECT_TRUE(view.closed);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].caption, "");  // the default error display
    if (std::string(c.file) == "favpage.INI") {
      EXPECT_EQ(view.messages[0].text, Host(c.file).string() + " に書き込めません.");
    } else {  // the title file's message names it, with the host's reason
      EXPECT_EQ(view.messages[0].text.rfind("ファイル \"" + Host(c.file).string() + "\". ", 0), 0u);
    }
    EXPECT_EQ(test::ReadBytes(Host("favpage.tit")), "kept\r\n");
    if (*c.settingsAfter != '\0') {
      EXPECT_EQ(test::ReadBytes(Host("favpage.INI")), c.settingsAfter);
    } else {
      EXPECT_EQ(Setting("OutType"), "0");
      EXPECT_EQ(Setting("WindowWidth"), "600");
    }
    // Asked again (a second close request), nothing is written or shown again.
    EXPECT_TRUE(presenter.CloseQuery());
    EXPECT_EQ(view.messages.size(), 1u);
    MakeReadOnly(Host(c.file), false);
  }
}

TEST_F(MainPresenterTest, FailedStartSkipsTheRestAndGuardsTheTitleFile) {
  test::WriteBytes(Host("favpage.tit"), test::Sjis("大事なタイトル\r\n"));
  std::filesystem::remove(Host("sample-top.html"));
  ASSERT_TRUE(presenter_.Start());  // the program runs on
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, "ファイルが見つかりません.");
  EXPECT_EQ(presenter_.LineCount(), 0);
  EXPECT_EQ(view_.text.count(Control::FavoriteDir), 0u);
  EXPECT_EQ(presenter_.State().FavoritePath, kFavoritePathPlaceholder);

  view_.Close();
  EXPECT_TRUE(view_.closed);
  EXPECT_EQ(test::ReadBytes(Host("favpage.tit")), test::Sjis("大事なタイトル\r\n"));
  EXPECT_TRUE(std::filesystem::exists(Host("favpage.INI")));
}

TEST_F(MainPresenterTest, TitleEditedAfterAFailedStartIsSaved) {
  test::WriteBytes(Host("favpage.tit"), "old\r\n");
  std::filesystem::remove(Host("sample-top.html"));
  presenter_.Start();
  view_.TypeTitle("new");
  view_.Close();
  EXPECT_EQ(test::ReadBytes(Host("favpage.tit")), "new");
}

TEST_F(MainPresenterTest, UneditedTitleFileIsLeftByteForByte) {
  for (const std::string& stored :
       {std::string("Caf\xE9\r\n"), std::string("\xED\x40\r\n"),
        std::string("caf\xC3\xA9 \xE3\x81\x82\n"), test::Sjis("表示\r\nB")}) {
    test::WriteBytes(Host("favpage.tit"), stored);
    RecordingView view;
    MainPresenter presenter(view, Internal("favpage"));
    view.presenter = &presenter;
    ASSERT_TRUE(presenter.Start());
    view.Close();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(test::ReadBytes(Host("favpage.tit")), stored);
  }
}

#ifndef _WIN32  // a Windows host's Favorites folder is the shell's, not the test's
// Without a favorites folder the window opens: start-up names the missing folder, the label
// shows it in the error colour and opens the source chooser, and the create command reports
// the same message until the folder is there.
TEST_F(MainPresenterTest, MissingFavoritesIsNamedAndTheWindowOpens) {
  std::filesystem::remove_all(Host("Favorites"));
  const std::string message = Host("Favorites").string() + ": お気に入りが見つかりませんでした.";
  ASSERT_TRUE(presenter_.Start());
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, message);
  EXPECT_EQ(view_.messages[0].caption, "エラー");
  EXPECT_TRUE(view_.messages[0].error);
  EXPECT_FALSE(view_.closed);
  EXPECT_EQ(view_.text[Control::FavoriteDir], Host("Favorites").string());
  EXPECT_TRUE(view_.alert[Control::FavoriteDir]);

  // One click on the label opens the source chooser.
  view_.sourceAnswers.push_back(std::nullopt);
  presenter_.FavoriteDirClick();
  EXPECT_EQ(view_.sourceCurrent, 0);

  std::filesystem::create_directories(Host("out"));
  presenter_.SetOutName(Internal("out/links.html"));
  view_.messages.clear();
  presenter_.Button3Click();
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, message);
  EXPECT_EQ(view_.messages[0].caption, "エラー");
  EXPECT_FALSE(view_.progressShown);
  EXPECT_FALSE(std::filesystem::exists(Host("out/links.html")));

  // Made since: the run finds it, and the label shows it as any other.
  test::WriteShortcut(Host("Favorites/News.url"), "http://news.example.com/");
  view_.messages.clear();
  presenter_.Button3Click();
  EXPECT_TRUE(view_.messages.empty());
  EXPECT_TRUE(std::filesystem::exists(Host("out/links.html")));
  EXPECT_FALSE(view_.alert[Control::FavoriteDir]);
  view_.sourceCurrent = -2;
  view_.sourceAnswers.push_back(std::nullopt);
  presenter_.FavoriteDirClick();  // the label names the source: a click chooses another
  EXPECT_EQ(view_.sourceCurrent, 0);

  view_.Close();
  EXPECT_TRUE(view_.closed);
  EXPECT_EQ(Setting("OutType"), "0");
}

// A stored source that is there needs no favorites folder; one that is gone is named.
TEST_F(MainPresenterTest, StoredSourceDecidesWhatStartUpChecks) {
  std::filesystem::remove_all(Host("Favorites"));
  test::WriteBytes(Host("links.html"), "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n</DL>\n");
  struct Case {
    const char* name;
    std::string source;
    std::string message;  // empty: none
  };
  const Case cases[] = {
      {"a bookmarks file", Internal("links.html"), ""},
      {"a folder", Internal("out"), ""},
      {"a file gone", Internal("gone.html"),
       Host("gone.html").string() + ": ファイルが見つかりません."},
      {"a browser not here", "firefox", "このユーザーの firefox のブックマークが見つかりません."},
  };
  std::filesystem::create_directories(Host("out"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Host("favpage.INI"));
    SettingsFile(Internal("favpage.INI")).WriteString(kSetupSection, "Source", c.source);
    RecordingView view;
    MainPresenter presenter(view, Internal("favpage"));
    view.presenter = &presenter;
    ASSERT_TRUE(presenter.Start());
    EXPECT_EQ(view.alert[Control::FavoriteDir], !c.message.empty());
    if (c.message.empty()) {
      EXPECT_TRUE(view.messages.empty());
    } else {
      ASSERT_EQ(view.messages.size(), 1u);
      EXPECT_EQ(view.messages[0].text, c.message);
    }
  }
}
#endif

TEST_F(MainPresenterTest, EmptyNameAsksForOneAndWritesNothing) {
  presenter_.Button3Click();
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, "出力するﾌｧｲﾙ名を指定して下さい.");
  EXPECT_EQ(view_.messages[0].caption, "確認");
  EXPECT_FALSE(view_.messages[0].error);
  EXPECT_FALSE(view_.progressShown);
  EXPECT_TRUE(view_.Enabled(Control::Button3));
  EXPECT_TRUE(view_.Enabled(Control::HTTP1));
}

TEST_F(MainPresenterTest, RunWritesThePagesBehindItsProgressWindow) {
  for (int outType : {0, 1}) {
    PrepareRun(outType);
    presenter_.Button3Click();
    EXPECT_TRUE(view_.messages.empty()) << outType;
    EXPECT_EQ(view_.log, (std::vector<std::string>{"progress", "progress off"}));
    EXPECT_NE(test::ReadBytes(Host("out/links.html")).find("mirelstyle1.css"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(Host("out/mirelstyle1.css")));
    view_.log.clear();
    std::filesystem::remove_all(Host("out"));
  }
}

TEST_F(MainPresenterTest, FailedRunShowsItsErrorAfterTheProgressWindowIsGone) {
  PrepareRun(0);
  std::filesystem::remove(Host("mirelstyle1.css"));
  presenter_.Button3Click();
  EXPECT_EQ(view_.log, (std::vector<std::string>{"progress", "progress off", "error"}));
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, "ファイルが見つかりません.");
  // A run that fails publishes nothing: not even the pages it wrote before the failure.
  EXPECT_FALSE(std::filesystem::exists(Host("out/links.html")));
  EXPECT_FALSE(presenter_.RunInProgress());
  EXPECT_TRUE(view_.Enabled(Control::Button3));
  EXPECT_TRUE(view_.Enabled(Control::HTTP1));
}

// What a successful run left out is listed in one message once the progress window is
// gone; a long list shows its first lines and the count of the others.
TEST_F(MainPresenterTest, RunWarningsAreListedInOneMessageAtTheEnd) {
  for (int i = 0; i < 22; ++i) {
    test::WriteShortcut(Host("Favorites/Tools/Run" + std::to_string(10 + i) + ".url"),
                        "javascript:run(" + std::to_string(i) + ")");
  }
  PrepareRun(0);
  // The test's folder as the source: on Windows the shell decides where Favorites is.
  presenter_.SetSource(Internal("Favorites") + "\\");
  presenter_.Button3Click();
  EXPECT_EQ(view_.log, (std::vector<std::string>{"progress", "progress off", "message"}));
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].caption, "確認");
  EXPECT_FALSE(view_.messages[0].error);
  const std::string& text = view_.messages[0].text;
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "スクリプトのリンク \"Run10\" (Tools) は出力しませんでした");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
  EXPECT_EQ(text.substr(text.rfind('\n') + 1), "他 2 件");
  EXPECT_EQ(test::ReadBytes(Host("out/links.html")).find("javascript:"), std::string::npos);
}

// ScriptLinks has no control: the stored choice is used by the run and written back.
TEST_F(MainPresenterTest, StoredScriptLinksAreKeptThroughTheWindow) {
  test::WriteShortcut(Host("Favorites/Run.url"), "javascript:run()");
  test::WriteBytes(Host("favpage.INI"), "[Setup]\r\nScriptLinks=1\r\n");
  PrepareRun(0);
  presenter_.SetSource(Internal("Favorites") + "\\");
  presenter_.Button3Click();
  EXPECT_TRUE(view_.messages.empty());
  EXPECT_NE(test::ReadBytes(Host("out/links.html")).find("javascript:run()"), std::string::npos);
  ASSERT_TRUE(presenter_.CloseQuery());
  EXPECT_EQ(Setting("ScriptLinks"), "1");
}

// After a run the status bar says what it did and where; a failed run or one without an
// output name leaves it empty rather than showing an earlier run's words.
TEST_F(MainPresenterTest, StatusBarSaysWhatTheRunDid) {
  test::WriteShortcut(Host("Favorites/Tools/Qt.url"), "https://www.qt.io/");
  PrepareRun(1);
  // The test's folder as the source: on Windows the shell decides where Favorites is.
  presenter_.SetSource(Internal("Favorites") + "\\");
  double now = 100.0;
  presenter_.SetClock([&now] { return now; });
  view_.duringEvents = [&now] { now += 0.43; };
  presenter_.Button3Click();
  const std::string page = Host("out/links.html").string();
  EXPECT_EQ(view_.text[Control::StatusBar1],
            "2 ページを書き出しました・2 リンク・0.4 秒 — " + page);

  std::filesystem::remove(Host("mirelstyle1.css"));
  presenter_.Button3Click();
  EXPECT_EQ(view_.text[Control::StatusBar1], "");
  presenter_.SetOutName("");
  view_.text[Control::StatusBar1] = "earlier";
  presenter_.Button3Click();
  EXPECT_EQ(view_.text[Control::StatusBar1], "");
}

// "Open in the browser" is there once the top page is, and hands the page to the browser;
// a browser that cannot be started is reported.
TEST_F(MainPresenterTest, BrowserItemOpensTheTopPageOnceItExists) {
  PrepareRun(0);
  EXPECT_FALSE(view_.Enabled(Control::Browser1));
  presenter_.Browser1Click();
  EXPECT_TRUE(view_.opened.empty());

  presenter_.Button3Click();
  EXPECT_TRUE(view_.Enabled(Control::Browser1));
  presenter_.Browser1Click();
  const std::string page = Host("out/links.html").string();
  EXPECT_EQ(view_.opened, std::vector<std::string>{page});
  EXPECT_TRUE(view_.messages.empty());

  view_.browserOpens = false;
  presenter_.Browser1Click();
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, page + " をブラウザで開けませんでした");
  EXPECT_EQ(view_.messages[0].caption, "");

  // Typing another name follows the file it names.
  view_.SetControlText(Control::Edit2, Host("out/other.html").string());
  EXPECT_FALSE(view_.Enabled(Control::Browser1));
  view_.SetControlText(Control::Edit2, page);
  EXPECT_TRUE(view_.Enabled(Control::Browser1));
  // A page that vanished since: nothing is opened, and the item follows.
  std::filesystem::remove(Host("out/links.html"));
  view_.opened.clear();
  presenter_.Browser1Click();
  EXPECT_TRUE(view_.opened.empty());
  EXPECT_FALSE(view_.Enabled(Control::Browser1));

  // At the next start the item follows the stored name.
  test::WriteBytes(Host("out/links.html"), "<html></html>\r\n");
  ASSERT_TRUE(presenter_.CloseQuery());
  RecordingView view;
  MainPresenter presenter(view, Internal("favpage"));
  view.presenter = &presenter;
  view.enabled[Control::Browser1] = false;
  ASSERT_TRUE(presenter.Start());
  EXPECT_TRUE(view.Enabled(Control::Browser1));
}

// The window's place is stored at shut-down when it was moved or resized, and start-up
// puts the window back there while one of the screens shows it.
TEST_F(MainPresenterTest, TheWindowReopensWhereItWasLeftWhileAScreenShowsIt) {
  ASSERT_TRUE(presenter_.Start());
  EXPECT_TRUE(view_.placed.empty());
  view_.Close();
  EXPECT_EQ(Setting("WindowLeft"), "");  // never moved: no keys
  EXPECT_EQ(test::ReadBytes(Host("favpage.INI")).find("Window"), std::string::npos);

  struct Case {
    const char* name;
    std::vector<ScreenArea> screens;
    std::optional<WindowPlace> placed;
  };
  const WindowPlace left{1500, 40, 640, 700};
  const Case cases[] = {
      {"the same screens", {{0, 0, 1920, 1080}}, left},
      {"the monitor it was on is gone", {{0, 0, 1280, 1024}}, std::nullopt},
      {"a second monitor there", {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}}, left},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    {
      RecordingView view;
      MainPresenter presenter(view, Internal("favpage"));
      view.presenter = &presenter;
      ASSERT_TRUE(presenter.Start());
      view.placement = left;
      view.Close();
    }
    EXPECT_EQ(Setting("WindowLeft"), "1500");
    EXPECT_EQ(Setting("WindowHeight"), "700");
    RecordingView view;
    view.screens = c.screens;
    MainPresenter presenter(view, Internal("favpage"));
    view.presenter = &presenter;
    ASSERT_TRUE(presenter.Start());
    if (c.placed) {
      EXPECT_EQ(view.placed, std::vector<WindowPlace>{*c.placed});
    } else {
      EXPECT_TRUE(view.placed.empty());
    }
  }
}

// The stored folder of the source is published by the window's run and written back.
TEST_F(MainPresenterTest, StoredSourceFolderIsKeptThroughTheWindow) {
  test::WriteShortcut(Host("Favorites/Private.url"), "https://bank.example/");
  test::WriteShortcut(Host("Favorites/Public/Shared.url"), "https://shared.example/");
  test::WriteBytes(Host("favpage.INI"), "[Setup]\r\nSourceFolder=\"Public\"\r\n");
  PrepareRun(0);
  presenter_.SetSource(Internal("Favorites") + "\\");
  EXPECT_EQ(presenter_.State().SourceFolder, "Public");
  presenter_.Button3Click();
  const std::string page = test::ReadBytes(Host("out/links.html"));
  EXPECT_NE(page.find("shared.example"), std::string::npos);
  EXPECT_EQ(page.find("bank.example"), std::string::npos);
  ASSERT_TRUE(presenter_.CloseQuery());
  EXPECT_EQ(Setting("SourceFolder"), "Public");
}

TEST_F(MainPresenterTest, SecondStartDuringARunIsIgnored) {
  PrepareRun(1);
  int progressWindows = -1;
  view_.duringEvents = [&] {
    EXPECT_TRUE(presenter_.RunInProgress());
    EXPECT_FALSE(view_.Enabled(Control::Button3));
    EXPECT_FALSE(view_.Enabled(Control::HTTP1));
    presenter_.Button3Click();
    progressWindows = static_cast<int>(std::count(view_.log.begin(), view_.log.end(), "progress"));
  };
  presenter_.Button3Click();
  EXPECT_EQ(progressWindows, 1);
  EXPECT_FALSE(presenter_.RunInProgress());
  EXPECT_TRUE(view_.Enabled(Control::Button3));
  EXPECT_TRUE(view_.Enabled(Control::HTTP1));
  EXPECT_TRUE(view_.messages.empty());
}

TEST_F(MainPresenterTest, CloseDuringARunWaitsForItsEnd) {
  PrepareRun(0);
  view_.duringEvents = [&] {
    presenter_.Exit1Click();
    EXPECT_FALSE(view_.closed);
    EXPECT_FALSE(std::filesystem::exists(Host("favpage.INI")));
  };
  presenter_.Button3Click();
  EXPECT_TRUE(std::filesystem::exists(Host("out/mirelstyle1.css")));  // the run completed
  EXPECT_FALSE(view_.closed);
  ASSERT_TRUE(view_.closePending);
  view_.RunPendingClose();
  EXPECT_TRUE(view_.closed);
  EXPECT_EQ(Setting("OutType"), "0");
  EXPECT_EQ(test::ReadBytes(Host("favpage.tit")), "links\r\n");
}

TEST_F(MainPresenterTest, TitleLinesAndTextAsTheCoreReadsThem) {
  struct Case {
    std::string stored;  // Shift_JIS, CR LF
    std::string shown;   // what the edit holds
    int lines;
    std::string text;  // read back
  };
  const Case cases[] = {
      {"", "", 0, ""},
      {"\r\n", "\n", 1, "\r\n"},
      {test::Sjis("一行目\r\nB\r\n"), "一行目\nB\n", 2, test::Sjis("一行目\r\nB\r\n")},
      {std::string("A\0B", 3), "A", 1, "A"},  // the text ends at a NUL
  };
  for (const Case& c : cases) {
    presenter_.SetText(c.stored);
    EXPECT_EQ(view_.title, c.shown);
    EXPECT_EQ(presenter_.LineCount(), c.lines);
    EXPECT_EQ(presenter_.Text(), c.text);
  }
  presenter_.SetText(test::Sjis("一行目\r\nB"));
  EXPECT_EQ(presenter_.Line(0), test::Sjis("一行目"));

  // A line is read cut to 4096 bytes, a double-byte character straddling the limit left out.
  presenter_.SetText(std::string(5000, 'a'));
  EXPECT_EQ(presenter_.Line(0), std::string(4096, 'a'));
  std::string mixed = "a";
  for (int i = 0; i < 2100; ++i) mixed += test::Sjis("あ");
  presenter_.SetText(mixed);
  EXPECT_EQ(presenter_.Line(0), mixed.substr(0, 4095));
}

// The bookmark sources of the source chooser: an HTML export beside the program and a
// Chrome profile in the home folder, so the chooser lists Chrome after its two fixed items.
class SourceChoiceTest : public MainPresenterTest {
 protected:
  // The chooser's rows from the favorites folder: Chrome's one profile, then the two rows
  // that pick a folder or a file.
  static constexpr int kFavorites = 0;
  static constexpr int kChrome = 1;
  static constexpr int kFile = 3;

  SourceChoiceTest() {
    test::WriteBytes(Host("bookmarks.html"),
                     "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                     "  <DT><A HREF=\"https://html.example/\">HTML \xE5\xA4\xA9</A>\n</DL><p>\n");
    test::WriteBytes(Host(".config/google-chrome/Default/Bookmarks"),
                     "{\"roots\": {\"bookmark_bar\": {\"name\": \"Bar\", \"type\": \"folder\", "
                     "\"children\": []}}}");
  }
  std::string Shown() { return view_.text[Control::FavoriteDir]; }
};

#ifndef _WIN32  // the favorites folder and the browsers are found below $HOME here; on
                // Windows the shell's known folders decide
TEST_F(SourceChoiceTest, EachKindIsShownStoredAndReadBackAtTheNextStart) {
  const std::string file = Internal("bookmarks.html");
  const std::string favorites = Host("Favorites").string();
  struct Case {
    const char* name;
    std::vector<int> picks;  // the chooser's answers, starting from the favorites folder
    std::optional<std::string> fileAnswer;
    std::string source;  // as stored
    std::string shown;   // on the favorites-folder label
    int reopened;        // the chooser's row at the next start
  };
  const Case cases[] = {
      {"file", {kFile}, Host("bookmarks.html").string(), file, Host("bookmarks.html").string(), 1},
      {"browser", {kChrome}, std::nullopt, "chrome:Default", "Google Chrome (Default)", kChrome},
      {"back to favorites", {kChrome, kFavorites}, std::nullopt, "", favorites, kFavorites},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(Host("favpage.INI"));
    {
      RecordingView view;
      MainPresenter presenter(view, Internal("favpage"));
      view.presenter = &presenter;
      ASSERT_TRUE(presenter.Start());
      EXPECT_EQ(view.text[Control::FavoriteDir], favorites);
      for (int pick : c.picks) {
        view.sourceAnswers.push_back(pick);
        if (pick == kFile) view.fileAnswers.push_back(c.fileAnswer);
        presenter.Source1Click();
      }
      EXPECT_EQ(view.sourceChoices.size(), 4U);
      EXPECT_EQ(view.sourceChoices.at(kChrome), "Google Chrome (Default)");
      EXPECT_EQ(view.sourceChoices.at(kFile), "ブックマークファイル...");
      EXPECT_EQ(presenter.State().Source, c.source);
      EXPECT_EQ(view.text[Control::FavoriteDir], c.shown);
      ASSERT_TRUE(presenter.CloseQuery());
    }
    // Only a source other than the favorites folder is stored; going back to the favorites
    // folder undoes an earlier one.
    EXPECT_EQ(Setting("Source"), c.source);
    RecordingView view;
    MainPresenter presenter(view, Internal("favpage"));
    view.presenter = &presenter;
    ASSERT_TRUE(presenter.Start());
    EXPECT_EQ(presenter.State().Source, c.source);
    EXPECT_EQ(view.text[Control::FavoriteDir], c.shown);
    // The chooser opens on the stored choice.
    presenter.Source1Click();
    EXPECT_EQ(view.sourceCurrent, c.reopened);
  }
}
#endif

#ifndef _WIN32  // the favorites folder and the browsers are found below $HOME here; on
                // Windows the shell's known folders decide
TEST_F(SourceChoiceTest, CancellingKeepsTheChoiceAndAConfirmedBrowserKeepsItsProfile) {
  ASSERT_TRUE(presenter_.Start());
  presenter_.SetSource("chrome:Profile 1");
  EXPECT_EQ(Shown(), "Google Chrome (Profile 1)");
  // A profile this home lacks keeps a row of its own after the favorites folder, which
  // moves the rows after it down by one.
  constexpr int kStored = 1;
  constexpr int kFileAfterStored = kFile + 1;
  struct Case {
    const char* name;
    std::optional<int> pick;
    bool fileAsked;
  };
  const Case cases[] = {
      {"chooser cancelled", std::nullopt, false},
      {"file dialog cancelled", kFileAfterStored, true},
      {"same browser confirmed", kStored, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view_.fileFolders.clear();
    view_.sourceAnswers.push_back(c.pick);
    presenter_.Source1Click();
    EXPECT_EQ(view_.sourceCurrent, kStored);
    EXPECT_EQ(view_.fileFolders.size(), c.fileAsked ? 1u : 0u);
    EXPECT_EQ(presenter_.State().Source, "chrome:Profile 1");
    EXPECT_EQ(Shown(), "Google Chrome (Profile 1)");
  }
  // A second file choice opens beside the first.
  presenter_.SetSource(Internal("bookmarks.html"));
  view_.sourceAnswers.push_back(kFileAfterStored);
  presenter_.Source1Click();
  EXPECT_EQ(view_.fileFolders.back(), dir_.host().string());
  EXPECT_TRUE(view_.messages.empty());
}

// A folder picked in the chooser is published, shown on the label and stored; choosing a
// browser opens its tree.
TEST_F(SourceChoiceTest, AFolderPickedInTheChooserIsPublishedShownAndStored) {
  test::WriteShortcut(Host("Favorites/Public/Shared.url"), "https://shared.example/");
  PrepareRun(0);
  view_.sourceAnswers.push_back(kChrome);
  presenter_.Source1Click();
  EXPECT_TRUE(view_.folderTreeOpened);
  view_.sourceAnswers.push_back(kFavorites);
  view_.folderRowAnswers.push_back(1);
  presenter_.Source1Click();
  EXPECT_FALSE(view_.folderTreeOpened);
  ASSERT_EQ(view_.folderRows.size(), 2U);
  EXPECT_EQ(view_.folderRows[1].caption, "Public (1)");
  EXPECT_EQ(presenter_.State().Source, "");
  EXPECT_EQ(presenter_.State().SourceFolder, "Public");
  EXPECT_EQ(Shown(), Host("Favorites").string() + " / Public");
  presenter_.Button3Click();
  const std::string page = test::ReadBytes(Host("out/links.html"));
  EXPECT_NE(page.find("shared.example"), std::string::npos);
  EXPECT_EQ(page.find("news.example"), std::string::npos);
  ASSERT_TRUE(presenter_.CloseQuery());
  EXPECT_EQ(Setting("SourceFolder"), "Public");
}
#endif

TEST_F(SourceChoiceTest, CharsetBoxIsStoredOnlyOnceChosen) {
  // A first start and close adds neither key.
  ASSERT_TRUE(presenter_.Start());
  EXPECT_FALSE(view_.checked[Control::CheckBox3]);
  ASSERT_TRUE(presenter_.CloseQuery());
  const std::string untouched = test::ReadBytes(Host("favpage.INI"));
  EXPECT_EQ(untouched.find("Source"), std::string::npos);
  EXPECT_EQ(untouched.find("Charset"), std::string::npos);
  for (const bool utf8 : {true, false}) {
    SCOPED_TRACE(utf8);
    RecordingView view;
    MainPresenter presenter(view, Internal("favpage"));
    view.presenter = &presenter;
    ASSERT_TRUE(presenter.Start());
    presenter.CheckBox3Click(utf8);
    ASSERT_TRUE(presenter.CloseQuery());
    EXPECT_EQ(Setting("Charset"), utf8 ? "utf-8" : "shift_jis");
    MainPresenter again(view, Internal("favpage"));
    view.presenter = &again;
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.State().Charset, utf8 ? PageCharset::kUtf8 : PageCharset::kShiftJis);
    EXPECT_EQ(view.checked[Control::CheckBox3], utf8);
  }
}

#ifndef _WIN32  // the favorites folder and the browsers are found below $HOME here; on
                // Windows the shell's known folders decide
TEST_F(SourceChoiceTest, RunReadsTheChosenSourceInTheChosenCharset) {
  PrepareRun(0);
  presenter_.SetSource(Internal("bookmarks.html"));
  presenter_.CheckBox3Click(true);
  presenter_.Button3Click();
  EXPECT_TRUE(view_.messages.empty());
  const std::string page = test::ReadBytes(Host("out/links.html"));
  EXPECT_NE(page.find("https://html.example/"), std::string::npos);
  EXPECT_NE(page.find("HTML \xE5\xA4\xA9"), std::string::npos);
  EXPECT_EQ(page.find("news.example.com"), std::string::npos);
}
#endif

TEST_F(SourceChoiceTest, MissingSourceIsReportedAndWritesNoPage) {
  PrepareRun(0);
  struct Case {
    const char* name;
    std::string source;
    std::string message;
  };
  test::WriteBytes(Host("cut.html"),
                   "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>F</H3>\n<DL><p>\n"
                   "  <DT><A HREF=\"https://a.example/\">A</A>\n");
  test::WriteBytes(Host("notes.txt"), "just text");
  const Case cases[] = {
      {"file gone", Internal("gone.html"),
       Host("gone.html").string() + ": ファイルが見つかりません."},
      {"browser without a profile", "firefox", ""},
      {"cut off", Internal("cut.html"),
       Host("cut.html").string() + ": 完全なブックマークファイルではありません."},
      {"no bookmarks file", Internal("notes.txt"),
       Host("notes.txt").string() + ": ブックマークファイルではありません."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view_.messages.clear();
    presenter_.SetSource(c.source);
    presenter_.Button3Click();
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_TRUE(view_.messages[0].error);
    if (!c.message.empty()) {
      EXPECT_EQ(view_.messages[0].text, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(Host("out/links.html")));
    EXPECT_TRUE(view_.Enabled(Control::Button3));
  }
}

}  // namespace
}  // namespace favpage::ui

// The native window driven in-process: every control where the layout puts it at the
// laid-out size and after the window grows, the stored settings shown on the controls, the
// return-link panel's cascade, Enter in an edit and in the title edit, the title lines as
// the edit wraps them, a failed run's message after the progress window is gone, and the
// exit item writing the settings back.
#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"
#include "platform/host_path.h"
#include "support/test_support.h"
#include "ui/presenter/dialog_record.h"
#include "ui/win32/layout.h"
#include "ui/win32/page_opener.h"
#include "ui/win32/wide.h"

namespace favpage::ui::win32 {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    OleInitialize(nullptr);
    RecordDialogsInto(&record_);
    test::WriteBytes(Host("sample-top.html"), "<html><head>\r\n");
    test::WriteBytes(Host("sample-bottom.html"), "</head><body></body></html>\r\n");
    for (int i = 0; i < 3; ++i) {
      test::WriteBytes(Host("mirelstyle" + std::to_string(i) + ".css"), "/* sheet */\r\n");
    }
  }
  ~MainWindowTest() override {
    window_.reset();
    RecordDialogsInto(nullptr);
    // The closed window asked the loop to end; no later test's loop may see that.
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    OleUninitialize();
  }

  std::filesystem::path Host(std::string_view relative) const { return dir_.hostPath(relative); }
  TPlatform& Open() {
    window_ = std::make_unique<TPlatform>(dir_.internal("favpage"));
    return *window_;
  }
  // The control the layout names `name`.
  HWND Item(std::string_view name) const {
    return GetDlgItem(window_->Window(), ControlIdByName(name));
  }
  // A control's rectangle in the window's client coordinates.
  layout::Rect RectOf(std::string_view name) const {
    RECT rect{};
    GetWindowRect(Item(name), &rect);
    MapWindowPoints(HWND_DESKTOP, window_->Window(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  bool Checked(std::string_view name) const {
    return SendMessageW(Item(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  bool Enabled(std::string_view name) const { return IsWindowEnabled(Item(name)) != FALSE; }
  void Press(std::string_view name, UINT message, WPARAM key) {
    MSG msg{Item(name), message, key, 0, 0, {}};
    if (!window_->PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  test::TempDir dir_;
  DialogRecord record_;
  std::unique_ptr<TPlatform> window_;
};

std::string Show(const layout::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

TEST_F(MainWindowTest, ControlsSitWhereTheLayoutPutsThemAndFollowTheirAnchors) {
  Open();
  HWND window = window_->Window();
  RECT client{};
  GetClientRect(window, &client);
  ASSERT_EQ(client.right, layout::kWindowClient.width);
  ASSERT_EQ(client.bottom, layout::kWindowClient.height);
  // Every control that is a window of the main window where the table's functions put it
  // in the window's client area; a label sized to its text starts where the table says.
  const auto expectPlaced = [this](layout::Size size, const char* when) {
    for (const layout::ControlRow& row : layout::Controls()) {
      if (row.name.empty() || row.kind == layout::Kind::kToolBar ||
          row.kind == layout::Kind::kToolButton) {
        continue;
      }
      const layout::Rect got = RectOf(row.name);
      std::optional<layout::Size> own;
      if (row.kind == layout::Kind::kLabel) own = got.size();
      const layout::Rect want = layout::RectInWindow(row, size, own);
      EXPECT_EQ(Show(got), Show(want)) << row.name << " " << when;
      if (row.kind == layout::Kind::kLabel) {
        EXPECT_GT(got.width, 0) << row.name;
      }
    }
  };
  expectPlaced(layout::kWindowClient, "as laid out");

  // The tool bar and its buttons, from the band's left edge past the gripper.
  HWND toolBar = GetDlgItem(Item("CoolBar1"), ControlIdByName("ToolBar1"));
  ASSERT_NE(toolBar, nullptr);
  RECT bar{};
  GetWindowRect(toolBar, &bar);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&bar), 2);
  const layout::Rect laidOutBar =
      layout::RectInWindow(*layout::FindControl("ToolBar1"), layout::kWindowClient);
  EXPECT_EQ(bar.left, laidOutBar.left);
  EXPECT_EQ(bar.top, laidOutBar.top);
  EXPECT_EQ(bar.bottom - bar.top, laidOutBar.height);
  int index = 0;
  for (const layout::ControlRow& row : layout::Controls()) {
    if (row.kind != layout::Kind::kToolButton) continue;
    RECT button{};
    SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.left, row.rect.left) << row.name;
    EXPECT_EQ(button.right - button.left, row.rect.width) << row.name;
    ++index;
  }

  // The window cannot be made smaller than its laid-out size; it grows by its anchors.
  MINMAXINFO limits{};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left);
  EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top);
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 50,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  expectPlaced({layout::kWindowClient.width + 100, layout::kWindowClient.height + 50}, "grown");
}

TEST_F(MainWindowTest, ControlsAreStackedInTabOrderAboveTheirContainers) {
  Open();
  // The dialog manager walks the windows in their stacking order: the tab stops first.
  std::vector<int> ids;
  for (HWND child = GetWindow(window_->Window(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  std::vector<int> expected;
  for (const layout::ControlRow* row : layout::StackingOrder()) {
    if (row->kind != layout::Kind::kToolBar && row->kind != layout::Kind::kToolButton) {
      expected.push_back(ControlIdByName(row->name.empty() ? "" : row->name));
    }
  }
  ASSERT_EQ(ids.size(), expected.size());
  for (std::size_t i = 0; i < ids.size(); ++i) {
    if (expected[i] != 0) {
      EXPECT_EQ(ids[i], expected[i]) << "place " << i;
    }
  }
}

TEST_F(MainWindowTest, StoredSettingsReachTheControlsAndTheReturnBoxSwitchesItsPanel) {
  test::WriteBytes(
      Host("favpage.INI"),
      test::CrLfLines({"[Setup]", "OutName=C:\\web\\links.html", "OutType=1", "ReturnFlag=0",
                       "ReturnLine=top", "StyleType=2", "SetBlank=1"}));
  ASSERT_TRUE(Open().Start());
  EXPECT_EQ(WindowText(Item("Edit2")), L"C:\\web\\links.html");
  EXPECT_EQ(WindowText(Item("Edit1")), L"top");
  EXPECT_TRUE(Checked("RadioButton2"));
  EXPECT_FALSE(Checked("RadioButton1"));
  EXPECT_EQ(SendMessageW(Item("ComboBox1"), CB_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(Checked("CheckBox2"));
  EXPECT_FALSE(Checked("CheckBox1"));
  for (const char* name : {"PanelEx1", "Edit1", "Edit3", "Label1", "Label2"}) {
    EXPECT_FALSE(Enabled(name)) << name;
  }
  EXPECT_TRUE(Enabled("CheckBox1"));
  EXPECT_TRUE(Enabled("GroupBox4"));
  EXPECT_TRUE(record_.messages.empty());

  SendMessageW(Item("CheckBox1"), BM_CLICK, 0, 0);
  EXPECT_TRUE(window_->Presenter().State().ReturnFlag);
  for (const char* name : {"PanelEx1", "Edit1", "Edit3", "Label1", "Label2"}) {
    EXPECT_TRUE(Enabled(name)) << name;
  }
  SendMessageW(Item("RadioButton1"), BM_CLICK, 0, 0);
  EXPECT_EQ(window_->Presenter().State().OutType, 0);
  EXPECT_FALSE(Checked("RadioButton2"));
  SetWindowTextW(Item("Edit3"), L"http://example.com/");
  EXPECT_EQ(window_->Presenter().State().ReturnURL, "http://example.com/");
}

TEST_F(MainWindowTest, EnterCreatesFromAnEditAndBreaksTheLineInTheTitle) {
  ASSERT_TRUE(Open().Start());
  SetWindowTextW(Item("Edit2"), L"");
  Press("Edit2", WM_KEYDOWN, VK_RETURN);
  // The create command ran: with no output file it asks for one.
  ASSERT_EQ(record_.messages.size(), 1u);
  EXPECT_EQ(record_.messages[0].text, platform::ToHostText(msg::kNoOutputName));

  SetWindowTextW(Item("Memo1"), L"one");
  SendMessageW(Item("Memo1"), EM_SETSEL, 3, 3);
  Press("Memo1", WM_CHAR, L'\r');
  EXPECT_EQ(WindowText(Item("Memo1")), L"one\r\n");
  EXPECT_EQ(record_.messages.size(), 1u);
}

TEST_F(MainWindowTest, TitleLinesAreTheEditsWrappedLines) {
  TPlatform& window = Open();
  const std::string longLine =
      "words that run on well past the width of the title edit, so far past it that the edit "
      "has to wrap them onto a second display line and then onto a third one as well";
  window.SetTitleText("short\n" + longLine + "\n");
  const int count = window.TitleLineCount();
  ASSERT_GT(count, 3);  // the long line wraps; the empty last line is not counted
  EXPECT_EQ(window.TitleLine(0), "short");
  std::string joined;
  for (int i = 1; i < count; ++i) joined += window.TitleLine(i);
  EXPECT_EQ(joined, longLine);
  EXPECT_EQ(window.TitleText(), "short\n" + longLine + "\n");
  window.SetTitleText("");
  EXPECT_EQ(window.TitleLineCount(), 0);
}

TEST_F(MainWindowTest, FailedRunShowsItsErrorOnceTheProgressWindowIsGone) {
  ASSERT_TRUE(Open().Start());
  std::filesystem::remove(Host("mirelstyle0.css"));
  std::filesystem::create_directories(Host("out"));
  window_->Presenter().SetOutName(dir_.internal("out\\links.html"));
  window_->Presenter().SetStyleType(1);
  SendMessageW(Item("Button3"), BM_CLICK, 0, 0);
  ASSERT_EQ(record_.messages.size(), 1u);
  EXPECT_EQ(record_.messages[0].caption, "Mirel Favorites Manager");
  const std::vector<std::string>& shown = record_.messages[0].shownWindows;
  EXPECT_EQ(std::count(shown.begin(), shown.end(), "WorkForm"), 0);
  EXPECT_TRUE(Enabled("Button3"));
}

TEST_F(MainWindowTest, ExitItemClosesTheWindowAndWritesTheSettings) {
  ASSERT_TRUE(Open().Start());
  SetWindowTextW(Item("Edit1"), L"back");
  SendMessageW(window_->Window(), WM_COMMAND, ControlIdByName("Exit1"), 0);
  EXPECT_EQ(window_->Window(), nullptr);
  const std::string stored = test::ReadBytes(Host("favpage.INI"));
  EXPECT_NE(stored.find("ReturnLine=back\r\n"), std::string::npos) << stored;
  EXPECT_TRUE(std::filesystem::exists(Host("favpage.tit")));
}

// A stored source that is gone: start-up names it, the window opens all the same and its
// label is drawn in the error colour.
TEST_F(MainWindowTest, StartsWithoutItsSourceAndShowsItMissing) {
  const std::string gone = dir_.internal("gone.html");
  test::WriteBytes(Host("favpage.INI"), "[Setup]\r\nSource=" + gone + "\r\n");
  ASSERT_TRUE(Open().Start());
  ASSERT_NE(window_->Window(), nullptr);
  ASSERT_EQ(record_.messages.size(), 1u);
  EXPECT_EQ(record_.messages[0].text, platform::ToHostPath(gone) + ": ファイルが見つかりません.");
  EXPECT_EQ(record_.messages[0].kind, MessageKind::kError);

  // The colour the window gives the label, and the one of a label that names nothing
  // missing.
  const auto textColour = [this](std::string_view name) {
    HDC dc = GetDC(window_->Window());
    SendMessageW(window_->Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Item(name)));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(window_->Window(), dc);
    return colour;
  };
  EXPECT_EQ(textColour("FavoriteDir"), RGB(0xC0, 0x00, 0x00));
  EXPECT_NE(textColour("Label1"), RGB(0xC0, 0x00, 0x00));
  // A click on it opens the source chooser (answered "cancelled").
  record_.listAnswers.push_back(std::nullopt);
  SendMessageW(window_->Window(), WM_COMMAND,
               MAKEWPARAM(ControlIdByName("FavoriteDir"), STN_CLICKED),
               reinterpret_cast<LPARAM>(Item("FavoriteDir")));
  EXPECT_TRUE(record_.listAnswers.empty());
}

// A settings file too large to be written: its choices reach the controls, the close
// reports the refusal once, the window goes all the same, and the file stays as it was.
TEST_F(MainWindowTest, ClosesWhenTheSettingsCannotBeWritten) {
  std::string settings = "[Padding]\r\n";
  const std::string filler = "; " + std::string(1000, 'f') + "\r\n";
  while (settings.size() < 5 * 1024 * 1024) settings += filler;
  settings += "[Setup]\r\nOutType=1\r\n";
  test::WriteBytes(Host("favpage.INI"), settings);
  ASSERT_TRUE(Open().Start());
  EXPECT_TRUE(record_.messages.empty());
  EXPECT_TRUE(Checked("RadioButton2"));
  SendMessageW(window_->Window(), WM_COMMAND, ControlIdByName("Exit1"), 0);
  EXPECT_EQ(window_->Window(), nullptr);
  ASSERT_EQ(record_.messages.size(), 1u);
  EXPECT_EQ(record_.messages[0].text,
            platform::ToHostPath(dir_.internal("favpage.INI")) + " に書き込めません.");
  EXPECT_TRUE(test::ReadBytes(Host("favpage.INI")) == settings);
}

// After a run the status bar says what it did and where, inside the window at every size;
// the open-in-browser item then hands the top page to the browser.
TEST_F(MainWindowTest, StatusAfterARunAndTheTopPageInTheBrowser) {
  std::vector<std::wstring> opened;
  ReplacePageOpener([&opened](HWND, const std::wstring& path) {
    opened.push_back(path);
    return true;
  });
  test::WriteShortcut(Host("Favorites/Tools/Qt.url"), "https://www.qt.io/");
  ASSERT_TRUE(Open().Start());
  std::filesystem::create_directories(Host("out"));
  window_->Presenter().SetSource(dir_.internal("Favorites") + "\\");
  window_->Presenter().SetOutName(dir_.internal("out\\links.html"));
  const int browser = ControlIdByName("Browser1");
  SendMessageW(window_->Window(), WM_COMMAND, browser, 0);
  EXPECT_TRUE(opened.empty());  // no page yet

  SendMessageW(Item("Button3"), BM_CLICK, 0, 0);
  EXPECT_TRUE(record_.messages.empty());
  const std::string page = platform::ToHostPath(dir_.internal("out\\links.html"));
  const std::string status = Utf8(window_->StatusText());
  EXPECT_EQ(status.rfind("1 ページを書き出しました・1 リンク・", 0), 0u) << status;
  EXPECT_EQ(status.substr(status.size() - page.size()), page) << status;
  for (const SIZE size : {SIZE{480, 565}, SIZE{900, 700}}) {
    RECT frame{0, 0, size.cx, size.cy};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, FALSE, 0);
    SetWindowPos(window_->Window(), nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(window_->Window(), &client);
    const layout::Rect bar = RectOf("StatusBar1");
    EXPECT_EQ(bar.top + bar.height, client.bottom);
    EXPECT_FALSE(window_->ShownStatusText().empty());
  }

  SendMessageW(window_->Window(), WM_COMMAND, browser, 0);
  EXPECT_EQ(opened, std::vector<std::wstring>{Wide(page)});
  EXPECT_TRUE(record_.messages.empty());
  ReplacePageOpener(nullptr);
}

// The window reopens where it was left, and at the laid-out place when no screen shows
// that place any more.
TEST_F(MainWindowTest, ReopensWhereItWasLeftWhileAScreenShowsIt) {
  ASSERT_TRUE(Open().Start());
  RECT frame{0, 0, 600, 580};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, FALSE, 0);
  SetWindowPos(window_->Window(), nullptr, 40, 30, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER);
  SendMessageW(window_->Window(), WM_COMMAND, ControlIdByName("Exit1"), 0);
  const std::string stored = test::ReadBytes(Host("favpage.INI"));
  EXPECT_NE(stored.find("WindowLeft=40\r\nWindowTop=30\r\nWindowWidth=600\r\nWindowHeight=580\r\n"),
            std::string::npos)
      << stored;

  ASSERT_TRUE(Open().Start());
  RECT placed{};
  GetWindowRect(window_->Window(), &placed);
  EXPECT_EQ(placed.left, 40);
  EXPECT_EQ(placed.top, 30);
  RECT client{};
  GetClientRect(window_->Window(), &client);
  EXPECT_EQ(client.right, 600);
  EXPECT_EQ(client.bottom, 580);
  window_.reset();

  // Right of every screen: a monitor since removed.
  const int beyond =
      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) + 10;
  test::WriteBytes(Host("favpage.INI"),
                   "[Setup]\r\nWindowLeft=" + std::to_string(beyond) + "\r\nWindowTop=30\r\n");
  ASSERT_TRUE(Open().Start());
  GetWindowRect(window_->Window(), &placed);
  EXPECT_EQ(placed.left, layout::kWindowOrigin.x);
  EXPECT_EQ(placed.top, layout::kWindowOrigin.y);
}

}  // namespace
}  // namespace favpage::ui::win32

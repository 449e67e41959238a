// The native window driven in-process: every control where the layout puts it at the
// laid-out size and after the window grows, the stored settings shown on the controls, the
// return-link panel's cascade, Enter in an edit and in the title edit, the title lines as
// the edit wraps them, a failed run's message after the progress window is gone, and the
// exit item writing the settings back.
#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <string>
#include <string_view>

#include "base/messages.h"
#include "platform/host_path.h"
#include "support/test_support.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/layout.h"
#include "ui/win32/menu_bar.h"
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
  HWND Item(int id) const { return GetDlgItem(window_->Window(), id); }
  // A control's rectangle in the window's client coordinates.
  RECT RectOf(int id) const {
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(HWND_DESKTOP, window_->Window(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  void Press(int id, UINT message, WPARAM key) {
    MSG msg{Item(id), message, key, 0, 0, {}};
    if (!window_->PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  test::TempDir dir_;
  DialogRecord record_;
  std::unique_ptr<TPlatform> window_;
};

struct Placed {
  const char* name;
  RECT laidOut;  // left, top, right, bottom in the window's client area at 480 x 565
  RECT grown;    // the same with the client area 100 pixels wider and 50 higher
};

RECT Box(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

TEST_F(MainWindowTest, ControlsSitWhereTheLayoutPutsThemAndFollowTheirAnchors) {
  const Placed kPlaced[] = {
      {"CoolBar1", Box(0, 0, 480, 22), Box(0, 0, 580, 22)},
      {"StatusBar1", Box(0, 546, 480, 19), Box(0, 596, 580, 19)},
      {"GroupBox1", Box(8, 32, 465, 57), Box(8, 32, 565, 57)},
      {"FavoriteDir", Box(24, 58, 369, 12), Box(24, 58, 369, 12)},
      {"GroupBox2", Box(8, 96, 161, 193), Box(8, 96, 161, 193)},
      {"RadioButton1", Box(24, 120, 121, 17), Box(24, 120, 121, 17)},
      {"Image1", Box(40, 144, 64, 48), Box(40, 144, 64, 48)},
      {"RadioButton2", Box(24, 200, 129, 17), Box(24, 200, 129, 17)},
      {"Image2", Box(40, 224, 64, 48), Box(40, 224, 64, 48)},
      {"GroupBox3", Box(8, 296, 465, 73), Box(8, 296, 565, 73)},
      {"Memo1", Box(24, 320, 433, 23), Box(24, 320, 533, 23)},
      {"GroupBox4", Box(176, 168, 297, 121), Box(176, 168, 397, 121)},
      {"CheckBox1", Box(192, 192, 65, 17), Box(192, 192, 65, 17)},
      {"PanelEx1", Box(184, 208, 281, 73), Box(184, 208, 381, 73)},
      {"Edit3", Box(224, 245, 229, 20), Box(224, 245, 329, 20)},
      {"Edit1", Box(224, 218, 229, 20), Box(224, 218, 329, 20)},
      {"GroupBox5", Box(176, 96, 297, 65), Box(176, 96, 397, 65)},
      {"Edit2", Box(192, 122, 193, 20), Box(192, 122, 293, 20)},
      {"Button2", Box(398, 119, 59, 25), Box(498, 119, 59, 25)},
      {"Button3", Box(8, 513, 465, 25), Box(8, 563, 565, 25)},
      {"GroupBox6", Box(8, 376, 465, 129), Box(8, 376, 565, 179)},
      {"ScrollBox1", Box(24, 400, 273, 89), Box(24, 400, 373, 139)},
      {"WebBrowser1", Box(26, 402, 269, 85), Box(26, 402, 369, 135)},
      {"ComboBox1", Box(312, 400, 145, 24), Box(412, 400, 145, 24)},
      {"CheckBox3", Box(312, 440, 145, 17), Box(412, 440, 145, 17)},
      {"CheckBox2", Box(312, 464, 145, 17), Box(412, 464, 145, 17)},
  };
  Open();
  HWND window = window_->Window();
  RECT client{};
  GetClientRect(window, &client);
  ASSERT_EQ(client.right, 480);
  ASSERT_EQ(client.bottom, 565);
  const auto expectAt = [this](const Placed& placed, const RECT& want, const char* when) {
    const RECT got = RectOf(ControlIdByName(placed.name));
    EXPECT_TRUE(EqualRect(&got, &want) != FALSE)
        << placed.name << " " << when << ": " << got.left << "," << got.top << " "
        << got.right - got.left << "x" << got.bottom - got.top;
  };
  for (const Placed& placed : kPlaced) expectAt(placed, placed.laidOut, "as laid out");

  // The tool bar's buttons, from the band's left edge past the gripper.
  HWND toolBar = GetDlgItem(Item(kIdCoolBar1), kIdToolBar1);
  ASSERT_NE(toolBar, nullptr);
  RECT bar{};
  GetWindowRect(toolBar, &bar);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.left, 9);
  EXPECT_EQ(bar.top, 0);
  EXPECT_EQ(bar.bottom - bar.top, 20);
  for (const auto& [index, left] : {std::pair{0, 0}, {1, 54}, {2, 105}}) {
    RECT button{};
    SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.left, left) << "tool button " << index;
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
  for (const Placed& placed : kPlaced) expectAt(placed, placed.grown, "grown");
}

TEST_F(MainWindowTest, StoredSettingsReachTheControlsAndTheReturnBoxSwitchesItsPanel) {
  test::WriteBytes(
      Host("favpage.INI"),
      test::CrLfLines({"[Setup]", "OutName=C:\\web\\links.html", "OutType=1", "ReturnFlag=0",
                       "ReturnLine=top", "StyleType=2", "SetBlank=1"}));
  ASSERT_TRUE(Open().Start());
  EXPECT_EQ(WindowText(Item(kIdEdit2)), L"C:\\web\\links.html");
  EXPECT_EQ(WindowText(Item(kIdEdit1)), L"top");
  EXPECT_TRUE(Checked(kIdRadioButton2));
  EXPECT_FALSE(Checked(kIdRadioButton1));
  EXPECT_EQ(SendMessageW(Item(kIdComboBox1), CB_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(Checked(kIdCheckBox2));
  EXPECT_FALSE(Checked(kIdCheckBox1));
  for (const int id : {kIdPanelEx1, kIdEdit1, kIdEdit3, kIdLabel1, kIdLabel2}) {
    EXPECT_FALSE(Enabled(id)) << id;
  }
  EXPECT_TRUE(Enabled(kIdCheckBox1));
  EXPECT_TRUE(Enabled(kIdGroupBox4));
  EXPECT_TRUE(record_.messages.empty());

  SendMessageW(Item(kIdCheckBox1), BM_CLICK, 0, 0);
  EXPECT_TRUE(window_->Presenter().State().ReturnFlag);
  for (const int id : {kIdPanelEx1, kIdEdit1, kIdEdit3, kIdLabel1, kIdLabel2}) {
    EXPECT_TRUE(Enabled(id)) << id;
  }
  SendMessageW(Item(kIdRadioButton1), BM_CLICK, 0, 0);
  EXPECT_EQ(window_->Presenter().State().OutType, 0);
  EXPECT_FALSE(Checked(kIdRadioButton2));
  SetWindowTextW(Item(kIdEdit3), L"http://example.com/");
  EXPECT_EQ(window_->Presenter().State().ReturnURL, "http://example.com/");
}

TEST_F(MainWindowTest, EnterCreatesFromAnEditAndBreaksTheLineInTheTitle) {
  ASSERT_TRUE(Open().Start());
  SetWindowTextW(Item(kIdEdit2), L"");
  Press(kIdEdit2, WM_KEYDOWN, VK_RETURN);
  // The create command ran: with no output file it asks for one.
  ASSERT_EQ(record_.messages.size(), 1u);
  EXPECT_EQ(Utf8(record_.messages[0].text), platform::ToHostText(msg::kNoOutputName));

  SetWindowTextW(Item(kIdMemo1), L"one");
  SendMessageW(Item(kIdMemo1), EM_SETSEL, 3, 3);
  Press(kIdMemo1, WM_CHAR, L'\r');
  EXPECT_EQ(WindowText(Item(kIdMemo1)), L"one\r\n");
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
  SendMessageW(Item(kIdButton3), BM_CLICK, 0, 0);
  ASSERT_EQ(record_.messages.size(), 1u);
  EXPECT_EQ(record_.messages[0].caption, L"Mirel Favorites Manager");
  EXPECT_FALSE(record_.messages[0].progressShown);
  EXPECT_TRUE(Enabled(kIdButton3));
}

TEST_F(MainWindowTest, ExitItemClosesTheWindowAndWritesTheSettings) {
  ASSERT_TRUE(Open().Start());
  SetWindowTextW(Item(kIdEdit1), L"back");
  SendMessageW(window_->Window(), WM_COMMAND, kIdExit1, 0);
  EXPECT_EQ(window_->Window(), nullptr);
  const std::string stored = test::ReadBytes(Host("favpage.INI"));
  EXPECT_NE(stored.find("ReturnLine=back\r\n"), std::string::npos) << stored;
  EXPECT_TRUE(std::filesystem::exists(Host("favpage.tit")));
}

}  // namespace
}  // namespace favpage::ui::win32

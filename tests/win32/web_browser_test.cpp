#include "ui/win32/web_browser.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <string>
#include <thread>

#include "support/test_support.h"
#include "ui/presenter/window_texts.h"

namespace favpage::ui::win32 {
namespace {

void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

SIZE ClientSize(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

// The top-level window the pane lives in, as the main window would hold it.
class Parent {
 public:
  Parent()
      : window_(CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                50, 50, 400, 300, nullptr, nullptr, nullptr, nullptr)) {}
  ~Parent() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  HWND window() const { return window_; }

 private:
  HWND window_;
};

class WebBrowserTest : public ::testing::Test {
 protected:
  std::wstring SamplePage() {
    const auto file = folder_.hostPath("sample.html");
    favpage::test::WriteBytes(file, "<html><body>preview</body></html>\r\n");
    return file.wstring();
  }

  favpage::test::TempDir folder_;
  Parent parent_;
};

// With COM on the thread the control is there: it shows real files, follows the pane's
// size, takes the focus the pane is given, and goes away with or without its parent.
TEST_F(WebBrowserTest, HostsTheControlWithComInitialised) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  {
    auto pane = WebBrowser::Create(parent_.window(), 42, RECT{10, 20, 290, 120});
    ASSERT_TRUE(pane);
    ASSERT_TRUE(pane->HasBrowser());
    EXPECT_EQ(GetDlgCtrlID(pane->Window()), 42);
    EXPECT_TRUE(GetWindowLongW(pane->Window(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(pane->Navigate(SamplePage()));
    EXPECT_FALSE(pane->Navigate(L""));
    Pump(200);

    const HWND control = GetWindow(pane->Window(), GW_CHILD);
    ASSERT_NE(control, nullptr);
    const SIZE sizes[] = {{280, 100}, {0, 0}, {1, 1}, {600, 450}, {37, 19}};
    for (const SIZE& size : sizes) {
      MoveWindow(pane->Window(), 10, 20, size.cx, size.cy, TRUE);
      Pump(20);
      const SIZE shown = ClientSize(control);
      EXPECT_EQ(shown.cx, size.cx) << size.cx << "x" << size.cy;
      EXPECT_EQ(shown.cy, size.cy) << size.cx << "x" << size.cy;
    }

    SetActiveWindow(parent_.window());
    SetFocus(pane->Window());
    Pump(50);
    EXPECT_TRUE(IsChild(pane->Window(), GetFocus()));
  }
  {
    // The main window can go first: the pane closes the control with its own window.
    auto pane = WebBrowser::Create(parent_.window(), 43, RECT{0, 0, 100, 100});
    ASSERT_TRUE(pane->HasBrowser());
    DestroyWindow(parent_.window());
    EXPECT_FALSE(pane->HasBrowser());
    EXPECT_FALSE(pane->Navigate(SamplePage()));
  }
  Pump(50);
  OleUninitialize();
}

// Pumps the messages until `done` holds, for at most five seconds.
template <typename Condition>
bool PumpUntil(Condition done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 5000) return false;
    Pump(10);
  }
  return true;
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A control put off until the first paint: the pane is there at once, without the note;
// the control comes once the window is painted and shows the last page it was given.
TEST_F(WebBrowserTest, PutOffControlComesAfterThePaintWithTheLastPage) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  {
    auto pane = WebBrowser::Create(parent_.window(), 44, RECT{10, 20, 290, 120},
                                   BrowserStart::kAfterFirstPaint);
    ASSERT_TRUE(pane);
    EXPECT_FALSE(pane->HasBrowser());
    EXPECT_EQ(GetWindow(pane->Window(), GW_CHILD), nullptr);
    EXPECT_EQ(GetWindowTextLengthW(pane->Window()), 0);  // no note: the control is to come
    EXPECT_EQ(GetDlgCtrlID(pane->Window()), 44);

    const std::wstring first = SamplePage();
    const auto secondFile = folder_.hostPath("second.html");
    favpage::test::WriteBytes(secondFile, "<html><body>second</body></html>\r\n");
    EXPECT_TRUE(pane->Navigate(first));
    EXPECT_TRUE(pane->Navigate(secondFile.wstring()));
    EXPECT_FALSE(pane->Navigate(L""));
    EXPECT_FALSE(pane->HasBrowser());

    InvalidateRect(parent_.window(), nullptr, TRUE);
    ASSERT_TRUE(PumpUntil([&pane] { return pane->HasBrowser(); }));
    EXPECT_NE(GetWindow(pane->Window(), GW_CHILD), nullptr);
    EXPECT_TRUE(PumpUntil([&pane] { return EndsWith(pane->Location(), L"second.html"); }))
        << std::string(pane->Location().begin(), pane->Location().end());
    // From now on a page goes to the control at once.
    EXPECT_TRUE(pane->Navigate(first));
    EXPECT_TRUE(PumpUntil([&pane] { return EndsWith(pane->Location(), L"sample.html"); }));
    pane->StartBrowser();  // made once
    EXPECT_TRUE(pane->HasBrowser());
  }
  {
    // The window goes before it was ever painted: no control, no note, every call answered.
    auto pane = WebBrowser::Create(parent_.window(), 45, RECT{0, 0, 100, 100},
                                   BrowserStart::kAfterFirstPaint);
    EXPECT_TRUE(pane->Navigate(SamplePage()));
    DestroyWindow(parent_.window());
    pane->StartBrowser();
    EXPECT_FALSE(pane->HasBrowser());
    EXPECT_FALSE(pane->Navigate(SamplePage()));
    EXPECT_EQ(pane->Location(), std::wstring());
    Pump(50);
  }
  OleUninitialize();
}

// Without a single-threaded apartment there is no control: the pane says so in the
// window's colours instead, and still takes every call. (Wine gives every thread that makes
// a window an apartment of its own, so a thread in the multithreaded one stands in for a
// program that never initialised COM.)
TEST(WebBrowserNoteTest, ShowsTheNoteWithoutASingleThreadedApartment) {
  favpage::test::TempDir folder;
  const auto page = folder.hostPath("sample.html");
  favpage::test::WriteBytes(page, "<html></html>\r\n");
  std::thread([&page] {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    {
      Parent parent;
      auto pane = WebBrowser::Create(parent.window(), 7, RECT{0, 0, 300, 60});
      ASSERT_TRUE(pane);
      EXPECT_FALSE(pane->HasBrowser());
      EXPECT_FALSE(pane->Navigate(page.wstring()));
      EXPECT_EQ(GetWindow(pane->Window(), GW_CHILD), nullptr);

      wchar_t text[64] = {};
      GetWindowTextW(pane->Window(), text, 64);
      EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), str::kPreviewUnavailable);

      const HDC screen = GetDC(nullptr);
      const HDC dc = CreateCompatibleDC(screen);
      const HBITMAP canvas = CreateCompatibleBitmap(screen, 300, 60);
      ReleaseDC(nullptr, screen);
      const HGDIOBJ old = SelectObject(dc, canvas);
      SendMessageW(pane->Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
      EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_WINDOW));
      EXPECT_EQ(GetPixel(dc, 299, 59), GetSysColor(COLOR_WINDOW));
      int inked = 0;
      for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 300; ++x) inked += GetPixel(dc, x, y) == GetSysColor(COLOR_WINDOWTEXT);
      }
      EXPECT_GT(inked, 20) << "the note is not drawn";
      SelectObject(dc, old);
      DeleteObject(canvas);
      DeleteDC(dc);

      for (const SIZE size : {SIZE{0, 0}, SIZE{5, 3}, SIZE{800, 600}}) {
        MoveWindow(pane->Window(), 0, 0, size.cx, size.cy, TRUE);
        UpdateWindow(pane->Window());
      }
      SetForegroundWindow(parent.window());
      SetActiveWindow(parent.window());
      // The window manager answers the activation late and then gives the focus to the
      // active window itself: it is let settle before the pane asks for the focus.
      Pump(50);
      SetFocus(pane->Window());
      // A window manager may keep the activation from this second thread's window; the
      // focus is only this thread's to give when its window is the active one.
      if (GetActiveWindow() == parent.window()) {
        EXPECT_EQ(GetFocus(), pane->Window());
      }
    }
    CoUninitialize();
  }).join();
}

}  // namespace
}  // namespace favpage::ui::win32

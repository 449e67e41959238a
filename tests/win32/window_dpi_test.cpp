// The native window at a monitor's scale: made at 192 dpi its client area, every control,
// the tool bar and the fonts are twice their 96-dpi selves; moved to a monitor of another
// scale (WM_DPICHANGED) it takes the rectangle the system proposes and lays itself out
// again; its stored place stays in 96-dpi units. The DPI comes from the test, not from the
// Wine prefix the tests share.
#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "support/test_support.h"
#include "ui/presenter/dialog_record.h"
#include "ui/presenter/dpi_scale.h"
#include "ui/win32/dpi.h"
#include "ui/win32/layout.h"

namespace favpage::ui::win32 {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

std::string Show(const layout::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

class WindowDpiTest : public ::testing::Test {
 protected:
  WindowDpiTest() {
    OleInitialize(nullptr);
    RecordDialogsInto(&record_);
    ReplaceDpiSource([this](HWND) { return dpi_; });
  }
  ~WindowDpiTest() override {
    window_.reset();
    ReplaceDpiSource(nullptr);
    RecordDialogsInto(nullptr);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    OleUninitialize();
  }

  // The window made (not shown) on a monitor at `dpi`.
  TPlatform& Open(int dpi) {
    dpi_ = dpi;
    window_ = std::make_unique<TPlatform>(dir_.internal("favpage"));
    return *window_;
  }
  HWND Window() const { return window_->Window(); }
  HWND Item(std::string_view name) const { return GetDlgItem(Window(), ControlIdByName(name)); }
  layout::Rect RectOf(HWND control) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  layout::Size Client() const {
    RECT client{};
    GetClientRect(Window(), &client);
    return {client.right, client.bottom};
  }
  // Every named control's rectangle, the tool bar's buttons' and the character height of
  // every control's font: what the DPI scales.
  struct Measures {
    std::map<std::string, layout::Rect> rects;
    std::map<std::string, LONG> fontHeights;
  };
  Measures Measure() const {
    Measures got;
    for (const layout::ControlRow& row : layout::Controls()) {
      if (row.name.empty() || row.kind == layout::Kind::kToolButton) continue;
      HWND control = row.kind == layout::Kind::kToolBar
                         ? GetDlgItem(Item("CoolBar1"), ControlIdByName(row.name))
                         : Item(row.name);
      got.rects[std::string(row.name)] = RectOf(control);
      // The band and the preview pane take no font of the table's.
      if (row.kind == layout::Kind::kBand || row.kind == layout::Kind::kPreview) continue;
      const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
      LOGFONTW logFont{};
      if (font != nullptr && GetObjectW(font, sizeof(logFont), &logFont) == sizeof(logFont)) {
        got.fontHeights[std::string(row.name)] = logFont.lfHeight;
      }
    }
    HWND toolBar = GetDlgItem(Item("CoolBar1"), ControlIdByName("ToolBar1"));
    for (int i = 0; i < static_cast<int>(layout::Menus().size()); ++i) {
      RECT button{};
      SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(&button));
      got.rects["button " + std::to_string(i)] = {
          button.left, button.top, button.right - button.left, button.bottom - button.top};
    }
    return got;
  }
  // What a window at 192 dpi must show: every rectangle and character height twice the
  // 96-dpi one; a label sized to its text starts twice as far and is measured in its font.
  static void ExpectTwice(const Measures& at96, const Measures& got, const char* when) {
    for (const auto& [name, rect] : at96.rects) {
      const layout::Rect want = layout::Scaled(rect, 192);
      const layout::ControlRow* row = layout::FindControl(name);
      if (row != nullptr && row->kind == layout::Kind::kLabel) {
        EXPECT_EQ(got.rects.at(name).origin(), want.origin()) << name << " " << when;
        EXPECT_GT(got.rects.at(name).width, rect.width) << name << " " << when;
      } else if (row != nullptr && row->kind == layout::Kind::kToolBar) {
        // The band gives its tool bar the rest of its width, less a margin of its own.
        EXPECT_EQ(got.rects.at(name).origin(), want.origin()) << name << " " << when;
        EXPECT_EQ(got.rects.at(name).height, want.height) << name << " " << when;
      } else {
        EXPECT_EQ(Show(got.rects.at(name)), Show(want)) << name << " " << when;
      }
    }
    ASSERT_EQ(got.fontHeights.size(), at96.fontHeights.size()) << when;
    for (const auto& [name, height] : at96.fontHeights) {
      EXPECT_EQ(got.fontHeights.at(name), 2 * height) << name << " " << when;
    }
  }

  test::TempDir dir_;
  DialogRecord record_;
  int dpi_ = 96;
  std::unique_ptr<TPlatform> window_;
};

TEST_F(WindowDpiTest, At192DpiEverythingIsTwiceAsLarge) {
  Open(96);
  ASSERT_EQ(Client(), layout::kWindowClient);
  const Measures at96 = Measure();
  // The fonts the table names, at 96 dpi: 12 pixels, the headings 16.
  EXPECT_EQ(at96.fontHeights.at("Edit2"), -12);
  EXPECT_EQ(at96.fontHeights.at("GroupBox1"), -16);
  RECT outer96{};
  GetWindowRect(Window(), &outer96);
  window_.reset();

  Open(192);
  EXPECT_EQ(Client(), (layout::Size{960, 1130}));
  ExpectTwice(at96, Measure(), "made at 192 dpi");
  // The laid-out place is in 96-dpi units too, and the window is no smaller than laid out.
  RECT outer{};
  GetWindowRect(Window(), &outer);
  EXPECT_EQ(outer.left, 2 * layout::kWindowOrigin.x);
  EXPECT_EQ(outer.top, 2 * layout::kWindowOrigin.y);
  MINMAXINFO limits{};
  SendMessageW(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left);
  EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top);
  EXPECT_GT(outer.right - outer.left, 2 * (outer96.right - outer96.left) - 40);
}

TEST_F(WindowDpiTest, MovedToAMonitorOfAnotherScaleItTakesTheProposedRectangle) {
  Open(96);
  const Measures at96 = Measure();
  // Grown by the user first: the anchored controls follow the larger client area.
  SetWindowPos(Window(), nullptr, 0, 0, 700, 700, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const layout::Size grown = Client();
  const Measures grown96 = Measure();

  // The system proposes the same size in 96-dpi units at the new monitor's scale.
  dpi_ = 192;
  const SIZE outer = OuterSizeForDpi({2 * grown.width, 2 * grown.height}, kStyle, 0, 192);
  RECT proposed{1200, 40, 1200 + outer.cx, 40 + outer.cy};
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&proposed));
  RECT now{};
  GetWindowRect(Window(), &now);
  EXPECT_EQ(now.left, 1200);
  EXPECT_EQ(now.top, 40);
  EXPECT_EQ(Client(), (layout::Size{2 * grown.width, 2 * grown.height}));
  ExpectTwice(grown96, Measure(), "moved to 192 dpi");
  // The smallest size is the laid-out one at the new scale.
  MINMAXINFO limits{};
  SendMessageW(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  const SIZE smallest = OuterSizeForDpi({960, 1130}, kStyle, 0, 192);
  EXPECT_EQ(limits.ptMinTrackSize.x, smallest.cx);
  EXPECT_EQ(limits.ptMinTrackSize.y, smallest.cy);

  // Back at 100 % at the laid-out size: as first made.
  dpi_ = 96;
  const SIZE laidOut = OuterSizeForDpi({480, 565}, kStyle, 0, 96);
  proposed = {335, 114, 335 + laidOut.cx, 114 + laidOut.cy};
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&proposed));
  EXPECT_EQ(Client(), layout::kWindowClient);
  const Measures back = Measure();
  for (const auto& [name, rect] : at96.rects) {
    EXPECT_EQ(Show(back.rects.at(name)), Show(rect)) << name;
  }
  EXPECT_EQ(back.fontHeights, at96.fontHeights);
}

TEST_F(WindowDpiTest, ThePlaceIsKeptIn96DpiUnits) {
  TPlatform& window = Open(192);
  const SIZE outer = OuterSizeForDpi({1200, 1160}, kStyle, 0, 192);
  SetWindowPos(Window(), nullptr, 80, 60, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  const WindowPlace place = window.Placement();
  EXPECT_EQ(place, (WindowPlace{40, 30, 600, 580}));

  // A place stored at 100 % opens as large at 200 %.
  window.Place({50, 20, 500, 600});
  RECT now{};
  GetWindowRect(Window(), &now);
  EXPECT_EQ(now.left, 100);
  EXPECT_EQ(now.top, 40);
  EXPECT_EQ(Client(), (layout::Size{1000, 1200}));

  // The screens in the same units, so a stored place is judged against what it would cover.
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  bool found = false;
  for (const ScreenArea& area : window.Screens()) {
    found = found ||
            Show({area.left, area.top, area.width, area.height}) ==
                Show(layout::Unscaled(
                    {work.left, work.top, work.right - work.left, work.bottom - work.top}, 192));
  }
  EXPECT_TRUE(found);
}

// The window's first move, to its monitor's scale, may itself cross to a monitor of another
// scale: WM_DPICHANGED arrives before the tool bar and the controls exist.
TEST_F(WindowDpiTest, ADpiChangeWhileTheWindowIsMadeIsTakenToo) {
  bool sent = false;
  ReplaceDpiSource([&sent](HWND window) {
    if (!sent) {
      sent = true;
      const SIZE outer = OuterSizeForDpi({720, 848}, kStyle, 0, 144);
      RECT proposed{500, 170, 500 + outer.cx, 170 + outer.cy};
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&proposed));
    }
    return 144;
  });
  window_ = std::make_unique<TPlatform>(dir_.internal("favpage"));
  EXPECT_TRUE(sent);
  EXPECT_EQ(Client(), (layout::Size{720, 848}));
  const Measures got = Measure();
  EXPECT_EQ(got.fontHeights.at("Edit2"), -18);
  EXPECT_EQ(
      Show(got.rects.at("Button3")),
      Show(layout::Scaled(
          layout::RectInWindow(*layout::FindControl("Button3"), layout::kWindowClient), 144)));
}

// The pictures are drawn at the window's DPI, not stretched: at 192 dpi each of their
// edges is as sharp as at 96, one pixel from its colour to the next.
TEST_F(WindowDpiTest, PicturesAreDrawnAtTheWindowsDpi) {
  struct Case {
    const char* picture;
    int x, y;  // a point of the drawing in 96-dpi pixels
    COLORREF colour;
  };
  // clang-format off
  const Case cases[] = {
      {"Image1",  0,  0, RGB(0xCC, 0xFF, 0xCC)},  // the single page's background
      {"Image1", 20,  4, RGB(0, 0, 0)},           // its title line
      {"Image1", 19,  4, RGB(0xCC, 0xFF, 0xCC)},  // just left of it
      {"Image1", 17, 39, RGB(0, 0, 0x80)},        // a link of the second section
      {"Image2",  0,  0, RGB(0x00, 0x66, 0x33)},  // the tree's background
      {"Image2",  4,  6, RGB(0, 0, 0)},           // the folder page's frame
      {"Image2",  5,  7, RGB(0xCC, 0xFF, 0xCC)},  // inside it
      {"Image2", 41,  5, RGB(0xFF, 0xFF, 0xFF)},  // inside a link page
      {"Image2", 60, 22, RGB(0, 0, 0)},           // a link page's bottom-right corner
  };
  // clang-format on
  for (int dpi : {96, 192}) {
    Open(dpi);
    for (const Case& c : cases) {
      const auto bitmap =
          reinterpret_cast<HBITMAP>(SendMessageW(Item(c.picture), STM_GETIMAGE, IMAGE_BITMAP, 0));
      ASSERT_NE(bitmap, nullptr) << c.picture;
      BITMAP info{};
      GetObjectW(bitmap, sizeof(info), &info);
      EXPECT_EQ(info.bmWidth, layout::Scaled(64, dpi)) << c.picture;
      EXPECT_EQ(info.bmHeight, layout::Scaled(48, dpi)) << c.picture;
      HDC dc = CreateCompatibleDC(nullptr);
      const HGDIOBJ previous = SelectObject(dc, bitmap);
      // Every device pixel the drawing's pixel covers has its colour.
      const int scale = dpi / 96;
      for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
          EXPECT_EQ(GetPixel(dc, c.x * scale + dx, c.y * scale + dy), c.colour)
              << c.picture << " " << c.x << "," << c.y << " at " << dpi << " dpi";
        }
      }
      SelectObject(dc, previous);
      DeleteDC(dc);
    }
    window_.reset();
  }
}

}  // namespace
}  // namespace favpage::ui::win32

#include "ui/win32/about_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/presenter/main_layout.h"

namespace favpage::ui::win32 {
namespace {

namespace about = layout::about;

std::string Show(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}
std::string Show(const layout::Rect& r) {
  return Show(RECT{r.left, r.top, r.left + r.width, r.top + r.height});
}
layout::Point Origin(const RECT& r) { return {r.left, r.top}; }

RECT InParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// A plain top-level window standing in for the main window.
struct Owner {
  explicit Owner(RECT r, DWORD shown = WS_VISIBLE)
      : window(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | shown, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr,
                               nullptr)) {}
  ~Owner() { DestroyWindow(window); }
  HWND window;
};

// What the box looked like while it was up.
struct Seen {
  HWND box = nullptr;
  RECT frame{}, client{};
  LONG style = 0, exStyle = 0;
  std::wstring caption, buttonText;
  LONG buttonStyle = 0;
  RECT button{}, picture{};
  std::vector<RECT> labels;  // name, version, memo
  std::vector<LOGFONTW> labelFonts;
  bool ownerEnabled = true;
  COLORREF iconCorner = 0, iconFar = 0, pictureOutside = 0;
  WPARAM closeKey = VK_RETURN;  // 0: click the button
};

bool g_timedOut = false;
HWND g_box = nullptr;
UINT_PTR g_timer = 0;

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
  g_timedOut = true;
  PostMessageW(g_box, WM_CLOSE, 0, 0);
}

void Look(HWND box, void* context) {
  auto& seen = *static_cast<Seen*>(context);
  seen.box = g_box = box;
  GetWindowRect(box, &seen.frame);
  GetClientRect(box, &seen.client);
  seen.style = GetWindowLongW(box, GWL_STYLE);
  seen.exStyle = GetWindowLongW(box, GWL_EXSTYLE);
  seen.caption = Text(box);
  seen.ownerEnabled = IsWindowEnabled(GetWindow(box, GW_OWNER));
  HWND button = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (std::wstring(kind) == L"Button") {
      button = child;
      seen.button = InParent(child);
      seen.buttonText = Text(child);
      seen.buttonStyle = style & 0x0F;
    } else if ((style & SS_TYPEMASK) == SS_OWNERDRAW) {
      seen.picture = InParent(child);
      // Drawn into a bitmap of our own: what the screen shows is not readable back here.
      const HDC screen = GetDC(nullptr);
      const HDC dc = CreateCompatibleDC(screen);
      const HBITMAP canvas = CreateCompatibleBitmap(screen, 48, 48);
      ReleaseDC(nullptr, screen);
      const HGDIOBJ old = SelectObject(dc, canvas);
      SendMessageW(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
      seen.iconCorner = GetPixel(dc, 0, 0);
      seen.iconFar = GetPixel(dc, 31, 31);
      seen.pictureOutside = GetPixel(dc, 40, 40);
      SelectObject(dc, old);
      DeleteObject(canvas);
      DeleteDC(dc);
    } else {
      seen.labels.push_back(InParent(child));
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof(font),
                 &font);
      seen.labelFonts.push_back(font);
    }
  }
  g_timer = SetTimer(nullptr, 0, 30000, &GiveUp);
  if (seen.closeKey) {
    PostMessageW(button, WM_KEYDOWN, seen.closeKey, 0);
  } else {
    PostMessageW(button, BM_CLICK, 0, 0);
  }
}

Seen Show(TAboutDialog& about, WPARAM closeKey = VK_RETURN) {
  Seen seen;
  seen.closeKey = closeKey;
  g_timedOut = false;
  about.OnShown = &Look;
  about.OnShownContext = &seen;
  about.Execute();
  KillTimer(nullptr, g_timer);
  EXPECT_FALSE(g_timedOut) << "the box did not close by its button or key";
  EXPECT_FALSE(IsWindow(seen.box));
  return seen;
}

void SetUpBox(TAboutDialog& about) {
  about.FAppName = L"Mirel Favorite Manager";
  about.FVersion = L"★ﾊﾞｰｼﾞｮﾝ 1.02";
  about.FMemo = L"Programmed by the favpage developers";
  about.FCaption = L"ﾊﾞｰｼﾞｮﾝ情報";
  about.FCloseButton = L"閉じる";
  about.FFont.lfHeight = -12;
  about.FFont.lfCharSet = SHIFTJIS_CHARSET;
  wcscpy(about.FFont.lfFaceName, L"Tahoma");
}

// The box's layout and its place on the screen, for each position rule.
TEST(AboutBoxTest, LaysOutAndPlacesTheBoxByItsRules) {
  const RECT ownerRect{-300, 40, 317, 541};  // partly off-screen, odd sizes
  struct Case {
    const char* name;
    int width, height;
    TAboutDialog::TFPosition position;
    WPARAM closeKey;
  };
  const Case cases[] = {
      {"screen centre, Enter", 320, 120, TAboutDialog::fpScreenCenter, VK_RETURN},
      {"designed, Esc", 321, 97, TAboutDialog::fpDesigned, VK_ESCAPE},
      {"owner centre, click", 200, 150, TAboutDialog::fpOwnerFormCenter, 0},
      {"main centre", 401, 81, TAboutDialog::fpMainFormCenter, VK_RETURN},
  };
  Owner owner(ownerRect);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAboutDialog about(owner.window);
    SetUpBox(about);
    about.FFormWidth = c.width;
    about.FFormHeight = c.height;
    about.FFormPosition = c.position;
    about.FFormLeft = -20;
    about.FFormTop = 30;
    const Seen seen = Show(about, c.closeKey);

    EXPECT_EQ(seen.client.right, c.width);
    EXPECT_EQ(seen.client.bottom, c.height);
    EXPECT_EQ(seen.style & (WS_SYSMENU | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL), 0);
    EXPECT_EQ(seen.style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(seen.exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(seen.caption, about.FCaption);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.window));

    EXPECT_EQ(seen.buttonText, about.FCloseButton);
    EXPECT_EQ(seen.buttonStyle, BS_DEFPUSHBUTTON);
    const layout::Size client{c.width, c.height};
    EXPECT_EQ(Show(seen.button), Show(about::CloseButton(client)));
    EXPECT_EQ(Show(seen.picture), Show(about::kPicture));

    ASSERT_EQ(seen.labels.size(), 3u);
    const int nameWidth = seen.labels[0].right - seen.labels[0].left;
    EXPECT_EQ(Origin(seen.labels[0]), about::NameOrigin(client, nameWidth));
    const int tops[] = {about::kMargin, about::kVersionTop, about::kMemoTop};
    const int heights[] = {-21, -13, -13};  // 16 and 10 points at 96 pixels per inch
    for (int i = 0; i < 3; ++i) {
      const int labelWidth = seen.labels[i].right - seen.labels[i].left;
      EXPECT_GT(labelWidth, 0);
      if (i > 0) {
        EXPECT_EQ(Origin(seen.labels[i]), about::LineOrigin(client, labelWidth, tops[i]));
      }
      EXPECT_EQ(seen.labels[i].top, tops[i]);
      EXPECT_EQ(seen.labelFonts[i].lfHeight, heights[i]);
      EXPECT_STREQ(seen.labelFonts[i].lfFaceName, L"Tahoma");
    }

    const layout::Rect owned{ownerRect.left, ownerRect.top, ownerRect.right - ownerRect.left,
                             ownerRect.bottom - ownerRect.top};
    const std::optional<layout::Point> expected =
        about::Origin(c.position, {-20, 30},
                      {seen.frame.right - seen.frame.left, seen.frame.bottom - seen.frame.top},
                      {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, owned, owned);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(seen.frame.left, expected->x);
    EXPECT_EQ(seen.frame.top, expected->y);
  }
}

// A label wider than the box starts left of the client area; an odd overflow halves toward
// zero, and a long name slides over the picture.
TEST(AboutBoxTest, TooWideLabelsAreCutOffOnBothSides) {
  TAboutDialog about(nullptr);
  SetUpBox(about);
  about.FAppName = std::wstring(60, L'W');
  about.FMemo = std::wstring(80, L'W');
  const Seen wide = Show(about);
  const int memoWidth = wide.labels[2].right - wide.labels[2].left;
  ASSERT_GT(memoWidth, 320);
  EXPECT_EQ(wide.labels[2].left,
            about::LineOrigin(about::kLaidOutClient, memoWidth, about::kMemoTop).x);
  EXPECT_LT(wide.labels[0].left, 56);

  about.FFormWidth = memoWidth - 3;
  const Seen odd = Show(about);
  EXPECT_EQ(odd.labels[2].left, -1);
}

// The picture shows the component's own copy of the icon at its size from the top-left; an
// empty icon leaves it blank.
TEST(AboutBoxTest, DrawsItsOwnCopyOfTheIconUnscaled) {
  const COLORREF red = RGB(255, 0, 0);
  const std::vector<DWORD> redPixels(32 * 32, 0xFFFF0000);  // opaque red, 32 bits a pixel
  const std::vector<BYTE> opaque(32 * 32 / 8, 0);
  HICON icon = CreateIcon(nullptr, 32, 32, 1, 32, opaque.data(),
                          reinterpret_cast<const BYTE*>(redPixels.data()));
  ASSERT_NE(icon, nullptr);

  TAboutDialog about(nullptr);
  SetUpBox(about);
  about.SetIcon(icon);
  DestroyIcon(icon);  // the component holds a copy of its own
  const Seen shown = Show(about);
  EXPECT_EQ(shown.iconCorner, red);
  EXPECT_EQ(shown.iconFar, red);
  EXPECT_EQ(shown.pictureOutside, GetSysColor(COLOR_BTNFACE));

  about.SetIcon(nullptr);
  const Seen blank = Show(about);
  EXPECT_EQ(blank.iconCorner, GetSysColor(COLOR_BTNFACE));
}

// A quit request that arrives while the box is up ends the box and still reaches the
// program's own message loop.
TEST(AboutBoxTest, HandsAQuitRequestBackToTheProgram) {
  Owner owner({10, 10, 400, 300});
  TAboutDialog about(owner.window);
  SetUpBox(about);
  about.OnShown = [](HWND, void*) { PostQuitMessage(7); };
  about.Execute();
  EXPECT_TRUE(IsWindowEnabled(owner.window));
  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

// The point that centres a window over another's outer frame, halves toward zero, not
// limited to the screen.
TEST(AboutBoxTest, CenterInControlCentresOverTheOuterFrame) {
  struct Case {
    RECT control;
    int width, height;
    POINT expected;
  };
  const Case cases[] = {
      {{100, 200, 600, 600}, 320, 150, {190, 325}},
      {{0, 0, 317, 120}, 320, 120, {-1, 0}},
      {{-300, -100, -100, 0}, 201, 103, {-300, -101}},
      {{50, 60, 51, 61}, 0, 0, {50, 60}},
  };
  for (const Case& c : cases) {
    Owner control(c.control, 0);  // a hidden window has its frame too
    const POINT at = TAboutDialog::CenterInControl(control.window, c.width, c.height);
    EXPECT_EQ(at.x, c.expected.x) << c.control.left << "," << c.control.top;
    EXPECT_EQ(at.y, c.expected.y) << c.control.left << "," << c.control.top;
  }
}

}  // namespace
}  // namespace favpage::ui::win32

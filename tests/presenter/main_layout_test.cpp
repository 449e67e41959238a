// The main window's control table and its arithmetic: every control where the layout puts
// it with its anchors, the tab order, the stacking of a face that makes every control a
// child of the window, the placement after a resize, and the About box's placement rules.
// The faces' own tests check their widgets against these functions.
#include "ui/presenter/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace favpage::ui::layout {
namespace {

struct Documented {
  const char* name;
  const char* parent;
  Rect rect;
  unsigned anchors;
};

// The documented layout (docs/controls.md): position in the parent and size.
// clang-format off
constexpr Documented kDocumented[] = {
  {"CoolBar1",     "",           {  0,   0, 480,  22}, kLeftTopRight},
  {"ToolBar1",     "CoolBar1",   {  9,   0, 467,  20}, kLeftTopRight},
  {"ToolButton1",  "ToolBar1",   {  0,   0,  54,  20}, kLeftTop},
  {"ToolButton2",  "ToolBar1",   { 54,   0,  51,  20}, kLeftTop},
  {"ToolButton3",  "ToolBar1",   {105,   0,  54,  20}, kLeftTop},
  {"StatusBar1",   "",           {  0, 546, 480,  19}, kLeftRightBottom},
  {"GroupBox1",    "",           {  8,  32, 465,  57}, kLeftTopRight},
  {"FavoriteDir",  "GroupBox1",  { 16,  26, 369,  12}, kLeftTop},
  {"GroupBox2",    "",           {  8,  96, 161, 193}, kLeftTop},
  {"RadioButton1", "GroupBox2",  { 16,  24, 121,  17}, kLeftTop},
  {"Image1",       "GroupBox2",  { 32,  48,  64,  48}, kLeftTop},
  {"RadioButton2", "GroupBox2",  { 16, 104, 129,  17}, kLeftTop},
  {"Image2",       "GroupBox2",  { 32, 128,  64,  48}, kLeftTop},
  {"GroupBox3",    "",           {  8, 296, 465,  73}, kLeftTopRight},
  {"Memo1",        "GroupBox3",  { 16,  24, 433,  23}, kAllEdges},
  {"GroupBox4",    "",           {176, 168, 297, 121}, kLeftTopRight},
  {"CheckBox1",    "GroupBox4",  { 16,  24,  65,  17}, kLeftTop},
  {"PanelEx1",     "GroupBox4",  {  8,  40, 281,  73}, kLeftTopRight},
  {"Label1",       "PanelEx1",   {  8,  15,  24,  12}, kLeftTop},
  {"Edit1",        "PanelEx1",   { 40,  10, 229,  20}, kLeftTopRight},
  {"Label2",       "PanelEx1",   {  8,  45,  22,  12}, kLeftTop},
  {"Edit3",        "PanelEx1",   { 40,  37, 229,  20}, kLeftTopRight},
  {"GroupBox5",    "",           {176,  96, 297,  65}, kLeftTopRight},
  {"Edit2",        "GroupBox5",  { 16,  26, 193,  20}, kLeftTopRight},
  {"Button2",      "GroupBox5",  {222,  23,  59,  25}, kTopRight},
  {"Button3",      "",           {  8, 513, 465,  25}, kLeftRightBottom},
  {"GroupBox6",    "",           {  8, 376, 465, 129}, kAllEdges},
  {"ScrollBox1",   "GroupBox6",  { 16,  24, 273,  89}, kAllEdges},
  {"WebBrowser1",  "ScrollBox1", {  0,   0, 269,  85}, kAllEdges},
  {"ComboBox1",    "GroupBox6",  {304,  24, 145,  24}, kTopRight},
  {"CheckBox2",    "GroupBox6",  {304,  88, 145,  17}, kTopRight},
  {"CheckBox3",    "GroupBox6",  {304,  64, 145,  17}, kTopRight},
};

// Rectangles after the window grew, in the parent (client 800 x 900) and in the window's
// client area (client 580 x 615).
struct Grown {
  const char* name;
  Rect inParent800x900;
  Rect inWindow580x615;
};
constexpr Grown kGrown[] = {
  {"CoolBar1",     {  0,   0, 800,  22}, {  0,   0, 580,  22}},
  {"StatusBar1",   {  0, 881, 800,  19}, {  0, 596, 580,  19}},
  {"GroupBox1",    {  8,  32, 785,  57}, {  8,  32, 565,  57}},
  {"FavoriteDir",  { 16,  26, 369,  12}, { 24,  58, 369,  12}},
  {"GroupBox2",    {  8,  96, 161, 193}, {  8,  96, 161, 193}},
  {"RadioButton1", { 16,  24, 121,  17}, { 24, 120, 121,  17}},
  {"Image2",       { 32, 128,  64,  48}, { 40, 224,  64,  48}},
  {"GroupBox3",    {  8, 296, 785,  73}, {  8, 296, 565,  73}},
  {"Memo1",        { 16,  24, 753,  23}, { 24, 320, 533,  23}},
  {"GroupBox4",    {176, 168, 617, 121}, {176, 168, 397, 121}},
  {"PanelEx1",     {  8,  40, 601,  73}, {184, 208, 381,  73}},
  {"Edit1",        { 40,  10, 549,  20}, {224, 218, 329,  20}},
  {"Edit3",        { 40,  37, 549,  20}, {224, 245, 329,  20}},
  {"Edit2",        { 16,  26, 513,  20}, {192, 122, 293,  20}},
  {"Button2",      {542,  23,  59,  25}, {498, 119,  59,  25}},
  {"Button3",      {  8, 848, 785,  25}, {  8, 563, 565,  25}},
  {"GroupBox6",    {  8, 376, 785, 464}, {  8, 376, 565, 179}},
  {"ScrollBox1",   { 16,  24, 593, 424}, { 24, 400, 373, 139}},
  {"WebBrowser1",  {  0,   0, 589, 420}, { 26, 402, 369, 135}},
  {"ComboBox1",    {624,  24, 145,  24}, {412, 400, 145,  24}},
  {"CheckBox3",    {624,  64, 145,  17}, {412, 440, 145,  17}},
  {"CheckBox2",    {624,  88, 145,  17}, {412, 464, 145,  17}},
};
// clang-format on

std::string Show(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

const ControlRow& Row(std::string_view name) {
  const ControlRow* row = FindControl(name);
  if (row == nullptr) throw std::runtime_error("no row " + std::string(name));
  return *row;
}

TEST(MainLayoutTest, EveryControlIsWhereTheLayoutPutsItWithItsAnchors) {
  for (const Documented& d : kDocumented) {
    SCOPED_TRACE(d.name);
    const ControlRow& row = Row(d.name);
    EXPECT_EQ(row.parent, d.parent);
    EXPECT_EQ(Show(row.rect), Show(d.rect));
    EXPECT_EQ(row.anchors, d.anchors);
    EXPECT_EQ(Show(RectInParent(row, kWindowClient)), Show(d.rect));
  }
  EXPECT_EQ(kWindowClient, (Size{480, 565}));
  EXPECT_EQ(kWindowOrigin, (Point{335, 114}));
  // Every row but the band's unnamed edge is documented.
  std::size_t named = 0;
  for (const ControlRow& row : Controls()) named += row.name.empty() ? 0 : 1;
  EXPECT_EQ(named, std::size(kDocumented));
}

TEST(MainLayoutTest, RowsNameTheirParentsBeforeThemAndEachNameOnce) {
  std::set<std::string_view> seen;
  for (const ControlRow& row : Controls()) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_TRUE(row.parent.empty() || seen.count(row.parent)) << "parent " << row.parent;
    EXPECT_TRUE(row.name.empty() || seen.insert(row.name).second);
    EXPECT_EQ(IndexOf(row), static_cast<std::size_t>(&row - Controls().data()));
  }
  for (const MenuItemRow& item : MenuItems()) {
    EXPECT_TRUE(seen.insert(item.name).second) << item.name;
    EXPECT_NE(item.command, nullptr) << item.name;
  }
  for (const MenuRow& menu : Menus()) EXPECT_EQ(Row(menu.button).kind, Kind::kToolButton);
}

TEST(MainLayoutTest, AnchoredControlsFollowTheWindow) {
  for (const Grown& g : kGrown) {
    SCOPED_TRACE(g.name);
    EXPECT_EQ(Show(RectInParent(Row(g.name), {800, 900})), Show(g.inParent800x900));
    EXPECT_EQ(Show(RectInWindow(Row(g.name), {580, 615})), Show(g.inWindow580x615));
  }
  // A label sized to its text keeps that size where the table puts it.
  EXPECT_EQ(Show(RectInWindow(Row("Label1"), {580, 615}, Size{30, 13})), Show({192, 223, 30, 13}));
}

TEST(MainLayoutTest, AnchoringRule) {
  const Rect r{10, 20, 100, 50};
  const Size laidOut{400, 300};
  struct Case {
    unsigned anchors;
    Size parent;
    Rect expected;
  };
  const Case cases[] = {
      {kLeftTop, {500, 400}, {10, 20, 100, 50}},
      {kLeftTopRight, {500, 400}, {10, 20, 200, 50}},
      {kTopRight, {500, 400}, {110, 20, 100, 50}},
      {kAllEdges, {500, 400}, {10, 20, 200, 150}},
      {kLeftRightBottom, {500, 400}, {10, 120, 200, 50}},
      {kAnchorBottom, {350, 250}, {10, -30, 100, 50}},  // neither left nor right: stays
      {kAllEdges, {350, 250}, {10, 20, 50, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Show(Anchored(r, c.anchors, laidOut, c.parent)), Show(c.expected)) << c.anchors;
  }
}

TEST(MainLayoutTest, TabOrderAsTheLayoutNumbersIt) {
  const std::vector<std::string_view> expected = {
      "RadioButton1", "RadioButton2", "Memo1",       "CheckBox1", "Edit3",     "Edit1",    "Edit2",
      "Button2",      "Button3",      "WebBrowser1", "ComboBox1", "CheckBox3", "CheckBox2"};
  EXPECT_EQ(TabOrder(), expected);
}

TEST(MainLayoutTest, StackingPutsTabStopsFirstAndEveryControlAboveItsContainers) {
  const std::vector<const ControlRow*> order = StackingOrder();
  ASSERT_EQ(order.size(), Controls().size());
  const std::vector<std::string_view> tabs = TabOrder();
  for (std::size_t i = 0; i < tabs.size(); ++i) EXPECT_EQ(order[i]->name, tabs[i]);
  auto place = [&order](const ControlRow* row) {
    return std::find(order.begin(), order.end(), row) - order.begin();
  };
  for (const ControlRow* row : order) {
    for (const ControlRow* above = FindControl(row->parent); above != nullptr;
         above = FindControl(above->parent)) {
      EXPECT_LT(place(row), place(above)) << row->name << " below " << above->name;
    }
  }
  EXPECT_EQ(order.back()->name, "StatusBar1");
}

TEST(MainLayoutTest, FontsAreTheRowsOrTheirContainers) {
  EXPECT_EQ(ResolvedFont(Row("GroupBox6")), kHeadingFont);
  EXPECT_EQ(ResolvedFont(Row("ComboBox1")), kHeadingFont);  // shows its group's font
  EXPECT_EQ(ResolvedFont(Row("Edit2")), kWindowFont);
  EXPECT_EQ(ResolvedFont(Row("StatusBar1")), kWindowFont);
  EXPECT_EQ(ResolvedFont(Row("FavoriteDir")), (Font{12, false, true}));
  EXPECT_EQ(ResolvedFont(Row("CheckBox2")), (Font{13}));
}

TEST(MainLayoutTest, EveryControlThePresenterSetsHasARow) {
  for (int c = 0; c <= static_cast<int>(Control::Browser1); ++c) {
    const std::string_view name = ControlName(static_cast<Control>(c));
    EXPECT_TRUE(FindControl(name) != nullptr || FindMenuItem(name) != nullptr) << name;
  }
  EXPECT_EQ(ControlName(Control::Edit2), "Edit2");
  EXPECT_EQ(ControlName(Control::HTTP1), "HTTP1");
  EXPECT_EQ(ControlName(Control::StatusBar1), "StatusBar1");
  EXPECT_EQ(ControlName(Control::Browser1), "Browser1");
}

TEST(MainLayoutTest, MenusTheirShortcutsAndAccessLetters) {
  EXPECT_EQ(FindMenuItem("Exit1")->shortcut, 16465);  // Ctrl + Q as the layout stores it
  EXPECT_EQ(FindMenuItem("HTTP1")->shortcut, 16466);
  EXPECT_EQ(ShortcutText(FindMenuItem("HTTP1")->shortcut), u"Ctrl+R");
  EXPECT_EQ(ShortcutText(kNoShortcut), u"");
  EXPECT_EQ(ShortcutKey(16465), 'Q');
  EXPECT_TRUE(FindMenuItem("Exit1")->separatorBefore);
  // Opening the top page: in the run menu after the create item, Ctrl+B.
  const MenuItemRow& browser = *FindMenuItem("Browser1");
  EXPECT_EQ(browser.menu, "R1");
  EXPECT_EQ(std::u16string(browser.caption), u"ブラウザで開く(&B)");
  EXPECT_EQ(ShortcutText(browser.shortcut), u"Ctrl+B");
  EXPECT_EQ(AccessLetter(browser.caption), u'B');
  std::vector<std::string_view> runMenu;
  for (const MenuItemRow& item : MenuItems()) {
    if (item.menu == "R1") runMenu.push_back(item.name);
  }
  EXPECT_EQ(runMenu, (std::vector<std::string_view>{"HTTP1", "Browser1", "HTML5Pages1"}));
  // The HTML5 choice: the run menu's last item, set apart, the only one with a tick.
  const MenuItemRow& html5 = *FindMenuItem("HTML5Pages1");
  EXPECT_TRUE(html5.separatorBefore);
  EXPECT_EQ(AccessLetter(html5.caption), u'5');
  for (const MenuItemRow& item : MenuItems()) EXPECT_EQ(item.checkable, &item == &html5);
  EXPECT_EQ(AccessLetter(str::kFileMenu), u'F');
  EXPECT_EQ(AccessLetter(u"a(&x)"), u'X');
  EXPECT_EQ(AccessLetter(u"none && more"), 0);
  EXPECT_EQ(AccessLetter(nullptr), 0);
}

TEST(MainLayoutTest, CenterInControlHalvesTowardZero) {
  struct Case {
    Rect control;
    Size size;
    Point expected;
  };
  const Case cases[] = {
      {{100, 200, 500, 400}, {320, 150}, {190, 325}},
      {{0, 0, 317, 120}, {320, 120}, {-1, 0}},
      {{-300, -100, 200, 100}, {201, 103}, {-300, -101}},
      {{50, 60, 1, 1}, {0, 0}, {50, 60}},
  };
  for (const Case& c : cases) EXPECT_EQ(CenterInControl(c.control, c.size), c.expected);
  EXPECT_EQ(Half(7), 3);
  EXPECT_EQ(Half(-3), -1);
}

TEST(MainLayoutTest, AboutBoxPartsAndPlaces) {
  EXPECT_EQ(Show(about::CloseButton({320, 120})), Show({128, 88, 64, 24}));
  EXPECT_EQ(Show(about::CloseButton({321, 97})), Show({128, 65, 64, 24}));
  EXPECT_EQ(about::NameOrigin({320, 120}, 100), (Point{56 + 78, 8}));
  EXPECT_LT(about::NameOrigin({320, 120}, 400).x, 56);  // a long name overlaps the picture
  EXPECT_EQ(about::LineOrigin({320, 120}, 100, about::kVersionTop), (Point{110, 36}));
  EXPECT_EQ(about::LineOrigin({100, 120}, 103, about::kMemoTop), (Point{-1, 54}));

  using about::Position;
  const Point designed{-20, 30};
  const Size outer{326, 146};
  const Size screen{1024, 768};
  const Rect main{-300, 40, 617, 501};
  const Rect owner{10, 10, 200, 100};
  auto origin = [&](Position p, std::optional<Rect> m, std::optional<Rect> o) {
    return about::Origin(static_cast<int>(p), designed, outer, screen, m, o);
  };
  EXPECT_EQ(origin(Position::kDesigned, main, owner), designed);
  EXPECT_EQ(origin(Position::kScreenCenter, main, owner), (Point{349, 311}));
  EXPECT_EQ(origin(Position::kMainFormCenter, main, owner), (Point{-155, 217}));
  EXPECT_EQ(origin(Position::kOwnerFormCenter, main, owner), (Point{-53, -13}));
  EXPECT_EQ(origin(Position::kMainFormCenter, std::nullopt, owner), std::nullopt);
  EXPECT_EQ(origin(Position::kOwnerFormCenter, main, std::nullopt), std::nullopt);
  EXPECT_EQ(about::Origin(7, designed, outer, screen, main, owner), std::nullopt);
}

}  // namespace
}  // namespace favpage::ui::layout

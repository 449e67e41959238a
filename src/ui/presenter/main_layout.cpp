#include "ui/presenter/main_layout.h"

#include <algorithm>
#include <array>

namespace favpage::ui::layout {
namespace {

using P = MainPresenter;

constexpr Font kFavoriteDirFont{12, false, true};
constexpr Font kSmallFont{13};

constexpr const char16_t* kStyleItems[] = {str::kNoStyle, str::kStyle0, str::kStyle1, str::kStyle2};
static_assert(std::size(kStyleItems) == kStyleChoiceCount);

// clang-format off
constexpr ControlRow kControls[] = {
  // name            kind                 parent        left  top width height  anchors           caption                    font              tab handler
  {"CoolBar1",       Kind::kBand,         "",           {  0,   0, 480,  22}, kLeftTopRight,    nullptr,                   kInheritedFont,    0, {}},
  {"ToolBar1",       Kind::kToolBar,      "CoolBar1",   {  9,   0, 467,  20}, kLeftTopRight,    nullptr,                   kInheritedFont,    0, {}},
  {"StatusBar1",     Kind::kStatusBar,    "",           {  0, 546, 480,  19}, kLeftRightBottom, nullptr,                   kInheritedFont,    0, {}},
  {"GroupBox1",      Kind::kGroup,        "",           {  8,  32, 465,  57}, kLeftTopRight,    str::kFavoritesGroup,      kHeadingFont,      0, {}},
  {"FavoriteDir",    Kind::kFixedLabel,   "GroupBox1",  { 16,  26, 369,  12}, kLeftTop,         str::kFavoriteDirLaidOut,  kFavoriteDirFont,  0, {.command = &P::FavoriteDirClick}},
  {"GroupBox2",      Kind::kGroup,        "",           {  8,  96, 161, 193}, kLeftTop,         str::kOutTypeGroup,        kHeadingFont,      0, {}},
  {"RadioButton1",   Kind::kRadio,        "GroupBox2",  { 16,  24, 121,  17}, kLeftTop,         str::kOnePage,             kWindowFont,       1, {.command = &P::RadioButton1Click}, Picture::kNone, true},
  {"Image1",         Kind::kPicture,      "GroupBox2",  { 32,  48,  64,  48}, kLeftTop,         nullptr,                   kInheritedFont,    0, {}, Picture::kOnePage},
  {"RadioButton2",   Kind::kRadio,        "GroupBox2",  { 16, 104, 129,  17}, kLeftTop,         str::kPerFolder,           kWindowFont,       2, {.command = &P::RadioButton2Click}},
  {"Image2",         Kind::kPicture,      "GroupBox2",  { 32, 128,  64,  48}, kLeftTop,         nullptr,                   kInheritedFont,    0, {}, Picture::kFolderTree},
  {"GroupBox3",      Kind::kGroup,        "",           {  8, 296, 465,  73}, kLeftTopRight,    str::kTitleGroup,          kHeadingFont,      0, {}},
  {"Memo1",          Kind::kMemo,         "GroupBox3",  { 16,  24, 433,  23}, kAllEdges,        nullptr,                   kWindowFont,       3, {.command = &P::Memo1Change}},
  {"GroupBox4",      Kind::kGroup,        "",           {176, 168, 297, 121}, kLeftTopRight,    str::kReturnGroup,         kHeadingFont,      0, {}},
  {"CheckBox1",      Kind::kCheck,        "GroupBox4",  { 16,  24,  65,  17}, kLeftTop,         str::kShowReturn,          kWindowFont,       4, {.toggle = &P::CheckBox1Click}},
  {"PanelEx1",       Kind::kPanel,        "GroupBox4",  {  8,  40, 281,  73}, kLeftTopRight,    nullptr,                   kWindowFont,       0, {}},
  {"Label2",         Kind::kLabel,        "PanelEx1",   {  8,  45,  22,  12}, kLeftTop,         str::kReturnUrlLabel,      kWindowFont,       0, {}},
  {"Label1",         Kind::kLabel,        "PanelEx1",   {  8,  15,  24,  12}, kLeftTop,         str::kReturnLineLabel,     kWindowFont,       0, {}},
  {"Edit3",          Kind::kEdit,         "PanelEx1",   { 40,  37, 229,  20}, kLeftTopRight,    nullptr,                   kWindowFont,       5, {.text = &P::Edit3Change}},
  {"Edit1",          Kind::kEdit,         "PanelEx1",   { 40,  10, 229,  20}, kLeftTopRight,    nullptr,                   kWindowFont,       6, {.text = &P::Edit1Change}},
  {"GroupBox5",      Kind::kGroup,        "",           {176,  96, 297,  65}, kLeftTopRight,    str::kFileNameGroup,       kHeadingFont,      0, {}},
  {"Edit2",          Kind::kEdit,         "GroupBox5",  { 16,  26, 193,  20}, kLeftTopRight,    nullptr,                   kWindowFont,       7, {.text = &P::Edit2Change}},
  {"Button2",        Kind::kButton,       "GroupBox5",  {222,  23,  59,  25}, kTopRight,        str::kBrowse,              kWindowFont,       8, {.command = &P::Button2Click}},
  {"Button3",        Kind::kDefaultButton, "",          {  8, 513, 465,  25}, kLeftRightBottom, str::kCreate,              kWindowFont,       9, {.command = &P::Button3Click}},
  {"GroupBox6",      Kind::kGroup,        "",           {  8, 376, 465, 129}, kAllEdges,        str::kStyleGroup,          kHeadingFont,      0, {}},
  {"ScrollBox1",     Kind::kScrollBox,    "GroupBox6",  { 16,  24, 273,  89}, kAllEdges,        nullptr,                   kInheritedFont,    0, {}},
  {"WebBrowser1",    Kind::kPreview,      "ScrollBox1", {  0,   0, 269,  85}, kAllEdges,        nullptr,                   kInheritedFont,   10, {}},
  {"ComboBox1",      Kind::kList,         "GroupBox6",  {304,  24, 145,  24}, kTopRight,        nullptr,                   kInheritedFont,   11, {.select = &P::ComboBox1Change}, Picture::kNone, false, kStyleItems},
  // In the free row between the style list and the target box, so no laid-out control moves.
  {"CheckBox3",      Kind::kCheck,        "GroupBox6",  {304,  64, 145,  17}, kTopRight,        str::kUtf8Pages,           kSmallFont,       12, {.toggle = &P::CheckBox3Click}},
  {"CheckBox2",      Kind::kCheck,        "GroupBox6",  {304,  88, 145,  17}, kTopRight,        str::kBlankTarget,         kSmallFont,       13, {.toggle = &P::CheckBox2Click}},
  {"",               Kind::kBandEdge,     "CoolBar1",   {  0,  20, 480,   2}, kLeftTopRight,    nullptr,                   kInheritedFont,    0, {}},
  {"ToolButton1",    Kind::kToolButton,   "ToolBar1",   {  0,   0,  54,  20}, kLeftTop,         str::kFileMenu,            kInheritedFont,    0, {}},
  {"ToolButton2",    Kind::kToolButton,   "ToolBar1",   { 54,   0,  51,  20}, kLeftTop,         str::kRunMenu,             kInheritedFont,    0, {}},
  {"ToolButton3",    Kind::kToolButton,   "ToolBar1",   {105,   0,  54,  20}, kLeftTop,         str::kHelpMenu,            kInheritedFont,    0, {}},
};

constexpr MenuRow kMenus[] = {
  {"File1", "ToolButton1"},
  {"R1",    "ToolButton2"},
  {"Help1", "ToolButton3"},
};

constexpr MenuItemRow kMenuItems[] = {
  // name      menu     caption             shortcut                  command
  {"Source1", "File1", str::kSourceItem,   kNoShortcut,              &P::Source1Click},
  {"Exit1",   "File1", str::kExitItem,     kShortcutCtrl + 'Q',      &P::Exit1Click,   true},
  {"HTTP1",   "R1",    str::kConvertItem,  kShortcutCtrl + 'R',      &P::Button3Click},
  {"About1",  "Help1", str::kAboutItem,    kNoShortcut,              &P::About1Click},
  // Listed by its menu after the create item; last here, so the other items keep their ids.
  {"Browser1", "R1",   str::kOpenInBrowserItem, kShortcutCtrl + 'B',  &P::Browser1Click},
  // A menu item, not a check box: the window's laid-out controls stay where they are.
  {"HTML5Pages1", "R1", str::kHtml5Item,   kNoShortcut,              &P::HTML5Pages1Click, true, true},
};

// The presenter's names for the controls it sets, in the order of Control.
constexpr std::string_view kControlNames[] = {
  "FavoriteDir", "RadioButton1", "RadioButton2", "Edit2", "CheckBox1", "PanelEx1", "Edit1",
  "Edit3", "Button3", "HTTP1", "ComboBox1", "CheckBox2", "CheckBox3", "StatusBar1", "Browser1",
  "HTML5Pages1",
};
// clang-format on
static_assert(std::size(kControlNames) == static_cast<std::size_t>(Control::HTML5Pages1) + 1,
              "every Control has its name");

int Depth(const ControlRow& row) {
  int depth = 0;
  for (const ControlRow* at = &row; !at->parent.empty(); at = FindControl(at->parent)) ++depth;
  return depth;
}

// The laid-out size of `row`'s client area.
Size LaidOutClient(const ControlRow& row) {
  const int inset = ClientInset(row.kind);
  return {row.rect.width - 2 * inset, row.rect.height - 2 * inset};
}

}  // namespace

std::span<const ControlRow> Controls() { return kControls; }

const ControlRow* FindControl(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const ControlRow& row : kControls) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

std::size_t IndexOf(const ControlRow& row) { return static_cast<std::size_t>(&row - kControls); }

std::string_view ControlName(Control control) {
  return kControlNames[static_cast<std::size_t>(control)];
}

std::span<const MenuRow> Menus() { return kMenus; }

std::span<const MenuItemRow> MenuItems() { return kMenuItems; }

const MenuItemRow* FindMenuItem(std::string_view name) {
  for (const MenuItemRow& item : kMenuItems) {
    if (item.name == name) return &item;
  }
  return nullptr;
}

char ShortcutKey(int shortcut) { return static_cast<char>(shortcut & 0xFF); }

bool ShortcutHasCtrl(int shortcut) { return (shortcut & kShortcutCtrl) != 0; }

std::u16string ShortcutText(int shortcut) {
  if (shortcut == kNoShortcut) return {};
  std::u16string text = ShortcutHasCtrl(shortcut) ? u"Ctrl+" : u"";
  text += static_cast<char16_t>(ShortcutKey(shortcut));
  return text;
}

char16_t AccessLetter(const char16_t* caption) {
  for (const char16_t* at = caption; at != nullptr && *at != u'\0'; ++at) {
    if (at[0] != u'&' || at[1] == u'\0') continue;
    if (at[1] == u'&') {  // "&&" shows one "&"
      ++at;
      continue;
    }
    const char16_t letter = at[1];
    return letter >= u'a' && letter <= u'z' ? static_cast<char16_t>(letter - 0x20) : letter;
  }
  return 0;
}

int ClientInset(Kind kind) {
  // The scroll box's sunken border.
  return kind == Kind::kScrollBox ? 2 : 0;
}

bool IsContainer(const ControlRow& row) {
  return !row.name.empty() &&
         std::any_of(std::begin(kControls), std::end(kControls),
                     [&row](const ControlRow& other) { return other.parent == row.name; });
}

Rect Anchored(const Rect& laidOut, unsigned anchors, Size laidOutParent, Size parent) {
  const int dw = parent.width - laidOutParent.width;
  const int dh = parent.height - laidOutParent.height;
  const bool left = (anchors & kAnchorLeft) != 0;
  const bool right = (anchors & kAnchorRight) != 0;
  const bool top = (anchors & kAnchorTop) != 0;
  const bool bottom = (anchors & kAnchorBottom) != 0;
  Rect rect = laidOut;
  if (left && right) {
    rect.width += dw;
  } else if (right) {
    rect.left += dw;
  }
  if (top && bottom) {
    rect.height += dh;
  } else if (bottom) {
    rect.top += dh;
  }
  return rect;
}

Rect RectInParent(const ControlRow& row, Size client, std::optional<Size> ownSize) {
  Rect laidOut = row.rect;
  if (ownSize) {
    laidOut.width = ownSize->width;
    laidOut.height = ownSize->height;
  }
  const ControlRow* parent = FindControl(row.parent);
  if (parent == nullptr) return Anchored(laidOut, row.anchors, kWindowClient, client);
  const Rect frame = RectInParent(*parent, client);
  const int inset = ClientInset(parent->kind);
  return Anchored(laidOut, row.anchors, LaidOutClient(*parent),
                  {frame.width - 2 * inset, frame.height - 2 * inset});
}

Rect RectInWindow(const ControlRow& row, Size client, std::optional<Size> ownSize) {
  Rect rect = RectInParent(row, client, ownSize);
  const ControlRow* parent = FindControl(row.parent);
  if (parent == nullptr) return rect;
  const Rect frame = RectInWindow(*parent, client);
  const int inset = ClientInset(parent->kind);
  rect.left += frame.left + inset;
  rect.top += frame.top + inset;
  return rect;
}

std::vector<std::string_view> TabOrder() {
  std::vector<const ControlRow*> stops;
  for (const ControlRow& row : kControls) {
    if (row.tab > 0) stops.push_back(&row);
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
  std::vector<std::string_view> names;
  for (const ControlRow* row : stops) names.push_back(row->name);
  return names;
}

std::vector<const ControlRow*> StackingOrder() {
  std::vector<const ControlRow*> order;
  for (std::string_view name : TabOrder()) order.push_back(FindControl(name));
  auto take = [&order](auto wanted) {
    for (const ControlRow& row : kControls) {
      if (row.tab == 0 && wanted(row)) order.push_back(&row);
    }
  };
  take([](const ControlRow& row) { return !IsContainer(row) && !row.parent.empty(); });
  int deepest = 0;
  for (const ControlRow& row : kControls) deepest = std::max(deepest, Depth(row));
  for (int depth = deepest; depth >= 0; --depth) {
    take([depth](const ControlRow& row) { return IsContainer(row) && Depth(row) == depth; });
  }
  take([](const ControlRow& row) { return !IsContainer(row) && row.parent.empty(); });
  return order;
}

Font ResolvedFont(const ControlRow& row) {
  for (const ControlRow* at = &row; at != nullptr; at = FindControl(at->parent)) {
    if (!at->font.Inherited()) return at->font;
  }
  return kWindowFont;
}

Point CenterInControl(const Rect& control, Size size) {
  return {Half(control.width - size.width) + control.left,
          Half(control.height - size.height) + control.top};
}

namespace about {

std::optional<Point> Origin(int position, Point designed, Size outer, Size screen,
                            std::optional<Rect> mainWindow, std::optional<Rect> owner) {
  switch (static_cast<Position>(position)) {
    case Position::kDesigned:
      return designed;
    case Position::kScreenCenter:
      return Point{Half(screen.width - outer.width), Half(screen.height - outer.height)};
    case Position::kMainFormCenter:
      if (mainWindow) return CenterInControl(*mainWindow, outer);
      return std::nullopt;
    case Position::kOwnerFormCenter:
      if (owner) return CenterInControl(*owner, outer);
      return std::nullopt;
  }
  return std::nullopt;
}

Rect CloseButton(Size client) {
  return {Half(client.width - kCloseButtonSize.width),
          client.height - kCloseButtonSize.height - kMargin, kCloseButtonSize.width,
          kCloseButtonSize.height};
}

Point NameOrigin(Size client, int labelWidth) {
  const int pictureRight = kPicture.left + kPicture.width;
  return {pictureRight + Half(client.width - pictureRight - kMargin - labelWidth), kMargin};
}

Point LineOrigin(Size client, int labelWidth, int top) {
  return {Half(client.width - labelWidth), top};
}

}  // namespace about

}  // namespace favpage::ui::layout

// The main window's controls as one table, for every face: each control's name (its object
// name, by which tests and tools find it), kind, parent, laid-out rectangle, anchors,
// caption, font, tab order and the presenter's handler of its event; the menus and their
// items likewise. Both faces build their controls by walking the tables, so a new control
// is one more row here (and its handler in the presenter). The arithmetic of anchoring and
// of the About box's placement is here too, as pure functions both faces call.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/presenter/about_version.h"
#include "ui/presenter/main_presenter.h"
#include "ui/presenter/main_view.h"
#include "ui/presenter/window_texts.h"

namespace favpage::ui::layout {

// Pixels at 96 pixels per inch.
struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Point origin() const { return {left, top}; }
  Size size() const { return {width, height}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The edges of its parent a control keeps its distances to. Anchored left and right, its
// width follows the parent's; right only, it moves with the right edge; likewise top and
// bottom.
enum Anchor : unsigned {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};
inline constexpr unsigned kLeftTop = kAnchorLeft | kAnchorTop;
inline constexpr unsigned kLeftTopRight = kLeftTop | kAnchorRight;
inline constexpr unsigned kTopRight = kAnchorTop | kAnchorRight;
inline constexpr unsigned kLeftRightBottom = kAnchorLeft | kAnchorRight | kAnchorBottom;
inline constexpr unsigned kAllEdges = kLeftTopRight | kAnchorBottom;

enum class Kind {
  kBand,           // the band container along the top that holds the tool bar
  kToolBar,        // the tool bar that serves as the menu bar
  kToolButton,     // a tool-bar button that drops down the menu that names it
  kBandEdge,       // the band's border line at its bottom edge
  kStatusBar,      // no panels and no text
  kGroup,          // a group box with its caption
  kLabel,          // sized to its text
  kFixedLabel,     // keeps its laid-out size, cutting a longer text
  kPicture,        // sized to its image
  kRadio,          // the first radio button of a parent opens its group
  kCheck,          //
  kEdit,           // single-line
  kMemo,           // the title edit: multi-line, words wrapped, no scroll bars
  kButton,         // a push button
  kDefaultButton,  // the window's default button
  kList,           // a drop-down list with fixed items (no typing)
  kPanel,          // the enabling panel: its enabled state cascades to its children
  kScrollBox,      // a scroll box with a sunken border
  kPreview,        // the embedded HTML view; fills its scroll box's client area
};

// A control's own font: the layout's face at a character height in pixels. A height of 0
// names none: the control shows its parent's font.
struct Font {
  int pixelHeight = 0;
  bool bold = false;
  bool underline = false;
  bool Inherited() const { return pixelHeight == 0; }
  friend bool operator==(const Font&, const Font&) = default;
};
inline constexpr Font kInheritedFont{};
inline constexpr Font kWindowFont{12};
inline constexpr Font kHeadingFont{16, true};

// The two miniatures beside the output-type radio buttons.
enum class Picture { kNone, kOnePage, kFolderTree };

// What the control's event calls on the presenter; the kind says which event:
// `command` for a click of a button, a radio button becoming selected, a change of the
// title edit; `text` for an edit's every change; `toggle` for a check box's click with its
// tick; `select` for the user's choice in a list (not a programmatic one).
struct Handler {
  void (MainPresenter::*command)() = nullptr;
  void (MainPresenter::*text)(const std::string&) = nullptr;
  void (MainPresenter::*toggle)(bool) = nullptr;
  void (MainPresenter::*select)(int) = nullptr;
};

struct ControlRow {
  std::string_view name;  // empty for a part without a name of its own
  Kind kind;
  std::string_view parent;  // the control its rectangle is relative to; empty: the window
  Rect rect;                // in the parent's client area at the laid-out window size
  unsigned anchors;
  const char16_t* caption;  // nullptr: none
  Font font;
  int tab;  // place in the tab order, from 1; 0: no tab stop
  Handler handler;
  Picture picture = Picture::kNone;
  bool checked = false;                         // a radio button selected as laid out
  std::span<const char16_t* const> items = {};  // a list's items, in order
};

// The rows, parents before their children. A Windows face numbers its controls by their
// place here, so a new row goes at the end.
std::span<const ControlRow> Controls();
// The row named `name`; nullptr when there is none.
const ControlRow* FindControl(std::string_view name);
// The row's place in Controls().
std::size_t IndexOf(const ControlRow& row);
// The row the presenter names `control`, in Controls() or as a menu item's name.
std::string_view ControlName(Control control);

// A menu dropped down by a tool-bar button, whose caption it shares.
struct MenuRow {
  std::string_view name;
  std::string_view button;
};

// Shortcut keys as the layout stores them: a key code plus modifier flags.
inline constexpr int kShortcutCtrl = 16384;
inline constexpr int kNoShortcut = 0;

struct MenuItemRow {
  std::string_view name;
  std::string_view menu;
  const char16_t* caption;
  int shortcut;  // kNoShortcut, or kShortcutCtrl + a key's code
  void (MainPresenter::*command)();
  bool separatorBefore = false;  // a separator line above the item
  bool checkable = false;        // shows a tick; the presenter sets it through SetChecked
};

std::span<const MenuRow> Menus();
// The items; each menu lists its own in this order. A Windows face numbers them by their
// place here, so a new item goes at the end.
std::span<const MenuItemRow> MenuItems();
const MenuItemRow* FindMenuItem(std::string_view name);
// The key of a shortcut ('Q' for Ctrl+Q) and its text as a menu shows it ("Ctrl+Q").
char ShortcutKey(int shortcut);
bool ShortcutHasCtrl(int shortcut);
std::u16string ShortcutText(int shortcut);
// The access letter of a caption (the letter after "&", upper-cased); 0 when it has none.
char16_t AccessLetter(const char16_t* caption);

// The window: its caption, its laid-out place on the screen and its client area, which is
// also its smallest.
inline constexpr Point kWindowOrigin{335, 114};
inline constexpr Size kWindowClient{480, 565};
// The colour of a label that names something missing (the source), on the window's face.
struct Colour {
  unsigned char red, green, blue;
};
inline constexpr Colour kErrorColour{0xC0, 0x00, 0x00};
// The style list's items are this high, whatever their font asks for.
inline constexpr int kListItemHeight = 16;

// A container's client area lies inside its border by this much on every side.
int ClientInset(Kind kind);
// Whether any row names `row` as its parent.
bool IsContainer(const ControlRow& row);

// The rectangle a control laid out at `laidOut` in a parent of `laidOutParent` takes when
// the parent is `parent`, by its anchors.
Rect Anchored(const Rect& laidOut, unsigned anchors, Size laidOutParent, Size parent);
// The rectangle of `row` in its parent's client area when the window's client area is
// `client`. `ownSize` stands for the laid-out size of a control that sizes itself (a label
// sized to its text).
Rect RectInParent(const ControlRow& row, Size client, std::optional<Size> ownSize = {});
// The same in the window's client coordinates, through the containers above it.
Rect RectInWindow(const ControlRow& row, Size client, std::optional<Size> ownSize = {});

// The names of the tab stops in tab order.
std::vector<std::string_view> TabOrder();
// The order in which a face that makes every control a child of the window itself stacks
// them, top first: the tab stops in tab order (the order a dialog manager walks), then the
// other controls inside containers, then the containers, deeper ones first, so that each
// control lies above every container that holds it, then the rest.
std::vector<const ControlRow*> StackingOrder();
// A font named by a row, or by the nearest container above it; the window's font at the top.
Font ResolvedFont(const ControlRow& row);

// The "Working" window of a run: its client area, and where its label starts.
inline constexpr Size kWorkFormClient{320, 32};
inline constexpr Point kWorkLabelOrigin{8, 8};
inline constexpr int kWorkLabelPoints = 10;

// Halving as the window's placement rules do it: integer division that truncates toward
// zero (7 gives 3, -3 gives -1).
constexpr int Half(int value) { return value / 2; }

// The top-left at which a window of outer size `size` is centred over `control`'s outer
// frame; not limited to the screen.
Point CenterInControl(const Rect& control, Size size);

// The About box: where it goes and where its parts lie in its client area.
namespace about {

// The position rules of the About-box component, in their order.
enum class Position { kDesigned, kScreenCenter, kMainFormCenter, kOwnerFormCenter };

inline constexpr Size kLaidOutClient{320, 120};
inline constexpr Size kCloseButtonSize{64, 24};
inline constexpr Rect kPicture{8, 8, 48, 48};
inline constexpr int kMargin = 8;
inline constexpr int kNamePoints = 16;
inline constexpr int kLinePoints = 10;
inline constexpr int kVersionTop = 36;
inline constexpr int kMemoTop = 54;

// Where a box of outer size `outer` goes by `position`: `designed` (FormLeft, FormTop),
// centred on a screen of `screen`, or centred over the main window's or the owner's outer
// frame. Nothing when the rule has no window to centre over, or is unknown: the box keeps
// the place it was made at.
std::optional<Point> Origin(int position, Point designed, Size outer, Size screen,
                            std::optional<Rect> mainWindow, std::optional<Rect> owner);
Rect CloseButton(Size client);
// The name label centred between the picture's right edge and a margin at the right.
Point NameOrigin(Size client, int labelWidth);
// A line label (version, memo) centred on the client width at `top`.
Point LineOrigin(Size client, int labelWidth, int top);

}  // namespace about

// Copies the About-box properties the main window's layout sets into a face's component
// (`TAboutDialog` with its F fields and TFPosition), converting each text with `text`; each
// face adds the font and the icon of its own toolkit.
template <typename Dialog, typename TextOf>
void ApplyAboutLayout(Dialog& dialog, TextOf text) {
  dialog.FAppName = text(str::kAboutAppName);
  dialog.FCaption = text(str::kAboutCaption);
  dialog.FCloseButton = text(str::kAboutClose);
  dialog.FFormLeft = 0;
  dialog.FFormTop = 0;
  dialog.FFormWidth = about::kLaidOutClient.width;
  dialog.FFormHeight = about::kLaidOutClient.height;
  dialog.FFormPosition = Dialog::fpScreenCenter;
  dialog.FMemo = text(str::kAboutMemo);
  dialog.FVersion = text(AboutVersionLine().c_str());
}

}  // namespace favpage::ui::layout

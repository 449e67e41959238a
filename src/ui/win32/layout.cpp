#include "ui/win32/layout.h"

#include <commctrl.h>

#include <map>

#include "ui/presenter/window_texts.h"
#include "ui/win32/fonts.h"
#include "ui/win32/resources.h"
#include "ui/win32/wide.h"

namespace favpage::ui::win32 {
namespace {

enum class Kind {
  kGroup,
  kLabel,       // sized to its text
  kFixedLabel,  // keeps its laid-out size, cutting a longer text
  kPicture,
  kEdit,
  kMemo,
  kCheck,
  kRadio,
  kButton,
  kDefaultButton,
  kList,
  kPanel,
  kScrollBox,
  kStatusBar,
  kBandEdge,
  kMadeElsewhere,  // the band container and the preview pane, made by their owners
  kInBand,         // the tool bar, which its band places
};

constexpr unsigned kLeftTop = kAnchorLeft | kAnchorTop;
constexpr unsigned kLeftTopRight = kLeftTop | kAnchorRight;
constexpr unsigned kTopRight = kAnchorTop | kAnchorRight;
constexpr unsigned kAll = kLeftTopRight | kAnchorBottom;

struct Font {
  int height = 12;
  bool bold = false;
  bool underline = false;
};
constexpr Font kWindow{};
constexpr Font kHeading{16, true};

struct Row {
  std::string_view name;
  int id;
  Kind kind;
  int parent;  // the id the position is relative to; 0: the window's client area
  int left, top, width, height;
  unsigned anchors;
  const char16_t* caption;
  Font font;
  int image = 0;  // a picture's bitmap resource
};

// In tab order first (the dialog manager walks the controls in creation order); the
// controls that take no focus follow, the containers last, so every control lies above
// the container it sits in.
constexpr Row kRows[] = {
    {"RadioButton1", kIdRadioButton1, Kind::kRadio, kIdGroupBox2, 16, 24, 121, 17, kLeftTop,
     str::kOnePage, kWindow},
    {"RadioButton2", kIdRadioButton2, Kind::kRadio, kIdGroupBox2, 16, 104, 129, 17, kLeftTop,
     str::kPerFolder, kWindow},
    {"Memo1", kIdMemo1, Kind::kMemo, kIdGroupBox3, 16, 24, 433, 23, kAll, u"", kWindow},
    {"CheckBox1", kIdCheckBox1, Kind::kCheck, kIdGroupBox4, 16, 24, 65, 17, kLeftTop,
     str::kShowReturn, kWindow},
    {"Edit3", kIdEdit3, Kind::kEdit, kIdPanelEx1, 40, 37, 229, 20, kLeftTopRight, u"", kWindow},
    {"Edit1", kIdEdit1, Kind::kEdit, kIdPanelEx1, 40, 10, 229, 20, kLeftTopRight, u"", kWindow},
    {"Edit2", kIdEdit2, Kind::kEdit, kIdGroupBox5, 16, 26, 193, 20, kLeftTopRight, u"", kWindow},
    {"Button2", kIdButton2, Kind::kButton, kIdGroupBox5, 222, 23, 59, 25, kTopRight, str::kBrowse,
     kWindow},
    {"Button3", kIdButton3, Kind::kDefaultButton, 0, 8, 513, 465, 25,
     kAnchorLeft | kAnchorRight | kAnchorBottom, str::kCreate, kWindow},
    {"WebBrowser1", kIdWebBrowser1, Kind::kMadeElsewhere, kIdScrollBox1, 0, 0, 269, 85, kAll,
     nullptr, kWindow},
    {"ComboBox1", kIdComboBox1, Kind::kList, kIdGroupBox6, 304, 24, 145, 24, kTopRight, nullptr,
     kHeading},
    // In the free row between the style list and the target box, so no laid-out control moves.
    {"CheckBox3",
     kIdCheckBox3,
     Kind::kCheck,
     kIdGroupBox6,
     304,
     64,
     145,
     17,
     kTopRight,
     str::kUtf8Pages,
     {13}},
    {"CheckBox2",
     kIdCheckBox2,
     Kind::kCheck,
     kIdGroupBox6,
     304,
     88,
     145,
     17,
     kTopRight,
     str::kBlankTarget,
     {13}},

    {"FavoriteDir",
     kIdFavoriteDir,
     Kind::kFixedLabel,
     kIdGroupBox1,
     16,
     26,
     369,
     12,
     kLeftTop,
     str::kFavoriteDirLaidOut,
     {12, false, true}},
    {"Image1", kIdImage1, Kind::kPicture, kIdGroupBox2, 32, 48, 64, 48, kLeftTop, nullptr, kWindow,
     FAVPAGE_IDB_ONE_PAGE},
    {"Image2", kIdImage2, Kind::kPicture, kIdGroupBox2, 32, 128, 64, 48, kLeftTop, nullptr, kWindow,
     FAVPAGE_IDB_FOLDER_TREE},
    {"Label2", kIdLabel2, Kind::kLabel, kIdPanelEx1, 8, 45, 22, 12, kLeftTop, str::kReturnUrlLabel,
     kWindow},
    {"Label1", kIdLabel1, Kind::kLabel, kIdPanelEx1, 8, 15, 24, 12, kLeftTop, str::kReturnLineLabel,
     kWindow},
    {"PanelEx1", kIdPanelEx1, Kind::kPanel, kIdGroupBox4, 8, 40, 281, 73, kLeftTopRight, u"",
     kWindow},
    {"ScrollBox1", kIdScrollBox1, Kind::kScrollBox, kIdGroupBox6, 16, 24, 273, 89, kAll, u"",
     kWindow},
    {"GroupBox1", kIdGroupBox1, Kind::kGroup, 0, 8, 32, 465, 57, kLeftTopRight,
     str::kFavoritesGroup, kHeading},
    {"GroupBox2", kIdGroupBox2, Kind::kGroup, 0, 8, 96, 161, 193, kLeftTop, str::kOutTypeGroup,
     kHeading},
    {"GroupBox3", kIdGroupBox3, Kind::kGroup, 0, 8, 296, 465, 73, kLeftTopRight, str::kTitleGroup,
     kHeading},
    {"GroupBox4", kIdGroupBox4, Kind::kGroup, 0, 176, 168, 297, 121, kLeftTopRight,
     str::kReturnGroup, kHeading},
    {"GroupBox5", kIdGroupBox5, Kind::kGroup, 0, 176, 96, 297, 65, kLeftTopRight,
     str::kFileNameGroup, kHeading},
    {"GroupBox6", kIdGroupBox6, Kind::kGroup, 0, 8, 376, 465, 129, kAll, str::kStyleGroup,
     kHeading},
    {"StatusBar1", kIdStatusBar1, Kind::kStatusBar, 0, 0, 546, 480, 19,
     kAnchorLeft | kAnchorRight | kAnchorBottom, u"", kWindow},
    // The band container's bottom border line.
    {"", kIdBandEdge, Kind::kBandEdge, 0, 0, 20, 480, 2, kLeftTopRight, u"", kWindow},
    {"CoolBar1", kIdCoolBar1, Kind::kMadeElsewhere, 0, 0, 0, 480, 22, kLeftTopRight, nullptr,
     kWindow},
    {"ToolBar1", kIdToolBar1, Kind::kInBand, kIdCoolBar1, 9, 0, 467, 20, kLeftTopRight, nullptr,
     kWindow},
};

// What a closed drop-down list adds to its selection field's height.
constexpr int kListFieldFrame = 6;
// A sunken border's width, by which the scroll box's client area lies inside it.
constexpr int kClientEdge = 2;

const Row* FindRow(int id) {
  for (const Row& row : kRows) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

// Labels sized to their text, as measured when they were made.
std::map<int, SIZE>& MeasuredSizes() {
  static std::map<int, SIZE> sizes;
  return sizes;
}

SIZE DesignSize(const Row& row) {
  const auto measured = MeasuredSizes().find(row.id);
  if (measured != MeasuredSizes().end()) return measured->second;
  return {row.width, row.height};
}

// The anchored rectangle of `row` inside a parent now `parentSize`, laid out for
// `designParent`, in the parent's coordinates.
RECT Anchored(const Row& row, SIZE designParent, SIZE parentSize) {
  const int dw = parentSize.cx - designParent.cx;
  const int dh = parentSize.cy - designParent.cy;
  const SIZE size = DesignSize(row);
  const bool left = (row.anchors & kAnchorLeft) != 0;
  const bool right = (row.anchors & kAnchorRight) != 0;
  const bool top = (row.anchors & kAnchorTop) != 0;
  const bool bottom = (row.anchors & kAnchorBottom) != 0;
  const int x = row.left + (right && !left ? dw : 0);
  const int y = row.top + (bottom && !top ? dh : 0);
  const int width = size.cx + (left && right ? dw : 0);
  const int height = size.cy + (top && bottom ? dh : 0);
  return {x, y, x + width, y + height};
}

// `row`'s rectangle in the window's client coordinates.
RECT Place(const Row& row, SIZE client) {
  if (row.parent == 0) return Anchored(row, kDesignClient, client);
  const Row& parent = *FindRow(row.parent);
  RECT frame = Place(parent, client);
  if (parent.kind == Kind::kScrollBox) InflateRect(&frame, -kClientEdge, -kClientEdge);
  const SIZE designParent = DesignSize(parent);
  const int inset = parent.kind == Kind::kScrollBox ? 2 * kClientEdge : 0;
  RECT rect = Anchored(row, {designParent.cx - inset, designParent.cy - inset},
                       {frame.right - frame.left, frame.bottom - frame.top});
  OffsetRect(&rect, frame.left, frame.top);
  return rect;
}

struct Made {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
};

Made ClassAndStyle(Kind kind) {
  const DWORD tab = WS_TABSTOP | WS_GROUP;
  switch (kind) {
    // A group box and the panel paint only their frame and caption: transparent, they are
    // not cut out of the window's background and are painted after the controls in them.
    case Kind::kGroup:
      return {WC_BUTTONW, BS_GROUPBOX, WS_EX_TRANSPARENT};
    case Kind::kLabel:
    case Kind::kFixedLabel:
      return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case Kind::kPicture:
      return {WC_STATICW, SS_BITMAP, 0};
    case Kind::kEdit:
      return {WC_EDITW, ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE};
    case Kind::kMemo:
      // No scroll bars, words wrapped at the width; Enter breaks the line.
      return {WC_EDITW, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | tab, WS_EX_CLIENTEDGE};
    case Kind::kCheck:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | tab, 0};
    case Kind::kRadio:
      return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case Kind::kButton:
      return {WC_BUTTONW, BS_PUSHBUTTON | tab, 0};
    case Kind::kDefaultButton:
      return {WC_BUTTONW, BS_DEFPUSHBUTTON | tab, 0};
    case Kind::kList:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | tab, 0};
    case Kind::kPanel:
      return {WC_STATICW, 0, WS_EX_TRANSPARENT};
    case Kind::kScrollBox:
      return {WC_STATICW, 0, WS_EX_CLIENTEDGE};
    case Kind::kStatusBar:
      return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP, 0};
    case Kind::kBandEdge:
      return {WC_STATICW, SS_ETCHEDHORZ, 0};
    case Kind::kMadeElsewhere:
    case Kind::kInBand:
      break;
  }
  return {nullptr, 0, 0};
}

SIZE TextSize(HWND control, HFONT font, const wchar_t* text) {
  SIZE size{};
  HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size;
}

void Fill(HWND control, const Row& row) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  switch (row.kind) {
    case Kind::kRadio:
      // The first radio button opens the group and takes the tab stop; the other joins it.
      if (row.id == kIdRadioButton1) {
        SetWindowLongPtrW(control, GWL_STYLE,
                          GetWindowLongPtrW(control, GWL_STYLE) | WS_GROUP | WS_TABSTOP);
        SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);  // selected as laid out
      }
      break;
    case Kind::kPicture:
      SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(row.image),
                                                       IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
      break;
    case Kind::kList:
      for (const char16_t* item : {str::kNoStyle, str::kStyle0, str::kStyle1, str::kStyle2}) {
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
      }
      SendMessageW(control, CB_SETITEMHEIGHT, 0, 16);  // the list's items
      SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      break;
    case Kind::kLabel: {
      const HFONT font = LayoutFont(row.font.height, row.font.bold, row.font.underline);
      MeasuredSizes()[row.id] = TextSize(control, font, W(row.caption));
      break;
    }
    default:
      break;
  }
}

}  // namespace

void CreateControls(HWND window) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const Row& row : kRows) {
    const Made made = ClassAndStyle(row.kind);
    if (made.windowClass == nullptr) continue;
    const RECT at = Place(row, kDesignClient);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | made.style;
    // A drop-down list's window height includes its open list.
    const int height = row.kind == Kind::kList ? 200 : at.bottom - at.top;
    HWND control = CreateWindowExW(
        made.exStyle, made.windowClass, row.caption != nullptr ? W(row.caption) : L"", style,
        at.left, at.top, at.right - at.left, height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    SendMessageW(
        control, WM_SETFONT,
        reinterpret_cast<WPARAM>(LayoutFont(row.font.height, row.font.bold, row.font.underline)),
        FALSE);
    Fill(control, row);
  }
}

void ApplyAnchors(HWND window, int clientWidth, int clientHeight) {
  const SIZE client{clientWidth, clientHeight};
  HDWP moves = BeginDeferWindowPos(static_cast<int>(std::size(kRows)));
  HWND above = HWND_TOP;
  for (const Row& row : kRows) {
    if (row.kind == Kind::kInBand) continue;
    HWND control = GetDlgItem(window, row.id);
    if (control == nullptr) continue;
    const RECT at = Place(row, client);
    int height = at.bottom - at.top;
    if (row.kind == Kind::kList) height = 200;
    // Each control goes below the one before it: the table's order is the tab order and
    // keeps every control above its container.
    if (moves != nullptr) {
      moves = DeferWindowPos(moves, control, above, at.left, at.top, at.right - at.left, height,
                             SWP_NOACTIVATE);
    }
    above = control;
  }
  if (moves != nullptr) EndDeferWindowPos(moves);
  // A drop-down list sizes its selection field to its font whenever it is moved: set it
  // again, so the closed list is as high as laid out.
  for (const Row& row : kRows) {
    if (row.kind != Kind::kList) continue;
    SendMessageW(GetDlgItem(window, row.id), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                 row.height - kListFieldFrame);
  }
}

RECT ControlRect(int id, int clientWidth, int clientHeight) {
  const Row* row = FindRow(id);
  if (row == nullptr) return {};
  return Place(*row, {clientWidth, clientHeight});
}

void EnableWithChildren(HWND window, int id, bool enabled) {
  EnableWindow(GetDlgItem(window, id), enabled ? TRUE : FALSE);
  for (const Row& row : kRows) {
    if (row.parent != id) continue;
    EnableWithChildren(window, row.id, enabled);
    if (row.kind == Kind::kGroup) InvalidateRect(GetDlgItem(window, row.id), nullptr, TRUE);
  }
}

int ControlIdByName(std::string_view name) {
  for (const Row& row : kRows) {
    if (row.name == name) return row.id;
  }
  return 0;
}

}  // namespace favpage::ui::win32

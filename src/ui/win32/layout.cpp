#include "ui/win32/layout.h"

#include <commctrl.h>

#include <map>
#include <optional>
#include <utility>

#include "platform/win32/owned.h"
#include "ui/presenter/dpi_scale.h"
#include "ui/win32/fonts.h"
#include "ui/win32/miniatures.h"
#include "ui/win32/wide.h"

namespace favpage::ui::win32 {
namespace {

using layout::ControlRow;
using layout::Kind;

// What a closed drop-down list adds to its selection field's height.
constexpr int kListFieldFrame = 6;
// A drop-down list's window height includes its open list.
constexpr int kListWindowHeight = 200;

int IdOf(const ControlRow& row) { return kFirstControlId + static_cast<int>(layout::IndexOf(row)); }

// The band and its tool bar are made by the menu bar, the preview pane by its owner; the
// tool bar's buttons are no windows of their own.
bool MadeHere(Kind kind) {
  return kind != Kind::kBand && kind != Kind::kToolBar && kind != Kind::kToolButton &&
         kind != Kind::kPreview;
}
bool PlacedHere(Kind kind) { return kind != Kind::kToolBar && kind != Kind::kToolButton; }

// Labels sized to their text, as measured when they were made or their font changed: in
// pixels at the window's DPI.
std::map<const ControlRow*, layout::Size>& MeasuredSizes() {
  static std::map<const ControlRow*, layout::Size> sizes;
  return sizes;
}

std::optional<layout::Size> OwnSize(const ControlRow& row) {
  const auto measured = MeasuredSizes().find(&row);
  if (measured == MeasuredSizes().end()) return std::nullopt;
  return measured->second;
}

RECT ToRect(const layout::Rect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

// The row's rectangle in the window's client area of `client` pixels at `dpi`: anchored in
// the table's 96-dpi units, then scaled; a label sized to its text keeps its measured size.
layout::Rect Placed(const ControlRow& row, layout::Size client, int dpi) {
  const std::optional<layout::Size> own = OwnSize(row);
  std::optional<layout::Size> laidOut;
  if (own) laidOut = layout::Unscaled(*own, dpi);
  layout::Rect at =
      layout::Scaled(layout::RectInWindow(row, layout::Unscaled(client, dpi), laidOut), dpi);
  if (own) {
    at.width = own->width;
    at.height = own->height;
  }
  return at;
}

// The first radio button of a parent opens the group and takes its tab stop.
bool OpensRadioGroup(const ControlRow& row) {
  for (const ControlRow& other : layout::Controls()) {
    if (other.kind == Kind::kRadio && other.parent == row.parent) return &other == &row;
  }
  return false;
}

struct Made {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
};

Made ClassAndStyle(const ControlRow& row) {
  const DWORD tab = WS_TABSTOP | WS_GROUP;
  switch (row.kind) {
    // A group box and the panel paint only their frame and caption: transparent, they are
    // not cut out of the window's background and are painted after the controls in them.
    case Kind::kGroup:
      return {WC_BUTTONW, BS_GROUPBOX, WS_EX_TRANSPARENT};
    case Kind::kLabel:
    case Kind::kFixedLabel:
      // A label with a handler reports its clicks.
      return {WC_STATICW,
              static_cast<DWORD>(SS_LEFTNOWORDWRAP | SS_NOPREFIX |
                                 (row.handler.command != nullptr ? SS_NOTIFY : 0)),
              0};
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
      return {WC_BUTTONW, BS_AUTORADIOBUTTON | (OpensRadioGroup(row) ? tab : 0), 0};
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
      return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP | SBARS_TOOLTIPS,
              0};
    case Kind::kBandEdge:
      return {WC_STATICW, SS_ETCHEDHORZ, 0};
    case Kind::kBand:
    case Kind::kToolBar:
    case Kind::kToolButton:
    case Kind::kPreview:
      break;
  }
  return {nullptr, 0, 0};
}

HFONT FontOf(const ControlRow& row, int dpi) {
  const layout::Font font = layout::ResolvedFont(row);
  return LayoutFont(layout::Scaled(font.pixelHeight, dpi), font.bold, font.underline);
}

layout::Size TextSize(HWND control, HFONT font, const wchar_t* text) {
  SIZE size{};
  const platform::win32::WindowDc dc(control);
  const platform::win32::Selected selected(dc.Get(), font);
  GetTextExtentPoint32W(dc.Get(), text, lstrlenW(text), &size);
  return {size.cx, size.cy};
}

// The pictures drawn at the size `row` takes at `dpi`, made once for each DPI and kept for
// the program's run, as the fonts are.
HBITMAP PictureBitmap(const ControlRow& row, int dpi) {
  static std::map<std::pair<layout::Picture, int>, platform::win32::OwnedGdi<HBITMAP>> drawn;
  platform::win32::OwnedGdi<HBITMAP>& bitmap = drawn[{row.picture, dpi}];
  if (!bitmap) bitmap.Reset(DrawMiniature(row.picture, row.rect.size(), dpi));
  return bitmap.Get();
}

// What a control shows that depends on the DPI: its font, its picture, its list's item
// height, and the size of a label measured in its font.
void FitToDpi(HWND control, const ControlRow& row, int dpi) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row, dpi)), FALSE);
  switch (row.kind) {
    case Kind::kPicture:
      SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(PictureBitmap(row, dpi)));
      break;
    case Kind::kList:
      SendMessageW(control, CB_SETITEMHEIGHT, 0, layout::Scaled(layout::kListItemHeight, dpi));
      break;
    case Kind::kLabel:
      MeasuredSizes()[&row] = TextSize(control, FontOf(row, dpi), W(row.caption));
      break;
    default:
      break;
  }
}

void Fill(HWND control, const ControlRow& row, int dpi) {
  switch (row.kind) {
    case Kind::kRadio:
      if (row.checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case Kind::kList:
      for (const char16_t* item : row.items) {
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
      }
      SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      break;
    default:
      break;
  }
  FitToDpi(control, row, dpi);
}

// The window height a control is given: a drop-down list's includes its open list.
int WindowHeight(const ControlRow& row, const layout::Rect& at, int dpi) {
  return row.kind == Kind::kList ? layout::Scaled(kListWindowHeight, dpi) : at.height;
}

}  // namespace

int ControlIdByName(std::string_view name) {
  if (const ControlRow* row = layout::FindControl(name)) return IdOf(*row);
  const std::span<const layout::MenuItemRow> items = layout::MenuItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].name == name) return kFirstMenuItemId + static_cast<int>(i);
  }
  return 0;
}

const ControlRow* ControlOfId(int id) {
  const std::span<const ControlRow> rows = layout::Controls();
  const int index = id - kFirstControlId;
  return index >= 0 && index < static_cast<int>(rows.size()) ? &rows[index] : nullptr;
}

const layout::MenuItemRow* MenuItemOfId(int id) {
  const std::span<const layout::MenuItemRow> items = layout::MenuItems();
  const int index = id - kFirstMenuItemId;
  return index >= 0 && index < static_cast<int>(items.size()) ? &items[index] : nullptr;
}

void CreateControls(HWND window, int dpi) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlRow* row : layout::StackingOrder()) {
    if (!MadeHere(row->kind)) continue;
    const Made made = ClassAndStyle(*row);
    const layout::Rect at = layout::Scaled(layout::RectInWindow(*row, layout::kWindowClient), dpi);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | made.style;
    HWND control = CreateWindowExW(
        made.exStyle, made.windowClass, row->caption != nullptr ? W(row->caption) : L"", style,
        at.left, at.top, at.width, WindowHeight(*row, at, dpi), window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(*row))), instance, nullptr);
    Fill(control, *row, dpi);
  }
}

void FitControlsToDpi(HWND window, int dpi) {
  for (const ControlRow& row : layout::Controls()) {
    if (!MadeHere(row.kind)) continue;
    if (HWND control = GetDlgItem(window, IdOf(row))) FitToDpi(control, row, dpi);
  }
}

void ApplyAnchors(HWND window, layout::Size client, int dpi) {
  const std::vector<const ControlRow*> order = layout::StackingOrder();
  HDWP moves = BeginDeferWindowPos(static_cast<int>(order.size()));
  HWND above = HWND_TOP;
  for (const ControlRow* row : order) {
    if (!PlacedHere(row->kind)) continue;
    HWND control = GetDlgItem(window, IdOf(*row));
    if (control == nullptr) continue;
    const layout::Rect at = Placed(*row, client, dpi);
    // Each control goes below the one before it: the stacking is the tab order and keeps
    // every control above its containers.
    if (moves != nullptr) {
      moves = DeferWindowPos(moves, control, above, at.left, at.top, at.width,
                             WindowHeight(*row, at, dpi), SWP_NOACTIVATE);
    }
    above = control;
  }
  if (moves != nullptr) EndDeferWindowPos(moves);
  // A drop-down list sizes its selection field to its font whenever it is moved: set it
  // again, so the closed list is as high as laid out.
  // Its frame is the system's: what it adds is measured and taken off.
  for (const ControlRow& row : layout::Controls()) {
    if (row.kind != Kind::kList) continue;
    HWND list = GetDlgItem(window, IdOf(row));
    const int wanted = layout::Scaled(row.rect.height, dpi);
    int field = wanted - kListFieldFrame;
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    RECT closed{};
    GetWindowRect(list, &closed);
    const int off = wanted - (closed.bottom - closed.top);
    if (off != 0 && field + off > 0) {
      field += off;
      SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
  }
}

RECT ControlRect(std::string_view name, layout::Size client, int dpi) {
  const ControlRow* row = layout::FindControl(name);
  if (row == nullptr) return {};
  return ToRect(Placed(*row, client, dpi));
}

void EnableWithChildren(HWND window, std::string_view name, bool enabled) {
  EnableWindow(GetDlgItem(window, ControlIdByName(name)), enabled ? TRUE : FALSE);
  for (const ControlRow& row : layout::Controls()) {
    if (row.parent != name || row.name.empty()) continue;
    EnableWithChildren(window, row.name, enabled);
    if (row.kind == Kind::kGroup) InvalidateRect(GetDlgItem(window, IdOf(row)), nullptr, TRUE);
  }
}

}  // namespace favpage::ui::win32

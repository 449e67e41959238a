#include "ui/win32/miniatures.h"

#include "platform/win32/owned.h"
#include "ui/presenter/dpi_scale.h"

namespace favpage::ui::win32 {
namespace {

constexpr COLORREF kLightGreen = RGB(0xCC, 0xFF, 0xCC);
constexpr COLORREF kDarkGreen = RGB(0x00, 0x66, 0x33);
constexpr COLORREF kDarkBlue = RGB(0x00, 0x00, 0x80);
constexpr COLORREF kRed = RGB(0xE0, 0x00, 0x00);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

// Coordinates are the pictures' own 96-dpi pixels; the device context maps them to the
// bitmap's pixels.
void Fill(HDC dc, int left, int top, int width, int height, COLORREF colour) {
  const RECT area{left, top, left + width, top + height};
  platform::win32::OwnedGdi<HBRUSH> brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.Get());
}

// Text is too small to read at this size; a short bar stands for a name.
void NameBar(HDC dc, int x, int y, int width, COLORREF colour) { Fill(dc, x, y, width, 2, colour); }

// A frame one pixel wide around a filled rectangle, left..right and top..bottom inclusive.
void Framed(HDC dc, int left, int top, int right, int bottom, COLORREF fill) {
  Fill(dc, left, top, right - left + 1, bottom - top + 1, kBlack);
  Fill(dc, left + 1, top + 1, right - left - 1, bottom - top - 1, fill);
}

void Line(HDC dc, POINT from, POINT to, COLORREF colour) {
  platform::win32::OwnedGdi<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
  const platform::win32::Selected selected(dc, pen.Get());
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

// A link page of `links` links in a frame of 20 x 18 at `left`, `top`.
void LinkPage(HDC dc, int left, int top, int links) {
  Framed(dc, left, top, left + 20, top + 18, kWhite);
  for (int i = 0; i < links; ++i) NameBar(dc, left + 3, top + 3 + i * 4, 10, kDarkBlue);
}

// A single page: a title line and two folder sections of two links each.
void DrawOnePage(HDC dc, layout::Size size) {
  Fill(dc, 0, 0, size.width, size.height, kLightGreen);
  NameBar(dc, 20, 4, 24, kBlack);  // the page title
  platform::win32::OwnedGdi<HBRUSH> dot(CreateSolidBrush(kDarkBlue));
  for (int section = 0; section < 2; ++section) {
    const int top = 12 + section * 17;
    const platform::win32::Selected brush(dc, dot.Get());
    const platform::win32::Selected pen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, 6, top - 1, 11, top + 4);
    NameBar(dc, 13, top, 22, kDarkBlue);      // the folder heading
    NameBar(dc, 17, top + 5, 30, kDarkBlue);  // two links
    NameBar(dc, 17, top + 10, 26, kDarkBlue);
  }
}

// A tree of pages: a folder page joined to two link pages.
void DrawFolderTree(HDC dc, layout::Size size) {
  Fill(dc, 0, 0, size.width, size.height, kDarkGreen);
  Line(dc, {25, 14}, {40, 12}, kRed);
  Line(dc, {25, 22}, {40, 34}, kRed);
  Framed(dc, 4, 6, 26, 41, kLightGreen);
  for (int i = 0; i < 4; ++i) NameBar(dc, 8, 12 + i * 7, 14, kDarkBlue);
  LinkPage(dc, 40, 4, 3);
  LinkPage(dc, 40, 26, 3);
}

}  // namespace

HBITMAP DrawMiniature(layout::Picture picture, layout::Size size, int dpi) {
  if (picture == layout::Picture::kNone) return nullptr;
  const layout::Size pixels = layout::Scaled(size, dpi);
  const platform::win32::WindowDc screen(nullptr);
  platform::win32::OwnedGdi<HBITMAP> bitmap(
      CreateCompatibleBitmap(screen.Get(), pixels.width, pixels.height));
  HDC dc = CreateCompatibleDC(screen.Get());
  if (!bitmap || dc == nullptr) {
    if (dc != nullptr) DeleteDC(dc);
    return nullptr;
  }
  {
    const platform::win32::Selected target(dc, bitmap.Get());
    // The drawing's units are the picture's 96-dpi pixels, whatever the bitmap's size.
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, size.width, size.height, nullptr);
    SetViewportExtEx(dc, pixels.width, pixels.height, nullptr);
    if (picture == layout::Picture::kOnePage) {
      DrawOnePage(dc, size);
    } else {
      DrawFolderTree(dc, size);
    }
  }
  DeleteDC(dc);
  return bitmap.Release();
}

}  // namespace favpage::ui::win32

// The layout table is drawn at 96 pixels per inch. A face that lays its window out in the
// screen's own pixels (the Windows one, aware of each monitor's scale) turns the table's
// rectangles, sizes and font heights into pixels at the window's DPI with these functions,
// and turns what it measures back into 96-dpi units (the window place it stores) with them.
#pragma once

#include "ui/presenter/main_layout.h"

namespace favpage::ui::layout {

// The DPI the layout table is drawn at: 100 %.
inline constexpr int kLayoutDpi = 96;

// `dpi` when it is one a screen can have (1 to 9600); otherwise kLayoutDpi, so a failed or
// nonsensical answer of the system lays the window out as drawn.
int UsableDpi(int dpi);

// `value` (96-dpi units) in pixels at `dpi`, rounded to the nearest pixel, halves away from
// zero; kept within the range of int.
int Scaled(int value, int dpi);
// `value` (pixels at `dpi`) in 96-dpi units, rounded the same way.
int Unscaled(int value, int dpi);

// Sizes scale their width and height.
Size Scaled(Size size, int dpi);
Size Unscaled(Size size, int dpi);
// Rectangles scale their edges, not their sizes: two controls that touch at 96 dpi touch at
// every DPI, and a control's right edge lies where a neighbour's scaled left edge would.
Rect Scaled(const Rect& rect, int dpi);
Rect Unscaled(const Rect& rect, int dpi);

}  // namespace favpage::ui::layout

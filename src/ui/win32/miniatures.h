// The two pictures beside the output-type radio buttons, drawn with GDI at the window's DPI
// (the same drawings as the Qt face's), so they are as sharp at 150 % and 200 % as at 100 %.
#pragma once

#include <windows.h>

#include "ui/presenter/main_layout.h"

namespace favpage::ui::win32 {

// A new bitmap of `picture` drawn at `size` (96-dpi units) scaled to `dpi`; the caller owns
// it. nullptr for Picture::kNone or when GDI refuses.
HBITMAP DrawMiniature(layout::Picture picture, layout::Size size, int dpi);

}  // namespace favpage::ui::win32

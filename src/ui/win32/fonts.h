// The window's fonts, in the layout's face at character heights in pixels (96 pixels per
// inch), made once and kept for the program's run.
#pragma once

#include <windows.h>

namespace favpage::ui::win32 {

// The face, character height, weight and underline a control's font is made from.
LOGFONTW LayoutFontSpec(int pixelHeight, bool bold = false, bool underline = false);
// The font of that spec, made on first use and shared by every control that asks for it.
HFONT LayoutFont(int pixelHeight, bool bold = false, bool underline = false);

// The window's font (12 pixels, regular), inherited by the controls that name none.
inline HFONT WindowFont() { return LayoutFont(12); }
// The group boxes' captions (16 pixels, bold), also the style list's items.
inline HFONT HeadingFont() { return LayoutFont(16, true); }

}  // namespace favpage::ui::win32

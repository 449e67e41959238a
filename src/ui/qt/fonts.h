// The fonts of the layout. Every font names all of its attributes, so a control that
// takes the window font inside a group box with the bold heading font stays regular.
#pragma once

#include <QFont>

namespace favpage::ui {

// Lets the layout's face name stand for the installed Japanese face.
void RegisterFontSubstitutes();

// Makes the layout's face the application's, at the application's size: the standard
// dialogs and message boxes and the progress window then show the same proportional
// Japanese face as the main window instead of the system's default face.
void UseLayoutFaceEverywhere();

// The layout's face at a character height in pixels.
QFont LayoutFont(int pixelHeight, bool bold = false, bool underline = false);

inline QFont WindowFont() { return LayoutFont(12); }
inline QFont HeadingFont() { return LayoutFont(16, true); }

}  // namespace favpage::ui

#include "ui/qt/fonts.h"

#include <QApplication>

#include "ui/qt/ui_strings.h"

namespace favpage::ui {

void RegisterFontSubstitutes() {
  QFont::insertSubstitution(Str(str::kLayoutFace), Str(str::kSubstituteFace));
}

void UseLayoutFaceEverywhere() {
  QFont font = QApplication::font();
  font.setFamilies({Str(str::kLayoutFace)});
  QApplication::setFont(font);
}

QFont LayoutFont(int pixelHeight, bool bold, bool underline) {
  QFont font(Str(str::kLayoutFace));
  font.setPixelSize(pixelHeight);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  font.setUnderline(underline);
  font.setStrikeOut(false);
  return font;
}

}  // namespace favpage::ui

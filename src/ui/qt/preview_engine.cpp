// The module that holds the preview's browser engine. The program loads it when it makes
// the first preview, after its window is on the screen: the engine's libraries are larger
// than the rest of the program together, and linked into it they would be loaded, and
// their symbols bound, before the window could show.
#include <QtGlobal>

#include "ui/qt/preview_engine.h"
#include "ui/qt/preview_view.h"

extern "C" Q_DECL_EXPORT QWidget* favpage_make_preview_view(QWidget* parent) {
  return favpage::ui::CreatePreviewView(parent);
}

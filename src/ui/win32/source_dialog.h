// The source chooser's native dialog: the sources in a list box, the chosen source's
// folders in a tree view below it, and a line saying what will be published. The logic is
// the presenter's SourceChooser; the dialog draws it and forwards the user's choices.
#pragma once

#include <windows.h>

#include "ui/presenter/source_chooser.h"

namespace favpage::ui::win32 {

// Runs the chooser's dialog modally over `owner`; true when it was confirmed. While a
// DialogRecord is set the dialog is built but not run: the record's next list answer picks
// a source row (none: cancelled), its next folder answer a folder row, and the folders the
// tree would show are recorded.
bool RunSourceDialog(HWND owner, SourceChooser& chooser);

}  // namespace favpage::ui::win32

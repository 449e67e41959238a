// The two 64 x 48 pictures beside the output-type radio buttons, painted once, with two
// device pixels to each of their pixels.
#pragma once

#include <QPixmap>

namespace favpage::ui {

// A miniature single page: a title line and two folder sections of two links each.
QPixmap OnePageMiniature();
// A miniature tree of pages: a folder page joined to two link pages.
QPixmap FolderTreeMiniature();

}  // namespace favpage::ui

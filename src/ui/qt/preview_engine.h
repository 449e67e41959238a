// The preview's browser engine, loaded from a module beside the program when the first
// view is made (the module: preview_engine.cpp).
#pragma once

#include <QString>

class QWidget;

namespace favpage::ui {

// The module's file name without its suffix, in a folder of its own in the program's folder
// (no library folder, where the system's library tools would take it for a library).
inline constexpr char kPreviewEngineModule[] = "engine/favpage_preview_engine";
// The function the module exports: makes a view child of `parent`, showing nothing yet.
inline constexpr char kMakePreviewView[] = "favpage_make_preview_view";
using MakePreviewViewFunction = QWidget* (*)(QWidget* parent);

// Where the module's path starts: the program's folder, unless told otherwise here (an
// empty `folder` goes back to it).
void UsePreviewEngineFrom(const QString& folder);

// A new preview view, child of `parent`: a browser view whose "url" property is the page
// it shows, and whose page never follows a clicked link. Null when the module cannot be
// loaded; `error` then says why.
QWidget* MakePreviewView(QWidget* parent, QString* error);

}  // namespace favpage::ui

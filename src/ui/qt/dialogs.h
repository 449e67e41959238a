// The modal dialogs of the window. While a DialogRecord is set (presenter/dialog_record.h)
// each records what it would show and answers from the record instead of blocking in a
// modal loop.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "base/run_host.h"

class QWidget;

namespace favpage::ui {

// Modal message boxes with one "OK" button (default and Escape button), centred on the
// screen: the stop icon for an error, the question mark for a confirmation.
class MessageBoxes {
 public:
  static void Show(const QString& caption, const QString& text, MessageKind kind);
};

// The browse command's file-save dialog: default suffix ".html", the one HTML filter, no
// overwrite question, opening in `folder`. The chosen file's host path, or nothing when
// cancelled.
class SaveDialogs {
 public:
  static std::optional<QString> Choose(QWidget* parent, const QString& folder);
};

// The source chooser's file-open dialog for a bookmarks file, opening in `folder`.
class SourceDialogs {
 public:
  static std::optional<QString> ChooseFile(QWidget* parent, const QString& folder);
};

}  // namespace favpage::ui

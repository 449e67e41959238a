// The modal dialogs of the window behind one seam each, so widget tests answer them
// instead of blocking in a modal loop (next file name, recorded messages).
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace favpage::ui {

struct ShownMessage {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  // The object names of the top-level windows on the screen beside the box.
  QStringList visibleWindows;
};

// Modal message boxes with one "OK" button (default and Escape button), centred on the
// screen.
class MessageBoxes {
 public:
  static void Show(const QString& caption, const QString& text, QMessageBox::Icon icon);

  // Test hook: from now on record the messages instead of showing them.
  static void RecordInstead();
  static std::vector<ShownMessage>& Recorded();
};

// The browse command's file-save dialog: default suffix ".html", the one HTML filter, no
// overwrite question, opening in `folder`. The chosen file's host path, or nothing when
// cancelled.
class SaveDialogs {
 public:
  static std::optional<QString> Choose(QWidget* parent, const QString& folder);

  // Test hooks: the next dialog returns this answer (nullopt: cancelled) without showing.
  static void SetNextAnswer(std::optional<QString> answer);
  // The folder the last dialog was asked to open in.
  static QString LastFolder();
};

// The source chooser: a modal list of `choices` with OK and Cancel, `current` selected
// (-1: none); a double click confirms. The confirmed index, or nothing when cancelled.
// Then, for a bookmarks file, a file-open dialog opening in `folder`.
class SourceDialogs {
 public:
  static std::optional<int> Choose(QWidget* parent, const QStringList& choices, int current);
  static std::optional<QString> ChooseFile(QWidget* parent, const QString& folder);
};

}  // namespace favpage::ui

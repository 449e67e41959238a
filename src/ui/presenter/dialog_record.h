// The test seam of every face's modal boxes and dialogs: while a record is set, the message
// boxes, file dialogs and the source chooser of the face record what they would show and
// answer from the record instead of running a modal loop, so a test drives the real window
// without blocking. Texts are host text (UTF-8, host paths), as MainView speaks.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/run_host.h"

namespace favpage::ui {

struct DialogRecord {
  struct Message {
    std::string caption;
    std::string text;
    MessageKind kind;  // kError: the stop icon; kConfirmation: the question mark
    // The object names of the face's own windows on the screen beside the box.
    std::vector<std::string> shownWindows;
  };
  std::vector<Message> messages;
  // The folders the file dialogs were asked to open in, in order.
  std::vector<std::string> folders;
  // The next answers of the file dialogs (a path, or nothing: cancelled) and of the source
  // chooser (an index, or nothing), taken from the front; none left answers "cancelled".
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<std::optional<int>> listAnswers;
  // The source chooser's next folder rows picked after its source (none left: the row it
  // opened on), and the folder tree it showed last, one row a line, indented by depth.
  std::deque<std::size_t> folderAnswers;
  std::vector<std::string> folderRows;

  std::optional<std::string> NextFile(const std::string& folder);
  std::optional<int> NextChoice();
};

// From now on the dialogs record into `record` (nullptr: they are shown again).
void RecordDialogsInto(DialogRecord* record);
// The record the dialogs go to; nullptr when they are shown.
DialogRecord* DialogRecording();

}  // namespace favpage::ui

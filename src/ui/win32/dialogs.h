// The window's modal boxes and file dialogs, each behind one seam so the tests under Wine
// answer them instead of blocking in a modal loop.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace favpage::ui::win32 {

// A message box with one "OK" button (default and Escape button), centred on the screen.
// `icon` is MB_ICONERROR, MB_ICONQUESTION, ...
void ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT icon);

// The browse command's file-save dialog: default extension ".html", the one HTML filter,
// the read-only box hidden, resizable, no question when the file exists, opening in
// `folder`. The chosen file, or nothing when cancelled.
std::optional<std::wstring> ChooseSaveFile(HWND owner, const std::wstring& folder);
// The file-open dialog for a bookmarks file, opening in `folder` (empty: the dialog's own).
std::optional<std::wstring> ChooseOpenFile(HWND owner, const std::wstring& folder);
// The source chooser: a list of `choices` with OK and Cancel, `current` selected (-1:
// none); a double click confirms. The confirmed index, or nothing when cancelled.
std::optional<int> ChooseFromList(HWND owner, const std::vector<std::wstring>& choices,
                                  int current);

// Test seams: a recorder that takes the place of every box and dialog above.
struct DialogRecord {
  struct Message {
    std::wstring caption;
    std::wstring text;
    UINT icon;
    // Whether the progress window was on the screen beside the box.
    bool progressShown;
  };
  std::vector<Message> messages;
  std::vector<std::wstring> folders;  // the folders the file dialogs were asked to open in
  std::vector<std::optional<std::wstring>> fileAnswers;  // taken from the front
  std::vector<std::optional<int>> listAnswers;           // taken from the front
};
// Non-null from now on: the boxes and dialogs record into `record` and answer from it.
void RecordDialogsInto(DialogRecord* record);

}  // namespace favpage::ui::win32

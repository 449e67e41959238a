// The window's modal boxes and file dialogs. While a DialogRecord is set
// (presenter/dialog_record.h) each records what it would show and answers from the record,
// so the tests under Wine drive the window without blocking in a modal loop.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/run_host.h"

namespace favpage::ui::win32 {

// A message box with one "OK" button (default and Escape button), centred on the screen:
// the stop icon for an error, the question mark for a confirmation.
void ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                    MessageKind kind);

// The browse command's file-save dialog: default extension ".html", the one HTML filter,
// the read-only box hidden, resizable, no question when the file exists, opening in
// `folder`. The chosen file, or nothing when cancelled.
std::optional<std::wstring> ChooseSaveFile(HWND owner, const std::wstring& folder);
// The file-open dialog for a bookmarks file, opening in `folder` (empty: the dialog's own).
std::optional<std::wstring> ChooseOpenFile(HWND owner, const std::wstring& folder);

}  // namespace favpage::ui::win32

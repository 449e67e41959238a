// What a generation run asks of the program that hosts it: the window, the CLI or a test.
#pragma once

#include <string>

namespace favpage {

// Progress of a run. The window shows a progress window; the CLI writes to stderr.
class Progress {
 public:
  virtual ~Progress() = default;
  // A run has begun (the window shows its progress window here).
  virtual void RunStarted() = 0;
  // Sets the progress text (Shift_JIS), such as "Output link file ... links.html".
  virtual void SetProgressText(const std::string& text) = 0;
  // Processes the pending window messages once.
  virtual void ProcessMessages() = 0;
  // The run has ended, also when an error leaves it (the progress window is released).
  virtual void RunEnded() = 0;
};

// The title lines: line 0 is the page title, all lines form the top heading.
class TitleLines {
 public:
  virtual ~TitleLines() = default;
  virtual int LineCount() const = 0;
  virtual std::string Line(int index) const = 0;  // Shift_JIS
};

enum class MessageKind {
  kConfirmation,  // caption "確認", question-mark icon
  kError,         // caption "エラー", stop icon
};

// A modal message of the system's own, with one "OK" button.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageKind kind) = 0;  // Shift_JIS texts
};

}  // namespace favpage

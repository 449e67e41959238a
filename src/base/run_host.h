// What the core asks of the program that hosts it (the window, the CLI or a test): the
// progress of a run, the title lines and the title text, the system's own message boxes
// and the preview's HTML view. The core reaches the outside world only through these and
// through platform/.
#pragma once

#include <cstddef>
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

// The window reads each title line into a buffer of this many bytes: a longer line is
// read cut to it, at a character boundary.
inline constexpr std::size_t kTitleLineLimit = 4096;

// The title lines: line 0 is the page title, all lines form the top heading.
class TitleLines {
 public:
  virtual ~TitleLines() = default;
  virtual int LineCount() const = 0;
  virtual std::string Line(int index) const = 0;  // Shift_JIS, at most kTitleLineLimit bytes
};

// The title text as the window's title edit holds it (Shift_JIS, lines ended by CR LF).
class TitleText {
 public:
  virtual ~TitleText() = default;
  virtual std::string Text() const = 0;
  // Replaces the whole text; false when the edit refuses it (too large).
  virtual bool SetText(const std::string& text) = 0;
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

// The window's embedded HTML view (a recorder in tests, nothing in the CLI).
class HtmlView {
 public:
  virtual ~HtmlView() = default;
  // Shows the local file `path` (the core's dialect); raises Error when the view fails.
  virtual void Navigate(const std::string& path) = 0;
};

}  // namespace favpage

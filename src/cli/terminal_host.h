// The CLI's side of a generation run: progress lines and messages on the terminal.
#pragma once

#include <ostream>

#include "base/run_host.h"

namespace favpage::cli {

// Writes each progress text as a UTF-8 line, unless quiet.
class TerminalProgress : public Progress {
 public:
  TerminalProgress(std::ostream& err, bool quiet) : err_(err), quiet_(quiet) {}
  void RunStarted() override {}
  void SetProgressText(const std::string& text) override;
  void ProcessMessages() override {}
  void RunEnded() override {}

 private:
  std::ostream& err_;
  bool quiet_;
};

// Prints a message as a UTF-8 line and remembers that one was shown: the command's
// messages all end the run without pages.
class TerminalMessages : public MessageSink {
 public:
  explicit TerminalMessages(std::ostream& err) : err_(err) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) override;
  bool shown() const { return shown_; }

 private:
  std::ostream& err_;
  bool shown_ = false;
};

}  // namespace favpage::cli

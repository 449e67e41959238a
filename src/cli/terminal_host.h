// The CLI's side of a generation run: progress lines and messages on the terminal.
#pragma once

#include <ostream>
#include <string>

#include "base/run_host.h"
#include "cli/cli_texts.h"

namespace favpage::cli {

// With -v, a line on `out` for each page the run writes ("writing /site/links_0.html");
// otherwise nothing. `outputFolder` is the top page's folder (internal).
class TerminalProgress : public Progress {
 public:
  TerminalProgress(std::ostream& out, const Texts& texts, bool verbose, std::string outputFolder)
      : out_(out), texts_(texts), verbose_(verbose), outputFolder_(std::move(outputFolder)) {}
  void RunStarted() override {}
  void SetProgressText(const std::string& text) override;
  void ProcessMessages() override {}
  void RunEnded() override {}

 private:
  std::ostream& out_;
  const Texts& texts_;
  bool verbose_;
  std::string outputFolder_;
};

// Prints a message as a line of `err` in the run's language and remembers that one was
// shown: the command's messages all end the run without pages.
class TerminalMessages : public MessageSink {
 public:
  TerminalMessages(std::ostream& err, const Texts& texts) : err_(err), texts_(texts) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageKind kind) override;
  bool shown() const { return shown_; }

 private:
  std::ostream& err_;
  const Texts& texts_;
  bool shown_ = false;
};

}  // namespace favpage::cli

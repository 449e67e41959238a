#include "cli/terminal_host.h"

#include "cli/cli_report.h"

namespace favpage::cli {

void TerminalProgress::SetProgressText(const std::string& text) {
  if (verbose_) out_ << PageLine(texts_, text, outputFolder_) << '\n' << std::flush;
}

void TerminalMessages::ShowMessage(const std::string& text, const std::string&, MessageKind) {
  err_ << kProgramPrefix << OneLine(texts_.Message(text)) << '\n' << std::flush;
  shown_ = true;
}

}  // namespace favpage::cli

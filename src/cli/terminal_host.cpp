#include "cli/terminal_host.h"

#include "platform/codepage.h"

namespace favpage::cli {

void TerminalProgress::SetProgressText(const std::string& text) {
  if (!quiet_) err_ << platform::SjisToUtf8(text) << '\n' << std::flush;
}

void TerminalMessages::ShowMessage(const std::string& text, const std::string&, MessageKind) {
  err_ << platform::SjisToUtf8(text) << '\n' << std::flush;
  shown_ = true;
}

}  // namespace favpage::cli

#include "cli/terminal_host.h"

#include "platform/host_path.h"

namespace favpage::cli {

// Texts may name files: the terminal shows their real characters, not the core's references.
void TerminalProgress::SetProgressText(const std::string& text) {
  if (!quiet_) err_ << platform::ToHostText(text) << '\n' << std::flush;
}

void TerminalMessages::ShowMessage(const std::string& text, const std::string&, MessageKind) {
  err_ << platform::ToHostText(text) << '\n' << std::flush;
  shown_ = true;
}

}  // namespace favpage::cli

// favpage-cli's run: the stored settings, overridden by the command line, handed to the
// same generation command the window runs.
#pragma once

#include <ostream>
#include <string>

#include "base/messages.h"
#include "cli/cli_options.h"

namespace favpage::cli {

// Exit codes of favpage-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // an error message or the empty-name message
inline constexpr int kExitUsage = 2;    // the command line cannot be understood

// Runs the command line's request. `exePath` is the program's own path in the core's
// dialect: the settings, title and style-sheet files are looked for beside it. Everything
// it prints is in `language` (cli_language.h chooses it for a run).
int RunCli(const CliOptions& options, const std::string& exePath, std::ostream& out,
           std::ostream& err, msg::Language language);

// Parses `args` and runs them; usage errors are reported here: one line naming the
// mistake, then the line that points to --help.
int CliMain(const std::vector<std::string>& args, const std::string& exePath, std::ostream& out,
            std::ostream& err, msg::Language language);

}  // namespace favpage::cli

// What a favpage-cli run reports about itself: the closing line, a line per page, warnings.
#pragma once

#include <string>

#include "cli/cli_texts.h"
#include "generate/page_generator.h"

namespace favpage::cli {

// Every line favpage-cli writes about itself starts with its name.
inline constexpr char kProgramPrefix[] = "favpage-cli: ";
// A warning's line starts so in every language, for scripts that look for it.
inline constexpr char kWarningPrefix[] = "favpage-cli: warning: ";

// The closing line of a run on the top page `topPage` (a host path), in the run's language:
// "12 pages (10 unchanged), 1,234 links: /home/me/public_html/links.html".
std::string SummaryLine(const Texts& texts, const GenerationStats& stats,
                        const std::string& topPage);

// The line of one warning of the run, with kWarningPrefix.
std::string WarningLine(const Texts& texts, const RunWarning& warning);

// The line -v prints for a page: `progressText` is the core's progress text for it (Shift_JIS,
// "Output link file ... links_0.html"), `outputFolder` the top page's folder (internal).
std::string PageLine(const Texts& texts, const std::string& progressText,
                     const std::string& outputFolder);

}  // namespace favpage::cli

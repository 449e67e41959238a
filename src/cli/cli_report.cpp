#include "cli/cli_report.h"

#include "generate/page_markup.h"
#include "platform/host_path.h"

namespace favpage::cli {

std::string SummaryLine(const Texts& texts, const GenerationStats& stats,
                        const std::string& topPage) {
  const std::string pages = stats.pages == 1 ? texts.Say(msg::kOnePage)
                                             : texts.Say(msg::kPagesFormat, {Grouped(stats.pages)});
  const std::string unchanged =
      stats.unchanged > 0 ? texts.Say(msg::kUnchangedFormat, {Grouped(stats.unchanged)}) : "";
  const std::string links = stats.links == 1 ? texts.Say(msg::kOneLink)
                                             : texts.Say(msg::kLinksFormat, {Grouped(stats.links)});
  return OneLine(texts.Say(msg::kSummaryFormat, {pages, unchanged, links, topPage}));
}

std::string WarningLine(const Texts& texts, const RunWarning& warning) {
  std::string text;
  switch (warning.kind) {
    case RunWarning::Kind::kScriptLinkLeftOut:
      text =
          warning.where.empty()
              ? texts.Say(msg::kTopScriptLinkLeftOutFormat, {platform::ToHostText(warning.subject)})
              : texts.Say(msg::kScriptLinkLeftOutFormat, {platform::ToHostText(warning.subject),
                                                          platform::ToHostText(warning.where)});
      break;
    case RunWarning::Kind::kEditedPageKept:
      text = texts.Say(msg::kEditedPageKeptFormat, {platform::ToHostPath(warning.subject)});
      break;
  }
  return kWarningPrefix + OneLine(text);
}

std::string PageLine(const Texts& texts, const std::string& progressText,
                     const std::string& outputFolder) {
  const std::string_view prefix = markup::kProgressPrefix;
  if (progressText.compare(0, prefix.size(), prefix) != 0) {
    return OneLine(texts.Message(progressText));
  }
  const std::string page = outputFolder + progressText.substr(prefix.size());
  return OneLine(texts.Say(msg::kWritingPageFormat, {platform::ToHostPath(page)}));
}

}  // namespace favpage::cli

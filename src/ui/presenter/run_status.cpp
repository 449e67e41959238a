#include "ui/presenter/run_status.h"

#include <cmath>

#include "base/io_error.h"
#include "ui/presenter/window_text.h"
#include "ui/presenter/window_texts.h"

namespace favpage::ui {

std::string SecondsText(double seconds) {
  // Whole tenths, so the text is the same in every locale (no decimal comma).
  const long long tenths = seconds > 0 ? std::llround(seconds * 10) : 0;
  return Grouped(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string RunStatusText(const GenerationStats& stats, double seconds,
                          const std::string& topPage) {
  std::string text = Substitute(str::kStatusPagesFormat, {Grouped(stats.pages)});
  if (stats.unchanged > 0)
    text += Substitute(str::kStatusUnchangedFormat, {Grouped(stats.unchanged)});
  text += Substitute(str::kStatusLinksFormat, {Grouped(stats.links)});
  text += Substitute(str::kStatusSecondsFormat, {SecondsText(seconds)});
  return text + Utf8Of(str::kStatusPathSeparator) + topPage;
}

std::pair<std::string_view, std::string_view> SplitStatus(std::string_view text) {
  const std::string separator = Utf8Of(str::kStatusPathSeparator);
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at + separator.size()), text.substr(at + separator.size())};
}

}  // namespace favpage::ui

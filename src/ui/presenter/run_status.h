// What the status bar says after a run.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "generate/page_generator.h"

namespace favpage::ui {

// The run's seconds with one decimal, thousands grouped: 0.43 gives "0.4", 1234.56 "1,234.6".
std::string SecondsText(double seconds);

// "12 ページを書き出しました (うち 10 は変更なし)・1,234 リンク・0.4 秒 — /home/me/links.html":
// the pages of the run (of them those already up to date, when there are any), the links,
// the seconds the run took and the top page `topPage` (host path).
std::string RunStatusText(const GenerationStats& stats, double seconds, const std::string& topPage);

// A status text cut where its path begins: the summary with the separator, and the path
// (empty when the text names none). A face short of room shortens the path, never the
// summary.
std::pair<std::string_view, std::string_view> SplitStatus(std::string_view text);

}  // namespace favpage::ui

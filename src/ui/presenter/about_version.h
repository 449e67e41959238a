// The About box's version line, made from what the build knows of itself.
#pragma once

#include <string>
#include <string_view>

#include "base/build_info.h"

namespace favpage::ui {

// `date` as the Japanese era calendar writes it, with its day of the week: 2026-12-08 is
// "令和8年12月8日（火）". Reiwa from 2019-05-01 (its first year written "元"), Heisei from
// 1989-01-08, Showa before.
std::u16string JapaneseDate(const BuildDate& date);

// "★ﾊﾞｰｼﾞｮﾝ 1.0.2 【令和8年12月8日（火）】" for `version` built on `built`.
std::u16string AboutVersionLine(std::string_view version, const BuildDate& built);

// The line of this build.
std::u16string AboutVersionLine();

}  // namespace favpage::ui

// The language of a favpage-cli run: Japanese when the locale says so, else English.
#pragma once

#include <string_view>

#include "base/messages.h"

namespace favpage::cli {

// The language the locale variables ask for, taken in their order of precedence: the
// first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides, and it is
// Japanese when it names the language "ja" ("ja", "ja_JP.UTF-8", "ja_JP@..."). When none
// is set, `unset` (the host's own language where it has one).
msg::Language LanguageFromLocale(std::string_view lcAll, std::string_view lcMessages,
                                 std::string_view lang, msg::Language unset);

// The same, from this process's environment.
msg::Language RunLanguage(msg::Language unset);

}  // namespace favpage::cli

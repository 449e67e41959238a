#include "cli/cli_language.h"

#include <cstdlib>

namespace favpage::cli {
namespace {

bool NamesJapanese(std::string_view locale) {
  if (locale.substr(0, 2) != "ja") return false;
  return locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@';
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

msg::Language LanguageFromLocale(std::string_view lcAll, std::string_view lcMessages,
                                 std::string_view lang, msg::Language unset) {
  for (std::string_view locale : {lcAll, lcMessages, lang}) {
    if (locale.empty()) continue;
    return NamesJapanese(locale) ? msg::Language::kJapanese : msg::Language::kEnglish;
  }
  return unset;
}

msg::Language RunLanguage(msg::Language unset) {
  return LanguageFromLocale(Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG"), unset);
}

}  // namespace favpage::cli

// The language of a run, from the locale variables in their order of precedence.
#include "cli/cli_language.h"

#include <gtest/gtest.h>

namespace favpage::cli {
namespace {

using msg::Language;
constexpr Language kJa = Language::kJapanese;
constexpr Language kEn = Language::kEnglish;

TEST(CliLanguage, TheFirstLocaleVariableSetDecides) {
  const struct {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language unset;
    Language expected;
  } cases[] = {
      {"", "", "ja_JP.UTF-8", kEn, kJa},
      {"", "", "ja", kEn, kJa},
      {"", "", "ja_JP", kEn, kJa},
      {"", "", "ja_JP.eucJP@mod", kEn, kJa},
      {"", "", "ja.UTF-8", kEn, kJa},
      {"", "", "en_US.UTF-8", kJa, kEn},
      {"", "", "C", kJa, kEn},
      {"", "", "C.UTF-8", kJa, kEn},
      {"", "", "POSIX", kJa, kEn},
      {"", "", "jam_XX", kEn, kEn},                  // another language whose code starts with "ja"
      {"", "", "JA_JP", kEn, kEn},                   // locale names are case-sensitive
      {"", "ja_JP.UTF-8", "en_US.UTF-8", kEn, kJa},  // LC_MESSAGES before LANG
      {"", "en_GB.UTF-8", "ja_JP.UTF-8", kJa, kEn},
      {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", kJa, kEn},  // LC_ALL before both
      {"ja_JP.UTF-8", "C", "C", kEn, kJa},
      {"", "", "", kJa, kJa},  // none set: the host's own language
      {"", "", "", kEn, kEn},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.lcAll) + "|" + c.lcMessages + "|" + c.lang);
    EXPECT_EQ(LanguageFromLocale(c.lcAll, c.lcMessages, c.lang, c.unset), c.expected);
  }
}

}  // namespace
}  // namespace favpage::cli

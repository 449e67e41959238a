// The folder heading's text for folders at and below the favorites folder.
#include "generate/heading_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace favpage {
namespace {

using test::Sjis;

TEST(HeadingTextTest, NamesBelowTheFavoritesFolder) {
  struct Case {
    const char* favorites;  // UTF-8, converted to Shift_JIS
    const char* folder;
    const char* expected;
  };
  const Case cases[] = {
      {R"(C:\Fav)", R"(C:\Fav\)", "トップページ"},
      {R"(C:\Fav)", R"(C:\Fav\Tools\)", "Tools"},
      {R"(C:\Fav)", R"(C:\Fav\Tools\Dev\)", "Tools > Dev"},
      {R"(C:\FAV)", R"(c:\fav\Tools\)", "Tools"},
      {R"(\tmp\Fav)", R"(\tmp\Fav\ソフト\表示\)", "ソフト > 表示"},
      {R"(\tmp\Fav)", R"(\tmp\Fav\a:b\)", "a:b"},
      {R"(\\srv\share)", R"(\\srv\share\a\)", "a"},
      // A folder without its closing "\" loses no character of its last name.
      {R"(\tmp\Fav)", R"(\tmp\Fav\ソフト\表)", "ソフト > 表"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.favorites) + " -> " + c.folder);
    EXPECT_EQ(HeadingText(Sjis(c.favorites), Sjis(c.folder)), Sjis(c.expected));
  }
}

}  // namespace
}  // namespace favpage

// Names and addresses as each page charset writes them.
#include <gtest/gtest.h>

#include "base/utf8.h"
#include "generate/bookmark_tree.h"
#include "generate/page_text.h"
#include "platform/host_path.h"
#include "platform/name_mapping.h"
#include "support/test_support.h"

namespace favpage::test {
namespace {

// A host name (UTF-8) as the favorites folder's pages show it in each charset.
TEST(PageText, HostNamesOnEachCharset) {
  const struct {
    const char* host;
    std::string shiftJis;
    std::string utf8;
  } cases[] = {
      {"Weather", "Weather", "Weather"},
      {"天気", Sjis("天気"), "天気"},
      {"😀 波〜", "&#x1F600; " + Sjis("波") + "&#x301C;", "😀 波〜"},
      {"a<b>\"c\"", "a&#x3C;b&#x3E;&#x22;c&#x22;", "a&#x3C;b&#x3E;&#x22;c&#x22;"},
      {"R&D &#x41;", "R&D &#x26;#x41;", "R&D &#x26;#x41;"},
      {"tab\there", "tab&#x9;here", "tab&#x9;here"},
#ifndef _WIN32  // a Windows name is UTF-16: no byte of it can fail to be a character
      {"caf\xE9", "caf&#xDCE9;", "caf&#xDCE9;"},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    const std::string internal = platform::FromHostPath(c.host);
    EXPECT_EQ(PageNameText(internal, PageCharset::kShiftJis), c.shiftJis);
    EXPECT_EQ(PageNameText(internal, PageCharset::kUtf8), c.utf8);
  }
}

// A bookmark title is text: "&" is a reference too, on both charsets.
TEST(PageText, BookmarkTitlesOnEachCharset) {
  const struct {
    const char* title;
    std::string shiftJis;
    std::string utf8;
  } cases[] = {
      {"R&D", "R&#x26;D", "R&#x26;D"},
      {"&amp; &#x41;", "&#x26;amp; &#x26;#x41;", "&#x26;amp; &#x26;#x41;"},
      {"<script>", "&#x3C;script&#x3E;", "&#x3C;script&#x3E;"},
      {"ニュース 😀", Sjis("ニュース") + " &#x1F600;", "ニュース 😀"},
      {"bad \xFF byte", "bad &#xDCFF; byte", "bad &#xDCFF; byte"},
      {"a&#", "a&#x26;#", "a&#x26;#"},
      {"x&", "x&#x26;", "x&#x26;"},
      {"cut \xE3\x81", "cut &#xDCE3;&#xDC81;", "cut &#xDCE3;&#xDC81;"},
      {"ｱ~", "\xB1~", "ｱ~"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    const std::string internal = BookmarkNameInternal(c.title);
    EXPECT_EQ(PageNameText(internal, PageCharset::kShiftJis), c.shiftJis);
    EXPECT_EQ(PageNameText(internal, PageCharset::kUtf8), c.utf8);
  }
}

// No address leaves its attribute or its line, and each still leads where it did.
TEST(PageText, AddressesOnEachCharset) {
  const struct {
    std::string url;
    bool utf8;
    std::string shiftJis;
    std::string utf8Page;
  } cases[] = {
      {"https://a.example/?q=\"x\"", true, "https://a.example/?q=%22x%22",
       "https://a.example/?q=%22x%22"},
      {"https://日本.example/", true, Sjis("https://日本.example/"), "https://日本.example/"},
      {"https://x.example/😀〜", true, "https://x.example/%F0%9F%98%80%E3%80%9C",
       "https://x.example/😀〜"},
      {"javascript:a()\r\n\"", true, "javascript:a()%0D%0A%22", "javascript:a()%0D%0A%22"},
      {"https://x.example/\xFF", true, "https://x.example/%FF", "https://x.example/%FF"},
      {"", true, "", ""},
      {"https://x.example/\xE3\x81", true, "https://x.example/%E3%81", "https://x.example/%E3%81"},
      {"/\xED\xA0\x80\xC0\xAF", true, "/%ED%A0%80%C0%AF", "/%ED%A0%80%C0%AF"},
      {"/a\x7F\tb", true, "/a%7F%09b", "/a%7F%09b"},
      {"/é/ｱ", true, "/%C3%A9/\xB1", "/é/ｱ"},
      // A shortcut's address: stored Shift_JIS, only '"' changes.
      {Sjis("http://例.jp/a b\""), false, Sjis("http://例.jp/a b%22"), "http://例.jp/a b%22"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(PageUrlText(c.url, c.utf8, PageCharset::kShiftJis), c.shiftJis);
    EXPECT_EQ(PageUrlText(c.url, c.utf8, PageCharset::kUtf8), c.utf8Page);
  }
}

// A title as the mapping of its code points makes it, with every "&" that starts no
// reference written as one.
std::string MappedWhole(std::string_view title) {
  const std::string mapped = platform::InternalFromCodePoints(Utf8ToCodePoints(title), 0);
  std::string out;
  for (std::size_t i = 0; i < mapped.size(); ++i) {
    char32_t cp = 0;
    const bool literal = mapped[i] == '&' && platform::ParseNameReference(mapped, i, cp) == 0;
    out += literal ? platform::NameReference('&') : std::string(1, mapped[i]);
  }
  return out;
}

// A title is mapped a run of bytes at a time: every character, alone or beside others,
// must come out as the code points of the whole title map, whatever stands around it.
TEST(PageText, TitlesMapAsTheirCodePointsDo) {
  const auto whole = MappedWhole;
  std::vector<std::string> titles = {"&#",      "&#x41;",    "&&#",          "#&",
                                     "a&#;b",   "\xC0\xAF",  "\xED\xA0\x80", "\xF0\x9F\x98",
                                     "〜～¥\\", "😀&#x1F600;"};
  for (int c = 0; c < 0x80; ++c) {
    const std::string one(1, static_cast<char>(c));
    titles.push_back(one);
    titles.push_back("a" + one + "#b" + one + "\xE3\x81\x82" + one);
  }
  for (const std::string& title : titles) {
    EXPECT_EQ(BookmarkNameInternal(title), whole(title)) << title;
  }
}

// One mapper remembers what characters became across titles: characters that share its
// memory's place (code points 1024 apart, a byte that is no character and "À", which
// CP932 lacks) replace each other there and must never be taken for one another.
TEST(PageText, AMapperAcrossTitlesMapsEachAsAlone) {
  const std::vector<std::string> titles = {
      "\xE3\x81\x82",               // U+3042, in CP932
      "\xE3\x91\x82",               // U+3442, not: a reference
      "\xE3\xA1\x82",               // U+3842
      "\xC0 \xC3\x80",              // a lone byte C0 and U+00C0: the same place
      "\xF0\x9F\x98\x80 \xD8\x80",  // U+1F600 and U+0600
      "\xE3\x80\x9C\xEF\xBD\x9E",   // "〜" and "～", one bytes in CP932
      "&#\xE3\x81\x82&",            // references beside a remembered character
      "a<b>c\"d:e\\f",
  };
  BookmarkNameMapper mapper;
  for (int round = 0; round < 3; ++round) {
    for (std::size_t i = 0; i < titles.size(); ++i) {
      // Forward, then backward, then each title twice in a row.
      const std::string& title = titles[round == 1 ? titles.size() - 1 - i : i];
      EXPECT_EQ(mapper.Internal(title), MappedWhole(title)) << title;
      if (round == 2) {
        EXPECT_EQ(mapper.Internal(title), MappedWhole(title)) << title;
      }
    }
  }
}

}  // namespace
}  // namespace favpage::test

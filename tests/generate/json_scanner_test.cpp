// The JSON scanner against a strict parser of record (nlohmann-json): on every text of a
// table and on every one-byte change of a bookmarks file, both must agree on whether the
// text is one whole JSON text and, when it is, report the same events with the same
// strings, at every block size.
#include "generate/json_scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "support/json_event_records.h"

namespace favpage::test {
namespace {

// Below, at and above the eight bytes that blanks and plain string runs are read by.
constexpr std::size_t kBlockSizes[] = {1, 2, 3, 7, 8, 9, 17, json::kScanBlockSize};

// A reader that wants no string: every string is then only checked, never decoded.
class StringSkipper : public ScanRecord {
 public:
  bool WantString() override { return false; }
};

JsonVerdict SkippedJson(const std::string& text, std::size_t blockSize) {
  return ScannedJson<StringSkipper>(text, blockSize);
}

JsonVerdict WithoutStrings(JsonVerdict v) {
  std::erase_if(v.events, [](const std::string& e) { return e.rfind("s:", 0) == 0; });
  return v;
}

void ExpectAgreement(const std::string& text) {
  const JsonVerdict expected = ParsedJson(text);
  for (const std::size_t block : kBlockSizes) {
    ASSERT_EQ(ScannedJson(text, block), expected) << "text: " << text << "\nblock: " << block;
  }
}

// The same, and a scan that skips every string must judge the text alike.
void ExpectAgreementSkipping(const std::string& text) {
  ExpectAgreement(text);
  const JsonVerdict expected = WithoutStrings(ParsedJson(text));
  for (const std::size_t block : kBlockSizes) {
    ASSERT_EQ(SkippedJson(text, block), expected) << "text: " << text << "\nblock: " << block;
  }
}

TEST(JsonScanner, AgreesWithAStrictParserOnEveryRule) {
  const std::string texts[] = {
      // structure
      "",
      " ",
      "{}",
      "[]",
      " {} ",
      "{",
      "}",
      "[",
      "]",
      "{]",
      "[}",
      "{}}",
      "[]]",
      "{} {}",
      "{\"a\":1}",
      "{\"a\" : 1 , \"b\" : [1, 2, {}]}",
      "{\"a\":1,}",
      "[1,]",
      "[,1]",
      "{,}",
      "{\"a\"}",
      "{\"a\":}",
      "{\"a\" 1}",
      "{1:2}",
      "{'a':1}",
      "[1 2]",
      "[[[[]]]]",
      "[[[[]]]",
      "{\"a\":{\"b\":{\"c\":[]}}}",
      "{\"\":0}",
      "{\"a\":1,\"a\":2}",
      // blanks: only these four
      " \t\r\n[ \t\r\n] \t\r\n",
      "\f[]",
      "[\v1]",
      "[1]\xc2\xa0",
      // byte order mark
      "\xEF\xBB\xBF{}",
      "\xEF\xBB\xBF \"x\"",
      "\xEF\xBB{}",
      "\xEF{}",
      " \xEF\xBB\xBF{}",
      "\xEF\xBB\xBF\xEF\xBB\xBF{}",
      // literals
      "true",
      "false",
      "null",
      "[true,false,null]",
      "tru",
      "truex",
      "True",
      "nul",
      "[nan]",
      // numbers
      "0",
      "-0",
      "1",
      "-1",
      "10",
      "01",
      "-01",
      "00",
      "1.5",
      "1.",
      ".5",
      "-",
      "+1",
      "1e5",
      "1E+5",
      "1e-5",
      "1e",
      "1e+",
      "1.5e3",
      "0.0",
      "-0.0e0",
      "18446744073709551615",
      "18446744073709551616",
      "-9223372036854775808",
      "-9223372036854775809",
      "123456789012345678901234567890",
      "1e308",
      "1.7976931348623157e308",
      "1.7976931348623159e308",
      "1e309",
      "-1e309",
      "1e-400",
      "-1e-400",
      "0e99999",
      "0.000001e313",
      "1000e306",
      "[1e400]",
      "{\"a\":-2e400}",
      "0x10",
      "1_0",
      "[1-2]",
      // strings
      "\"\"",
      "\"abc\"",
      "\"a\\\"b\"",
      "\"\\\\\"",
      "\"\\/\"",
      "\"\\b\\f\\n\\r\\t\"",
      "\"\\a\"",
      "\"\\x41\"",
      "\"\\u0041\"",
      "\"\\u00e9\"",
      "\"\\u00E9\"",
      "\"\\u30C6\"",
      "\"\\u0000\"",
      "\"\\u004\"",
      "\"\\u004g\"",
      "\"\\uD83D\\uDE00\"",
      "\"\\uD83D\"",
      "\"\\uD83Dx\"",
      "\"\\uD83D\\u0041\"",
      "\"\\uDE00\"",
      "\"\\uDBFF\\uDFFF\"",
      "\"\\uD800\\uDC00\"",
      "\"\\uD83D\\n\"",
      "\"abc",
      "\"a\tb\"",
      "\"a\nb\"",
      std::string("\"a\0b\"", 5),
      // a NUL byte: the end of the text after it, a fault anywhere else
      std::string("{}\0", 3),
      std::string("{} \0x", 5),
      std::string("[1\0]", 5),
      std::string("\0{}", 3),
      std::string("{\"a\":\0}", 7),
      "\"\x7f\"",
      "\"\x1f\"",
      // UTF-8
      "\"\xc3\xa9\"",
      "\"\xe3\x83\x86\"",
      "\"\xf0\x9f\x98\x80\"",
      "\"\xc0\xaf\"",
      "\"\xc1\xbf\"",
      "\"\xc2\x80\"",
      "\"\xe0\x80\xaf\"",
      "\"\xe0\xa0\x80\"",
      "\"\xed\x9f\xbf\"",
      "\"\xed\xa0\x80\"",
      "\"\xef\xbf\xbf\"",
      "\"\xf0\x8f\xbf\xbf\"",
      "\"\xf0\x90\x80\x80\"",
      "\"\xf4\x8f\xbf\xbf\"",
      "\"\xf4\x90\x80\x80\"",
      "\"\xf5\x80\x80\x80\"",
      "\"\xff\"",
      "\"\x80\"",
      "\"\xc3\"",
      "\"\xe3\x83\"",
      "\"\xe3\x83x\"",
      "\xc3\xa9",
      "{\"\xc3\xa9\":\"\xe3\x83\x86\"}",
      "{\"\xc3\":1}",
  };
  for (const std::string& text : texts) ExpectAgreement(text);
}

// Every one-byte deletion, and every byte replaced by each byte that matters to JSON, of a
// Bookmarks file as the Chromium family writes it.
TEST(JsonScanner, AgreesWithAStrictParserOnEveryChangeOfABookmarksFile) {
  const std::string file =
      "\xEF\xBB\xBF{\"checksum\": \"0f\", \"roots\": {\"bookmark_bar\": {\"children\": "
      "[{\"date_added\": \"13300000000000000\", \"id\": \"5\", \"meta_info\": {\"k\": "
      "\"\\u00e9\\uD83D\\uDE00\"}, \"name\": \"\xe3\x83\x86\\\"x\", \"type\": \"url\", "
      "\"url\": \"https://a.example/?q=1&r=2\"}, {\"children\": [], \"name\": \"F\", "
      "\"type\": \"folder\"}], \"name\": \"Bar\", \"type\": \"folder\"}, \"other\": "
      "{\"children\": [true, null, -1.5e3], \"name\": \"O\", \"type\": \"folder\"}}, "
      "\"version\": 1}\n";
  ExpectAgreement(file);
  const std::string replacements = "{}[]\":,\\ \x01\xc3\xa9\x80u0eE.-+tn";
  for (std::size_t at = 0; at < file.size(); ++at) {
    ExpectAgreement(file.substr(0, at) + file.substr(at + 1));
    for (const char r : replacements) {
      std::string changed = file;
      changed[at] = r;
      ExpectAgreement(changed);
    }
  }
}

// Every byte that ends a plain run of a string, and every blank among spaces, at each
// place of an eight-byte word and across two: the runs read eight bytes at a time must
// stop exactly where a byte-wise scan does.
TEST(JsonScanner, LongRunsStopAtEveryByteThatMatters) {
  // clang-format off
  const std::string inString[] = {
      "\"", "\\\"", "\\n", "\\u00e9", "\\uD83D\\uDE00", "\\x", std::string(1, '\0'),
      "\x01", "\x1f", "\t", "\n", "\x7f", " ", "!", "#", "[", "]", "\\", "\xc3\xa9",
      "\xe3\x83\x86", "\xf0\x9f\x98\x80", "\xc3", "\x80", "\xff", "\xed\xa0\x80",
  };
  const std::string amongBlanks[] = {"\t", "\n", "\r", "\r\n", "\f", "\v", "x", "\"\"", "0",
                                     std::string(1, '\0')};
  // clang-format on
  const std::string letters(20, 'a');
  for (std::size_t at = 0; at <= 18; ++at) {
    for (const std::string& piece : inString) {
      const std::string run = letters.substr(0, at) + piece + letters.substr(at);
      ExpectAgreementSkipping("{\"" + run + "\": \"" + run + "\"}");
      ExpectAgreementSkipping("[\"" + letters + "\",\"" + run + "\"]");
    }
    for (const std::string& piece : amongBlanks) {
      const std::string blanks = std::string(at, ' ') + piece + std::string(17 - at % 17, ' ');
      ExpectAgreementSkipping("{" + blanks + "\"k\"" + blanks + ":" + blanks + "1" + blanks + "}");
      ExpectAgreementSkipping("[1," + blanks + "]" + blanks);
    }
  }
}

// A hundred thousand nested arrays and objects: no recursion.
TEST(JsonScanner, DeepNestingIsScannedWithoutRecursion) {
  constexpr int kDepth = 100000;
  std::string text;
  for (int i = 0; i < kDepth; ++i) text += "{\"a\":[";
  for (int i = 0; i < kDepth; ++i) text += "]}";
  std::istringstream in(text);
  ScanRecord record;
  EXPECT_TRUE(json::Scan(in, record));
  EXPECT_EQ(record.events.size(), static_cast<std::size_t>(kDepth) * 5);
  text.pop_back();
  std::istringstream cut(text);
  EXPECT_FALSE(json::Scan(cut, record));
}

}  // namespace
}  // namespace favpage::test

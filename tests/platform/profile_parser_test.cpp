#include "platform/profile_parser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/test_support.h"

namespace favpage::platform {
namespace {

using test::Sjis;

struct ReadCase {
  const char* name;
  std::string text;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

const std::optional<std::string> kMissing = std::nullopt;

const ReadCase kReadCases[] = {
    // Line ends.
    {"CR LF", "[S]\r\nk=v\r\n", "S", "k", "v"},
    {"LF", "[S]\nk=v\n", "S", "k", "v"},
    {"lone CR", "[S]\rk=v\rj=w", "S", "j", "w"},
    {"last line without end", "[S]\r\nk=v", "S", "k", "v"},
    // Sections.
    {"blanks before the bracket", " \t[S]\r\nk=v", "S", "k", "v"},
    {"blanks around the name", "[ \tS\v ]\r\nk=v", "S", "k", "v"},
    {"text after the bracket", "[S] ; old\r\nk=v", "S", "k", "v"},
    {"no closing bracket", "[S \r\nk=v", "S", "k", "v"},
    {"second section of a name unread", "[S]\r\na=1\r\n[s]\r\nb=2", "S", "b", kMissing},
    {"first section of a name read", "[S]\r\na=1\r\n[s]\r\na=2", "S", "a", "1"},
    {"keys before any section", "k=v\r\n[S]\r\n", "S", "k", kMissing},
    {"next section ends this one", "[S]\r\n[T]\r\nk=v", "S", "k", kMissing},
    {"missing section", "[S]\r\nk=v", "T", "k", kMissing},
    {"second byte 0x5D is no bracket", Sjis("[ゾ]\r\nk=v"), Sjis("ゾ"), "k", "v"},
    // Keys and values.
    {"blanks around key and value", "[S]\r\n \t k \v= \t v w \t\r\n", "S", "k", "v w"},
    {"first equals sign splits", "[S]\r\nk=a=b", "S", "k", "a=b"},
    {"line without equals is no key", "[S]\r\nk\r\nk=v", "S", "k", "v"},
    {"only a line without equals", "[S]\r\nk", "S", "k", kMissing},
    {"comment line", "[S]\r\n;k=c\r\nk=v", "S", "k", "v"},
    {"indented comment line", "[S]\r\n  ;k=c", "S", "k", kMissing},
    {"no comment after a value", "[S]\r\nk=v ;c", "S", "k", "v ;c"},
    {"hash is an ordinary character", "[S]\r\n#k=v", "S", "#k", "v"},
    {"names without regard to case", "[setup]\r\noutname=x", "SETUP", "OutName", "x"},
    {"blanks around the asked names", "[S]\r\nk=v", " \tS ", "\vk ", "v"},
    {"first of two equal keys", "[S]\r\nk=1\r\nK=2", "S", "k", "1"},
    {"empty value is a value", "[S]\r\nk=", "S", "k", ""},
    {"blank value is empty", "[S]\r\nk=  \t", "S", "k", ""},
    {"empty key name", "[S]\r\n=v", "S", "", "v"},
    // Quotes.
    {"double quotes keep inner blanks", "[S]\r\nk=\"  V  \"", "S", "k", "  V  "},
    {"single quotes", "[S]\r\nk='x'", "S", "k", "x"},
    {"quotes after trimming", "[S]\r\nk= \"x\" ", "S", "k", "x"},
    {"one outer pair only", "[S]\r\nk=\"a\"b\"", "S", "k", "a\"b"},
    {"unmatched quotes stay", "[S]\r\nk=\"x'", "S", "k", "\"x'"},
    {"one quote alone stays", "[S]\r\nk=\"", "S", "k", "\""},
    {"empty quotes", "[S]\r\nk=\"\"", "S", "k", ""},
    {"quote only at the start", "[S]\r\nk=\"x", "S", "k", "\"x"},
};

TEST(ProfileParserTest, ReadRules) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindProfileValue(c.text, ProfileEncoding::kShiftJis, c.section, c.key), c.expected);
  }
}

TEST(ProfileParserTest, Utf8TextsStepByByte) {
  // In UTF-8 "ゾ" is E3 82 BE: no byte of it may be mistaken for anything.
  EXPECT_EQ(FindProfileValue("[ゾ]\r\nkey=値", ProfileEncoding::kUtf8, "ゾ", "KEY"), "値");
  EXPECT_EQ(FindProfileValue("[\xE3\x81\x8B"
                             "a]\r\nk=v",
                             ProfileEncoding::kUtf8,
                             "\xE3\x81\x8B"
                             "A",
                             "k"),
            "v");
}

struct WriteCase {
  const char* name;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

const WriteCase kWriteCases[] = {
    {"rewrite a key", "[S]\r\nk=old\r\nx=1\r\n", "S", "k", "new", "[S]\r\nk=new\r\nx=1\r\n"},
    {"rewrite keeps the name as written", "[S]\r\n  Key \t= old\r\n", "S", "KEY", "v",
     "[S]\r\nKey=v\r\n"},
    {"rewritten line ends in CR LF, others kept", "[S]\nk=1\nj=2\n", "S", "k", "v",
     "[S]\nk=v\r\nj=2\n"},
    {"rewrite a last line without end", "[S]\r\nk=1", "S", "k", "v", "[S]\r\nk=v\r\n"},
    {"value blanks kept", "[S]\r\nk=1\r\n", "S", "k", "  v  ", "[S]\r\nk=  v  \r\n"},
    {"new key after the last key line", "[S]\r\na=1\r\n; note\r\n\r\n[T]\r\n", "S", "b", "2",
     "[S]\r\na=1\r\nb=2\r\n; note\r\n\r\n[T]\r\n"},
    {"new key in a section without keys", "[S]\r\n\r\n[T]", "S", "b", "2", "[S]\r\nb=2\r\n\r\n[T]"},
    {"new key below a header without end", "[S]", "S", "b", "2", "[S]\r\nb=2\r\n"},
    {"new key below a key without end", "[S]\r\na=1", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n"},
    {"new key before a commented one", "[S]\r\n;k=c\r\n", "S", "k", "v", "[S]\r\nk=v\r\n;k=c\r\n"},
    {"new section at the end", "[T]\r\nx=1\r\n", "S", "k", "v", "[T]\r\nx=1\r\n[S]\r\nk=v\r\n"},
    {"new section after a last line without end", "[T]\r\nx=1", "S", "k", "v",
     "[T]\r\nx=1\r\n[S]\r\nk=v\r\n"},
    {"new section after an LF end", "[T]\nx=1\n", "S", "k", "v", "[T]\nx=1\n[S]\r\nk=v\r\n"},
    {"empty text", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
    {"asked names trimmed", "", " S\t", " k ", "v", "[S]\r\nk=v\r\n"},
    {"first section of a name", "[S]\r\na=1\r\n[s]\r\nk=old\r\n", "S", "k", "v",
     "[S]\r\na=1\r\nk=v\r\n[s]\r\nk=old\r\n"},
    {"keys before any section are not its keys", "k=old\r\n[S]\r\n", "S", "k", "v",
     "k=old\r\n[S]\r\nk=v\r\n"},
    {"other bytes untouched", "\xEF\xBB\xBFx\x1A\r\n[S]\r\n\tk = 1 ;x\r\n\x83\x5C\r", "S", "k", "2",
     "\xEF\xBB\xBFx\x1A\r\n[S]\r\nk=2\r\n\x83\x5C\r"},
};

TEST(ProfileParserTest, WriteRules) {
  for (const WriteCase& c : kWriteCases) {
    SCOPED_TRACE(c.name);
    const std::string after =
        SetProfileValue(c.before, ProfileEncoding::kShiftJis, c.section, c.key, c.value);
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(
        FindProfileValue(after, ProfileEncoding::kShiftJis, c.section, c.key),
        FindProfileValue(std::string("[S]\r\nk=") + c.value, ProfileEncoding::kShiftJis, "S", "k"));
  }
}

}  // namespace
}  // namespace favpage::platform

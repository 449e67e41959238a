// The path rules on the examples the system is built from, plus Shift_JIS names whose
// second bytes are 0x5C ("\"): "ソ" is 83 5C, "表" is 95 5C.
#include "text/path_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace favpage {
namespace {

using test::Sjis;

struct Row {
  const char* input;     // UTF-8, converted to Shift_JIS
  const char* expected;  // UTF-8, converted to Shift_JIS
};

void CheckRows(const std::function<std::string(const std::string&)>& rule,
               const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(rule(Sjis(row.input)), Sjis(row.expected));
  }
}

TEST(PathRulesTest, FileNamePart) {
  CheckRows(ExtractFileName, {
                                 {R"(C:\web\links.html)", "links.html"},
                                 {"links.html", "links.html"},
                                 {"C:links.html", "links.html"},
                                 {R"(C:\Fav\Travel)", "Travel"},
                                 {R"(C:\Fav\)", ""},
                                 {R"(\tmp\Fav\ソフト)", "ソフト"},
                                 {R"(\tmp\表示)", "表示"},
                                 {"ソ", "ソ"},
                             });
}

TEST(PathRulesTest, LeadingPath) {
  CheckRows(ExtractFilePath, {
                                 {R"(C:\web\links.html)", R"(C:\web\)"},
                                 {"links.html", ""},
                                 {"C:links.html", "C:"},
                                 {R"(\tmp\ソフト)", R"(\tmp\)"},
                                 {"表示", ""},
                             });
}

TEST(PathRulesTest, FolderPart) {
  CheckRows(ExtractFileDir, {
                                {R"(C:\web\links.html)", R"(C:\web)"},
                                {R"(C:\links.html)", R"(C:\)"},
                                {"C:links.html", "C:"},
                                {"links.html", ""},
                                {R"(\links.html)", R"(\)"},
                                {R"(\\server\share\a)", R"(\\server\share)"},
                                {R"(C:\web\\a)", R"(C:\web\\)"},
                                {R"(C:\ソフト\a)", R"(C:\ソフト)"},
                                {R"(C:\ソ\a)", R"(C:\ソ)"},
                                {R"(C:\web\表)", R"(C:\web)"},
                            });
}

TEST(PathRulesTest, ExtensionAndBaseName) {
  CheckRows(ExtractFileExt, {
                                {"a.b.url", ".url"},
                                {"Weather.url", ".url"},
                                {".url", ".url"},
                                {R"(C:\x.y\name)", ""},
                                {"link", ""},
                                {R"(C:\x.y\ソフト)", ""},
                                {"C:a.b:c", ""},
                                {R"(\tmp\表.url)", ".url"},
                            });
  CheckRows(RemoveFileExt, {
                               {"Weather.url", "Weather"},
                               {"a.b.url", "a.b"},
                               {".url", ""},
                               {"表示.url", "表示"},
                           });
}

TEST(PathRulesTest, ExtensionReplacementForSubPages) {
  const auto subPage = [](const std::string& page) { return ChangeFileExt(page, "_0.html"); };
  CheckRows(subPage, {
                         {R"(C:\web\links.html)", R"(C:\web\links_0.html)"},
                         {R"(C:\web\links)", R"(C:\web\links_0.html)"},
                         {R"(C:\web\links_0.html)", R"(C:\web\links_0_0.html)"},
                         {R"(C:\web\links.htm)", R"(C:\web\links_0.html)"},
                         {R"(C:\x.y\links)", R"(C:\x.y\links_0.html)"},
                         {R"(C:\web\表示)", R"(C:\web\表示_0.html)"},
                     });
}

TEST(PathRulesTest, DrivePart) {
  CheckRows(ExtractFileDrive, {
                                  {R"(C:\web)", "C:"},
                                  {"c:links", "c:"},
                                  {R"(\\server\share\a)", R"(\\server\share)"},
                                  {R"(\\server\share)", R"(\\server\share)"},
                                  {R"(\tmp\Fav)", ""},
                                  {"links", ""},
                              });
}

TEST(PathRulesTest, LeadByteBeforeColonIsNoDrive) {
  // A lead byte and the ":" after it are one character, so they name no drive, and the
  // relative path of such a text is found without reading past its end.
  EXPECT_EQ(ExtractFileDrive("\x83:x"), "");
  EXPECT_EQ(ExtractRelativePath("\x83:\\", "\x83:\\a\\"), "a\\");
}

TEST(PathRulesTest, TrailingBackslash) {
  CheckRows(IncludeTrailingBackslash, {
                                          {R"(C:\web)", R"(C:\web\)"},
                                          {R"(C:\web\)", R"(C:\web\)"},
                                          {R"(C:\ソ)", R"(C:\ソ\)"},
                                          {"", R"(\)"},
                                      });
}

TEST(PathRulesTest, RelativePath) {
  struct Case {
    const char* base;
    const char* dest;
    const char* expected;
  };
  const Case cases[] = {
      {R"(C:\Fav\)", R"(C:\Fav\)", ""},
      {R"(C:\Fav\)", R"(C:\Fav\Tools\Dev\)", R"(Tools\Dev\)"},
      {R"(C:\FAV\)", R"(c:\fav\Tools\)", R"(Tools\)"},
      {R"(C:\Fav\)", R"(D:\Fav\Tools\)", R"(D:\Fav\Tools\)"},
      {R"(C:\Fav\Sub\)", R"(C:\Fav\Other\)", R"(..\Other\)"},
      {R"(\\srv\share\Fav\)", R"(\\SRV\share\Fav\a\)", R"(a\)"},
      {R"(\\srv\a\Fav\)", R"(\\srv\b\Fav\)", R"(\\srv\b\Fav\)"},
      {R"(\tmp\Fav\)", R"(\tmp\Fav\ソフト\表示\)", R"(ソフト\表示\)"},
      // "イ" is 83 43 and "ツ" 83 63: only single-byte letters compare blind to case.
      {R"(C:\イ\)", R"(C:\ツ\x\)", R"(..\ツ\x\)"},
      // A bare share name as base: its drive is longer than its leading path.
      {R"(\\srv\share)", R"(\\srv\share\a\)", R"(a\)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.base) + " -> " + c.dest);
    EXPECT_EQ(ExtractRelativePath(Sjis(c.base), Sjis(c.dest)), Sjis(c.expected));
  }
}

}  // namespace
}  // namespace favpage

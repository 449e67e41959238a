// The manifest's text and the names a run on one top page calls its own.
#include "generate/manifest.h"

#include <gtest/gtest.h>

#include "generate/publish_names.h"

namespace favpage {
namespace {

const std::string kHashA(64, 'a');
const std::string kHashB = std::string(63, '0') + "f";

TEST(Manifest, TextReadsBackAsItsEntries) {
  const std::vector<ManifestEntry> entries = {
      {"links_0.html", kHashA}, {"links.html", kHashB}, {"a b\x83\x5C.html", kHashA}};
  const std::string text = ManifestText(entries);
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "favpage published files 1");
  EXPECT_NE(text.find(kHashB + " links.html\r\n"), std::string::npos);
  const auto parsed = ParseManifest(text);
  ASSERT_TRUE(parsed.has_value());
  ASSERT_EQ(parsed->size(), 3u);
  EXPECT_EQ((*parsed)[2].name, "a b\x83\x5C.html");  // the 0x5C of ソ is no delimiter
  EXPECT_EQ((*parsed)[1].hash, kHashB);
  EXPECT_EQ(ParseManifest(ManifestText({}))->size(), 0u);
}

// Anything but a manifest of this format reads as none: nothing is removed on its word.
TEST(Manifest, OtherTextsAreNoManifest) {
  const std::string head = "favpage published files 1\r\n";
  const std::string cases[] = {
      "",
      "favpage published files 2\r\n",
      "<HTML>\r\n",
      head + kHashA + "\r\n",                       // no name
      head + kHashA.substr(1) + " links.html\r\n",  // a short hash
      head + std::string(64, 'A') + " links.html\r\n",
      head + kHashA + " ..\\secret.html\r\n",
      head + kHashA + " sub/links_0.html\r\n",
      head + kHashA + " C:links_0.html\r\n",
      head + kHashA + " ..\r\n",
      head + kHashA + " a\tb.html\r\n",
  };
  for (const std::string& text : cases) EXPECT_FALSE(ParseManifest(text).has_value()) << text;
  // Lines ended by LF alone still read.
  EXPECT_TRUE(ParseManifest("favpage published files 1\n" + kHashA + " links.html\n"));
}

TEST(PublishNames, PagesOfATopPage) {
  const struct {
    const char* name;
    const char* top;
    bool page;
  } cases[] = {
      {"links.html", "links.html", true},
      {"links_0.html", "links.html", true},
      {"links_10_3.html", "links.html", true},
      {"links_0_0_0.html", "links.html", true},
      {"links_0.html", "links.htm", true},
      {"links_2.html", "links", true},
      {"links", "links", true},
      {"links.htm", "links.html", false},
      {"links_.html", "links.html", false},
      {"links_01.html", "links.html", false},
      {"links__1.html", "links.html", false},
      {"links_1_.html", "links.html", false},
      {"links_1.htm", "links.html", false},
      {"links_a.html", "links.html", false},
      {"links_1.html.bak", "links.html", false},
      {"Links_1.html", "links.html", false},
      {"other_1.html", "links.html", false},
      {"links.html.favpage", "links.html", false},
      {"index.html", "links.html", false},
      {"linksx_1.html", "links.html", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPageName(c.name, c.top), c.page) << c.name;
}

TEST(PublishNames, FilesBesideTheTopPage) {
  EXPECT_EQ(ManifestName("links.html"), "links.html.favpage");
  EXPECT_EQ(ClaimName("links.html"), ".links.html.favpage-lock");
  EXPECT_EQ(StagingPrefix("links.html"), ".links.html.favpage-");
  const struct {
    const char* name;
    bool staging;
  } cases[] = {
      {".links.html.favpage-aB3xY9", true},    {".links.html.favpage-000000", true},
      {".links.html.favpage-aB3xY", false},    {".links.html.favpage-aB3xY90", false},
      {".links.html.favpage-aB3x-9", false},   {".links.html.favpage-lock", false},
      {".other.html.favpage-aB3xY9", false},   {"links.html.favpage-aB3xY9", false},
      {".links_0.html.favpage-aB3xY9", false}, {".favpage-aB3xY9", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsStagingName(c.name, "links.html"), c.staging) << c.name;
}

}  // namespace
}  // namespace favpage

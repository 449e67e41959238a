// Pages staged through the publication: their bytes are held until complete and reach a
// staging file only when they differ from the published page or grow large. Whatever
// the path, the published page holds exactly the bytes written, the manifest their hash,
// and no staging file is left behind.
#include <filesystem>
#include <set>
#include <string>

#include "base/io_error.h"
#include "base/sha256.h"
#include "generate/manifest.h"
#include "generate/page_output.h"
#include "generate/publication.h"
#include "generate_fixture.h"

namespace favpage::test {
namespace {

namespace fs = std::filesystem;

// Larger than what the publication holds in memory for one page.
constexpr std::size_t kLarge = 2 * 1024 * 1024 + 3;

std::string Pattern(std::size_t size, char last) {
  std::string bytes(size, 'x');
  for (std::size_t i = 0; i < size; i += 97) bytes[i] = static_cast<char>('a' + i % 26);
  if (size > 0) bytes.back() = last;
  return bytes;
}

class PageStagingTest : public GenerateTest {
 protected:
  PageStagingTest() {
    MakeFolders("web");
    page = dir.internal("web/links.html");
  }
  // Stages `bytes` as the page in pieces of `piece` bytes and publishes it.
  GenerationStats Publish(const std::string& bytes, std::size_t piece = 4096) {
    Publication publication(page);
    publication.StagePage(page);
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
      publication.AppendToPage(page, std::string_view(bytes).substr(at, piece));
    }
    publication.PageCompleted(page);
    GenerationStats stats;
    publication.Publish(stats, true);
    return stats;
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.hostPath("web"))) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }
  std::string RecordedHash() const {
    const auto entries = ParseManifest(Read("web/links.html.favpage"));
    return entries && entries->size() == 1 ? entries->front().hash : std::string();
  }

  std::string page;
};

TEST_F(PageStagingTest, ThePublishedPageHoldsTheBytesWrittenWhateverWasThere) {
  const std::string small = Pattern(5000, 'z');
  const std::string large = Pattern(kLarge, 'z');
  struct Case {
    const char* what;
    std::string published;  // "-" for no published page
    std::string written;
    bool unchanged;
  };
  // clang-format off
  const Case cases[] = {
      {"no page yet",                 "-",                          small,              false},
      {"the same bytes",              small,                        small,              true},
      {"the page one byte longer",    small + "!",                  small,              false},
      {"the page one byte shorter",   small.substr(0, 4999),        small,              false},
      {"the last byte differs",       Pattern(5000, 'y'),           small,              false},
      {"an empty page, empty file",   "",                           "",                 true},
      {"an empty page, a full file",  small,                        "",                 false},
      {"large, the same bytes",       large,                        large,              true},
      {"large, last byte differs",    Pattern(kLarge, 'y'),         large,              false},
      {"large, the file its start",   large.substr(0, 1024 * 1024), large,              false},
      {"large, the file longer",      large + "\r\n",               large,              false},
      {"large written, small file",   small,                        large,              false},
  };
  // clang-format on
  for (const Case& c : cases) {
    fs::remove(dir.hostPath("web/links.html"));
    fs::remove(dir.hostPath("web/links.html.favpage"));
    if (c.published != "-") WriteBytes(dir.hostPath("web/links.html"), c.published);
    const GenerationStats stats = Publish(c.written);
    EXPECT_EQ(stats.unchanged, c.unchanged ? 1 : 0) << c.what;
    EXPECT_TRUE(Read("web/links.html") == c.written) << c.what;
    EXPECT_EQ(RecordedHash(), Sha256Hex(c.written)) << c.what;
    EXPECT_EQ(Names(), (std::set<std::string>{"links.html", "links.html.favpage"})) << c.what;
  }
}

TEST_F(PageStagingTest, APageBegunAnewHoldsOnlyItsNewBytes) {
  for (const std::size_t first : {std::size_t{10}, kLarge}) {
    Publication publication(page);
    publication.StagePage(page);
    publication.AppendToPage(page, Pattern(first, 'a'));
    publication.StagePage(page);
    publication.AppendToPage(page, "new\r\n");
    publication.PageCompleted(page);
    GenerationStats stats;
    publication.Publish(stats, false);
    EXPECT_EQ(Read("web/links.html"), "new\r\n") << first;
    EXPECT_EQ(Names(), std::set<std::string>{"links.html"}) << first;
  }
}

TEST_F(PageStagingTest, AppendingNeedsAStagedPageThatIsNotComplete) {
  Publication publication(page);
  const auto failure = [&](const std::string& target) {
    try {
      publication.AppendToPage(target, "x");
    } catch (const IoError& error) {
      EXPECT_EQ(error.path(), target);
      return error.code();
    }
    return 0;
  };
  EXPECT_EQ(failure(page), io_code::kFileNotFound);
  publication.StagePage(page);
  EXPECT_EQ(failure(page), 0);
  publication.PageCompleted(page);
  EXPECT_EQ(failure(page), io_code::kFileNotFound);  // its bytes are settled
}

TEST_F(PageStagingTest, ARunThatFailsLeavesNeitherPageNorStagingFile) {
  WriteBytes(dir.hostPath("web/links.html"), "old");
  for (const bool complete : {false, true}) {
    Publication publication(page);
    publication.StagePage(page);
    publication.AppendToPage(page, Pattern(kLarge, 'q'));  // in a staging file already
    if (complete) publication.PageCompleted(page);
    EXPECT_EQ(Names().size(), 2U);
  }
  EXPECT_EQ(Names(), std::set<std::string>{"links.html"});
  EXPECT_EQ(Read("web/links.html"), "old");
}

// A page operation's lines reach the publication in pieces when there are many of them:
// the page still holds each line once, in order, across operations.
TEST_F(PageStagingTest, ManyLinesOfOneOperationArriveWholeAndInOrder) {
  std::string expected;
  {
    Publication publication(page);
    PageOutput head(&publication, page, PageOutput::Mode::kCreate);
    head.WriteLine("head");
    head.Close();
    expected = "head\r\n";
    for (int operation = 0; operation < 2; ++operation) {
      PageOutput list(&publication, page, PageOutput::Mode::kAppend);
      for (int i = 0; i < 30000; ++i) {
        const std::string line = "<DD>" + std::to_string(operation) + "-" + std::to_string(i);
        list.WriteLine(line);
        expected += line + "\r\n";
      }
      list.Close();
    }
    publication.PageCompleted(page);
    GenerationStats stats;
    publication.Publish(stats, false);
  }
  EXPECT_GT(expected.size(), 2 * 64 * 1024U);
  EXPECT_TRUE(Read("web/links.html") == expected);
  EXPECT_EQ(Names(), std::set<std::string>{"links.html"});
}

}  // namespace
}  // namespace favpage::test

#include "platform/output_claim.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/child_process.h"
#include "platform/host_file.h"
#include "support/test_support.h"

namespace favpage::platform {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

constexpr int kSharingViolation = 32;

class OutputClaimTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::string page_ = dir_.internal("links.html");
  fs::path host_ = dir_.hostPath("links.html");
};

TEST_F(OutputClaimTest, AnotherProcessHoldsItUntilItIsKilled) {
  WriteBytes(host_, "first run's page");
  test::WaitingChild holder([&] {
    static OutputClaim claim;  // held for the child's life
    return claim.Claim(page_);
  });
  ASSERT_EQ(holder.setUpResult(), 0);

  OutputClaim claim;
  EXPECT_EQ(claim.Claim(page_), kSharingViolation);
  EXPECT_FALSE(claim.IsHeld());
  EXPECT_EQ(ReadBytes(host_), "first run's page");

  holder.Kill();
  EXPECT_EQ(claim.Claim(page_), 0);
  EXPECT_TRUE(claim.IsHeld());
}

// The claim is between runs: a second run in this process is refused as another
// process's would be, while the run's own opens of the page go through untouched.
TEST_F(OutputClaimTest, RefusesASecondRunButNotTheRunsOwnWrites) {
  OutputClaim claim;
  ASSERT_EQ(claim.Claim(page_), 0);
  OutputClaim second;
  EXPECT_EQ(second.Claim(page_), kSharingViolation);

  HostFile page;
  ASSERT_EQ(page.Open(page_, FileAccess::kCreate, FileShare::kRead), 0);
  ASSERT_EQ(page.Write("head", 4), 0);
  ASSERT_EQ(page.Close(), 0);
  ASSERT_EQ(page.Open(page_, FileAccess::kAppend, FileShare::kRead), 0);
  ASSERT_EQ(page.Write(" end", 4), 0);
  ASSERT_EQ(page.Close(), 0);
  EXPECT_EQ(ReadBytes(host_), "head end");

  claim.Release();
  EXPECT_EQ(second.Claim(page_), 0);
  EXPECT_EQ(ReadBytes(host_), "head end");
}

// What the claim leaves in the output folder: nothing but the run's own page.
TEST_F(OutputClaimTest, LeavesNothingButThePageBehind) {
  struct Case {
    const char* name;
    bool existsBefore;
    std::string written;  // what the run writes while it holds the claim
    bool existsAfter;
  };
  const Case cases[] = {
      {"new page never written", false, "", false},
      {"new page written", false, "page", true},
      {"existing empty page", true, "", true},
      {"existing page", true, "page", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(host_);
    if (c.existsBefore) WriteBytes(host_, "");
    {
      OutputClaim claim;
      ASSERT_EQ(claim.Claim(page_), 0);
      EXPECT_TRUE(fs::exists(host_));
      if (!c.written.empty()) WriteBytes(host_, c.written);
    }
    EXPECT_EQ(fs::exists(host_), c.existsAfter);
    if (c.existsAfter) {
      EXPECT_EQ(ReadBytes(host_), c.written);
    }
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_.host())) ++entries;
    EXPECT_EQ(entries, c.existsAfter ? 1u : 0u);
  }
}

TEST_F(OutputClaimTest, PathsThatNameNoPageGiveTheOpeningsCode) {
  OutputClaim claim;
  EXPECT_EQ(claim.Claim(dir_.internal("missing\\links.html")), 3);
  EXPECT_EQ(claim.Claim(dir_.internal("links.html\\")), 3);
  EXPECT_FALSE(claim.IsHeld());
  EXPECT_FALSE(fs::exists(dir_.hostPath("missing")));
}

}  // namespace
}  // namespace favpage::platform

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_file.h"
#include "support/test_support.h"

namespace favpage {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> expected;
};

TEST(IntegerRules, ReadsTheStoredNumberForms) {
  const IntegerCase cases[] = {
      {"0", 0},
      {"7", 7},
      {" 7", 7},
      {"   -12", -12},
      {"+5", 5},
      {"-0", 0},
      {"0007", 7},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"0x1", 1},
      {"0X1f", 31},
      {"$FFFFFFFF", -1},
      {"$7fffffff", INT32_MAX},
      {"$80000000", INT32_MIN},
      {"-$10", -16},
      {"-$FFFFFFFF", 1},
      {"-$80000000", INT32_MIN},
      {"x10", 16},
      {"X10", 16},
      {" 0x10", 16},
      {"-0x10", -16},
      {"+$A", 10},
      {"$000000000FF", 255},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ParseInteger(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(IntegerRules, RefusesWhatIsNotANumber) {
  const char* const cases[] = {
      "",    "  ",   "-",          "+",           "7 ",          "7\t",        "\t7",         "1.5",
      "1e3", "yes",  "True",       "0x",          "0X",          "$",          "x",           "-$",
      "$G",  "0x1 ", "2147483648", "-2147483649", "99999999999", "$100000000", "0x123456789", "--1",
      "+-1", "1-",   "$-1",        "00x1",        "7,5",
  };
  for (const char* text : cases) {
    EXPECT_EQ(ParseInteger(text), std::nullopt) << '"' << text << '"';
  }
}

// Through the file: the profile reader trims blanks, so blanks that must reach the
// number rules are kept inside quotes.
TEST(IntegerRules, ReadIntegerAndFlagFallBackOnEveryFailure) {
  test::TempDir dir;
  test::WriteBytes(
      dir.hostPath("s.INI"),
      test::CrLfLines({"[Setup]", "Hex=0x1", "Pattern=$FFFFFFFF", "Lead=\" 7\"", "Trail=\"7 \"",
                       "Big=2147483648", "Low=-2147483649", "Bare=0x", "Empty=", "Two=2",
                       "MinusOne=-1", "Zero=0", "Yes=yes", "One=1"}));
  const SettingsFile file(dir.internal("s.INI"));
  EXPECT_EQ(file.ReadInteger("Setup", "Hex", 9), 1);
  EXPECT_EQ(file.ReadInteger("Setup", "Pattern", 9), -1);
  EXPECT_EQ(file.ReadInteger("Setup", "Lead", 9), 7);
  EXPECT_EQ(file.ReadInteger("Setup", "Trail", 9), 9);
  EXPECT_EQ(file.ReadInteger("Setup", "Big", 9), 9);
  EXPECT_EQ(file.ReadInteger("Setup", "Low", 9), 9);
  EXPECT_EQ(file.ReadInteger("Setup", "Bare", 9), 9);
  EXPECT_EQ(file.ReadInteger("Setup", "Empty", 9), 9);
  EXPECT_EQ(file.ReadInteger("Setup", "Missing", 9), 9);
  EXPECT_EQ(file.ReadInteger("Nowhere", "Hex", 9), 9);

  for (const bool fallback : {false, true}) {
    EXPECT_TRUE(file.ReadBool("Setup", "One", fallback));
    EXPECT_TRUE(file.ReadBool("Setup", "Two", fallback));
    EXPECT_TRUE(file.ReadBool("Setup", "MinusOne", fallback));
    EXPECT_TRUE(file.ReadBool("Setup", "Hex", fallback));
    EXPECT_FALSE(file.ReadBool("Setup", "Zero", fallback));
    EXPECT_EQ(file.ReadBool("Setup", "Yes", fallback), fallback);
    EXPECT_EQ(file.ReadBool("Setup", "Empty", fallback), fallback);
    EXPECT_EQ(file.ReadBool("Setup", "Missing", fallback), fallback);
  }
}

}  // namespace
}  // namespace favpage

#include "platform/process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace favpage::platform {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "(unset)";
}

// A default fills only what the user left unset; a plain setting always wins.
TEST(ProcessEnvironment, DefaultNeverOverridesTheUsersSetting) {
  SetProcessEnvironment("FAVPAGE_TEST_CHOSEN", "user");
  SetProcessEnvironmentDefault("FAVPAGE_TEST_CHOSEN", "default");
  EXPECT_EQ(Environment("FAVPAGE_TEST_CHOSEN"), "user");

  SetProcessEnvironmentDefault("FAVPAGE_TEST_UNSET", "default");
  EXPECT_EQ(Environment("FAVPAGE_TEST_UNSET"), "default");
  SetProcessEnvironmentDefault("FAVPAGE_TEST_UNSET", "second");
  EXPECT_EQ(Environment("FAVPAGE_TEST_UNSET"), "default");

  SetProcessEnvironment("FAVPAGE_TEST_UNSET", "changed");
  EXPECT_EQ(Environment("FAVPAGE_TEST_UNSET"), "changed");
}

}  // namespace
}  // namespace favpage::platform

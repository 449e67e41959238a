// A generation run on a bookmarks file in a test's temporary folder, and the page it
// publishes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "generate/generation_command.h"
#include "generate_fixture.h"

namespace favpage::test {

class BookmarkSourceTest : public GenerateTest {
 protected:
  BookmarkSourceTest() {
    state.OutName = dir.internal("out/links.html");
    std::filesystem::create_directories(dir.hostPath("tmp"));
  }

  // Publishes the file `relative` as page type `outType`; the top page.
  std::string Publish(const std::string& relative, std::uint8_t outType) {
    state.Source = dir.internal(relative);
    state.OutType = outType;
    RunGenerationCommand(state, titles, progress, messages, dir.internal() + "\\");
    EXPECT_TRUE(std::filesystem::is_empty(dir.hostPath("tmp")));
    return Read("out/links.html");
  }

  RecordingMessageBox messages;

 private:
  // A private copy of a database lands in this test's folder, so a copy left behind is
  // seen (the POSIX host makes it in TMPDIR).
  EnvOverride tmp_{"TMPDIR", dir.hostPath("tmp").string().c_str()};
};

}  // namespace favpage::test

// A title text held in memory (the CLI, tests): both what the title file loads and saves
// and what the page writer reads, as the window's title edit is both.
#pragma once

#include <string>

#include "base/run_host.h"
#include "settings/title_file.h"

namespace favpage {

// A title text held in memory (the CLI, tests); its lines are split at CR LF, a last
// empty line not counted, each line cut to 4096 bytes as the window reads its lines.
class MemoryTitleText : public TitleText, public TitleLines {
 public:
  std::string Text() const override { return text_; }
  bool SetText(const std::string& text) override;
  int LineCount() const override;
  std::string Line(int index) const override;

 private:
  std::string text_;
};

}  // namespace favpage

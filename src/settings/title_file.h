// The title lines file beside the executable: the title edit's whole text, byte for byte.
#pragma once

#include <string>

#include "generate/host_seams.h"

namespace favpage {

// The title text as the window's title edit holds it (Shift_JIS, lines ended by CR LF).
class TitleText {
 public:
  virtual ~TitleText() = default;
  virtual std::string Text() const = 0;
  // Replaces the whole text; false when the edit refuses it (too large).
  virtual bool SetText(const std::string& text) = 0;
};

// The fallback title, used when the title file cannot be loaded: "私のお気に入り".
std::string FallbackTitle();

// Adds `line` as a new last line of `edit` by the adding-a-line rule.
void AddTitleLine(TitleText& edit, const std::string& line);

// Start-up: loads the title file into `edit`, or adds the fallback title when it cannot.
// True when the file's text was loaded.
bool LoadTitleLines(const std::string& path, TitleText& edit);

// Shut-down: stores the whole text of `edit` byte for byte. Raises Error with the create
// or write failure message. Never leaves a half-written file behind.
void SaveTitleLines(const std::string& path, const TitleText& edit);

// A title text held in memory (the CLI, tests); its lines are split at CR LF, a last
// empty line not counted.
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

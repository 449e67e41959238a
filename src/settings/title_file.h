// The title lines file beside the executable: the title edit's whole text, byte for byte.
#pragma once

#include <optional>
#include <string>

#include "base/run_host.h"

namespace favpage {

// The fallback title, used when the title file cannot be loaded: "私のお気に入り".
std::string FallbackTitle();

// Adds `line` as a new last line of `edit` by the adding-a-line rule.
void AddTitleLine(TitleText& edit, const std::string& line);

// How a start-up load of the title file ended.
enum class TitleLoad {
  kLoaded,   // the file's text is in the edit (unchanged when it was already there)
  kMissing,  // there is no title file; the fallback title was added
  kFailed,   // the file could not be read, or the edit refused it; the fallback was added
};

// Start-up: loads the title file into `edit` (line ends made CR LF, text after a NUL
// dropped), or adds the fallback title when it cannot. No message in either case.
TitleLoad LoadTitleFile(const std::string& path, TitleText& edit);

// Why a load failed when the host reported nothing wrong: the file is larger than any
// title edit could hold.
inline constexpr int kTitleFileTooLarge = -1;

// LoadTitleFile that also says why it fell back: 0, the host's error code for the file,
// or kTitleFileTooLarge. A caller that was told which file to read reports it with this.
TitleLoad LoadTitleFile(const std::string& path, TitleText& edit, int& failure);

// LoadTitleFile; true when the file's text was loaded.
bool LoadTitleLines(const std::string& path, TitleText& edit);

// Shut-down: stores the whole text of `edit` byte for byte. Raises Error with the create
// or write failure message. The file is replaced in one step (ReplaceFileContents), so a
// failure never leaves a half-written title file behind; a title file that may not be
// written (read-only, held open) is refused, not replaced.
// Callers save only text that this run loaded or the user edited (see TitleFileGuard).
void SaveTitleLines(const std::string& path, const TitleText& edit);

// Keeps shut-down from replacing the stored title lines with text the user never saw
// come from them: when start-up stopped before loading (the edit is still empty), when
// the file exists but could not be read, or when the edit cannot give the loaded text
// back as it was (bytes that are not Shift_JIS, text after a NUL), the stored file is
// left alone unless the user has edited the title since.
class TitleFileGuard {
 public:
  // Start-up: LoadTitleFile, remembering the text to keep (the file's text with its line
  // ends made CR LF, or the fallback title when there was no file).
  TitleLoad Load(const std::string& path, TitleText& edit);
  // The user changed the title text (not Load's own change).
  void MarkEdited() { edited_ = true; }
  // Shut-down: SaveTitleLines when the user edited the text, or when the edit gives back
  // exactly the text to keep; otherwise the file is not touched and the result is false.
  bool Save(const std::string& path, const TitleText& edit) const;

 private:
  bool edited_ = false;
  std::optional<std::string> loaded_;
};

}  // namespace favpage

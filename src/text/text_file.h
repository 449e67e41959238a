// Text files: Shift_JIS lines written with CR LF, read up to LF with every CR dropped and
// 0x1A as the end-of-file mark. Every failure raises IoError.
#pragma once

#include <string>
#include <string_view>

#include "platform/host_file.h"

namespace favpage {

// The longest path a text file can be opened with; a longer one fails with code 3.
inline constexpr std::size_t kMaxPathBytes = 259;

enum class TextMode {
  kRead,    // the file must exist; others may read it meanwhile, not write it
  kCreate,  // an existing file is emptied; others may read it meanwhile
  kAppend,  // the file must exist; writing continues at its end; others may read it
};

class TextFile {
 public:
  // Opens or creates `path`; raises IoError on failure.
  TextFile(const std::string& path, TextMode mode);
  // Opens or creates `path` as the content of the file `shownPath`, which is what errors
  // name and what the path length limit applies to: a staging file written for a page.
  TextFile(const std::string& path, TextMode mode, const std::string& shownPath);
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile();  // closes quietly when Close was not called

  // True when no byte is left or the next byte is 0x1A.
  bool Eof();
  // The bytes up to the next LF (consumed), every CR dropped; a 0x1A ends the line and
  // the rest up to the LF is skipped. Raises IoError (code 100) at the end of the file.
  std::string ReadLine();
  // Writes the line's bytes and CR LF.
  void WriteLine(std::string_view line);
  // Flushes and closes; raises IoError when a buffered write or the close fails.
  void Close();

  // The path errors name.
  const std::string& path() const { return path_; }

 private:
  bool FillBuffer();
  void Flush();

  std::string path_;
  platform::HostFile file_;
  std::string buffer_;
  std::size_t position_ = 0;
  bool writing_ = false;
};

// Copies `in` to `out` line by line until `in` reports its end: every line, the last
// included, ends with CR LF in `out`. Neither opens nor closes a file.
void CopyTextLines(TextFile& in, TextFile& out);

}  // namespace favpage

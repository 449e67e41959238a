#include "text/text_file.h"

#include "base/io_error.h"

namespace favpage {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
constexpr char kEndOfFileMark = '\x1A';

platform::FileAccess AccessFor(TextMode mode) {
  switch (mode) {
    case TextMode::kRead:
      return platform::FileAccess::kRead;
    case TextMode::kCreate:
      return platform::FileAccess::kCreate;
    case TextMode::kAppend:
      return platform::FileAccess::kAppend;
  }
  return platform::FileAccess::kRead;
}

// Every failure of a text file names the file it is about.
void Check(int code, const std::string& path) {
  if (code != 0) throw IoError(code).AboutPath(path);
}

}  // namespace

TextFile::TextFile(const std::string& path, TextMode mode)
    : path_(path), writing_(mode != TextMode::kRead) {
  if (path.empty() || path.size() > kMaxPathBytes)
    throw IoError(io_code::kPathNotFound).AboutPath(path);
  Check(file_.Open(path, AccessFor(mode), platform::FileShare::kRead), path_);
}

TextFile::~TextFile() {
  if (!file_.IsOpen()) return;
  try {
    Flush();
  } catch (const IoError&) {
    // A destructor runs while another error travels; that error is the one to report.
  }
  (void)file_.Close();
}

bool TextFile::FillBuffer() {
  if (position_ < buffer_.size()) return true;
  buffer_.resize(kBufferSize);
  std::size_t got = 0;
  const int code = file_.Read(buffer_.data(), buffer_.size(), got);
  buffer_.resize(got);
  position_ = 0;
  Check(code, path_);
  return got > 0;
}

bool TextFile::Eof() { return !FillBuffer() || buffer_[position_] == kEndOfFileMark; }

std::string TextFile::ReadLine() {
  if (!FillBuffer()) throw IoError(io_code::kReadBeyondEnd).AboutPath(path_);
  std::string line;
  bool skipping = false;  // after a 0x1A inside the line, up to its LF
  while (FillBuffer()) {
    const char byte = buffer_[position_];
    if (byte == kEndOfFileMark && line.empty() && !skipping) return line;  // end of file
    ++position_;
    if (byte == '\n') break;
    if (byte == kEndOfFileMark) skipping = true;
    if (skipping || byte == '\r') continue;
    line += byte;
  }
  return line;
}

void TextFile::WriteLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kBufferSize) Flush();
}

void TextFile::Flush() {
  if (!writing_ || buffer_.empty()) return;
  const std::string pending = std::move(buffer_);
  buffer_.clear();
  Check(file_.Write(pending.data(), pending.size()), path_);
}

void TextFile::Close() {
  // The file is released even when its last write fails, so that the error's display and
  // the next run can open it again instead of meeting this process's own sharing claim.
  try {
    Flush();
  } catch (...) {
    (void)file_.Close();  // the failed write is the error to report
    throw;
  }
  Check(file_.Close(), path_);
}

void CopyTextLines(TextFile& in, TextFile& out) {
  while (!in.Eof()) out.WriteLine(in.ReadLine());
}

}  // namespace favpage

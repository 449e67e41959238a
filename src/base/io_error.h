// The errors of the system. From text/ up, failures are exceptions: Error and its kinds
// (the platform layer below answers with host codes instead). Each face shows what leaves
// an event handler in the default error display; favpage-cli prints it and exits 1.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace favpage {

// Codes of the input/output error: host error numbers as a Windows user sees them, and
// codes of 100 and more for failures of the text-file layer itself.
namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kSharingViolation = 32;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kNotNumeric = 106;
}  // namespace io_code

// An error with a Shift_JIS message, shown to the user as it stands, and the file or folder
// it is about (core dialect) when the failing operation knows it: a terminal puts the path
// in front of the message, the window shows the message alone.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message, std::string path = {})
      : std::runtime_error(message), path_(std::move(path)) {}
  const std::string& path() const { return path_; }

 protected:
  void SetPath(const std::string& path) { path_ = path; }

 private:
  std::string path_;
};

// The input/output error: a code and the message that the code table gives for it
// (or a message of its own, such as the folder creation's).
class IoError : public Error {
 public:
  explicit IoError(int code);
  IoError(int code, const std::string& message);
  int code() const { return code_; }

  // Names the file or folder the error is about; the message stays the code's own.
  IoError& AboutPath(const std::string& path) {
    SetPath(path);
    return *this;
  }

 private:
  int code_;
};

// The message of the code table for `code` ("I/O エラー (code)" for codes not in it).
std::string IoErrorMessage(int code);

// The text the default error display shows for `message`: a "." is appended when the
// message is not empty and its last character is double-byte or a byte above 0x2E.
std::string DisplayMessage(const std::string& message);

// printf-style "%s" substitution for the system's message formats (no other directive).
std::string FormatText(const std::string& format, const std::string& first,
                       const std::string& second = std::string());

// `number` with its thousands grouped: 1234567 gives "1,234,567".
std::string Grouped(long long number);

}  // namespace favpage

// The errors of the system. Failures are exceptions; no operation returns an error code.
#pragma once

#include <stdexcept>
#include <string>

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

// An error with a Shift_JIS message, shown to the user as it stands.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The input/output error: a code and the message that the code table gives for it
// (or a message of its own, such as the folder creation's).
class IoError : public Error {
 public:
  explicit IoError(int code);
  IoError(int code, const std::string& message);
  int code() const { return code_; }

  // The file or folder the error is about (core dialect), empty when the failing operation
  // does not know it. The message stays the code's own, so the window shows the same text;
  // a terminal can put the path in front of it.
  const std::string& path() const { return path_; }
  IoError& AboutPath(const std::string& path) {
    path_ = path;
    return *this;
  }

 private:
  int code_;
  std::string path_;
};

// The message of the code table for `code` ("I/O エラー (code)" for codes not in it).
std::string IoErrorMessage(int code);

// The text the default error display shows for `message`: a "." is appended when the
// message is not empty and its last character is double-byte or a byte above 0x2E.
std::string DisplayMessage(const std::string& message);

// printf-style "%s" substitution for the system's message formats (no other directive).
std::string FormatText(const std::string& format, const std::string& first,
                       const std::string& second = std::string());

}  // namespace favpage

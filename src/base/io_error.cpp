#include "base/io_error.h"

#include "base/messages.h"
#include "base/sjis.h"

namespace favpage {

IoError::IoError(int code) : Error(IoErrorMessage(code)), code_(code) {}

IoError::IoError(int code, const std::string& message) : Error(message), code_(code) {}

std::string IoErrorMessage(int code) {
  switch (code) {
    case io_code::kFileNotFound:
      return msg::kFileNotFound;
    case io_code::kPathNotFound:
      return msg::kInvalidFileName;
    case io_code::kTooManyOpenFiles:
      return msg::kTooManyOpenFiles;
    case io_code::kAccessDenied:
      return msg::kAccessDenied;
    case io_code::kReadBeyondEnd:
      return msg::kReadBeyondEnd;
    case io_code::kDiskFull:
      return msg::kDiskFull;
    case io_code::kNotNumeric:
      return msg::kNotNumeric;
    default: {
      const std::string format = msg::kIoErrorFormat;
      const std::size_t at = format.find("%d");
      return format.substr(0, at) + std::to_string(code) + format.substr(at + 2);
    }
  }
}

std::string DisplayMessage(const std::string& message) {
  if (message.empty()) return message;
  std::size_t last = 0;
  for (std::size_t i = 0; i < message.size(); i += CharLength(message, i)) last = i;
  const bool doubleByte = CharLength(message, last) == 2;
  if (doubleByte || static_cast<unsigned char>(message[last]) > 0x2E) return message + ".";
  return message;
}

std::string FormatText(const std::string& format, const std::string& first,
                       const std::string& second) {
  std::string result;
  int filled = 0;
  for (std::size_t i = 0; i < format.size();) {
    const std::size_t len = CharLength(format, i);
    if (len == 1 && format.compare(i, 2, "%s") == 0 && filled < 2) {
      result += filled++ == 0 ? first : second;
      i += 2;
      continue;
    }
    result.append(format, i, len);
    i += len;
  }
  return result;
}

std::string Grouped(long long number) {
  const unsigned long long magnitude =
      number < 0 ? 0ULL - static_cast<unsigned long long>(number) : number;
  const std::string digits = std::to_string(magnitude);
  std::string grouped = number < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace favpage

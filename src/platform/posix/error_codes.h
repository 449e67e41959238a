// The host's error numbers as the codes a Windows user would see for the same failure.
#pragma once

#include <string>

namespace favpage::platform::posix {

// The code for a failed open or create of the host path `host` (ENOENT tells a missing
// file from a missing folder by looking at the folder).
[[nodiscard]] int OpenErrorCode(int error, const std::string& host);

// The code for a failed read, write, flush or close of an open file.
[[nodiscard]] int TransferErrorCode(int error);

}  // namespace favpage::platform::posix

// The codes a Windows user would see for the errno of a failing file call, shared by every
// POSIX call that opens or transfers a file.
#pragma once

#include <string>

namespace favpage::platform::posix {

// The code for a failing open of `host` (which tells a missing file from a missing folder).
int OpenErrorCode(int error, const std::string& host);
// The code for a failing read, write, close or status call.
int TransferErrorCode(int error);

}  // namespace favpage::platform::posix

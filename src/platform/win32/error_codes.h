// The host's error codes as the codes the system's texts name, shared by every Windows
// call that opens or transfers a file; the rest stay the host's own.
#pragma once

namespace favpage::platform::win32 {

// The code for a failed open or create (GetLastError()).
[[nodiscard]] int OpenErrorCode(unsigned long error);
// The code for a failed read, write, flush or close of an open file.
[[nodiscard]] int TransferErrorCode(unsigned long error);

}  // namespace favpage::platform::win32

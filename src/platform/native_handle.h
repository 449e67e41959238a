// The host's own handle of an open file (a descriptor on POSIX, a HANDLE on Windows), held
// as a number so that the headers of this layer name no host type. Only the host's
// implementation files turn it back into what it is.
#pragma once

#include <cstdint>

namespace favpage::platform {

using NativeHandle = std::intptr_t;
inline constexpr NativeHandle kNoHandle = -1;

}  // namespace favpage::platform

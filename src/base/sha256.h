// SHA-256 of a byte string, for telling whether a file still holds the bytes the program
// wrote into it.
#pragma once

#include <string>
#include <string_view>

namespace favpage {

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace favpage

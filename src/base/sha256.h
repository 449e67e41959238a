// SHA-256 of a byte string, for telling whether a file still holds the bytes the program
// wrote into it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace favpage {

// The digest of bytes given piece by piece, so a file is hashed as it is read.
class Sha256 {
 public:
  // How the blocks are compressed: in plain C++, or with the processor's SHA instructions
  // where it has them. Both give the same digest; the second is many times faster.
  enum class Engine { kPortable, kHardware };
  // Whether this processor has the instructions kHardware needs.
  static bool HardwareAvailable();

  // The fastest engine this processor has.
  Sha256();
  // `engine`: kHardware only where HardwareAvailable().
  explicit Sha256(Engine engine);

  void Update(std::string_view bytes);
  // The digest as 64 lower-case hexadecimal digits; the object is spent afterwards.
  std::string HexDigest();

 private:
  using CompressBlocks = void (*)(std::uint32_t* state, const unsigned char* blocks,
                                  std::size_t count);

  CompressBlocks compress_;
  std::array<std::uint32_t, 8> state_ = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                         0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  std::array<unsigned char, 64> block_{};
  std::size_t filled_ = 0;    // bytes waiting in block_
  std::uint64_t length_ = 0;  // bytes given in all
};

// The digest of `bytes` as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace favpage

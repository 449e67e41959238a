// SHA-256 as FIPS 180-4 describes it: 64-byte blocks, the message padded with a 1 bit,
// zeros and its bit length.
#include "base/sha256.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/sha256_blocks.h"

namespace favpage {
namespace sha256 {
namespace {

constexpr std::uint32_t Rotate(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

// One round, written for the eight working words in their places: the caller names them
// rotated by one place each round instead of moving seven of them.
inline void Round(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t& d,
                  std::uint32_t e, std::uint32_t f, std::uint32_t g, std::uint32_t& h,
                  std::uint32_t constantAndWord) {
  const std::uint32_t t1 =
      h + (Rotate(e, 6) ^ Rotate(e, 11) ^ Rotate(e, 25)) + ((e & f) ^ (~e & g)) + constantAndWord;
  const std::uint32_t t2 =
      (Rotate(a, 2) ^ Rotate(a, 13) ^ Rotate(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
  d += t1;
  h = t1 + t2;
}

}  // namespace

void CompressPortable(std::uint32_t* state, const unsigned char* blocks, std::size_t count) {
  for (; count > 0; --count, blocks += 64) {
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i) {
      const unsigned char* word = blocks + 4 * i;
      w[i] = std::uint32_t{word[0]} << 24 | std::uint32_t{word[1]} << 16 |
             std::uint32_t{word[2]} << 8 | std::uint32_t{word[3]};
    }
    for (int i = 16; i < 64; ++i) {
      const std::uint32_t s0 = Rotate(w[i - 15], 7) ^ Rotate(w[i - 15], 18) ^ (w[i - 15] >> 3);
      const std::uint32_t s1 = Rotate(w[i - 2], 17) ^ Rotate(w[i - 2], 19) ^ (w[i - 2] >> 10);
      w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    std::uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
    for (int i = 0; i < 64; i += 8) {
      Round(a, b, c, d, e, f, g, h, kRound[i] + w[i]);
      Round(h, a, b, c, d, e, f, g, kRound[i + 1] + w[i + 1]);
      Round(g, h, a, b, c, d, e, f, kRound[i + 2] + w[i + 2]);
      Round(f, g, h, a, b, c, d, e, kRound[i + 3] + w[i + 3]);
      Round(e, f, g, h, a, b, c, d, kRound[i + 4] + w[i + 4]);
      Round(d, e, f, g, h, a, b, c, kRound[i + 5] + w[i + 5]);
      Round(c, d, e, f, g, h, a, b, kRound[i + 6] + w[i + 6]);
      Round(b, c, d, e, f, g, h, a, kRound[i + 7] + w[i + 7]);
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
    state[5] += f;
    state[6] += g;
    state[7] += h;
  }
}

}  // namespace sha256

bool Sha256::HardwareAvailable() { return sha256::HardwareAvailable(); }

Sha256::Sha256() : Sha256(HardwareAvailable() ? Engine::kHardware : Engine::kPortable) {}

Sha256::Sha256(Engine engine)
    : compress_(engine == Engine::kHardware ? sha256::CompressHardware : sha256::CompressPortable) {
}

void Sha256::Update(std::string_view bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t size = bytes.size();
  length_ += size;
  if (filled_ > 0) {
    const std::size_t taken = std::min(size, block_.size() - filled_);
    std::copy(data, data + taken, block_.begin() + static_cast<std::ptrdiff_t>(filled_));
    filled_ += taken;
    data += taken;
    size -= taken;
    if (filled_ < block_.size()) return;
    compress_(state_.data(), block_.data(), 1);
    filled_ = 0;
  }
  const std::size_t whole = size / block_.size();
  if (whole > 0) compress_(state_.data(), data, whole);
  data += whole * block_.size();
  size -= whole * block_.size();
  std::copy(data, data + size, block_.begin());
  filled_ = size;
}

std::string Sha256::HexDigest() {
  // The message ends with a 1 bit, zeros up to 8 bytes before a block's end, and its
  // length in bits; a block that cannot hold the length gets one more.
  const std::uint64_t bits = length_ * 8;
  static constexpr unsigned char kPadding[64] = {0x80};
  const std::size_t padding = filled_ < 56 ? 56 - filled_ : 120 - filled_;
  Update(std::string_view(reinterpret_cast<const char*>(kPadding), padding));
  unsigned char size[8];
  for (int i = 0; i < 8; ++i) size[7 - i] = static_cast<unsigned char>(bits >> (8 * i));
  Update(std::string_view(reinterpret_cast<const char*>(size), sizeof size));

  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(64);
  for (const std::uint32_t word : state_) {
    for (int shift = 28; shift >= 0; shift -= 4) hex += kDigits[(word >> shift) & 0xF];
  }
  return hex;
}

std::string Sha256Hex(std::string_view bytes) {
  Sha256 digest;
  digest.Update(bytes);
  return digest.HexDigest();
}

}  // namespace favpage

// SHA-256 against the published test vectors and across the padding's block boundaries.
#include "base/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace favpage {
namespace {

// Bytes 0, 7, 14, ... (mod 256): every byte value, no text.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7) & 0xFF);
  return bytes;
}

TEST(Sha256, PublishedVectors) {
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// The length goes into the last block, or into one more when fewer than 9 bytes are left.
TEST(Sha256, LengthsAroundTheBlockBoundaries) {
  const struct {
    std::size_t size;
    const char* digest;
  } cases[] = {
      {55, "576a1bf8d4478657e6dc4af9398544765c2a92cde28478b019235cfed315fc09"},
      {56, "9b20501dfd1d99161c257950f3444f3e49230c351c5c8e0943ef369f85f5205d"},
      {63, "30b345906b493f06f69444b6521113511c242f30e29840462950035043682f1e"},
      {64, "d8bc63b4fc1156e5e7d95a418b9bf54cd3174bedbc2db40f74895349b229b3c0"},
      {65, "1ee23b0fbcaecc1aff4a9e8f1645f35ab2c8e13609cd73b68df8b5e3f63ce073"},
      {119, "7a6589821178918ca8d9edaba5abfc1e9b2669564f4469b66885379c1530b2c8"},
      {120, "655250427d56b1b0eeb8497d21428704273458a01772d6881b65c0abac0f8a98"},
      {128, "54c9eb041badfd7064645067b107661fed6113197ce2dd066ba69618abd3732f"},
  };
  for (const auto& c : cases) EXPECT_EQ(Sha256Hex(Pattern(c.size)), c.digest) << c.size;
}

// A file is hashed as it is read: any cut into pieces gives the digest of the whole.
TEST(Sha256, PiecesGiveTheDigestOfTheWhole) {
  const std::string whole = Pattern(1000);
  const std::string digest = Sha256Hex(whole);
  for (const std::size_t piece : {1u, 7u, 55u, 56u, 63u, 64u, 65u, 128u, 999u}) {
    Sha256 pieces;
    for (std::size_t at = 0; at < whole.size(); at += piece) {
      pieces.Update(std::string_view(whole).substr(at, piece));
    }
    EXPECT_EQ(pieces.HexDigest(), digest) << piece;
  }
  Sha256 none;
  none.Update("");
  EXPECT_EQ(none.HexDigest(), Sha256Hex(""));
}

}  // namespace
}  // namespace favpage

// SHA-256 against the published test vectors and across the padding's block boundaries,
// for each engine this processor has.
#include "base/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace favpage {
namespace {

using Engine = Sha256::Engine;

// Bytes 0, 7, 14, ... (mod 256): every byte value, no text.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7) & 0xFF);
  return bytes;
}

class Sha256Engines : public testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    if (GetParam() == Engine::kHardware && !Sha256::HardwareAvailable()) {
      GTEST_SKIP() << "this processor has no SHA instructions";
    }
  }

  std::string Hex(std::string_view bytes) const {
    Sha256 digest(GetParam());
    digest.Update(bytes);
    return digest.HexDigest();
  }
};

TEST_P(Sha256Engines, PublishedVectors) {
  EXPECT_EQ(Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(Hex("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqkl"
                "mnopqrlmnopqrsmnopqrstnopqrstu"),
            "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
  EXPECT_EQ(Hex(std::string(1000000, 'a')),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// The length goes into the last block, or into one more when fewer than 9 bytes are left.
TEST_P(Sha256Engines, LengthsAroundTheBlockBoundaries) {
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
  for (const auto& c : cases) EXPECT_EQ(Hex(Pattern(c.size)), c.digest) << c.size;
}

// A file is hashed as it is read: any cut into pieces gives the digest of the whole.
TEST_P(Sha256Engines, PiecesGiveTheDigestOfTheWhole) {
  const std::string whole = Pattern(1000);
  const std::string digest = Hex(whole);
  for (const std::size_t piece : {1u, 7u, 55u, 56u, 63u, 64u, 65u, 128u, 999u}) {
    Sha256 pieces(GetParam());
    for (std::size_t at = 0; at < whole.size(); at += piece) {
      pieces.Update(std::string_view(whole).substr(at, piece));
    }
    EXPECT_EQ(pieces.HexDigest(), digest) << piece;
  }
  Sha256 none(GetParam());
  none.Update("");
  EXPECT_EQ(none.HexDigest(), Hex(""));
}

// Megabytes in uneven pieces, as a large page arrives: many whole blocks in one call, with
// a partial block before and after them.
TEST_P(Sha256Engines, MegabytesInUnevenPieces) {
  const std::string millionA(1000000, 'a');
  const std::size_t pieces[] = {1, 3, 61, 64, 65, 127, 4096, 100003, 9, 250000};
  Sha256 digest(GetParam());
  std::size_t at = 0;
  for (std::size_t i = 0; at < millionA.size(); ++i) {
    const std::size_t piece = pieces[i % std::size(pieces)];
    digest.Update(std::string_view(millionA).substr(at, piece));
    at += piece;
  }
  EXPECT_EQ(digest.HexDigest(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

INSTANTIATE_TEST_SUITE_P(, Sha256Engines, testing::Values(Engine::kPortable, Engine::kHardware),
                         [](const testing::TestParamInfo<Engine>& info) {
                           return info.param == Engine::kPortable ? "Portable" : "Hardware";
                         });

// Every engine gives the portable digest of a multi-megabyte text of every byte value,
// whatever the pieces; and the digest of the default engine is the same.
TEST(Sha256, EnginesAgreeOnMegabytes) {
  const std::string whole = Pattern(5 * 1024 * 1024 + 37);
  Sha256 portable(Engine::kPortable);
  portable.Update(whole);
  const std::string expected = portable.HexDigest();
  EXPECT_EQ(Sha256Hex(whole), expected);
  if (!Sha256::HardwareAvailable()) return;
  Sha256 hardware(Engine::kHardware);
  const std::size_t pieces[] = {1, 63, 64, 65, 1000, 131071, 5, 56};
  for (std::size_t at = 0, i = 0; at < whole.size(); at += pieces[i++ % std::size(pieces)]) {
    hardware.Update(std::string_view(whole).substr(at, pieces[i % std::size(pieces)]));
  }
  EXPECT_EQ(hardware.HexDigest(), expected);
}

}  // namespace
}  // namespace favpage

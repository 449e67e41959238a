// The code-page conversions on any bytes: no crash, and Shift_JIS to UTF-8 and back is
// the identity for a text made of CP932 characters that each convert back to themselves.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "platform/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace favpage;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  (void)platform::Utf8ToSjis(bytes);
  (void)platform::Utf16LeToSjis(bytes);
  const std::string utf8 = platform::SjisToUtf8(bytes);

  // The characters of the input that survive the trip alone, one after another.
  std::string faithful;
  for (std::size_t i = 0; i < bytes.size(); i += CharLength(bytes, i)) {
    const std::string character = bytes.substr(i, CharLength(bytes, i));
    if (platform::Utf8ToSjis(platform::SjisToUtf8(character)) == character) {
      faithful += character;
    }
  }
  FUZZ_CHECK(platform::Utf8ToSjis(platform::SjisToUtf8(faithful)) == faithful);
  // UTF-8 out of a conversion converts back to the same Shift_JIS, whatever went in.
  const std::string once = platform::Utf8ToSjis(utf8);
  FUZZ_CHECK(platform::Utf8ToSjis(platform::SjisToUtf8(once)) == once);
  return 0;
}

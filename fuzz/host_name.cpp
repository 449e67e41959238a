// The host-name mapping on any bytes: a host path taken inside and given back to the host
// is the very same bytes, so every name leads back to its own file; the internal form never
// holds a byte that the core would read as a delimiter, a line end or markup.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "platform/host_path.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace favpage;
  const std::string host(reinterpret_cast<const char*>(data), size);
  const std::string internal = platform::FromHostPath(host);
  FUZZ_CHECK(platform::ToHostPath(internal) == host);
  FUZZ_CHECK(platform::FromHostPath(platform::ToHostPath(internal)) == internal);
  for (std::size_t i = 0; i < internal.size(); i += CharLength(internal, i)) {
    if (CharLength(internal, i) == 2) continue;
    const unsigned char byte = static_cast<unsigned char>(internal[i]);
    FUZZ_CHECK(byte >= 0x20 && byte != 0x7F && byte != ':' && byte != '<' && byte != '>' &&
               byte != '"');
  }
  return 0;
}

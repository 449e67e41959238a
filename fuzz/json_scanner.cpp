// The JSON scanner against nlohmann-json's strict parser: both must agree on whether an
// input is one whole JSON text and, when it is, report the same events and strings,
// whatever the block size the scanner reads with.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "support/json_event_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace favpage::test;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const JsonVerdict parsed = ParsedJson(bytes);
  // The block size from the input's length, so every size from 1 to 16 is tried.
  for (const std::size_t block : {std::size_t{1} + size % 16, favpage::json::kScanBlockSize}) {
    FUZZ_CHECK(ScannedJson(bytes, block) == parsed);
  }
  return 0;
}

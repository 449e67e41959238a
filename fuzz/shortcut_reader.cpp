// The shortcut reader on any file content: no crash, no more than 2047 bytes, and the
// same URL that the profile text rules find in the file's bytes.
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "generate/folder_scan.h"
#include "platform/profile.h"
#include "platform/profile_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace favpage;
  static const fuzz::ScratchFolder folder;
  static const std::string shortcut = folder.internal("Link.url");
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream file(folder.host("Link.url"), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(file.good());
  }

  const std::string url = ReadShortcutURL(shortcut);
  FUZZ_CHECK(url.size() <= platform::kProfileValueLimit);
  // A UTF-16 file is read through a conversion; any other is read as it is stored.
  if (!bytes.starts_with("\xFF\xFE")) {
    std::string expected = platform::FindProfileValue(bytes, platform::ProfileEncoding::kShiftJis,
                                                      "InternetShortcut", "URL")
                               .value_or("");
    if (expected.size() > platform::kProfileValueLimit) {
      expected.resize(platform::kProfileValueLimit);
    }
    FUZZ_CHECK(url == expected);
  }
  return 0;
}

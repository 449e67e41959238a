// The folder heading on any favorites path and folder: no exception, and for a folder
// built the way the walks build it (the favorites path, "\", names each followed by "\")
// exactly those names joined by " > ".
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "generate/heading_text.h"
#include "generate/page_markup.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

// A name the walks could append: not empty, no single-byte "\", no lead byte left open.
bool IsFolderName(std::string_view name) {
  if (name.empty() || !fuzz::EndsWhole(name)) return false;
  for (std::size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (CharLength(name, i) == 1 && name[i] == '\\') return false;
  }
  return true;
}

}  // namespace
}  // namespace favpage

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace favpage;
  // The favorites path, then the folder's names, all separated by NUL bytes.
  std::vector<std::string> names = fuzz::AllFields(data, size);
  while (!names.empty() && names.back().empty()) names.pop_back();
  const std::string favorites = names.empty() ? std::string() : names.front();
  if (!names.empty()) names.erase(names.begin());

  std::string folder = favorites + "\\";
  std::string expected;
  bool wellFormed = fuzz::EndsWhole(favorites);
  for (const std::string& name : names) {
    folder += name + "\\";
    if (!expected.empty()) expected += markup::kHeadingJoin;
    expected += name;
    wellFormed = wellFormed && IsFolderName(name);
  }
  if (names.empty()) expected = markup::kTopPage;
  wellFormed = wellFormed && ExtractFileDrive(favorites + "\\") == ExtractFileDrive(folder);

  const std::string heading = HeadingText(favorites, folder);
  if (wellFormed) FUZZ_CHECK(heading == expected);

  // Folders the walks never ask for: the raw bytes as favorites path and as folder.
  const std::string raw(reinterpret_cast<const char*>(data), size);
  (void)HeadingText(favorites, raw);
  (void)HeadingText(raw, favorites);
  return 0;
}

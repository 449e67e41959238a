#include "platform/dir_search.h"

#include <windows.h>

#include "platform/win32/owned.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

bool PassesMask(std::uint32_t attributes, std::uint32_t mask) {
  const std::uint32_t filtered = attr::kHidden | attr::kSystem | attr::kDirectory;
  return (attributes & ~mask & filtered) == 0;
}

}  // namespace

// The host matches the pattern and orders the entries; "." and ".." come as it delivers
// them (a drive's root has neither).
bool DirSearch::First(const std::string& pattern, std::uint32_t mask, FindData& found) {
  Close();
  if (pattern.find('\0') != std::string::npos) return false;
  WIN32_FIND_DATAW data{};
  const win32::OwnedFind search(FindFirstFileExW(win32::ToSystemPath(pattern).c_str(),
                                                 FindExInfoBasic, &data, FindExSearchNameMatch,
                                                 nullptr, 0));
  if (!search) return false;
  // An error in the middle of the listing ends it with the entries read so far.
  do {
    const std::uint32_t attributes = data.dwFileAttributes;
    if (!PassesMask(attributes, mask)) continue;
    entries_.push_back(FindData{win32::FromWidePath(data.cFileName), attributes});
  } while (FindNextFileW(search.Get(), &data));
  return Next(found);
}

}  // namespace favpage::platform

// Directory search with Windows attribute words.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace favpage::platform {

namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x01;
inline constexpr std::uint32_t kHidden = 0x02;
inline constexpr std::uint32_t kSystem = 0x04;
inline constexpr std::uint32_t kVolumeLabel = 0x08;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace attr

struct FindData {
  std::string name;  // Shift_JIS, without any path
  std::uint32_t attributes = 0;
};

// One search of one folder. `First` takes a pattern (the folder path followed by a name
// pattern such as "*.*") and delivers "." and "..", then the entries in the order an NTFS
// volume delivers them (ordinal order of the upper-cased UTF-16 names). Entries whose
// hidden, system or directory bits are not in `mask` are passed over. On POSIX: folder
// 0x10; a name beginning with "." adds hidden; a symbolic link adds reparse point 0x400;
// a regular file gets archive, and read-only when its owner may not write it; anything
// that is neither file nor folder adds system.
class DirSearch {
 public:
  DirSearch() = default;
  DirSearch(const DirSearch&) = delete;
  DirSearch& operator=(const DirSearch&) = delete;
  ~DirSearch() = default;

  // False when the folder cannot be searched or delivers no entry.
  [[nodiscard]] bool First(const std::string& pattern, std::uint32_t mask, FindData& found);
  // False when no entry is left.
  [[nodiscard]] bool Next(FindData& found);
  void Close();

 private:
  std::vector<FindData> entries_;
  std::size_t next_ = 0;
};

}  // namespace favpage::platform

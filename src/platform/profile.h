// Profile (INI) files with the observable behaviour of the Windows profile functions:
// case-blind section and key names, blanks trimmed, one pair of outer quotes dropped,
// values cut to 2047 bytes, every other line kept byte for byte through a write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace favpage::platform {

inline constexpr std::size_t kProfileValueLimit = 2047;

// The most of a profile file that is read. A shortcut or settings file is a few hundred
// bytes; reading more of a huge one only delays the folder scan. A write never rewrites a
// file larger than this, nor makes one: the next read would miss what lies past it.
inline constexpr std::size_t kProfileFileLimit = 4 * 1024 * 1024;
// The most of a settings file that is read. A file past kProfileFileLimit is never
// written, but the choices it holds still reach the window, up to this size.
inline constexpr std::size_t kSettingsReadLimit = 64 * 1024 * 1024;

// The value of `key` in `section` of `file`, or `fallback` when the file, the section or
// the key is missing or the file cannot be read. Never hangs on a file that is not a
// regular file and reads only the first `readLimit` bytes of a huge one.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, const std::string& file,
                              std::size_t readLimit = kProfileFileLimit);

// A profile file read once, to answer many reads of it: each answers what
// ReadProfileString answers for the file as it was when it was read.
class ProfileSnapshot {
 public:
  explicit ProfileSnapshot(const std::string& file, std::size_t readLimit = kProfileFileLimit);

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;

 private:
  bool read_ = false;  // false: the file was missing or could not be read
  bool utf16_ = false;
  std::string text_;  // Shift_JIS as stored, or a UTF-16 file as UTF-8
};

// Writes `key`=`value` into `section` of `file`, creating the file when it is missing.
// The file is replaced atomically (ReplaceFileContents). False when the write is refused
// (missing folder, read-only file, no permission, a file past kProfileFileLimit).
[[nodiscard]] bool WriteProfileValue(std::string_view section, std::string_view key,
                                     std::string_view value, const std::string& file);

}  // namespace favpage::platform

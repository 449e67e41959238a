#include "platform/profile.h"

#include <windows.h>

#include "platform/file_ops.h"
#include "platform/profile_parser.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {
namespace {

// The same limits as on every host: a shortcut is a few hundred bytes, and a write keeps
// every byte, so it refuses a file larger than it will hold in memory.
constexpr std::size_t kReadLimit = 4 * 1024 * 1024;
constexpr std::size_t kWriteLimit = 64 * 1024 * 1024;

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

std::wstring WideOfUtf16Le(std::string_view bytes) {
  std::wstring wide;
  wide.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    wide += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                 static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  if (bytes.size() % 2 != 0) wide += static_cast<wchar_t>(0xFFFD);
  return wide;
}

std::string Utf16LeOfWide(std::wstring_view wide) {
  std::string bytes;
  bytes.reserve(wide.size() * 2);
  for (const wchar_t unit : wide) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  return bytes;
}

// The text of a profile file in the form it is parsed in: Shift_JIS as stored, or a
// UTF-16 file as UTF-8, which holds every character of it.
struct ProfileText {
  std::string text;
  bool utf16 = false;

  ProfileEncoding encoding() const {
    return utf16 ? ProfileEncoding::kUtf8 : ProfileEncoding::kShiftJis;
  }
  std::string FromSjis(std::string_view sjis) const {
    return utf16 ? win32::WideToUtf8(win32::SjisToWide(sjis)) : std::string(sjis);
  }
  std::string ToSjis(std::string_view parsed) const {
    return utf16 ? win32::WideToSjis(win32::Utf8ToWide(parsed)) : std::string(parsed);
  }
};

ProfileText Decode(std::string bytes) {
  ProfileText decoded;
  decoded.utf16 = bytes.starts_with(kUtf16Bom);
  decoded.text =
      decoded.utf16
          ? win32::WideToUtf8(WideOfUtf16Le(std::string_view(bytes).substr(kUtf16Bom.size())))
          : std::move(bytes);
  return decoded;
}

std::string Encode(const ProfileText& text) {
  if (!text.utf16) return text.text;
  return std::string(kUtf16Bom) + Utf16LeOfWide(win32::Utf8ToWide(text.text));
}

std::string CutToLimit(std::string text) {
  if (text.size() > kProfileValueLimit) text.resize(kProfileValueLimit);
  return text;
}

bool ValidPath(const std::string& file) {
  return !file.empty() && file.back() != '\\' && file.find('\0') == std::string::npos;
}

enum class ProfileRead { kRead, kMissing, kRefused };

// Reads a file on a disk (never a device or a pipe, which may never end); others may
// write it meanwhile, as the profile functions allow. With `mustFit`, a file longer than
// `limit` is refused; otherwise only its first `limit` bytes are read.
ProfileRead ReadBytes(const std::wstring& path, std::size_t limit, bool mustFit,
                      std::string& bytes) {
  bytes.clear();
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ProfileRead::kMissing
                                                                          : ProfileRead::kRefused;
  }
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    return ProfileRead::kRefused;
  }
  const auto fileSize = static_cast<std::size_t>(size.QuadPart);
  if (mustFit && fileSize > limit) {
    CloseHandle(file);
    return ProfileRead::kRefused;
  }
  bytes.resize(std::min(fileSize, limit));
  std::size_t got = 0;
  bool failed = false;
  while (got < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &read,
                  nullptr)) {
      failed = true;
      break;
    }
    if (read == 0) break;  // the file shrank meanwhile
    got += read;
  }
  CloseHandle(file);
  bytes.resize(got);
  return failed ? ProfileRead::kRefused : ProfileRead::kRead;
}

bool WriteNewFile(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  while (written && !bytes.empty()) {
    DWORD n = 0;
    written = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) && n > 0;
    bytes.remove_prefix(n);
  }
  written = FlushFileBuffers(file) && written;
  return CloseHandle(file) && written;
}

// Writes `bytes` to a new file beside `file` and moves it over `file` in one step.
bool ReplaceProfileFile(const std::string& file, std::string_view bytes) {
  const std::size_t slash = file.rfind('\\');
  const std::string folder = slash == std::string::npos ? "" : file.substr(0, slash + 1);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::string temporary =
        folder + ".favpage-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
        std::to_string(GetTickCount64() % 100000) + "-" + std::to_string(attempt);
    const std::wstring wideTemporary = win32::ToWidePath(temporary);
    if (!WriteNewFile(wideTemporary, bytes)) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      DeleteFileW(wideTemporary.c_str());
      return false;
    }
    if (ReplaceFileAtomically(file, temporary)) return true;
    DeleteFileW(wideTemporary.c_str());
    return false;
  }
  return false;
}

}  // namespace

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, const std::string& file) {
  // As the Windows function does, the default loses its trailing spaces.
  std::string_view defaultValue = fallback;
  while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);

  std::string bytes;
  if (!ValidPath(file) ||
      ReadBytes(win32::ToWidePath(file), kReadLimit, false, bytes) != ProfileRead::kRead) {
    return CutToLimit(std::string(defaultValue));
  }
  const ProfileText profile = Decode(std::move(bytes));
  const std::optional<std::string> value = FindProfileValue(
      profile.text, profile.encoding(), profile.FromSjis(section), profile.FromSjis(key));
  return CutToLimit(value ? profile.ToSjis(*value) : std::string(defaultValue));
}

bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       const std::string& file) {
  if (!ValidPath(file)) return false;
  const std::wstring wide = win32::ToWidePath(file);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    return false;  // a folder, or a file its owner made read-only
  }
  std::string bytes;
  if (exists && ReadBytes(wide, kWriteLimit, true, bytes) != ProfileRead::kRead) return false;

  // A line break in the value would end its line and start others in the file.
  value = value.substr(0, value.find_first_of("\r\n"));
  ProfileText profile = Decode(bytes);
  const std::string changed =
      SetProfileValue(profile.text, profile.encoding(), profile.FromSjis(section),
                      profile.FromSjis(key), profile.FromSjis(value));
  if (exists && changed == profile.text) return true;
  profile.text = changed;
  return ReplaceProfileFile(file, Encode(profile));
}

}  // namespace favpage::platform

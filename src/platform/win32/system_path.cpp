#include "platform/win32/system_path.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace favpage::platform::win32 {
namespace {

constexpr std::wstring_view kVerbatim = L"\\\\?\\";
constexpr std::wstring_view kDevice = L"\\\\.\\";
constexpr std::wstring_view kVerbatimUnc = L"\\\\?\\UNC\\";

bool IsLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool HasDrive(std::wstring_view path) {
  return path.size() >= 2 && IsLetter(path[0]) && path[1] == L':';
}
bool IsUnc(std::wstring_view path) { return path.starts_with(L"\\\\"); }

// A folder from the system ("\\?\C:\x", "\\?\UNC\s\sh\x") in the plain form.
std::wstring WithoutPrefix(std::wstring_view path) {
  if (path.starts_with(kVerbatimUnc)) return L"\\\\" + std::wstring(path.substr(8));
  if (path.starts_with(kVerbatim)) return std::wstring(path.substr(4));
  return std::wstring(path);
}

// The root of an absolute plain path ("C:", "\\server\share") and the rest after it.
void SplitRoot(std::wstring_view path, std::wstring& root, std::wstring_view& rest) {
  if (IsUnc(path)) {
    std::size_t end = path.find(L'\\', 2);                                // after the server
    if (end != std::wstring_view::npos) end = path.find(L'\\', end + 1);  // after the share
    if (end == std::wstring_view::npos) end = path.size();
    root = path.substr(0, end);
    rest = path.substr(end);
    return;
  }
  root = path.substr(0, HasDrive(path) ? 2 : 0);
  rest = path.substr(root.size());
}

// Adds the names of `rest` to `names`: "." is nothing, ".." takes the last name off.
void AddNames(std::wstring_view rest, std::vector<std::wstring_view>& names) {
  while (!rest.empty()) {
    const std::size_t cut = rest.find(L'\\');
    const std::wstring_view name = rest.substr(0, cut);
    rest.remove_prefix(cut == std::wstring_view::npos ? rest.size() : cut + 1);
    if (name.empty() || name == L".") continue;
    if (name == L"..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    names.push_back(name);
  }
}

}  // namespace

std::wstring ResolvePath(std::wstring_view path, std::wstring_view base) {
  if (path.starts_with(kVerbatim) || path.starts_with(kDevice)) return std::wstring(path);
  std::wstring slashed(path);
  for (wchar_t& c : slashed) {
    if (c == L'/') c = L'\\';
  }
  const std::wstring folder = WithoutPrefix(base);
  std::wstring root;
  std::wstring_view rest;
  std::vector<std::wstring_view> names;
  const std::wstring_view typed = slashed;
  if (IsUnc(typed) || (HasDrive(typed) && typed.size() > 2 && typed[2] == L'\\')) {
    SplitRoot(typed, root, rest);  // absolute
  } else {
    SplitRoot(folder, root, rest);
    if (typed.starts_with(L"\\")) {
      rest = typed;  // from the root of the current folder's drive or share
    } else {
      AddNames(rest, names);
      rest = HasDrive(typed) ? typed.substr(2) : typed;  // against the (drive's) folder
    }
  }
  AddNames(rest, names);
  std::wstring resolved = root;
  for (const std::wstring_view name : names) {
    resolved += L'\\';
    resolved += name;
  }
  if (names.empty() || typed.ends_with(L'\\')) resolved += L'\\';
  return resolved;
}

std::wstring AbsolutePath(std::wstring_view path) {
  const auto delimiter = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  const bool unc = path.size() >= 2 && delimiter(path[0]) && delimiter(path[1]);
  const bool driveAbsolute = HasDrive(path) && path.size() > 2 && delimiter(path[2]);
  if (unc || driveAbsolute) return ResolvePath(path, {});
  // "D:x" is relative to the current folder of drive D:, which the system keeps for each
  // drive; GetFullPathNameW of the bare drive gives it. Anything else is relative to the
  // current folder.
  const std::wstring drive = HasDrive(path) ? std::wstring(path.substr(0, 2)) : std::wstring();
  const auto ask = [&](DWORD size, wchar_t* buffer) {
    return drive.empty() ? GetCurrentDirectoryW(size, buffer)
                         : GetFullPathNameW(drive.c_str(), size, buffer, nullptr);
  };
  std::wstring base(ask(0, nullptr), L'\0');
  const DWORD length = base.empty() ? 0 : ask(static_cast<DWORD>(base.size()), base.data());
  if (length == 0 || length >= base.size()) return {};
  base.resize(length);
  return ResolvePath(path, base);
}

bool IsRoot(std::wstring_view absolute) {
  if (IsUnc(absolute)) {
    std::size_t delimiters = 0;
    for (const wchar_t c : absolute) delimiters += c == L'\\' ? 1 : 0;
    return delimiters <= 3 || (delimiters == 4 && absolute.ends_with(L'\\'));
  }
  return HasDrive(absolute) && absolute.size() == 3;
}

std::wstring SystemPath(std::wstring_view path) {
  if (path.starts_with(kVerbatim) || path.starts_with(kDevice)) return std::wstring(path);
  const std::wstring absolute = AbsolutePath(path);
  if (absolute.empty()) return std::wstring(path);  // no current folder: the call fails
  if (IsUnc(absolute)) return std::wstring(kVerbatimUnc) + absolute.substr(2);
  return std::wstring(kVerbatim) + absolute;
}

std::wstring ToSystemPath(std::string_view internalPath) {
  return SystemPath(ToWidePath(internalPath));
}

}  // namespace favpage::platform::win32

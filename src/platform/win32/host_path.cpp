#include "platform/host_path.h"

#include <windows.h>

#include "platform/name_mapping.h"
#include "platform/win32/system_path.h"
#include "platform/win32/wide_text.h"

namespace favpage::platform {

// On Windows the host's delimiter is the core's own "\"; a host path in a byte string is
// UTF-8, and the wide calls get their UTF-16 from the core's path directly.
std::string DisplayPath(std::string_view internalPath) { return std::string(internalPath); }

std::string ToHostPath(std::string_view internalPath) {
  return win32::WideToUtf8(win32::ToWidePath(internalPath));
}

std::string FromHostPath(std::string_view hostPath) {
  return win32::FromWidePath(win32::Utf8ToWide(hostPath));
}

std::string ToHostText(std::string_view internalText) {
  return win32::WideToUtf8(win32::WideFromCodePoints(CodePointsFromInternal(internalText, 0)));
}

std::string FromHostText(std::string_view hostText) {
  return InternalFromCodePoints(win32::CodePointsFromWide(win32::Utf8ToWide(hostText)), 0);
}

// Through the wide form, and by the names alone: the system's own normalization would
// drop a name's closing dots and blanks.
bool AbsoluteUserPath(std::string_view typedUtf8, std::string& internalPath) {
  std::wstring absolute = win32::AbsolutePath(win32::Utf8ToWide(typedUtf8));
  if (absolute.empty()) return false;
  // "C:\a\" names the folder "C:\a"; a root keeps its delimiter.
  if (!win32::IsRoot(absolute) && absolute.ends_with(L'\\')) absolute.pop_back();
  internalPath = win32::FromWidePath(absolute);
  return true;
}

bool UserPathNamesFolder(std::string_view typedUtf8) {
  const std::size_t cut = typedUtf8.find_last_of("/\\:");
  const std::string_view last =
      cut == std::string_view::npos ? typedUtf8 : typedUtf8.substr(cut + 1);
  return last.empty() || last == "." || last == "..";
}

bool UserPathIsFile(std::string_view typedUtf8) {
  const DWORD attributes =
      GetFileAttributesW(win32::SystemPath(win32::Utf8ToWide(typedUtf8)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace favpage::platform

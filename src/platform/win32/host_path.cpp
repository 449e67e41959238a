#include "platform/host_path.h"

#include <filesystem>

#include "platform/name_mapping.h"
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

// Through the wide form: std::filesystem would widen a narrow string byte by byte.
bool AbsoluteUserPath(std::string_view typedUtf8, std::string& internalPath) {
  std::error_code error;
  std::filesystem::path absolute =
      std::filesystem::absolute(win32::Utf8ToWide(typedUtf8), error).lexically_normal();
  if (error) return false;
  // "C:\a\" names the folder "C:\a"; a root keeps its delimiter.
  if (absolute.has_relative_path() && !absolute.has_filename()) absolute = absolute.parent_path();
  internalPath = win32::FromWidePath(absolute.native());
  return true;
}

bool UserPathNamesFolder(std::string_view typedUtf8) {
  const std::size_t cut = typedUtf8.find_last_of("/\\:");
  const std::string_view last =
      cut == std::string_view::npos ? typedUtf8 : typedUtf8.substr(cut + 1);
  return last.empty() || last == "." || last == "..";
}

bool UserPathIsFile(std::string_view typedUtf8) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(win32::Utf8ToWide(typedUtf8), ignored);
}

}  // namespace favpage::platform

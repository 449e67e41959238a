#include "platform/host_path.h"

#include <filesystem>

#include "platform/codepage.h"
#include "text/sjis.h"

namespace favpage::platform {
namespace {

// A host name may hold "\" (or "¥", which code page 932 writes as the same byte 0x5C);
// inside, that byte would be a delimiter and lead to another file, so it becomes "?"
// like any character the core cannot name.
std::string MaskBackslashes(std::string_view utf8) {
  std::string masked;
  masked.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\\') {
      masked += '?';
    } else if (utf8.compare(i, 2, "\xC2\xA5") == 0) {
      masked += '?';
      ++i;
    } else {
      masked += utf8[i];
    }
  }
  return masked;
}

}  // namespace

std::string DisplayPath(std::string_view internalPath) {
  std::string slashed(internalPath);
  for (std::size_t i = 0; i < slashed.size(); i += CharLength(slashed, i)) {
    if (slashed[i] == '\\') slashed[i] = '/';
  }
  return slashed;
}

std::string ToHostPath(std::string_view internalPath) {
  return SjisToUtf8(DisplayPath(internalPath));
}

std::string FromHostPath(std::string_view hostPath) {
  std::string internal = Utf8ToSjis(MaskBackslashes(hostPath));
  for (std::size_t i = 0; i < internal.size(); i += CharLength(internal, i)) {
    if (internal[i] == '/') internal[i] = '\\';
  }
  return internal;
}

bool AbsoluteUserPath(std::string_view typedUtf8, std::string& internalPath) {
  std::error_code error;
  std::string absolute =
      std::filesystem::absolute(std::string(typedUtf8), error).lexically_normal().string();
  if (error) return false;
  while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
  internalPath = FromHostPath(absolute);
  return true;
}

bool UserPathIsFile(std::string_view typedUtf8) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(std::string(typedUtf8), ignored);
}

}  // namespace favpage::platform

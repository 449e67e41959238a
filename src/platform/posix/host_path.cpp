#include "platform/host_path.h"

#include <filesystem>

#include "base/sjis.h"
#include "base/utf8.h"
#include "platform/name_mapping.h"

namespace favpage::platform {
namespace {

std::string EncodeUtf8(std::u32string_view codePoints) {
  std::string out;
  out.reserve(codePoints.size() * 3);
  for (const char32_t cp : codePoints) {
    if (cp >= kRawByteBase + 0x80 && cp <= kRawByteBase + 0xFF) {
      out += static_cast<char>(cp - kRawByteBase);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      // No UTF-8 name holds a lone surrogate: such a reference was typed, not mapped,
      // and stays as it was typed.
      out += NameReference(cp);
    } else {
      AppendUtf8(out, cp);
    }
  }
  return out;
}

// Most names are plain ASCII that the mapping leaves alone: they only swap delimiters.
bool PlainAsciiHostText(std::string_view host) {
  for (std::size_t i = 0; i < host.size(); ++i) {
    const auto c = static_cast<unsigned char>(host[i]);
    if (c < 0x20 || c >= 0x7F || c == '\\' || c == ':' || c == '<' || c == '>' || c == '"') {
      return false;
    }
    if (c == '&' && i + 1 < host.size() && host[i + 1] == '#') return false;
  }
  return true;
}

bool PlainAsciiInternalText(std::string_view internal) {
  for (char c : internal) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return internal.find("&#") == std::string_view::npos;
}

std::string SwapByte(std::string_view text, char from, char to) {
  std::string swapped(text);
  for (char& c : swapped) {
    if (c == from) c = to;
  }
  return swapped;
}

std::string HostFromInternal(std::string_view internal, char32_t delimiter) {
  if (PlainAsciiInternalText(internal)) {
    return delimiter == 0 ? std::string(internal) : SwapByte(internal, '\\', '/');
  }
  return EncodeUtf8(CodePointsFromInternal(internal, delimiter));
}

}  // namespace

std::string DisplayPath(std::string_view internalPath) {
  std::string slashed(internalPath);
  for (std::size_t i = 0; i < slashed.size(); i += CharLength(slashed, i)) {
    if (slashed[i] == '\\') slashed[i] = '/';
  }
  return slashed;
}

// The shortcuts of a folder are opened one after another by paths that share the
// folder's part: that part is converted once and kept for the next path. The mapping
// goes character by character and no name reference holds a "\", so the folder's part
// (up to a delimiter at a character's start) converts the same alone as in the path.
std::string ToHostPath(std::string_view internalPath) {
  std::size_t cut = 0;  // just past the last delimiter
  for (std::size_t i = 0; i < internalPath.size(); i += CharLength(internalPath, i)) {
    if (internalPath[i] == '\\') cut = i + 1;
  }
  if (cut == 0) return HostFromInternal(internalPath, U'/');
  thread_local std::string lastFolder;
  thread_local std::string lastHostFolder;
  const std::string_view folder = internalPath.substr(0, cut);
  if (folder != lastFolder) {
    lastHostFolder = HostFromInternal(folder, U'/');
    lastFolder = folder;
  }
  return lastHostFolder + HostFromInternal(internalPath.substr(cut), U'/');
}

std::string ToHostText(std::string_view internalText) { return HostFromInternal(internalText, 0); }

std::string FromHostText(std::string_view hostText) {
  return InternalFromCodePoints(Utf8ToCodePoints(hostText), 0);
}

std::string FromHostPath(std::string_view hostPath) {
  if (PlainAsciiHostText(hostPath)) return SwapByte(hostPath, '/', '\\');
  return InternalFromCodePoints(Utf8ToCodePoints(hostPath), U'/');
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

bool UserPathNamesFolder(std::string_view typedUtf8) {
  const std::size_t slash = typedUtf8.rfind('/');
  const std::string_view last =
      slash == std::string_view::npos ? typedUtf8 : typedUtf8.substr(slash + 1);
  return last.empty() || last == "." || last == "..";
}

bool UserPathIsFile(std::string_view typedUtf8) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(std::string(typedUtf8), ignored);
}

}  // namespace favpage::platform

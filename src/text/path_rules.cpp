#include "text/path_rules.h"

#include <algorithm>
#include <vector>

#include "base/sjis.h"

namespace favpage {
namespace {

constexpr std::string_view kDelimiters = "\\:";
constexpr std::string_view kExtensionDelimiters = ".\\:";

// The position of the last single-byte character of `chars` in `text`, or npos.
std::size_t LastDelimiter(std::string_view text, std::string_view chars) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = CharLength(text, i);
    if (len == 1 && chars.find(text[i]) != std::string_view::npos) found = i;
    i += len;
  }
  return found;
}

// True when the byte at `pos` is a single-byte character (not the second byte of a
// double-byte one).
bool IsSingleByteAt(std::string_view text, std::size_t pos) {
  std::size_t i = 0;
  while (i < pos) i += CharLength(text, i);
  return i == pos && CharLength(text, pos) == 1;
}

// Splits a folder text at "\"; a leading "\" gives an empty first component, and the
// empty component after a closing "\" is left out.
std::vector<std::string> SplitFolders(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t len = CharLength(path, i);
    if (len == 1 && path[i] == '\\') {
      parts.push_back(current);
      current.clear();
    } else {
      current.append(path.substr(i, len));
    }
    i += len;
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

// A leading path without its drive. The drive reaches past the leading path when
// the path is nothing but a share name ("\\srv\share"): then nothing of it is left.
std::string_view FoldersAfterDrive(std::string_view leadingPath, std::size_t driveLength) {
  return leadingPath.substr(std::min(driveLength, leadingPath.size()));
}

}  // namespace

std::string ExtractFileName(std::string_view path) {
  const std::size_t last = LastDelimiter(path, kDelimiters);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ExtractFilePath(std::string_view path) {
  const std::size_t last = LastDelimiter(path, kDelimiters);
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string ExtractFileDir(std::string_view path) {
  const std::size_t last = LastDelimiter(path, kDelimiters);
  if (last == std::string_view::npos) return {};
  const bool rootDelimiter =
      last == 0 || (IsSingleByteAt(path, last - 1) &&
                    kDelimiters.find(path[last - 1]) != std::string_view::npos);
  if (path[last] == '\\' && !rootDelimiter) return std::string(path.substr(0, last));
  return std::string(path.substr(0, last + 1));
}

std::string ExtractFileExt(std::string_view path) {
  const std::size_t last = LastDelimiter(path, kExtensionDelimiters);
  if (last == std::string_view::npos || path[last] != '.') return {};
  return std::string(path.substr(last));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  std::size_t last = LastDelimiter(path, kExtensionDelimiters);
  if (last == std::string_view::npos || path[last] != '.') last = path.size();
  std::string result(path.substr(0, last));
  result.append(ext);
  return result;
}

std::string RemoveFileExt(std::string_view path) { return ChangeFileExt(path, ""); }

std::string ExtractFileDrive(std::string_view path) {
  // A lead byte takes the byte after it, so "x:" is a drive only when x is single-byte.
  if (path.size() >= 2 && path[1] == ':' && CharLength(path, 0) == 1) {
    return std::string(path.substr(0, 2));
  }
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    int delimiters = 0;
    for (std::size_t i = 2; i < path.size();) {
      const std::size_t len = CharLength(path, i);
      if (len == 1 && path[i] == '\\' && ++delimiters == 2) return std::string(path.substr(0, i));
      i += len;
    }
    return std::string(path);
  }
  return {};
}

std::string ExtractRelativePath(std::string_view base, std::string_view dest) {
  const std::string baseDrive = ExtractFileDrive(base);
  const std::string destDrive = ExtractFileDrive(dest);
  if (!SameTextAscii(baseDrive, destDrive)) return std::string(dest);

  const std::string baseFolders = ExtractFilePath(base);
  const std::string destFolders = ExtractFilePath(dest);
  const std::vector<std::string> baseParts =
      SplitFolders(FoldersAfterDrive(baseFolders, baseDrive.size()));
  const std::vector<std::string> destParts =
      SplitFolders(FoldersAfterDrive(destFolders, destDrive.size()));
  std::size_t common = 0;
  while (common < baseParts.size() && common < destParts.size() &&
         SameTextAscii(baseParts[common], destParts[common])) {
    ++common;
  }

  std::string result;
  for (std::size_t i = common; i < baseParts.size(); ++i) result += "..\\";
  for (std::size_t i = common; i < destParts.size(); ++i) {
    if (i == common && destParts[i].empty()) continue;
    result += destParts[i];
    result += '\\';
  }
  result += ExtractFileName(dest);
  return result;
}

std::string IncludeTrailingBackslash(std::string_view path) {
  std::string result(path);
  const std::size_t last = LastDelimiter(path, "\\");
  if (path.empty() || last != path.size() - 1) result += '\\';
  return result;
}

}  // namespace favpage

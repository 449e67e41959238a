#include "generate/manifest.h"

#include "base/sjis.h"

namespace favpage {
namespace {

constexpr std::string_view kFirstLine = "favpage published files 1";
constexpr std::size_t kHashLength = 64;
constexpr std::string_view kLineEnd = "\r\n";

bool IsHash(std::string_view text) {
  if (text.size() != kHashLength) return false;
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

// A name of a file beside the top page: not empty, not "." or "..", and without a
// delimiter or a control character; the second byte of a double-byte character is no
// delimiter.
bool IsPlainName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (std::size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (CharLength(name, i) != 1) continue;
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || c == 0x7F || c == '\\' || c == ':' || c == '/') return false;
  }
  return true;
}

}  // namespace

std::string ManifestText(const std::vector<ManifestEntry>& entries) {
  std::string text(kFirstLine);
  text += kLineEnd;
  for (const ManifestEntry& entry : entries) {
    text += entry.hash;
    text += ' ';
    text += entry.name;
    text += kLineEnd;
  }
  return text;
}

std::optional<std::vector<ManifestEntry>> ParseManifest(std::string_view text) {
  std::vector<ManifestEntry> entries;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      if (line != kFirstLine) return std::nullopt;
      first = false;
      continue;
    }
    if (line.size() < kHashLength + 2 || line[kHashLength] != ' ') return std::nullopt;
    const std::string_view hash = line.substr(0, kHashLength);
    const std::string_view name = line.substr(kHashLength + 1);
    if (!IsHash(hash) || !IsPlainName(name)) return std::nullopt;
    entries.push_back({std::string(name), std::string(hash)});
  }
  if (first) return std::nullopt;
  return entries;
}

}  // namespace favpage

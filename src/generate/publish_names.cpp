#include "generate/publish_names.h"

#include "platform/file_ops.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

constexpr char kManifestSuffix[] = ".favpage";
constexpr char kClaimSuffix[] = ".favpage-lock";
constexpr char kStagingSuffix[] = ".favpage-";
constexpr char kSubPageExtension[] = ".html";

bool IsLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// "_0", "_12_3": one or more indexes, each "_" and a number without leading zeros.
bool IsIndexChain(std::string_view text) {
  if (text.empty()) return false;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '_') return false;
    const std::size_t start = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    const std::size_t digits = i - start;
    if (digits == 0 || (digits > 1 && text[start] == '0')) return false;
  }
  return true;
}

}  // namespace

std::string ManifestName(std::string_view topName) {
  return std::string(topName) + kManifestSuffix;
}

std::string ClaimName(std::string_view topName) {
  return "." + std::string(topName) + kClaimSuffix;
}

std::string StagingPrefix(std::string_view topName) {
  return "." + std::string(topName) + kStagingSuffix;
}

bool IsStagingName(std::string_view name, std::string_view topName) {
  const std::string prefix = StagingPrefix(topName);
  if (name.size() != prefix.size() + platform::kStagingSuffixLength ||
      name.substr(0, prefix.size()) != prefix) {
    return false;
  }
  for (const char c : name.substr(prefix.size())) {
    if (!IsLetterOrDigit(c)) return false;
  }
  return true;
}

bool IsPageName(std::string_view name, std::string_view topName) {
  if (name == topName) return true;
  // Sub-pages are named as the tree walk names them: the extension replaced.
  const std::string base = RemoveFileExt(topName);
  if (name.size() <= base.size() + sizeof kSubPageExtension - 1 ||
      name.substr(0, base.size()) != base ||
      name.substr(name.size() - (sizeof kSubPageExtension - 1)) != kSubPageExtension) {
    return false;
  }
  return IsIndexChain(
      name.substr(base.size(), name.size() - base.size() - (sizeof kSubPageExtension - 1)));
}

}  // namespace favpage

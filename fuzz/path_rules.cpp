// The path rules on any bytes: no exception, every part a prefix or suffix of its path
// cut between two characters, and the relative path of a folder below a base folder is
// exactly what was appended to the base.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

using fuzz::IsCharBoundary;

bool EndsWithBackslash(std::string_view text) {
  return !text.empty() && text.back() == '\\' && IsCharBoundary(text, text.size() - 1);
}

bool HasDelimiter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (CharLength(text, i) == 1 && (text[i] == '\\' || text[i] == ':')) return true;
  }
  return false;
}

void CheckParts(const std::string& path, const std::string& newExt) {
  const std::string name = ExtractFileName(path);
  const std::string leading = ExtractFilePath(path);
  FUZZ_CHECK(leading + name == path);
  FUZZ_CHECK(IsCharBoundary(path, leading.size()));
  FUZZ_CHECK(!HasDelimiter(name));
  FUZZ_CHECK(leading.empty() || HasDelimiter(leading.substr(leading.size() - 1)));

  const std::string dir = ExtractFileDir(path);
  FUZZ_CHECK(leading.starts_with(dir) && dir.size() + 1 >= leading.size());
  FUZZ_CHECK(IsCharBoundary(path, dir.size()));
  FUZZ_CHECK(dir.empty() == leading.empty());

  const std::string ext = ExtractFileExt(path);
  FUZZ_CHECK(name.ends_with(ext) && (ext.empty() || ext.front() == '.'));
  FUZZ_CHECK(IsCharBoundary(path, path.size() - ext.size()));
  FUZZ_CHECK(RemoveFileExt(path) + ext == path);
  FUZZ_CHECK(ChangeFileExt(path, newExt) == RemoveFileExt(path) + newExt);

  const std::string drive = ExtractFileDrive(path);
  FUZZ_CHECK(path.starts_with(drive) && IsCharBoundary(path, drive.size()));

  const std::string withBackslash = IncludeTrailingBackslash(path);
  FUZZ_CHECK(withBackslash.starts_with(path) && withBackslash.size() <= path.size() + 1);
  // A lead byte left open at the end takes the "\" appended as its second byte.
  if (!fuzz::EndsWhole(path)) return;
  FUZZ_CHECK(EndsWithBackslash(withBackslash));
  FUZZ_CHECK(IncludeTrailingBackslash(withBackslash) == withBackslash);
}

void CheckRelative(const std::string& base, const std::string& below) {
  const std::string dest = base + below;
  const std::string relative = ExtractRelativePath(base, dest);
  if (!SameTextAscii(ExtractFileDrive(base), ExtractFileDrive(dest))) {
    FUZZ_CHECK(relative == dest);
    return;
  }
  FUZZ_CHECK(relative.ends_with(ExtractFileName(dest)));
  // A folder below a folder base: the names appended, as the folder heading needs them.
  const bool belowBase = EndsWithBackslash(base) && EndsWithBackslash(below) &&
                         !(below.front() == '\\') &&
                         ExtractFileDrive(base) == ExtractFileDrive(dest);
  if (belowBase) FUZZ_CHECK(relative == below);
  FUZZ_CHECK(ExtractRelativePath(base, base).empty() || !EndsWithBackslash(base));
}

}  // namespace
}  // namespace favpage

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = favpage::fuzz::Fields(data, size, 3);
  favpage::CheckParts(fields[0], fields[1]);
  favpage::CheckParts(fields[2], fields[1]);
  favpage::CheckRelative(fields[0], fields[2]);
  (void)favpage::ExtractRelativePath(fields[2], fields[0]);
  return 0;
}

#include "settings/title_file.h"

#include <optional>
#include <string_view>

#include "base/io_error.h"
#include "base/messages.h"
#include "base/sjis.h"
#include "platform/file_ops.h"
#include "platform/folders.h"
#include "platform/host_file.h"
#include "platform/host_path.h"
#include "settings/settings_file.h"

namespace favpage {
namespace {

constexpr char kCrLf[] = "\r\n";

// A title file this large is not one the title edit could hold; reading stops there
// instead of filling memory with whatever lies at the path.
constexpr std::size_t kTitleFileLimit = 16 * 1024 * 1024;

bool IsLineEndByte(char byte) { return byte == '\r' || byte == '\n'; }

// Every CR LF, lone LF and lone CR becomes CR LF; a double-byte character is passed over
// whole. CR and LF are never the second byte of one, so a lead byte before them (a file
// that is not Shift_JIS, a cut character) stands alone and the line still ends there.
std::string NormaliseLineEnds(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16);
  for (std::size_t i = 0; i < bytes.size();) {
    if (IsLineEndByte(bytes[i])) {
      const bool pair = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
      text += kCrLf;
      i += pair ? 2 : 1;
      continue;
    }
    std::size_t len = CharLength(bytes, i);
    if (len == 2 && IsLineEndByte(bytes[i + 1])) len = 1;
    text.append(bytes.substr(i, len));
    i += len;
  }
  return text;
}

// The whole file, or the host's error code.
int ReadWholeFile(const std::string& path, std::string& bytes) {
  platform::HostFile file;
  if (const int code = file.Open(path, platform::FileAccess::kRead, platform::FileShare::kRead);
      code != 0) {
    return code;
  }
  char buffer[64 * 1024];
  for (;;) {
    std::size_t got = 0;
    if (const int code = file.Read(buffer, sizeof buffer, got); code != 0) return code;
    if (got == 0) break;
    bytes.append(buffer, got);
    if (bytes.size() > kTitleFileLimit) return kTitleFileTooLarge;
  }
  return file.Close();
}

Error CreateError(const std::string& path, int code) {
  return Error(FormatText(msg::kCannotCreateFileFormat, platform::DisplayPath(path),
                          platform::SystemErrorText(code)));
}

std::string WithAddedLine(const std::string& text, const std::string& line) {
  return text.empty() || text.ends_with(kCrLf) ? text + line + kCrLf : text + kCrLf + line;
}

// LoadTitleFile; `stored` becomes the text that an unedited edit must give back for a
// save to store what this load stands for: the file's whole text with its line ends made
// CR LF, or the edit's text with the fallback title added for a missing file. Empty
// when the file exists but could not be loaded.
TitleLoad LoadTitle(const std::string& path, TitleText& edit, std::optional<std::string>& stored,
                    int& failure) {
  stored.reset();
  std::string bytes;
  const int code = ReadWholeFile(path, bytes);
  failure = code;
  if (code == 0) {
    // The edit takes its text as a C string: whatever follows a NUL never reaches it.
    const std::string whole = NormaliseLineEnds(bytes);
    const std::string text = whole.substr(0, whole.find('\0'));
    if (text == edit.Text() || edit.SetText(text)) {
      stored = whole;
      return TitleLoad::kLoaded;
    }
  }
  const std::string withFallback = WithAddedLine(edit.Text(), FallbackTitle());
  edit.SetText(withFallback);
  if (code != io_code::kFileNotFound) return TitleLoad::kFailed;
  stored = withFallback;
  return TitleLoad::kMissing;
}

}  // namespace

std::string FallbackTitle() {
  return "\x8E\x84\x82\xCC\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8";  // 私のお気に入り
}

void AddTitleLine(TitleText& edit, const std::string& line) {
  edit.SetText(WithAddedLine(edit.Text(), line));
}

TitleLoad LoadTitleFile(const std::string& path, TitleText& edit) {
  int failure = 0;
  return LoadTitleFile(path, edit, failure);
}

TitleLoad LoadTitleFile(const std::string& path, TitleText& edit, int& failure) {
  std::optional<std::string> stored;
  return LoadTitle(path, edit, stored, failure);
}

bool LoadTitleLines(const std::string& path, TitleText& edit) {
  return LoadTitleFile(path, edit) == TitleLoad::kLoaded;
}

void SaveTitleLines(const std::string& path, const TitleText& edit) {
  PrepareStoredFilesFolder(path);
  const int code = platform::ReplaceFileContents(path, edit.Text());
  // A full disk shows as a short write; every other failure as the file not created.
  if (code == io_code::kDiskFull) throw Error(msg::kStreamWriteError);
  if (code != 0) throw CreateError(path, code);
}

TitleLoad TitleFileGuard::Load(const std::string& path, TitleText& edit) {
  int failure = 0;
  return LoadTitle(path, edit, loaded_, failure);
}

bool TitleFileGuard::Save(const std::string& path, const TitleText& edit) const {
  const std::string text = edit.Text();
  // Unedited, the edit must give back what the load stood for: a text it could not hold
  // as loaded (bytes that are not Shift_JIS, characters with two codes, text after a NUL)
  // comes back changed, and storing it would damage the file the user never touched.
  if (!edited_ && (!loaded_ || text != *loaded_)) return false;
  SaveTitleLines(path, edit);
  return true;
}

}  // namespace favpage

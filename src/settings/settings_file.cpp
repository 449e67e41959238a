#include "settings/settings_file.h"

#include <utility>

#include "base/io_error.h"
#include "base/messages.h"
#include "platform/folders.h"
#include "platform/host_path.h"
#include "platform/profile.h"
#include "text/path_rules.h"

namespace favpage {

std::string SettingsFilePath(const std::string& exePath) { return ChangeFileExt(exePath, ".INI"); }

std::string TitleFilePath(const std::string& exePath) { return ChangeFileExt(exePath, ".tit"); }

namespace {

// The folder "favpage" in the user's configuration folder; empty when there is none.
std::string ConfigFilesFolder() {
  std::string config = platform::UserConfigFolder();
  if (config.empty()) return {};
  if (config.back() == '\\') config.pop_back();
  return config + "\\favpage\\";
}

}  // namespace

std::string StoredFilesFolder(const std::string& exeFolder) {
  if (platform::FolderWritable(exeFolder)) return exeFolder;
  // Without a configuration folder there is nowhere better: a write beside the program
  // then fails with the message that names the file.
  const std::string config = ConfigFilesFolder();
  return config.empty() ? exeFolder : config;
}

void PrepareStoredFilesFolder(const std::string& filePath) {
  const std::string folder = ExtractFilePath(filePath);
  // A folder that cannot be made is reported by the write that needs it, which names the file.
  if (!folder.empty() && folder == ConfigFilesFolder()) (void)platform::CreateFolderTree(folder);
}

std::string StoredSettingsPath(const std::string& exePath) {
  return SettingsFilePath(StoredFilesFolder(ExtractFilePath(exePath)) + ExtractFileName(exePath));
}

std::string StoredTitlePath(const std::string& exePath) {
  return TitleFilePath(StoredFilesFolder(ExtractFilePath(exePath)) + ExtractFileName(exePath));
}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

SettingsFile SettingsFile::ReadOnce(std::string path) {
  SettingsFile file(std::move(path));
  // A file too large to be written is still read: its choices reach the window, and only
  // the write at shut-down is refused.
  file.snapshot_ =
      std::make_shared<const platform::ProfileSnapshot>(file.path_, platform::kSettingsReadLimit);
  return file;
}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  if (snapshot_) return snapshot_->ReadString(section, key, fallback);
  return platform::ProfileSnapshot(path_, platform::kSettingsReadLimit)
      .ReadString(section, key, fallback);
}

std::int32_t SettingsFile::ReadInteger(std::string_view section, std::string_view key,
                                       std::int32_t fallback) const {
  return ParseInteger(ReadString(section, key, "")).value_or(fallback);
}

bool SettingsFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  snapshot_.reset();  // what was read is no longer the file
  PrepareStoredFilesFolder(path_);
  if (!platform::WriteProfileValue(section, key, value, path_)) {
    throw Error(FormatText(msg::kCannotWriteFormat, platform::DisplayPath(path_)));
  }
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key,
                                std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace favpage

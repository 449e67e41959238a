#include "settings/settings_file.h"

#include <utility>

#include "platform/host_path.h"
#include "platform/profile.h"
#include "text/io_error.h"
#include "text/messages.h"
#include "text/path_rules.h"

namespace favpage {

std::string SettingsFilePath(const std::string& exePath) { return ChangeFileExt(exePath, ".INI"); }

std::string TitleFilePath(const std::string& exePath) { return ChangeFileExt(exePath, ".tit"); }

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  return platform::ReadProfileString(section, key, fallback, path_);
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

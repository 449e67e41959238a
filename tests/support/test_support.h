// Helpers shared by the core tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace favpage::test {

// The Shift_JIS bytes of a UTF-8 text (through the host's CP932 conversion).
std::string Sjis(std::string_view utf8);

// A folder of its own for one test, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& host() const { return path_; }
  // The folder in the core's dialect (Shift_JIS, "\" delimiters), without a closing "\".
  std::string internal() const;
  // A path below the folder in the core's dialect; `relativeUtf8` uses "/" or "\".
  std::string internal(std::string_view relativeUtf8) const;
  // A host path below the folder.
  std::filesystem::path hostPath(std::string_view relativeUtf8) const;

 private:
  std::filesystem::path path_;
};

// Sets (or, given nullptr, removes) one environment variable for the life of the object
// and puts the old value back.
class EnvOverride {
 public:
  EnvOverride(const char* name, const char* value);
  ~EnvOverride();
  EnvOverride(const EnvOverride&) = delete;
  EnvOverride& operator=(const EnvOverride&) = delete;

 private:
  static void Set(const char* name, const char* value);  // null removes the variable

  std::string name_;
  bool hadValue_ = false;
  std::string old_;
};

// Whole-file helpers on host paths; bytes as they are.
std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// Gives an existing file or folder whose name begins with "." the host's hidden mark: a
// POSIX host hides a dot name by itself, Windows needs the hidden attribute.
void MarkHidden(const std::filesystem::path& path);

// Makes a symbolic link to a folder; false where the host cannot make one (Wine cannot).
bool LinkFolder(const std::filesystem::path& target, const std::filesystem::path& link);

// Joins lines, each ended by CR LF.
std::string CrLfLines(std::initializer_list<std::string_view> lines);

// Writes an Internet shortcut file holding URL=`url` below `dir` (creating folders).
void WriteShortcut(const std::filesystem::path& file, std::string_view url);

}  // namespace favpage::test

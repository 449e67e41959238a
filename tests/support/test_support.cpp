#include "support/test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/codepage.h"
#include "platform/host_path.h"

namespace favpage::test {

std::string Sjis(std::string_view utf8) { return platform::Utf8ToSjis(utf8); }

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "favpage-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests make files read-only; give the owner write access back so removal succeeds.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    std::filesystem::permissions(
        it->path(), std::filesystem::perms::owner_all,
        std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

EnvOverride::EnvOverride(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    hadValue_ = true;
    old_ = old;
  }
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
}

EnvOverride::~EnvOverride() {
  if (hadValue_) {
    setenv(name_.c_str(), old_.c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

std::string TempDir::internal() const { return platform::FromHostPath(path_.string()); }

std::string TempDir::internal(std::string_view relativeUtf8) const {
  // Through the host mapping, so that a name Shift_JIS cannot spell still names its file.
  return platform::FromHostPath(hostPath(relativeUtf8).string());
}

std::filesystem::path TempDir::hostPath(std::string_view relativeUtf8) const {
  std::string relative(relativeUtf8);
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  return path_ / relative;
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string CrLfLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

void WriteShortcut(const std::filesystem::path& file, std::string_view url) {
  WriteBytes(file, CrLfLines({"[DEFAULT]", std::string("BASEURL=").append(url),
                              "[InternetShortcut]", std::string("URL=").append(url)}));
}

}  // namespace favpage::test

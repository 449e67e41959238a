#include "support/test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/codepage.h"
#include "platform/host_path.h"

namespace favpage::test {

namespace {

// Paths through their UTF-8 form: a narrow string would be widened byte by byte on
// Windows, turning every non-ASCII name into another one.
std::filesystem::path PathOfUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8OfPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace

std::string Sjis(std::string_view utf8) { return platform::Utf8ToSjis(utf8); }

TempDir::TempDir() {
  // A name nobody else holds, made with create_directory, which fails on an existing one.
  static std::mt19937_64 random{std::random_device{}()};
  const std::filesystem::path temp = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate =
        temp / ("favpage-test-" + std::to_string(random() % 1000000000000ULL));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder in " + Utf8OfPath(temp));
}

TempDir::~TempDir() {
  // On Windows through the "\\?\" form, so that names the system's path rules would
  // change ("trail.", "CON.url") are reached and removed too.
#ifdef _WIN32
  const std::filesystem::path root = L"\\\\?\\" + path_.wstring();
#else
  const std::filesystem::path& root = path_;
#endif
  std::error_code error;
  // Tests make files read-only; give the owner write access back so removal succeeds.
  for (auto it = std::filesystem::recursive_directory_iterator(root, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    std::filesystem::permissions(
        it->path(), std::filesystem::perms::owner_all,
        std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, error);
    error.clear();
  }
  std::filesystem::remove_all(root, error);
}

EnvOverride::EnvOverride(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    hadValue_ = true;
    old_ = old;
  }
  Set(name, value);
}

EnvOverride::~EnvOverride() { Set(name_.c_str(), hadValue_ ? old_.c_str() : nullptr); }

void EnvOverride::Set(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value != nullptr ? value : "");  // an empty value removes the variable
#else
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
#endif
}

std::string TempDir::internal() const { return platform::FromHostPath(Utf8OfPath(path_)); }

std::string TempDir::internal(std::string_view relativeUtf8) const {
  // Through the host mapping, so that a name Shift_JIS cannot spell still names its file.
  return platform::FromHostPath(hostPath(relativeUtf8).string());
}

std::filesystem::path TempDir::hostPath(std::string_view relativeUtf8) const {
  std::string relative(relativeUtf8);
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  return (path_ / PathOfUtf8(relative)).make_preferred();
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + Utf8OfPath(file));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Utf8OfPath(file));
}

void MarkHidden(const std::filesystem::path& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN)) {
    throw std::runtime_error("cannot hide " + Utf8OfPath(path));
  }
#else
  if (path.filename().string().front() != '.') {
    throw std::runtime_error("a POSIX host hides only dot names: " + path.string());
  }
#endif
}

bool LinkFolder(const std::filesystem::path& target, const std::filesystem::path& link) {
  std::error_code error;
  std::filesystem::create_directory_symlink(target, link, error);
  return !error;
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

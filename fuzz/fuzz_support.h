// What the fuzz targets share: splitting an input into fields, Shift_JIS well-formedness,
// a failing check that libFuzzer reports as a crash, and a scratch folder for file tests.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "platform/host_path.h"

namespace favpage::fuzz {

// A broken property: print it and abort, which libFuzzer records as a crash with its input.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

// The input cut into `count` fields at its first `count` - 1 NUL bytes; missing fields are
// empty, and the last field keeps the rest, NUL bytes included.
inline std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size,
                                       std::size_t count) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> fields;
  while (fields.size() + 1 < count) {
    const std::size_t nul = rest.find('\0');
    fields.emplace_back(rest.substr(0, nul));
    rest.remove_prefix(nul == std::string_view::npos ? rest.size() : nul + 1);
  }
  fields.emplace_back(rest);
  return fields;
}

// The input cut at every NUL byte (one field for an input without any).
inline std::vector<std::string> AllFields(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> fields;
  for (;;) {
    const std::size_t nul = rest.find('\0');
    fields.emplace_back(rest.substr(0, nul));
    if (nul == std::string_view::npos) return fields;
    rest.remove_prefix(nul + 1);
  }
}

// True when `pos` lies between two characters of `text`, never after a lead byte.
inline bool IsCharBoundary(std::string_view text, std::size_t pos) {
  std::size_t i = 0;
  while (i < pos) i += CharLength(text, i);
  return i == pos;
}

// True when no lead byte of `text` stands alone at its end, so appending to the text
// cannot join its last byte with the first byte appended.
inline bool EndsWhole(std::string_view text) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
  return last == std::string_view::npos || !IsLeadByte(static_cast<unsigned char>(text[last])) ||
         last + 1 < text.size();
}

// True when every lead byte of `text` is followed by a byte that can end a CP932
// character (0x40-0x7E, 0x80-0xFC): blanks, line ends, "=" or a missing byte after a lead
// byte make text that no Shift_JIS editor or file system produces.
inline bool IsWellFormedSjis(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsLeadByte(static_cast<unsigned char>(text[i]))) continue;
    if (++i == text.size()) return false;
    const auto trail = static_cast<unsigned char>(text[i]);
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
  }
  return true;
}

// A folder of its own for one fuzzing process, removed when the process ends normally.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/favpage-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    host_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(host_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // A file of the folder, in the core's path dialect.
  std::string internal(std::string_view name) const {
    return platform::FromHostPath(host_ + "/" + std::string(name));
  }
  std::string host(std::string_view name) const { return host_ + "/" + std::string(name); }

 private:
  std::string host_;
};

}  // namespace favpage::fuzz

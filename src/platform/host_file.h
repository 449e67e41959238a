// Files on the host, opened with the sharing rules of the system's text files.
// Every call answers with a code: 0 for success, else the error code a Windows user
// would see (2 missing file, 3 missing folder or invalid name, 4 too many open files,
// 5 denied or read-only, 32 sharing conflict, 101 disk full on write, or the host's own).
// Paths are in the core's dialect (Shift_JIS, "\" delimiters).
#pragma once

#include <cstddef>
#include <string>

#include "platform/native_handle.h"

namespace favpage::platform {

enum class FileAccess {
  kRead,    // the file must exist
  kCreate,  // an existing file is emptied, a missing one created
  kAppend,  // the file must exist; writing continues at its end
};

enum class FileShare {
  kRead,  // others may read the file meanwhile, not write it
  kNone,  // no other opener at all while this one is open
};

// One open file. Within this process, an open that conflicts with the access or the
// sharing of an open HostFile fails with 32 before it changes anything, as on Windows.
// A file without its owner's write bit is read-only: opening it for writing fails with 5
// for every user, root included.
class HostFile {
 public:
  HostFile() = default;
  HostFile(const HostFile&) = delete;
  HostFile& operator=(const HostFile&) = delete;
  HostFile(HostFile&& other) noexcept;
  HostFile& operator=(HostFile&& other) noexcept;
  ~HostFile();  // closes quietly

  [[nodiscard]] int Open(const std::string& path, FileAccess access, FileShare share);
  [[nodiscard]] bool IsOpen() const { return handle_ != kNoHandle; }
  // Reads up to `capacity` bytes; `got` is 0 at the end of the file.
  [[nodiscard]] int Read(char* buffer, std::size_t capacity, std::size_t& got);
  // Writes all `size` bytes or fails (101 when the disk is full).
  [[nodiscard]] int Write(const char* data, std::size_t size);
  [[nodiscard]] int Close();

 private:
  NativeHandle handle_ = kNoHandle;
  unsigned long long registration_ = 0;
};

}  // namespace favpage::platform

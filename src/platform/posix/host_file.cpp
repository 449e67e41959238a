#include "platform/host_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/io_error.h"
#include "platform/host_path.h"
#include "platform/posix/error_codes.h"
#include "platform/posix/open_file_registry.h"
#include "platform/posix/unique_fd.h"

namespace favpage::platform {
namespace {

using posix::OpenErrorCode;
using posix::TransferErrorCode;

constexpr int kInvalidHandle = 6;  // a call on a file that is not open

// Whether an opened descriptor may be kept: regular files always; a character device
// (such as /dev/null) only for writing, since reading one may never end or block;
// folders, FIFOs, sockets and block devices never. A file without its owner's write
// bit refuses writing even to root, unless this open has just created it.
int AdmitFile(const struct stat& info, FileAccess access, bool created) {
  const bool writing = access != FileAccess::kRead;
  if (S_ISREG(info.st_mode)) {
    if (writing && !created && (info.st_mode & S_IWUSR) == 0) return io_code::kAccessDenied;
    return 0;
  }
  if (S_ISCHR(info.st_mode) && writing) return 0;
  return io_code::kAccessDenied;
}

int OpenDescriptor(const std::string& host, FileAccess access, bool& created) {
  // O_NONBLOCK keeps an open of a FIFO or a device from waiting; it is cleared again
  // once the file is known to be one we keep.
  int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  flags |= access == FileAccess::kRead ? O_RDONLY : O_WRONLY;
  if (access == FileAccess::kAppend) flags |= O_APPEND;
  created = false;
  // No O_TRUNC: an existing file may only be emptied after the sharing check.
  int fd = open(host.c_str(), flags);
  if (fd < 0 && errno == ENOENT && access == FileAccess::kCreate) {
    fd = open(host.c_str(), flags | O_CREAT | O_EXCL, 0666);
    created = fd >= 0;
    if (fd < 0 && errno == EEXIST) fd = open(host.c_str(), flags);
  }
  return fd;
}

}  // namespace

int HostFile::Open(const std::string& path, FileAccess access, FileShare share) {
  (void)Close();  // a file still open is let go of quietly
  const std::string host = ToHostPath(path);
  // A path that ends in a delimiter names a folder, never a file.
  if (host.empty() || host.back() == '/' || host.find('\0') != std::string::npos) {
    return io_code::kPathNotFound;
  }

  bool created = false;
  posix::UniqueFd file(OpenDescriptor(host, access, created));
  if (!file.Valid()) return OpenErrorCode(errno, host);
  const int fd = file.Get();

  struct stat info {};
  int code = fstat(fd, &info) == 0 ? AdmitFile(info, access, created) : TransferErrorCode(errno);
  const posix::FileIdentity identity{info.st_dev, info.st_ino};
  if (code == 0 && posix::ConflictsWithOpenFiles(identity, access, share)) {
    code = io_code::kSharingViolation;
  }
  if (code == 0 && access == FileAccess::kCreate && S_ISREG(info.st_mode) && !created &&
      ftruncate(fd, 0) != 0) {
    code = TransferErrorCode(errno);
  }
  if (code == 0 && fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    code = TransferErrorCode(errno);
  }
  if (code != 0) return code;
  handle_ = file.Release();
  registration_ = posix::RegisterOpenFile(identity, access, share);
  return 0;
}

int HostFile::Read(char* buffer, std::size_t capacity, std::size_t& got) {
  got = 0;
  if (!IsOpen()) return kInvalidHandle;
  for (;;) {
    const ssize_t n = read(static_cast<int>(handle_), buffer, capacity);
    if (n >= 0) {
      got = static_cast<std::size_t>(n);
      return 0;
    }
    if (errno != EINTR) return TransferErrorCode(errno);
  }
}

int HostFile::Write(const char* data, std::size_t size) {
  if (!IsOpen()) return kInvalidHandle;
  while (size > 0) {
    const ssize_t n = write(static_cast<int>(handle_), data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return TransferErrorCode(errno);
    if (n == 0) return io_code::kDiskFull;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

int HostFile::Close() {
  if (!IsOpen()) return 0;
  posix::UnregisterOpenFile(std::exchange(registration_, 0));
  // The descriptor is gone after close whatever it answers, so it is never retried.
  posix::UniqueFd file(static_cast<int>(std::exchange(handle_, kNoHandle)));
  const int error = file.Close();
  return error == 0 ? 0 : TransferErrorCode(error);
}

}  // namespace favpage::platform

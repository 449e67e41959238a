#include "platform/posix/error_codes.h"

#include <sys/stat.h>

#include <cerrno>

#include "base/io_error.h"

namespace favpage::platform::posix {

namespace {

// A code a Windows user sees where the table of the text files has none of its own.
constexpr int kIoDeviceError = 1117;  // EIO; its own number 5 would read "access denied"

bool ParentFolderExists(const std::string& host) {
  const std::size_t slash = host.rfind('/');
  if (slash == host.size() - 1) return false;  // the path names no file at all
  std::string parent = ".";
  if (slash == 0)
    parent = "/";
  else if (slash != std::string::npos)
    parent = host.substr(0, slash);
  struct stat info {};
  return stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int OpenErrorCode(int error, const std::string& host) {
  switch (error) {
    case ENOENT:
      return ParentFolderExists(host) ? io_code::kFileNotFound : io_code::kPathNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
      return io_code::kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:  // Windows refuses to open a folder as a file with "access denied"
    case ENXIO:
      return io_code::kAccessDenied;  // a FIFO without reader, a vanished device
    case ETXTBSY:
      return io_code::kSharingViolation;
    case EMFILE:
    case ENFILE:
      return io_code::kTooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
      return io_code::kDiskFull;
    case EIO:
      return kIoDeviceError;
    default:
      return error;
  }
}

int TransferErrorCode(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return io_code::kDiskFull;
    case EACCES:
    case EPERM:
      return io_code::kAccessDenied;
    case EIO:
      return kIoDeviceError;
    default:
      return error;
  }
}

}  // namespace favpage::platform::posix

// What a host file does the same on every host: it is moved by handing over its handle
// and its place in the open-file registry, and closed when it goes.
#include "platform/host_file.h"

#include <utility>

namespace favpage::platform {

HostFile::HostFile(HostFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)),
      registration_(std::exchange(other.registration_, 0)) {}

HostFile& HostFile::operator=(HostFile&& other) noexcept {
  if (this != &other) {
    (void)Close();  // the file it held goes quietly, as in the destructor
    handle_ = std::exchange(other.handle_, kNoHandle);
    registration_ = std::exchange(other.registration_, 0);
  }
  return *this;
}

// A file its owner did not close has no one left to tell of a failed close.
HostFile::~HostFile() { (void)Close(); }

}  // namespace favpage::platform

// The owner of a POSIX file descriptor: closed exactly once, when its owner goes or is
// reset, however the scope is left. Nothing else closes a descriptor by hand.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace favpage::platform::posix {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() { Reset(); }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // Closes what is held and takes `fd`.
  void Reset(int fd = -1) {
    const int old = std::exchange(fd_, fd);
    if (old >= 0) close(old);
  }
  // Hands the descriptor over to the caller, who closes it.
  [[nodiscard]] int Release() { return std::exchange(fd_, -1); }
  // Closes now: 0, or the errno of a close that failed (one that could not write what was
  // buffered). The descriptor is gone either way, so it is never closed again; EINTR
  // counts as closed.
  [[nodiscard]] int Close() {
    const int old = std::exchange(fd_, -1);
    if (old < 0 || close(old) == 0 || errno == EINTR) return 0;
    return errno;
  }

 private:
  int fd_ = -1;
};

}  // namespace favpage::platform::posix

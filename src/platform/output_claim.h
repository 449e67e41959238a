// A run's exclusive claim on its output page, held across processes: two runs (two
// favpage-cli processes, or the window and a scheduled job) that publish the same page
// must not interleave their lines. The claim is the host's own lock on the page file, so
// it goes away with the process however the process ends, and it leaves no marker file
// behind. It is a claim between runs only: it never refuses this process's own opens of
// the page (HostFile and its sharing rules do not see it).
// POSIX takes an advisory whole-file lock on an open description of the page; a Windows
// host takes the same claim with share modes.
#pragma once

#include <string>

#include "platform/native_handle.h"

namespace favpage::platform {

class OutputClaim {
 public:
  OutputClaim() = default;
  OutputClaim(const OutputClaim&) = delete;
  OutputClaim& operator=(const OutputClaim&) = delete;
  ~OutputClaim();  // releases quietly

  // Claims the page `path` (core dialect; its folder must exist). A missing page is
  // created empty to carry the claim, and removed again on release when the run left it
  // empty. Answers 0, 32 when another run holds the claim, or the code that opening the
  // page would give (3 missing folder, 5 denied, ...). Never waits.
  [[nodiscard]] int Claim(const std::string& path);
  [[nodiscard]] bool IsHeld() const { return handle_ != kNoHandle; }
  void Release();

 private:
  NativeHandle handle_ = kNoHandle;  // carries the claim
  std::string host_;                 // the claimed page on the host
  bool created_ = false;             // the claim made the page
};

}  // namespace favpage::platform

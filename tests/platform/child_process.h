// Runs a check in a forked child, for tests that need another user or other limits than
// the test process (which runs as root in CI) may change for itself.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace favpage::test {

inline constexpr int kChildCannotDropPrivileges = 250;
inline constexpr uid_t kNobody = 65534;

// The exit code of `body` run in a child process (-1 when the child did not exit).
inline int RunInChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// The exit code of `body` run as the user "nobody"; kChildCannotDropPrivileges when the
// child cannot become that user.
inline int RunAsNobody(const std::function<int()>& body) {
  return RunInChild([&] {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) return kChildCannotDropPrivileges;
    return body();
  });
}

// A child process that runs `setUp`, tells the parent its result, and then holds on to
// whatever it set up until it is killed: another program in the middle of its work.
class WaitingChild {
 public:
  explicit WaitingChild(const std::function<int()>& setUp) {
    int channel[2];
    if (pipe(channel) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(channel[0]);
      const unsigned char result = static_cast<unsigned char>(setUp());
      if (write(channel[1], &result, 1) != 1) _exit(1);
      for (;;) pause();
    }
    close(channel[1]);
    unsigned char result = 0;
    if (pid_ > 0 && read(channel[0], &result, 1) == 1) result_ = result;
    close(channel[0]);
  }
  WaitingChild(const WaitingChild&) = delete;
  WaitingChild& operator=(const WaitingChild&) = delete;
  ~WaitingChild() { Kill(); }

  // The result of `setUp` (-1 when the child did not report one).
  int setUpResult() const { return result_; }

  // Ends the child as a crash or `kill -9` would: nothing of it runs any more.
  void Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int result_ = -1;
};

}  // namespace favpage::test

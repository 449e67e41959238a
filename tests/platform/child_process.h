// Runs a check in a forked child, for tests that need another user or other limits than
// the test process (which runs as root in CI) may change for itself.
#pragma once

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

}  // namespace favpage::test

// Runs the real favpage-cli as a separate process and collects its exit code and streams.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/child_process.h"
#include "support/test_support.h"

namespace favpage::test {

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline constexpr int kCannotBecomeNobody = 126;

// Runs the real binary with `args`, HOME set to `home`, in the folder `cwd`; as the user
// "nobody" when `asNobody` (exit code kCannotBecomeNobody when that is refused). The
// locale is LANG=`lang` alone, so a run speaks English unless a test asks otherwise.
inline Outcome RunBinary(const std::vector<std::string>& args, const std::filesystem::path& home,
                         const std::filesystem::path& cwd, bool asNobody = false,
                         const char* lang = "C.UTF-8") {
  const std::filesystem::path outFile = cwd / "stdout.txt";
  const std::filesystem::path errFile = cwd / "stderr.txt";
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(cwd.c_str()) != 0 || !freopen(outFile.c_str(), "w", stdout) ||
        !freopen(errFile.c_str(), "w", stderr)) {
      _exit(127);
    }
    setenv("HOME", home.c_str(), 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", lang, 1);
    if (asNobody && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(kCannotBecomeNobody);
    }
    std::vector<char*> argv{const_cast<char*>(FAVPAGE_CLI_BINARY)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(FAVPAGE_CLI_BINARY, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  Outcome outcome;
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.out = ReadBytes(outFile);
  outcome.err = ReadBytes(errFile);
  std::filesystem::remove(outFile);
  std::filesystem::remove(errFile);
  return outcome;
}

}  // namespace favpage::test

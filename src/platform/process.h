// The running process as the host sees it.
#pragma once

namespace favpage::platform {

// True when the process runs with the host's superuser rights (root on POSIX). Windows
// has no such user in this sense: false there.
[[nodiscard]] bool RunningAsSuperuser();

// Sets an environment variable of this process (UTF-8 name and value), for libraries that
// read their options from the environment before they start.
void SetProcessEnvironment(const char* name, const char* value);
// The same, only where the environment has no such variable: the user's own setting wins.
void SetProcessEnvironmentDefault(const char* name, const char* value);

}  // namespace favpage::platform

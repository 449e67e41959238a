#include "platform/process.h"

#include <unistd.h>

#include <cstdlib>

namespace favpage::platform {

bool RunningAsSuperuser() { return geteuid() == 0; }

void SetProcessEnvironment(const char* name, const char* value) { setenv(name, value, 1); }

void SetProcessEnvironmentDefault(const char* name, const char* value) { setenv(name, value, 0); }

}  // namespace favpage::platform

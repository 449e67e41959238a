#include "platform/process.h"

#include <cstdlib>

#include "platform/win32/wide_text.h"

namespace favpage::platform {

bool RunningAsSuperuser() { return false; }

void SetProcessEnvironment(const char* name, const char* value) {
  _wputenv_s(win32::Utf8ToWide(name).c_str(), win32::Utf8ToWide(value).c_str());
}

void SetProcessEnvironmentDefault(const char* name, const char* value) {
  if (_wgetenv(win32::Utf8ToWide(name).c_str()) == nullptr) SetProcessEnvironment(name, value);
}

}  // namespace favpage::platform

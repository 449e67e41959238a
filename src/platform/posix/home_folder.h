// The user's home folder on this host, in host form: $HOME, else the password database's.
#pragma once

#include <string>

namespace favpage::platform {

std::string HomeFolder();

}  // namespace favpage::platform

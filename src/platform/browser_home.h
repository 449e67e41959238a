// What each host tells the host-neutral profile search: where a browser keeps its profiles
// for this user, and a host path in the core's dialect.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace favpage::platform {

// The folder holding `browser`'s profiles (the Chromium family's user data, or the folder
// of Firefox's profiles.ini); empty for a browser this host does not know or no home.
std::filesystem::path BrowserHome(std::string_view browser);

// A host path as the core names it (through the reversible name mapping).
std::string InternalPathOf(const std::filesystem::path& hostPath);

}  // namespace favpage::platform

// favpage-cli --list-folders: the chosen source's folders, one a line, each exactly the
// text --folder takes for it.
#pragma once

#include <ostream>

#include "settings/settings_state.h"

namespace favpage::cli {

// Prints every folder of the whole source that `state` names (its SourceFolder aside),
// in the source's order, depth first; the top is the empty path and is not printed.
// Raises as OpenLinkSource does when the source cannot be read.
void PrintFolderList(const SettingsState& state, std::ostream& out);

}  // namespace favpage::cli

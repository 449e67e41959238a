// The create command: checks the output name, runs the walk that OutType selects and
// installs the chosen style sheet beside the output page.
#pragma once

#include <string>

#include "base/run_host.h"
#include "generate/page_generator.h"
#include "settings/settings_state.h"

namespace favpage {

// Runs one generation. An empty OutName shows the confirmation message and returns
// without a run. Otherwise `progress` is told RunStarted, then RunEnded also when an
// error leaves the command. `exeFolder` (ending in "\") holds the style sheets.
GenerationStats RunGenerationCommand(const SettingsState& state, const TitleLines& titles,
                                     Progress& progress, MessageSink& messages,
                                     const std::string& exeFolder);

// Copies the style sheet of StyleType from `exeFolder` into the output page's folder.
void InstallStyleSheet(const SettingsState& state, const std::string& exeFolder);

}  // namespace favpage

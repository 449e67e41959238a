#include "cli/cli_folders.h"

#include <memory>

#include "generate/source_factory.h"
#include "generate/source_folders.h"

namespace favpage::cli {

void PrintFolderList(const SettingsState& state, std::ostream& out) {
  const std::unique_ptr<LinkSource> source = OpenWholeSource(state);
  const std::vector<FolderNode> outline = ReadFolderOutline(*source);
  // No indent: a line is taken by --folder as it stands. The path text escapes every
  // control character, so no name can break a line or reach the terminal as a command.
  ForEachFolderPath(outline, [&out](std::size_t, const std::string& path) { out << path << '\n'; });
}

}  // namespace favpage::cli

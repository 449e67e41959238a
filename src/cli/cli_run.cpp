#include "cli/cli_run.h"

#include <chrono>
#include <cstdio>

#include "cli/terminal_host.h"
#include "generate/generation_command.h"
#include "platform/codepage.h"
#include "platform/folders.h"
#include "platform/host_path.h"
#include "settings/settings_file.h"
#include "settings/title_file.h"
#include "text/io_error.h"
#include "text/messages.h"
#include "text/path_rules.h"

namespace favpage::cli {
namespace {

// The window program's files, which the CLI shares when they lie beside it.
constexpr char kWindowSettingsName[] = "favpage.INI";
constexpr char kWindowTitleName[] = "favpage.tit";

// A host path from the command line, made absolute against the current folder, in the
// core's dialect and without a closing "\" (a root keeps it). An empty path stays empty,
// for the run's own checks to report; a relative one with no current folder to resolve it
// against (the folder was removed) is a path that cannot be found.
std::string InternalPath(const std::string& hostPath) {
  if (hostPath.empty()) return {};
  std::string internal;
  if (!platform::AbsoluteUserPath(hostPath, internal)) throw IoError(io_code::kPathNotFound);
  return internal;
}

bool FileExists(const std::string& hostPath) { return platform::UserPathIsFile(hostPath); }

void ApplyOptions(const CliOptions& options, SettingsState& state) {
  if (options.out) state.OutName = InternalPath(*options.out);
  if (options.outType) state.OutType = static_cast<std::uint8_t>(*options.outType);
  if (options.styleType) state.StyleType = *options.styleType;
  if (options.blank) state.SetBlank = *options.blank;
  if (options.returnLink) state.ReturnFlag = *options.returnLink;
  if (options.returnCaption) state.ReturnLine = platform::Utf8ToSjis(*options.returnCaption);
  if (options.returnUrl) state.ReturnURL = platform::Utf8ToSjis(*options.returnUrl);
}

// The favorites folder named on the command line, or the user's; false when neither
// is an existing folder.
bool LocateFavorites(const CliOptions& options, SettingsState& state) {
  if (!options.favorites) return platform::FavoritesFolder(state.FavoritePath);
  state.FavoritePath = InternalPath(*options.favorites);
  return platform::DirectoryExists(state.FavoritePath);
}

void LoadTitles(const CliOptions& options, const std::string& exeFolder, MemoryTitleText& titles) {
  if (!options.titles.empty()) {
    std::string text;
    for (const std::string& title : options.titles) text += platform::Utf8ToSjis(title) + "\r\n";
    titles.SetText(text);
    return;
  }
  if (options.titleFile && !FileExists(*options.titleFile)) {
    throw IoError(io_code::kFileNotFound);
  }
  LoadTitleLines(
      options.titleFile ? InternalPath(*options.titleFile) : exeFolder + kWindowTitleName, titles);
}

void PrintSummary(std::ostream& out, const GenerationStats& stats, double seconds) {
  char elapsed[32];
  std::snprintf(elapsed, sizeof elapsed, "%.3f", seconds);
  out << stats.pages << (stats.pages == 1 ? " page" : " pages") << ", " << stats.links
      << (stats.links == 1 ? " link" : " links") << ", " << stats.folders
      << (stats.folders == 1 ? " folder" : " folders") << " in " << elapsed << " s\n";
}

}  // namespace

int RunCli(const CliOptions& options, const std::string& exePath, std::ostream& out,
           std::ostream& err) {
  if (options.help) {
    out << UsageText();
    return kExitSuccess;
  }
  if (options.version) {
    out << "favpage-cli " << FAVPAGE_VERSION << '\n';
    return kExitSuccess;
  }
  if (options.settingsFile && !FileExists(*options.settingsFile)) {
    err << "favpage-cli: no settings file " << *options.settingsFile << '\n';
    return kExitUsage;
  }

  const auto started = std::chrono::steady_clock::now();
  const std::string exeFolder = ExtractFilePath(exePath);
  try {
    const SettingsFile settings(options.settingsFile ? InternalPath(*options.settingsFile)
                                                     : exeFolder + kWindowSettingsName);
    SettingsState state = ReadStoredSettings(settings);
    ApplyOptions(options, state);
    if (!LocateFavorites(options, state)) {
      err << platform::SjisToUtf8(msg::kFavoritesNotFound) << '\n';
      return kExitFailure;
    }
    MemoryTitleText titles;
    LoadTitles(options, exeFolder, titles);

    TerminalProgress progress(err, options.quiet);
    TerminalMessages messages(err);
    const GenerationStats stats =
        RunGenerationCommand(state, titles, progress, messages, exeFolder);
    if (messages.shown()) return kExitFailure;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (!options.quiet) PrintSummary(out, stats, elapsed.count());
    return kExitSuccess;
  } catch (const Error& error) {
    err << platform::SjisToUtf8(DisplayMessage(error.what())) << '\n';
    return kExitFailure;
  }
}

int CliMain(const std::vector<std::string>& args, const std::string& exePath, std::ostream& out,
            std::ostream& err) {
  CliOptions options;
  try {
    options = ParseCliArguments(args);
  } catch (const UsageError& error) {
    err << "favpage-cli: " << error.what() << "\n\n" << UsageText();
    return kExitUsage;
  }
  return RunCli(options, exePath, out, err);
}

}  // namespace favpage::cli

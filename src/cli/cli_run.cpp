#include "cli/cli_run.h"

#include <utility>

#include "base/build_info.h"
#include "base/io_error.h"
#include "base/messages.h"
#include "cli/cli_folders.h"
#include "cli/cli_report.h"
#include "cli/cli_texts.h"
#include "cli/terminal_host.h"
#include "generate/generation_command.h"
#include "generate/memory_title_text.h"
#include "generate/source_factory.h"
#include "platform/codepage.h"
#include "platform/dir_search.h"
#include "platform/folders.h"
#include "platform/host_path.h"
#include "settings/settings_file.h"
#include "settings/title_file.h"
#include "text/path_rules.h"

namespace favpage::cli {
namespace {

// A failure the CLI's own checks find: its message (Shift_JIS), and the path it is about
// as the user typed it or as the host names it (empty for none), which is printed as it
// stands.
class CheckFailure : public Error {
 public:
  explicit CheckFailure(const std::string& message, std::string hostPath = {})
      : Error(message, platform::FromHostPath(hostPath)), hostPath_(std::move(hostPath)) {}
  const std::string& hostPath() const { return hostPath_; }

 private:
  std::string hostPath_;
};

// One failure line, in the run's language: "favpage-cli: PATH: message".
void PrintFailure(std::ostream& err, const Texts& texts, const std::string& hostPath,
                  const std::string& message) {
  std::string line = hostPath.empty() ? "" : hostPath + ": ";
  line += texts.Message(message);
  err << kProgramPrefix << OneLine(line) << '\n';
}

std::string HostPathOf(const std::string& internalPath) {
  return internalPath.empty() ? "" : platform::ToHostPath(internalPath);
}

// A host path from the command line, made absolute against the current folder, in the
// core's dialect and without a closing "\" (a root keeps it). An empty path stays empty,
// for the run's own checks to report; a relative one with no current folder to resolve it
// against (the folder was removed) is a path that cannot be found.
std::string InternalPath(const std::string& hostPath) {
  if (hostPath.empty()) return {};
  std::string internal;
  if (!platform::AbsoluteUserPath(hostPath, internal)) {
    throw IoError(io_code::kPathNotFound).AboutPath(platform::FromHostPath(hostPath));
  }
  return internal;
}

// The output page as an internal path. A name that ends in a separator, "." or ".." names
// a folder, never a page: refused before anything is written, rather than taken for the
// folder's own name (which would overwrite a file of that name or write one).
std::string OutputPagePath(const std::string& hostPath) {
  if (!hostPath.empty() && platform::UserPathNamesFolder(hostPath)) {
    throw IoError(io_code::kPathNotFound).AboutPath(platform::FromHostPath(hostPath));
  }
  return InternalPath(hostPath);
}

bool FileExists(const std::string& hostPath) { return platform::UserPathIsFile(hostPath); }

void ApplyOptions(const CliOptions& options, SettingsState& state) {
  if (options.out) state.OutName = OutputPagePath(*options.out);
  if (options.outType) state.OutType = static_cast<std::uint8_t>(*options.outType);
  if (options.styleType) state.StyleType = *options.styleType;
  if (options.blank) state.SetBlank = *options.blank;
  if (options.returnLink) state.ReturnFlag = *options.returnLink;
  if (options.returnCaption) state.ReturnLine = platform::Utf8ToSjis(*options.returnCaption);
  if (options.returnUrl) state.ReturnURL = platform::Utf8ToSjis(*options.returnUrl);
  if (options.charset)
    state.Charset = *options.charset == 1 ? PageCharset::kUtf8 : PageCharset::kShiftJis;
  if (options.keepScriptLinks) state.ScriptLinks = true;
  if (options.folder) state.SourceFolder = platform::FromHostText(*options.folder);
  if (options.format)
    state.Format = *options.format == 1 ? PageFormat::kHtml5 : PageFormat::kClassic;
}

// Whether the walks can search the folder: it exists and the host lets this user list it.
// The walks' own search answers, so the check holds for every user, root included.
bool Searchable(const std::string& folder) {
  platform::DirSearch search;
  platform::FindData found;
  return !folder.empty() &&
         search.First(folder + "\\*.*", platform::attr::kDirectory | platform::attr::kHidden,
                      found);
}

// The source the command line names, or the stored one. A folder is a favorites folder,
// checked as --favorites is; a browser keeps its name (and the profile), found at the
// run; anything else is a bookmarks file, read at the run.
void ChooseSource(const CliOptions& options, SettingsState& state) {
  if (options.favorites) state.Source.clear();
  if (options.source) {
    state.Source.clear();
    if (IsBrowserName(*options.source)) {
      state.Source = *options.source;
    } else if (const std::string path = InternalPath(*options.source);
               platform::DirectoryExists(path)) {
      state.FavoritePath = path;
      if (!Searchable(state.FavoritePath))
        throw CheckFailure(msg::kFavoritesNotFound, *options.source);
    } else {
      state.Source = path;
    }
  }
  if (options.profile) {
    const std::string browser = state.Source.substr(0, state.Source.find(':'));
    if (!IsBrowserName(browser)) throw CheckFailure(msg::kProfileNeedsBrowser);
    // A profile is a name, never a path: its "/" and "\\" are its own.
    state.Source = browser + ":" + platform::FromHostText(*options.profile);
  }
}

// The favorites folder named on the command line, or the user's. A folder that is
// missing or cannot be searched would give a page without links (or no page) while
// reporting success, so it is an error.
void LocateFavorites(const CliOptions& options, SettingsState& state) {
  if (!state.Source.empty()) return;  // the links come from elsewhere
  if (options.source) return;         // a folder, checked as it was chosen
  if (!options.favorites) {
    if (!platform::FavoritesFolder(state.FavoritePath)) throw CheckFailure(msg::kFavoritesNotFound);
    if (!Searchable(state.FavoritePath)) {
      throw CheckFailure(msg::kFavoritesNotFound, platform::ToHostPath(state.FavoritePath));
    }
    return;
  }
  state.FavoritePath = InternalPath(*options.favorites);
  if (!Searchable(state.FavoritePath))
    throw CheckFailure(msg::kFavoritesNotFound, *options.favorites);
}

// The title lines: those of --title, else the named title file (which must load), else
// the window's title file (or the fallback title).
void LoadTitles(const CliOptions& options, const std::string& exeFolder, MemoryTitleText& titles) {
  if (!options.titles.empty()) {
    std::string text;
    for (const std::string& title : options.titles) text += platform::Utf8ToSjis(title) + "\r\n";
    titles.SetText(text);
    return;
  }
  if (!options.titleFile) {
    LoadTitleLines(StoredTitlePath(exeFolder + kWindowProgramName), titles);
    return;
  }
  // A file the user named is one they expect on the page: publishing the fallback
  // title instead would be a silent wrong result.
  const std::string path = InternalPath(*options.titleFile);
  int failure = 0;
  if (LoadTitleFile(path, titles, failure) == TitleLoad::kLoaded) return;
  if (failure > 0) throw IoError(failure).AboutPath(platform::FromHostPath(*options.titleFile));
  throw CheckFailure(msg::kTitleFileTooLarge, *options.titleFile);
}

}  // namespace

int RunCli(const CliOptions& options, const std::string& exePath, std::ostream& out,
           std::ostream& err, msg::Language language) {
  const Texts texts(language);
  if (options.help) {
    out << HelpText(language);
    return kExitSuccess;
  }
  if (options.version) {
    out << "favpage-cli " << kProgramVersion << '\n';
    return kExitSuccess;
  }
  if (options.settingsFile && !FileExists(*options.settingsFile)) {
    err << kProgramPrefix << OneLine(*options.settingsFile + ": " + texts.Say(msg::kNoSettingsFile))
        << '\n'
        << texts.Say(msg::kTryHelp) << '\n';
    return kExitUsage;
  }

  const std::string exeFolder = ExtractFilePath(exePath);
  try {
    const SettingsFile settings(options.settingsFile
                                    ? InternalPath(*options.settingsFile)
                                    : StoredSettingsPath(exeFolder + kWindowProgramName));
    SettingsState state = ReadStoredSettings(settings);
    ApplyOptions(options, state);
    ChooseSource(options, state);
    LocateFavorites(options, state);
    if (options.listFolders) {
      PrintFolderList(state, out);
      return kExitSuccess;
    }
    MemoryTitleText titles;
    LoadTitles(options, exeFolder, titles);

    TerminalProgress progress(out, texts, options.verbose, ExtractFilePath(state.OutName));
    TerminalMessages messages(err, texts);
    const GenerationStats stats =
        RunGenerationCommand(state, titles, progress, messages, exeFolder);
    // Warnings are printed even when quiet: they name what the pages lack.
    for (const RunWarning& warning : stats.warnings) err << WarningLine(texts, warning) << '\n';
    if (messages.shown()) return kExitFailure;
    if (!options.quiet) out << SummaryLine(texts, stats, HostPathOf(state.OutName)) << '\n';
    return kExitSuccess;
  } catch (const CheckFailure& failure) {
    PrintFailure(err, texts, failure.hostPath(), failure.what());
  } catch (const Error& error) {
    PrintFailure(err, texts, HostPathOf(error.path()), error.what());
  }
  return kExitFailure;
}

int CliMain(const std::vector<std::string>& args, const std::string& exePath, std::ostream& out,
            std::ostream& err, msg::Language language) {
  const Texts texts(language);
  // Nothing leaves favpage-cli unreported: an error the run does not know (memory
  // exhausted, a failure of the standard library) still ends it with a message and 1.
  try {
    CliOptions options;
    try {
      options = ParseCliArguments(args);
    } catch (const UsageError& error) {
      err << kProgramPrefix << OneLine(texts.Say(error.text(), error.values())) << '\n'
          << texts.Say(msg::kTryHelp) << '\n';
      return kExitUsage;
    }
    return RunCli(options, exePath, out, err, language);
  } catch (const std::exception& error) {
    err << kProgramPrefix << OneLine(error.what()) << '\n';
  } catch (...) {
    err << kProgramPrefix << texts.Say(msg::kUnexpectedError) << '\n';
  }
  return kExitFailure;
}

}  // namespace favpage::cli

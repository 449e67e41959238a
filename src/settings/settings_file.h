// The settings file beside the executable: its location, the reader/writer made for each
// use, and the keys of section "Setup" with their defaults.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile.h"
#include "settings/settings_state.h"

namespace favpage {

inline constexpr char kSetupSection[] = "Setup";

// The keys of section "Setup" and their defaults: the one place the window, the CLI and
// the tests take them from.
namespace setup_key {
inline constexpr char kOutName[] = "OutName";
inline constexpr char kOutType[] = "OutType";
inline constexpr char kReturnFlag[] = "ReturnFlag";
inline constexpr char kReturnLine[] = "ReturnLine";
inline constexpr char kReturnURL[] = "ReturnURL";
inline constexpr char kStyleType[] = "StyleType";
inline constexpr char kSetBlank[] = "SetBlank";
inline constexpr char kOutputDir[] = "OutputDir";
// Written only when they differ from the favorites folder and Shift_JIS pages (or to
// undo an earlier choice), so a file that never chose them stays as it was.
inline constexpr char kSource[] = "Source";
inline constexpr char kCharset[] = "Charset";
// Written only when script links are kept, likewise.
inline constexpr char kScriptLinks[] = "ScriptLinks";
// The window's place: written only when it differs from where the window is laid out.
inline constexpr char kWindowLeft[] = "WindowLeft";
inline constexpr char kWindowTop[] = "WindowTop";
inline constexpr char kWindowWidth[] = "WindowWidth";
inline constexpr char kWindowHeight[] = "WindowHeight";
// Written only when one folder of the source is chosen (or to undo an earlier choice).
inline constexpr char kSourceFolder[] = "SourceFolder";
// Written only once the pages are HTML5 (or to undo that choice).
inline constexpr char kPageFormat[] = "PageFormat";
}  // namespace setup_key

inline constexpr char kDefaultReturnLine[] =
    "\x82\x67\x82\x6F\x82\xC9\x96\xDF\x82\xE9";  // ＨＰに戻る
// The project's home page, where a return link points until the user names another.
inline constexpr char kDefaultReturnURL[] = "https://favpage.example.org/";

// The window program's name, whose settings and title files favpage-cli shares with it
// when no others are named.
inline constexpr char kWindowProgramName[] = "favpage";

// The executable's path with its extension replaced by ".INI" / ".tit".
std::string SettingsFilePath(const std::string& exePath);
std::string TitleFilePath(const std::string& exePath);

// The folder (with its closing "\") that keeps the settings and title files of the
// program in `exeFolder`: that folder itself when this user may write it, so a portable
// copy keeps its files beside it; otherwise, as for a copy installed in a system folder,
// the folder "favpage" in the user's configuration folder, which the first write creates.
// Decided anew for every use, as the files' paths are.
std::string StoredFilesFolder(const std::string& exeFolder);

// SettingsFilePath / TitleFilePath of the program at `exePath`, in its StoredFilesFolder:
// where the window reads and writes its settings and title lines.
std::string StoredSettingsPath(const std::string& exePath);
std::string StoredTitlePath(const std::string& exePath);

// Creates the user's configuration folder for favpage (and the folders above it) when
// `filePath` lies in it and it is missing, so the first write of a setting or the title
// lines finds it. Any other folder is left alone: a write into a missing folder is
// refused as before.
void PrepareStoredFilesFolder(const std::string& filePath);

// The number rules of the settings file: blanks, sign, decimal or "$"/"x"/"0x"
// hexadecimal, 32-bit range; nothing when the text is not such a number.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// A reader/writer of one settings file, made for one use and released at its end.
// Every read and write goes to the file at once.
class SettingsFile {
 public:
  explicit SettingsFile(std::string path);
  // A reader/writer that reads the file once, now, and answers every read from what it
  // read, as start-up needs when it takes in all the settings together. A write still goes
  // to the file at once, and the reads after it go to the file again.
  static SettingsFile ReadOnce(std::string path);

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  // Each raises Error("<path> に書き込めません", path as the user sees it) when refused.
  // A file in the user's configuration folder for favpage creates that folder first.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::shared_ptr<const platform::ProfileSnapshot> snapshot_;  // set by ReadOnce
};

// The stored settings as start-up reads them, defaults for missing keys (and for an
// unknown Charset), OutType cut to its low 8 bits. FavoritePath is not stored and keeps the
// placeholder.
SettingsState ReadStoredSettings(const SettingsFile& file);

// The stored values of Charset.
inline constexpr char kCharsetShiftJis[] = "shift_jis";
inline constexpr char kCharsetUtf8[] = "utf-8";
// The charset a stored (or typed) name stands for; nothing for an unknown name.
std::optional<PageCharset> ParseCharset(std::string_view name);

// The values of PageFormat; anything else reads as the classic format.
inline constexpr char kPageFormatClassic[] = "classic";
inline constexpr char kPageFormatHtml5[] = "html5";

// Shut-down: writes the seven keys in their order, then Source, Charset, ScriptLinks,
// SourceFolder and PageFormat
// when they are chosen or were stored before; the first refused write raises.
void WriteStoredSettings(SettingsFile& file, const SettingsState& state);

// The main window's place: the screen position of its frame's top-left corner and the
// size of its client area in pixels at 96 pixels per inch, which is the size the window's
// layout gives.
struct WindowPlace {
  std::int32_t left = 335;
  std::int32_t top = 114;
  std::int32_t width = 480;
  std::int32_t height = 565;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The stored place; the laid-out place for missing keys.
WindowPlace ReadWindowPlace(const SettingsFile& file);
// Writes each key that differs from the laid-out place, or that an earlier run stored,
// so a window never moved leaves the file as it was; the first refused write raises.
void WriteWindowPlace(SettingsFile& file, const WindowPlace& place);

// The folder the browse command last chose a file in (OutputDir); empty when none is
// stored.
std::string ReadOutputDir(const SettingsFile& file);
// Stores the folder part of `chosenFile` (a drive root keeps its "\") as OutputDir.
void WriteOutputDir(SettingsFile& file, const std::string& chosenFile);

}  // namespace favpage

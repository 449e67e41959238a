// The command line of favpage-cli: its options (one table that the parser, the help and the
// tests all read), the parser and the help text.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_error.h"
#include "base/messages.h"

namespace favpage::cli {

// What the command line asks for; an unset optional keeps the stored setting.
// Texts are as given (UTF-8, host paths).
struct CliOptions {
  std::optional<std::string> favorites;
  std::optional<std::string> source;   // a folder, a bookmarks file or a browser's name
  std::optional<std::string> profile;  // the browser profile to read
  std::optional<int> charset;          // 0 Shift_JIS, 1 UTF-8
  std::optional<std::string> out;
  std::optional<int> outType;    // 0 single, 1 tree
  std::optional<int> styleType;  // 0 none, 1 to 3 the style sheets 0 to 2
  std::optional<bool> blank;
  std::optional<bool> returnLink;  // --no-return: false; a caption or URL: true
  std::optional<std::string> returnCaption;
  std::optional<std::string> returnUrl;
  std::vector<std::string> titles;
  std::optional<std::string> titleFile;
  std::optional<std::string> settingsFile;
  bool keepScriptLinks = false;  // publish script links, whatever the settings say
  std::optional<int> format;     // 0 classic, 1 HTML5
  bool quiet = false;            // -q: nothing but warnings and errors
  bool verbose = false;          // -v: a line per page too; the last of -q and -v counts
  bool help = false;
  bool version = false;
  std::optional<std::string> folder;  // the one folder to publish, a path text; "": the whole
  bool listFolders = false;           // print the source's folders instead of a run
};

// A command line that cannot be understood: a text of the message table and the values
// (UTF-8, as typed) that fill it. what() is the English.
class UsageError : public Error {
 public:
  explicit UsageError(const char* text, std::vector<std::string> values = {});
  const char* text() const { return text_; }
  const std::vector<std::string>& values() const { return values_; }

 private:
  const char* text_;
  std::vector<std::string> values_;
};

// The groups the help shows the options in.
enum class OptionGroup { kSource, kPages, kMessages };

// One option of favpage-cli.
struct OptionSpec {
  std::string_view name;   // the long name, "--out"
  char letter;             // the short name's letter ('o' for "-o"), or '\0'
  std::string_view value;  // what it takes, as the help names it ("FILE"); empty: nothing
  std::span<const std::string_view> choices;  // the only values it takes; empty: any
  OptionGroup group;
  const char* help;            // its line of the help, a text of the message table
  std::string (*helpValue)();  // what fills the "%s" of its help line; or none
  void (*apply)(CliOptions& options, const OptionSpec& spec, const std::string& value);
};

// Every option, in the order the help lists them.
std::span<const OptionSpec> Options();

// Parses the arguments after the program name; raises UsageError. Long options take their
// value as "--out FILE" or "--out=FILE", short ones as "-o FILE" or "-oFILE"; short
// options without a value may share one argument ("-qv"); "--" ends the options.
CliOptions ParseCliArguments(const std::vector<std::string>& args);

// The text --help prints, in `language`, no line wider than kHelpWidth terminal columns.
inline constexpr int kHelpWidth = 80;
std::string HelpText(msg::Language language);

// The columns a terminal gives the UTF-8 text: two for a wide (East Asian) character, one
// for any other.
int DisplayWidth(std::string_view utf8);

// `paragraph` (UTF-8, one line) broken into lines of at most `columns` columns. Breaks
// fall at blanks (which they take away) and beside wide characters, never before closing
// punctuation or after an opening bracket. A word wider than a line stands on its own.
std::vector<std::string> WrapText(std::string_view paragraph, int columns);

}  // namespace favpage::cli

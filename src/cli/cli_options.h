// The command line of favpage-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/io_error.h"

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
  bool quiet = false;
  bool help = false;
  bool version = false;
};

// A command line that cannot be understood; the message says what is wrong, in the
// terminal's own text (UTF-8), as the arguments came.
class UsageError : public Error {
 public:
  using Error::Error;
};

// Parses the arguments after the program name; raises UsageError.
CliOptions ParseCliArguments(const std::vector<std::string>& args);

// The usage text printed by --help and after a usage error.
std::string UsageText();

}  // namespace favpage::cli

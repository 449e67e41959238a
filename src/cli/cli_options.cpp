#include "cli/cli_options.h"

#include <functional>
#include <map>

#include "cli/run_texts.h"
#include "platform/folders.h"

namespace favpage::cli {
namespace {

int ChoiceIndex(const std::string& option, const std::string& value,
                const std::vector<std::string>& choices) {
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i] == value) return static_cast<int>(i);
  }
  std::string allowed;
  for (const std::string& choice : choices) allowed += (allowed.empty() ? "" : "|") + choice;
  throw UsageError(option + " takes " + allowed + ", not '" + value + "'");
}

// A title given on the command line may hold line breaks (CR LF, LF or CR); each break
// starts a new title line, as it would in the title file.
void AddTitleLines(const std::string& value, std::vector<std::string>& titles) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\r' && value[i] != '\n') continue;
    titles.push_back(value.substr(start, i - start));
    if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    start = i + 1;
  }
  titles.push_back(value.substr(start));
}

// The return link is one line of the page: a line break would cut its markup in two.
const std::string& OneLine(const std::string& option, const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos) {
    throw UsageError(option + " cannot hold a line break");
  }
  return value;
}

}  // namespace

std::string UsageText() {
  return std::string(
             "usage: favpage-cli [--favorites DIR | --source SOURCE [--profile NAME]]\n"
             "                   [--out FILE] [--type single|tree] [--charset shift_jis|utf-8]\n"
             "                   [--style none|0|1|2] [--blank | --no-blank]\n"
             "                   [--return-caption TEXT --return-url URL | --no-return]\n"
             "                   [--title TEXT]... [--title-file FILE] [--settings FILE]\n"
             "                   [--keep-script-links] [--quiet] [--help] [--version]\n"
             "\n"
             "Writes the link pages of a favorites folder or of a browser's bookmarks, as the\n"
             "favpage window's create button does. Settings not given here come from the\n"
             "window's favpage.INI and favpage.tit (or --settings FILE), else from the\n"
             "defaults. They lie beside this program, or in ") +
         platform::UserConfigFolderHint() +
         " when you\n"
         "may not write its folder.\n"
         "\n"
         "  --favorites DIR        the favorites folder (default: " +
         platform::FavoritesFolderHint() +
         ")\n"
         "  --source SOURCE        where the links come from: a favorites folder, a bookmarks\n"
         "                         file (HTML export, Chromium Bookmarks, Firefox\n"
         "                         places.sqlite) or a browser: chrome, chromium, edge,\n"
         "                         brave, vivaldi, firefox (its most recently used profile)\n"
         "  --profile NAME         the browser profile to read instead (\"Profile 1\")\n"
         "  --charset shift_jis|utf-8  the pages' encoding (default: shift_jis)\n"
         "  --out FILE             the output page; relative to the current folder\n"
         "  --type single|tree     one page, or one page per folder\n"
         "  --style none|0|1|2     no style sheet, or mirelstyle0.css to mirelstyle2.css\n"
         "  --blank, --no-blank    whether links open in a new window\n"
         "  --return-caption TEXT  write the return link with this caption\n"
         "  --return-url URL       write the return link with this address\n"
         "  --no-return            write no return link\n"
         "  --title TEXT           a title line (repeat, or break the text, for more lines)\n"
         "  --title-file FILE      the title lines, one per line\n"
         "  --settings FILE        the settings file to read instead of favpage.INI\n" +
         text::kKeepScriptLinksHelp +
         "  --quiet                print nothing but errors and warnings\n"
         "  --help                 print this text\n"
         "  --version              print the version\n";
}

CliOptions ParseCliArguments(const std::vector<std::string>& args) {
  CliOptions options;
  using ValueHandler = std::function<void(const std::string& option, const std::string& value)>;
  const std::map<std::string, ValueHandler> valued = {
      {"--favorites", [&](auto&, auto& v) { options.favorites = v; }},
      {"--source", [&](auto&, auto& v) { options.source = v; }},
      {"--profile", [&](auto&, auto& v) { options.profile = v; }},
      {"--charset",
       [&](auto& o, auto& v) {
         options.charset = ChoiceIndex(o, v, {"shift_jis", "utf-8"});
       }},
      {"--out", [&](auto&, auto& v) { options.out = v; }},
      {"--type",
       [&](auto& o, auto& v) {
         options.outType = ChoiceIndex(o, v, {"single", "tree"});
       }},
      {"--style",
       [&](auto& o, auto& v) {
         options.styleType = ChoiceIndex(o, v, {"none", "0", "1", "2"});
       }},
      {"--return-caption",
       [&](auto& o, auto& v) {
         options.returnCaption = OneLine(o, v);
         options.returnLink = true;
       }},
      {"--return-url",
       [&](auto& o, auto& v) {
         options.returnUrl = OneLine(o, v);
         options.returnLink = true;
       }},
      {"--title", [&](auto&, auto& v) { AddTitleLines(v, options.titles); }},
      {"--title-file", [&](auto&, auto& v) { options.titleFile = v; }},
      {"--settings", [&](auto&, auto& v) { options.settingsFile = v; }},
  };
  const std::map<std::string, std::function<void()>> flags = {
      {"--blank", [&] { options.blank = true; }},
      {"--no-blank", [&] { options.blank = false; }},
      {"--no-return", [&] { options.returnLink = false; }},
      {text::kKeepScriptLinksOption, [&] { options.keepScriptLinks = true; }},
      {"--quiet", [&] { options.quiet = true; }},
      {"--help", [&] { options.help = true; }},
      {"--version", [&] { options.version = true; }},
  };

  bool sawNoReturn = false;
  bool sawReturnText = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    std::optional<std::string> inlineValue;
    if (const std::size_t eq = option.find('=');
        option.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = option.substr(eq + 1);
      option.resize(eq);
    }
    if (auto flag = flags.find(option); flag != flags.end() && !inlineValue) {
      flag->second();
      sawNoReturn |= option == "--no-return";
      continue;
    }
    auto handler = valued.find(option);
    if (handler == valued.end()) throw UsageError("unknown argument '" + args[i] + "'");
    if (!inlineValue && i + 1 >= args.size()) throw UsageError(option + " needs a value");
    handler->second(option, inlineValue ? *inlineValue : args[++i]);
    sawReturnText |= option == "--return-caption" || option == "--return-url";
  }
  if (options.favorites && options.source) {
    throw UsageError("--favorites and --source name the same thing: give one");
  }
  if (sawNoReturn && sawReturnText) {
    throw UsageError("--no-return cannot be combined with --return-caption or --return-url");
  }
  return options;
}

}  // namespace favpage::cli

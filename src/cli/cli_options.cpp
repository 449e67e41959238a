#include "cli/cli_options.h"

#include <algorithm>

#include "platform/bookmark_files.h"
#include "platform/folders.h"

namespace favpage::cli {
namespace {

constexpr std::string_view kTypes[] = {"single", "tree"};
constexpr std::string_view kCharsets[] = {"shift_jis", "utf-8"};
constexpr std::string_view kStyles[] = {"none", "0", "1", "2"};
constexpr std::string_view kFormats[] = {"classic", "html5"};

std::string Joined(std::span<const std::string_view> choices, std::string_view between) {
  std::string joined;
  for (std::string_view choice : choices) {
    if (!joined.empty()) joined += between;
    joined += choice;
  }
  return joined;
}

int ChoiceIndex(const OptionSpec& spec, const std::string& value) {
  const auto found = std::find(spec.choices.begin(), spec.choices.end(), value);
  if (found != spec.choices.end()) return static_cast<int>(found - spec.choices.begin());
  throw UsageError(msg::kChoiceFormat, {std::string(spec.name), Joined(spec.choices, "|"), value});
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
const std::string& SingleLine(const OptionSpec& spec, const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos) {
    throw UsageError(msg::kNoLineBreakFormat, {std::string(spec.name)});
  }
  return value;
}

// The browsers --source knows, for its line of the help.
std::string BrowserList() {
  std::string list;
  for (const std::string& browser : platform::KnownBrowsers()) {
    list += (list.empty() ? "" : ", ") + browser;
  }
  return list;
}

using Spec = OptionSpec;
using G = OptionGroup;
using V = const std::string&;

// clang-format off
constexpr OptionSpec kOptions[] = {
    {"--favorites", '\0', "DIR", {}, G::kSource, msg::kHelpFavorites, platform::FavoritesFolderHint,
     [](CliOptions& o, const Spec&, V v) { o.favorites = v; }},
    {"--source", '\0', "SOURCE", {}, G::kSource, msg::kHelpSource, BrowserList,
     [](CliOptions& o, const Spec&, V v) { o.source = v; }},
    {"--profile", '\0', "NAME", {}, G::kSource, msg::kHelpProfile, nullptr,
     [](CliOptions& o, const Spec&, V v) { o.profile = v; }},
    {"--out", 'o', "FILE", {}, G::kPages, msg::kHelpOut, nullptr,
     [](CliOptions& o, const Spec&, V v) { o.out = v; }},
    {"--type", '\0', "TYPE", kTypes, G::kPages, msg::kHelpType, nullptr,
     [](CliOptions& o, const Spec& s, V v) { o.outType = ChoiceIndex(s, v); }},
    {"--charset", '\0', "CHARSET", kCharsets, G::kPages, msg::kHelpCharset, nullptr,
     [](CliOptions& o, const Spec& s, V v) { o.charset = ChoiceIndex(s, v); }},
    {"--style", '\0', "STYLE", kStyles, G::kPages, msg::kHelpStyle, nullptr,
     [](CliOptions& o, const Spec& s, V v) { o.styleType = ChoiceIndex(s, v); }},
    {"--blank", '\0', "", {}, G::kPages, msg::kHelpBlank, nullptr,
     [](CliOptions& o, const Spec&, V) { o.blank = true; }},
    {"--no-blank", '\0', "", {}, G::kPages, msg::kHelpNoBlank, nullptr,
     [](CliOptions& o, const Spec&, V) { o.blank = false; }},
    {"--return-caption", '\0', "TEXT", {}, G::kPages, msg::kHelpReturnCaption, nullptr,
     [](CliOptions& o, const Spec& s, V v) { o.returnCaption = SingleLine(s, v); o.returnLink = true; }},
    {"--return-url", '\0', "URL", {}, G::kPages, msg::kHelpReturnUrl, nullptr,
     [](CliOptions& o, const Spec& s, V v) { o.returnUrl = SingleLine(s, v); o.returnLink = true; }},
    {"--no-return", '\0', "", {}, G::kPages, msg::kHelpNoReturn, nullptr,
     [](CliOptions& o, const Spec&, V) { o.returnLink = false; }},
    {"--title", '\0', "TEXT", {}, G::kPages, msg::kHelpTitle, nullptr,
     [](CliOptions& o, const Spec&, V v) { AddTitleLines(v, o.titles); }},
    {"--title-file", '\0', "FILE", {}, G::kPages, msg::kHelpTitleFile, nullptr,
     [](CliOptions& o, const Spec&, V v) { o.titleFile = v; }},
    {"--settings", '\0', "FILE", {}, G::kPages, msg::kHelpSettings, nullptr,
     [](CliOptions& o, const Spec&, V v) { o.settingsFile = v; }},
    {"--keep-script-links", '\0', "", {}, G::kPages, msg::kHelpKeepScriptLinks, nullptr,
     [](CliOptions& o, const Spec&, V) { o.keepScriptLinks = true; }},
    {"--format", '\0', "FORMAT", kFormats, G::kPages, msg::kHelpFormat, nullptr,
     [](CliOptions& o, const Spec& s, V v) { o.format = ChoiceIndex(s, v); }},
    {"--quiet", 'q', "", {}, G::kMessages, msg::kHelpQuiet, nullptr,
     [](CliOptions& o, const Spec&, V) { o.quiet = true; o.verbose = false; }},
    {"--verbose", 'v', "", {}, G::kMessages, msg::kHelpVerbose, nullptr,
     [](CliOptions& o, const Spec&, V) { o.verbose = true; o.quiet = false; }},
    {"--help", 'h', "", {}, G::kMessages, msg::kHelpHelp, nullptr,
     [](CliOptions& o, const Spec&, V) { o.help = true; }},
    {"--version", 'V', "", {}, G::kMessages, msg::kHelpVersion, nullptr,
     [](CliOptions& o, const Spec&, V) { o.version = true; }},
    {"--folder", '\0', "PATH", {}, G::kSource, msg::kHelpFolder, nullptr,
     [](CliOptions& o, const Spec&, V v) { o.folder = v; }},
    {"--list-folders", '\0', "", {}, G::kSource, msg::kHelpListFolders, nullptr,
     [](CliOptions& o, const Spec&, V) { o.listFolders = true; }},
};
// clang-format on

const OptionSpec* FindLong(std::string_view name) {
  for (const OptionSpec& spec : kOptions) {
    if (spec.name == name) return &spec;
  }
  return nullptr;
}

const OptionSpec* FindLetter(char letter) {
  for (const OptionSpec& spec : kOptions) {
    if (spec.letter != '\0' && spec.letter == letter) return &spec;
  }
  return nullptr;
}

// Walks the arguments once, applying each option as it comes.
class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  CliOptions Parse() {
    bool optionsEnded = false;
    for (next_ = 0; next_ < args_.size();) {
      const std::string& arg = args_[next_++];
      if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
        throw UsageError(msg::kUnexpectedArgumentFormat, {arg});
      }
      if (arg == "--") {
        optionsEnded = true;
      } else if (arg[1] == '-') {
        LongOption(arg);
      } else {
        ShortOptions(arg);
      }
    }
    if (options_.favorites && options_.source) throw UsageError(msg::kFavoritesOrSource);
    if (sawNoReturn_ && sawReturnText_) throw UsageError(msg::kNoReturnConflict);
    return options_;
  }

 private:
  // "--name" or "--name=value".
  void LongOption(const std::string& arg) {
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionSpec* spec = FindLong(name);
    if (spec == nullptr) throw UsageError(msg::kUnknownOptionFormat, {name});
    if (spec->value.empty()) {
      if (equals != std::string::npos) throw UsageError(msg::kTakesNoValueFormat, {name});
      Apply(*spec, "");
      return;
    }
    Apply(*spec, equals != std::string::npos ? arg.substr(equals + 1) : NextValue(name));
  }

  // "-q", "-qv", "-o FILE", "-oFILE", "-qo FILE".
  void ShortOptions(const std::string& arg) {
    for (std::size_t at = 1; at < arg.size(); ++at) {
      const OptionSpec* spec = FindLetter(arg[at]);
      if (spec == nullptr) {
        // A letter outside ASCII is part of a character: name the argument whole.
        const bool ascii = static_cast<unsigned char>(arg[at]) < 0x80;
        throw UsageError(msg::kUnknownOptionFormat, {ascii ? std::string{'-', arg[at]} : arg});
      }
      if (spec->value.empty()) {
        Apply(*spec, "");
        continue;
      }
      const std::string name{'-', arg[at]};
      Apply(*spec, at + 1 < arg.size() ? arg.substr(at + 1) : NextValue(name));
      return;
    }
  }

  std::string NextValue(const std::string& name) {
    if (next_ >= args_.size()) throw UsageError(msg::kNeedsValueFormat, {name});
    return args_[next_++];
  }

  void Apply(const OptionSpec& spec, const std::string& value) {
    spec.apply(options_, spec, value);
    sawNoReturn_ |= spec.name == "--no-return";
    sawReturnText_ |= spec.name == "--return-caption" || spec.name == "--return-url";
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  CliOptions options_;
  bool sawNoReturn_ = false;
  bool sawReturnText_ = false;
};

std::string English(const char* text, const std::vector<std::string>& values) {
  return msg::FillFormat(msg::In(msg::Language::kEnglish, text), values);
}

}  // namespace

UsageError::UsageError(const char* text, std::vector<std::string> values)
    : Error(English(text, values)), text_(text), values_(std::move(values)) {}

std::span<const OptionSpec> Options() { return kOptions; }

CliOptions ParseCliArguments(const std::vector<std::string>& args) { return Parser(args).Parse(); }

}  // namespace favpage::cli

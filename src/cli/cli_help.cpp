// favpage-cli --help: the option table laid out in the run's language, fit for 80 columns.
#include <algorithm>
#include <array>

#include "cli/cli_options.h"
#include "cli/cli_texts.h"
#include "platform/folders.h"

namespace favpage::cli {
namespace {

// The column the options' descriptions start in; an option wider than this has its
// description start on the next line.
constexpr int kDescriptionColumn = 30;

struct Character {
  std::string_view bytes;
  char32_t code;
};

// The UTF-8 character at `at`; a byte that starts none stands for itself.
Character CharacterAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (length == 1 || at + length > text.size()) return {text.substr(at, 1), lead};
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  }
  return {text.substr(at, length), code};
}

// East Asian wide and fullwidth characters (halfwidth katakana are narrow).
bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
         (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
         (c >= 0x20000 && c <= 0x3FFFD);
}

bool IsIn(char32_t c, std::u32string_view set) { return set.find(c) != std::u32string_view::npos; }

// Characters a line does not start with, and characters it does not end with.
constexpr std::u32string_view kNoLineStart =
    U"、。，．・：；？！ー…）」』】〕ぁぃぅぇぉっゃゅょァィゥェォッャュョ),.:;!?]}";
constexpr std::u32string_view kNoLineEnd = U"（「『【〔([{";

// The description of an option: its help text with its value filled in.
std::string Description(const Texts& texts, const OptionSpec& spec) {
  if (spec.helpValue == nullptr) return texts.Say(spec.help);
  return texts.Say(spec.help, {spec.helpValue()});
}

// "  -o, --out FILE", "      --type single|tree".
std::string OptionColumn(const OptionSpec& spec) {
  std::string column = spec.letter != '\0' ? std::string("  -") + spec.letter + ", " : "      ";
  column += spec.name;
  if (spec.value.empty()) return column;
  column += ' ';
  if (spec.choices.empty()) return column + std::string(spec.value);
  for (std::size_t i = 0; i < spec.choices.size(); ++i) {
    column += (i > 0 ? "|" : "") + std::string(spec.choices[i]);
  }
  return column;
}

void AddParagraph(std::string& help, const std::string& paragraph) {
  for (const std::string& line : WrapText(paragraph, kHelpWidth)) help += line + '\n';
}

void AddOption(std::string& help, const Texts& texts, const OptionSpec& spec) {
  std::string column = OptionColumn(spec);
  if (DisplayWidth(column) + 2 > kDescriptionColumn) {
    help += column + '\n';
    column.clear();
  }
  for (const std::string& line :
       WrapText(Description(texts, spec), kHelpWidth - kDescriptionColumn)) {
    column.resize(kDescriptionColumn, ' ');
    help += column + line + '\n';
    column.clear();
  }
}

}  // namespace

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    const Character c = CharacterAt(utf8, at);
    width += IsWide(c.code) ? 2 : 1;
    at += c.bytes.size();
  }
  return width;
}

std::vector<std::string> WrapText(std::string_view paragraph, int columns) {
  std::vector<std::string> lines;
  std::string line;
  int width = 0;
  std::size_t breakAt = std::string::npos;  // where `line` may be cut
  bool breakDropsBlank = false;             // the cut falls on a blank, which goes
  char32_t previous = U' ';
  auto cut = [&] {
    std::string rest = line.substr(std::min(line.size(), breakAt + (breakDropsBlank ? 1 : 0)));
    line.resize(breakAt);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(line);
    line = std::move(rest);
    width = DisplayWidth(line);
    breakAt = std::string::npos;
  };
  for (std::size_t at = 0; at < paragraph.size();) {
    const Character c = CharacterAt(paragraph, at);
    at += c.bytes.size();
    const int charWidth = IsWide(c.code) ? 2 : 1;
    if (c.code == U' ') {
      breakAt = line.size();
      breakDropsBlank = true;
    } else if (previous != U' ' && (IsWide(previous) || IsWide(c.code)) &&
               !IsIn(c.code, kNoLineStart) && !IsIn(previous, kNoLineEnd)) {
      breakAt = line.size();
      breakDropsBlank = false;
    }
    if (width + charWidth > columns && breakAt != std::string::npos && breakAt > 0) cut();
    if (!(c.code == U' ' && line.empty())) {
      line += c.bytes;
      width += charWidth;
    }
    previous = c.code;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

std::string HelpText(msg::Language language) {
  const Texts texts(language);
  std::string help = texts.Say(msg::kHelpUsage) + '\n';
  AddParagraph(help, texts.Say(msg::kHelpAbout, {platform::UserConfigFolderHint()}));
  constexpr std::array<std::pair<OptionGroup, const char*>, 3> kGroups = {{
      {OptionGroup::kSource, msg::kHelpSourceGroup},
      {OptionGroup::kPages, msg::kHelpPagesGroup},
      {OptionGroup::kMessages, msg::kHelpMessagesGroup},
  }};
  for (const auto& [group, title] : kGroups) {
    help += '\n' + texts.Say(title) + '\n';
    for (const OptionSpec& spec : Options()) {
      if (spec.group == group) AddOption(help, texts, spec);
    }
  }
  help += '\n';
  AddParagraph(help, texts.Say(msg::kHelpExitStatus));
  return help;
}

}  // namespace favpage::cli

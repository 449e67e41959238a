#include "cli/cli_texts.h"

#include <cstdio>

#include "base/io_error.h"
#include "platform/codepage.h"
#include "platform/host_path.h"

namespace favpage::cli {
namespace {

std::string PieceToUtf8(std::string_view sjis) { return platform::SjisToUtf8(sjis); }

}  // namespace

std::string Texts::Say(const char* text, std::span<const std::string> values) const {
  return msg::FillFormat(msg::In(language_, text), values, PieceToUtf8);
}

std::string Texts::Message(std::string_view message) const {
  std::string text = msg::Translate(message, language_);
  if (language_ == msg::Language::kJapanese) text = DisplayMessage(text);
  return platform::ToHostText(text);
}

std::string OneLine(std::string_view text) {
  std::string line;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      line += c;
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\r') {
      line += "\\r";
    } else if (c == '\t') {
      line += "\\t";
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      line += escape;
    }
  }
  return line;
}

}  // namespace favpage::cli

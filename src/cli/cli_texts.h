// favpage-cli's texts in the run's language, as the terminal shows them: UTF-8, from the
// one table of the system's texts (base/messages.h).
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "base/io_error.h"
#include "base/messages.h"

namespace favpage::cli {

class Texts {
 public:
  explicit Texts(msg::Language language) : language_(language) {}
  msg::Language language() const { return language_; }

  // `text`, a constant of the table, in the run's language with `values` (UTF-8) in
  // place of its "%s" and "%d".
  std::string Say(const char* text, std::span<const std::string> values) const;
  std::string Say(const char* text, std::initializer_list<std::string> values = {}) const {
    return Say(text, std::span<const std::string>(values.begin(), values.size()));
  }

  // A message of the core (Shift_JIS, as an error carries it) in the run's language. In
  // Japanese it is shown as the window shows it (with the display rule's final "."); in
  // English as the table gives it.
  std::string Message(std::string_view message) const;

 private:
  msg::Language language_;
};

// `text` (UTF-8) fit for one line of a terminal: every control character, a line break
// in a file name above all, is shown as an escape ("\n", "\t", "\x1B").
std::string OneLine(std::string_view text);

}  // namespace favpage::cli

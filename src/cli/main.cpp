// favpage-cli: writes the link pages of a favorites folder from the command line.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_language.h"
#include "cli/cli_run.h"
#include "platform/folders.h"

int main(int argc, char** argv) {
  // CliMain reports every error of a run itself; this catches what fails before it starts.
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const favpage::msg::Language language =
        favpage::cli::RunLanguage(favpage::msg::Language::kEnglish);
    return favpage::cli::CliMain(args, favpage::platform::ExecutablePath(), std::cout, std::cerr,
                                 language);
  } catch (const std::exception& error) {
    std::cerr << "favpage-cli: " << error.what() << '\n';
  } catch (...) {
    std::cerr << "favpage-cli: unexpected error\n";
  }
  return favpage::cli::kExitFailure;
}

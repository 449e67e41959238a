// favpage-cli: writes the link pages of a favorites folder from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "platform/folders.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return favpage::cli::CliMain(args, favpage::platform::ExecutablePath(), std::cout, std::cerr);
}

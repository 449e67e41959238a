// favpage-cli for Windows: the arguments arrive as UTF-16 (the ANSI ones would lose every
// character outside the ANSI code page) and the messages leave as UTF-8.
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "platform/folders.h"

namespace {

std::string Utf8Of(const wchar_t* wide) {
  const int needed = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 1) return {};
  std::string utf8(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), needed, nullptr, nullptr);
  utf8.pop_back();  // the closing NUL
  return utf8;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8Of(argv[i]));
  return favpage::cli::CliMain(args, favpage::platform::ExecutablePath(), std::cout, std::cerr);
}

// favpage-cli for Windows: the arguments arrive as UTF-16 (the ANSI ones would lose every
// character outside the ANSI code page) and the texts leave as UTF-16 on a console, as
// UTF-8 bytes into a file or a pipe.
#include <windows.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli_language.h"
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

// One standard handle as a stream buffer, written a line at a time. A console gets the
// text through WriteConsoleW, so every character shows whatever the console's code page
// is, and the console's code page is left as the user set it; a file or a pipe gets the
// UTF-8 bytes as they are.
class StandardHandleBuffer : public std::streambuf {
 public:
  explicit StandardHandleBuffer(DWORD which) : handle_(GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
               GetConsoleMode(handle_, &mode) != 0;
  }
  StandardHandleBuffer(const StandardHandleBuffer&) = delete;
  StandardHandleBuffer& operator=(const StandardHandleBuffer&) = delete;
  ~StandardHandleBuffer() override { Flush(); }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    pending_ += traits_type::to_char_type(c);
    if (c == '\n') Flush();
    return c;
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    pending_.append(text, static_cast<std::size_t>(count));
    if (pending_.find('\n') != std::string::npos) Flush();
    return count;
  }
  int sync() override { return Flush() ? 0 : -1; }

 private:
  bool Flush() {
    if (pending_.empty()) return true;
    bool written = false;
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
      written = true;  // no such stream: the text goes nowhere, as it would on a closed one
    } else if (console_) {
      written = WriteWide();
    } else {
      DWORD count = 0;
      written = WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &count,
                          nullptr) != 0;
    }
    pending_.clear();
    return written;
  }

  bool WriteWide() {
    const int length = MultiByteToWideChar(CP_UTF8, 0, pending_.data(),
                                           static_cast<int>(pending_.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(pending_.size()), wide.data(),
                        length);
    for (std::size_t done = 0; done < wide.size();) {
      DWORD count = 0;
      if (WriteConsoleW(handle_, wide.data() + done, static_cast<DWORD>(wide.size() - done), &count,
                        nullptr) == 0 ||
          count == 0) {
        return false;
      }
      done += count;
    }
    return true;
  }

  HANDLE handle_;
  bool console_ = false;
  std::string pending_;
};

// Puts a buffer under a standard stream for as long as it lives, and the old one back.
class StreamRedirect {
 public:
  StreamRedirect(std::ostream& stream, std::streambuf* buffer)
      : stream_(stream), previous_(stream.rdbuf(buffer)) {}
  StreamRedirect(const StreamRedirect&) = delete;
  StreamRedirect& operator=(const StreamRedirect&) = delete;
  ~StreamRedirect() {
    stream_.flush();
    stream_.rdbuf(previous_);
  }

 private:
  std::ostream& stream_;
  std::streambuf* previous_;
};

// The language of Windows' own interface, for a run whose locale variables say nothing.
favpage::msg::Language InterfaceLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE
             ? favpage::msg::Language::kJapanese
             : favpage::msg::Language::kEnglish;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  StandardHandleBuffer outBuffer(STD_OUTPUT_HANDLE);
  StandardHandleBuffer errBuffer(STD_ERROR_HANDLE);
  const StreamRedirect out(std::cout, &outBuffer);
  const StreamRedirect err(std::cerr, &errBuffer);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8Of(argv[i]));
  const favpage::msg::Language language = favpage::cli::RunLanguage(InterfaceLanguage());
  return favpage::cli::CliMain(args, favpage::platform::ExecutablePath(), std::cout, std::cerr,
                               language);
}

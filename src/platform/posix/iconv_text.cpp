#include "platform/posix/iconv_text.h"

#include <errno.h>
#include <iconv.h>

#include <array>
#include <memory>
#include <stdexcept>

#include "base/sjis.h"
#include "base/utf8.h"

namespace favpage::platform::posix {
namespace {

const char* IconvName(Encoding encoding) {
  switch (encoding) {
    case Encoding::kCp932:
      return "CP932";
    case Encoding::kUtf8:
      return "UTF-8";
    case Encoding::kUtf16Le:
      return "UTF-16LE";
  }
  return "UTF-8";
}

std::string_view Replacement(Encoding to) {
  switch (to) {
    case Encoding::kCp932:
      return "?";
    case Encoding::kUtf8:
      return "\xEF\xBF\xBD";
    case Encoding::kUtf16Le:
      return std::string_view("\xFD\xFF", 2);
  }
  return "?";
}

// The length of the source character that iconv refused at `pos`, so that exactly one
// character is replaced and the conversion resumes after it.
std::size_t RefusedLength(std::string_view text, std::size_t pos, Encoding from) {
  const std::size_t left = text.size() - pos;
  switch (from) {
    case Encoding::kCp932:
      return CharLength(text, pos);
    case Encoding::kUtf16Le: {
      if (left < 2) return left;
      const auto high = static_cast<unsigned char>(text[pos + 1]);
      const bool leadSurrogate = high >= 0xD8 && high <= 0xDB;
      if (leadSurrogate && left >= 4) {
        const auto next = static_cast<unsigned char>(text[pos + 3]);
        if (next >= 0xDC && next <= 0xDF) return 4;
      }
      return 2;
    }
    case Encoding::kUtf8:
      // A character that cannot be converted, or a sequence that is none: as many bytes as
      // it takes; a character cut at the end is one character too.
      return DecodeUtf8Step(text, pos).length;
  }
  return 1;
}

// One iconv descriptor per direction, opened on first use and kept for the process:
// the scan converts every name of every folder.
class Converter {
 public:
  Converter(Encoding from, Encoding to) : handle_(iconv_open(IconvName(to), IconvName(from))) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + IconvName(from) + " to " +
                               IconvName(to));
    }
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() { iconv_close(handle_); }

  std::string Run(std::string_view text, Encoding from, Encoding to) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string out(text.size() * 2 + 16, '\0');
    std::size_t written = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
      char* in = const_cast<char*>(text.data() + pos);
      std::size_t inLeft = text.size() - pos;
      char* outPtr = out.data() + written;
      std::size_t outLeft = out.size() - written;
      const std::size_t result = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
      const int error = errno;
      pos = static_cast<std::size_t>(in - text.data());
      written = static_cast<std::size_t>(outPtr - out.data());
      if (result != static_cast<std::size_t>(-1)) break;
      if (error == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // EILSEQ or EINVAL: one character that cannot be converted, or a cut one at the end.
      const std::string_view replacement = Replacement(to);
      if (out.size() - written < replacement.size()) out.resize(out.size() * 2);
      out.replace(written, replacement.size(), replacement);
      written += replacement.size();
      pos += RefusedLength(text, pos, from);
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(written);
    return out;
  }

 private:
  iconv_t handle_;
};

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string Convert(std::string_view text, Encoding from, Encoding to) {
  if (from == to) return std::string(text);
  // ASCII is the same in code page 932 and UTF-8, and is most of what the core converts.
  const bool byteEncodings = from != Encoding::kUtf16Le && to != Encoding::kUtf16Le;
  if (byteEncodings && IsAscii(text)) return std::string(text);

  thread_local std::array<std::unique_ptr<Converter>, 9> converters;
  auto& converter = converters[static_cast<std::size_t>(from) * 3 + static_cast<std::size_t>(to)];
  if (!converter) converter = std::make_unique<Converter>(from, to);
  return converter->Run(text, from, to);
}

}  // namespace favpage::platform::posix

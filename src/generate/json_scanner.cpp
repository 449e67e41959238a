#include "generate/json_scanner.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>
#include <vector>

namespace favpage::json {
namespace {

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int HexValue(int c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Eight bytes at a time: an indented file is half blanks, and most of a string's bytes
// are plain ASCII that needs no look of its own.
constexpr std::uint64_t kEachByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t kEightSpaces = kEachByte * ' ';

std::uint64_t LoadEight(const char* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// Whether any of the eight bytes ends a plain run of a string: a control character, a
// quote, a backslash or a byte of a multi-byte character. (A byte after one that matches
// may be reported too; the byte-wise loop decides.)
bool EndsPlainRun(std::uint64_t word) {
  const std::uint64_t quote = word ^ (kEachByte * '"');
  const std::uint64_t backslash = word ^ (kEachByte * '\\');
  const std::uint64_t below =
      (word - kEachByte * 0x20) | (quote - kEachByte) | (backslash - kEachByte);
  return (((below & ~word) | word) & kHighBits) != 0;
}

void AppendUtf8(std::uint32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Whether a number's text (already of the JSON grammar) is within a double's range. A
// value too small rounds to zero and is taken; one too large has no double.
bool FitsDouble(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc::result_out_of_range) return true;
  // Out of range either way: large when the first significant digit stands at or above
  // the units, counting the exponent.
  long long place = 0;  // the first significant digit's power of ten, less one
  bool seen = false, point = false;
  std::size_t at = 0;
  for (; at < text.size() && text[at] != 'e' && text[at] != 'E'; ++at) {
    const char c = text[at];
    if (c == '.') {
      point = true;
    } else if (IsDigit(c)) {
      if (!seen && c != '0') seen = true;
      if (seen && !point) ++place;
      if (!seen && point) --place;
    }
  }
  long long exponent = 0;
  if (at < text.size()) {
    ++at;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    for (; at < text.size(); ++at) {
      if (exponent < 100000000) exponent = exponent * 10 + (text[at] - '0');
    }
    if (negative) exponent = -exponent;
  }
  return place + exponent <= 0;
}

class Scanner {
 public:
  Scanner(std::istream& in, Events& events, std::size_t blockSize)
      : in_(in), events_(events), buffer_(blockSize == 0 ? 1 : blockSize) {}

  bool Document() {
    if (Peek() == 0xEF) {
      ++at_;
      if (Get() != 0xBB || Get() != 0xBF) return false;
    }
    std::vector<bool> inObject;  // the open containers: object (true) or array
    for (;;) {
      if (!Value(inObject)) return false;
      // A value is complete: close the containers that end after it.
      for (;;) {
        if (inObject.empty()) return AtEnd();
        const int c = SkipBlanks();
        if (c == ',') {
          ++at_;
          if (inObject.back() && !Key()) return false;
          break;
        }
        if (c != (inObject.back() ? '}' : ']')) return false;
        ++at_;
        if (inObject.back()) {
          events_.EndObject();
        } else {
          events_.EndArray();
        }
        inObject.pop_back();
      }
    }
  }

 private:
  int Peek() {
    if (at_ == end_ && !Fill()) return -1;
    return static_cast<unsigned char>(*at_);
  }
  int Get() {
    const int c = Peek();
    if (c >= 0) ++at_;
    return c;
  }
  bool Fill() {
    if (!in_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    at_ = buffer_.data();
    end_ = at_ + in_.gcount();
    return at_ != end_;
  }
  int SkipBlanks() {
    for (;;) {
      while (at_ != end_) {
        if (end_ - at_ >= 8 && LoadEight(at_) == kEightSpaces) {
          at_ += 8;
          continue;
        }
        const auto c = static_cast<unsigned char>(*at_);
        if (!IsBlank(c)) return c;
        ++at_;
      }
      if (!Fill()) return -1;
    }
  }

  // Only blanks follow the text. A NUL byte ends it as the end of the file does: a file
  // padded with zeros after a whole text (as a crash can leave one) is read whole.
  bool AtEnd() {
    const int c = SkipBlanks();
    return c < 0 || c == 0;
  }

  // One value, or the opening of a container (which is then on `inObject`, with its
  // first key read when it is an object).
  bool Value(std::vector<bool>& inObject) {
    for (;;) {
      const int c = SkipBlanks();
      switch (c) {
        case '{':
          ++at_;
          events_.StartObject();
          if (SkipBlanks() == '}') {
            ++at_;
            events_.EndObject();
            return true;
          }
          inObject.push_back(true);
          if (!Key()) return false;
          continue;
        case '[':
          ++at_;
          events_.StartArray();
          if (SkipBlanks() == ']') {
            ++at_;
            events_.EndArray();
            return true;
          }
          inObject.push_back(false);
          continue;
        case '"': {
          ++at_;
          if (!events_.WantString()) return ReadString(nullptr);
          text_.clear();
          if (!ReadString(&text_)) return false;
          events_.String(text_);
          return true;
        }
        case 't':
          return Literal("true");
        case 'f':
          return Literal("false");
        case 'n':
          return Literal("null");
        default:
          if (c == '-' || IsDigit(c)) return Number();
          return false;
      }
    }
  }

  // A member name and its colon.
  bool Key() {
    if (SkipBlanks() != '"') return false;
    ++at_;
    key_.clear();
    if (!ReadString(&key_)) return false;
    if (SkipBlanks() != ':') return false;
    ++at_;
    events_.Key(key_);
    return true;
  }

  bool Literal(std::string_view word) {
    for (const char c : word) {
      if (Get() != static_cast<unsigned char>(c)) return false;
    }
    events_.Scalar();
    return true;
  }

  bool Number() {
    text_.clear();
    auto take = [this] { text_.push_back(static_cast<char>(Get())); };
    auto digits = [&] {
      if (!IsDigit(Peek())) return false;
      while (IsDigit(Peek())) take();
      return true;
    };
    if (Peek() == '-') take();
    if (Peek() == '0') {
      take();
    } else if (!digits()) {
      return false;
    }
    if (Peek() == '.') {
      take();
      if (!digits()) return false;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      take();
      if (Peek() == '+' || Peek() == '-') take();
      if (!digits()) return false;
    }
    if (!FitsDouble(text_)) return false;
    events_.Scalar();
    return true;
  }

  // The rest of a string after its opening quote; decoded into `out` when given.
  bool ReadString(std::string* out) {
    for (;;) {
      const char* run = at_;
      while (end_ - at_ >= 8 && !EndsPlainRun(LoadEight(at_))) at_ += 8;
      while (at_ != end_) {
        const auto b = static_cast<unsigned char>(*at_);
        if (b < 0x20 || b == '"' || b == '\\' || b >= 0x80) break;
        ++at_;
      }
      if (out) out->append(run, at_);
      const int c = Get();
      if (c < 0x20) return false;  // the end of the input, or a control character
      if (c == '"') return true;
      if (c == '\\') {
        if (!Escape(out)) return false;
      } else if (c >= 0x80) {
        if (!Utf8Tail(c, out)) return false;
      } else if (out) {
        out->push_back(static_cast<char>(c));  // a plain byte after a block's end
      }
    }
  }

  // The continuation bytes of a character whose first byte is `lead`: well-formed UTF-8
  // only (no overlong forms, no surrogates, nothing past U+10FFFF).
  bool Utf8Tail(int lead, std::string* out) {
    int follow = 2;
    int low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      follow = 1;
    } else if (lead == 0xE0) {
      low = 0xA0;
    } else if (lead == 0xED) {
      high = 0x9F;
    } else if (lead >= 0xE1 && lead <= 0xEF) {
    } else if (lead == 0xF0) {
      follow = 3;
      low = 0x90;
    } else if (lead >= 0xF1 && lead <= 0xF3) {
      follow = 3;
    } else if (lead == 0xF4) {
      follow = 3;
      high = 0x8F;
    } else {
      return false;
    }
    if (out) out->push_back(static_cast<char>(lead));
    for (int i = 0; i < follow; ++i) {
      const int b = Get();
      if (b < low || b > high) return false;
      if (out) out->push_back(static_cast<char>(b));
      low = 0x80;
      high = 0xBF;
    }
    return true;
  }

  bool Escape(std::string* out) {
    const int c = Get();
    char plain = 0;
    switch (c) {
      case '"':
      case '\\':
      case '/':
        plain = static_cast<char>(c);
        break;
      case 'b':
        plain = '\b';
        break;
      case 'f':
        plain = '\f';
        break;
      case 'n':
        plain = '\n';
        break;
      case 'r':
        plain = '\r';
        break;
      case 't':
        plain = '\t';
        break;
      case 'u':
        return UnicodeEscape(out);
      default:
        return false;
    }
    if (out) out->push_back(plain);
    return true;
  }

  // Four hex digits after "\u"; -1 when they are not.
  long Hex4() {
    long value = 0;
    for (int i = 0; i < 4; ++i) {
      const int digit = HexValue(Get());
      if (digit < 0) return -1;
      value = value * 16 + digit;
    }
    return value;
  }

  bool UnicodeEscape(std::string* out) {
    const long first = Hex4();
    if (first < 0) return false;
    auto cp = static_cast<std::uint32_t>(first);
    if (cp >= 0xDC00 && cp <= 0xDFFF) return false;  // a low surrogate alone
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      if (Get() != '\\' || Get() != 'u') return false;
      const long second = Hex4();
      if (second < 0xDC00 || second > 0xDFFF) return false;
      cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<std::uint32_t>(second) - 0xDC00);
    }
    if (out) AppendUtf8(cp, *out);
    return true;
  }

  std::istream& in_;
  Events& events_;
  std::vector<char> buffer_;
  const char* at_ = nullptr;
  const char* end_ = nullptr;
  std::string key_;
  std::string text_;
};

}  // namespace

bool Scan(std::istream& in, Events& events, std::size_t blockSize) {
  return Scanner(in, events, blockSize).Document();
}

}  // namespace favpage::json

#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>

#include "base/sjis.h"
#include "base/utf8.h"
#include "platform/name_mapping.h"

namespace favpage::platform::win32 {
namespace {

constexpr unsigned kCodePage = 932;
constexpr wchar_t kReplacement = 0xFFFD;

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Single bytes that Windows turns into U+0080 or private-use characters where iconv, and
// so the POSIX host, refuses them. Both hosts must read a name the same way.
bool IsRefusedSingleByte(unsigned char byte) {
  return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

// Appends the conversion of `run`, which holds whole characters only; false when the
// run holds a sequence code page 932 does not assign.
bool AppendRun(std::string_view run, std::wstring& out) {
  if (run.empty()) return true;
  const int size = static_cast<int>(run.size());
  const int needed =
      MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, run.data(), size, nullptr, 0);
  if (needed <= 0) return false;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(needed));
  MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, run.data(), size, out.data() + at, needed);
  return true;
}

}  // namespace

std::wstring SjisToWide(std::string_view sjis) {
  std::wstring out;
  out.reserve(sjis.size());
  std::size_t runStart = 0;
  auto flush = [&](std::size_t end) {
    const std::string_view run = sjis.substr(runStart, end - runStart);
    if (!AppendRun(run, out)) {
      // Only a few characters of the run are unassigned: convert it one by one.
      for (std::size_t i = 0; i < run.size(); i += CharLength(run, i)) {
        if (!AppendRun(run.substr(i, CharLength(run, i)), out)) out += kReplacement;
      }
    }
  };
  std::size_t pos = 0;
  while (pos < sjis.size()) {
    const std::size_t length = CharLength(sjis, pos);
    const auto byte = static_cast<unsigned char>(sjis[pos]);
    const bool cutLead = length == 1 && IsLeadByte(byte);
    if (cutLead || (length == 1 && IsRefusedSingleByte(byte))) {
      flush(pos);
      out += kReplacement;
      runStart = pos + 1;
    }
    pos += length;
  }
  flush(sjis.size());
  return out;
}

std::string WideToSjis(std::wstring_view wide) {
  // A surrogate pair is one character and gets one "?", which Windows would write twice.
  std::wstring single;
  single.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const unsigned unit = wide[i];
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) ++i;
      single += L'?';
    } else {
      single += wide[i];
    }
  }
  if (single.empty()) return {};
  const int size = static_cast<int>(single.size());
  BOOL usedDefault = FALSE;
  const int needed = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, single.data(), size,
                                         nullptr, 0, "?", &usedDefault);
  if (needed <= 0) return std::string(single.size(), '?');
  std::string out(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, single.data(), size, out.data(), needed, "?",
                      &usedDefault);
  return out;
}

std::wstring Utf8ToWide(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    // A sequence that is none becomes one replacement for as many bytes as the POSIX host's
    // converter skips for it, so both hosts put the same number of replacements in its place.
    const Utf8Step step = DecodeUtf8Step(utf8, pos);
    const char32_t c = step.valid ? step.codePoint : kReplacement;
    if (c >= 0x10000) {
      out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<wchar_t>(c);
    }
    pos += step.length;
  }
  return out;
}

std::string WideToUtf8(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const unsigned unit = wide[i];
    if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      const unsigned low = wide[++i];
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::u32string CodePointsFromWide(std::wstring_view wide) {
  std::u32string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const unsigned unit = wide[i];
    if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      out += 0x10000 + ((unit - 0xD800) << 10) + (static_cast<unsigned>(wide[++i]) - 0xDC00);
    } else {
      out += unit;  // a lone surrogate too: Windows names may hold one
    }
  }
  return out;
}

std::wstring WideFromCodePoints(std::u32string_view codePoints) {
  std::wstring out;
  out.reserve(codePoints.size());
  for (const char32_t c : codePoints) {
    if (c >= 0x10000) {
      out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

std::wstring ToWidePath(std::string_view internalPath) {
  return WideFromCodePoints(CodePointsFromInternal(internalPath, U'\\'));
}

std::string FromWidePath(std::wstring_view hostPath) {
  // "/" is a delimiter to Windows as well; inside there is only "\". A ":" is the drive's
  // or a stream's, never part of a name.
  std::wstring slashed(hostPath);
  std::replace(slashed.begin(), slashed.end(), L'/', L'\\');
  return InternalFromCodePoints(CodePointsFromWide(slashed), U'\\', true);
}

}  // namespace favpage::platform::win32

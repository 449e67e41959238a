#include "platform/profile.h"

#include "base/sjis.h"
#include "platform/codepage.h"
#include "platform/file_ops.h"
#include "platform/profile_file_io.h"
#include "platform/profile_parser.h"

namespace favpage::platform {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

// The text of a profile file in the form it is parsed in: Shift_JIS as stored, or a
// UTF-16 file as UTF-8, which holds every character of it.
struct ProfileText {
  std::string text;
  bool utf16 = false;

  ProfileEncoding encoding() const {
    return utf16 ? ProfileEncoding::kUtf8 : ProfileEncoding::kShiftJis;
  }
  std::string FromSjis(std::string_view sjis) const {
    return utf16 ? SjisToUtf8(sjis) : std::string(sjis);
  }
  std::string ToSjis(std::string_view parsed) const {
    return utf16 ? Utf8ToSjis(parsed) : std::string(parsed);
  }
};

ProfileText Decode(std::string bytes) {
  ProfileText decoded;
  decoded.utf16 = bytes.starts_with(kUtf16Bom);
  decoded.text = decoded.utf16 ? Utf16LeToUtf8(std::string_view(bytes).substr(kUtf16Bom.size()))
                               : std::move(bytes);
  return decoded;
}

std::string Encode(const ProfileText& text) {
  if (!text.utf16) return text.text;
  return std::string(kUtf16Bom) + Utf8ToUtf16Le(text.text);
}

std::string CutToLimit(std::string text) {
  if (text.size() > kProfileValueLimit) text.resize(kProfileValueLimit);
  return text;
}

// A path that ends in a delimiter names a folder, never a profile file.
bool NamesAFile(const std::string& file) {
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < file.size(); i += CharLength(file, i)) last = i;
  return last != std::string::npos && !(CharLength(file, last) == 1 && file[last] == '\\') &&
         file.find('\0') == std::string::npos;
}

}  // namespace

ProfileSnapshot::ProfileSnapshot(const std::string& file, std::size_t readLimit) {
  std::string bytes;
  if (!NamesAFile(file) || ReadProfileBytes(file, readLimit, false, bytes) != ProfileRead::kRead) {
    return;
  }
  ProfileText profile = Decode(std::move(bytes));
  read_ = true;
  utf16_ = profile.utf16;
  text_ = std::move(profile.text);
}

std::string ProfileSnapshot::ReadString(std::string_view section, std::string_view key,
                                        std::string_view fallback) const {
  // As the Windows function does, the default loses its trailing spaces.
  std::string_view defaultValue = fallback;
  while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
  if (!read_) return CutToLimit(std::string(defaultValue));

  const ProfileText profile{{}, utf16_};
  const std::optional<std::string> value =
      FindProfileValue(text_, profile.encoding(), profile.FromSjis(section), profile.FromSjis(key));
  return CutToLimit(value ? profile.ToSjis(*value) : std::string(defaultValue));
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, const std::string& file,
                              std::size_t readLimit) {
  return ProfileSnapshot(file, readLimit).ReadString(section, key, fallback);
}

bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       const std::string& file) {
  if (!NamesAFile(file) || CheckFileReplaceable(file) != 0) return false;
  // A file the reader cannot take in whole would lose what lies past the limit.
  std::string bytes;
  const ProfileRead read = ReadProfileBytes(file, kProfileFileLimit, true, bytes);
  if (read == ProfileRead::kRefused) return false;
  const bool exists = read == ProfileRead::kRead;

  // A line break in the value would end its line and start others in the file.
  value = value.substr(0, value.find_first_of("\r\n"));
  ProfileText profile = Decode(bytes);
  const std::string changed =
      SetProfileValue(profile.text, profile.encoding(), profile.FromSjis(section),
                      profile.FromSjis(key), profile.FromSjis(value));
  if (exists && changed == profile.text) return true;
  profile.text = changed;
  // Nor may a write grow the file past what the next start-up reads whole.
  const std::string encoded = Encode(profile);
  return encoded.size() <= kProfileFileLimit && ReplaceFileContents(file, encoded) == 0;
}

}  // namespace favpage::platform

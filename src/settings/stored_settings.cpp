#include "base/sjis.h"
#include "settings/settings_file.h"
#include "text/path_rules.h"

namespace favpage {
namespace {

// A key of a later choice: written when the choice is made, or to replace a value an
// earlier run stored, never added to a file that does not need it.
void WriteChosenKey(SettingsFile& file, const char* key, std::string_view value, bool chosen) {
  // A value no text file holds tells a missing key from an empty one.
  constexpr char kMissing[] = "\n";
  if (chosen || file.ReadString(kSetupSection, key, kMissing) != kMissing) {
    file.WriteString(kSetupSection, key, value);
  }
}

}  // namespace

SettingsState ReadStoredSettings(const SettingsFile& file) {
  SettingsState state;
  state.OutName = file.ReadString(kSetupSection, setup_key::kOutName, "");
  // The window holds the output type in a byte: 256 is 0 again, -1 is 255.
  state.OutType =
      static_cast<std::uint8_t>(file.ReadInteger(kSetupSection, setup_key::kOutType, 0) & 0xFF);
  state.ReturnFlag = file.ReadBool(kSetupSection, setup_key::kReturnFlag, false);
  state.ReturnLine = file.ReadString(kSetupSection, setup_key::kReturnLine, kDefaultReturnLine);
  state.ReturnURL = file.ReadString(kSetupSection, setup_key::kReturnURL, kDefaultReturnURL);
  state.StyleType = file.ReadInteger(kSetupSection, setup_key::kStyleType, 0);
  state.SetBlank = file.ReadBool(kSetupSection, setup_key::kSetBlank, false);
  state.Source = file.ReadString(kSetupSection, setup_key::kSource, "");
  state.Charset =
      ParseCharset(file.ReadString(kSetupSection, setup_key::kCharset, kCharsetShiftJis))
          .value_or(PageCharset::kShiftJis);
  state.ScriptLinks = file.ReadBool(kSetupSection, setup_key::kScriptLinks, false);
  state.SourceFolder = file.ReadString(kSetupSection, setup_key::kSourceFolder, "");
  state.Format = UpperAscii(file.ReadString(kSetupSection, setup_key::kPageFormat,
                                            kPageFormatClassic)) == UpperAscii(kPageFormatHtml5)
                     ? PageFormat::kHtml5
                     : PageFormat::kClassic;
  return state;
}

void WriteStoredSettings(SettingsFile& file, const SettingsState& state) {
  file.WriteString(kSetupSection, setup_key::kOutName, state.OutName);
  file.WriteInteger(kSetupSection, setup_key::kOutType, state.OutType);
  file.WriteBool(kSetupSection, setup_key::kReturnFlag, state.ReturnFlag);
  file.WriteString(kSetupSection, setup_key::kReturnLine, state.ReturnLine);
  file.WriteString(kSetupSection, setup_key::kReturnURL, state.ReturnURL);
  file.WriteInteger(kSetupSection, setup_key::kStyleType, state.StyleType);
  file.WriteBool(kSetupSection, setup_key::kSetBlank, state.SetBlank);
  WriteChosenKey(file, setup_key::kSource, state.Source, !state.Source.empty());
  WriteChosenKey(file, setup_key::kCharset,
                 state.Charset == PageCharset::kUtf8 ? kCharsetUtf8 : kCharsetShiftJis,
                 state.Charset != PageCharset::kShiftJis);
  WriteChosenKey(file, setup_key::kScriptLinks, state.ScriptLinks ? "1" : "0", state.ScriptLinks);
  // Quoted: a read takes blanks around a value and one pair of outer quotes away, and a
  // folder's name may begin or end with either.
  WriteChosenKey(file, setup_key::kSourceFolder, '"' + state.SourceFolder + '"',
                 !state.SourceFolder.empty());
  const bool html5 = state.Format == PageFormat::kHtml5;
  WriteChosenKey(file, setup_key::kPageFormat, html5 ? kPageFormatHtml5 : kPageFormatClassic,
                 html5);
}

std::optional<PageCharset> ParseCharset(std::string_view name) {
  const std::string upper = UpperAscii(name);
  if (upper == "SHIFT_JIS" || upper == "SJIS" || upper == "CP932") return PageCharset::kShiftJis;
  if (upper == "UTF-8" || upper == "UTF8") return PageCharset::kUtf8;
  return std::nullopt;
}

WindowPlace ReadWindowPlace(const SettingsFile& file) {
  const WindowPlace laidOut;
  return {file.ReadInteger(kSetupSection, setup_key::kWindowLeft, laidOut.left),
          file.ReadInteger(kSetupSection, setup_key::kWindowTop, laidOut.top),
          file.ReadInteger(kSetupSection, setup_key::kWindowWidth, laidOut.width),
          file.ReadInteger(kSetupSection, setup_key::kWindowHeight, laidOut.height)};
}

void WriteWindowPlace(SettingsFile& file, const WindowPlace& place) {
  const WindowPlace laidOut;
  const auto write = [&file](const char* key, std::int32_t value, std::int32_t laidOutValue) {
    WriteChosenKey(file, key, std::to_string(value), value != laidOutValue);
  };
  write(setup_key::kWindowLeft, place.left, laidOut.left);
  write(setup_key::kWindowTop, place.top, laidOut.top);
  write(setup_key::kWindowWidth, place.width, laidOut.width);
  write(setup_key::kWindowHeight, place.height, laidOut.height);
}

std::string ReadOutputDir(const SettingsFile& file) {
  return file.ReadString(kSetupSection, setup_key::kOutputDir, "");
}

void WriteOutputDir(SettingsFile& file, const std::string& chosenFile) {
  file.WriteString(kSetupSection, setup_key::kOutputDir, ExtractFileDir(chosenFile));
}

}  // namespace favpage

#include "platform/folders.h"
#include "settings/settings_file.h"
#include "text/path_rules.h"

namespace favpage {

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
}

std::string ReadOutputDir(const SettingsFile& file) {
  return file.ReadString(kSetupSection, setup_key::kOutputDir, platform::CurrentDirectory());
}

void WriteOutputDir(SettingsFile& file, const std::string& chosenFile) {
  file.WriteString(kSetupSection, setup_key::kOutputDir, ExtractFileDir(chosenFile));
}

}  // namespace favpage

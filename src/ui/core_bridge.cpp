#include "ui/core_bridge.h"

#include "shell/shared_state.h"

namespace kelvra::ui::bridge {

bool HaveSettingsFiles() { return false; }
bool ReadSettingsFile() { return false; }
bool WriteSettingsFile() { return false; }
bool SaveDialData(const std::string&) { return false; }
bool LoadDialData(const std::string&) { return false; }
bool SaveColours() { return false; }
bool LoadColours() { return false; }
void ResetColours() {
  shell::State().colors.colors = shell::kDefaultColors;
  shell::State().colors.lineWidth = 1;
}
bool SaveOwnDates() { return false; }
bool LoadOwnDates() { return false; }
std::string SettingsPath() { return shell::State().general.settingsFile; }

}  // namespace kelvra::ui::bridge

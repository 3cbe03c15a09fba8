#include "ui/common/core_bridge.h"

#include <filesystem>
#include <system_error>

#include "persist/dial_data_file.h"
#include "persist/settings_file.h"
#include "persist/text_file.h"
#include "shell/catalog.h"
#include "shell/day_month.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/ui.h"

namespace kelvra::ui::bridge {

namespace {

const std::string& SettingsFile() { return shell::State().general.settingsFile; }

// Whoever writes the settings creates their folder.
void MakeSettingsFolder() {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(SettingsFile()).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// The valid date lines among `lines` (empty lines skipped, a refused date
// reported with its checking message).
std::vector<std::string> ValidDateLines(const std::vector<std::string>& lines) {
  std::vector<std::string> valid;
  for (const std::string& line : lines) {
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (shell::CheckDayMonth(line.substr(0, line.find(' '))).valid) valid.push_back(line);
  }
  return valid;
}

}  // namespace

bool HaveSettingsFiles() { return true; }

bool ReadSettingsFile() {
  MakeSettingsFolder();
  return persist::ReadSettings(SettingsFile(), true, true).outcome ==
         persist::ReadResult::Outcome::Read;
}

bool WriteSettingsFile() {
  MakeSettingsFolder();
  return persist::SaveSettingsFile(SettingsFile());
}

bool ReloadSettingsFile() {
  return persist::LoadSettingsFile(SettingsFile()).outcome == persist::ReadResult::Outcome::Read;
}

bool SaveDialData(const std::string& path) { return persist::SaveDialDataFile(path); }

bool LoadDialData(const std::string& path) {
  return persist::LoadDialDataFile(path).outcome == persist::ReadResult::Outcome::Read;
}

bool SaveColours() { return persist::SaveColours(SettingsFile()); }

bool LoadColours() {
  persist::LoadColours(SettingsFile());
  return true;
}

void ResetColours() { persist::ResetColours(); }

bool SaveOwnDates() {
  // Only into an existing settings file: everything from "[Datumslinien]" on
  // is replaced by the list; nothing else in the file changes.
  if (!Exists(SettingsFile())) return false;
  auto lines = persist::ReadTextLines(SettingsFile());
  if (!lines) return false;
  std::vector<std::string> out;
  for (const std::string& line : *lines) {
    if (line == persist::kDateLinesSection) break;
    out.push_back(line);
  }
  out.push_back(persist::kDateLinesSection);
  for (const std::string& entry : ValidDateLines(shell::State().general.ownDateLines))
    out.push_back(entry);
  return persist::WriteTextLines(SettingsFile(), out);
}

bool LoadOwnDates() {
  std::vector<std::string> section;
  bool found = false;
  if (auto lines = persist::ReadTextLines(SettingsFile())) {
    for (const std::string& line : *lines) {
      if (found) section.push_back(line);
      if (line == persist::kDateLinesSection) found = true;
    }
  }
  if (!found || section.empty()) {
    section.clear();
    auto own = persist::ReadTextLines(persist::kOwnDateListFileName);
    if (own) section = *own;
  }
  std::vector<std::string> valid = ValidDateLines(section);
  if (valid.empty()) {
    shell::ShowMessage(shell::MessageKind::Problem, shell::Get(texts::ui::kNoOwnDates));
    return false;
  }
  shell::State().general.ownDateLines = std::move(valid);
  return true;
}

std::string SettingsPath() { return SettingsFile(); }

}  // namespace kelvra::ui::bridge

// The window program's calls into the core's settings and dial data files,
// colour sets and own date-line list: one place, so the windows stay thin.
// Each returns false when the operation failed (the core has shown why).
#pragma once

#include <string>

namespace kelvra::ui::bridge {

// True once the settings file operations are part of the program.
bool HaveSettingsFiles();

// Reads the settings file of the settings folder with its questions.
bool ReadSettingsFile();
// Writes the current state to the settings file (colour lines kept).
bool WriteSettingsFile();
// Reads the settings file again ("I&NI-Datei nochmals laden").
bool ReloadSettingsFile();
// Saves / loads a dial data file.
bool SaveDialData(const std::string& path);
bool LoadDialData(const std::string& path);
// Colour sets in the settings file.
bool SaveColours();
bool LoadColours();
void ResetColours();
// The own date lines in the settings file's "[Datumslinien]" section.
bool SaveOwnDates();
bool LoadOwnDates();

// The settings file path and folder.
std::string SettingsPath();

}  // namespace kelvra::ui::bridge

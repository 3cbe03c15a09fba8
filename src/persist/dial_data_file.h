// Dial data files (".kel", the settings-file layout), the own date-line list
// file "kel_days.ini" and the colour set kept in the settings file's
// "[Farben]" section. The windows call these; every box goes through
// shell::ShowMessage.
#pragma once

#include <string>

#include "persist/settings_file.h"

namespace kelvra::persist {

inline constexpr const char* kDefaultDialFileName = "myDial.kel";
inline constexpr const char* kOwnDateListFileName = "kel_days.ini";

// Writes the current state with the current colours; reports "<file>  saved!"
// or the write-protection error. True on success.
bool SaveDialDataFile(const std::string& fileName);
// Reads a dial data (or settings) file with colours and own date lines.
ReadResult LoadDialDataFile(const std::string& fileName);

// "Speichern in IN-.Datei": writes the current state to `fileName` keeping the
// colour lines of the existing settings file; reports like SaveDialDataFile.
bool SaveSettingsFile(const std::string& fileName);
// "Laden der INI-Datei": reads `fileName` with colours and own date lines and,
// when it was read, shows "<file> geladen!" / " loaded!".
ReadResult LoadSettingsFile(const std::string& fileName);

// Writes the own date lines, one per line, to `path` (normally
// "kel_days.ini" in the current folder). True on success.
bool SaveOwnDateLines(const std::string& path);
// When `path` exists: replaces the own date lines by its non-empty lines and
// returns true; otherwise changes nothing and returns false.
bool LoadOwnDateLines(const std::string& path);

// Replaces the 12 colour lines after "[Farben]" of the settings file by the
// current colours (ColorSet.savedColors follows on success). A missing
// settings file is reported and nothing is written.
bool SaveColours(const std::string& settingsFile);
// Reads the colour lines of the settings file into the current colours; with
// the file missing the default colours are set.
void LoadColours(const std::string& settingsFile);
// The default colours.
void ResetColours();

}  // namespace kelvra::persist

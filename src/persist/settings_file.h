// The settings file "kel.ini" and the dial data files (".kel"), which share one
// positional layout: lines 0..18 the site, the dial parameter record and the
// switches, "[Farben]" and the 12 colours, "[Zeiten]" with the hour ranges and
// interval codes, "[Datumslinien]" and the own date lines. On disk the file is
// Windows-1252 text with CR LF line ends and "." as decimal separator.
//
// The reader and writer work on the shared state: shell::State() (site,
// colours, general switches, own date lines) and config::Dial().
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/safe_save.h"

namespace kelvra::persist {

// The line numbers of the fixed layout (counted from 0, as the messages do).
inline constexpr int kColorsLine = 19;        // "[Farben]"
inline constexpr int kTimesLine = 32;         // "[Zeiten]"
inline constexpr int kDateLinesLine = 48;     // "[Datumslinien]"
inline constexpr const char* kColorsSection = "[Farben]";
inline constexpr const char* kTimesSection = "[Zeiten]";
inline constexpr const char* kDateLinesSection = "[Datumslinien]";
inline constexpr const char* kBackupFileName = "kel_ini.bak";

// Builds the lines of the settings file from the shared state into `lines`.
// With keepStoredColours and an existing settings file
// (shell::State().general.settingsFile) its 12 colour lines are written (and
// become ColorSet.savedColors); otherwise the current colours.
void WriteSettings(std::vector<std::string>& lines, bool keepStoredColours);

// One value the reader could not use.
struct ReadProblem {
  int line = 0;           // line number (from 0)
  std::string text;       // the value or the rest of the line as found
  std::string fallback;   // the value taken instead ("" when unchanged)
  bool stop = false;      // reading stopped here
};

struct ReadResult {
  enum class Outcome {
    Read,        // the file was read (possibly with problems that did not stop it)
    Damaged,     // the layout is broken or a value stopped reading
    Missing,     // the file does not exist or cannot be read (a folder, too large, ...)
  };
  Outcome outcome = Outcome::Read;
  std::vector<ReadProblem> problems;
  int stopLine = -1;           // line at which reading stopped, -1 when it did not
  bool rewritten = false;      // the user agreed and the file was rewritten
  std::string reason;          // Missing: why the file could not be read, in the current language
  bool ok() const { return outcome == Outcome::Read && problems.empty(); }
};

// Reads a settings file or dial data file into the shared state. Every problem
// is shown through shell::ShowMessage; a damaged file (or a missing "kel.ini")
// is offered for correction (Yes: backup "kel_ini.bak", defaults, rewrite).
// Only a regular file of at most kMaxTextFileBytes is read; anything else
// (a folder, a device, a huge file) is reported as unreadable.
ReadResult ReadSettings(const std::string& fileName, bool readColours, bool readDateLines);
// The same for the bytes of a file already in memory (Windows-1252); fileName
// is used in the messages and by the damaged-file handling.
ReadResult ReadSettingsBytes(const std::string& fileName, std::string_view bytes, bool readColours,
                             bool readDateLines);

// Writes the current state (current colours) to `fileName` and reports
// "<file>   gespeichert!" or the write-protection error. True on success.
bool RewriteSettings(const std::string& fileName);

// Writes settings lines to `fileName` (Windows-1252, CR LF, through a
// temporary file), creating its folder first when it does not exist yet (the
// settings folder on a first start). Shows no message; says why it failed.
shell::SaveResult StoreSettingsLines(const std::string& fileName,
                                     const std::vector<std::string>& lines);
// The error box of a settings or dial data file that could not be written,
// with the system's reason.
void ShowNotSaved(const std::string& fileName, const shell::SaveResult& result);

// The defaults of the start: site, dial parameters, colours and line width,
// the default own date lines.
void ResetToDefaults();

}  // namespace kelvra::persist

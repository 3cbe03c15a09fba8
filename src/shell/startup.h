// Start-up of the shared records and the settings folder.
//
// Start-up order: ResetToStartupDefaults() before any window exists (step 1);
// ApplyMainWindowDefaults() while the main window is created (step 3, the parts
// that need no window); the settings file is read; AfterSettingsRead() (step 4).
// "Standardwerte laden" is LoadStandardValues().
//
// The shell does not know the records of the subsystems above it (the dial
// parameters, the coastline text, the equation-of-time table):
// the program installs StartupHooks once, before step 1, and the shell calls
// them at the right moments.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/shared_state.h"

namespace kelvra::shell {

// The fixed text lists of the hour and interval fields, built once.
struct SharedTextLists {
  std::vector<std::string> hourLabels24;  // "  0" .. "  24" (25 entries)
  std::vector<std::string> hourLabels12;  // "  0" .. "  12" (13 entries, temporal hours)
  std::vector<std::string> clockHours;    // " 0  Uhr" .. " 24  Uhr" (25 entries)
  std::vector<std::string> intervals;     // " 60 min", " 30 min", " 20 min", " 15 min", " 10 min"
};
const SharedTextLists& TextLists();

// Steps above the shell. Any hook may be left empty.
struct StartupHooks {
  // Resets the dial parameter record to its defaults (kind "v"); called after
  // the site has its defaults. Program: config::ResetDialParameters().
  std::function<void()> resetDialParameters;
  // Step 1 only: the world coastline text and the equation-of-time table by
  // longitude (288 steps, year 2022) with its saved copy.
  std::function<void()> loadStartupTables;
};
void SetStartupHooks(StartupHooks hooks);
const StartupHooks& CurrentStartupHooks();

// The site of step 1: latitude 47.251315, longitude -9.590825 (west positive,
// so 9.59 degrees east), zone meridian -15 (CET), year 2020.
SiteSettings DefaultSite();

// Step 1: site (year 2020), colours and line width 1, showHints off, the dial
// parameters (hook), the long-lived tables (hook). The text lists are
// constants (TextLists()). The zodiac table follows the reference year by
// itself (shell/zodiac.h).
void ResetToStartupDefaults();

// "Standardwerte laden": the site (year 2020 too) and the dial parameters get
// the defaults of step 1; no file is read, colours and switches stay.
void LoadStandardValues();

// Looks up an environment variable; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;
// The environment of this process.
EnvironmentLookup ProcessEnvironment();

// `folder` with one trailing "/" (unchanged when it already ends in "/" or "\").
std::string WithTrailingSeparator(std::string folder);

// The folder of the settings file, with a trailing "/":
//   1. $KELVRA_HOME when set and not empty;
//   2. otherwise the program's own folder when it holds a file "kel.ini";
//   3. otherwise $XDG_CONFIG_HOME/kelvra when that is an absolute path,
//      else $HOME/.config/kelvra;
//   4. the program's folder when not even HOME is set.
// The folder need not exist yet; whoever writes the settings creates it.
std::string SettingsFolder(const EnvironmentLookup& environment, std::string_view programFolder);

// The folder of the running executable with a trailing "/" (from
// /proc/self/exe; `argv0`'s folder when that is not available).
std::string ExecutableFolder(std::string_view argv0 = {});

// The local calendar date of the system clock.
CalendarDate SystemToday();

// Step 3 without the window: programFolder and settingsFile, the colour
// defaults once more, the reference year and `today` from `today`, timeOfDay
// 12:00, azimuthInput 0, language German.
void ApplyMainWindowDefaults(std::string_view programFolder, const EnvironmentLookup& environment,
                             CalendarDate today);

// Step 4 after the settings file was read (or was missing): twilightKind 2,
// the default own date lines when none were read, the stored language applied.
void AfterSettingsRead();

}  // namespace kelvra::shell

// The process-wide records every window and command reads and writes: the site
// and reference year, the drawing colours and the general switches. There is
// one instance (State()), created with defaults before any window exists.
//
// Sign conventions: latitude north positive; longitude and zone meridian WEST
// positive (east negative), so Central European Time has zoneMeridian -15.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/result_list.h"

namespace kelvra::shell {

struct SiteSettings {
  double latitude = 47.251315;   // degrees, north positive, -90..+90
  double longitude = -9.590825;  // degrees, west positive, -180..+180
  double zoneMeridian = -15.0;   // degrees, west positive, -180..+180
  int year = 2020;               // reference year, 1300..2500

  // The zone's offset from Universal Time in days, positive east.
  double ZoneDays() const { return zoneMeridian / -360.0; }
  double ZoneHours() const { return 24.0 * ZoneDays(); }
};

// A colour value as stored in files: red + 256 green + 65536 blue.
using ColorValue = std::uint32_t;

inline constexpr std::array<ColorValue, 12> kDefaultColors = {
    0,         // 1 black
    16711680,  // 2 blue
    255,       // 3 red
    8388608,   // 4 navy
    32896,     // 5 olive
    32768,     // 6 green
    16776960,  // 7 aqua
    8421504,   // 8 grey
    65280,     // 9 lime
    16711935,  // 10 fuchsia
    8421504,   // 11 grey
    10543327,  // 12 light cream
};

struct ColorSet {
  std::array<ColorValue, 12> colors = kDefaultColors;       // colour n is index n - 1
  std::array<ColorValue, 12> savedColors = kDefaultColors;  // as read from the settings file
  std::uint8_t lineWidth = 1;                                // 1 thin, 2 medium, 3 strong

  ColorValue Color(int n) const { return colors.at(static_cast<std::size_t>(n - 1)); }
};

struct CalendarDate {
  int day = 1;
  int month = 1;
  int year = 2020;
};

struct GeneralState {
  int language = 1;             // 1 German, 2 English
  int textOffset = 0;           // 0 German, 2000 English
  bool languageIsGerman = true; // as stored in the settings file
  bool expertMode = true;
  bool useHtmlHelp = true;
  bool showHints = false;
  bool normalWindowSize = true;
  bool mapsEnabled = true;
  bool drawBorders = true;
  bool drawCoastline = true;
  // The ham dial design aid (never stored in a file): drawn before the dial
  // while hamOverlay is on; its stretch factor (meant for 1.2 .. 3) and the
  // pointer's position angle at the equinox (degrees); with hamMarkMode the
  // marked hour points are drawn instead of the rays.
  bool hamOverlay = false;
  double hamStretch = 1.5;
  double hamEquinoxAngle = 0.0;
  bool hamMarkMode = false;
  bool wideScreen = true;
  bool largeFonts = false;
  int twilightKind = 2;         // 0 civil, 1 nautical, 2 astronomical
  int tableKind = 0;            // yearly table: 0 EoT, 1 EoT + longitude, 2 declination, 3 true noon
  int riseSetRange = 0;         // rise and set table: 0 one month, 1 first, 2 second half-year
  CalendarDate today;           // the calculator's date
  double timeOfDay = 0.5;       // fraction of a day (12:00)
  double azimuthInput = 0.0;    // degrees
  std::vector<std::string> ownDateLines;  // "dd/mm" and a comment each
  std::string programFolder;    // with a trailing separator
  std::string settingsFile;     // settings folder + "kel.ini"
};

// The default own date lines, used when the settings file gives none.
std::vector<std::string> DefaultOwnDateLines();

struct SharedState {
  SiteSettings site;
  ColorSet colors;
  GeneralState general;
  ResultList results;  // the calculator's result list (print commands)
};

// The one process-wide instance.
SharedState& State();

}  // namespace kelvra::shell

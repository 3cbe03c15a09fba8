// Horizon profile files (".ele"): Windows-1252 text with CR LF line ends,
// fields separated by TABs, numbers written with a decimal comma.
//
//   line 1  latitude (north positive) TAB " Latitude (where South is negative)"
//   line 2  longitude (EAST positive) TAB "Longitude (where  West is negative)"
//   line 3  "720" TAB " NPoints (Azimut, Elevation, Distanz);" and, from its
//           43rd character on, a description of the observer
//   then    one point per line: azimuth TAB altitude TAB distance TAB terrain
//           height TAB (the writer puts a blank before and after each TAB)
//
// The points start at the first line (after line 3) whose first field is -180;
// lines before it are skipped. A reader takes exactly 720 points, in half-degree
// steps of azimuth; a file with fewer, or with a point out of its place, is
// refused as a whole.
#pragma once

#include <string>
#include <string_view>

#include "calc/horizon/horizon_profile.h"

namespace kelvra::calc {

struct HorizonProfileFile {
  double latitude = 0;      // degrees, north positive
  double longitude = 0;     // degrees, WEST positive (the file holds it east positive)
  std::string description;  // line 3 from its 43rd character, TABs as blanks (UTF-8)
  HorizonProfile profile;
};

enum class ProfileFault {
  None,
  Missing,        // there is no such file
  CannotRead,     // the file cannot be opened or read; `text` gives the reason
  TooLarge,       // far larger than any profile file
  BadLatitude,    // line 1 holds no latitude within -90..90
  BadLongitude,   // line 2 holds no longitude within -180..180
  NoStart,        // no line whose first field is -180
  TooFewPoints,   // only `count` points
  BadNumber,      // line `line` holds no number where one belongs (`text`)
  WrongAzimuth,   // line `line` gives an azimuth other than its place asks
  OutOfRange,     // line `line`: altitude beyond -90..90 or a negative distance
};

struct ProfileReadResult {
  ProfileFault fault = ProfileFault::None;
  int line = 0;         // the line at fault, from 1
  int count = 0;        // points found
  std::string text;     // the offending text (at most 40 characters) or the reason
  HorizonProfileFile file;
  bool ok() const { return fault == ProfileFault::None; }
};

// Largest file read as a profile (a profile file is about 30 kB).
inline constexpr std::size_t kMaxProfileFileBytes = std::size_t{4} << 20;

// Reads the text of a profile file (Windows-1252, CR LF or LF).
ProfileReadResult ParseHorizonProfile(std::string_view bytes);
ProfileReadResult ReadHorizonProfileFile(const std::string& path);

// The description of a computed profile: "  Beobachter-Standort  Höhe=" ground
// " + " platform ";  Mindestabstand der Objekte=" distance (metres).
std::string ComputedProfileDescription(int groundHeight, int platformHeight, int minimumDistance);

// The bytes of the file (Windows-1252, CR LF).
std::string FormatHorizonProfile(const HorizonProfileFile& file);

// Writes the file through a temporary file and a rename; false (the old file
// untouched) when that fails.
bool WriteHorizonProfileFile(const std::string& path, const HorizonProfileFile& file);

}  // namespace kelvra::calc

// The local horizon of a site: for every half degree of azimuth the altitude
// of the skyline (mountains, buildings) as seen from the site.
//
// Azimuths follow the program's convention: degrees from south, positive
// toward west (north -180, east -90, south 0, west +90). Point i of a profile
// stands for the azimuth -180 + i / 2, so the table runs from north (-180)
// through east, south and west to 179.5.
#pragma once

#include <array>
#include <string>

namespace kelvra::calc {

inline constexpr int kHorizonPointCount = 720;

struct HorizonPoint {
  double azimuth = 0;        // degrees from south, west positive: -180 + index / 2
  double altitude = 0;       // degrees above the eye's horizontal plane
  double distance = 0;       // metres to the object forming the horizon; 0 when none
  double terrainHeight = 0;  // metres above sea level of that object; 0 when none

  bool operator==(const HorizonPoint&) const = default;
};

// The azimuth of point `index` (0..719): -180 + index / 2 degrees.
constexpr double HorizonAzimuth(int index) { return -180.0 + 0.5 * index; }

// The index of the point nearest to `azimuth` (degrees, any value; it is
// brought into -180..180 first). Halfway cases round up.
int HorizonIndex(double azimuth);

struct HorizonProfile {
  // A flat horizon: every altitude, distance and height 0, the azimuths set.
  HorizonProfile();

  std::array<HorizonPoint, kHorizonPointCount> points;

  // The altitude of the horizon (degrees) toward `azimuth` (degrees from
  // south, west positive): the nearest point's.
  double AltitudeAt(double azimuth) const;

  bool operator==(const HorizonProfile&) const = default;
};

// The horizon profile the program holds. One process-wide instance (Horizon())
// shared by the windows; the switch that shows it in the diagrams and on the
// azimuthal dial is DialParameters::horizonProfile.
struct HorizonProfileState {
  HorizonProfile profile;
  bool horizonProfileLoaded = false;  // a profile was read or computed
  double latitude = 0;                // centre of the profile, degrees north positive
  double longitude = 0;               // centre of the profile, degrees WEST positive
  std::string description;            // the observer text of the profile file
  std::string fileName;               // the file it came from or went to; may be empty
};

HorizonProfileState& Horizon();

}  // namespace kelvra::calc

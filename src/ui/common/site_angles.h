// Angles of the site dialog: decimal degrees and degrees, minutes, seconds.
#pragma once

namespace kelvra::ui {

struct DmsAngle {
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;  // rounded; 60 is possible
};

// |x| as whole degrees, whole minutes and rounded seconds (the sign is the
// hemisphere choice and is not part of the result).
DmsAngle DecimalToDms(double x);

// degrees + minutes / 60 + seconds / 3600, negated when `negative` (south,
// east). A latitude of magnitude below 0.00001 becomes 0.000001 (before the
// hemisphere is applied) and is limited to 90.
double DmsToDecimal(const DmsAngle& d, bool latitude, bool negative);

// True when the zone meridian is more than 15 degrees from the longitude.
bool ZoneFarFromLongitude(double longitude, double zoneMeridian);

}  // namespace kelvra::ui

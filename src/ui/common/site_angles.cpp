#include "ui/common/site_angles.h"

#include <cmath>

namespace kelvra::ui {

DmsAngle DecimalToDms(double x) {
  const double a = std::fabs(x);
  DmsAngle d;
  d.degrees = static_cast<int>(std::trunc(a));
  const double minutes = 60.0 * (a - std::trunc(a));
  d.minutes = static_cast<int>(std::trunc(minutes));
  d.seconds = static_cast<int>(std::lround(60.0 * (minutes - std::trunc(minutes))));
  return d;
}

double DmsToDecimal(const DmsAngle& d, bool latitude, bool negative) {
  double x = d.degrees + d.minutes / 60.0 + d.seconds / 3600.0;
  if (latitude) {
    if (std::fabs(x) < 0.00001) x = 0.000001;
    if (x > 90) x = 90;
  }
  return negative ? -x : x;
}

bool ZoneFarFromLongitude(double longitude, double zoneMeridian) {
  return std::fabs(zoneMeridian - longitude) > 15.0;
}

}  // namespace kelvra::ui

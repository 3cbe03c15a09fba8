#include "astro/azimuth_time.h"

#include <cmath>
#include <utility>

#include "astro/angles.h"
#include "astro/sun_position.h"

namespace kelvra::astro {
namespace {

bool Between(double x, double a, double b) {
  return a <= b ? (a <= x && x <= b) : (b <= x && x <= a);
}

}  // namespace

AzimuthTimeResult TimeForAzimuth(double azimuth, int year, int dayOfYear, double latitude,
                                 double longitude, double zoneMeridian) {
  const double A = azimuth == 0.0 ? 0.0001 : azimuth;
  auto azimuthAt = [&](double t) {
    return SunPositionAtClockTime(year, dayOfYear, t, latitude, longitude, zoneMeridian, true);
  };
  const double declination =
      SunPositionNoonEphemeris(year, dayOfYear, 12.0, latitude, longitude, zoneMeridian, true)
          .declination;

  // The bracket: afternoon for the west, morning for the east; swapped when the
  // sun passes north of the zenith.
  double t1 = A > 0 ? 10.5 : 0.0;
  double t2 = A > 0 ? 24.99 : 13.5;
  if (latitude < declination) std::swap(t1, t2);
  double A1 = azimuthAt(t1).azimuth;
  double A2 = azimuthAt(t2).azimuth;
  if (A > 0 && A2 < 0) A2 += 360.0;
  if (A < 0 && A1 > 0) A1 -= 360.0;
  if (A2 < A1) {
    std::swap(A1, A2);
    std::swap(t1, t2);
  }

  AzimuthTimeResult result;
  result.azimuth = A;
  result.bracketAzimuth1 = A1;
  result.bracketAzimuth2 = A2;
  result.outsideBracket = !(A1 <= A && A <= A2);
  result.someAzimuthsUnreachable = std::abs(latitude) - std::abs(declination) < 0;

  double t = 0.5 * (t1 + t2);
  double Am = 0.0;
  bool converged = false;
  bool failed = false;
  for (;;) {
    t = 0.5 * (t1 + t2);
    Am = azimuthAt(t).azimuth;
    if (SignOf(Am) != SignOf(A) && !Between(Am, A1, A2)) Am -= 360.0 * SignOf(Am);
    if (std::abs(A - Am) < 0.005) {
      converged = true;
      break;
    }
    if (Between(A, A1, Am)) {
      t2 = t;
      A2 = Am;
    } else if (Between(A, Am, A2)) {
      t1 = t;
      A1 = Am;
    } else {
      failed = true;  // neither side holds the azimuth: stop with this time
      break;
    }
    if (std::abs(A2 - A1) < 0.002) {
      converged = true;
      break;
    }
    if (std::abs(t2 - t1) < 1e-10) break;
  }

  if (!converged && !failed) return result;  // the bracket collapsed
  result.solved = true;
  result.reached = converged;
  result.time = t;
  result.altitude = azimuthAt(t).altitude;
  return result;
}

}  // namespace kelvra::astro

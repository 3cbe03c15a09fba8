#include "calc/horizon/horizon_profile.h"

#include <cmath>

namespace kelvra::calc {

int HorizonIndex(double azimuth) {
  if (!std::isfinite(azimuth)) return 0;
  double a = std::fmod(azimuth + 180.0, 360.0);
  if (a < 0) a += 360.0;
  return static_cast<int>(std::floor(2.0 * a + 0.5)) % kHorizonPointCount;
}

HorizonProfile::HorizonProfile() {
  for (int i = 0; i < kHorizonPointCount; ++i) {
    points[static_cast<std::size_t>(i)].azimuth = HorizonAzimuth(i);
  }
}

double HorizonProfile::AltitudeAt(double azimuth) const {
  return points[static_cast<std::size_t>(HorizonIndex(azimuth))].altitude;
}

HorizonProfileState& Horizon() {
  static HorizonProfileState state;
  return state;
}

}  // namespace kelvra::calc

#include "astro/sun_table.h"

#include <algorithm>
#include <cmath>

namespace kelvra::astro {

void SunTable::Ensure(int year, double zoneMeridian) {
  if (year == year_ && zoneMeridian == zoneMeridian_ && !declination_.empty()) return;
  year_ = year;
  zoneMeridian_ = zoneMeridian;
  declination_.resize(kDays);
  equationOfTime_.resize(kDays);
  for (int i = 0; i < kDays; ++i) {
    const SolarDay s =
        ComputeSolarDay(year, DayArgumentForZoneTime(i + kFirstDay, 12.0, zoneMeridian));
    declination_[static_cast<std::size_t>(i)] = s.declination;
    equationOfTime_[static_cast<std::size_t>(i)] = s.equationOfTime;
  }
}

SolarDay SunTable::At(int day, double zoneTime) const {
  const double x = day + (zoneTime - 12.0) / 24.0;
  int k = static_cast<int>(std::lround(x));
  k = std::clamp(k, kFirstDay + 1, kFirstDay + kDays - 2);
  const double u = x - k;
  const auto i = static_cast<std::size_t>(k - kFirstDay);
  auto lagrange = [u](double a, double b, double c) {
    return a * u * (u - 1) / 2 - b * (u + 1) * (u - 1) + c * (u + 1) * u / 2;
  };
  SolarDay sun;
  sun.declination = lagrange(declination_[i - 1], declination_[i], declination_[i + 1]);
  sun.equationOfTime = lagrange(equationOfTime_[i - 1], equationOfTime_[i], equationOfTime_[i + 1]);
  return sun;
}

double SunTable::NoonDeclination(int day) const {
  const int k = std::clamp(day, kFirstDay, kFirstDay + kDays - 1);
  return declination_[static_cast<std::size_t>(k - kFirstDay)];
}

SunPosition SunAt(const SunTable& table, int day, double t, double latitude, double longitude,
                  double zoneMeridian, bool applyEquationOfTime) {
  return SunPositionFromEphemeris(table.At(day, t), t, latitude, longitude, zoneMeridian,
                                  applyEquationOfTime);
}

}  // namespace kelvra::astro

// Internal to kelvra::astro: the raw results of the low-precision sun and moon
// series before they are turned into right ascension and declination. The
// rise and set search works on them directly: with Z = sin(declination),
// RHO = cos(declination) and the half-angle tangent t = Y / (X + RHO) of the
// right ascension, cos and sin of the right ascension are (1 - t^2) / (1 + t^2)
// and 2 t / (1 + t^2), so no arc tangent and no further sine is needed.
#pragma once

namespace kelvra::astro {

struct SeriesDirection {
  double X = 1.0;
  double Y = 0.0;
  double Z = 0.0;
  double RHO = 1.0;  // sqrt(1 - Z^2)
};

SeriesDirection SunSeriesDirection(double T);
SeriesDirection MoonSeriesDirection(double T);

}  // namespace kelvra::astro

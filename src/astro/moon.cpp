#include "astro/moon.h"

#include <cmath>

#include "astro/series_direction.h"

namespace kelvra::astro {
namespace {

constexpr double kP2 = 6.283185307;
constexpr double kArc = 206264.8062;

double Frac(double x) { return x - std::floor(x); }

}  // namespace

SeriesDirection MoonSeriesDirection(double T) {
  const double L0 = Frac(0.606433 + 1336.855225 * T);
  const double L = kP2 * Frac(0.374897 + 1325.55241 * T);
  const double LS = kP2 * Frac(0.993133 + 99.997361 * T);
  const double D = kP2 * Frac(0.827361 + 1236.853086 * T);
  const double F = kP2 * Frac(0.259086 + 1342.227825 * T);

  // The sines of the sums and differences of the fundamental arguments by the
  // addition theorems: four sine/cosine pairs instead of some thirty sines.
  const double sL = std::sin(L), cL = std::cos(L);
  const double sLS = std::sin(LS), cLS = std::cos(LS);
  const double sD = std::sin(D), cD = std::cos(D);
  const double sF = std::sin(F), cF = std::cos(F);
  const double s2D = 2 * sD * cD, c2D = cD * cD - sD * sD;
  const double s2L = 2 * sL * cL, c2L = cL * cL - sL * sL;
  const double s2F = 2 * sF * cF, c2F = cF * cF - sF * sF;
  const double sLpLS = sL * cLS + cL * sLS, cLpLS = cL * cLS - sL * sLS;  // L + LS

  const double DL = 22640 * sL - 4586 * (sL * c2D - cL * s2D) + 2370 * s2D + 769 * s2L -
                    668 * sLS - 412 * s2F - 212 * (s2L * c2D - c2L * s2D) -
                    206 * (sLpLS * c2D - cLpLS * s2D) + 192 * (sL * c2D + cL * s2D) -
                    165 * (sLS * c2D - cLS * s2D) - 125 * sD - 110 * sLpLS +
                    148 * (sL * cLS - cL * sLS) - 55 * (s2F * c2D - c2F * s2D);
  const double S = F + (DL + 412 * s2F + 541 * sLS) / kArc;
  // H = F - 2D
  const double sH = sF * c2D - cF * s2D, cH = cF * c2D + sF * s2D;
  const double N = -526 * sH + 44 * (sL * cH + cL * sH) - 31 * (sH * cL - cH * sL) -
                   23 * (sLS * cH + cLS * sH) + 11 * (sH * cLS - cH * sLS) -
                   25 * (sF * c2L - cF * s2L) + 21 * (sF * cL - cF * sL);
  const double LM = kP2 * Frac(L0 + DL / 1296000.0);
  const double BM = (18520.0 * std::sin(S) + N) / kArc;

  const double CB = std::cos(BM);
  SeriesDirection r;
  r.X = CB * std::cos(LM);
  const double V = CB * std::sin(LM);
  const double W = std::sin(BM);
  r.Y = 0.91748 * V - 0.39778 * W;
  r.Z = 0.39778 * V + 0.91748 * W;
  r.RHO = std::sqrt(1.0 - r.Z * r.Z);
  return r;
}

EquatorialPosition LowPrecisionMoon(double T) {
  const SeriesDirection d = MoonSeriesDirection(T);
  EquatorialPosition p;
  p.declination = 57.29577951471995 * std::atan(d.Z / d.RHO);
  p.rightAscension = 7.639437268629327 * std::atan(d.Y / (d.X + d.RHO));
  if (p.rightAscension < 0.0) p.rightAscension += 24.0;
  return p;
}

}  // namespace kelvra::astro

#include "astro/moon.h"

#include <cmath>

namespace kelvra::astro {
namespace {

constexpr double kP2 = 6.283185307;
constexpr double kArc = 206264.8062;

double Frac(double x) { return x - std::floor(x); }

}  // namespace

EquatorialPosition LowPrecisionMoon(double T) {
  const double L0 = Frac(0.606433 + 1336.855225 * T);
  const double L = kP2 * Frac(0.374897 + 1325.55241 * T);
  const double LS = kP2 * Frac(0.993133 + 99.997361 * T);
  const double D = kP2 * Frac(0.827361 + 1236.853086 * T);
  const double F = kP2 * Frac(0.259086 + 1342.227825 * T);

  const double DL = 22640 * std::sin(L) - 4586 * std::sin(L - 2 * D) + 2370 * std::sin(2 * D) +
                    769 * std::sin(2 * L) - 668 * std::sin(LS) - 412 * std::sin(2 * F) -
                    212 * std::sin(2 * L - 2 * D) - 206 * std::sin(L + LS - 2 * D) +
                    192 * std::sin(L + 2 * D) - 165 * std::sin(LS - 2 * D) - 125 * std::sin(D) -
                    110 * std::sin(L + LS) + 148 * std::sin(L - LS) - 55 * std::sin(2 * F - 2 * D);
  const double S = F + (DL + 412 * std::sin(2 * F) + 541 * std::sin(LS)) / kArc;
  const double H = F - 2 * D;
  const double N = -526 * std::sin(H) + 44 * std::sin(L + H) - 31 * std::sin(H - L) -
                   23 * std::sin(LS + H) + 11 * std::sin(H - LS) - 25 * std::sin(F - 2 * L) +
                   21 * std::sin(F - L);
  const double LM = kP2 * Frac(L0 + DL / 1296000.0);
  const double BM = (18520.0 * std::sin(S) + N) / kArc;

  const double CB = std::cos(BM);
  const double X = CB * std::cos(LM);
  const double V = CB * std::sin(LM);
  const double W = std::sin(BM);
  const double Y = 0.91748 * V - 0.39778 * W;
  const double Z = 0.39778 * V + 0.91748 * W;
  const double RHO = std::sqrt(1.0 - Z * Z);

  EquatorialPosition p;
  p.declination = 57.29577951471995 * std::atan(Z / RHO);
  p.rightAscension = 7.639437268629327 * std::atan(Y / (X + RHO));
  if (p.rightAscension < 0.0) p.rightAscension += 24.0;
  return p;
}

}  // namespace kelvra::astro

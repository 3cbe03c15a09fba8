#include "astro/solar_ephemeris.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"

namespace kelvra::astro {
namespace {

using Real = long double;

// Brings an angle into 0..360 as the loops "while above 360 subtract 360, then
// while below 0 add 360" do (each step is exact, so the remainder is the same).
Real Reduce(Real x) {
  if (x > 360.0L) {
    // The quotient may be one off (double division); the loops mend that. The
    // difference itself is exact: both terms lie within a factor of two.
    Real r = x - 360.0L * std::floor(static_cast<double>(x) / 360.0);
    if (r <= 0.0L) r += 360.0L;                    // a whole multiple stays at 360
    while (r > 360.0L) r -= 360.0L;
    return r;
  }
  if (x < 0.0L) {
    Real r = x - 360.0L * std::floor(static_cast<double>(x) / 360.0);
    while (r < 0.0L) r += 360.0L;
    while (r >= 360.0L) r -= 360.0L;
    return r;
  }
  return x;
}

// The sums and products are held in extended precision; the trigonometric
// functions themselves are evaluated in double precision on the reduced angle
// (0..360 or a few hundred degrees), where double carries some 1e-14 degrees,
// far below the series' own accuracy, at a fraction of the cost of sinl/cosl.
Real SinD(Real x) { return std::sin(static_cast<double>(Radians(x))); }
Real CosD(Real x) { return std::cos(static_cast<double>(Radians(x))); }

}  // namespace

SolarDay ComputeSolarDay(int year, double D) {
  const Real T = (static_cast<Real>(JulianDayNumber(1, 1, year)) + static_cast<Real>(D) - 1.0L -
                  2451545.0L) /
                 36525.0L;
  // Mean anomaly: the whole-number rate first, then the rest.
  const Real A = Reduce(35999.0L * T);
  const Real M = Reduce(357.5291L + A + T * (0.0503L - T * (0.0001559L + 0.00000048L * T)));
  const Real e0 = 23.43929111L - 0.013004167L * T;
  const Real W = 125.04452L - 1934.136261L * T + 0.0020708L * T * T;
  const Real eps = e0 + 0.00256L * CosD(W);
  const Real sinEps = SinD(eps);
  const Real cosEps = CosD(eps);
  const Real L = Reduce(Reduce(36000.0L * T) + 280.4664567L + T * (0.76982772L + 0.0003032L * T));
  // sin 2M and sin 3M by the multiple-angle formulas from sin M and cos M.
  const Real sinM = SinD(M);
  const Real cosM = CosD(M);
  const Real C = sinM * (1.9146L - T * (0.004817L + 0.000014L * T)) +
                 2.0L * sinM * cosM * (0.019993L - 0.000101L * T) +
                 0.00029L * sinM * (3.0L - 4.0L * sinM * sinM);
  const Real lam = L + C - 0.00569L - 0.00478L * SinD(W);
  const Real sinLam = SinD(lam);
  const Real cosLam = CosD(lam);
  const Real s = sinLam * sinEps;
  const Real declination =
      Degrees(static_cast<Real>(std::atan(static_cast<double>(s / std::sqrt(1.0L - s * s)))));
  Real a = Degrees(static_cast<Real>(std::atan(static_cast<double>(sinLam * cosEps / cosLam))));
  if (a < 0.0L) a += 180.0L;
  if (s < 0.0L) a += 180.0L;
  const Real N = (-0.00477778L * SinD(W) - 0.00036667L * SinD(2.0L * L)) * cosEps;
  Real eot = L - 0.0057183L - a + N;
  while (eot > 180.0L) eot -= 360.0L;
  while (eot < -180.0L) eot += 360.0L;

  SolarDay day;
  day.declination = static_cast<double>(declination);
  day.equationOfTime = static_cast<double>(eot);
  day.sinObliquity = static_cast<double>(sinEps);
  day.cosObliquity = static_cast<double>(cosEps);
  return day;
}

double DayArgumentForZoneTime(int dayOfYear, double zoneTime, double zoneMeridian) {
  return dayOfYear + (zoneTime + zoneMeridian / 15.0 - 12.0) / 24.0;
}

ZodiacTable ComputeZodiacDeclinations(int year) {
  ZodiacTable table;
  table.year = year;
  const double T = (JulianDayNumber(1, 1, year) + 80.0 - 1.0 - 2451545.0) / 36525.0;
  table.obliquity = 23.43929111 - 0.013004167 * T;
  table.roundedObliquity = std::round(table.obliquity * 100.0) / 100.0;
  const double sinEps = SinDeg(table.obliquity);
  for (int i = 0; i < 37; ++i) {
    table.declinations[i] = AsinDeg(sinEps * SinDeg(90.0 + 5.0 * i));
  }
  table.declinations[18] = 0.0;
  static constexpr int kBoundaries[7] = {36, 30, 24, 18, 12, 6, 0};
  for (int k = 0; k < 7; ++k) table.boundaries[k] = table.declinations[kBoundaries[k]];
  return table;
}

namespace {

// Rounds half away from zero to a whole number.
int RoundToInt(double x) { return static_cast<int>(std::round(x)); }

// Brings the arc tangent of cos E tan lambda into the quadrant of lambda, then
// into 0..360.
double RightAscensionInQuadrant(double alpha, double lambda) {
  if (lambda <= 90.0) {
    if (alpha < 0.0) alpha = 360.0 - alpha;
  } else if (lambda <= 180.0) {
    if (alpha <= 0.0) alpha += 180.0;
  } else if (lambda <= 270.0) {
    if (alpha > 0.0) alpha += 180.0;
  } else {
    if (alpha <= 0.0) alpha += 360.0;
  }
  while (alpha >= 360.0) alpha -= 360.0;
  while (alpha < 0.0) alpha += 360.0;
  return alpha;
}

}  // namespace

std::vector<EotByLongitudeRow> EquationOfTimeByLongitude(int n, int year) {
  if (n < 1) n = 1;
  if (n > 360) n = 360;
  const double y = year - 2000.0;
  const double P = 102.937348 + 0.0171946 * y;
  const double E = 23.43929 - 0.00013 * y;
  const double e = 0.016708634 - 0.00000042036 * y;
  const double k = 43200.0 / kPi;
  const double q = std::pow(TanDeg(E / 2.0), 2);
  const double c1 = 2.0 * e * CosDeg(P) * k;
  const double c2 = (q + 0.75 * e * e * CosDeg(2.0 * P)) * k;
  const double c4 = -0.5 * q * q * k;
  const double d1 = -2.0 * e * SinDeg(P) * k;
  const double d2 = -0.75 * e * e * SinDeg(2.0 * P) * k;
  auto eotAt = [&](double lambda) {
    const double l = Radians(lambda);
    return c1 * std::sin(l) + c2 * std::sin(2.0 * l) + c4 * std::sin(4.0 * l) + d1 * std::cos(l) +
           d2 * std::cos(2.0 * l);
  };

  std::vector<EotByLongitudeRow> rows;
  rows.reserve(static_cast<std::size_t>(n) + 1);
  for (int g = 0; g <= n; ++g) {
    EotByLongitudeRow row;
    row.lambda = 360.0 * g / n;
    const double eot = eotAt(row.lambda);

    // Control value by Kepler's equation.
    const double v = 180.0 - P + row.lambda;
    const double Ek = 2.0 * AtanDeg(std::sqrt((1.0 - e) / (1.0 + e)) * TanDeg(v / 2.0));
    const double alpha =
        RightAscensionInQuadrant(AtanDeg(CosDeg(E) * TanDeg(row.lambda)), row.lambda);
    double control = Ek - Degrees(e) * SinDeg(Ek) - (180.0 - P) - alpha;
    while (control > 180.0) control -= 360.0;
    while (control < -180.0) control += 360.0;
    control *= 240.0;

    int h = n / 2 - g;
    if (h < 0) h += n;
    const double mirrored = eotAt(360.0 * h / n);
    const int rounded = RoundToInt(eot);
    const int roundedMirror = RoundToInt(mirrored);
    const int sym = RoundToInt(std::abs(rounded - roundedMirror) / 2.0);

    row.declination = std::round(AsinDeg(SinDeg(row.lambda) * SinDeg(E)) * 1000.0) / 1000.0;
    row.eotSeconds = rounded;
    row.eotExactSeconds = eot;
    row.controlSeconds = control;
    row.eotSym = eot >= mirrored ? sym : -sym;
    rows.push_back(row);
  }
  return rows;
}

}  // namespace kelvra::astro

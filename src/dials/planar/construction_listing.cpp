#include "dials/planar/construction_listing.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "dials/planar/planar_chains.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "shell/time_format.h"
#include "texts/planar.h"

namespace kelvra::dials::planar {

namespace {

using astro::AsinDeg;
using astro::AtanDeg;
using astro::CosDeg;
using astro::Radians;
using astro::SinDeg;
using astro::TanDeg;
using shell::FormatReal;

std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  const auto b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

std::string Unit() { return shell::Get(texts::planar::kDegreeUnit); }

// Hours 0..24 as the listing writes them: FormatMinutesSeconds of hours / 4
// reads as hours:minutes.
std::string HoursText(double hours) { return Trim(shell::FormatMinutesSeconds(hours / 4.0)); }

std::string TwoDigits(int v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}

}  // namespace

std::string PlanarTitle(char kind, bool umbrella, double inclination) {
  if (umbrella) {
    if (kind == 'v') return shell::Get(texts::planar::kTitleUmbrellaVertical);
    if (kind == 'i') return shell::Get(texts::planar::kTitleUmbrellaInclining);
    return shell::Get(texts::planar::kTitleUmbrellaHorizontal);
  }
  if (kind == 'v') return shell::Get(texts::planar::kTitleVertical);
  if (kind == 'i' && inclination != 0) return shell::Get(texts::planar::kTitleInclining);
  return shell::Get(texts::planar::kTitleHorizontal);
}

std::string PlanarTypeName(char kind, bool umbrella) {
  if (umbrella) return shell::Get(texts::planar::kNameUmbrella);
  if (kind == 'v') return shell::Get(texts::planar::kNameVertical);
  if (kind == 'i') return shell::Get(texts::planar::kNameInclining);
  return shell::Get(texts::planar::kNameHorizontal);
}

double SubstyleShadowTime(double latitude, double declination, double inclination) {
  // The face normal's hour angle: the sun in the hour plane through the style
  // and the normal, on the side the face looks to.
  const auto pc = astro::PlaneCoordinates(inclination, declination, latitude);
  double t = 12.0 + pc.substyleHourAngle / 15.0;
  while (t >= 24.0) t -= 24.0;
  while (t < 0.0) t += 24.0;
  if (t > 24.0 - 0.5 / 3600.0) t = 0.0;  // 23:59:59.5 and later print as 0:00
  return t;
}

PoleStyle ComputePoleStyle(const PlanarFrame& face, int year, bool dayLengthLines) {
  PoleStyle r;
  const double g = face.gnomonMm;
  double phi = face.site.latitude;
  if (std::fabs(std::fabs(phi) - 90.0) < 0.0005) phi = (phi < 0 ? -89.999 : 89.999);
  const double D = Radians(face.declination);
  const double io = Radians(face.inclination);
  const double tphi = TanDeg(phi);
  const double J = std::cos(D) * std::sin(io) - tphi * std::cos(io);
  const double Q = -J * CosDeg(phi);

  if (std::fabs(J) < 1e-7 || std::fabs(J) > 1e7 || std::fabs(Q) <= 1e-8) {
    // A style parallel to the face has no pole point, height or length.
    r.parallel = true;
    r.styleHeight = 0;
  } else {
    r.poleX = -g * std::sin(D) / J;
    r.poleY = g * (tphi * std::sin(io) + std::cos(io) * std::cos(D)) / J;
    if (std::fabs(r.poleX) + std::fabs(r.poleY) < 0.005) {
      r.orthogonal = true;
      r.styleHeight = J > 0 ? -90 : 90;
    } else {
      const double root = AtanDeg(std::sqrt(std::max(0.0, 1.0 / (Q * Q) - 1.0)));
      r.styleHeight = 90.0 - (J > 0 ? 180.0 - root : root);
      r.styleLength = std::fabs(g / SinDeg(r.styleHeight));
      double angle;
      if (std::fabs(std::sin(D)) < 1e-7) {
        angle = face.inclination >= 1 ? 90.0 : -90.0;
      } else {
        angle = AtanDeg((tphi * std::sin(io) + std::cos(io) * std::cos(D)) / std::sin(D));
      }
      r.substyleDirection = angle + 90.0;
    }
  }
  r.substyleTime = SubstyleShadowTime(face.site.latitude, face.declination, face.inclination);
  r.dayLengthLines = dayLengthLines;
  if (dayLengthLines) {
    const auto zodiac = astro::ComputeZodiacDeclinations(year);
    r.dayLengthDeclinations = DayLengthDeclinations(face.site.latitude, zodiac.roundedObliquity);
  }
  return r;
}

PoleStyleText FormatPoleStyle(const PlanarFrame& face, const PoleStyle& ps) {
  PoleStyleText r;
  static_cast<PoleStyle&>(r) = ps;
  auto& L = r.lines;
  std::string title = PlanarTitle(face.kind, face.umbrella, face.inclination);
  if (!title.empty() && title[0] >= 'a' && title[0] <= 'z') title[0] = static_cast<char>(title[0] - 32);
  L.push_back(title);
  L.push_back(shell::Get(texts::planar::kListLatitude) + FormatReal(31, 2, face.site.latitude) +
              Unit());
  L.push_back(shell::Get(texts::planar::kListLongitude) + FormatReal(31, 2, face.site.longitude) +
              Unit());
  if (face.kind != 'h') {
    L.push_back(shell::Get(texts::planar::kListDeclination) + FormatReal(8, 2, face.declination) +
                Unit());
    L.push_back(shell::Get(texts::planar::kListInclination) + FormatReal(8, 2, face.inclination) +
                Unit());
  }
  L.push_back(shell::Get(texts::planar::kListGnomon) + FormatReal(8, 3, face.gnomonMm) + " [ mm ]");
  if (ps.parallel) {
    L.push_back(shell::Get(texts::planar::kListParallel));
  } else {
    L.push_back(shell::Get(texts::planar::kListIntersection) + FormatReal(6, 3, ps.poleX) + "/" +
                FormatReal(6, 3, ps.poleY) + ")");
    if (ps.orthogonal) {
      L.push_back(shell::Get(texts::planar::kListOrthogonal));
    } else {
      r.styleHeightText = FormatReal(8, 2, ps.styleHeight);
      L.push_back(shell::Get(texts::planar::kListStyleHeight) + r.styleHeightText + Unit());
      L.push_back(shell::Get(texts::planar::kListStyleLength) + FormatReal(8, 2, ps.styleLength) +
                  " [ mm ]");
      r.substyleDirectionText = FormatReal(8, 2, ps.substyleDirection);
      L.push_back(shell::Get(texts::planar::kListSubstyleDirection) + r.substyleDirectionText +
                  Unit());
    }
  }
  r.substyleTimeText = HoursText(ps.substyleTime);
  if (!ps.orthogonal) {
    L.push_back(shell::Get(texts::planar::kListSubstyleTime) + "  " + r.substyleTimeText + " " +
                shell::Get(texts::planar::kOClock));
  }

  if (ps.dayLengthLines) {
    const auto& deltas = ps.dayLengthDeclinations;
    const std::string hrs = shell::Get(texts::planar::kHoursShort);
    std::string text = "\n    " + shell::Get(texts::planar::kDayLengthHeading) + "\n";
    text += "    12 " + hrs + ": 0.0°;";
    for (int sign : {1, -1}) {
      int written = 0;
      text += "\n   ";
      for (int k = 1; k <= 12; ++k) {
        const double d = deltas[static_cast<std::size_t>(k - 1)];
        if (std::isnan(d)) continue;
        text += " " + FormatReal(2, 0, 12 + sign * k) + " " + hrs + ": " +
                FormatReal(6, 2, sign * d) + "°,";
        if (++written % 4 == 0) text += "\n   ";
      }
    }
    std::size_t start = 0;
    while (start <= text.size()) {
      const auto nl = text.find('\n', start);
      const std::string line = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
      if (start != 0) L.push_back(line);
      if (nl == std::string::npos) break;
      start = nl + 1;
    }
  }
  L.push_back(" ");
  return r;
}

PoleStyleText PoleStyleListing(const PlanarFrame& face, int year, bool dayLengthLines) {
  return FormatPoleStyle(face, ComputePoleStyle(face, year, dayLengthLines));
}

HourLineTable ComputeHourLineTable(const PlanarFrame& face, const config::DialParameters& dial,
                                   int year, bool longitudeCorrection) {
  HourLineTable t;
  t.longitudeCorrection = longitudeCorrection;
  for (auto& row : t.angles) row.fill(kMissingAngle);
  const double phiDeg = face.site.latitude;
  const double phi = Radians(phiDeg);
  const double Ddeg = face.declination;
  const double D = Radians(Ddeg);
  const double io = Radians(face.inclination);
  const bool horizontal = face.kind == 'h';

  // The sunlit period on the face.
  const auto zodiac = astro::ComputeZodiacDeclinations(year);
  const auto ext = astro::SunlitPlaneExtremes(face.inclination, Ddeg, phiDeg, zodiac.roundedObliquity);
  t.everLit = ext.everLit;
  t.firstLight = ext.earliestFirstLight;
  t.lastLight = ext.latestLastLight;
  t.earliestHourAngle = 15.0 * (ext.earliestFirstLight - 12.0);
  t.latestHourAngle = 15.0 * (ext.latestLastLight - 12.0);

  // Style height, substyle angle, angle between fall line and noon line.
  const double expr = std::cos(io) * std::sin(phi) - std::cos(D) * std::sin(io) * std::cos(phi);
  double beta = std::fabs(expr) > 0.9999999 ? (expr > 0 ? 90.0 : -90.0)
                                            : AsinDeg(expr);
  t.styleHeight = beta;
  double F;
  if (horizontal) {
    F = phiDeg >= 0 ? 180.0 : 0.0;
  } else if (std::fabs(Ddeg) < 1e-4) {
    F = 0;
  } else {
    F = 90.0 - AtanDeg((std::tan(phi) * std::sin(io) + std::cos(io) * std::cos(D)) / std::sin(D));
    if ((beta * phiDeg < 0 && std::fabs(F) < 90) || (beta * phiDeg > 0 && std::fabs(F) > 90)) F += 180;
    if (F >= 0 && F <= 180) F -= 180;
    else if (F < 0) F += 180;
    else if (F > 180) F -= 180;
  }
  t.substyleAngle = F;
  double I = AtanDeg(std::cos(io) * std::tan(D));
  if ((phiDeg > 0 && beta > 0 && expr > 0 && std::fabs(Ddeg) < 90) ||
      (phiDeg <= 0 && beta < 0 && expr < 0 && std::fabs(Ddeg) > 90)) {
    I += 180;
  }
  t.noonLineAngle = I;
  t.substyleTime = SubstyleShadowTime(phiDeg, Ddeg, face.inclination);

  // The angles.
  int digit = dial.hourInterval;
  t.subdivisions = digit > 3 ? 5 : std::max(0, digit);
  const int k = t.subdivisions;
  t.stepMinutes = 60 / (k + 1);
  const int from = std::clamp(dial.hoursFrom, 0, 24);
  const int to = std::clamp(dial.hoursTo, 0, 24);
  t.hoursFrom = from;
  t.hoursTo = to;
  struct Cell {
    int hour, j;
  };
  std::vector<Cell> order;
  for (int n = from; n <= to; ++n) {
    for (int j = 0; j <= k; ++j) {
      if (n + j / 6.0 > to + 1e-9) break;
      double H = (j * t.stepMinutes / 60.0 + n - 12) * 15.0;
      if (longitudeCorrection) H -= face.site.longitude - face.site.zoneMeridian;
      const bool exactNoon = H == 0, exactMorning = H == -90, exactEvening = H == 90;
      if (H == 0) H = 1e-10;
      if (std::fabs(H) == 90) H = H > 0 ? 89.999999999 : -89.999999999;
      const double c = -1.0 / TanDeg(H);
      const double num = std::cos(io) * (std::sin(D) * c + std::cos(D) * std::sin(phi)) -
                         std::cos(phi) * std::sin(io);
      double den = std::cos(D) * c - std::sin(phi) * std::sin(D);
      if (std::fabs(den) < 1e-17) den = den < 0 ? -1e-17 : 1e-17;
      double alpha = AtanDeg(num / den);
      if (horizontal) {
        if (H > 90) alpha += 180;
        if (H < -90) alpha -= 180;
        if (!longitudeCorrection && phiDeg > 0) {
          if (exactNoon) alpha = 0;
          if (exactMorning) alpha = 90;
          if (exactEvening) alpha = -90;
        }
      } else {
        while (alpha > 180) alpha -= 360;
        while (alpha < -180) alpha += 360;
        if (std::fabs(beta) <= 1e-6) {
          alpha = F;
        } else if (beta > 0) {
          if (H <= 0 && (alpha < I || std::fabs(alpha - I) > 180)) alpha += 180;
          else if (H >= 0 && (alpha > I || std::fabs(alpha - I) > 180)) alpha -= 180;
        } else {
          if (H <= 0 && (alpha > I || std::fabs(alpha - I) > 180)) alpha += 180;
          else if (H >= 0 && (alpha < I || std::fabs(alpha - I) > 180)) alpha -= 180;
        }
      }
      t.angles[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)] = alpha;
      order.push_back({n, j});
    }
  }

  // Continuity: an angle that jumps by more than 90 degrees against its
  // neighbour is turned by 180.
  auto at = [&](const Cell& c) -> double& {
    return t.angles[static_cast<std::size_t>(c.hour)][static_cast<std::size_t>(c.j)];
  };
  const double turn = beta >= 0 ? 180.0 : -180.0;
  if (!order.empty()) {
    int middle = static_cast<int>(std::nearbyint((t.earliestHourAngle + t.latestHourAngle) / 30.0)) + 12;
    middle = std::clamp(middle, from, to);
    std::size_t m = 0;
    while (m < order.size() && order[m].hour < middle) ++m;
    if (m >= order.size()) m = order.size() - 1;
    // Directions are compared modulo 360, so that a value written as 270
    // next to -27 (63 degrees apart) is not taken for a jump.
    // The value is then written on the neighbour's turn of the circle, so
    // that the column runs on without a jump of 360.
    auto settle = [&](double& a, double neighbour) {
      if (std::fabs(std::remainder(a - neighbour, 360.0)) > 90.0) a += turn;
      a = neighbour + std::remainder(a - neighbour, 360.0);
    };
    for (std::size_t i = m + 1; i < order.size(); ++i) settle(at(order[i]), at(order[i - 1]));
    for (std::size_t i = m; i-- > 0;) settle(at(order[i]), at(order[i + 1]));
  }
  return t;
}

std::string SunlitText(const HourLineTable& t) {
  std::string text = t.everLit ? Trim(shell::FormatHoursMinutes(t.firstLight)) + " - " +
                                     Trim(shell::FormatHoursMinutes(t.lastLight))
                               : std::string("--:-- - --:--");
  return text + "   " + shell::Get(texts::planar::kLocalApparentTime);
}

std::string SunlitLine(const HourLineTable& t) {
  return shell::Get(texts::planar::kSunOnPlane) + SunlitText(t);
}

HourLineTableView FormatHourLineTable(const PlanarFrame& face, const HourLineTable& t) {
  HourLineTableView v;
  const std::string unit = Unit();
  const bool horizontal = face.kind == 'h';
  auto label = [&](texts::TextId id, double value, bool applies) {
    v.labels.push_back(shell::Get(id) + (applies ? FormatReal(7, 3, value) + unit : " - - - -"));
  };
  label(texts::planar::kTableLatitude, face.site.latitude, true);
  label(texts::planar::kTableLongitude, face.site.longitude, true);
  label(texts::planar::kTableZone, face.site.zoneMeridian, true);
  label(texts::planar::kTableDeclination, face.declination, !horizontal);
  label(texts::planar::kTableInclination, face.inclination, face.kind == 'i');
  v.heading = shell::Get(texts::planar::kTableHeading) + PlanarTypeName(face.kind, face.umbrella);
  v.sunlitLine = SunlitLine(t);

  v.memoLines.push_back("  " + shell::Get(texts::planar::kMemoSubstyleAngle) +
                        FormatReal(8, 3, t.substyleAngle) + unit);
  v.memoLines.push_back("  " + shell::Get(texts::planar::kMemoStyleHeight) +
                        FormatReal(8, 3, t.styleHeight) + unit);
  v.memoLines.push_back("  " + shell::Get(texts::planar::kMemoSubstyleTime) + "  " +
                        HoursText(t.substyleTime));
  if (!horizontal) {
    v.memoLines.push_back("  " + shell::Get(texts::planar::kMemoNoonLine) + " " +
                          FormatReal(8, 3, t.noonLineAngle) + unit);
  }

  // The grid: j <= 3 in the hour's row, j > 3 in the next row.
  for (int n = t.hoursFrom; n <= t.hoursTo; ++n) {
    if (t.angles[static_cast<std::size_t>(n)][0] == kMissingAngle) continue;
    std::array<std::string, 15> row{}, extra{};
    bool hasExtra = false;
    for (int j = 0; j <= t.subdivisions; ++j) {
      const double a = t.angles[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)];
      if (a == kMissingAngle) continue;
      auto& r = j <= 3 ? row : extra;
      if (j > 3) hasExtra = true;
      const std::size_t g = static_cast<std::size_t>(j <= 3 ? j : j - 4) * 4;
      r[g] = std::to_string(n) + ":" + TwoDigits(j * t.stepMinutes);
      r[g + 1] = FormatReal(9, 2, a);
      const double ta = TanDeg(a);
      if (std::fabs(ta) >= 10000) r[g + 2] = ta > 0 ? "   >10000" : "  <-10000";
      else if (std::fabs(ta) >= 100) r[g + 2] = FormatReal(9, 2, ta);
      else r[g + 2] = FormatReal(9, 3, ta);
    }
    v.grid.push_back(row);
    if (hasExtra) v.grid.push_back(extra);
  }
  return v;
}

std::vector<std::string> HourLineTablePage(const PlanarFrame& face, const HourLineTable& table,
                                           const std::vector<std::string>& poleStyleLines) {
  const HourLineTableView t = FormatHourLineTable(face, table);
  std::vector<std::string> out;
  out.push_back(t.heading);
  out.push_back("");
  for (const auto& l : t.labels) out.push_back("     " + l);
  out.push_back("");
  for (const auto& l : poleStyleLines) out.push_back(l);
  out.push_back("     " + shell::Get(texts::planar::kSunOnPlane) + SunlitText(table));
  for (const auto& l : t.memoLines) out.push_back(l);
  out.push_back("");
  if (face.kind != 'h') {
    out.push_back(shell::Get(texts::planar::kNoteSubstyle1));
    out.push_back(shell::Get(texts::planar::kNoteSubstyle2));
  }
  out.push_back(shell::Get(texts::planar::kNotePoleS));
  out.push_back("");
  out.push_back("");
  out.push_back(shell::Get(texts::planar::kNoteAngles1));
  out.push_back(shell::Get(texts::planar::kNoteAngles2));
  out.push_back("");
  std::string head;
  for (int g = 0; g < 4; ++g) {
    std::string h = " hh:mm";
    h.resize(8, ' ');
    std::string a = " dd.dd";
    a.resize(10, ' ');
    std::string tg = " tangens";
    tg.resize(10, ' ');
    head += h + a + tg + "  ";
  }
  while (!head.empty() && head.back() == ' ') head.pop_back();
  out.push_back(head);
  for (const auto& row : t.grid) {
    std::string line;
    for (int g = 0; g < 4; ++g) {
      const auto gi = static_cast<std::size_t>(g) * 4;
      std::string time = row[gi].empty() ? "" : " " + row[gi];
      time.resize(8, ' ');
      std::string a = row[gi + 1];
      a.resize(10, ' ');
      std::string tg = row[gi + 2];
      tg.resize(10, ' ');
      line += time + a + tg + "  ";
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out.push_back(line);
  }
  return out;
}

}  // namespace kelvra::dials::planar

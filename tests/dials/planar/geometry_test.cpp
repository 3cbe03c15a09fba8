// The planar geometry checked against an independent vector model of the face:
// the sun recovered from each shadow point must be the sun the line stands
// for, and the hour lines of apparent time must meet in the pole point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/solar_ephemeris.h"
#include "dials/planar/planar_chains.h"
#include "face_model.h"
#include "recording_message_sink.h"

namespace kelvra::dials::planar {
namespace {

using testing::AngleDiff;
using testing::FaceModel;

struct Face {
  char kind;
  double latitude;
  double declination;
  double inclination;
};

std::string Name(const Face& f) {
  return std::string(1, f.kind) + " lat " + std::to_string(f.latitude) + " D " +
         std::to_string(f.declination) + " incl " + std::to_string(f.inclination);
}

// Every kind across latitudes -60..+65 and wall declinations -170..+170.
std::vector<Face> AllFaces() {
  std::vector<Face> faces;
  const double lats[] = {-60, -47, -35, -20, -5, 5, 20, 35, 47.25, 65};
  const double decls[] = {-170, -120, -90, -60, -11.7, 0, 30, 75, 120, 170};
  for (double lat : lats) {
    faces.push_back({'h', lat, 0, 0});
    for (double D : decls) {
      faces.push_back({'v', lat, D, 90});
      for (double incl : {25.4589, 60.0, 125.0}) faces.push_back({'i', lat, D, incl});
    }
  }
  return faces;
}

config::DialParameters Params(const Face& f) {
  config::DialParameters p;
  p.kind = f.kind;
  p.wallDeclination = f.declination;
  p.inclination = f.kind == 'v' ? 90 : f.inclination;
  p.gnomonHeight = 35;
  p.hoursApparent = true;
  p.hoursFrom = 0;
  p.hoursTo = 24;
  p.hourInterval = 1;
  p.markAnalemma = false;
  p.planarLocalTime = true;
  return p;
}

shell::SiteSettings Site(double latitude) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = -9.59;
  s.zoneMeridian = -15;
  s.year = 2020;
  return s;
}

FaceModel Model(const PlanarDial& d) {
  const auto& f = d.frame;
  return FaceModel(f.site.latitude, f.declination, f.inclination, f.gnomonMm);
}

// Points near the foot: far-away points (sun grazing the face) carry no
// precision worth checking.
bool Near(const ChainPoint& q) { return q.lit && std::hypot(q.x, q.y) < 3000.0; }

TEST(PlanarGeometry, DateLinePointsGiveTheLineDeclination) {
  PlanarDial dial;  // keeps the year's ephemeris between faces
  for (int mode : {0, 1}) {
    for (const Face& face : AllFaces()) {
      auto p = Params(face);
      p.dateLineMode = mode;
      p.hoursApparent = false;
      BuildPlanarDial(dial, Site(face.latitude), p, {});
      const FaceModel model = Model(dial);
      int checked = 0;
      for (const auto& c : dial.chains) {
        ASSERT_EQ(c.family, LineFamily::DateLine);
        double want = c.declination;
        if (!c.fromDeclination) {
          const int day = static_cast<int>(c.value);
          want = astro::ComputeSolarDay(2020, astro::DayArgumentForZoneTime(day, 12.0, -15.0))
                     .declination;
        }
        for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
          if (!Near(*q)) continue;
          double delta, H;
          model.SunFromShadow(q->x, q->y, delta, H);
          ASSERT_NEAR(delta, want, 1e-6) << Name(face) << " mode " << mode << " line " << c.label;
          ++checked;
        }
      }
      if (face.kind == 'h' || face.kind == 'v') {
        // A wall facing the equator always catches some date lines.
        if (face.kind == 'h' || std::fabs(face.declination) < 60) {
          EXPECT_GT(checked, 0) << Name(face);
        }
      }
    }
  }
}

TEST(PlanarGeometry, ApparentHourLinePointsGiveTheHourAngle) {
  PlanarDial dial;  // keeps the year's ephemeris between faces
  for (bool local : {true, false}) {
    for (const Face& face : AllFaces()) {
      auto p = Params(face);
      p.dateLineMode = 3;
      p.planarLocalTime = local;
      const auto site = Site(face.latitude);
      BuildPlanarDial(dial, site, p, {});
      const FaceModel model = Model(dial);
      for (const auto& c : dial.chains) {
        ASSERT_EQ(c.family, LineFamily::ApparentHour);
        const double want =
            15.0 * (c.value - 12.0) - (local ? 0.0 : site.longitude - site.zoneMeridian);
        for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
          if (!Near(*q)) continue;
          double delta, H;
          model.SunFromShadow(q->x, q->y, delta, H);
          ASSERT_NEAR(AngleDiff(H, want), 0.0, 1e-6) << Name(face) << " hour " << c.value;
          ASSERT_LE(std::fabs(delta), 23.5) << Name(face);
        }
      }
    }
  }
}

TEST(PlanarGeometry, ApparentHourLinesMeetInThePolePoint) {
  PlanarDial dial;  // keeps the year's ephemeris between faces
  for (const Face& face : AllFaces()) {
    auto p = Params(face);
    p.dateLineMode = 3;
    BuildPlanarDial(dial, Site(face.latitude), p, {});
    const FaceModel model = Model(dial);
    double sx, sy;
    if (!model.PolePoint(sx, sy) || std::hypot(sx, sy) > 5000.0) continue;
    // A wall declination of exactly +-90 is nudged by 0.07 degrees for the pole point.
    if (std::fabs(std::fabs(face.declination) - 90) < 0.1) continue;
    EXPECT_NEAR(dial.pole.x, sx, 1e-6 * (1 + std::fabs(sx))) << Name(face);
    EXPECT_NEAR(dial.pole.y, sy, 1e-6 * (1 + std::fabs(sy))) << Name(face);
    int lines = 0;
    for (const auto& c : dial.chains) {
      const ChainPoint* a = nullptr;
      const ChainPoint* b = nullptr;
      double best = 0;
      for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
        if (!Near(*q)) continue;
        if (!a) a = q;
        const double d = std::hypot(q->x - a->x, q->y - a->y);
        if (d > best) {
          best = d;
          b = q;
        }
      }
      if (!a || !b || best < 5.0) continue;
      // The pole point lies on the line through a and b.
      const double ux = (b->x - a->x) / best, uy = (b->y - a->y) / best;
      const double off = (dial.pole.x - a->x) * uy - (dial.pole.y - a->y) * ux;
      ASSERT_NEAR(off, 0.0, 1e-6 * (1 + std::hypot(dial.pole.x - a->x, dial.pole.y - a->y)))
          << Name(face) << " hour " << c.value;
      ++lines;
    }
    if (face.kind != 'i' && std::fabs(face.declination) < 60) {
      EXPECT_GT(lines, 2) << Name(face);
    }
  }
}

TEST(PlanarGeometry, MeanTimeLinesAreFigureEightsOfTheMeanHour) {
  // Each point of a mean-time line shows the mean time of its hour: the hour
  // angle recovered is 15 (T - 12) + equation of time of that instant.
  for (const Face& face : {Face{'h', 47.25, 0, 0}, Face{'v', 47.25, -11.7, 90},
                           Face{'v', -33, 40, 90}, Face{'i', 52, 20, 40}}) {
    auto p = Params(face);
    p.dateLineMode = 3;
    p.hoursApparent = false;
    p.hoursWithEot = true;
    p.eotHoursFrom = 9;
    p.eotHoursTo = 15;
    p.meanTimeLocal = true;
    const auto dial = BuildPlanarDial(Site(face.latitude), p, {});
    const FaceModel model = Model(dial);
    int checked = 0;
    for (const auto& c : dial.chains) {
      ASSERT_EQ(c.family, LineFamily::MeanHour);
      double minH = 1e9, maxH = -1e9;
      for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
        if (!Near(*q)) continue;
        double delta, H;
        model.SunFromShadow(q->x, q->y, delta, H);
        const double d = AngleDiff(H, 15.0 * (c.value - 12.0));
        minH = std::min(minH, d);
        maxH = std::max(maxH, d);
        ++checked;
      }
      if (minH < maxH) {
        // The equation of time spans about -14.2 .. +16.4 minutes.
        EXPECT_GT(minH, -3.7) << Name(face);
        EXPECT_LT(maxH, 4.2) << Name(face);
      }
    }
    EXPECT_GT(checked, 0) << Name(face);
  }
}

TEST(PlanarGeometry, AltitudeLinesKeepTheirAltitude) {
  for (const Face& face : {Face{'h', 47.25, 0, 0}, Face{'v', 47.25, -11.7, 90},
                           Face{'v', -40, 160, 90}, Face{'i', 35, -30, 50}}) {
    auto p = Params(face);
    p.dateLineMode = 3;
    p.hoursApparent = false;
    p.altitudeLines = true;
    p.altitudeFrom = 10;
    p.altitudeTo = 60;
    p.altitudeInterval = 0;
    const auto dial = BuildPlanarDial(Site(face.latitude), p, {});
    const FaceModel model = Model(dial);
    int checked = 0;
    for (const auto& c : dial.chains) {
      for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
        if (!Near(*q)) continue;
        // Altitude of the sun that throws this shadow.
        testing::Vec v = model.gnomon * model.normal - (q->x * model.ex + q->y * model.ey);
        const double h = std::asin(v.u / testing::Norm(v)) / testing::kDeg;
        ASSERT_NEAR(h, c.value, 1e-6) << Name(face);
        double delta, H;
        model.SunFromShadow(q->x, q->y, delta, H);
        ASSERT_LE(std::fabs(delta), 23.45) << Name(face);
        ++checked;
      }
    }
    EXPECT_GT(checked, 0) << Name(face);
  }
}

TEST(PlanarGeometry, TemporalHoursDivideTheDayIntoTwelve) {
  // A temporal-hour point at declination δ lies (τ - 6) twelfths of the day
  // arc from noon: H = (τ - 6) H0 / 6.
  for (const Face& face : {Face{'h', 47.25, 0, 0}, Face{'v', 47.25, 10, 90}, Face{'i', 30, 0, 60}}) {
    auto p = Params(face);
    p.dateLineMode = 3;
    p.hoursApparent = false;
    p.temporalHours = true;
    p.temporalFrom = 1;
    p.temporalTo = 11;
    p.extendTemporal = true;
    const auto dial = BuildPlanarDial(Site(face.latitude), p, {});
    const FaceModel model = Model(dial);
    int checked = 0;
    for (const auto& c : dial.chains) {
      for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
        if (!Near(*q)) continue;
        double delta, H;
        model.SunFromShadow(q->x, q->y, delta, H);
        const double x = -std::tan(face.latitude * testing::kDeg) * std::tan(delta * testing::kDeg);
        const double H0 = std::acos(std::fmax(-1.0, std::fmin(1.0, x))) / testing::kDeg;
        ASSERT_NEAR(AngleDiff(H, (c.value - 6.0) * H0 / 6.0), 0.0, 1e-3) << Name(face);
        ++checked;
      }
    }
    EXPECT_GT(checked, 0) << Name(face);
  }
}

TEST(PlanarGeometry, UmbrellaDialsFollowTheRimOfTheDisc) {
  // Horizontal umbrella: a vertical rod of height g with a horizontal disc of
  // radius R; the far rim's shadow lies R beyond the shadow of the disc centre.
  auto p = Params({'h', 47.25, 0, 0});
  p.umbrella = true;
  p.umbrellaRadiusPercent = 20;
  p.dateLineMode = 0;
  p.hoursApparent = false;
  const auto dial = BuildPlanarDial(Site(47.25), p, {});
  const double R = 0.2 * 35;
  int checked = 0;
  for (const auto& c : dial.chains) {
    for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
      if (!Near(*q)) continue;
      const double s = std::hypot(q->x, q->y) - R;  // shadow of the disc centre
      const double h = std::atan(35.0 / s) / testing::kDeg;
      // The same point on the plain horizontal dial lies at distance s.
      const FaceModel model(47.25, 0, 0, 35);
      double delta, H;
      model.SunFromShadow(q->x * s / (s + R), q->y * s / (s + R), delta, H);
      ASSERT_NEAR(delta, c.declination, 1e-6);
      ASSERT_GT(h, 0);
      ++checked;
    }
  }
  EXPECT_GT(checked, 50);
}

TEST(PlanarGeometry, ImpossibleUmbrellaDeskDrawsNothing) {
  testing::RecordingMessageSink sink;
  auto p = Params({'i', 47.25, 0, 0});
  p.umbrella = true;
  p.axisInclination = 80;
  p.umbrellaRadiusPercent = 20;  // atan(0.2) = 11.3 degrees: 91.3 > 85
  auto dial = BuildPlanarDial(Site(47.25), p, {});
  EXPECT_TRUE(dial.refused);
  EXPECT_TRUE(dial.chains.empty());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Warning);
  p.umbrellaRadiusPercent = 0;
  dial = BuildPlanarDial(Site(47.25), p, {});
  EXPECT_TRUE(dial.refused);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].kind, shell::MessageKind::Error);
}

TEST(PlanarGeometry, LatitudeRefusalsLeaveTheRestOfTheDial) {
  testing::RecordingMessageSink sink;
  auto p = Params({'h', 70, 0, 0});
  p.temporalHours = true;
  p.babylonianHours = true;
  p.italianHours = true;
  const auto dial = BuildPlanarDial(Site(70), p, {});
  EXPECT_TRUE(dial.temporalRefused);
  EXPECT_TRUE(dial.babylonianItalianRefused);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Problem);
  EXPECT_NE(sink.shown[0].text.find("Temporalstunden"), std::string::npos);
  EXPECT_NE(sink.shown[1].text.find("Babylonische"), std::string::npos);
  int dateLines = 0, hourLines = 0, others = 0;
  for (const auto& c : dial.chains) {
    if (c.family == LineFamily::DateLine) ++dateLines;
    else if (c.family == LineFamily::ApparentHour) ++hourLines;
    else ++others;
  }
  EXPECT_EQ(dateLines, 7);
  EXPECT_GT(hourLines, 0);
  EXPECT_EQ(others, 0);
}

TEST(PlanarGeometry, SmallGnomonIsDrawnAtFiveMillimetres) {
  auto p = Params({'v', 47.25, 0, 90});
  p.gnomonHeight = 3;
  const auto f = MakePlanarFrame(Site(47.25), p, 1.0);
  EXPECT_DOUBLE_EQ(f.gnomonMm, 5.0);
  EXPECT_DOUBLE_EQ(f.zoom, 5.0 / 3.0);
}

TEST(PlanarGeometry, PolePointSpecialCases) {
  // Horizontal dial at the equator: latitude taken as 1e-5, pole far away.
  auto p = Params({'h', 0, 0, 0});
  const auto h = PolePoint(MakePlanarFrame(Site(0), p, 1.0));
  EXPECT_LT(h.y, -1e6);
  // Declination exactly +90 is taken as 89.93, -90 as -90.07.
  p = Params({'v', 47.25, 90, 90});
  const auto east = PolePoint(MakePlanarFrame(Site(47.25), p, 1.0));
  const double J = std::cos(89.93 * testing::kDeg);
  EXPECT_NEAR(east.x, -35 * std::sin(89.93 * testing::kDeg) / J, 1e-6);
  p.wallDeclination = -90;
  const auto west = PolePoint(MakePlanarFrame(Site(47.25), p, 1.0));
  EXPECT_NEAR(west.x, -35 * std::sin(-90.07 * testing::kDeg) / std::cos(-90.07 * testing::kDeg), 1e-6);
}

TEST(PlanarGeometry, LocalTimeNoonLineOfAHorizontalDialIsTheMeridian) {
  auto p = Params({'h', 47.25, 0, 0});
  p.hoursFrom = 12;
  p.hoursTo = 12;
  p.hourInterval = 0;
  p.dateLineMode = 3;
  const auto dial = BuildPlanarDial(Site(47.25), p, {});
  ASSERT_EQ(dial.chains.size(), 1u);
  for (const ChainPoint* q = dial.Begin(dial.chains[0]); q != dial.End(dial.chains[0]); ++q) {
    if (q->lit) {
      EXPECT_NEAR(q->x, 0.0, 1e-9);
    }
  }
}

TEST(DateLineSet, ModesAndTheirLabels) {
  const auto zodiac = astro::ComputeZodiacDeclinations(2020);
  auto s = BuildDateLineSet(0, {}, 2020, zodiac);
  ASSERT_EQ(s.entries.size(), 7u);
  EXPECT_EQ(s.entries[0].label, "21.6.");
  EXPECT_EQ(s.entries[6].label, "22.12.");
  EXPECT_DOUBLE_EQ(s.entries[3].declination, 0.0);  // longitude 180: the equinox
  EXPECT_NEAR(s.entries[0].declination, zodiac.obliquity, 1e-9);
  s = BuildDateLineSet(1, {}, 2020, zodiac);
  ASSERT_EQ(s.entries.size(), 13u);
  EXPECT_EQ(s.entries[1].label, " 7.7.");
  EXPECT_EQ(s.entries[12].label, "22.12.");
  s = BuildDateLineSet(2, {}, 2020, zodiac);
  ASSERT_EQ(s.entries.size(), 3u);
  EXPECT_EQ(s.entries[0].label, "21.06.");
  EXPECT_EQ(s.entries[1].label, "23.09.");
  EXPECT_EQ(s.entries[2].label, "21.12.");
  EXPECT_TRUE(BuildDateLineSet(3, {}, 2020, zodiac).entries.empty());
}

TEST(DateLineSet, AFaultyOwnDateIsReportedAndSkipped) {
  testing::RecordingMessageSink sink;
  const auto zodiac = astro::ComputeZodiacDeclinations(2020);
  const auto s = BuildDateLineSet(2, {"21/06    ( 21. Juni )", "xx/05  bad", "05/08"}, 2020, zodiac);
  ASSERT_EQ(s.entries.size(), 2u);
  EXPECT_EQ(s.entries[0].label, "21.06.");
  EXPECT_EQ(s.entries[0].day, 173);  // 2020 is a leap year
  EXPECT_EQ(s.entries[1].label, "05.08.");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Error);
  EXPECT_EQ(sink.shown[0].text, "Datum fehlerhaft! : xx/05  bad");
}

}  // namespace
}  // namespace kelvra::dials::planar

namespace kelvra::dials::planar {
namespace {

TEST(PlanarGeometry, InclinedUmbrellaDeskHasAVerticalRod) {
  // The desk dial: a vertical rod of height g from the foot carries a
  // horizontal disc of radius R; the far rim throws the shadow, as a point
  // on the rod R tan(h) higher would.
  for (double D : {-11.7, 0.0, 40.0}) {
    auto p = Params({'i', 47.25, D, 0});
    p.umbrella = true;
    p.axisInclination = 35;
    p.umbrellaRadiusPercent = 20;
    p.hoursApparent = false;
    p.markAnalemma = false;
    p.dateLineMode = 0;
    const auto dial = BuildPlanarDial(Site(47.25), p, {});
    const FaceModel face(47.25, D, 35, 35);
    const double R = 0.2 * 35;
    int checked = 0;
    for (const auto& c : dial.chains) {
      int j = 0;
      for (const ChainPoint* q = dial.Begin(c); q != dial.End(c); ++q, ++j) {
        if (j == 0 || !Near(*q)) continue;
        const testing::Vec u = face.Sun(c.declination, 15.0 * j / 4.0 - 180.0);
        if (u.u <= 0) continue;
        const double tanH = u.u / std::hypot(u.e, u.n);
        const testing::Vec top{0, 0, 35.0 + R * tanH};
        const double t = testing::Dot(top, face.normal) / testing::Dot(u, face.normal);
        const testing::Vec s = top - t * u;
        ASSERT_NEAR(q->x, testing::Dot(s, face.ex), 1e-6 * (1 + std::fabs(q->x))) << D;
        ASSERT_NEAR(q->y, testing::Dot(s, face.ey), 1e-6 * (1 + std::fabs(q->y))) << D;
        ++checked;
      }
    }
    EXPECT_GT(checked, 50) << D;
  }
}

}  // namespace
}  // namespace kelvra::dials::planar

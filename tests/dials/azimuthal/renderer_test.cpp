// The azimuthal renderers and plot writers: the drawn hour lines are read
// back, turned into a direction and a distance from the plate's centre by the
// target's own orientation (y down on the canvas, up in the plot file), and
// must be the sun of a full hour (sky_model.h); the compass words, legends,
// headers and trailers as the dials show them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "dials/azimuthal/azimuthal_geometry.h"
#include "dials/azimuthal/azimuthal_renderer.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "plot_polylines.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "sky_model.h"

namespace kelvra::dials::azimuthal {
namespace {

using testing::AngleDiff;

shell::SiteSettings Site(double latitude) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = -9.59;
  s.zoneMeridian = -15;
  s.year = 2020;
  return s;
}

config::DialParameters Dial(int mode, int spacing = 0) {
  config::DialParameters p;
  p.kind = 'a';
  p.azimuthCircleMode = mode;
  p.altitudeCircleSpacing = spacing;
  p.hoursApparent = true;
  p.otherHoursFrom = 6;
  p.otherHoursTo = 18;
  p.otherHourInterval = 0;
  p.azimuthZodiacScale = false;
  return p;
}

// Distance (degrees) from the hour angle H of local apparent time to the
// nearest full hour.
double OffFullHour(double H) { return std::fabs(std::remainder(H, 15.0)); }

// The sun a plate point stands for, from its direction and distance: the
// shadow points away from the sun, so the sun's azimuth is the direction of
// the point turned by 180 degrees. `down` is true where y grows downwards.
struct Seen {
  double azimuth;
  double distance;
};
Seen SeenFrom(double x, double y, double xc, double yc, bool down) {
  const double dx = x - xc, dyDown = down ? y - yc : yc - y;
  return {std::atan2(-dx, dyDown) / testing::kRad, std::hypot(dx, dyDown)};
}

// The altitude of a distance r on a plate of radius R, from the projection's definition.
double AltitudeOf(Projection p, double r, double R) {
  const double q = r / R;
  switch (p) {
    case Projection::EqualDistances: return 90 * (1 - q);
    case Projection::Stereographic: return 90 - 2 * std::atan(q) / testing::kRad;
    case Projection::Orthographic: return std::acos(std::clamp(q, -1.0, 1.0)) / testing::kRad;
    case Projection::Tonne: break;
  }
  return 0;
}

struct Target {
  const char* name;
  output::SinkKind kind;
  int width, height;
};
// A large picture keeps the rounding to whole device units small.
const Target kTargets[] = {
    {"screen", output::SinkKind::Screen, 7000, 4950},
    {"printer", output::SinkKind::Printer, 2800, 2000},
};

TEST(AzimuthalCanvas, AltitudeCircleHourLinesAreTheSunOfFullHours) {
  testing::RecordingMessageSink messages;
  for (const Target& t : kTargets) {
    for (double phi : {47.25, -33.9}) {
      for (int spacing : {0, 2, 3}) {
        const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), Dial(1, spacing), nullptr, messages);
        output::RecordingPlotSink sink(t.kind, t.width, t.height);
        DrawAltitudeCircleDial(sink, dial, shell::ColorSet{});
        const Plate plate = AltitudeCirclePlate(dial, t.width, t.height, t.kind == output::SinkKind::Screen);
        int checked = 0;
        for (const auto& op : sink.OpsOf(output::OpType::LineTo)) {
          if (op.pen.color != shell::ColorSet{}.Color(2) || op.pen.width < 2) continue;
          const Seen s = SeenFrom(op.args[0], op.args[1], plate.xc, plate.yc, true);
          if (s.distance < 0.1 * plate.R) continue;
          const double h = AltitudeOf(dial.projection, s.distance, plate.R);
          // The orthographic rim squeezes low suns together: a device unit
          // there is degrees of altitude.
          if (dial.projection == Projection::Orthographic && h < 10) continue;
          const testing::Equatorial e =
              testing::EquatorialOf(phi, testing::DirectionVector(h, s.azimuth));
          EXPECT_LT(OffFullHour(e.hourAngle), 0.5) << t.name << " " << phi << " " << spacing;
          ++checked;
        }
        EXPECT_GT(checked, 100) << t.name << " " << phi << " " << spacing;
      }
    }
  }
}

TEST(AzimuthalCanvas, DateCircleHourLinesAreTheSunOfFullHours) {
  testing::RecordingMessageSink messages;
  for (const Target& t : kTargets) {
    for (double phi : {47.25, -33.9}) {
      const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), Dial(0), nullptr, messages);
      output::RecordingPlotSink sink(t.kind, t.width, t.height);
      DrawAzimuthalDial(sink, dial, shell::ColorSet{});
      const Plate plate = DateCirclePlate(dial, t.width, t.height, t.kind == output::SinkKind::Screen);
      int checked = 0;
      for (const auto& op : sink.OpsOf(output::OpType::LineTo)) {
        if (op.pen.color != shell::ColorSet{}.Color(2) || op.pen.width < 2) continue;
        const Seen s = SeenFrom(op.args[0], op.args[1], plate.xc, plate.yc, true);
        // The ring gives the day; the sun of that day at a full hour of
        // apparent time must stand in this direction.
        const int day = static_cast<int>(std::lround(1 + (s.distance - plate.inner) / plate.span * 365));
        const double d = astro::ComputeSolarDay(2020, day).declination;
        double best = 360;
        for (int hour = 6; hour <= 18; ++hour) {
          const testing::Vec sun = testing::SunVector(phi, d, 15.0 * (hour - 12));
          best = std::min(best, std::fabs(AngleDiff(testing::AzimuthOf(sun), s.azimuth)));
        }
        EXPECT_LT(best, 1.0) << t.name << " " << phi << " day " << day;
        ++checked;
      }
      EXPECT_GT(checked, 100) << t.name << " " << phi;
    }
  }
}

// South stands above the cross in the north, north below it in the south;
// west is right, east left (the shadow's side of a sun in the east).
TEST(AzimuthalCanvas, CompassWordsAndTheSouthernPlate) {
  testing::RecordingMessageSink messages;
  for (int mode : {0, 1}) {
    for (double phi : {47.25, -33.9}) {
      const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), Dial(mode, 1), nullptr, messages);
      output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
      if (mode == 0) {
        DrawAzimuthalDial(sink, dial, shell::ColorSet{});
      } else {
        DrawAltitudeCircleDial(sink, dial, shell::ColorSet{});
      }
      const Plate plate = mode == 0 ? DateCirclePlate(dial, 1400, 990, true)
                                    : AltitudeCirclePlate(dial, 1400, 990, true);
      bool south = false, north = false, west = false, east = false;
      for (const auto& op : sink.OpsOf(output::OpType::TextOut)) {
        if (op.text == "Süd") {
          south = true;
          EXPECT_LT(op.args[1], plate.yc);
        }
        if (op.text == "Nord") {
          north = true;
          EXPECT_GT(op.args[1], plate.yc);
        }
        if (op.text == "West") {
          west = true;
          EXPECT_GT(op.args[0], plate.xc);
        }
        if (op.text == "Ost") {
          east = true;
          EXPECT_LT(op.args[0], plate.xc);
        }
      }
      EXPECT_EQ(south, phi > 0);
      EXPECT_EQ(north, phi < 0);
      EXPECT_TRUE(west && east);
    }
  }
  // The southern altitude plate stands one font height (14 pixels) higher.
  const AzimuthalDial n = BuildAzimuthalDial(Site(47.25), Dial(1), nullptr, messages);
  const AzimuthalDial s = BuildAzimuthalDial(Site(-47.25), Dial(1), nullptr, messages);
  EXPECT_EQ(AltitudeCirclePlate(n, 1400, 990, true).yc - AltitudeCirclePlate(s, 1400, 990, true).yc, 14);
}

TEST(AzimuthalCanvas, TitlesAndLegendInBothLanguages) {
  testing::RecordingMessageSink messages;
  struct Case {
    int mode, spacing;
    bool zone, eot;
    const char* titleDe;
    const char* titleEn;
    const char* timeDe;
    const char* timeEn;
  };
  const Case cases[] = {
      {0, 0, false, false, "AZIMUTALE SONNENUHR", "AZIMUTHAL SUNDIAL",
       "Ortszeit ohne Zeitgl. =  Wahre Ortszeit", "local time without EoT =  Local Apparent Time"},
      {0, 0, true, true, "AZIMUTALE SONNENUHR", "AZIMUTHAL SUNDIAL",
       "Zonenzeit mit Zeitgl. = Standard (Zonen)- Zeit", "time at zone meridian with EoT = Civil Time"},
      {1, 1, false, false, "AZIMUTALE SONNENUHR (Tonne)", "AZIMUTHAL SUNDIAL (Tonne)",
       "Ortszeit ohne Zeitgl. =  Wahre Ortszeit (WOZ)", "local time without EoT =  Local Apparent Time (LAT)"},
      {1, 2, true, false, "Stereographische Sonnenuhr", "Stereographic Sundial",
       "Zonenzeit ohne Zeitgl.", "time at zone meridian without EoT"},
      {1, 3, false, true, "Orthographische Sonnenuhr", "Orthographic Sundial",
       "Ortszeit mit Zeitgl.", "local time with EoT"},
      {1, 0, false, true, "AZIMUTALE SONNENUHR", "AZIMUTHAL SUNDIAL", "Ortszeit mit Zeitgl.",
       "local time with EoT"},
  };
  for (const Case& c : cases) {
    config::DialParameters p = Dial(c.mode, c.spacing);
    p.zoneTime = c.zone;
    p.altitudeWithEot = c.eot;
    p.basePlateDiameter = 150;
    const AzimuthalDial dial = BuildAzimuthalDial(Site(47.25), p, nullptr, messages);
    for (bool german : {true, false}) {
      shell::SelectLanguage(german);
      output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
      if (c.mode == 0) {
        DrawAzimuthalDial(sink, dial, shell::ColorSet{});
      } else {
        DrawAltitudeCircleDial(sink, dial, shell::ColorSet{});
      }
      const std::vector<std::string> texts = sink.Texts();
      auto has = [&](const std::string& t) {
        return std::find(texts.begin(), texts.end(), t) != texts.end();
      };
      EXPECT_TRUE(has(german ? c.titleDe : c.titleEn)) << c.titleEn;
      EXPECT_TRUE(has(german ? c.timeDe : c.timeEn)) << c.timeEn;
      EXPECT_TRUE(has(german ? "Geogr. Breite = 47.25 Grad, Geogr. Länge = -9.59 Grad"
                             : "Latitude = 47.25 deg , Longitude = -9.59 deg "));
      EXPECT_TRUE(has(german ? "Durchmesser = 150.0 mm" : "Diameter = 150.0 mm"));
      const bool dome = c.mode == 1 && c.spacing == 1;
      EXPECT_TRUE(has(german ? (dome ? "Besitzt statt des Zeigers eine durchsichtige,reflektierende hyperbolische Kuppel!"
                                     : "Zeigerhöhe beachten! (s. Hilfedatei)")
                             : (dome ? "A transparent reflective dome is used instead of a pointer!"
                                     : "For pointer height look at help file!")));
      if (c.mode == 0) {
        EXPECT_TRUE(has(german ? "=  Monatsanfang" : "=  1st of month"));
      }
    }
  }
  shell::SelectLanguage(true);
}

TEST(AzimuthalCanvas, RefusalAndLowLatitudeTexts) {
  testing::RecordingMessageSink messages;
  config::DialParameters p = Dial(0);
  p.temporalHours = true;
  const AzimuthalDial refused = BuildAzimuthalDial(Site(70), p, nullptr, messages);
  output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
  DrawAzimuthalDial(sink, refused, shell::ColorSet{});
  EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"AZIMUTALE SONNENUHR",
                                                    "Temporalstunden sind in dieser geogr. Breite nicht möglich!",
                                                    "Die Sonnenuhr wird deshalb nicht konstruiert."}));
  EXPECT_EQ(sink.Count(output::OpType::LineTo), 0);

  const AzimuthalDial equator = BuildAzimuthalDial(Site(0), Dial(0), nullptr, messages);
  output::RecordingPlotSink low(output::SinkKind::Screen, 1400, 990);
  DrawAzimuthalDial(low, equator, shell::ColorSet{});
  const auto texts = low.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      "In dieser geogr. Breite sind Azimutalsonnenuhren nicht ganzjährig verwendbar. "
                      "(Sonnenhöhen nahe 90 Grad erlauben keine Ablesung von Azimutwinkeln.)"),
            texts.end());
  EXPECT_GT(low.Count(output::OpType::Arc), 20);  // the rings are drawn at the equator too
}

// ---- plot files ---------------------------------------------------------------

TEST(AzimuthalPlot, HourLinesAreTheSunOfFullHours) {
  testing::RecordingMessageSink messages;
  for (double phi : {47.25, -33.9, 65.5}) {
    for (int spacing : {0, 2, 3}) {
      const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), Dial(1, spacing), nullptr, messages);
      output::HpglWriter w;
      PlotAltitudeCircleDial(w, dial);
      const Plate plate = AltitudeCirclePlotPlate(dial, 1);
      const testing::PlotDrawing d = testing::ReadPlotDrawing(w.Text());
      int checked = 0;
      for (const auto& line : d.lines) {
        if (line.pen != 2) continue;
        for (const auto& p : line.points) {
          const Seen s = SeenFrom(p.x, p.y, plate.xc, plate.yc, false);
          if (s.distance < 0.1 * plate.R) continue;
          const double h = AltitudeOf(dial.projection, s.distance, plate.R);
          if (dial.projection == Projection::Orthographic && h < 10) continue;
          const testing::Equatorial e =
              testing::EquatorialOf(phi, testing::DirectionVector(h, s.azimuth));
          EXPECT_LT(OffFullHour(e.hourAngle), 0.2) << phi << " " << spacing;
          ++checked;
        }
      }
      EXPECT_GT(checked, 50) << phi << " " << spacing;
    }
  }
  // The date circles: the direction of each point is a full hour's sun on its day.
  const AzimuthalDial dial = BuildAzimuthalDial(Site(47.25), Dial(0), nullptr, messages);
  output::HpglWriter w;
  PlotAzimuthalDial(w, dial);
  const Plate plate = DateCirclePlotPlate(dial, 1);
  int checked = 0;
  for (const auto& line : testing::ReadPlotDrawing(w.Text()).lines) {
    if (line.pen != 2) continue;
    for (const auto& p : line.points) {
      const Seen s = SeenFrom(p.x, p.y, plate.xc, plate.yc, false);
      const int day = static_cast<int>(std::lround(1 + (s.distance - plate.inner) / plate.span * 365));
      const double d = astro::ComputeSolarDay(2020, day).declination;
      double best = 360;
      for (int hour = 6; hour <= 18; ++hour) {
        best = std::min(best, std::fabs(AngleDiff(
                                  testing::AzimuthOf(testing::SunVector(47.25, d, 15.0 * (hour - 12))),
                                  s.azimuth)));
      }
      EXPECT_LT(best, 0.5) << day;
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

// Each ring is an arc about the centre that holds the direction of the noon
// shadow: down on the page in the north (the sun stands south), up in the
// south, and ends where the shadow of the other event points.
TEST(AzimuthalPlot, RingArcsHoldTheNoonShadow) {
  testing::RecordingMessageSink messages;
  for (double phi : {47.25, -33.9}) {
    const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), Dial(0), nullptr, messages);
    output::HpglWriter w;
    PlotAzimuthalDial(w, dial);
    const Plate plate = DateCirclePlotPlate(dial, 1);
    const std::string& t = w.Text();
    int arcs = 0;
    for (std::size_t at = t.find(";PD;AA "); at != std::string::npos; at = t.find(";PD;AA ", at + 1)) {
      const std::size_t pu = t.rfind(";PU ", at);
      const std::vector<double> start = testing::PlotNumbers(t.substr(pu + 4, at - pu - 4));
      const std::size_t end = t.find(';', at + 4);
      const std::vector<double> aa = testing::PlotNumbers(t.substr(at + 7, end - at - 7));
      ASSERT_EQ(aa.size(), 3u) << t.substr(at, 40);
      EXPECT_EQ(aa[0], plate.xc);
      EXPECT_EQ(aa[1], plate.yc);
      const double a0 = std::atan2(start[1] - plate.yc, start[0] - plate.xc) / testing::kRad;
      const double noon = phi > 0 ? -90 : 90;
      double into = std::fmod(noon - a0 + 720, 360.0);
      EXPECT_GT(aa[2], 0);
      EXPECT_LT(into, aa[2]) << phi << " start " << a0 << " sweep " << aa[2];
      // The arc is symmetric about the meridian: it ends mirrored.
      EXPECT_NEAR(std::fmod(a0 + aa[2] + 360, 360.0), std::fmod(180 - a0 + 720, 360.0), 0.2);
      ++arcs;
    }
    EXPECT_EQ(arcs, 24) << phi;
  }
}

TEST(AzimuthalPlot, HeadersTrailersAndSizes) {
  testing::RecordingMessageSink messages;
  const AzimuthalDial dates = BuildAzimuthalDial(Site(47.25), Dial(0), nullptr, messages);
  output::HpglWriter w;
  PlotAzimuthalDial(w, dates);
  const std::string& t = w.Text();
  // The title in pen 1 with the writer's own number format, then the legend.
  EXPECT_EQ(t.rfind("IN;PA;;SP 1;SI  0.30, 0.40;PU 200 10500;LBAZIMUTALE SONNENUHR\x03;SI  0.15, 0.24;PU 200 10300;LB", 0), 0u)
      << t.substr(0, 120);
  EXPECT_NE(t.find("\x03;PU 200 10100;LB"), std::string::npos);
  EXPECT_NE(t.find("\x03;PU 200 9900;LBDurchmesser = 180.0 mm\x03"), std::string::npos);
  EXPECT_EQ(t.substr(t.size() - 8), ";SP0;IN;");
  EXPECT_EQ(t.find("SI 0.3,0.4"), std::string::npos);
  EXPECT_EQ(t.find('\n'), std::string::npos);

  const AzimuthalDial altitudes = BuildAzimuthalDial(Site(47.25), Dial(1, 3), nullptr, messages);
  output::HpglWriter v;
  PlotAltitudeCircleDial(v, altitudes);
  EXPECT_EQ(v.Text().rfind(output::StandardHeaderText(1), 0), 0u);
  EXPECT_EQ(v.Text().substr(v.Text().size() - 7), ";IW;IN;");
  // Altitude circles about the centre: radius 3600 (90 mm) cos h.
  for (int h : {0, 30, 60}) {
    const std::string ci = ";CI " + output::FormatCoordinate(3600 * std::cos(h * testing::kRad));
    EXPECT_NE(v.Text().find(ci), std::string::npos) << ci;
  }
}

}  // namespace
}  // namespace kelvra::dials::azimuthal

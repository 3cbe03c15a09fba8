// Azimuthal dials (kind a): a horizontal plate with a vertical pointer at its
// centre; the time is read from the direction of the pointer's shadow, and
// circles about the centre tell where to read it:
//   variant 0: one ring per day of the year (or per solar declination);
//   variant 1: circles of equal sun altitude in one of four radial projections.
//
// Every point of the dial is a sun direction: the azimuth A (degrees from
// south, west positive) gives the direction of the shadow from the pointer's
// foot, and a second value its distance from the centre: in variant 0 the
// ring of the day as a share of the ring band, in variant 1 the sun's
// altitude. The chains of such points are traced once; the canvas renderer
// and the plot writer turn them into device or plot units with the plate
// radius of their target.
//
// Orientation (all targets): a sun of azimuth A puts its point at angle
// A + 180 degrees from the plate's "up" direction, the direction of the
// shadow. On the picture (y down) the point at distance r lies at
// (xc - r sin A, yc + r cos A); south is up, west right, east left.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/horizon/horizon_profile.h"
#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::azimuthal {

// ---- the radial projections of variant 1 ----------------------------------------

enum class Projection : std::uint8_t {
  EqualDistances = 0,  // r = R (1 - h / 90)
  Tonne = 1,           // the horizontoscope after Tonne
  Stereographic = 2,   // r = R tan(45 - h / 2)
  Orthographic = 3,    // r = R cos h
};

Projection ProjectionOf(int altitudeCircleSpacing);

// The distance from the centre (in the units of R) of altitude h (degrees) on
// a plate of radius R. Tonne: r = cos h 2t (t^2 - u^2) / (sin h (t^2 + u^2) +
// 2 u t) with s = t = R and u = sqrt(s^2 / 4 + t^2) - s / 2, so that r(0) = R
// and r(90) = 0.
double AltitudeRadius(Projection projection, double altitude, double R);

// ---- the traced dial ------------------------------------------------------------

// A sun direction on the plate.
struct DirPoint {
  double azimuth = 0;  // degrees from south, west positive
  double param = 0;    // variant 0: share of the ring band (0 inner ring .. 1 outer);
                       // variant 1: the sun's altitude (degrees)
  bool belowHorizon = false;  // variant 1: behind the local horizon profile
};

enum class HourSystem : std::uint8_t { Ordinary, Temporal, Babylonian, Italian };

enum class LineKind : std::uint8_t {
  SunriseCurve,   // variant 0: the sunrise points through the year (colour 5)
  SunsetCurve,    // variant 0: the sunset points (colour 5)
  Hour,           // hour lines of the four systems
  Declination,    // variant 1: lines of constant declination
};

// A run of consecutive points of one line; lines break where the sun is
// down, too high (89 degrees or more) or the day has no sunrise.
struct Chain {
  LineKind kind = LineKind::Hour;
  HourSystem system = HourSystem::Ordinary;
  bool full = false;         // hour line: a whole hour; declination line: a main line
  int colour = 2;            // colour (pen) number
  int widthAdd = 0;          // drawn this much wider than the line width
  double value = 0;          // hour value t, or the declination (degrees)
  std::uint32_t first = 0;   // slice of AzimuthalDial::points
  std::uint32_t count = 0;
};

// A ring of variant 0: the circle of one day (or declination) drawn over the
// directions the shadow reaches that day.
struct Ring {
  double param = 0;          // share of the ring band
  int colour = 7;            // 7 first of month / sign, 6 middle
  bool polarDay = false;     // the sun never sets: the whole circle
  bool polarNight = false;   // the sun never rises: nothing
  bool noonShadowDown = true;  // the noon shadow points to the plate's bottom (sun south)
  double riseAzimuth = 0;    // sun azimuth at sunrise (degrees from south, west positive)
  double setAzimuth = 0;
  int month = 0;             // date rings: the month of a first-of-month ring (labels)
  int sign = -1;             // declination rings: the entry 0..6 of a sign boundary
};

// Where a full hour carries its number.
struct HourLabel {
  int hour = 0;
  HourSystem system = HourSystem::Ordinary;
  int colour = 2;            // the colour of its line
  DirPoint at;               // the line's end: the outermost point (variant 0) or a low sun
  bool onAxis = false;       // variant 0: hours near 6 and 18 stand on the horizontal axis
};

struct AzimuthalDial {
  shell::SiteSettings site;
  config::DialParameters params;
  int variant = 0;                 // azimuthCircleMode 0 or 1
  Projection projection = Projection::EqualDistances;
  double obliquity = 23.44;        // rounded to 0.01 degree
  bool zodiacRings = false;        // variant 0: rings by declination
  bool refused = false;            // variant 0: temporal hours above 66 degrees
  bool lowLatitude = false;        // |latitude| < 24: not usable all year
  std::vector<DirPoint> points;
  std::vector<Chain> chains;
  std::vector<Ring> rings;
  std::vector<HourLabel> hourLabels;
  // Variant 1 with the horizon profile: the profile's outline (closed).
  std::vector<DirPoint> horizon;
  std::vector<HourSystem> additionalSystems;  // shown besides ordinary hours (legend)

  const DirPoint* Begin(const Chain& c) const { return points.data() + c.first; }
  const DirPoint* End(const Chain& c) const { return points.data() + c.first + c.count; }
};

// The day rings' share of the band for day of year `day` (1 .. 366; the day
// after 31 December is last + 1): (day - 1) / 365, or with `juneOutside`
// (last - day) / 365, last being 31 December.
double DayRingParam(int year, int day, bool juneOutside);
// The share for a sun declination d with the obliquity eps: (eps - d) / (2 eps),
// or with `juneOutside` (eps + d) / (2 eps).
double DeclinationRingParam(double declination, double obliquity, bool juneOutside);

// Traces the dial. `horizon` is the local horizon profile when it is loaded
// (drawn and used in variant 1 when the parameters ask for it). The refusal
// of temporal hours above 66 degrees (variant 0) is shown through `messages`.
AzimuthalDial BuildAzimuthalDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                                 const calc::HorizonProfile* horizon, shell::MessageSink& messages);

}  // namespace kelvra::dials::azimuthal

// The dial kinds and the dial parameter record: every construction parameter of
// the current sundial with its unit, default and allowed range.
//
// Where it lives: the one process-wide record is config::Dial() (below), beside
// shell::State() which holds the site, colours and general switches. The kind
// letter is the record's own field `kind`. The shell does not know this record;
// config depends on shell, never the other way round.
//
// Units and signs: angles in degrees; lengths in millimetres of the printed
// drawing (one length unit is one millimetre in print and in files); longitudes
// west positive like SiteSettings; wall declinations from south, east negative.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelvra::config {

// One lower-case letter selecting the dial family:
//   h horizontal, v vertical (declining wall), i inclining/reclining planar dial,
//   q altitude dials, a azimuthal, z cylinder, k horizontal altitude (Hidokei),
//   r ring, c biazimuthal, m mean-time dial, w Sawyer decliner, p Peaucellier,
//   f bifilar after Michnik; the umbrella dial is h, i or v with `umbrella` set.
//   's' is a transitional value of the umbrella dial only.
using DialKind = char;
inline constexpr DialKind kDefaultDialKind = 'v';

// The obliquity used for the defaults that depend on it (degrees, rounded to
// 0.01 as the ring offsets use it).
inline constexpr double kDefaultObliquity = 23.44;

struct ThreadPoint {
  double x = 0;  // mm, -500..+500
  double y = 0;  // mm, -500..+500
  double z = 0;  // mm
};

struct DialParameters {
  // ---- kind and variants -------------------------------------------------
  DialKind kind = kDefaultDialKind;  // letter above
  bool umbrella = false;             // h/i/v: umbrella dial on that plane
  char umbrellaPlane = 'h';          // last plane of the umbrella dial: h, i or v
  int altitudeVariant = 0;           // q: 0 quadrant, 1 Habermel I, 2 Habermel II
  int cylinderVariant = 0;           // z: 0 shepherd's, 1 hat (azimuth), 2 polar gnomon
  int azimuthCircleMode = 1;         // a: 0 date/zodiac circles, 1 sun altitude circles
  int altitudeCircleSpacing = 1;     // a mode 1: 0 equal, 1 Tonne, 2 stereographic, 3 orthographic
  int dialPlane = 0;                 // c, m: plane modulo 3: 0 horiz., 1 vert., 2 inclining
  int sawyerTimeMode = 0;            // w: 0..3 (see SetSawyerTimeMode)
  bool michnikClassic = false;       // f: classical Michnik dial

  // ---- plane and gnomon --------------------------------------------------
  double wallDeclination = -11.7;       // deg -180..+180, east negative
  double inclination = 25.4589;         // deg 0..175 (kind i: > 0 when the field is left)
  double axisInclination = 47.251315;   // deg -175..+175 (m); umbrella desk 0..80; latitude at start
  double coneHalfAngle = 12;            // deg 0..85 (m)
  double gnomonHeight = 35;             // mm, see GnomonRanges (parameter dialog 5..500)
  double umbrellaRadiusPercent = 0.35;  // % of gnomonHeight, -100..+200
  double habermelGnomon = 0;            // mm 9..100, derived (DeriveHabermelGnomon)
  double dialDiameter = 200;            // mm 30..200 (Habermel dials)
  int cylinderGnomon = 70;              // mm 4..110 (z variants 0, 1)
  double polarCylinderGnomon = 51;      // mm 4..110 (z variant 2)
  double cylinderRadius = 250;          // mm 4..500 (z variant 2)
  int monthScaleLength = 270;           // mm 0..400 (z)
  int maxShadowLength = 160;            // mm 0..200, derived (DeriveMaxShadowLength)
  int hidokeiGnomon = 25;               // mm 4..110 (k)
  int hidokeiMonthScale = 120;          // mm 0..180 (k)
  int hidokeiScaleLength = 180;         // mm 0..260 (k)
  int quadrantSize = 150;               // mm 80..200 (q variant 0)
  double ringDiameter = 150;            // mm 10..300
  double ringWidth = 80;                // mm 4.5..300
  double ringHoleAngle = 30;            // deg 10..90
  double ringHoleOffset = 0;            // deg -23.44..+23.44 (one band)
  double ringHoleOffsetNorth = kDefaultObliquity / 2;   // deg 0..23.44
  double ringHoleOffsetSouth = -kDefaultObliquity / 2;  // deg, not edited (-23.44..0)
  double observerDistance = 300;        // mm 10..400 (a, spacing 1)
  double basePlateDiameter = 180;       // mm 3..200 (a)
  double secondLatitude = 47.25;        // deg -90..+90 (c, position B)
  double secondLongitude = -15;         // deg -180..+180, west positive
  double secondWallDeclination = 78.3;  // deg -180..+180
  bool secondVertical = false;          // c: position B carries a vertical dial
  int scalePercent = 100;               // % 5..99000 (c)
  double sawyerLineAngle = 5;           // deg 0.5..15 (w)
  double sawyerCenter = 90;             // mm 0..900 (w)
  double peaucellierConstant = -0.8749; // -2.1..+2.1 (p)
  int peaucellierEquinoxDistance = 32;  // mm 0..300 (p)
  // Thread points P1..P4 of kind f: x, y -500..+500; z of P1 5..500 (P2 the
  // same), z of P3 0.5..500 (P4 the same).
  std::array<ThreadPoint, 4> bifilarThreads = {
      ThreadPoint{0, 50, 25}, ThreadPoint{0, -50, 25}, ThreadPoint{50, 0, 15},
      ThreadPoint{-50, 0, 15}};

  // ---- hour-line systems (hours 0..24, temporal hours 0..12, altitudes deg) --
  // Interval codes: see the functions below.
  bool hoursApparent = true;   // apparent-time hour lines
  int hoursFrom = 8;           // 0..24
  int hoursTo = 19;            // 0..24
  int hourInterval = 1;        // minute code 0..4 (file accepts 0..5)
  bool hoursWithEot = false;   // mean-time hour lines (with equation of time)
  int eotHoursFrom = 9;
  int eotHoursTo = 17;
  int eotHourInterval = 0;     // EoT minute code 0..3, 6 (file accepts 0..6)
  bool babylonianHours = false;
  int babylonianFrom = 0;
  int babylonianTo = 20;
  int babylonianInterval = 0;  // minute code 0..4
  bool italianHours = false;
  int italianFrom = 5;
  int italianTo = 24;
  int italianInterval = 1;     // minute code 0..4
  bool temporalHours = false;
  int temporalFrom = 1;        // 0..12
  int temporalTo = 11;         // 0..12
  int temporalInterval = 0;    // temporal code 0..3
  bool altitudeLines = false;
  int altitudeFrom = 20;       // deg 10..80 (file accepts 10..90)
  int altitudeTo = 70;         // deg 10..80 (file accepts 10..90)
  int altitudeInterval = 1;    // altitude code 0..2
  int otherHoursFrom = 10;     // other families, 0..24
  int otherHoursTo = 18;
  int otherHourInterval = 0;   // minute code 0..4
  int otherTemporalFrom = 1;   // 0..12
  int otherTemporalTo = 6;
  int otherTemporalInterval = 0;  // temporal code 0..3

  // ---- further hour-line options ------------------------------------------
  bool planarLocalTime = true;   // apparent time of the local (true) or zone meridian
  bool linesToFoot = false;      // hour lines run to the foot of the polar style
  bool extendTemporal = true;    // temporal hour lines extended
  bool polarTriangle = false;    // draw the polar triangle
  bool zoneTime = false;         // other families: true zone time instead of local time
  bool altitudeTemporal = false; // q, k, r: temporal hours (forces zoneTime off)
  bool constructWithEot = false; // z, k, w: construction with the equation of time
  bool altitudeWithEot = false;  // q, a, c: construction with the equation of time
  bool meanTimeHalfLoops = false;     // set from sawyerTimeMode
  bool meanTimeStraightLines = true;  // set from sawyerTimeMode
  bool ringLocalTime = true;     // r: local time (true) or temporal hours
  bool meanTimeLocal = false;    // mean-time lines of the local (true) or zone meridian
  bool coneVertical = false;     // m listing: the plane is described as vertical

  // ---- date lines (the own date list is shell::State().general.ownDateLines) --
  int dateLineMode = 0;          // 0 zodiac, 1 7th/22nd, 2 own list, 3 none
  bool sunshineDurationLines = false;  // whole-hour sunshine duration lines
  int quadrantDateScale = 0;     // q: 0 calendar, 1 declination, 2 stereographic
  bool azimuthZodiacScale = true;  // a: declination (zodiac) scale
  int zodiacLinesPerMonth = 1;   // a mode 1: 1..3, 4 = solstices and equinoxes
  int cylinderDateLines = 0;     // z variants 1, 2: 0 monthly, 1 solstices+equinoxes
  bool juneOutside = false;      // q: 21 June outside; a: January outside
  bool wholeYear = false;        // q: whole-year quadrant; r: one band only
  bool monthScaleDouble = false; // z, k: summer and winter side by side

  // ---- analemma -------------------------------------------------------------
  bool markAnalemma = true;
  int analemmaHour = 13;         // clock hour 1..23
  int analemmaDays = 1;          // 0..4

  // ---- family options ---------------------------------------------------------
  bool quadrantMirrored = false;
  bool quadrantAzimuthLines = true;
  bool hidokeiVerticalFace = true;
  bool drawEcliptic = true;
  bool horizonProfile = false;
  bool ringNoonHorizontal = true;
  int ringLightDeflection = 0;   // r: 0 not included, 1 included, 2 both
  int ringItalianPart = 1;       // r: 0 forenoon, 1 afternoon, 2 all day
  int ringBabylonianPart = 0;    // r: as ringItalianPart
  bool timeOfPosition1 = true;   // c: time display of position 1
  int extraOption = 0;           // last option number of the settings file (kind f resets it)
};

// The process-wide record (one instance, defaults until a file is read).
DialParameters& Dial();

// Fills `p` with the defaults; kind v, not an umbrella dial. `latitude` (deg)
// gives axisInclination, `obliquity` (deg) the ring hole offsets (± half).
void ResetDialParameters(DialParameters& p, double latitude = 47.251315,
                         double obliquity = kDefaultObliquity);
// Resets Dial() with the latitude of shell::State().site.
void ResetDialParameters();

// The kind code stored in files: "sh"/"si"/"sv" umbrella, "q"+altitudeVariant,
// "z"+cylinderVariant, "m"+dialPlane, "c0", otherwise the bare letter.
std::string KindCode(const DialParameters& p);
// Reads a kind code into kind, umbrella, umbrellaPlane and the variant fields:
// "s"+plane sets umbrella; "c1" gives kind m; a missing or non-numeric variant
// digit leaves the variant 0. An empty code leaves the record unchanged.
void ParseKindCode(std::string_view code, DialParameters& p);

enum class DialFamily {
  Planar,              // h, v, i
  Umbrella,            // h, v, i with umbrella set (and the transitional 's')
  Altitude,            // q
  Azimuthal,           // a
  Cylinder,            // z
  HorizontalAltitude,  // k
  Ring,                // r
  Biazimuthal,         // c
  MeanTime,            // m
  Sawyer,              // w
  Peaucellier,         // p
  Bifilar,             // f
  Habermel,            // q variants 1 and 2 (the Habermel altitude dials)
  Unknown,
};
DialFamily FamilyOf(DialKind kind, bool umbrella);

// The kind rules after a change of the kind: an umbrella dial on a non-planar
// kind becomes h; without expert mode c and m become h and altitudeVariant 0.
void NormalizeKind(DialParameters& p, bool expertMode);

// sawyerTimeMode and the three flags it sets (zoneTime, meanTimeHalfLoops,
// meanTimeStraightLines, constructWithEot).
void SetSawyerTimeMode(DialParameters& p, int mode);

// The Habermel gnomon (mm) from dialDiameter for altitudeVariant 1 or 2, with
// latitude phi and obliquity epsilon in degrees. `typeDialog` selects the dial
// type dialog's variant-2 formula. Other variants leave the record unchanged.
void DeriveHabermelGnomon(DialParameters& p, double latitude, double obliquity,
                          bool typeDialog = false);
// maxShadowLength = round(tan(90 - |phi| + epsilon) * cylinderGnomon) (mm).
void DeriveMaxShadowLength(DialParameters& p, double latitude, double obliquity);

// ---- interval codes -------------------------------------------------------
// Minute codes 0..4: 60, 30, 20, 15, 10 minutes (hourInterval, otherHourInterval,
// babylonianInterval, italianInterval). Other codes give 60.
int MinuteIntervalMinutes(int code);
// EoT codes: as the minute codes but 10 minutes is 6 (4 is read as 10 too).
int EotIntervalMinutes(int code);
int EotIntervalCode(int minutes);     // 60, 30, 20, 15 → 0..3, 10 → 6
int MinuteIntervalCode(int minutes);  // 60..10 → 0..4
// Temporal codes 0..3: 1, 0.5, 0.333, 0.25 hours.
double TemporalIntervalHours(int code);
// Altitude codes 0..2: 10, 5, 2.5 degrees.
double AltitudeIntervalDegrees(int code);

// ---- gnomon ranges: the same field is checked with different bounds ---------
struct Range {
  double min = 0;
  double max = 0;
  bool Contains(double v) const { return v >= min && v <= max; }
};
struct GnomonRange {
  std::string_view field;
  Range typeDialogLeave;  // dial type dialog, leaving the field
  Range typeDialogClose;  // dial type dialog, closing
  Range parameterDialog;  // parameter dialog (the record's range)
};
// gnomonHeight (the Sawyer page checks 5..200 and the type dialog's leave/close
// bounds apply to h, v, i, m, w), cylinderGnomon, polarCylinderGnomon,
// hidokeiGnomon, cylinderRadius, dialDiameter, monthScaleLength.
inline constexpr std::array<GnomonRange, 7> kGnomonRanges = {{
    {"gnomonHeight", {5, 200}, {3, 120}, {5, 500}},
    {"cylinderGnomon", {4, 110}, {3, 220}, {4, 110}},
    {"polarCylinderGnomon", {4, 110}, {3, 220}, {4, 110}},
    {"hidokeiGnomon", {1, 110}, {3, 220}, {4, 110}},
    {"cylinderRadius", {4, 500}, {4, 500}, {4, 500}},
    {"dialDiameter", {30, 200}, {30, 200}, {30, 200}},
    {"monthScaleLength", {3, 290}, {3, 290}, {0, 400}},
}};
inline constexpr Range kSawyerGnomonHeight{5, 200};
// The gnomon ranges of `field`, or nullptr.
const GnomonRange* FindGnomonRange(std::string_view field);

}  // namespace kelvra::config

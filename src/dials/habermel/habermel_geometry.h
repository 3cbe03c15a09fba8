// The Habermel altitude dials (kind q, variants 1 and 2): a vertical plate
// hung plumb and turned to face the sun, with a horizontal pin gnomon of
// length g; the pin tip's shadow falls g tan(altitude) below the pin's foot.
// Variant 1 is a square tablet with the date across it and the pin in a rail,
// variant 2 a disc with the date as the angle of a radius.
// docs/habermel_altitude_dials.md derives the construction.
//
// Plate coordinates in mm: origin at the plate's centre, x to the right, y
// up. Angles in degrees.
#pragma once

#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::dials::habermel {

struct HPoint {
  double x = 0;  // mm, right
  double y = 0;  // mm, up
};

struct HourCurve {
  double hour = 12;      // clock time
  bool full = true;
  bool afternoon = false;  // only with mean time, where the halves differ
  std::vector<std::vector<HPoint>> pieces;
  std::string label;       // "8 | 16", "12", or one hour with mean time
  HPoint labelAt;
  bool hasLabel = false;
};

struct DateMark {
  int dayOfYear = 1;
  int day = 1, month = 1;
  bool firstOfMonth = false;  // drawn stronger, labelled
  HPoint from, to;            // the date line (tablet) or the radius (disc)
};

struct HabermelDial {
  shell::SiteSettings site;
  int variant = 1;          // 1 tablet, 2 disc
  double diameter = 200;    // D, mm
  double gnomon = 50;       // g, mm
  bool gnomonDerived = false;  // the record's gnomon was out of range
  bool meanTime = false;    // variant 1 with constructWithEot
  double obliquity = 23.44;
  double rail = 0;          // variant 1: y of the pin's rail
  double bottom = 0;        // variant 1: lowest y of the hour curves
  double radius = 0;        // variant 2: R, the end of the hour curves
  std::vector<HourCurve> hours;
  std::vector<DateMark> dates;
};

// The gnomon that the diameter allows (the record's derivation,
// with |latitude|): variant 1 (D - 15) / (tan(90 - |phi| - eps) +
// tan(90 - |phi| + eps)), variant 2 ((D - 15) / 2) / tan(90 - |phi| + eps).
double GnomonForDiameter(int variant, double diameter, double latitude, double obliquity);

// Variant 1: x of day N on the tablet; variant 2: the unit direction of day
// N's radius (clockwise from the top).
double TabletX(double diameter, int dayOfYear);
HPoint DiscDirection(int dayOfYear);

HabermelDial BuildHabermelDial(const shell::SiteSettings& site,
                               const config::DialParameters& dial);

}  // namespace kelvra::dials::habermel

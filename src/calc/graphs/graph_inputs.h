// What the graphs of the tables window are drawn from: the site and year, the
// colours, the graph options and the dial fields they share with the dials
// (zoneTime, otherHourInterval, zodiacLinesPerMonth, horizonProfile, the wall
// declination and inclination of the plane whose sunshine is shown), and the
// loaded horizon profile. The drawing code reads no shared state: the
// windows and `kelvra graph` take the inputs from the records with
// CurrentGraphInputs().
//
// Units and signs as everywhere (astro/angles.h): degrees; latitude north
// positive; longitude, zone meridian west positive; azimuth from south, west
// positive; times in decimal hours.
#pragma once

#include <memory>

#include "calc/horizon/horizon_profile.h"
#include "shell/shared_state.h"

namespace kelvra::calc::graphs {

// The options of the graph modes that are not dial fields; process-wide, kept
// between openings of the window.
struct GraphSettings {
  bool graphHoursWithEot = false;  // hour lines in mean time (figure-of-eight loops)
  int sunPathSpan = 0;             // with graphHoursWithEot: 0 whole year,
                                   // 1 21 Jun - 21 Dec, 2 21 Dec - 21 Jun
  bool diagramPolar = false;       // false: rectangular (azimuth/altitude)
  bool planeSunshine = false;      // show the sunshine of the dial's plane
};

GraphSettings& Graphs();

struct GraphInputs {
  shell::SiteSettings site;
  shell::ColorSet colors;
  GraphSettings settings;
  // Hours of zone time (site longitude and zone meridian) instead of local
  // time; the equation-of-time graph adds the longitude correction.
  bool zoneTime = false;
  int otherHourInterval = 0;    // hour lines every 60 / (code + 1) minutes, code 0..3
  int zodiacLinesPerMonth = 1;  // date lines: 1..3 per month, 4 solstices and equinoxes
  bool showHorizon = false;     // draw the profile (dial field horizonProfile)
  std::shared_ptr<const HorizonProfile> horizon;  // null when none is loaded
  double wallDeclination = 0;   // the plane: degrees from south, west positive
  double inclination = 90;      // degrees, 0 horizontal, 90 vertical

  // The profile to draw and grey behind, or null.
  const HorizonProfile* ShownHorizon() const { return showHorizon ? horizon.get() : nullptr; }
};

// The inputs from shell::State(), config::Dial(), Graphs() and Horizon().
// A minute code above 3 (10 minutes, which the graphs do not offer) counts
// as 3.
GraphInputs CurrentGraphInputs();

}  // namespace kelvra::calc::graphs

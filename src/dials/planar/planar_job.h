// Everything one drawing of the current planar dial needs, built from the
// shared state (site, dial parameters, own date lines): the traced chains, the
// pole-style listing and the hour-line table with the sunlit period.
#pragma once

#include "config/dial_parameters.h"
#include "dials/planar/construction_listing.h"
#include "dials/planar/planar_chains.h"

namespace kelvra::dials::planar {

// True for kinds h, v and i (with or without umbrella).
bool IsPlanarDial(const config::DialParameters& dial);

struct PlanarJob {
  PlanarDial dial;
  ListingPlane plane;
  PoleStyleResult poleStyle;
  HourLineTable table;
};

// Builds the job for shell::State() and config::Dial() at `zoom`. The hour-line
// table uses apparent time of the zone meridian when planarLocalTime is off.
void BuildPlanarJob(PlanarJob& job, double zoom = 1.0);

}  // namespace kelvra::dials::planar

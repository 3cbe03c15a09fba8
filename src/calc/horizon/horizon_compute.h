// Computing a horizon profile from elevation grids.
//
// The earth is a sphere of radius kEarthRadius. The eye stands at the centre
// of the profile, at the ground height of the centre plus the platform height
// (ho). Every cell of a grid that lies within the search radius and not nearer
// than the minimum distance, and is higher than ho, is a point of terrain at
// height hc. With θ the central angle between centre and cell, the line of
// sight has the length Q = sqrt((R + ho)² + (R + hc)² - 2 (R + ho)(R + hc) cos θ)
// and rises above the eye's horizontal plane by the signed angle
//   e = arcsin(((R + hc) cos θ - (R + ho)) / Q),
// which is negative for terrain that the curvature of the earth hides below
// the horizontal. The cell's azimuth from the centre (from north, clockwise)
// rounded to half degrees selects the profile point; the point keeps the
// highest e (never below 0: the profile starts flat), with the distance θ R of
// that cell and its height.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "calc/horizon/elevation_grid.h"
#include "calc/horizon/horizon_profile.h"
#include "calc/horizon/parallel.h"

namespace kelvra::calc {

inline constexpr double kEarthRadius = 6372800.0;  // metres

// Limits of the computation's inputs (the panel's fields and the command's
// options check against them).
inline constexpr int kMinSearchRadiusKm = 1;
inline constexpr int kMaxSearchRadiusKm = 1000;
inline constexpr int kMaxMinimumDistance = 100000;  // metres
inline constexpr int kMaxPlatformHeight = 10000;    // metres

struct HorizonSite {
  double latitude = 0;         // centre, degrees north positive
  double longitude = 0;        // centre, degrees WEST positive
  int minimumDistance = 180;   // metres; nearer cells are left out
  int platformHeight = 0;      // metres of the eye above the ground
  double searchRadius = 60;    // kilometres; farther cells are left out
};

// The latitude the computation uses: a latitude of size below 0.0001 becomes
// 0.000001 with its sign (0 counts as north).
double CentreLatitude(double latitude);

// How a further tile relates to the first one.
enum class TileCheck {
  Adjoins,        // same cell size (within 0.0001 degree), touching a side or a corner
  OtherCellSize,
  NotAdjoining,   // apart, overlapping, or the same tile again
};
TileCheck CheckFurtherTile(const GridHeader& first, const GridHeader& further);

// The eight directions, clockwise from north; bit (1 << k) is the direction
// of azimuth 45 k degrees from north.
enum HorizonDirection : unsigned {
  kNorth = 1, kNorthEast = 2, kEast = 4, kSouthEast = 8,
  kSouth = 16, kSouthWest = 32, kWest = 64, kNorthWest = 128,
};
// The directions in which the search circle around the site reaches beyond
// every one of `tiles` (0 when the tiles cover it).
unsigned MissingDirections(const std::vector<GridHeader>& tiles, const HorizonSite& site);

// The ground height of the site: the nearest cell with data (searching up to
// five cells around the nearest one). Nothing when the site lies off the grid
// or only missing cells surround it.
std::optional<int> GroundHeightAt(const ElevationGrid& grid, const HorizonSite& site);

// The profile point (0..719) of a direction in the site's horizontal plane,
// given by its north and east components: twice the azimuth from north
// (clockwise, 0..360) rounded to a whole number, 720 taken as 0.
int HalfDegreeIndex(double north, double east);

// Collects the profile from one grid after another.
class HorizonAccumulator {
 public:
  // `groundHeight`: metres above sea level of the ground at the centre.
  HorizonAccumulator(const HorizonSite& site, int groundHeight);

  // Adds the cells of `grid` in reach; the rows are split between worker
  // threads. Returns false (the profile as before the call) when cancelled.
  // Progress runs from 0 to 1 over the rows of this grid.
  bool Add(const ElevationGrid& grid, const TaskControl& control = {});

  HorizonProfile Profile() const;
  int GroundHeight() const { return groundHeight_; }
  int EyeHeight() const { return eyeHeight_; }
  const HorizonSite& Site() const { return site_; }

  // The best cell of each point so far (internal, public for merging).
  struct Best {
    double sine = 0;            // sin e, e the elevation angle
    double haversine = 0;       // sin²(θ / 2), θ the central angle
    int height = 0;             // metres
    long long order = 0;        // row-major position of the cell, for ties
  };

 private:
  HorizonSite site_;
  int groundHeight_;
  int eyeHeight_;
  std::array<Best, kHorizonPointCount> best_{};
};

}  // namespace kelvra::calc

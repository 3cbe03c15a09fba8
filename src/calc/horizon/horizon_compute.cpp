#include "calc/horizon/horizon_compute.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "astro/angles.h"

namespace kelvra::calc {

namespace {

using astro::AsinDeg;
using astro::ClampUnit;
using astro::Degrees;
using astro::kPi;
using astro::Radians;
using astro::TanDeg;

constexpr int kRowsPerChunk = 16;

using BestTable = std::array<HorizonAccumulator::Best, kHorizonPointCount>;

// Takes `b` into `into` when it is higher, or as high and earlier in the grid.
void Merge(HorizonAccumulator::Best& into, const HorizonAccumulator::Best& b) {
  if (b.sine > into.sine || (b.sine == into.sine && b.sine > 0 && b.order < into.order)) into = b;
}

// The central angle's half-angle sine squared for a distance in metres.
double HaversineOf(double metres) {
  const double theta = std::min(metres / kEarthRadius, kPi);
  const double s = std::sin(theta / 2);
  return s * s;
}

// The site's east longitude brought within 180 degrees of the grid's middle.
double EastLongitudeNear(const GridHeader& h, double westLongitude) {
  double east = -westLongitude;
  const double middle = (h.west + h.East()) / 2;
  while (east < middle - 180) east += 360;
  while (east > middle + 180) east -= 360;
  return east;
}

// Rounding an angle of 0..45 degrees to half degrees without an arc tangent:
// the tangents of the 90 rounding boundaries 0.25, 0.75, ... 44.75 degrees,
// and for t = i / 256 the number of boundaries below it.
struct BoundaryTable {
  std::array<double, 90> tangent{};
  std::array<unsigned char, 257> below{};
  BoundaryTable() {
    for (int k = 0; k < 90; ++k) tangent[static_cast<std::size_t>(k)] = TanDeg((k + 0.5) * 0.5);
    for (int i = 0; i <= 256; ++i) {
      int n = 0;
      while (n < 90 && tangent[static_cast<std::size_t>(n)] < i / 256.0) ++n;
      below[static_cast<std::size_t>(i)] = static_cast<unsigned char>(n);
    }
  }
  // Twice atan(t) in degrees, rounded, for t in 0..1: the boundaries below t.
  int Count(double t) const {
    int k = below[static_cast<std::size_t>(t * 256)];
    while (k < 90 && tangent[static_cast<std::size_t>(k)] < t) ++k;
    return k;
  }
};
const BoundaryTable kBoundaries;

inline int IndexOfDirection(double north, double east) {
  const double n = std::fabs(north);
  const double e = std::fabs(east);
  // r: twice the angle from the north-south line (0..90 degrees), rounded.
  int r;
  if (e <= n) r = n > 0 ? kBoundaries.Count(e / n) : 0;
  else r = 180 - kBoundaries.Count(n / e);
  int index;
  if (north >= 0) index = east >= 0 ? r : 720 - r;
  else index = east >= 0 ? 360 - r : 360 + r;
  return index == kHorizonPointCount ? 0 : index;
}

}  // namespace

int HalfDegreeIndex(double north, double east) { return IndexOfDirection(north, east); }

double CentreLatitude(double latitude) {
  if (std::fabs(latitude) < 0.0001) return latitude < 0 ? -0.000001 : 0.000001;
  return latitude;
}

TileCheck CheckFurtherTile(const GridHeader& first, const GridHeader& further) {
  if (std::fabs(first.cellSize - further.cellSize) > 0.0001) return TileCheck::OtherCellSize;
  const double tolerance = first.cellSize / 2;
  const double overlapX = std::min(first.East(), further.East()) - std::max(first.west, further.west);
  const double overlapY =
      std::min(first.North(), further.North()) - std::max(first.south, further.south);
  if (overlapX < -tolerance || overlapY < -tolerance) return TileCheck::NotAdjoining;
  if (overlapX > tolerance && overlapY > tolerance) return TileCheck::NotAdjoining;
  return TileCheck::Adjoins;
}

unsigned MissingDirections(const std::vector<GridHeader>& tiles, const HorizonSite& site) {
  const double phi1 = Radians(CentreLatitude(site.latitude));
  const double lambda1 = -Radians(site.longitude);
  unsigned missing = 0;
  for (double part : {0.5, 1.0}) {
    const double delta = std::min(site.searchRadius * 1000.0 * part / kEarthRadius, kPi);
    for (int step = 0; step < 360; step += 2) {
      // The point at this distance and bearing (great circle from the site).
      const double bearing = Radians(step);
      const double sinPhi2 = std::sin(phi1) * std::cos(delta) +
                             std::cos(phi1) * std::sin(delta) * std::cos(bearing);
      const double phi2 = std::asin(ClampUnit(sinPhi2));
      const double lambda2 =
          lambda1 + std::atan2(std::sin(bearing) * std::sin(delta) * std::cos(phi1),
                               std::cos(delta) - std::sin(phi1) * sinPhi2);
      const double lat = Degrees(phi2);
      double lon = std::remainder(Degrees(lambda2), 360.0);
      bool covered = false;
      for (const auto& t : tiles) {
        for (double shift : {-360.0, 0.0, 360.0}) covered = covered || t.Contains(lat, lon + shift);
      }
      if (!covered) missing |= 1u << (((step + 22) / 45) % 8);
    }
  }
  return missing;
}

std::optional<int> GroundHeightAt(const ElevationGrid& grid, const HorizonSite& site) {
  const GridHeader& h = grid.header;
  const double lat = CentreLatitude(site.latitude);
  const double lon = EastLongitudeNear(h, site.longitude);
  if (!h.Contains(lat, lon) || grid.cells.empty()) return std::nullopt;
  // The site in cell units: kept row and column, fractional.
  const double fr = (h.North() - lat) / h.cellSize - 1;
  const double fc = (lon - h.west) / h.cellSize;
  const int row = std::clamp(static_cast<int>(std::lround(fr)), 0, h.KeptRows() - 1);
  const int column = std::clamp(static_cast<int>(std::lround(fc)), 0, h.columns - 1);
  for (int ring = 0; ring <= 5; ++ring) {
    // The cell with data on this ring nearest to the site, if any.
    double bestDistance = -1;
    int bestHeight = 0;
    for (int r = row - ring; r <= row + ring; ++r) {
      for (int c = column - ring; c <= column + ring; ++c) {
        if (std::max(std::abs(r - row), std::abs(c - column)) != ring) continue;
        if (r < 0 || c < 0 || r >= h.KeptRows() || c >= h.columns) continue;
        const std::int16_t v = grid.Cell(r, c);
        if (v == kNoDataCell) continue;
        const double d = (r - fr) * (r - fr) + (c - fc) * (c - fc);
        if (bestDistance < 0 || d < bestDistance) {
          bestDistance = d;
          bestHeight = v;
        }
      }
    }
    if (bestDistance >= 0) return bestHeight;
  }
  return std::nullopt;
}

HorizonAccumulator::HorizonAccumulator(const HorizonSite& site, int groundHeight)
    : site_(site), groundHeight_(groundHeight), eyeHeight_(groundHeight + site.platformHeight) {}

bool HorizonAccumulator::Add(const ElevationGrid& grid, const TaskControl& control) {
  const GridHeader& h = grid.header;
  const int rows = h.KeptRows();
  const int columns = h.columns;
  if (grid.cells.size() != static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns)) {
    return true;  // nothing held
  }
  const double R = kEarthRadius;
  const double phi1 = Radians(CentreLatitude(site_.latitude));
  const double sinPhi1 = std::sin(phi1);
  const double cosPhi1 = std::cos(phi1);
  const double lonCentre = EastLongitudeNear(h, site_.longitude);
  const double radiusMetres = site_.searchRadius * 1000.0;
  const double radiusAngle = radiusMetres / R;
  const double aMax = HaversineOf(radiusMetres);
  const double aMin = HaversineOf(site_.minimumDistance);
  const int eye = eyeHeight_;
  const double rEye = R + eye;

  // Per column: sin²(Δλ/2), sin Δλ and cos Δλ.
  std::vector<double> halfSq(static_cast<std::size_t>(columns));
  std::vector<double> sinDl(static_cast<std::size_t>(columns));
  std::vector<double> cosDl(static_cast<std::size_t>(columns));
  for (int c = 0; c < columns; ++c) {
    const double dl = Radians(h.ColumnLongitude(c) - lonCentre);
    const double s = std::sin(dl / 2);
    halfSq[static_cast<std::size_t>(c)] = s * s;
    sinDl[static_cast<std::size_t>(c)] = std::sin(dl);
    cosDl[static_cast<std::size_t>(c)] = std::cos(dl);
  }

  const int chunks = (rows + kRowsPerChunk - 1) / kRowsPerChunk;
  std::atomic<int> nextChunk{0};
  std::atomic<int> rowsDone{0};
  std::atomic<bool> stop{false};
  const int workers = std::clamp(WorkerCount(), 1, std::max(chunks, 1));
  std::vector<BestTable> tables(static_cast<std::size_t>(workers));

  auto work = [&](int w) {
    BestTable& best = tables[static_cast<std::size_t>(w)];
    const double* const hs = halfSq.data();
    const double* const sd = sinDl.data();
    const double* const cd = cosDl.data();
    for (int chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
      if (stop.load(std::memory_order_relaxed)) return;
      const int r0 = chunk * kRowsPerChunk;
      const int r1 = std::min(rows, r0 + kRowsPerChunk);
      for (int r = r0; r < r1; ++r) {
        const double phi2 = Radians(h.RowLatitude(r));
        const double dPhi = phi2 - phi1;
        if (std::fabs(dPhi) > radiusAngle) continue;  // the whole row is out of reach
        const double sHalf = std::sin(dPhi / 2);
        const double A = sHalf * sHalf;
        const double cosPhi2 = std::cos(phi2);
        const double sinPhi2 = std::sin(phi2);
        const double B = cosPhi1 * cosPhi2;
        // The columns that can lie within the radius on this row.
        int c0 = 0;
        int c1 = columns - 1;
        if (B > 1e-12) {
          const double sMax = (aMax - A) / B;
          if (sMax < 1) {
            const double dl = 2 * AsinDeg(std::sqrt(std::max(sMax, 0.0)));
            c0 = std::max(c0, static_cast<int>(std::floor((lonCentre - dl - h.west) / h.cellSize)) - 1);
            c1 = std::min(c1, static_cast<int>(std::ceil((lonCentre + dl - h.west) / h.cellSize)) + 1);
          }
        }
        const double P = cosPhi1 * sinPhi2;
        const double Q = sinPhi1 * cosPhi2;
        const std::int16_t* const cells =
            grid.cells.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(columns);
        const long long rowOrder = static_cast<long long>(r) * columns;
        for (int c = c0; c <= c1; ++c) {
          const int height = cells[c];
          if (height <= eye) continue;  // also every missing cell
          const double a = A + B * hs[c];
          if (a > aMax || a < aMin) continue;
          const double rCell = R + height;
          const double dh = height - eye;
          // (R + hc) cos θ - (R + ho) with cos θ = 1 - 2a, free of cancellation.
          const double rise = dh - 2 * a * rCell;
          if (rise <= 0) continue;  // at or below the eye's horizontal plane
          const double q2 = dh * dh + 4 * a * rEye * rCell;
          const double sine = rise / std::sqrt(q2);
          // The azimuth: the direction of the great circle toward the cell.
          const int index = IndexOfDirection(P - Q * cd[c], sd[c] * cosPhi2);
          auto& b = best[static_cast<std::size_t>(index)];
          if (sine > b.sine) b = {sine, a, height, rowOrder + c};
        }
      }
      rowsDone += r1 - r0;
    }
  };

  double reported = 0;
  RunParts(workers, work, [&] {
    if (control.Cancelled()) stop = true;
    const double f = rows > 0 ? static_cast<double>(rowsDone.load()) / rows : 1.0;
    reported = std::max(reported, f);
    control.Report(reported);
  });
  if (stop || control.Cancelled()) return false;

  BestTable merged{};
  for (const auto& t : tables) {
    for (std::size_t i = 0; i < merged.size(); ++i) Merge(merged[i], t[i]);
  }
  // Earlier grids win ties: only a higher point replaces one held.
  for (std::size_t i = 0; i < best_.size(); ++i) {
    if (merged[i].sine > best_[i].sine) best_[i] = merged[i];
  }
  return true;
}

HorizonProfile HorizonAccumulator::Profile() const {
  HorizonProfile p;
  for (std::size_t i = 0; i < best_.size(); ++i) {
    const Best& b = best_[i];
    if (b.sine <= 0) continue;
    HorizonPoint& point = p.points[i];
    point.altitude = AsinDeg(std::min(b.sine, 1.0));
    point.distance = 2 * kEarthRadius * std::asin(std::min(std::sqrt(b.haversine), 1.0));
    point.terrainHeight = b.height;
  }
  return p;
}

}  // namespace kelvra::calc

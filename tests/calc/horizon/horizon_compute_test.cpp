// The horizon profile computed from grids, checked against an independent
// line-of-sight model: the eye and the summit as points in space (a sphere of
// the same radius, vectors from the earth's centre), the line of sight their
// difference, its altitude and azimuth taken in the eye's local east, north
// and up frame. Nothing of the code's haversine and arcsine formulas is used.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <ostream>
#include <vector>

#include "calc/horizon/elevation_grid.h"
#include "calc/horizon/horizon_compute.h"
#include "calc/horizon/horizon_session.h"
#include "grid_fixture.h"
#include "support/recording_message_sink.h"

namespace kelvra::calc {
namespace {

using test::ColumnLongitude;
using test::FileRowLatitude;
using test::GridText;
using test::TileSpec;

constexpr double kDeg = std::numbers::pi / 180;

struct Vec {
  double x, y, z;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Norm(Vec a) { return std::sqrt(Dot(a, a)); }
Vec Unit(double lat, double lonEast) {
  return {std::cos(lat * kDeg) * std::cos(lonEast * kDeg),
          std::cos(lat * kDeg) * std::sin(lonEast * kDeg), std::sin(lat * kDeg)};
}

struct View {
  double altitude;   // degrees above the eye's horizontal plane
  double azimuthN;   // degrees from north, clockwise, 0..360
  double distance;   // metres along the sphere
};

// The summit at (lat, lon, height) seen from an eye at (lat, lon, eye height).
View LineOfSight(double eyeLat, double eyeLon, double eyeHeight, double lat, double lon,
                 double height) {
  const double R = kEarthRadius;
  const Vec n1 = Unit(eyeLat, eyeLon);
  const Vec n2 = Unit(lat, lon);
  const Vec v = (R + height) * n2 - (R + eyeHeight) * n1;
  const Vec east{-std::sin(eyeLon * kDeg), std::cos(eyeLon * kDeg), 0};
  const Vec north{-std::sin(eyeLat * kDeg) * std::cos(eyeLon * kDeg),
                  -std::sin(eyeLat * kDeg) * std::sin(eyeLon * kDeg), std::cos(eyeLat * kDeg)};
  View view;
  view.altitude = std::atan2(Dot(v, n1), std::hypot(Dot(v, east), Dot(v, north))) / kDeg;
  view.azimuthN = std::atan2(Dot(v, east), Dot(v, north)) / kDeg;
  if (view.azimuthN < 0) view.azimuthN += 360;
  view.distance = R * std::atan2(Norm(Cross(n1, n2)), Dot(n1, n2));
  return view;
}

// The profile point of an azimuth from north: half degrees, north = point 0.
int PointOf(double azimuthN) { return static_cast<int>(std::lround(2 * azimuthN)) % 720; }

// Smallest difference of two azimuths, degrees.
double AzimuthGap(double a, double b) {
  const double d = std::fabs(std::fmod(a - b + 540.0, 360.0) - 180.0);
  return d;
}

constexpr int kGround = 500;

// A cone of `height` metres above the flat ground and `base` metres radius,
// its summit on a cell.
struct Cone {
  double lat, lon;
  int height;
  double base;
  int HeightAt(double la, double lo) const {
    const double dy = (la - lat) * kDeg * kEarthRadius;
    const double dx = (lo - lon) * kDeg * kEarthRadius * std::cos(lat * kDeg);
    const double d = std::hypot(dx, dy);
    return kGround + static_cast<int>(std::lround(std::max(0.0, height * (1 - d / base))));
  }
};

struct ConeCase {
  const char* name;
  double siteLatitude;  // the site sits on the tile's middle cell
  int rowsNorth;        // summit position in cells from the site
  int columnsEast;
  int height;           // of the summit above the ground, metres
  double base;          // cone radius, metres
  int radiusKm;
  int minimumDistance;
  bool visible;
};

// 201 x 201 cells of 0.005 degree (about 556 m north-south): the tile runs
// from the site 100 cells each way.
const ConeCase kCones[] = {
    {"north", 47.5, 40, 0, 1500, 3000, 60, 180, true},
    {"eastOnTheSiteRow", 47.5, 0, 80, 1200, 3000, 40, 180, true},
    {"southWest", 47.5, -30, -40, 900, 2500, 60, 180, true},
    {"nearNorthWest", 47.5, 10, -12, 600, 1500, 60, 180, true},
    {"farCurvatureLowersIt", 47.5, 90, 0, 800, 3000, 60, 180, true},
    {"hiddenByCurvature", 47.5, 90, 0, 100, 3000, 60, 180, false},
    {"justInsideRadius", 47.5, 99, 0, 2000, 300, 56, 180, true},   // 55.04 km
    {"justBeyondRadius", 47.5, 99, 0, 2000, 300, 55, 180, false},
    {"insideMinimumDistance", 47.5, 1, 0, 200, 300, 60, 1000, false},
    {"azimuthRoundsTo360", 80.0, 50, -1, 700, 300, 60, 180, true},
    {"southOnEquator", 0.0, -60, 5, 1000, 2000, 60, 180, true},
};

void PrintTo(const ConeCase& c, std::ostream* os) { *os << c.name; }

class ConeTest : public ::testing::TestWithParam<ConeCase> {};

TEST_P(ConeTest, SummitGivesTheLineOfSightAltitudeAtItsAzimuthAndNothingElsewhere) {
  const ConeCase& k = GetParam();
  TileSpec t;
  t.south = k.siteLatitude - 0.5;
  t.west = 9.0;
  const double siteLat = FileRowLatitude(t, 100);
  const double siteLon = ColumnLongitude(t, 100);
  ASSERT_NEAR(siteLat, k.siteLatitude, 1e-9);
  const Cone cone{FileRowLatitude(t, 100 - k.rowsNorth), ColumnLongitude(t, 100 + k.columnsEast),
                  k.height, k.base};
  ElevationGrid grid;
  ASSERT_TRUE(ParseElevationGrid(GridText(t, [&](double la, double lo) {
                                   return cone.HeightAt(la, lo);
                                 }),
                                 grid)
                  .ok());
  HorizonSite site;
  site.latitude = siteLat;
  site.longitude = -siteLon;
  site.searchRadius = k.radiusKm;
  site.minimumDistance = k.minimumDistance;
  ASSERT_EQ(GroundHeightAt(grid, site), kGround);
  HorizonAccumulator acc(site, kGround);
  ASSERT_TRUE(acc.Add(grid));
  const HorizonProfile p = acc.Profile();

  // A site on the equator is taken 0.000001 degree north of it.
  const double eyeLat = siteLat == 0 ? 0.000001 : siteLat;
  const View summit = LineOfSight(eyeLat, siteLon, kGround, cone.lat, cone.lon, kGround + k.height);
  if (!k.visible) {
    for (const auto& point : p.points) {
      EXPECT_EQ(point.altitude, 0) << "azimuth " << point.azimuth;
      EXPECT_EQ(point.distance, 0);
    }
    return;
  }
  ASSERT_GT(summit.altitude, 0) << "the case needs a summit above the horizontal";
  const int index = PointOf(summit.azimuthN);
  const HorizonPoint& top = p.points[static_cast<std::size_t>(index)];
  EXPECT_EQ(top.azimuth, -180 + index / 2.0);
  EXPECT_NEAR(top.altitude, summit.altitude, 1e-6);
  EXPECT_NEAR(top.distance, summit.distance, 0.01);
  EXPECT_EQ(top.terrainHeight, kGround + k.height);

  // Outside the cone's width every point stays flat; within it nothing rises
  // above the summit.
  const double halfWidth = std::asin(std::min(1.0, k.base / summit.distance)) / kDeg;
  for (int i = 0; i < kHorizonPointCount; ++i) {
    const HorizonPoint& point = p.points[static_cast<std::size_t>(i)];
    EXPECT_EQ(point.azimuth, HorizonAzimuth(i));
    if (AzimuthGap(i / 2.0, summit.azimuthN) > halfWidth + 1.0) {
      EXPECT_EQ(point.altitude, 0) << "azimuth " << point.azimuth;
      EXPECT_EQ(point.distance, 0) << "azimuth " << point.azimuth;
    } else {
      EXPECT_LE(point.altitude, top.altitude);
      EXPECT_GE(point.altitude, 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cones, ConeTest, ::testing::ValuesIn(kCones),
                         [](const auto& info) { return std::string(info.param.name); });

// A tile whose header writes the cell size as 0.000278: the cells lie 1/3600
// degree apart. (At 0.000278 apart the summit 40 rows north would lie about
// 1 m off.)
TEST(HorizonCompute, CellSizeOf0000278IsOneArcSecond) {
  TileSpec t;
  t.rows = t.columns = 101;
  t.cellSize = 1.0 / 3600;
  t.cellSizeText = "0.000278";
  const double siteLat = FileRowLatitude(t, 50);
  const double siteLon = ColumnLongitude(t, 50);
  const Cone cone{FileRowLatitude(t, 10), ColumnLongitude(t, 60), 300, 200};
  ElevationGrid grid;
  ASSERT_TRUE(ParseElevationGrid(GridText(t, [&](double la, double lo) {
                                   return cone.HeightAt(la, lo);
                                 }),
                                 grid)
                  .ok());
  HorizonSite site;
  site.latitude = siteLat;
  site.longitude = -siteLon;
  HorizonAccumulator acc(site, kGround);
  acc.Add(grid);
  const View summit = LineOfSight(siteLat, siteLon, kGround, cone.lat, cone.lon, kGround + 300);
  const HorizonProfile p = acc.Profile();
  const HorizonPoint& top = p.points[static_cast<std::size_t>(PointOf(summit.azimuthN))];
  EXPECT_NEAR(top.distance, summit.distance, 0.05);
  EXPECT_NEAR(top.altitude, summit.altitude, 1e-5);
}

// The platform raises the eye: a summit seen from the higher eye.
TEST(HorizonCompute, PlatformRaisesTheEye) {
  TileSpec t;
  const double siteLat = FileRowLatitude(t, 100);
  const double siteLon = ColumnLongitude(t, 100);
  const Cone cone{FileRowLatitude(t, 60), ColumnLongitude(t, 130), 400, 2000};
  ElevationGrid grid;
  ASSERT_TRUE(ParseElevationGrid(GridText(t, [&](double la, double lo) {
                                   return cone.HeightAt(la, lo);
                                 }),
                                 grid)
                  .ok());
  HorizonSite site;
  site.latitude = siteLat;
  site.longitude = -siteLon;
  site.platformHeight = 150;
  HorizonAccumulator acc(site, kGround);
  acc.Add(grid);
  EXPECT_EQ(acc.EyeHeight(), kGround + 150);
  const View summit = LineOfSight(siteLat, siteLon, kGround + 150, cone.lat, cone.lon, kGround + 400);
  const HorizonProfile p = acc.Profile();
  const HorizonPoint& top = p.points[static_cast<std::size_t>(PointOf(summit.azimuthN))];
  EXPECT_NEAR(top.altitude, summit.altitude, 1e-6);
}

// Missing cells never enter the profile, however the NODATA value is written.
TEST(HorizonCompute, MissingCellsAreLeftOut) {
  for (const char* noData : {"-32768", "-9999", "-9999.0"}) {
    TileSpec t;
    t.noDataText = noData;
    const Cone cone{FileRowLatitude(t, 60), ColumnLongitude(t, 100), 1500, 3000};
    // Every cell of the cone's summit region is missing.
    const std::string text = GridText(t, std::function<std::string(double, double)>(
                                             [&](double la, double lo) -> std::string {
                                               const int h = cone.HeightAt(la, lo);
                                               return h > kGround ? std::string(noData)
                                                                  : std::to_string(h);
                                             }));
    ElevationGrid grid;
    ASSERT_TRUE(ParseElevationGrid(text, grid).ok()) << noData;
    HorizonSite site;
    site.latitude = FileRowLatitude(t, 100);
    site.longitude = -ColumnLongitude(t, 100);
    HorizonAccumulator acc(site, kGround);
    acc.Add(grid);
    for (const auto& point : acc.Profile().points) EXPECT_EQ(point.altitude, 0) << noData;
  }
}

// Terrain without symmetries, for comparing partitions of the same area.
int Rough(double lat, double lon) {
  return 400 + static_cast<int>(std::lround(900 * std::sin(7.3 * lat + 2.1 * lon) *
                                                std::cos(5.9 * lon - 1.3 * lat) +
                                            700 * std::sin(41.0 * lat) * std::sin(37.0 * lon)));
}

// Four tiles that meet at the site give the profile of the one tile covering
// the same ground: the shared rows and columns are placed where the single
// tile has them.
TEST(HorizonCompute, FourTilesAroundTheSiteGiveTheProfileOfOneTile) {
  test::TempFolder folder;
  TileSpec whole;  // 47..48 N, 9..10 E
  const std::string one = folder.Write("one.asc", GridText(whole, Rough));
  std::vector<std::string> four;
  for (double south : {47.0, 47.5}) {
    for (double west : {9.0, 9.5}) {
      TileSpec quarter;
      quarter.rows = quarter.columns = 101;
      quarter.south = south;
      quarter.west = west;
      four.push_back(folder.Write("q" + std::to_string(four.size()) + ".asc",
                                  GridText(quarter, Rough)));
    }
  }
  HorizonSite site;
  site.latitude = 47.5;
  site.longitude = -9.5;
  site.searchRadius = 50;
  testing::RecordingMessageSink messages;
  const ComputedHorizon a = ComputeHorizonProfile(site, {one});
  const ComputedHorizon b = ComputeHorizonProfile(site, four);
  ASSERT_EQ(a.status, ComputeStatus::Done);
  ASSERT_EQ(b.status, ComputeStatus::Done);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(a.groundHeight, Rough(47.5, 9.5));
  EXPECT_EQ(b.groundHeight, a.groundHeight);
  int raised = 0;
  for (int i = 0; i < kHorizonPointCount; ++i) {
    const auto& pa = a.file.profile.points[static_cast<std::size_t>(i)];
    const auto& pb = b.file.profile.points[static_cast<std::size_t>(i)];
    EXPECT_NEAR(pa.altitude, pb.altitude, 1e-9) << pa.azimuth;
    EXPECT_NEAR(pa.distance, pb.distance, 1e-6) << pa.azimuth;
    EXPECT_EQ(pa.terrainHeight, pb.terrainHeight) << pa.azimuth;
    raised += pa.altitude > 0;
  }
  EXPECT_GT(raised, 300) << "the terrain should raise most of the horizon";
}

// Which further tiles fit to the first: a tile of 1 degree at 47..48 N, 9..10 E.
TEST(HorizonCompute, FurtherTilesMustAdjoinWithTheSameCellSize) {
  auto header = [](double west, double south, const char* cell = "0.000277777778") {
    const std::string text = "ncols 3601\nnrows 3601\nxllcorner " + test::Number(west, 9) +
                             "\nyllcorner " + test::Number(south, 9) + "\ncellsize " + cell +
                             "\nNODATA_value -32768\n";
    GridHeader h;
    std::size_t body = 0;
    EXPECT_TRUE(ParseGridHeader(text, h, body).ok()) << text;
    return h;
  };
  // Corners as the tiles write them: half a cell outside the whole degree.
  const double half = 0.5 / 3600;
  const GridHeader first = header(9 - half, 47 - half);
  const struct {
    const char* name;
    GridHeader further;
    TileCheck expected;
  } cases[] = {
      {"east", header(10 - half, 47 - half), TileCheck::Adjoins},
      {"west", header(8 - half, 47 - half), TileCheck::Adjoins},
      {"north", header(9 - half, 48 - half), TileCheck::Adjoins},
      {"south", header(9 - half, 46 - half), TileCheck::Adjoins},
      {"northEastCorner", header(10 - half, 48 - half), TileCheck::Adjoins},
      {"southWestCorner", header(8 - half, 46 - half), TileCheck::Adjoins},
      {"sameTile", header(9 - half, 47 - half), TileCheck::NotAdjoining},
      {"twoTilesEast", header(11 - half, 47 - half), TileCheck::NotAdjoining},
      {"halfOverlapping", header(9.5, 47 - half), TileCheck::NotAdjoining},
      {"threeArcSeconds", header(10 - half, 47 - half, "0.000833333333"), TileCheck::OtherCellSize},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckFurtherTile(first, c.further), c.expected) << c.name;
  }
}

// The search circle against the tiles: a 1-degree tile reaches 37.6 km east
// and west of 47.5 N, 9.5 E (0.5 degree of longitude there) and 55.6 km north
// and south.
TEST(HorizonCompute, MissingDirectionsOfTheSearchCircle) {
  TileSpec whole;
  TileSpec east = whole;
  east.west = 10.0;
  auto headerOf = [](const TileSpec& t) {
    GridHeader h;
    std::size_t body = 0;
    EXPECT_TRUE(ParseGridHeader(GridText(t, [](double, double) { return 0; }), h, body).ok());
    return h;
  };
  HorizonSite site;
  site.latitude = 47.5;
  site.longitude = -9.5;
  const struct {
    int radiusKm;
    std::vector<GridHeader> tiles;
    unsigned expected;
  } cases[] = {
      {30, {headerOf(whole)}, 0},
      {39, {headerOf(whole)}, kEast | kWest},
      {39, {headerOf(whole), headerOf(east)}, kWest},
      {60, {headerOf(whole)},
       kNorth | kNorthEast | kEast | kSouthEast | kSouth | kSouthWest | kWest | kNorthWest},
  };
  for (const auto& c : cases) {
    site.searchRadius = c.radiusKm;
    EXPECT_EQ(MissingDirections(c.tiles, site), c.expected) << c.radiusKm << " km";
  }
}

TEST(HorizonCompute, GroundHeightIsTheNearestCellWithData) {
  TileSpec t;
  t.rows = t.columns = 11;  // 10 x 10 kept cells of 0.005 degree
  // Heights name their cell: 1000 + 10 * row + column; the site's cell and its
  // east neighbour are missing.
  auto cellHeight = [&](double lat, double lon) -> std::string {
    const int row = static_cast<int>(std::lround((FileRowLatitude(t, 0) - lat) / t.cellSize));
    const int col = static_cast<int>(std::lround((lon - t.west) / t.cellSize));
    if (row == 5 && (col == 5 || col == 6)) return "-32768";
    return std::to_string(1000 + 10 * row + col);
  };
  ElevationGrid grid;
  ASSERT_TRUE(ParseElevationGrid(GridText(t, std::function<std::string(double, double)>(cellHeight)),
                                 grid)
                  .ok());
  HorizonSite site;
  site.latitude = FileRowLatitude(t, 3);
  site.longitude = -ColumnLongitude(t, 2);
  EXPECT_EQ(GroundHeightAt(grid, site), 1032);
  // A little off the cell still finds it.
  site.latitude += 0.4 * t.cellSize;
  site.longitude -= 0.3 * t.cellSize;
  EXPECT_EQ(GroundHeightAt(grid, site), 1032);
  // On a missing cell: the nearest with data (west of it, row 5 column 4).
  site.latitude = FileRowLatitude(t, 5);
  site.longitude = -(ColumnLongitude(t, 5) - 0.1 * t.cellSize);
  EXPECT_EQ(GroundHeightAt(grid, site), 1054);
  // Off the tile.
  site.latitude = t.south - 0.1;
  EXPECT_EQ(GroundHeightAt(grid, site), std::nullopt);
}

TEST(HorizonCompute, CancellingLeavesTheProfileAsItWas) {
  TileSpec t;
  ElevationGrid grid;
  ASSERT_TRUE(ParseElevationGrid(GridText(t, Rough), grid).ok());
  HorizonSite site;
  site.latitude = 47.5;
  site.longitude = -9.5;
  HorizonAccumulator acc(site, 0);
  std::atomic<bool> cancel{false};
  std::vector<double> seen;
  TaskControl control{&cancel, [&](double f) {
                        seen.push_back(f);
                        cancel = true;  // stop at the first report
                      }};
  EXPECT_FALSE(acc.Add(grid, control));
  EXPECT_EQ(acc.Profile(), HorizonProfile());
  EXPECT_FALSE(seen.empty());

  // Not cancelled: progress never decreases and ends at 1.
  cancel = false;
  seen.clear();
  TaskControl watching{&cancel, [&](double f) { seen.push_back(f); }};
  EXPECT_TRUE(acc.Add(grid, watching));
  ASSERT_FALSE(seen.empty());
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), 1.0);
  EXPECT_NE(acc.Profile(), HorizonProfile());
}

// The profile point of a direction: twice its azimuth from north, rounded, as
// the arc tangent gives it, for directions all round (lengths varied too).
TEST(HorizonCompute, HalfDegreeIndexIsTheRoundedAzimuth) {
  int checked = 0;
  for (int i = 0; i < 400000; ++i) {
    const double az = i * (360.0 / 400000) + 1e-4;  // not on a boundary
    const double length = 1e-3 * (1 + i % 7) * std::pow(10.0, i % 5);
    const double north = length * std::cos(az * kDeg);
    const double east = length * std::sin(az * kDeg);
    double exact = std::atan2(east, north) / kDeg;
    if (exact < 0) exact += 360;
    const double twice = 2 * exact;
    if (std::fabs(twice - std::floor(twice) - 0.5) < 1e-9) continue;
    ASSERT_EQ(HalfDegreeIndex(north, east), static_cast<int>(std::lround(twice)) % 720)
        << "azimuth " << exact;
    ++checked;
  }
  EXPECT_GT(checked, 399000);
  // The axes and the last half degree before north.
  const struct {
    double north, east;
    int index;
  } cases[] = {{1, 0, 0}, {0, 1, 180}, {-1, 0, 360}, {0, -1, 540}, {0, 0, 0},
               {1, -std::tan(0.2 * kDeg), 0}, {1, -std::tan(0.3 * kDeg), 719}};
  for (const auto& c : cases) EXPECT_EQ(HalfDegreeIndex(c.north, c.east), c.index) << c.index;
}

TEST(HorizonCompute, CentreLatitudeNearZero) {
  const struct {
    double in, out;
  } cases[] = {{0, 0.000001}, {0.00009, 0.000001}, {-0.00009, -0.000001}, {0.0001, 0.0001},
               {-47.25, -47.25}};
  for (const auto& c : cases) EXPECT_EQ(CentreLatitude(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace kelvra::calc

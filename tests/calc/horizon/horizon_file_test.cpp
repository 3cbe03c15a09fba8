// Horizon profile files: the bytes written, reading them back, and damaged
// or unusual files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/horizon/horizon_file.h"
#include "grid_fixture.h"
#include "persist/text_file.h"

namespace kelvra::calc {
namespace {

// A profile whose values survive the file's decimals: altitudes with four,
// distances and heights with two.
HorizonProfileFile Sample() {
  HorizonProfileFile f;
  f.latitude = 47.251315;
  f.longitude = -9.590825;  // west positive: 9.590825 east
  f.description = ComputedProfileDescription(523, 10, 180);
  for (int i = 0; i < kHorizonPointCount; ++i) {
    HorizonPoint& p = f.profile.points[static_cast<std::size_t>(i)];
    if (i % 3 == 0) continue;  // flat there
    p.altitude = (i % 97) * 0.0731 - 0.5;
    p.distance = 180 + (i * 37 % 600) * 97.13;
    p.terrainHeight = 400 + i * 3;
  }
  f.profile.points[0].altitude = 1.2346;
  f.profile.points[0].distance = 12345.68;
  f.profile.points[0].terrainHeight = 1890;
  return f;
}

std::vector<std::string> Lines(const std::string& bytes) { return persist::SplitLines(bytes); }
std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

TEST(HorizonFile, WrittenBytes) {
  const std::string bytes = FormatHorizonProfile(Sample());
  const std::vector<std::string> lines = Lines(bytes);
  ASSERT_EQ(lines.size(), 723u);
  EXPECT_EQ(lines[0], " 47,2513150000\t Latitude (where South is negative)");
  EXPECT_EQ(lines[1], "  9,5908250000\tLongitude (where  West is negative)");
  EXPECT_EQ(lines[2],
            "720\t NPoints (Azimut, Elevation, Distanz);  Beobachter-Standort  H\xF6he=523 + 10;  "
            "Mindestabstand der Objekte=180");
  EXPECT_EQ(lines[3], "-180,00 \t    1,2346 \t 12345,68 \t 1890,00 \t ");
  EXPECT_EQ(lines[6], "-178,50 \t    0,0000 \t    0,00 \t    0,00 \t ");
  EXPECT_EQ(lines[722].substr(0, 10), " 179,50 \t ");
  // CR LF after every line, nothing else.
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) crlf += bytes[i] == '\r' && bytes[i + 1] == '\n';
  EXPECT_EQ(crlf, 723u);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 723);
}

TEST(HorizonFile, WrittenAndReadBackIsTheSame) {
  const HorizonProfileFile f = Sample();
  const std::string bytes = FormatHorizonProfile(f);
  const ProfileReadResult r = ParseHorizonProfile(bytes);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.file.latitude, f.latitude);
  EXPECT_EQ(r.file.longitude, f.longitude);
  EXPECT_EQ(r.file.description, f.description);
  for (int i = 0; i < kHorizonPointCount; ++i) {
    const auto& a = f.profile.points[static_cast<std::size_t>(i)];
    const auto& b = r.file.profile.points[static_cast<std::size_t>(i)];
    EXPECT_EQ(b.azimuth, a.azimuth);
    EXPECT_NEAR(b.altitude, a.altitude, 1e-12) << i;
    EXPECT_NEAR(b.distance, a.distance, 1e-9) << i;
    EXPECT_NEAR(b.terrainHeight, a.terrainHeight, 1e-9) << i;
  }
  EXPECT_EQ(FormatHorizonProfile(r.file), bytes);

  test::TempFolder folder;
  const std::string path = folder.Path("p.ele");
  ASSERT_TRUE(WriteHorizonProfileFile(path, f));
  const ProfileReadResult fromFile = ReadHorizonProfileFile(path);
  ASSERT_TRUE(fromFile.ok());
  EXPECT_EQ(FormatHorizonProfile(fromFile.file), bytes);
}

// Files written by other hands that still hold a whole profile.
TEST(HorizonFile, AcceptedForms) {
  const std::vector<std::string> good = Lines(FormatHorizonProfile(Sample()));
  auto with = [&](auto change) {
    std::vector<std::string> l = good;
    change(l);
    return Join(l);
  };
  const struct {
    const char* name;
    std::string text;
    double altitude0;
    double height1;
  } cases[] = {
      {"extraLinesBeforeTheData",
       with([](auto& l) {
         l.insert(l.begin() + 3, {"Aufnahme vom Dach", "", "-179,50 \t 7,0", "  ;\t-90,00 \t 3,0"});
       }),
       1.2346, 403},
      {"leadingTabsBlanksAndSemicolons",
       with([](auto& l) { l[3] = "\t ;-180,00\t ; 1,2346\t12345,68\t1890"; }), 1.2346, 403},
      {"threeColumns", with([](auto& l) { l[4] = "-179,50\t0,5\t300"; }), 1.2346, 0},
      {"decimalPoints", with([](auto& l) { l[3] = "-180.00\t1.5\t100.25\t900"; }), 1.5, 403},
      {"moreThan720PointsStopsAt720",
       with([](auto& l) { l.insert(l.end(), {"180,00 \t 9,9", "kaputt"}); }), 1.2346, 403},
      {"lfLineEnds", FormatHorizonProfile(Sample()), 1.2346, 403},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    if (std::string(c.name) == "lfLineEnds") {
      std::erase(text, '\r');
    }
    const ProfileReadResult r = ParseHorizonProfile(text);
    ASSERT_TRUE(r.ok()) << c.name << ": fault " << static_cast<int>(r.fault) << " line " << r.line;
    EXPECT_EQ(r.file.profile.points[0].altitude, c.altitude0) << c.name;
    EXPECT_EQ(r.file.profile.points[1].terrainHeight, c.height1) << c.name;
    EXPECT_EQ(r.file.profile.points[719].azimuth, 179.5) << c.name;
  }
}

// Damaged files are refused whole: a half-filled table is never taken.
TEST(HorizonFile, DamagedFiles) {
  const std::vector<std::string> good = Lines(FormatHorizonProfile(Sample()));
  auto with = [&](auto change) {
    std::vector<std::string> l = good;
    change(l);
    return Join(l);
  };
  const struct {
    const char* name;
    std::string text;
    ProfileFault fault;
    int line;
    int count;
  } cases[] = {
      {"empty", "", ProfileFault::BadLatitude, 1, 0},
      {"latitudeGarbled", with([](auto& l) { l[0] = "47,25x\tLatitude"; }), ProfileFault::BadLatitude,
       1, 0},
      {"latitudeBeyondThePole", with([](auto& l) { l[0] = "95,0\tLatitude"; }),
       ProfileFault::BadLatitude, 1, 0},
      {"longitudeMissing", with([](auto& l) { l[1] = "\t"; }), ProfileFault::BadLongitude, 2, 0},
      {"noLineWithMinus180", with([](auto& l) { l[3] = "-180,5 \t 1,0"; }), ProfileFault::NoStart, 0,
       0},
      {"only719Points", with([](auto& l) { l.pop_back(); }), ProfileFault::TooFewPoints, 0, 719},
      {"cutAfter10Points", with([](auto& l) { l.resize(13); }), ProfileFault::TooFewPoints, 0, 10},
      {"garbledAltitude", with([](auto& l) { l[59] = "-152,00 \t 1,2.3 \t 0,00"; }),
       ProfileFault::BadNumber, 60, 0},
      {"onlyTheAzimuth", with([](auto& l) { l[100] = "-131,50"; }), ProfileFault::BadNumber, 101, 0},
      {"blankLineAmongThePoints", with([](auto& l) { l[200] = ""; }), ProfileFault::BadNumber, 201,
       0},
      {"pointsSwapped", with([](auto& l) { std::swap(l[10], l[11]); }), ProfileFault::WrongAzimuth,
       11, 0},
      {"wholeDegreeSteps",
       with([](auto& l) {
         for (int i = 0; i < 720; ++i) l[3 + i] = test::Number(-180 + i, 2) + "\t1,0";
       }),
       ProfileFault::WrongAzimuth, 5, 0},
      {"altitudeAbove90", with([](auto& l) { l[30] = "-166,50 \t 95,0 \t 10,0"; }),
       ProfileFault::OutOfRange, 31, 0},
      {"negativeDistance", with([](auto& l) { l[30] = "-166,50 \t 5,0 \t -10,0"; }),
       ProfileFault::OutOfRange, 31, 0},
  };
  for (const auto& c : cases) {
    const ProfileReadResult r = ParseHorizonProfile(c.text);
    EXPECT_EQ(r.fault, c.fault) << c.name;
    EXPECT_EQ(r.line, c.line) << c.name;
    EXPECT_EQ(r.count, c.count) << c.name;
  }
}

TEST(HorizonFile, FilesThatCannotBeRead) {
  test::TempFolder folder;
  EXPECT_EQ(ReadHorizonProfileFile(folder.Path("none.ele")).fault, ProfileFault::Missing);
  EXPECT_EQ(ReadHorizonProfileFile(folder.Path("")).fault, ProfileFault::CannotRead);
  const std::string big = folder.Write("big.ele", std::string(kMaxProfileFileBytes + 1, ' '));
  EXPECT_EQ(ReadHorizonProfileFile(big).fault, ProfileFault::TooLarge);
}

}  // namespace
}  // namespace kelvra::calc

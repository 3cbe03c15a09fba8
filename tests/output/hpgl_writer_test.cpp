#include "output/hpgl_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "hpgl_test_support.h"
#include "shell/number_format.h"

namespace kelvra::output {
namespace {

using kelvra::testing::ReadBytes;
using kelvra::testing::TempFolder;

TEST(FormatCoordinate, RoundsHalvesToEvenAndClamps) {
  struct Case {
    double x;
    const char* text;
  };
  const Case cases[] = {
      {2.5, "2"},          {3.5, "4"},           {-0.4, "0"},       {-2.5, "-2"},
      {-3.5, "-4"},        {0.5, "0"},           {1.5, "2"},        {-0.5, "0"},
      {1e12, "217000000"}, {-3e8, "-217000000"}, {217000000.4, "217000000"},
      {123456.49, "123456"}, {-16157.0, "-16157"}, {403925.0, "403925"},
      {NAN, "0"},          {INFINITY, "217000000"}, {-INFINITY, "-217000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatCoordinate(c.x), c.text) << c.x;
}

TEST(FormatPlotReal, SameTextAsFormatReal) {
  std::mt19937_64 random(20200621);
  std::uniform_real_distribution<double> wide(-1e6, 1e6);
  std::vector<double> values = {0.0, -0.0, 0.125, -0.125, 0.5, 2.5, -2.5, 0.05, 0.15, 0.285,
                                1.005, 16.44, 287.5, 403.925, 1e9, -1e12, 1e-7, -4e-5,
                                NAN, INFINITY};
  for (int i = 0; i < 20000; ++i) values.push_back(wide(random));
  for (int i = 0; i < 20000; ++i) {
    // Halves and near-halves at every number of decimals.
    const double base = std::floor(wide(random)) / 1000.0;
    values.push_back(base + 0.0005);
    values.push_back(std::nextafter(base + 0.00005, 1e9));
  }
  const int forms[][2] = {{10, 4}, {11, 5}, {11, 4}, {6, 2}, {5, 1}, {7, 2}, {8, 2}, {5, 0}};
  for (double v : values)
    for (const auto& f : forms)
      ASSERT_EQ(FormatPlotReal(f[0], f[1], v), shell::FormatReal(f[0], f[1], v))
          << v << " " << f[0] << "," << f[1];
}

TEST(HpglWriter, HeadersAtBothScales) {
  EXPECT_EQ(StandardHeaderText(25),
            "IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;;SP 4;PU 0 0;");
  EXPECT_EQ(StandardHeaderText(1),
            "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;");
  EXPECT_EQ(MapHeaderText(1, 7),
            "IN;VS 1;PA;IW 0 0 16157 11038;SP 7;PU 0 0;EA 16157 11038;PU 0 0;SI  0.22, 0.32");
  EXPECT_EQ(MapHeaderText(25, 2),
            "IN;VS 1;PA;IW 0 0 403925 275950;SP 2;PU 0 0;EA 403925 275950;PU 0 0;SI  5.50, 8.00");
  EXPECT_EQ(FormatPlotReal(5, 2, 0.16) + "," + FormatPlotReal(5, 2, 0.24), " 0.16, 0.24");

  HpglWriter w;
  w.SetPlotScale(25);
  w.PutStandardHeader();
  EXPECT_EQ(w.Text(), StandardHeaderText(25));
  EXPECT_EQ(w.Scaled(16157), "403925");
}

TEST(HpglWriter, FileIsTheConcatenationOfPutsOnOneLine) {
  TempFolder dir;
  HpglWriter w;
  ASSERT_TRUE(w.Open(dir / "kel.plt"));
  w.PutStandardHeader();
  w.Put("");
  w.PutThinPen();  // line strength 1: nothing
  w.Put("PU 10 20;PD 30 40;");
  w.PutLabel("12\r\nUhr");
  w.Put(std::string(200000, 'A'));  // more than the write buffer
  ASSERT_TRUE(w.Close());
  const std::string bytes = ReadBytes(dir / "kel.plt");
  EXPECT_EQ(bytes, StandardHeaderText(1) + "PU 10 20;PD 30 40;LB12  Uhr\x03" +
                       std::string(200000, 'A'));
  EXPECT_EQ(bytes.find_first_of("\r\n"), std::string::npos);

  HpglWriter bad;
  EXPECT_FALSE(bad.Open(dir / "no such folder" / "kel.plt"));
}

TEST(HpglWriter, LabelEndsWithEtxAndKeepsSeparators) {
  HpglWriter w;
  w.PutLabel("a;b, c");
  w.PutLabel("");
  w.PutLabel("x\x03y");
  w.PutLabel("10\xc2\xb0 S\xc3\xbc" "d");  // UTF-8 "10° Süd"
  EXPECT_EQ(w.Text(), "LBa;b, c\x03LB\x03LBx y\x03LB10\xb0 S\xfc" "d\x03");
}

TEST(HpglWriter, LineStrengthCommands) {
  const char* expected[] = {"", ";PW 0;;PW 1;", ";PW 0;;PW 2;"};
  for (int strength = 1; strength <= 3; ++strength) {
    HpglWriter w;
    w.SetLineStrength(strength);
    w.PutThinPen();
    w.PutConstructionPen();
    EXPECT_EQ(w.Text(), expected[strength - 1]) << strength;
  }
  HpglWriter w;
  w.SetLineStrength(7);
  EXPECT_EQ(w.LineStrength(), 3);
  w.SetLineStrength(0);
  EXPECT_EQ(w.LineStrength(), 1);
}

// The grid as the drawing steps describe it, literally, for comparison.
std::string ReferenceGrid(double x0, double y0, double R, double T, double d) {
  std::string s = ";IW 0 0 " + FormatCoordinate(R) + " " + FormatCoordinate(T) + ";SP 9;PU " +
                  FormatCoordinate(x0) + " " + FormatCoordinate(y0) + ";CI 80;";
  double a = x0, b = y0;
  while (a > d + 2) a -= d;
  while (b > d + 2) b -= d;
  double g = a, h = b;
  while (g < R - d - 2) g += d;
  while (h < T - d - 2) h += d;
  for (double x = a; x <= g + d / 2; x += d)
    s += "PU " + FormatCoordinate(x) + " " + FormatCoordinate(b) + ";PD " + FormatCoordinate(x) +
         " " + FormatCoordinate(h) + ";";
  for (double y = b; y <= h + d / 2; y += d)
    s += "PU " + FormatCoordinate(a) + " " + FormatCoordinate(y) + ";PD " + FormatCoordinate(g) +
         " " + FormatCoordinate(y) + ";";
  return s + "PU ;";
}

TEST(HpglWriter, GridBoundsAndLines) {
  HpglWriter w;
  w.PutGrid(8200, 2500, 16150, 11030, 400);
  const std::string& t = w.Text();
  EXPECT_EQ(t.rfind(";IW 0 0 16150 11030;SP 9;PU 8200 2500;CI 80;PU 200 100;PD 200 10900;", 0),
            0u);
  EXPECT_NE(t.find("PU 15800 100;PD 15800 10900;PU 200 100;PD 15800 100;"), std::string::npos);
  EXPECT_NE(t.find("PU 200 10900;PD 15800 10900;PU ;"), std::string::npos);
  EXPECT_EQ(t.size() - t.rfind("PU ;"), 4u);
  // 40 vertical and 28 horizontal lines.
  std::regex line("PU -?\\d+ -?\\d+;PD -?\\d+ -?\\d+;");
  EXPECT_EQ(std::distance(std::sregex_iterator(t.begin(), t.end(), line), std::sregex_iterator()),
            40 + 28);

  // Other origins and scales give what the stepwise rule gives.
  struct Case {
    double x0, y0, R, T, d;
  };
  const Case cases[] = {
      {8200, 2500, 16150, 11030, 400},  {0, 0, 16150, 11030, 400},
      {-300, 50, 16150, 11030, 400},    {16150, 11030, 16150, 11030, 40},
      {205000, 62500, 403750, 275750, 10000}, {123, 4567, 16150, 11030, 2000},
      {402, 402, 16150, 11030, 400},    {20000, 20000, 16150, 11030, 400},
  };
  for (const auto& c : cases) {
    HpglWriter g;
    g.PutGrid(c.x0, c.y0, c.R, c.T, c.d);
    EXPECT_EQ(g.Text(), ReferenceGrid(c.x0, c.y0, c.R, c.T, c.d)) << c.x0 << " " << c.y0;
  }
}

TEST(HpglWriter, DegenerateGridsEndAtOnce) {
  for (double d : {0.0, -10.0, 0.5, static_cast<double>(NAN)}) {
    HpglWriter w;
    w.PutGrid(8200, 2500, 16150, 11030, d);
    EXPECT_EQ(w.Text(), ";IW 0 0 16150 11030;SP 9;PU 8200 2500;CI 80;PU ;") << d;
  }
  HpglWriter far;
  far.PutGrid(1e300, 1e300, 16150, 11030, 400);  // must not loop for ever
  EXPECT_NE(far.Text().find("PU ;"), std::string::npos);
}

TEST(HpglWriter, GridSpacingText) {
  struct Case {
    const char* text;
    int mm;
  };
  const Case cases[] = {{"10", 10}, {"5", 5}, {" 20 ", 20}, {"", 10}, {"abc", 10},
                        {"2.5", 10}, {"0", 10}, {"-5", 10}, {"99999999999", 10}};
  for (const auto& c : cases) EXPECT_EQ(GridSpacingFromText(c.text), c.mm) << c.text;
}

TEST(HpglWriter, DxfScaleByKind) {
  for (char k : std::string("chimpvz")) {
    EXPECT_EQ(DxfScaleForKind(k).plotScale, 25) << k;
    EXPECT_EQ(DxfScaleForKind(k).divisor, 1000) << k;
  }
  for (char k : std::string("abfkrw")) {
    EXPECT_EQ(DxfScaleForKind(k).plotScale, 1) << k;
    EXPECT_EQ(DxfScaleForKind(k).divisor, 40) << k;
  }
  EXPECT_EQ(DxfScaleForKind('q', 1).divisor, 40);
  EXPECT_EQ(DxfScaleForKind('q', 2).divisor, 1000);
  EXPECT_EQ(DxfScaleForKind('q', 3).divisor, 1000);
}

}  // namespace
}  // namespace kelvra::output

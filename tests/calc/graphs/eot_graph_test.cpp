// The equation-of-time graph: the longitude correction, the y factor and the
// mirror of its plot file, and the curve read back as the equation of time.
#include "calc/graphs/eot_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "calc/graphs/graph_export.h"
#include "output/recording_plot_sink.h"
#include "plot_parse.h"

namespace kelvra::calc::graphs {
namespace {

using testing::ParsePlot;
using testing::PlotCommand;

// The save command's call: (100, 100), width 2000, height 1500, so the time
// axis lies at b = 100 + 750 = 850 (0.1 mm), 3400 plot units.
constexpr long kAxis = 4 * 850;
constexpr long kLeft = 4 * (100 + 84 - 2);  // q = x0 + round(8 W / 190) - 2

GraphInputs Site(double longitude, double zoneMeridian) {
  GraphInputs in;
  in.site.latitude = 47.25;
  in.site.longitude = longitude;
  in.site.zoneMeridian = zoneMeridian;
  in.site.year = 2020;
  return in;
}

std::string Plot(const GraphInputs& in, bool withLongitude, bool mirror, double yFactor) {
  output::HpglWriter w;
  WriteEotGraphPlot(w, in, 100, 100, 2000, withLongitude, mirror, yFactor, 1500);
  return w.Text();
}

struct PlotParts {
  std::vector<long> labels;                       // the minute labels, in order
  std::vector<std::pair<long, long>> curve;       // after SP 3
  std::vector<std::pair<long, long>> gridPoints;  // the grid lines in pen 8
};

PlotParts Parts(const std::string& text) {
  PlotParts parts;
  int pen = 0;
  for (const PlotCommand& c : ParsePlot(text)) {
    if (c.name == "SP") pen = static_cast<int>(c.numbers.at(0));
    if (c.name == "SI" && c.argument.find("0.22") != std::string::npos) pen = -1;  // month names
    if (c.name == "LB" && pen == 1) parts.labels.push_back(std::stol(c.argument));
    if ((c.name == "PU" || c.name == "PD") && (pen == 3 || pen == 8)) {
      auto& list = pen == 3 ? parts.curve : parts.gridPoints;
      for (std::size_t k = 0; k + 1 < c.numbers.size(); k += 2) {
        list.emplace_back(c.numbers[k], c.numbers[k + 1]);
      }
    }
  }
  return parts;
}

TEST(EotGraph, LongitudeCorrectionSplitsIntoWholeMinutesAndARest) {
  struct Case {
    const char* name;
    double longitude, zoneMeridian;
    int pictureLabel;
    double pictureCurveMinutes;
    int plotLabel;
    double plotCurveMinutes;
  };
  // 4 (zoneMeridian - longitude) minutes: 5.48, 0, -5.6.
  const Case cases[] = {
      {"west of the zone meridian", -16.37, -15, 5, 0.48, 5, 0.48},
      {"on the zone meridian", -15, -15, 0, 0, 0, 0},
      {"east of the zone meridian", -16.4, -15 - 2.8, -6, 0.4, -5, -0.6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const GraphInputs in = Site(c.longitude, c.zoneMeridian);
    const LongitudeShift picture = PictureLongitudeShift(in.site, true);
    const LongitudeShift plot = PlotLongitudeShift(in.site, true);
    EXPECT_EQ(picture.labelMinutes, c.pictureLabel);
    EXPECT_NEAR(4 * picture.curveDegrees, c.pictureCurveMinutes, 1e-9);
    EXPECT_EQ(plot.labelMinutes, c.plotLabel);
    EXPECT_NEAR(4 * plot.curveDegrees, c.plotCurveMinutes, 1e-9);
    EXPECT_EQ(PictureLongitudeShift(in.site, false).labelMinutes, 0);
    EXPECT_EQ(PlotLongitudeShift(in.site, false).curveDegrees, 0);
  }
}

TEST(EotGraph, OnTheZoneMeridianTheCorrectionChangesNothing) {
  const GraphInputs in = Site(-15, -15);
  const PlotParts with = Parts(Plot(in, true, false, 1));
  const PlotParts without = Parts(Plot(in, false, false, 1));
  EXPECT_EQ(with.curve, without.curve);
  EXPECT_EQ(with.labels, without.labels);
  EXPECT_EQ(without.labels, (std::vector<long>{-17, -15, -10, -5, 0, 5, 10, 15, 17}));

  // The picture: the same curve and the plain minute labels.
  output::RecordingPlotSink a(output::SinkKind::Screen, 1200, 700);
  output::RecordingPlotSink b(output::SinkKind::Screen, 1200, 700);
  DrawEotGraph(a, in, 0, 0, true, 700, 1200);
  DrawEotGraph(b, in, 0, 0, false, 700, 1200);
  auto curve = [&](const output::RecordingPlotSink& s) {
    std::vector<std::vector<int>> points;
    for (const auto& op : s.OpsOf(output::OpType::LineTo)) {
      if (op.pen.color == in.colors.Color(2)) points.push_back(op.args);
    }
    return points;
  };
  EXPECT_EQ(curve(a).size(), 122u);  // to days 4, 7, ..., 364 and day 367 of 2020
  EXPECT_EQ(curve(a), curve(b));
  auto numbers = [](const output::RecordingPlotSink& s) {
    std::vector<std::string> texts;
    for (const std::string& t : s.Texts()) {
      if (!t.empty() && (std::isdigit(static_cast<unsigned char>(t.back())))) texts.push_back(t);
    }
    return texts;
  };
  EXPECT_EQ(numbers(a), numbers(b));
}

TEST(EotGraph, CorrectionShiftsLabelsByWholeMinutesAndTheCurveByTheRest) {
  const GraphInputs in = Site(-16.37, -15);
  const PlotParts with = Parts(Plot(in, true, false, 1));
  const PlotParts without = Parts(Plot(in, false, false, 1));
  ASSERT_EQ(with.labels.size(), without.labels.size());
  for (std::size_t i = 0; i < with.labels.size(); ++i) {
    EXPECT_EQ(with.labels[i], without.labels[i] + 5);
  }
  // 0.48 minutes at 30 (0.1 mm) per minute and 4 plot units per 0.1 mm:
  // 57.6 plot units, each point rounded to 0.1 mm on its own.
  ASSERT_EQ(with.curve.size(), without.curve.size());
  for (std::size_t i = 0; i < with.curve.size(); ++i) {
    EXPECT_EQ(with.curve[i].first, without.curve[i].first);
    EXPECT_NEAR(with.curve[i].second - without.curve[i].second, 57.6, 4.01);
  }
}

TEST(EotGraph, YFactorStretchesVerticalDistancesOnly) {
  const GraphInputs in = Site(-9.59, -15);
  const PlotParts one = Parts(Plot(in, false, false, 1));
  const PlotParts two = Parts(Plot(in, false, false, 2));
  for (auto [a, b] : {std::pair{&one.curve, &two.curve}, std::pair{&one.gridPoints, &two.gridPoints}}) {
    ASSERT_EQ(a->size(), b->size());
    ASSERT_FALSE(a->empty());
    for (std::size_t i = 0; i < a->size(); ++i) {
      EXPECT_EQ((*a)[i].first, (*b)[i].first);
      // Rounded to whole 0.1 mm before the factor 4: within 2 of 4 units each.
      EXPECT_NEAR((*b)[i].second - kAxis, 2 * ((*a)[i].second - kAxis), 12.01);
    }
  }
  EXPECT_EQ(one.labels, two.labels);
}

TEST(EotGraph, MirrorReflectsTheCurveAndNegatesTheLabels) {
  const GraphInputs in = Site(-16.37, -15);
  const PlotParts plain = Parts(Plot(in, true, false, 1));
  const PlotParts mirrored = Parts(Plot(in, true, true, 1));
  ASSERT_EQ(plain.labels.size(), mirrored.labels.size());
  for (std::size_t i = 0; i < plain.labels.size(); ++i) {
    EXPECT_EQ(mirrored.labels[i], -plain.labels[i]);
  }
  ASSERT_EQ(plain.curve.size(), mirrored.curve.size());
  for (std::size_t i = 0; i < plain.curve.size(); ++i) {
    EXPECT_EQ(mirrored.curve[i].first, plain.curve[i].first);
    EXPECT_NEAR(mirrored.curve[i].second - kAxis, -(plain.curve[i].second - kAxis), 4.01);
  }
}

// The curve read back in minutes agrees with the almanac extremes of the
// equation of time: about +16.4 min near 3 November and -14.2 min near
// 11 February (Astronomical Almanac; Meeus, Astronomical Algorithms, ch. 28).
TEST(EotGraph, CurveReadsTheEquationOfTime) {
  const PlotParts parts = Parts(Plot(Site(-9.59, -15), false, false, 1));
  ASSERT_FALSE(parts.curve.empty());
  const auto [low, high] = std::minmax_element(
      parts.curve.begin(), parts.curve.end(),
      [](const auto& a, const auto& b) { return a.second < b.second; });
  auto minutes = [](long y) { return (y - kAxis) / (4.0 * 30.0); };
  auto day = [](long x) { return (x - kLeft) / 20.0 + 1; };  // 5 (0.1 mm) per day
  EXPECT_NEAR(minutes(high->second), 16.4, 0.15);
  EXPECT_NEAR(day(high->first), 307, 4);  // 2 November 2020 = day 307
  EXPECT_NEAR(minutes(low->second), -14.2, 0.15);
  EXPECT_NEAR(day(low->first), 42, 4);    // 11 February = day 42
}

TEST(EotGraph, PlotFileStartsAndDrawsAsListed) {
  const std::string text = Plot(Site(-9.59, -15), false, false, 1);
  EXPECT_EQ(text.rfind("IN;SP 8;SI 0.14, 0.24;SP 8;PU ", 0), 0u);
  EXPECT_NE(text.find(";SI 0.22,0.33"), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(EotGraph, YFactorIsReadWithinItsRange) {
  EXPECT_EQ(ReadYFactor("2"), 2.0);
  EXPECT_EQ(ReadYFactor(" 0,05 "), 0.05);
  EXPECT_EQ(ReadYFactor("20"), 20.0);
  for (const char* bad : {"", "0.04", "20.01", "x", "1.5x", "nan", "-1"}) {
    EXPECT_FALSE(ReadYFactor(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace kelvra::calc::graphs

#include "calc/graphs/eot_graph.h"

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/graphs.h"

namespace kelvra::calc::graphs {

namespace {

namespace tg = texts::graphs;
using output::Color;
using output::PlotSink;

int Round(double x) { return static_cast<int>(std::lround(x)); }

int DaysInYear(int year) { return astro::IsLeapYear(year) ? 366 : 365; }

// Day of year of the last day of month m - 1 (m = 2..13): the month ends.
int MonthEnd(int year, int m) { return astro::DayOfYear(year, m, 0); }

// The equation of time of noon UT of day `day`, degrees of arc.
double EquationOfTime(int year, int day) {
  return astro::ComputeSolarDay(year, static_cast<double>(day)).equationOfTime;
}

}  // namespace

LongitudeShift PictureLongitudeShift(const shell::SiteSettings& site, bool withLongitude) {
  if (!withLongitude) return {};
  const double correction = site.zoneMeridian - site.longitude;  // degrees
  LongitudeShift s;
  s.labelMinutes = Round(4.0 * correction);
  s.curveDegrees = correction - s.labelMinutes / 4.0;
  return s;
}

LongitudeShift PlotLongitudeShift(const shell::SiteSettings& site, bool withLongitude) {
  if (!withLongitude) return {};
  const double minutes = 4.0 * (site.zoneMeridian - site.longitude);
  LongitudeShift s;
  s.labelMinutes = static_cast<int>(std::trunc(minutes));
  s.curveDegrees = (minutes - s.labelMinutes) / 4.0;
  return s;
}

void DrawEotGraph(PlotSink& sink, const GraphInputs& in, int x0, int y0, bool withLongitude,
                  int height, int width) {
  const bool screen = sink.IsScreen();
  const int year = in.site.year;
  const int W = width;
  const int H = height;
  const int q = y0 + Round((screen ? 0.45 : 0.5) * H);  // the time axis
  const int r = x0 + Round(8.0 * W / 190.0) + 12;        // the left edge of the plot
  const LongitudeShift shift = PictureLongitudeShift(in.site, withLongitude);
  const int days = DaysInYear(year);
  double oneDay = 0;
  double X = 0;
  int U = 0;  // five minutes
  int T = 0;  // tick length
  if (screen) {
    X = Round(180.0 * W / 192.0);
    oneDay = X / 365.0;
    U = H / 9;
    T = H / 67;
  } else {
    oneDay = (W - 100) / 375.0;
    X = days * oneDay;
    U = 150;
    T = Round(3 * oneDay);
  }
  auto xOfDay = [&](double day) { return r + Round((day - 1) * oneDay); };
  auto yOfMinutes = [&](double minutes) { return q - Round(minutes * U / 5.0); };
  const Color grid = in.colors.Color(7);

  // Frame and notes.
  sink.SetPen({output::kBlack, 1});
  output::Font font;
  font.face = "Arial";
  font.color = output::kBlack;
  if (screen) {
    sink.SetBrush({output::kWhite, output::BrushStyle::Solid});
    sink.Rectangle(x0, y0, x0 + W, y0 + H);
    font.height = 18;
  } else {
    sink.SetBrush({output::kWhite, output::BrushStyle::Clear});
    sink.Rectangle(x0 + 1, y0 + 1, x0 + W, y0 + H + 5);
    font.height = 50;
  }
  sink.SetFont(font);
  const int noteX = screen ? x0 + 60 : x0 + 300;
  const int noteY = screen ? y0 + H - 30 : y0 + 30;
  if (withLongitude) {
    sink.TextOut(noteX, noteY, shell::Get(tg::kZoneTimeNote));
  } else {
    sink.TextOut(noteX, noteY, shell::Get(tg::kMeanTimeNote));
    output::Font note = font;
    note.bold = true;
    note.color = output::RgbColor(128, 128, 128);
    note.height = screen ? 30 : 70;
    sink.SetFont(note);
    if (screen) {
      sink.TextOut(x0 + Round(0.33 * X), Round(q - 2.8 * U), shell::Get(tg::kSunFast));
      sink.TextOut(x0 + Round(0.33 * X), Round(q + 2.4 * U), shell::Get(tg::kSunLate));
    } else {
      sink.TextOut(x0 + 560 + 12 * T, y0 + 270, shell::Get(tg::kSunFast));
      sink.TextOut(x0 + 560 + 12 * T, q + 2 * U, shell::Get(tg::kSunLate));
    }
  }
  font.height = screen ? 14 : 35;
  sink.SetFont(font);

  // Grid: month ends and the minute lines with their labels.
  const int top = yOfMinutes(17);
  const int bottom = yOfMinutes(-17);
  sink.SetPen({grid, 1});
  for (int m = 2; m <= 13; ++m) {
    const int x = r + Round(MonthEnd(year, m) * oneDay);
    sink.MoveTo(x, top);
    sink.LineTo(x, bottom);
  }
  for (int i = -17; i <= 17; ++i) {
    const int y = yOfMinutes(i);
    sink.SetPen({grid, 1});
    sink.MoveTo(r, y);
    sink.LineTo(r + T, y);
    if (i % 5 != 0 && std::abs(i) != 17) continue;
    sink.MoveTo(r, y);
    sink.LineTo(r + Round(X), y);
    const int value = i + shift.labelMinutes;
    const std::string label = std::to_string(value);
    const int labelX = value < 0 ? r - 4 * T : r - 3 * T;
    // Half a minute higher than the line, the text centred there.
    sink.TextOut(labelX - sink.TextWidth(label) / 2,
                 yOfMinutes(i + 0.5) - sink.TextHeight(label) / 2, label);
  }

  // Axes.
  sink.SetPen({output::kBlack, 2});
  sink.MoveTo(r, q);
  sink.LineTo(r + Round(X), q);
  sink.MoveTo(r, top);
  sink.LineTo(r, bottom);

  // Month names at the 5th, ticks at the 10th, the 20th and the month ends.
  output::Font months = font;
  if (screen) {
    months.height = 0;
    months.pointSize = 10;
  } else {
    months.height = 45;
  }
  sink.SetFont(months);
  sink.SetPen({output::kBlack, 1});
  for (int m = 1; m <= 12; ++m) {
    sink.TextOut(xOfDay(astro::DayOfYear(year, m, 5)), q + T + 2, shell::MonthAbbreviation(m));
    for (int d : {10, 20}) {
      const int x = xOfDay(astro::DayOfYear(year, m, d));
      sink.MoveTo(x, q - T);
      sink.LineTo(x, q);
    }
    const int x = r + Round(MonthEnd(year, m + 1) * oneDay);
    sink.MoveTo(x, q - 2 * T);
    sink.LineTo(x, q + T);
  }
  sink.SetFont(font);

  // The curve.
  sink.SetPen({in.colors.Color(2), 2});
  auto curvePoint = [&](int day) {
    const double minutes = 4.0 * (EquationOfTime(year, day) + shift.curveDegrees);
    return output::Point{xOfDay(day), yOfMinutes(minutes)};
  };
  const output::Point first = curvePoint(1);
  sink.MoveTo(first.x, first.y);
  for (int day = 4; day <= days; day += 3) {
    const output::Point p = curvePoint(day);
    sink.LineTo(p.x, p.y);
  }
  const output::Point last = curvePoint(days + 1);
  sink.LineTo(last.x, last.y);
}

void WriteEotGraphPlot(output::HpglWriter& w, const GraphInputs& in, int x0, int y0, int width,
                       bool withLongitude, bool mirror, double yFactor, int height) {
  const int year = in.site.year;
  const int m = mirror ? -1 : 1;
  const double h = yFactor;
  const int q = x0 + Round(8.0 * width / 190.0) - 2;  // left edge, 0.1 mm
  const int b = y0 + height / 2;                        // time axis, 0.1 mm
  const int days = DaysInYear(year);
  const int right = q + 5 * days;
  const LongitudeShift shift = PlotLongitudeShift(in.site, withLongitude);
  // A point given in 0.1 mm, written in plot units.
  auto xy = [&](double x, double y) { return w.Scaled(4 * x) + " " + w.Scaled(4 * y); };
  auto moveDraw = [&](double xa, double ya, double xb, double yb) {
    w.Put(";PU " + xy(xa, ya) + ";PD " + xy(xb, yb));
  };

  w.Put("IN;SP 8;");
  w.Put("SI 0.14, 0.24;SP 8");
  for (int i = -17; i <= 17; ++i) {
    if (i % 5 != 0 && std::abs(i) != 17) continue;
    const double y = b + m * 30 * h * i;
    moveDraw(q, y, right, y);
  }
  for (int k = 2; k <= 13; ++k) {
    const double x = q + 5 * MonthEnd(year, k);
    moveDraw(x, b + m * 510 * h, x, b - m * 510 * h);
  }

  w.Put(";SP 1");
  for (int i = -17; i <= 17; ++i) {
    const double y = b + m * 30 * h * i;
    moveDraw(q, y, q + 15, y);
    if (i % 5 != 0 && std::abs(i) != 17) continue;
    const int value = (shift.labelMinutes + i) * m;
    const double labelY = value < 0 ? b + m * Round(30 * h * (i - 0.5 * m))
                                    : b + m * Round(30 * (h * i - 0.5 * m));
    w.Put(";PU " + xy(value < 0 ? q - 75 : q - 60, labelY) + ";");
    w.PutLabel(std::to_string(value));
  }

  moveDraw(q, b, right, b);
  moveDraw(q, b - 510 * h, q, b + 510 * h);
  w.Put(";SI 0.22,0.33");
  for (int month = 1; month <= 12; ++month) {
    const double x = q + 5 * (astro::DayOfYear(year, month, 5) - 1);
    w.Put(";PU " + w.Scaled(4 * x) + " " + w.Scaled(4.0 * b - 180) + ";");
    w.PutLabel(shell::MonthAbbreviation(month));
  }

  // Titles, at plot-unit positions below the graph.
  const std::string forYear = shell::Get(tg::kForYear) + std::to_string(year);
  std::string title;
  if (!withLongitude) {
    title = shell::Get(mirror ? tg::kPlotTitleMirrored : tg::kPlotTitle) + forYear;
  } else {
    title = shell::Get(mirror ? tg::kPlotZoneTitleMirrored : tg::kZoneTimeNote);
  }
  w.Put(";PU " + w.Scaled(q + 150) + " " + w.Scaled(510 * h + 40) + ";");
  w.PutLabel(title);
  if (withLongitude) {
    w.Put(";PU " + w.Scaled(q + 1400) + " " + w.Scaled(510 * h - 160) + ";");
    w.PutLabel("[" + forYear + shell::Get(tg::kAndLongitude) +
               shell::FormatReal(5, 2, in.site.longitude) + shell::Get(tg::kDegrees) + "]");
  }

  // Day ticks at the 10th and 20th and at the month ends.
  for (int month = 1; month <= 12; ++month) {
    for (int d : {10, 20}) {
      const double x = 4.0 * (q + 5 * (astro::DayOfYear(year, month, d) - 1));
      w.Put(";PU " + w.Scaled(x) + " " + w.Scaled(4.0 * b + 60) + ";PD " + w.Scaled(x) + " " +
            w.Scaled(4.0 * b));
    }
    const double x = 4.0 * (q + 5 * MonthEnd(year, month + 1));
    w.Put(";PU " + w.Scaled(x) + " " + w.Scaled(4.0 * b + 120) + ";PD " + w.Scaled(x) + " " +
          w.Scaled(4.0 * b - 60));
  }

  // The curve.
  w.Put(";SP 3");
  auto curveY = [&](int day) {
    return b + m * Round(h * (EquationOfTime(year, day) + shift.curveDegrees) * 4 * 30);
  };
  w.Put(";PU " + xy(q, curveY(1)) + ";PD");
  for (int day = 4; day <= days; day += 3) w.Put(" " + xy(q + 5 * (day - 1), curveY(day)));
  w.Put(" " + xy(q + 5 * days, curveY(days + 1)));
}

}  // namespace kelvra::calc::graphs

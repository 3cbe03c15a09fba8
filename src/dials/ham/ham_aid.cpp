#include "dials/ham/ham_aid.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/ham.h"
#include "texts/planar.h"

namespace kelvra::dials::ham {

namespace {

using astro::AsinDeg;
using astro::ClampUnit;
using astro::CosDeg;
using astro::Radians;
using astro::SinDeg;
using astro::TanDeg;

// The part of segment a → b within the rectangle [l, r] × [t, b]; false when
// none of it is (Liang-Barsky). Keeps far-away ray ends out of the int range
// of the sink.
bool Clip(double l, double t, double r, double bottom, PointD& a, PointD& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - l, r - a.x, a.y - t, bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double s = q[i] / p[i];
    if (p[i] < 0) {
      if (s > t1) return false;
      t0 = std::max(t0, s);
    } else {
      if (s < t0) return false;
      t1 = std::min(t1, s);
    }
  }
  const PointD a2{a.x + t0 * dx, a.y + t0 * dy}, b2{a.x + t1 * dx, a.y + t1 * dy};
  a = a2;
  b = b2;
  return true;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

class Painter {
 public:
  explicit Painter(output::PlotSink& sink) : sink_(sink) {}
  void Pen(output::Color c) {
    output::Pen pen;
    pen.color = c;
    sink_.SetPen(pen);
  }
  void Segment(PointD a, PointD b) {
    const double W = sink_.Width(), H = sink_.Height();
    if (!Clip(-W, -H, 2 * W, 2 * H, a, b)) return;
    sink_.MoveTo(Round(a.x), Round(a.y));
    sink_.LineTo(Round(b.x), Round(b.y));
  }
  void Cross(PointD c, double arm) {
    Segment({c.x - arm, c.y}, {c.x + arm, c.y});
    Segment({c.x, c.y - arm}, {c.x, c.y + arm});
  }
  void Circle(PointD c, double r) {
    if (std::fabs(c.x) > 1e6 || std::fabs(c.y) > 1e6 || r > 1e6) return;
    sink_.Circle(Round(c.x), Round(c.y), Round(r));
  }

 private:
  output::PlotSink& sink_;
};

}  // namespace

HamAidInputs CurrentHamAidInputs() {
  const shell::SharedState& state = shell::State();
  HamAidInputs in;
  in.latitude = state.site.latitude;
  const double g = config::Dial().habermelGnomon;
  in.diameter = g >= 9 && g <= 100 ? g : kDefaultDiameter;
  in.stretch = state.general.hamStretch;
  in.equinoxAngle = state.general.hamEquinoxAngle;
  in.markMode = state.general.hamMarkMode;
  in.colors = state.colors;
  return in;
}

bool HamMarks::Add(HamMark m) {
  if (marks_.size() >= kCapacity) return false;
  marks_.push_back(m);
  return true;
}

double HamAid::DateDeclination(int j) { return 23.5 * CosDeg(30.0 * j - 210.0); }

HamAid::HamAid(const HamAidInputs& inputs, int width, int height, bool isScreen)
    : in_(inputs), screen_(isScreen) {
  w_ = isScreen ? std::round(height / 105.0) : 10.0;
  if (w_ < 1) w_ = 1;
  rho_ = inputs.diameter * w_;
  centre_ = {width / 2.0, std::round(height / 2.0)};
  const double sp = SinDeg(inputs.latitude), cp = CosDeg(inputs.latitude);
  for (int j = 1; j <= kDates; ++j) {
    const double d = Radians(DateDeclination(j));
    for (int i = 0; i < kHours; ++i) {
      const double s = ClampUnit(CosDeg(15.0 * i) * cp * std::cos(d) + sp * std::sin(d));
      altitude_[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = AsinDeg(s);
    }
  }
}

double HamAid::Altitude(int j, int i) const {
  return altitude_[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
}

PointD HamAid::PointerPosition(int j) const {
  const double theta = Radians(in_.stretch * DateDeclination(j) + in_.equinoxAngle);
  return {centre_.x - rho_ * std::cos(theta), centre_.y - rho_ * std::sin(theta)};
}

std::optional<PointD> HamAid::RayMeeting(int j, int k, int i) const {
  if (j == k) return std::nullopt;
  const PointD pj = PointerPosition(j), pk = PointerPosition(k);
  const double tj = TanDeg(Altitude(j, i)), tk = TanDeg(Altitude(k, i));
  const double denominator = tk - tj;
  if (std::fabs(denominator) < 1e-12) return std::nullopt;  // parallel rays
  const double e = ((pj.y - pk.y) - (pj.x - pk.x) * tj) / denominator;
  const PointD m{pk.x + e, pk.y + tk * e};
  if (!std::isfinite(m.x) || !std::isfinite(m.y)) return std::nullopt;
  return m;
}

PointD HamAid::PictureOf(const HamMark& m) const {
  return {centre_.x + m.x * w_, centre_.y - m.y * w_};
}

HamMark HamAid::MarkAt(PointD p) const { return {(p.x - centre_.x) / w_, (centre_.y - p.y) / w_}; }

void DrawHamAid(output::PlotSink& sink, const HamAidInputs& in, const HamMarks& marks) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const HamAid aid(in, W, H, screen);
  const double big = screen ? 1.0 : 2.5;  // symbol sizes on the printer page (0.1 mm)

  // 1. The legend, top left; the mouse hints at the bottom left.
  output::Font font;
  font.face = "Arial";
  font.color = screen ? in.colors.Color(4) : output::kBlack;
  font.height = screen ? 14 : 42;
  font.bold = true;
  sink.SetFont(font);
  const int x = W / 80;
  double y = x;
  sink.TextOut(x, Round(y), shell::Get(texts::ham::kTitle));
  y += 1.2 * font.height;
  font.bold = false;
  font.height = screen ? 14 : 35;
  sink.SetFont(font);
  const std::string lines[] = {
      shell::Get(texts::planar::kLatitude) + shell::FormatReal(5, 2, in.latitude) +
          shell::Get(texts::planar::kDegreeUnit),
      shell::Get(texts::ham::kLocalTime) + " = " + shell::Get(texts::planar::kLocalApparentTime),
      shell::Get(texts::ham::kDiameter) + " = " + shell::FormatReal(4, 1, in.diameter) + " mm",
      shell::Get(texts::ham::kStretchLegend) + shell::FormatReal(3, 1, in.stretch),
      shell::Get(texts::ham::kEquinoxLegend) + shell::FormatReal(6, 2, in.equinoxAngle),
  };
  for (const std::string& line : lines) {
    sink.TextOut(x, Round(y), line);
    y += 1.2 * font.height;
  }
  const texts::TextId hints[] = {texts::ham::kHintDelete, texts::ham::kHintMark,
                                 texts::ham::kHintShowMarks};
  y = H - x - 3 * 1.2 * font.height;
  for (texts::TextId hint : hints) {
    sink.TextOut(x, Round(y), shell::Get(hint));
    y += 1.2 * font.height;
  }

  // 2. The pointer positions and the circle.
  Painter paint(sink);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  paint.Pen(output::kBlue);
  for (int j = 1; j <= HamAid::kDates; ++j) paint.Circle(aid.PointerPosition(j), 6 * big);
  paint.Pen(output::kRed);
  paint.Circle(aid.Centre(), aid.Radius());
  paint.Circle(aid.Centre(), aid.Radius() / 30);

  if (in.markMode) {
    // 5. The marked points, joined in the order they were marked.
    paint.Pen(output::kRed);
    for (const HamMark& m : marks.Marks()) paint.Circle(aid.PictureOf(m), 5 * big);
    paint.Pen(output::kBlack);
    for (std::size_t n = 1; n < marks.Marks().size(); ++n) {
      paint.Segment(aid.PictureOf(marks.Marks()[n - 1]), aid.PictureOf(marks.Marks()[n]));
    }
    return;
  }

  // 3. The rays of every hour, each from its date's pointer through the point
  // where it meets the ray of date 1, on to 1.1 times that distance.
  for (int i = 0; i < HamAid::kHours; ++i) {
    for (int j = 2; j <= HamAid::kDates; ++j) {
      const auto m = aid.RayMeeting(j, 1, i);
      if (!m) continue;
      const PointD p = aid.PointerPosition(j);
      if (m->y <= p.y - 0.1) continue;  // the shadow falls downwards only
      paint.Pen(in.colors.Color(j));
      paint.Segment(p, {p.x + 1.1 * (m->x - p.x), p.y + 1.1 * (m->y - p.y)});
      if (j == 2) {
        paint.Pen(in.colors.Color(1));
        paint.Segment(aid.PointerPosition(1), *m);
      }
    }
  }
  // 4. Crosses where the rays of dates 1 and 3, 3 and 5, 5 and 7 meet: the
  // parameters are right where the three crosses of an hour coincide.
  for (int i = 2; i <= 7; ++i) {
    for (int k = 0; k <= 2; ++k) {
      const auto m = aid.RayMeeting(2 * k + 1, 2 * k + 3, i);
      if (!m) continue;
      paint.Pen(in.colors.Color(2 * k + 3));
      paint.Cross(*m, screen ? 8 : 20);
    }
  }
}

}  // namespace kelvra::dials::ham

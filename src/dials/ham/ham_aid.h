// The ham dial design aid.
//
// A ham dial ("Schinkensonnenuhr") is a vertical altitude dial: its pointer
// tip moves with the date along a circle, and the shadow of the tip falls
// downwards at the sun's altitude. Kelvra does not construct the finished
// dial; it draws an aid on which the maker tunes two parameters (the stretch
// that turns a declination into a position on the circle, and the position
// at the equinox) until, for each hour, the shadow rays of the different
// dates meet in one point, and marks those hour points with the mouse.
//
// Picture coordinates: device units of the sink, x to the right, y DOWN.
// Angles in degrees. Latitude north positive.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::ham {

// The circle's radius while habermelGnomon has no value (mm).
inline constexpr double kDefaultDiameter = 30;

// What the aid is drawn from.
struct HamAidInputs {
  double latitude = 47.25;      // φ, degrees
  double diameter = 30;         // habermelGnomon: radius of the pointer tip's circle, mm
  double stretch = 1.5;         // hamStretch (meant for 1.2 .. 3)
  double equinoxAngle = 0.0;    // hamEquinoxAngle: position angle at the equinox, degrees
  bool markMode = false;        // hamMarkMode: the marked points instead of the rays
  shell::ColorSet colors;       // colours 1..8 for the dates and crosses, 4 for the legend
};

// A marked hour point in mm from the circle's centre, x right, y UP (so that
// a mark keeps its place on the dial whatever the size of the picture).
struct HamMark {
  double x = 0;
  double y = 0;
  friend bool operator==(const HamMark&, const HamMark&) = default;
};

// The user's marked hour points, in the order they were marked.
class HamMarks {
 public:
  static constexpr std::size_t kCapacity = 10;
  // Adds a mark; false (nothing changed) when all ten are taken.
  bool Add(HamMark m);
  void Clear() { marks_.clear(); }
  const std::vector<HamMark>& Marks() const { return marks_; }
  bool Empty() const { return marks_.empty(); }
  friend bool operator==(const HamMarks&, const HamMarks&) = default;

 private:
  std::vector<HamMark> marks_;
};

struct PointD {
  double x = 0;
  double y = 0;
};

// The aid's geometry on a picture of width × height device units.
class HamAid {
 public:
  // The seven dates: the boundaries of the zodiac signs with an obliquity of
  // 23.5°, δ_j = 23.5° cos(30° j − 210°), j = 1..7 (−23.5° .. +23.5°).
  static constexpr int kDates = 7;
  // Hours after noon: hour angles 15° i, i = 0..8.
  static constexpr int kHours = 9;
  static double DateDeclination(int j);

  HamAid(const HamAidInputs& inputs, int width, int height, bool isScreen);

  // Device units per mm: round(H / 105) on the screen, 10 on the printer.
  double UnitsPerMm() const { return w_; }
  // ρ = diameter × units per mm.
  double Radius() const { return rho_; }
  // The circle's centre (W / 2, round(H / 2)); the drawing window marks from it.
  PointD Centre() const { return centre_; }
  // The sun's altitude at the date's declination and hour angle 15° i.
  double Altitude(int j, int i) const;
  // The pointer tip on date j: (xc − ρ cos θ_j, yc − ρ sin θ_j) with
  // θ_j = stretch × δ_j + equinox angle.
  PointD PointerPosition(int j) const;
  // Where the ray from P_j with slope tan A[j][i] meets the ray from P_k with
  // slope tan A[k][i] (slopes in picture units, y down). Nothing for j = k or
  // parallel rays.
  std::optional<PointD> RayMeeting(int j, int k, int i) const;

  // Picture position of a mark, and the mark of a picture position.
  PointD PictureOf(const HamMark& m) const;
  HamMark MarkAt(PointD picture) const;

 private:
  HamAidInputs in_;
  bool screen_;
  double w_ = 10;
  double rho_ = 0;
  PointD centre_;
  std::array<std::array<double, kHours>, kDates + 1> altitude_{};  // [j][i], j from 1
};

// The aid's inputs from the program's records: the site's latitude,
// habermelGnomon as the circle's radius (30 mm while it has no value of its
// range 9..100, as before a Habermel dial was chosen), the ham switches of
// the general state and the colours.
HamAidInputs CurrentHamAidInputs();

// Draws the aid on `sink` (its whole area): legend, pointer positions, the
// circle, then the rays of every hour with the crosses where the rays of
// dates 1/3, 3/5 and 5/7 meet, or, in mark mode, the marked points joined by
// a black line.
void DrawHamAid(output::PlotSink& sink, const HamAidInputs& inputs, const HamMarks& marks);

}  // namespace kelvra::dials::ham

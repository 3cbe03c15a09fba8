#include "dials/worldmap/map_drawing.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "dials/worldmap/worldmap_texts.h"
#include "shell/number_format.h"

namespace kelvra::dials::worldmap {

namespace {

struct XY {
  double x = 0;
  double y = 0;
};

struct Window {
  double left, right, top, bottom;  // left < right, top < bottom (any y direction)
  bool Contains(XY p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// The part of the segment a → b inside the window (Liang-Barsky); false when
// none of it is.
bool ClipSegment(const Window& w, XY& a, XY& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - w.left, w.right - a.x, a.y - w.top, w.bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const XY start{a.x + t0 * dx, a.y + t0 * dy};
  const XY end{a.x + t1 * dx, a.y + t1 * dy};
  a = start;
  b = end;
  return true;
}

// Walks the points of a part, breaking and clipping the polylines, and hands
// the pen moves to `Target` (Move(x, y) starts a polyline, Line(x, y) draws).
template <class Target>
class PolylineWalker {
 public:
  PolylineWalker(const MapRequest& request, double windowShare, bool yUp, Target& target)
      : request_(request), yUp_(yUp), target_(target) {
    const double cx = request.pageWidth / 2, cy = request.pageHeight / 2;
    const double hw = windowShare * request.pageWidth, hh = windowShare * request.pageHeight;
    window_ = {cx - hw, cx + hw, cy - hh, cy + hh};
  }

  void Break() { havePrevious_ = false; }

  void Add(const MapLine& line) {
    if (line.kind != MapLine::Kind::Point) {
      Break();
      return;
    }
    if (line.latitude < request_.minLatitude || line.latitude > request_.maxLatitude ||
        line.longitude < request_.minLongitude || line.longitude > request_.maxLongitude) {
      Break();
      return;
    }
    XY p;
    if (!Project(line, p)) {
      Break();
      return;
    }
    if (!havePrevious_) {
      if (window_.Contains(p)) {
        target_.Move(p.x, p.y);
        penAtPrevious_ = true;
      } else {
        penAtPrevious_ = false;
      }
    } else {
      XY a = previous_, b = p;
      if (ClipSegment(window_, a, b)) {
        const bool startMoved = a.x != previous_.x || a.y != previous_.y;
        if (!penAtPrevious_ || startMoved) target_.Move(a.x, a.y);
        target_.Line(b.x, b.y);
        penAtPrevious_ = b.x == p.x && b.y == p.y;
      } else {
        penAtPrevious_ = false;
      }
    }
    previous_ = p;
    havePrevious_ = true;
  }

 private:
  // The point in the target's units; false beyond the projection's horizon.
  bool Project(const MapLine& line, XY& p) const {
    const MapRequest& r = request_;
    double dx, dy;  // offset from the origin, x right, y toward the top of the face
    if (r.custom) {
      if (!r.custom(line.latitude, line.longitude, dx, dy)) return false;
    } else if (r.projected) {
      const GnomonicXY g = GnomonicPoint(r.projection.centreLatitude, -r.projection.centreLongitude,
                                         r.scale, r.projection.rotation, line.latitude,
                                         -line.longitude);
      if (g.beyondHorizon) return false;
      // The shadow of the nodus falls opposite to the projected place.
      dx = -g.x;
      dy = -g.y;
    } else {
      dx = (r.projection.centreLongitude - line.longitude) * r.scale;
      dy = (line.latitude - r.projection.centreLatitude) * r.scale;
    }
    p.x = r.originX + dx;
    p.y = yUp_ ? r.originY + dy : r.originY - dy;
    return true;
  }

  const MapRequest& request_;
  bool yUp_;
  Target& target_;
  Window window_{};
  XY previous_;
  bool havePrevious_ = false;
  bool penAtPrevious_ = false;
};

struct CanvasTarget {
  output::PlotSink& sink;
  void Move(double x, double y) {
    sink.MoveTo(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
  }
  void Line(double x, double y) {
    sink.LineTo(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
  }
};

struct PlotTarget {
  std::string& text;
  void Move(double x, double y) {
    text += ";PU ";
    text += output::FormatCoordinate(x);
    text += ' ';
    text += output::FormatCoordinate(y);
    text += ";PD ";
  }
  void Line(double x, double y) {
    text += output::FormatPlotReal(8, 0, x);
    text += ' ';
    text += output::FormatPlotReal(8, 0, y);
    text += ' ';
  }
};

// Reports the first unreadable point line of [begin, end) of `map`.
void ReportUnreadable(const WorldMap& map, std::size_t begin, std::size_t end,
                      shell::MessageSink& messages) {
  for (std::size_t i = begin; i < end; ++i) {
    if (map.Read(i).unreadable) {
      messages.Show(shell::MessageKind::Problem, UnreadableLineMessage(map.Line(i)),
                    shell::MessageButtons::Ok);
      return;
    }
  }
}

// A data file larger than this is no map file.
constexpr std::uintmax_t kMaxMapFileBytes = 256u << 20;

bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec || size > kMaxMapFileBytes) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

void DrawMap(output::PlotSink& sink, const MapRequest& request, const WorldMap& map,
             shell::MessageSink& messages) {
  const int x0 = static_cast<int>(std::lround(request.originX));
  const int y0 = static_cast<int>(std::lround(request.originY));
  output::Pen pen;
  pen.color = output::kRed;
  sink.SetPen(pen);
  sink.MoveTo(x0 - 8, y0);
  sink.LineTo(x0 + 8, y0);
  sink.MoveTo(x0, y0 - 8);
  sink.LineTo(x0, y0 + 8);

  pen.color = request.colour;
  sink.SetPen(pen);
  CanvasTarget target{sink};
  PolylineWalker<CanvasTarget> walker(request, 0.6, false, target);
  const std::size_t begin = map.PartBegin(request.part), end = map.PartEnd(request.part);
  for (std::size_t i = begin; i < end; ++i) walker.Add(map.Read(i));
  ReportUnreadable(map, begin, end, messages);
}

bool PlotMap(output::HpglWriter& writer, const std::filesystem::path& file, int pen,
             const MapRequest& request, shell::MessageSink& messages) {
  const int s = writer.PlotScale();
  writer.Put(";SP " + std::to_string(pen) + ";PU 0 0");
  writer.Put(";SI " + output::FormatPlotReal(5, 2, 0.22 * s) + "," +
             output::FormatPlotReal(5, 2, 0.32 * s));
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) {
    messages.Show(shell::MessageKind::Information, FileDeactivatedMessage(file.string()),
                  shell::MessageButtons::Ok);
    return false;
  }
  const WorldMap map(std::move(bytes));
  std::string text = ";SP " + std::to_string(pen);
  PlotTarget target{text};
  PolylineWalker<PlotTarget> walker(request, 0.65, true, target);
  for (std::size_t i = 0; i < map.LineCount(); ++i) walker.Add(map.Read(i));
  text += ';';
  writer.Put(text);
  ReportUnreadable(map, 0, map.LineCount(), messages);
  return true;
}

}  // namespace kelvra::dials::worldmap

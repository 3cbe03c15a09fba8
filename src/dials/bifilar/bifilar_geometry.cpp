#include "dials/bifilar/bifilar_geometry.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "dials/planar/date_line_set.h"
#include "shell/catalog.h"
#include "texts/bifilar.h"

namespace kelvra::dials::bifilar {

namespace {

// Below this (mm) the x distance of thread 2's two shadow points counts as
// nothing: the shadows run parallel.
constexpr double kParallelMm = 1e-4;

// Collects the runs of one line.
class Tracer {
 public:
  explicit Tracer(BifilarDial& dial) : dial_(dial) {}

  void BeginLine(const Chain& proto) {
    proto_ = proto;
    open_ = false;
    lineRuns_ = 0;
    lastPoint_.reset();
  }
  // Adds the point of a sun direction; a direction without a crossing breaks the line.
  void Add(const Crossing& c) {
    if (c.status != CrossingStatus::Ok) {
      open_ = false;
      return;
    }
    if (!open_) {
      Chain chain = proto_;
      chain.first = static_cast<std::uint32_t>(dial_.points.size());
      chain.count = 0;
      dial_.chains.push_back(chain);
      open_ = true;
      ++lineRuns_;
    }
    dial_.points.push_back({c.x, c.y});
    ++dial_.chains.back().count;
    lastPoint_ = PlatePoint{c.x, c.y};
  }
  // Ends the line: its last run is marked; returns the line's last point.
  std::optional<PlatePoint> EndLine() {
    if (lineRuns_ > 0) dial_.chains.back().lastOfLine = true;
    open_ = false;
    return lastPoint_;
  }

 private:
  BifilarDial& dial_;
  Chain proto_;
  bool open_ = false;
  int lineRuns_ = 0;
  std::optional<PlatePoint> lastPoint_;
};

// The declinations of the date lines of `mode` (0: 7 zodiac lines, 1: 13,
// 2: the user's list, 3: none) and the hour-angle shift of their clock time.
struct DateLines {
  std::vector<double> declinations;
  bool byClockTime = false;  // mode 2: H = 15 (t - 12) - (longitude - zoneMeridian)
};

DateLines DateLinesOf(int mode, const shell::SiteSettings& site,
                      const std::vector<std::string>& ownDateLines,
                      const astro::ZodiacTable& zodiac, shell::MessageSink& messages) {
  DateLines lines;
  switch (mode) {
    case 0:
    case 1: {
      const int stride = mode == 0 ? 6 : 3;
      for (int i = 0; i <= 36; i += stride) {
        lines.declinations.push_back(zodiac.declinations[static_cast<std::size_t>(i)]);
      }
      break;
    }
    case 2: {
      const planar::DateLineSet set =
          planar::BuildDateLineSet(2, ownDateLines, site.year, zodiac, &messages);
      lines.byClockTime = true;
      for (const planar::DateLineEntry& e : set.entries) {
        const double d = astro::DayArgumentForZoneTime(e.day, 12.0, site.zoneMeridian);
        lines.declinations.push_back(astro::ComputeSolarDay(site.year, d).declination);
      }
      break;
    }
    default: break;
  }
  return lines;
}

}  // namespace

Crossing ShadowCrossing(const Threads& t, double altitude, double azimuth) {
  Crossing out;
  if (!(altitude > kLowestAltitude)) return out;
  const double c = 1.0 / astro::TanDeg(altitude);
  const double sinA = astro::SinDeg(azimuth);
  const double cosA = astro::CosDeg(azimuth);
  // Thread 1 throws the line X = h1 c sin A (parallel to y); thread 2 the line
  // through the shadows of its two ends.
  const double x = t.h1 * sinA * c;
  const double x3 = t.p3.z * sinA * c + t.p3.x;
  const double y3 = t.p3.z * cosA * c + t.p3.y;
  const double x4 = t.p4.z * sinA * c + t.p4.x;
  const double y4 = t.p4.z * cosA * c + t.p4.y;
  if (std::fabs(x4 - x3) < kParallelMm) {
    out.status = CrossingStatus::Parallel;
    return out;
  }
  out.status = CrossingStatus::Ok;
  out.x = x;
  out.y = y3 + (x - x3) * (y4 - y3) / (x4 - x3);
  return out;
}

bool ThreadsParallel(const Threads& t) {
  // The x distance of thread 2's shadow ends is (z4 - z3) c sin A + (x4 - x3):
  // it vanishes for every sun only when both terms do.
  return std::fabs(t.p4.x - t.p3.x) < kParallelMm && std::fabs(t.p4.z - t.p3.z) < kParallelMm;
}

int LinesPerHour(int code) {
  const int minutes = config::MinuteIntervalMinutes(code);
  return minutes > 0 ? 60 / minutes : 1;
}

BifilarDial BuildBifilarDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                             const std::vector<std::string>& ownDateLines, double zoom,
                             shell::MessageSink& messages, std::optional<int> linesPerHour) {
  BifilarDial out;
  out.site = site;
  out.params = dial;
  out.zoom = zoom;
  auto& p = out.params.bifilarThreads;

  // Thread 1 must lie in the plane x = 0, level with the plate.
  if (p[0].x != 0 || p[1].x != 0 || p[1].z != p[0].z) {
    out.thread1Corrected = true;
    messages.Show(shell::MessageKind::Information, shell::Get(texts::bifilar::kFirstThreadPlane),
                  shell::MessageButtons::Ok);
    p[0].x = 0;
    p[1].x = 0;
    p[1].z = p[0].z;
  }
  // The classical dial: thread 2 at h1 |sin latitude| (above the plate in
  // both hemispheres).
  if (out.params.michnikClassic) {
    const double z = std::fabs(astro::SinDeg(site.latitude)) * p[0].z;
    p[2].z = z;
    p[3].z = z;
  }
  out.threads.h1 = p[0].z * zoom;
  out.threads.p3 = {p[2].x, p[2].y, p[2].z * zoom};
  out.threads.p4 = {p[3].x, p[3].y, p[3].z * zoom};

  const astro::ZodiacTable zodiac = astro::ComputeZodiacDeclinations(site.year);
  out.obliquity = zodiac.roundedObliquity;

  if (ThreadsParallel(out.threads)) {
    out.parallel = true;
    messages.Show(shell::MessageKind::Problem, shell::Get(texts::bifilar::kThreadsParallel),
                  shell::MessageButtons::Ok);
    return out;
  }

  const double phi = site.latitude;
  const double lonShift = site.longitude - site.zoneMeridian;
  Tracer tracer(out);

  // Date lines: the clock time runs from 0 h to 23 h in steps of 0.03 h.
  const DateLines dates = DateLinesOf(out.params.dateLineMode, site, ownDateLines, zodiac, messages);
  const std::size_t n = dates.declinations.size();
  for (std::size_t i = 0; i < n; ++i) {
    Chain proto;
    proto.kind = LineKind::DateLine;
    proto.equinox = i == n / 2;
    const double d = dates.declinations[i];
    proto.value = d;
    tracer.BeginLine(proto);
    for (int k = 0; k <= 766; ++k) {
      const double t = 0.03 * k;
      double H = dates.byClockTime ? 15.0 * (t - 12.0) - lonShift : 15.0 * t - 180.0;
      if (H == 0) H = 1e-9;
      const astro::HorizontalPosition s = astro::HorizontalFromHourAngle(phi, d, H);
      tracer.Add(ShadowCrossing(out.threads, s.altitude, s.azimuth));
    }
    tracer.EndLine();
  }

  // The pole mark: the shadows of the visible celestial pole.
  {
    const double d = phi < 0 ? -89.99 : 89.99;
    const astro::HorizontalPosition s = astro::HorizontalFromHourAngle(phi, d, 0.0);
    const Crossing c = ShadowCrossing(out.threads, s.altitude, s.azimuth);
    if (c.status == CrossingStatus::Ok) out.pole = PlatePoint{c.x, c.y};
  }

  // Hour lines: for each hour and subdivision, the declination runs from -eps
  // to +eps in steps of 0.2 degrees.
  if (out.params.hoursApparent) {
    const int lines = linesPerHour.value_or(LinesPerHour(out.params.hourInterval));
    const double epsLow = zodiac.declinations[36];
    const double epsHigh = zodiac.declinations[0];
    const double shift = out.params.planarLocalTime ? 0.0 : lonShift;
    for (int h = out.params.hoursFrom; h <= out.params.hoursTo; ++h) {
      for (int j = 0; j < lines; ++j) {
        // Subdivisions lie between this hour and the next, below the last hour.
        if (j > 0 && (h >= out.params.hoursTo || lines < 2)) break;
        double H = 15.0 * h - 180.0 - shift + 15.0 / lines * j;
        if (std::fabs(H) < 0.001) H = 0.001;
        Chain proto;
        proto.kind = LineKind::Hour;
        proto.fullHour = j == 0;
        proto.hour = h;
        proto.value = H;
        tracer.BeginLine(proto);
        for (int k = 0;; ++k) {
          double d = epsLow + 0.2 * k;
          const bool last = d >= epsHigh;
          if (last) d = epsHigh;
          const astro::HorizontalPosition s = astro::HorizontalFromHourAngle(phi, d, H);
          tracer.Add(ShadowCrossing(out.threads, s.altitude, s.azimuth));
          if (last) break;
        }
        const std::optional<PlatePoint> end = tracer.EndLine();
        if (j == 0 && h % 2 == 0 && end) out.hourLabels.push_back({h, *end});
      }
    }
  }
  return out;
}

}  // namespace kelvra::dials::bifilar

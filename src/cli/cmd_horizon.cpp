#include "cli/cmd_horizon.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <ostream>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define KELVRA_HAVE_ISATTY 1
#endif

#include "calc/horizon/horizon_session.h"
#include "cli/json.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/horizon.h"
#include "texts/output.h"

namespace kelvra::cli {

namespace {

bool StderrIsTerminal(const std::ostream& err) {
#ifdef KELVRA_HAVE_ISATTY
  return &err == &std::cerr && isatty(STDERR_FILENO) == 1;
#else
  (void)err;
  return false;
#endif
}

// A bar of 40 characters with the percentage, redrawn in place.
class ProgressBar {
 public:
  explicit ProgressBar(std::ostream& err) : err_(err) {}
  void Show(double fraction) {
    const int percent = static_cast<int>(fraction * 100);
    if (percent == percent_) return;
    percent_ = percent;
    const int filled = percent * 40 / 100;
    err_ << '\r' << '[' << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(40 - filled), '.') << "] "
         << shell::FormatReal(3, 0, percent) << " %" << std::flush;
  }
  void End() {
    if (percent_ >= 0) err_ << '\n';
  }

 private:
  std::ostream& err_;
  int percent_ = -1;
};

// x with `decimals` decimals and no padding.
std::string Fixed(int decimals, double x) {
  std::string s = shell::FormatReal(decimals + 2, decimals, x);
  return s.substr(s.find_first_not_of(' '));
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

int Show(Invocation& inv, const std::string& path) {
  const calc::ProfileReadResult r = calc::ReadHorizonProfileFile(path);
  if (!r.ok()) {
    const std::string reason = r.fault == calc::ProfileFault::Missing
                                   ? std::string("no such file")
                                   : calc::ProfileFaultText(r);
    inv.err << "kelvra horizon: " << path << ": " << reason << '\n';
    return kExitFile;
  }
  const calc::HorizonProfileFile& f = r.file;
  if (inv.json) {
    JsonWriter json;
    json.BeginObject()
        .Field("file", path)
        .Field("latitude", f.latitude)
        .Field("longitude", f.longitude)
        .Field("description", f.description)
        .Key("points")
        .BeginArray();
    for (const auto& p : f.profile.points) {
      json.BeginObject()
          .Field("azimuth", p.azimuth)
          .Field("altitude", p.altitude)
          .Field("distance", p.distance)
          .Field("terrainHeight", p.terrainHeight)
          .EndObject();
    }
    json.EndArray().EndObject();
    inv.out << json.Text() << '\n';
    return kExitOk;
  }
  inv.out << "# " << path << '\n'
          << "# latitude " << Fixed(6, f.latitude) << ", longitude "
          << Fixed(6, f.longitude) << " (west positive)\n"
          << "#" << f.description << '\n'
          << "# azimuth  altitude   distance  height\n";
  for (const auto& p : f.profile.points) {
    inv.out << shell::FormatReal(9, 2, p.azimuth) << shell::FormatReal(10, 4, p.altitude)
            << shell::FormatReal(11, 1, p.distance) << shell::FormatReal(8, 0, p.terrainHeight)
            << '\n';
  }
  return kExitOk;
}

int Run(Invocation& inv) {
  if (!inv.args.Positional().empty()) {
    throw UsageError("unexpected '" + inv.args.Positional()[0] +
                     "'; grids are given with --grid, the profile with -o or --show");
  }
  const auto show = inv.args.Value("--show");
  const auto& grids = inv.args.Values("--grid");
  const auto out = inv.args.Value("-o");
  if (show) {
    if (!grids.empty() || out) throw UsageError("--show: takes neither --grid nor -o");
    return Show(inv, *show);
  }
  if (grids.empty()) {
    throw UsageError("--grid TILE.asc is required (repeat it for adjoining tiles), or --show FILE");
  }
  if (!out || out->empty()) throw UsageError("-o PROFILE.ele is required with --grid");
  for (const auto& g : grids) {
    if (SameFile(g, *out)) throw UsageError("-o: '" + *out + "' is one of the grids");
  }
  calc::HorizonSite site;
  site.latitude = shell::State().site.latitude;
  site.longitude = shell::State().site.longitude;
  site.searchRadius = inv.args.Integer("--radius", calc::kMinSearchRadiusKm,
                                       calc::kMaxSearchRadiusKm).value_or(60);
  site.minimumDistance =
      inv.args.Integer("--min-distance", 0, calc::kMaxMinimumDistance).value_or(180);
  site.platformHeight = inv.args.Integer("--platform", 0, calc::kMaxPlatformHeight).value_or(0);

  ProgressBar bar(inv.err);
  calc::TaskControl control;
  if (StderrIsTerminal(inv.err)) control.progress = [&](double f) { bar.Show(f); };
  const calc::ComputedHorizon result = calc::ComputeHorizonProfile(site, grids, control);
  bar.End();
  if (result.status == calc::ComputeStatus::Declined) {
    // The window would ask whether to compute anyway; a command does not.
    inv.err << "kelvra horizon: the site (latitude " << site.latitude << ", longitude " << site.longitude
            << ") lies on none of the elevation grids given; nothing was computed and "
            << *out << " was left as it was\n";
  }
  if (result.status != calc::ComputeStatus::Done) return kExitFile;

  if (result.missing) {
    inv.err << "kelvra horizon: " << shell::Get(texts::horizon::kBeyondData)
            << calc::DirectionNames(result.missing) << '\n';
  }
  if (!calc::WriteHorizonProfileFile(*out, result.file)) {
    inv.err << "kelvra horizon: " << shell::Get(texts::horizon::kSaveError) << *out << '\n';
    return kExitFile;
  }
  // The highest point of the profile.
  const calc::HorizonPoint* highest = &result.file.profile.points[0];
  for (const auto& p : result.file.profile.points) {
    if (p.altitude > highest->altitude) highest = &p;
  }
  if (inv.json) {
    JsonWriter json;
    json.BeginObject()
        .Field("output", *out)
        .Field("latitude", result.file.latitude)
        .Field("longitude", result.file.longitude)
        .Field("groundHeight", result.groundHeight)
        .Field("platform", site.platformHeight)
        .Field("minDistance", site.minimumDistance)
        .Field("radius", static_cast<int>(site.searchRadius))
        .Key("grids")
        .BeginArray();
    for (const auto& g : grids) json.String(g);
    json.EndArray().Key("missingDirections").BeginArray();
    static constexpr const char* kNames[8] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    for (int k = 0; k < 8; ++k) {
      if (result.missing & (1u << k)) json.String(kNames[k]);
    }
    json.EndArray()
        .Key("highest")
        .BeginObject()
        .Field("azimuth", highest->azimuth)
        .Field("altitude", highest->altitude)
        .Field("distance", highest->distance)
        .Field("terrainHeight", highest->terrainHeight)
        .EndObject()
        .EndObject();
    inv.out << json.Text() << '\n';
  } else {
    inv.out << shell::Get(texts::horizon::kComputed) << '\n'
            << shell::Get(texts::horizon::kSiteHeight) << result.groundHeight << '\n'
            << shell::Get(texts::horizon::kHighest) << Fixed(2, highest->altitude)
            << shell::Get(texts::horizon::kDegAtAzimuth) << Fixed(1, highest->azimuth) << '\n'
            << *out << shell::Get(texts::output::kSaved) << '\n';
  }
  return kExitOk;
}

}  // namespace

const Command& HorizonCommand() {
  static const Command command{
      "horizon",
      "horizon --grid TILE.asc [--grid TILE2.asc ...] -o PROFILE.ele [--radius KM] "
      "[--min-distance M] [--platform M] | horizon --show PROFILE.ele",
      "computes the horizon profile of the site from SRTM elevation grids, or shows a profile",
      {
          {"--grid", "TILE.asc",
           "SRTM elevation grid (ASCII grid); repeat for tiles adjoining the site's tile", true},
          {"-o", "PROFILE.ele", "the profile file to write"},
          {"--radius", "KM", "search radius in kilometres, 1..1000 (default 60)"},
          {"--min-distance", "M", "nearest distance of objects in metres, 0..100000 (default 180)"},
          {"--platform", "M", "height of the eye above the ground in metres, 0..10000 (default 0)"},
          {"--show", "PROFILE.ele", "print the 720 points of a profile file"},
      },
      &Run,
  };
  return command;
}

}  // namespace kelvra::cli

#include "cli/cmd_listing.h"

#include <ostream>

#include "cli/json.h"
#include "config/dial_parameters.h"
#include "dials/planar/planar_job.h"

namespace kelvra::cli {

namespace {

int Run(Invocation& inv) {
  if (!inv.args.Positional().empty()) {
    throw UsageError("takes no file names (unexpected '" + inv.args.Positional()[0] + "')");
  }
  if (!dials::planar::IsPlanarDial(config::Dial())) {
    throw UsageError("the construction listing exists for the planar dials only: kind=h, kind=v "
                     "or kind=i (now kind=" + std::string(1, config::Dial().kind) + ")");
  }
  dials::planar::PlanarJob job;
  dials::planar::BuildPlanarJob(job);
  const auto& t = job.table;
  const auto& ps = job.poleStyle;
  if (!inv.json) {
    for (const auto& line : dials::planar::HourLineTablePage(t, ps)) inv.out << line << '\n';
    return kExitOk;
  }
  JsonWriter json;
  json.BeginObject()
      .Field("kind", std::string(1, job.plane.kind))
      .Field("umbrella", job.plane.umbrella)
      .Field("gnomonHeight", job.plane.gnomonMm)
      .Field("parallelStyle", ps.parallel)
      .Field("orthogonalStyle", ps.orthogonal);
  if (!ps.parallel) {
    json.Field("poleX", ps.poleX).Field("poleY", ps.poleY);
  }
  if (!ps.parallel && !ps.orthogonal) {
    json.Field("styleHeight", ps.styleHeight)
        .Field("styleLength", ps.styleLength)
        .Field("substyleDirection", ps.substyleDirection);
  }
  json.Field("substyleTime", ps.substyleTime)
      .Field("substyleTimeText", ps.substyleTimeText)
      .Field("substyleAngle", t.substyleAngle)
      .Field("noonLineAngle", t.noonLineAngle)
      .Field("sunlit", t.sunlitText);
  // The hour-line angles keyed by the time "h:mm".
  json.Key("hourLines").BeginObject();
  for (int n = 0; n <= 24; ++n) {
    for (int j = 0; j <= t.subdivisions; ++j) {
      const double a = t.angles[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)];
      if (a == dials::planar::kMissingAngle) continue;
      const int minutes = j * t.stepMinutes;
      json.Field(std::to_string(n) + ":" + (minutes < 10 ? "0" : "") + std::to_string(minutes), a);
    }
  }
  json.EndObject();
  json.EndObject();
  inv.out << json.Text() << '\n';
  return kExitOk;
}

}  // namespace

const Command& ListingCommand() {
  static const Command command{
      "listing",
      "listing [--settings FILE] [--set NAME=VALUE ...]",
      "prints the construction listing of the current planar dial: pole style and hour-line "
      "angles",
      {},
      &Run,
  };
  return command;
}

}  // namespace kelvra::cli

#include "dials/planar/planar_job.h"

#include "shell/shared_state.h"

namespace kelvra::dials::planar {

bool IsPlanarDial(const config::DialParameters& dial) {
  const char k = dial.kind == 's' ? dial.umbrellaPlane : dial.kind;
  return k == 'h' || k == 'v' || k == 'i';
}

void BuildPlanarJob(PlanarJob& job, double zoom) {
  const auto& state = shell::State();
  config::DialParameters params = config::Dial();
  if (params.kind == 's') params.kind = params.umbrellaPlane;
  BuildPlanarDial(job.dial, state.site, params, state.general.ownDateLines, zoom);
  job.plane = MakeListingPlane(state.site, params, job.dial.frame.zoom);
  job.poleStyle = PoleStyleListing(job.plane, state.site.year, params.sunshineDurationLines);
  job.table = ComputeHourLineTable(job.plane, params, state.site.year, !params.planarLocalTime);
}

}  // namespace kelvra::dials::planar

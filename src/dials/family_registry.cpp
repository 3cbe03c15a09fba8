// The families the program builds, by the family column of the kind table.
// A new family adds its line here.
#include <span>
#include <vector>

#include "dials/altitude/altitude_family.h"
#include "dials/azimuthal/azimuthal_family.h"
#include "dials/biazimuthal/biazimuthal_family.h"
#include "dials/bifilar/bifilar_family.h"
#include "dials/dial_family.h"
#include "dials/habermel/habermel_family.h"
#include "dials/meantime/meantime_family.h"
#include "dials/peaucellier/peaucellier_family.h"
#include "dials/planar/planar_family.h"
#include "dials/quadrant/quadrant_family.h"
#include "dials/ring/ring_family.h"
#include "dials/sawyer/sawyer_family.h"

namespace kelvra::dials {

namespace {

struct Registered {
  config::DialFamily kind;
  const Family* family;
};

// One line per family column of the kind table that a family builds.
std::span<const Registered> Registry() {
  static const Registered registry[] = {
      {config::DialFamily::Planar, &planar::PlanarFamily()},
      {config::DialFamily::Umbrella, &planar::PlanarFamily()},
      {config::DialFamily::Cylinder, &altitude::CylinderFamily()},
      {config::DialFamily::HorizontalAltitude, &altitude::HorizontalAltitudeFamily()},
      {config::DialFamily::Azimuthal, &azimuthal::AzimuthalFamily()},
      {config::DialFamily::Bifilar, &bifilar::BifilarFamily()},
      {config::DialFamily::Altitude, &quadrant::QuadrantFamily()},
      {config::DialFamily::Peaucellier, &peaucellier::PeaucellierFamily()},
      {config::DialFamily::Sawyer, &sawyer::SawyerFamily()},
      {config::DialFamily::Habermel, &habermel::HabermelFamily()},
      {config::DialFamily::MeanTime, &meantime::MeanTimeFamily()},
      {config::DialFamily::Biazimuthal, &biazimuthal::BiazimuthalFamily()},
      {config::DialFamily::Ring, &ring::RingFamily()},
  };
  return registry;
}

// Families put in place by ScopedFamily (tests), the latest first.
std::vector<Registered>& Overrides() {
  static std::vector<Registered> overrides;
  return overrides;
}

}  // namespace

const Family* FindFamily(config::DialFamily kind) {
  for (auto it = Overrides().rbegin(); it != Overrides().rend(); ++it) {
    if (it->kind == kind) return it->family;
  }
  for (const Registered& r : Registry()) {
    if (r.kind == kind) return r.family;
  }
  return nullptr;
}

ScopedFamily::ScopedFamily(config::DialFamily kind, const Family& family) {
  Overrides().push_back({kind, &family});
}

ScopedFamily::~ScopedFamily() { Overrides().pop_back(); }

}  // namespace kelvra::dials

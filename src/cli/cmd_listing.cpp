#include "cli/cmd_listing.h"

#include <ostream>
#include <string>
#include <variant>

#include "cli/json.h"
#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "dials/dial_job.h"

namespace kelvra::cli {

namespace {

// One listing value as JSON: numbers, flags, texts and the hour-line angles.
struct FieldWriter {
  JsonWriter& json;
  const std::string& key;
  void operator()(bool v) const { json.Field(key, v); }
  void operator()(double v) const { json.Field(key, v); }
  void operator()(const std::string& v) const { json.Field(key, v); }
  void operator()(const dials::HourLineAngles& angles) const {
    json.Key(key).BeginObject();
    for (const auto& [time, angle] : angles) json.Field(time, angle);
    json.EndObject();
  }
};

int Run(Invocation& inv) {
  if (!inv.args.Positional().empty()) {
    throw UsageError("takes no file names (unexpected '" + inv.args.Positional()[0] + "')");
  }
  // The dial is traced once; messages it raises go to stderr.
  const dials::DialJob job = dials::DialJob::OfCurrentDial();
  const dials::ConstructionListing* listing = job.Listing();
  if (!listing) {
    throw UsageError("a construction listing exists for the kinds " +
                     config::KindsWith(config::kPoleInformation) +
                     " (now kind=" + std::string(1, config::Dial().kind) + ")");
  }
  if (!inv.json) {
    // The planar dials print their table page (which opens with the pole
    // style); the others their pole information.
    const std::vector<std::string> lines =
        listing->HasHourLineTable() ? listing->HourLineTablePage(listing->LongitudeCorrection())
                                    : listing->PoleStyleLines();
    for (const auto& line : lines) inv.out << line << '\n';
    return kExitOk;
  }
  JsonWriter json;
  json.BeginObject();
  for (const dials::ListingField& field : listing->Fields()) {
    std::visit(FieldWriter{json, field.key}, field.value);
  }
  json.EndObject();
  inv.out << json.Text() << '\n';
  return kExitOk;
}

}  // namespace

const Command& ListingCommand() {
  static const Command command{
      "listing",
      "listing [--settings FILE] [--set NAME=VALUE ...]",
      "prints the construction listing of the current dial: pole style and hour-line angles "
      "(planar dials), pole information (mean-time cone and biazimuthal dials)",
      {},
      &Run,
  };
  return command;
}

}  // namespace kelvra::cli

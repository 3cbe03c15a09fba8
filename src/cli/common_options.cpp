#include "cli/common_options.h"

#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {

const std::vector<OptionSpec>& CommonOptions() {
  static const std::vector<OptionSpec> kOptions = {
      {"--lat", "DEG", "latitude in degrees, north positive (-90..90)"},
      {"--lon", "DEG", "longitude in degrees, WEST positive (-180..180)"},
      {"--zone", "DEG", "zone meridian in degrees, west positive; CET is -15 (-180..180)"},
      {"--year", "Y", "reference year (1300..2500)"},
      {"--lang", "de|en", "language of the output"},
      {"--json", "", "print the result as one JSON object"},
      {"--help", "", "show this help"},
  };
  return kOptions;
}

void ApplyCommonOptions(const ParsedArgs& args) {
  auto& site = shell::State().site;
  if (auto v = args.Real("--lat", -90, 90)) site.latitude = *v;
  if (auto v = args.Real("--lon", -180, 180)) site.longitude = *v;
  if (auto v = args.Real("--zone", -180, 180)) site.zoneMeridian = *v;
  if (auto v = args.Integer("--year", 1300, 2500)) site.year = *v;
  if (auto v = args.Choice("--lang", {"de", "en"})) shell::SelectLanguage(*v == "de");
}

}  // namespace kelvra::cli

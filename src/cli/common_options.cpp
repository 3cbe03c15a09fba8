#include "cli/common_options.h"

#include <filesystem>
#include <string>

#include "astro/solar_ephemeris.h"
#include "config/dial_fields.h"
#include "config/dial_kinds.h"
#include "persist/settings_file.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "shell/startup.h"

namespace kelvra::cli {

const std::vector<OptionSpec>& CommonOptions() {
  static const std::vector<OptionSpec> kOptions = {
      {"--settings", "FILE", "start from this settings or dial data file instead of kel.ini"},
      {"--set", "NAME=VALUE", "set one field by name (repeatable; 'kelvra settings show' lists them)",
       true},
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

std::string DefaultSettingsFile() {
  return shell::SettingsFolder(shell::ProcessEnvironment(), shell::ExecutableFolder()) + "kel.ini";
}

namespace {

void ReadSettingsFile(const std::string& file, bool required) {
  namespace fs = std::filesystem;
  auto& general = shell::State().general;
  std::error_code ec;
  if (!fs::exists(file, ec)) {
    if (required) throw SettingsFileError("settings file " + file + " not found");
    return;
  }
  general.settingsFile = file;
  const auto result = persist::ReadSettings(file, true, true);
  if (result.outcome == persist::ReadResult::Outcome::Missing) {
    throw SettingsFileError("settings file " + file + " cannot be read: " + result.reason);
  }
  if (result.outcome != persist::ReadResult::Outcome::Read) {
    throw SettingsFileError("settings file " + file + " is damaged (line " +
                            std::to_string(result.stopLine) + "); nothing was written");
  }
}

}  // namespace

void ApplyCommonOptions(const ParsedArgs& args) {
  // "settings check FILE" examines a file itself, also a damaged kel.ini of
  // the settings folder, so that one is not read first.
  const auto& positional = args.Positional();
  const bool checking = positional.size() == 2 && positional[0] == "check";
  if (auto file = args.Value("--settings")) {
    ReadSettingsFile(*file, true);
  } else if (!checking) {
    ReadSettingsFile(DefaultSettingsFile(), false);
  }
  auto& general = shell::State().general;
  if (general.ownDateLines.empty()) general.ownDateLines = shell::DefaultOwnDateLines();
  auto& site = shell::State().site;
  if (auto v = args.Real("--lat", -90, 90)) site.latitude = *v;
  if (auto v = args.Real("--lon", -180, 180)) site.longitude = *v;
  if (auto v = args.Real("--zone", -180, 180)) site.zoneMeridian = *v;
  if (auto v = args.Integer("--year", 1300, 2500)) site.year = *v;
  const auto refs = config::CurrentFieldRefs();
  bool gnomonGiven = false;
  for (const auto& assignment : args.Values("--set")) {
    const auto eq = assignment.find('=');
    if (eq == std::string::npos) {
      throw UsageError("--set " + assignment + ": expected NAME=VALUE");
    }
    gnomonGiven = gnomonGiven || assignment.substr(0, eq) == "habermelGnomon";
    if (auto error = config::SetFieldByName(assignment.substr(0, eq), assignment.substr(eq + 1), refs)) {
      throw UsageError("--set " + *error);
    }
  }
  auto& dial = *refs.dial;
  if (dial.umbrella) {
    if (!config::IsPlaneLetter(dial.kind)) {
      throw UsageError("--set umbrella=true: the umbrella dial needs kind h, i or v (kind=" +
                       std::string(1, dial.kind) + ")");
    }
    dial.umbrellaPlane = dial.kind;  // the plane chosen for the umbrella dial
  }
  // The Habermel gnomon follows from the diameter as the settings reader and
  // the parameter dialog derive it, unless it was set by hand.
  if (!gnomonGiven && (dial.altitudeVariant == 1 || dial.altitudeVariant == 2)) {
    config::DeriveHabermelGnomon(dial, site.latitude,
                                 astro::ComputeZodiacDeclinations(site.year).roundedObliquity);
  }
  if (auto v = args.Choice("--lang", {"de", "en"})) {
    shell::SelectLanguage(*v == "de");
  } else {
    shell::SelectLanguage(shell::State().general.language != 2);
  }
}

}  // namespace kelvra::cli

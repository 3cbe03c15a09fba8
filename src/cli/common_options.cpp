#include "cli/common_options.h"

#include <filesystem>
#include <ostream>
#include <string>

#include "astro/solar_ephemeris.h"
#include "config/dial_fields.h"
#include "config/dial_kinds.h"
#include "persist/settings_file.h"
#include "shell/catalog.h"
#include "shell/messages.h"
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
      {"--verbose", "", "also print the questions a window would ask, with the answer (no)"},
      {"--help", "", "show this help"},
  };
  return kOptions;
}

std::string DefaultSettingsFile() {
  return shell::SettingsFolder(shell::ProcessEnvironment(), shell::ExecutableFolder()) + "kel.ini";
}

namespace {

// Takes the reader's boxes without showing them: the caller lists the
// problems itself, one line each. Every question is answered no, so nothing
// is written.
class DecliningSink final : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind, std::string_view,
                            shell::MessageButtons buttons) override {
    return buttons == shell::MessageButtons::Ok ? shell::MessageAnswer::Ok
           : buttons == shell::MessageButtons::YesNo ? shell::MessageAnswer::No
                                                     : shell::MessageAnswer::Cancel;
  }
};

void ReadSettingsFile(const std::string& file, bool required, std::ostream& err,
                      std::string_view prefix) {
  namespace fs = std::filesystem;
  auto& general = shell::State().general;
  std::error_code ec;
  if (!fs::exists(file, ec)) {
    if (required) throw SettingsFileError("settings file " + file + " not found");
    return;
  }
  general.settingsFile = file;
  const auto result = ReadSettingsQuietly(file);
  if (result.outcome == persist::ReadResult::Outcome::Missing) {
    throw SettingsFileError("settings file " + file + " cannot be read: " + result.reason);
  }
  if (result.outcome != persist::ReadResult::Outcome::Read) {
    // The problem that stopped the reader is the error line; only the ones
    // before it are listed here.
    const std::string line = result.stopLine > 0 ? " (line " + std::to_string(result.stopLine) + ")" : "";
    for (const auto& p : result.problems) {
      if (!p.stop) err << ProblemLine(prefix, file, p) << '\n';
    }
    throw SettingsFileError("settings file " + file + " is damaged" + line +
                            "; the command was not run and nothing was written "
                            "('kelvra settings check " + file + "' lists every problem)");
  }
  // The reader went on with a default for each of these.
  for (const auto& p : result.problems) err << ProblemLine(prefix, file, p) << '\n';
}

}  // namespace

persist::ReadResult ReadSettingsQuietly(const std::string& file) {
  DecliningSink sink;
  shell::ScopedMessageSink scoped(sink);
  return persist::ReadSettings(file, true, true);
}

std::string ProblemLine(std::string_view prefix, const std::string& file,
                        const persist::ReadProblem& p) {
  if (p.line == 0 && p.text.empty() && p.fallback.empty() && p.stop) {
    return std::string(prefix) + file +
           ": the sections [Farben], [Zeiten], [Datumslinien] are missing or out of order; "
           "everything falls back to the defaults";
  }
  return std::string(prefix) + file + ": line " + std::to_string(p.line) + ": \"" + p.text +
         "\" -> " + (p.fallback.empty() ? std::string("unchanged") : p.fallback) +
         (p.stop ? " (reading stops here)" : "");
}

void ApplyCommonOptions(const ParsedArgs& args, std::ostream& err, std::string_view prefix) {
  // "settings check FILE" examines a file itself, also a damaged kel.ini of
  // the settings folder, so that one is not read first.
  const auto& positional = args.Positional();
  const bool checking = positional.size() == 2 && positional[0] == "check";
  if (auto file = args.Value("--settings")) {
    ReadSettingsFile(*file, true, err, prefix);
  } else if (!checking) {
    ReadSettingsFile(DefaultSettingsFile(), false, err, prefix);
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

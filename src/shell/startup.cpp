#include "shell/startup.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include "shell/catalog.h"

namespace kelvra::shell {
namespace {

StartupHooks& Hooks() {
  static StartupHooks hooks;
  return hooks;
}

std::string TwoBlanksAnd(int n) { return "  " + std::to_string(n); }

SharedTextLists BuildTextLists() {
  SharedTextLists lists;
  for (int h = 0; h <= 24; ++h) {
    lists.hourLabels24.push_back(TwoBlanksAnd(h));
    lists.clockHours.push_back(" " + std::to_string(h) + "  Uhr");
  }
  for (int h = 0; h <= 12; ++h) lists.hourLabels12.push_back(TwoBlanksAnd(h));
  lists.intervals = {" 60 min", " 30 min", " 20 min", " 15 min", " 10 min"};
  return lists;
}

bool NonEmpty(const std::optional<std::string>& value) { return value && !value->empty(); }

}  // namespace

const SharedTextLists& TextLists() {
  static const SharedTextLists lists = BuildTextLists();
  return lists;
}

void SetStartupHooks(StartupHooks hooks) { Hooks() = std::move(hooks); }
const StartupHooks& CurrentStartupHooks() { return Hooks(); }

SiteSettings DefaultSite() {
  SiteSettings site;
  site.latitude = 47.251315;
  site.longitude = -9.590825;
  site.zoneMeridian = -15.0;
  site.year = 2020;
  return site;
}

void ResetToStartupDefaults() {
  SharedState& state = State();
  state.site = DefaultSite();
  if (Hooks().resetDialParameters) Hooks().resetDialParameters();
  state.colors = ColorSet{};
  state.colors.lineWidth = 1;
  state.general.showHints = false;
  TextLists();
  if (Hooks().loadStartupTables) Hooks().loadStartupTables();
}

void LoadStandardValues() {
  State().site = DefaultSite();
  if (Hooks().resetDialParameters) Hooks().resetDialParameters();
}

EnvironmentLookup ProcessEnvironment() {
  return [](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  };
}

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder;
}

std::string SettingsFolder(const EnvironmentLookup& environment, std::string_view programFolder) {
  if (auto home = environment("KELVRA_HOME"); NonEmpty(home))
    return WithTrailingSeparator(*home);

  std::string program = programFolder.empty() ? std::string("./")
                                              : WithTrailingSeparator(std::string(programFolder));
  std::error_code ec;
  if (std::filesystem::is_regular_file(std::filesystem::path(program + "kel.ini"), ec))
    return program;

  // The XDG rule: a relative XDG_CONFIG_HOME is invalid and ignored.
  if (auto xdg = environment("XDG_CONFIG_HOME"); NonEmpty(xdg) && xdg->front() == '/')
    return WithTrailingSeparator(*xdg) + "kelvra/";
  if (auto home = environment("HOME"); NonEmpty(home))
    return WithTrailingSeparator(*home) + ".config/kelvra/";
  return program;
}

std::string ExecutableFolder(std::string_view argv0) {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::filesystem::path folder;
  if (!ec && !exe.empty()) {
    folder = exe.parent_path();
  } else if (!argv0.empty()) {
    folder = std::filesystem::absolute(std::filesystem::path(argv0), ec).parent_path();
  }
  if (folder.empty()) folder = std::filesystem::current_path(ec);
  return WithTrailingSeparator(folder.string());
}

CalendarDate SystemToday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void ApplyMainWindowDefaults(std::string_view programFolder, const EnvironmentLookup& environment,
                             CalendarDate today) {
  SharedState& state = State();
  state.general.programFolder = WithTrailingSeparator(std::string(programFolder));
  state.general.settingsFile = SettingsFolder(environment, state.general.programFolder) + "kel.ini";
  state.colors.colors = kDefaultColors;
  state.site.year = today.year;
  state.general.today = today;
  state.general.timeOfDay = 0.5;
  state.general.azimuthInput = 0.0;
  SelectLanguage(true);
}

void AfterSettingsRead() {
  GeneralState& general = State().general;
  general.twilightKind = 2;
  if (general.ownDateLines.empty()) general.ownDateLines = DefaultOwnDateLines();
  SelectLanguage(general.languageIsGerman);
}

}  // namespace kelvra::shell

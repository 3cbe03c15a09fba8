#include "calc/horizon/horizon_session.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/astro.h"
#include "texts/horizon.h"
#include "texts/output.h"

namespace kelvra::calc {

namespace {

using shell::Get;
using shell::MessageAnswer;
using shell::MessageButtons;
using shell::MessageKind;
using shell::ShowMessage;

constexpr const char* kHeaderExamples[6] = {
    "ncols 3601", "nrows 3601", "xllcorner 8.999861", "yllcorner 46.999861",
    "cellsize 0.000278", "NODATA_value -32768",
};

std::string Count(long long n, int width) {
  return shell::FormatReal(width, 0, static_cast<double>(n));
}

bool Differs(double a, double b) { return std::fabs(a - b) > 1e-9; }

}  // namespace

// ---- texts --------------------------------------------------------------------

std::string ProfileFaultText(const ProfileReadResult& r) {
  const std::string line = Get(texts::horizon::kLine) + std::to_string(r.line);
  switch (r.fault) {
    case ProfileFault::None:
    case ProfileFault::Missing: return {};
    case ProfileFault::CannotRead:
      return Get(texts::horizon::kCannotRead) + r.text;
    case ProfileFault::TooLarge:
      return Get(texts::horizon::kProfileTooLarge);
    case ProfileFault::BadLatitude:
      return line + Get(texts::horizon::kNoLatitude);
    case ProfileFault::BadLongitude:
      return line + Get(texts::horizon::kNoLongitude);
    case ProfileFault::NoStart:
      return Get(texts::horizon::kNoStart);
    case ProfileFault::TooFewPoints:
      return Get(texts::horizon::kOnlyPoints) + std::to_string(r.count) +
             Get(texts::horizon::kOf720);
    case ProfileFault::BadNumber:
      return line + Get(texts::horizon::kNotANumber) + "\"" + r.text + "\"";
    case ProfileFault::WrongAzimuth:
      return line + Get(texts::horizon::kWrongAzimuth) + "\"" + r.text + "\"";
    case ProfileFault::OutOfRange:
      return line + Get(texts::horizon::kOutOfRange) + "\"" + r.text + "\"";
  }
  return {};
}

std::string GridFaultText(const GridReadResult& r) {
  const std::string row = Get(texts::horizon::kDataRow) + std::to_string(r.line);
  const int header = std::clamp(r.line, 1, 6) - 1;
  switch (r.fault) {
    case GridFault::None: return {};
    case GridFault::CannotRead:
      return Get(texts::horizon::kCannotRead) + r.text;
    case GridFault::TooLarge:
      return Get(texts::horizon::kGridTooLarge);
    case GridFault::HeaderLine:
      return Get(texts::horizon::kHeaderLine) + std::to_string(r.line) +
             Get(texts::horizon::kHeaderWrong) + kHeaderExamples[header] +
             (r.text.empty() ? "" : "  (\"" + r.text + "\")");
    case GridFault::HeaderValue:
      return Get(texts::horizon::kHeaderLine) + std::to_string(r.line) +
             Get(texts::horizon::kHeaderImpossible) + kHeaderExamples[header];
    case GridFault::RowLength:
      if (r.count < 0) return Get(texts::horizon::kDataRow) + Get(texts::horizon::kRowTooLong);
      return row + Get(texts::horizon::kThereWere) + Count(r.count, 6) +
             Get(texts::horizon::kValuesInsteadOf) + Count(r.expected, 4);
    case GridFault::NotANumber:
      return row + Get(texts::horizon::kValue) + std::to_string(r.column) +
             Get(texts::horizon::kIsNoNumber) + "\"" + r.text + "\"";
    case GridFault::HeightRange:
      return row + Get(texts::horizon::kValue) + std::to_string(r.column) +
             Get(texts::horizon::kHeightRange) + "\"" + r.text + "\"";
    case GridFault::RowCount:
      return Get(texts::horizon::kFileHas) + std::to_string(r.count) +
             Get(texts::horizon::kRowsInsteadOf) + std::to_string(r.expected);
    case GridFault::Cancelled:
      return Get(texts::horizon::kStopped);
  }
  return {};
}

std::string DirectionNames(unsigned directions) {
  std::vector<std::string> names;
  for (int k = 0; k < 8; ++k) {
    if (directions & (1u << k)) names.push_back(Get(texts::horizon::kDirectionNames[k]));
  }
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? Get(texts::horizon::kAnd) : ", ";
    text += names[i];
  }
  return text;
}

// ---- profile files ------------------------------------------------------------

void TakeHorizonProfile(const HorizonProfileFile& file, const std::string& fileName) {
  HorizonProfileState& state = Horizon();
  state.profile = file.profile;
  state.latitude = file.latitude;
  state.longitude = file.longitude;
  state.description = file.description;
  state.fileName = fileName;
  state.horizonProfileLoaded = true;
  config::Dial().horizonProfile = true;
  shell::SiteSettings& site = shell::State().site;
  if (Differs(site.latitude, file.latitude) || Differs(site.longitude, file.longitude)) {
    ShowMessage(MessageKind::Information, Get(texts::horizon::kSiteTakenOver));
    site.latitude = file.latitude;
    site.longitude = file.longitude;
  }
}

ProfileLoad LoadHorizonProfile(const std::string& path, bool* chooseAgain) {
  if (chooseAgain) *chooseAgain = false;
  const ProfileReadResult r = ReadHorizonProfileFile(path);
  if (r.fault == ProfileFault::Missing) {
    const MessageAnswer a = ShowMessage(MessageKind::Question,
                                        path + " : \n" + Get(texts::horizon::kFileMissing) + "\n" +
                                            Get(texts::horizon::kCancelQuestion),
                                        MessageButtons::YesNo);
    if (chooseAgain) *chooseAgain = a == MessageAnswer::No;
    return ProfileLoad::Missing;
  }
  if (!r.ok()) {
    ShowMessage(MessageKind::Error,
                Get(texts::astro::kAzimuthNoSolution) + "1\n" + path + "\n" + ProfileFaultText(r));
    return ProfileLoad::Failed;
  }
  TakeHorizonProfile(r.file, path);
  return ProfileLoad::Loaded;
}

bool SaveHorizonProfile(const std::string& path) {
  const HorizonProfileState& state = Horizon();
  HorizonProfileFile file;
  file.latitude = state.latitude;
  file.longitude = state.longitude;
  file.description = state.description;
  file.profile = state.profile;
  if (!WriteHorizonProfileFile(path, file)) {
    ShowMessage(MessageKind::Error, Get(texts::horizon::kSaveError) + path);
    return false;
  }
  Horizon().fileName = path;
  ShowMessage(MessageKind::Information, path + Get(texts::output::kSaved));
  return true;
}

bool AskToLoadHorizonProfile() {
  return ShowMessage(
             MessageKind::Question,
             Get(texts::horizon::kNoProfileWasLoaded) + "\r\n" + Get(texts::horizon::kLoadExisting),
             MessageButtons::YesNo) == MessageAnswer::Yes;
}

// ---- computing ----------------------------------------------------------------

void ShowComputationFailed(const std::string& path, const std::string& detail) {
  std::string text = Get(texts::astro::kAzimuthNoSolution) + "0";
  if (!path.empty()) text += "\n" + path;
  if (!detail.empty()) text += "\n" + detail;
  ShowMessage(MessageKind::Error, text);
}

bool AskComputeOutsideGrid() {
  return ShowMessage(MessageKind::Question,
                     Get(texts::horizon::kCentreOutside) + "\n" + Get(texts::horizon::kLoadLater) +
                         "\n" + Get(texts::horizon::kComputeAnyway),
                     MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool AskLoadMissing(unsigned directions) {
  return ShowMessage(MessageKind::Question,
                     Get(texts::horizon::kLoadMissingHead) + DirectionNames(directions) +
                         Get(texts::horizon::kLoadMissingTail),
                     MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool ReportFurtherTile(TileCheck check) {
  switch (check) {
    case TileCheck::Adjoins: return true;
    case TileCheck::OtherCellSize:
      ShowMessage(MessageKind::Error, Get(texts::horizon::kOtherCellSize));
      return false;
    case TileCheck::NotAdjoining:
      ShowMessage(MessageKind::Error,
                  Get(texts::horizon::kWrongFile) + Get(texts::horizon::kFalse));
      return false;
  }
  return false;
}

TileStep ReadAndAddTile(const std::string& path, const HorizonSite& site,
                        std::unique_ptr<HorizonAccumulator>& accumulator,
                        const TaskControl& control) {
  TileStep step;
  ElevationGrid grid;
  TaskControl reading{control.cancel, [&](double f) { control.Report(f * kReadShare); }};
  step.read = ReadElevationGrid(path, grid, reading);
  if (!step.read.ok()) {
    step.cancelled = step.read.fault == GridFault::Cancelled;
    return step;
  }
  if (!accumulator) {
    const std::optional<int> ground = GroundHeightAt(grid, site);
    step.groundKnown = ground.has_value();
    accumulator = std::make_unique<HorizonAccumulator>(site, ground.value_or(0));
  }
  TaskControl adding{control.cancel,
                     [&](double f) { control.Report(kReadShare + f * (1 - kReadShare)); }};
  if (!accumulator->Add(grid, adding)) {
    step.cancelled = true;
    step.read.fault = GridFault::Cancelled;
  }
  return step;
}

HorizonProfileFile ComputedProfileFile(const HorizonAccumulator& accumulator) {
  HorizonProfileFile file;
  file.latitude = accumulator.Site().latitude;
  file.longitude = accumulator.Site().longitude;
  file.description = ComputedProfileDescription(
      accumulator.GroundHeight(), accumulator.Site().platformHeight,
      accumulator.Site().minimumDistance);
  file.profile = accumulator.Profile();
  return file;
}

void ShowProfileComputed(int groundHeight) {
  ShowMessage(MessageKind::Information, Get(texts::horizon::kComputed) + "\n" +
                                            Get(texts::horizon::kSiteHeight) +
                                            std::to_string(groundHeight));
}

ComputedHorizon ComputeHorizonProfile(const HorizonSite& site,
                                      const std::vector<std::string>& gridFiles,
                                      const TaskControl& control) {
  ComputedHorizon out;
  if (gridFiles.empty()) return out;
  // The headers first: which tile holds the site, do the others fit to it.
  std::vector<GridHeader> headers(gridFiles.size());
  std::vector<std::uintmax_t> sizes(gridFiles.size(), 1);
  for (std::size_t i = 0; i < gridFiles.size(); ++i) {
    const GridReadResult r = ReadGridHeader(gridFiles[i], headers[i]);
    if (!r.ok()) {
      ShowComputationFailed(gridFiles[i], GridFaultText(r));
      return out;
    }
    std::error_code ec;
    sizes[i] = std::max<std::uintmax_t>(std::filesystem::file_size(gridFiles[i], ec), 1);
  }
  // Of the tiles that hold the site, the one with a cell nearest to it gives
  // the ground height (on a shared edge, the tile that keeps the edge's row).
  const double lat = CentreLatitude(site.latitude);
  std::size_t first = gridFiles.size();
  double nearest = 0;
  for (std::size_t i = 0; i < headers.size(); ++i) {
    const GridHeader& h = headers[i];
    for (double shift : {-360.0, 0.0, 360.0}) {
      const double lon = -site.longitude + shift;
      if (!h.Contains(lat, lon)) continue;
      const int row = std::clamp(static_cast<int>(std::lround((h.North() - lat) / h.cellSize)) - 1,
                                 0, h.KeptRows() - 1);
      const int column = std::clamp(static_cast<int>(std::lround((lon - h.west) / h.cellSize)), 0,
                                    h.columns - 1);
      const double off = std::hypot(h.RowLatitude(row) - lat, h.ColumnLongitude(column) - lon);
      if (first == gridFiles.size() || off < nearest - 1e-12) {
        first = i;
        nearest = off;
      }
    }
  }
  if (first == gridFiles.size()) {
    if (!AskComputeOutsideGrid()) {
      out.status = ComputeStatus::Declined;
      return out;
    }
    first = 0;
  }
  std::vector<std::size_t> order{first};
  for (std::size_t i = 0; i < gridFiles.size(); ++i) {
    if (i == first) continue;
    if (!ReportFurtherTile(CheckFurtherTile(headers[first], headers[i]))) {
      ShowComputationFailed(gridFiles[i], {});
      return out;
    }
    order.push_back(i);
  }
  std::uintmax_t total = 0;
  for (auto s : sizes) total += s;

  std::unique_ptr<HorizonAccumulator> accumulator;
  std::uintmax_t done = 0;
  double reported = 0;
  for (std::size_t i : order) {
    const double base = static_cast<double>(done) / static_cast<double>(total);
    const double share = static_cast<double>(sizes[i]) / static_cast<double>(total);
    TaskControl part{control.cancel, [&](double f) {
                       reported = std::max(reported, base + f * share);
                       control.Report(reported);
                     }};
    const bool firstTile = !accumulator;
    const TileStep step = ReadAndAddTile(gridFiles[i], site, accumulator, part);
    if (step.cancelled) {
      out.status = ComputeStatus::Cancelled;
      return out;
    }
    if (!step.read.ok()) {
      ShowComputationFailed(gridFiles[i], GridFaultText(step.read));
      return out;
    }
    if (firstTile && !step.groundKnown)
      ShowMessage(MessageKind::Information, Get(texts::horizon::kGroundUnknown));
    done += sizes[i];
  }
  control.Report(1.0);
  out.status = ComputeStatus::Done;
  out.file = ComputedProfileFile(*accumulator);
  out.groundHeight = accumulator->GroundHeight();
  std::vector<GridHeader> loaded;
  for (std::size_t i : order) loaded.push_back(headers[i]);
  out.missing = MissingDirections(loaded, site);
  return out;
}

}  // namespace kelvra::calc

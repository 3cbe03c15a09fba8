// The horizon profile as the program uses it: loading and saving profile files
// with their messages, the steps and messages of a computation from elevation
// grids, and taking a profile as the program's (Horizon()). The windows and the
// command line share these; every box goes through the message sink.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/horizon/elevation_grid.h"
#include "calc/horizon/horizon_compute.h"
#include "calc/horizon/horizon_file.h"

namespace kelvra::calc {

// ---- profile files ------------------------------------------------------------

enum class ProfileLoad {
  Loaded,
  Missing,  // no such file; the user was asked (see `chooseAgain`)
  Failed,   // unreadable or damaged; the message was shown
};

// Reads a profile file and takes it as the program's profile: sets the display
// switch (DialParameters::horizonProfile) and horizonProfileLoaded; when the
// file's latitude or longitude differs from the site, says so and moves the
// site there. A missing file asks whether to stop ("Abbrechen ?"): No sets
// `chooseAgain`. On any failure the previous profile stays as it was.
ProfileLoad LoadHorizonProfile(const std::string& path, bool* chooseAgain = nullptr);

// Writes the program's profile to `path` (through a temporary file) and says
// " gespeichert!" or "Save error: File  ". True when written.
bool SaveHorizonProfile(const std::string& path);

// Asks whether to load a profile because none is loaded ("Es wurde kein
// Horizontprofil geladen!"); true for Yes.
bool AskToLoadHorizonProfile();

// What is wrong with a profile file or a grid, in the current language.
std::string ProfileFaultText(const ProfileReadResult& result);
std::string GridFaultText(const GridReadResult& result);

// ---- computing ----------------------------------------------------------------

// Shows "Die Aufgabe kann nicht gelöst werden!0" with the file name and `detail`.
void ShowComputationFailed(const std::string& path, const std::string& detail);

// The question when the centre lies on none of the tiles; true for Yes.
bool AskComputeOutsideGrid();

// The names of the directions in `directions` (bits of HorizonDirection),
// joined in the current language.
std::string DirectionNames(unsigned directions);

// The question whether to load the missing data of those directions.
bool AskLoadMissing(unsigned directions);

// The message for a further tile that does not fit (other cell size, not
// adjoining). True when it fits.
bool ReportFurtherTile(TileCheck check);

// One tile of a computation: read it, and for the first tile take the ground
// height and start the accumulator, then add its cells. Runs on a worker
// thread: no messages. Progress: reading up to kReadShare, then the cells.
struct TileStep {
  GridReadResult read;               // the fault of reading, or Cancelled
  bool groundKnown = true;           // the first tile gave the site's height
  bool cancelled = false;
};
inline constexpr double kReadShare = 0.6;
TileStep ReadAndAddTile(const std::string& path, const HorizonSite& site,
                        std::unique_ptr<HorizonAccumulator>& accumulator,
                        const TaskControl& control);

// The profile file record of a finished computation.
HorizonProfileFile ComputedProfileFile(const HorizonAccumulator& accumulator);

// "Horizontprofil erstellt! " and "Standorthöhe=" with the ground height.
void ShowProfileComputed(int groundHeight);

// Makes `file` the program's profile (as a loaded file is): the display
// switch, horizonProfileLoaded, and the site moved to the profile's centre
// with the message when it differs.
void TakeHorizonProfile(const HorizonProfileFile& file, const std::string& fileName);

// The whole computation from a list of grid files, for the command line: the
// tile holding the site is taken first, the others must adjoin it. Messages
// for every fault.
enum class ComputeStatus { Done, Failed, Declined, Cancelled };
struct ComputedHorizon {
  ComputeStatus status = ComputeStatus::Failed;
  HorizonProfileFile file;
  int groundHeight = 0;
  unsigned missing = 0;  // directions the search radius reaches beyond the tiles
};
ComputedHorizon ComputeHorizonProfile(const HorizonSite& site,
                                      const std::vector<std::string>& gridFiles,
                                      const TaskControl& control = {});

}  // namespace kelvra::calc

// The ham dial's marked hour points as a file (".ham", default "schink.ham"):
// Windows text (CR LF), the line "[Schinkensonnenuhr]", then one line per
// mark, "x;y" in mm from the centre of the pointer's circle, x to the right
// and y upwards, each as FormatReal(9, 3). At most ten marks. Empty lines are
// ignored when reading.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dials/ham/ham_aid.h"
#include "shell/safe_save.h"

namespace kelvra::dials::ham {

inline constexpr const char* kHamFileHeader = "[Schinkensonnenuhr]";
inline constexpr const char* kDefaultHamFileName = "schink.ham";
inline constexpr double kHamMarkLimit = 10000;  // mm, either coordinate

std::vector<std::string> HamFileLines(const HamMarks& marks);

// Saves through the safe-save path: an old file stays as it was on failure.
shell::SaveResult SaveHamFile(const std::string& path, const HamMarks& marks);

// The marks of a file, or the problem in the current language (the line and
// what is wrong, or that the file cannot be read).
struct HamFileRead {
  std::optional<HamMarks> marks;
  std::string problem;
};
HamFileRead ReadHamFile(const std::string& path);
// The same for the file's lines (without line ends).
HamFileRead ReadHamLines(const std::vector<std::string>& lines);

}  // namespace kelvra::dials::ham

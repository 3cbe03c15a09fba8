// The HPGL-to-DXF converter: a small HPGL interpreter (pen, current point,
// absolute or relative coordinates, input window that clips lines, text state,
// line type) that writes an ASCII DXF drawing with millimetre coordinates.
//
// Every DXF export of a drawing goes through it: the plot writer writes the
// construction (at PlotScale 25 for the scaled kinds) into a temporary file,
// and this converter turns that file into the user's DXF file.
//
// The DXF is written in Windows-1252 with CR LF line ends. Labels that are
// valid UTF-8 are converted to Windows-1252 (other bytes are taken as
// Windows-1252 already); control characters in labels become blanks.
// The output goes to a temporary file in the target folder that replaces the
// target only when it is complete, so a failed conversion never leaves a
// half-written drawing under the user's name. Memory use does not depend on
// the size of the plot file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvra::output {

enum class DxfConversionStatus {
  Converted,         // the DXF file was written
  InputUnreadable,   // the plot file could not be opened or read, or is no regular file
  SameFile,          // plot file and DXF file are the same file; nothing written
  NotHpgl,           // the plot file holds no letter at all; nothing written
  NothingConverted,  // no drawing or pen command; no DXF file was left
  OutputFailed,      // the DXF file could not be created or written
};

struct DxfConversionResult {
  DxfConversionStatus status = DxfConversionStatus::InputUnreadable;
  // Diagnostic lines collected during the conversion (unsupported commands,
  // unreadable numbers, ...), in German as the program stores them. At most
  // kMaxDxfNotes lines; further ones are counted in omittedNotes.
  std::vector<std::string> notes;
  long long omittedNotes = 0;
  long long vertices = 0;  // VERTEX entities written
  bool ok() const { return status == DxfConversionStatus::Converted; }
};

inline constexpr std::size_t kMaxDxfNotes = 1000;

// Converts the plot file `hpglFile` into the DXF file `dxfFile`.
// lineStrength 1..3 gives the initial polyline width (6 x lineStrength - 6) /
// divisor; divisor is plot units per millimetre (40, or 1000 for the files
// written at PlotScale 25); a divisor that is not positive counts as 1.
// Reports the outcome in a message box (shell::ShowMessage): the information
// "File ... saved!" on success, a warning or error otherwise; an over-long
// command shows one error box (later ones only become notes).
DxfConversionResult ConvertHpglToDxf(const std::filesystem::path& hpglFile,
                                     const std::filesystem::path& dxfFile,
                                     int lineStrength, double divisor);

}  // namespace kelvra::output

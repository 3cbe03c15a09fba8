// Saving a drawing as a plot file or as a DXF drawing: the steps the drawing
// window's save command (and `kelvra draw`) run around a family's plot writer.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "output/hpgl_to_dxf.h"
#include "output/hpgl_writer.h"

namespace kelvra::output {

// Writes header, construction and trailer of one drawing into `writer`.
using PlotWriterFunction = std::function<void(HpglWriter& writer)>;

// The name of the intermediate plot file of a DXF export, in the folder of
// the chosen DXF file.
inline constexpr const char* kDxfIntermediateName = "kelvra.$$$";

// Writes the plot file `file` (PlotScale 1) with `write`, then shows the
// information "File <name> saved!" (name without folder). False, with an
// error box, when the file cannot be created or written.
bool SavePlotFile(const std::filesystem::path& file, int lineStrength,
                  const PlotWriterFunction& write);

// A DXF export: `write` fills "kelvra.$$$" in the folder of `dxfFile` (an
// existing one is deleted first) at scale.plotScale, the converter turns it
// into `dxfFile` with scale.divisor, and "kelvra.$$$" is deleted.
DxfConversionResult ExportDxf(const std::filesystem::path& dxfFile, DxfScale scale,
                              int lineStrength, const PlotWriterFunction& write);

// Texts of the grid question and its input box, in the current language.
std::string GridQuestionText();  // "Soll zusätzlich das Koordinatennetz gezeichnet werden?"
std::string GridInputTitle();    // "Koordinatennetz zeichnen"
std::string GridInputPrompt();   // "Grösse von 1 Längeneinheit (Default=10 [mm]) :"

}  // namespace kelvra::output

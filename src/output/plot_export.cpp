#include "output/plot_export.h"

#include <system_error>

#include "shell/catalog.h"
#include "shell/messages.h"
#include "texts/output.h"

namespace kelvra::output {

bool SavePlotFile(const std::filesystem::path& file, int lineStrength,
                  const PlotWriterFunction& write) {
  HpglWriter writer;
  writer.SetLineStrength(lineStrength);
  if (writer.Open(file)) write(writer);
  if (!writer.Close()) {
    // The old file of that name is untouched.
    shell::ShowMessage(
        shell::MessageKind::Error,
        file.string() + ":\n" + shell::Get(texts::output::kOpenError) + "\n" + writer.SaveError());
    return false;
  }
  shell::ShowMessage(shell::MessageKind::Information, "\n       File " + file.filename().string() +
                                                          shell::Get(texts::output::kPlotSaved));
  return true;
}

DxfConversionResult ExportDxf(const std::filesystem::path& dxfFile, DxfScale scale,
                              int lineStrength, const PlotWriterFunction& write) {
  const std::filesystem::path folder =
      dxfFile.has_parent_path() ? dxfFile.parent_path() : std::filesystem::path(".");
  const std::filesystem::path intermediate = folder / kDxfIntermediateName;
  std::error_code ec;
  std::filesystem::remove(intermediate, ec);

  DxfConversionResult result;
  {
    HpglWriter writer;
    writer.SetPlotScale(scale.plotScale);
    writer.SetLineStrength(lineStrength);
    if (writer.Open(intermediate)) write(writer);
    if (!writer.Close()) {
      // The message names the user's file: the intermediate plot file is
      // ours, and the folder (read-only, full) is the user's to mend.
      shell::ShowMessage(shell::MessageKind::Error, dxfFile.string() + ":\n" +
                                                        shell::Get(texts::output::kOpenError) +
                                                        "\n" + writer.SaveError());
      result.status = DxfConversionStatus::OutputFailed;
      return result;
    }
  }
  result = ConvertHpglToDxf(intermediate, dxfFile, lineStrength, scale.divisor);
  std::filesystem::remove(intermediate, ec);
  return result;
}

std::string GridQuestionText() { return shell::Get(texts::output::kGridQuestion); }
std::string GridInputTitle() { return shell::Get(texts::output::kGridTitle); }
std::string GridInputPrompt() { return shell::Get(texts::output::kGridPrompt); }

}  // namespace kelvra::output

#include "calc/graphs/graph_export.h"

#include <cmath>
#include <charconv>

#include "calc/graphs/eot_graph.h"
#include "calc/graphs/sun_path_draw.h"
#include "output/plot_export.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "texts/graphs.h"
#include "texts/output.h"

namespace kelvra::calc::graphs {

GraphKind SunPathKind(const GraphInputs& in) {
  return in.settings.diagramPolar ? GraphKind::PolarSunPath : GraphKind::CartesianSunPath;
}

std::string DrawGraph(output::PlotSink& sink, GraphKind kind, const GraphInputs& in) {
  const int W = sink.Width();
  const int H = sink.Height();
  const bool screen = sink.IsScreen();
  switch (kind) {
    case GraphKind::Eot:
      if (screen) {
        DrawEotGraph(sink, in, 0, 0, in.zoneTime, H, W);
      } else {
        DrawEotGraph(sink, in, 50, 50, in.zoneTime, H > W ? 1300 : 1450, W - 100);
      }
      return {};
    case GraphKind::PolarSunPath:
      return DrawPolarSunPath(sink, in, W, H).planeLightText;
    case GraphKind::CartesianSunPath:
      return screen ? DrawCartesianSunPath(sink, in, 0, 0, H, W).planeLightText
                    : DrawCartesianSunPath(sink, in, 50, 50, static_cast<int>(0.9 * H) - 100,
                                           W - 100)
                          .planeLightText;
  }
  return {};
}

void WriteGraphPlot(output::HpglWriter& writer, GraphKind kind, const GraphInputs& in,
                    const GraphPlotOptions& options) {
  switch (kind) {
    case GraphKind::Eot:
      WriteEotGraphPlot(writer, in, 100, 100, 2000, options.withLongitude, options.mirror,
                        options.yFactor, 1500);
      break;
    case GraphKind::PolarSunPath:
      WritePolarSunPathPlot(writer, in, 2900, 2000);
      break;
    case GraphKind::CartesianSunPath:
      WriteCartesianSunPathPlot(writer, in, 100, 100, 2900, 2000);
      break;
  }
}

bool SaveGraphFile(const std::filesystem::path& file, bool dxf, GraphKind kind,
                   const GraphInputs& in, const GraphPlotOptions& options, int lineStrength) {
  auto write = [&](output::HpglWriter& writer) { WriteGraphPlot(writer, kind, in, options); };
  if (dxf) return output::ExportDxf(file, kGraphDxfScale, lineStrength, write).ok();
  output::HpglWriter writer;
  writer.SetLineStrength(lineStrength);
  if (writer.Open(file)) write(writer);
  if (!writer.Close()) {
    // The old file of that name is untouched.
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(texts::graphs::kCannotSave) + "\n" +
                                                      file.string() + ":\n" + writer.SaveError());
    return false;
  }
  shell::ShowMessage(shell::MessageKind::Information,
                     "\r\n       File " + file.filename().string() +
                         shell::Get(texts::output::kPlotSaved));
  return true;
}

std::string ProposedGraphFileName(GraphKind kind, bool dxf) {
  if (kind == GraphKind::Eot) return dxf ? "Eot.dxf" : "EoT.plt";
  return dxf ? "Sonnenpositionen.dxf" : "Azi.plt";
}

std::optional<double> ReadYFactor(std::string_view text) {
  std::string s(text);
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  const auto a = s.find_first_not_of(' ');
  const auto b = s.find_last_not_of(' ');
  if (a == std::string::npos) return std::nullopt;
  // Locale-free: the point is the decimal separator whatever the system says.
  double value = 0;
  const char* first = s.data() + a;
  const char* last = s.data() + b + 1;
  if (*first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  if (value < kMinYFactor || value > kMaxYFactor) return std::nullopt;
  return value;
}

}  // namespace kelvra::calc::graphs

#include "dials/worldmap/map_overlay.h"

#include <filesystem>
#include <system_error>

#include "dials/worldmap/map_drawing.h"
#include "dials/worldmap/world_map.h"
#include "dials/worldmap/worldmap_texts.h"

namespace kelvra::dials::worldmap {

namespace {
constexpr int kCoastlineColour = 11;
constexpr int kBorderColour = 12;
}  // namespace

void DrawMapOverlay(output::PlotSink& sink, const MapOverlay& overlay, output::Point origin,
                    double pixelsPerMm, const shell::ColorSet& colors,
                    shell::MessageSink& messages) {
  if (!overlay.Any()) return;
  MapRequest request;
  request.projected = true;
  request.projection = overlay.projection;
  request.originX = origin.x;
  request.originY = origin.y;
  request.scale = overlay.gnomonMm * pixelsPerMm;
  request.pageWidth = sink.Width();
  request.pageHeight = sink.Height();
  const WorldMap& map = LoadWorldMap();
  if (overlay.coastlines) {
    request.part = MapPart::Coastlines;
    request.colour = colors.Color(kCoastlineColour);
    DrawMap(sink, request, map, messages);
  }
  if (overlay.borders) {
    request.part = MapPart::Borders;
    request.colour = colors.Color(kBorderColour);
    DrawMap(sink, request, map, messages);
  }
}

void PlotMapOverlay(output::HpglWriter& writer, const MapOverlay& overlay, double originX,
                    double originY, const std::string& dataFolder,
                    shell::MessageSink& messages) {
  if (!overlay.Any()) return;
  namespace fs = std::filesystem;
  const fs::path coastFile = fs::path(dataFolder) / std::string(kCoastlineFile);
  const fs::path borderFile = fs::path(dataFolder) / std::string(kBordersFile);
  std::error_code ec;
  bool coastlines = overlay.coastlines;
  if (coastlines && !fs::is_regular_file(coastFile, ec)) {
    messages.Show(shell::MessageKind::Information, CoastlineFileMissingMessage(),
                  shell::MessageButtons::Ok);
    coastlines = false;
  }
  const bool borders = overlay.borders;
  if (!coastlines && !borders) return;

  const int s = writer.PlotScale();
  MapRequest request;
  request.projected = true;
  request.projection = overlay.projection;
  request.originX = originX;
  request.originY = originY;
  request.scale = overlay.gnomonMm * output::kPlotUnitsPerMm * s;
  request.pageWidth = static_cast<double>(output::kPlotWindowWidth) * s;
  request.pageHeight = static_cast<double>(output::kPlotWindowHeight) * s;
  writer.PutMapHeader(coastlines ? kCoastlineColour : kBorderColour);
  if (coastlines) {
    request.part = MapPart::Coastlines;
    PlotMap(writer, coastFile, kCoastlineColour, request, messages);
  }
  if (borders) {
    request.part = MapPart::Borders;
    PlotMap(writer, borderFile, kBorderColour, request, messages);
  }
}

}  // namespace kelvra::dials::worldmap

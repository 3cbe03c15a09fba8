#include "cli/draw/cmd_draw.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "canvas/headless_gui.h"
#include "canvas/page_output.h"
#include "cli/json.h"
#include "config/dial_parameters.h"
#include "dials/planar/planar_canvas_renderer.h"
#include "dials/planar/planar_job.h"
#include "dials/planar/planar_plot_writer.h"
#include "output/drawing_view.h"
#include "output/hpgl_writer.h"
#include "output/plot_export.h"
#include "output/print_area.h"
#include "persist/text_file.h"
#include "shell/shared_state.h"

namespace kelvra::cli {

namespace {

enum class Format { Png, Jpeg, Svg, Pdf, Plot, Dxf };

Format FormatOf(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == ".png") return Format::Png;
  if (ext == ".jpg" || ext == ".jpeg") return Format::Jpeg;
  if (ext == ".svg") return Format::Svg;
  if (ext == ".pdf") return Format::Pdf;
  if (ext == ".plt") return Format::Plot;
  if (ext == ".dxf") return Format::Dxf;
  throw UsageError("-o: the file name must end in .png, .jpg, .svg, .pdf, .plt or .dxf (got '" +
                   path + "')");
}

void ParseSize(const std::string& text, int& width, int& height) {
  const auto x = text.find_first_of("xX");
  const auto w = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(0, x));
  const auto h = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(x + 1));
  if (!w || !h || *w < 100 || *w > 10000 || *h < 100 || *h > 10000) {
    throw UsageError("--size: expected WIDTHxHEIGHT in pixels, each 100..10000 (got '" + text +
                     "')");
  }
  width = *w;
  height = *h;
}

int Run(Invocation& inv) {
  if (!inv.args.Positional().empty()) {
    throw UsageError("unexpected '" + inv.args.Positional()[0] + "'; the file is given with -o");
  }
  std::string out = inv.args.Value("-o").value_or(inv.args.Value("--output").value_or(""));
  if (out.empty()) throw UsageError("-o FILE is required (.png, .jpg, .svg, .pdf, .plt or .dxf)");
  const Format format = FormatOf(out);
  int width = 1400, height = 990;
  if (auto s = inv.args.Value("--size")) ParseSize(*s, width, height);
  const int lineStrength = inv.args.Integer("--line-strength", 1, 3).value_or(1);
  const std::optional<int> grid = inv.args.Integer("--grid", 1, 1000);
  const std::optional<std::string> coordinates = inv.args.Value("--coordinates");
  if (coordinates && format != Format::Plot && format != Format::Dxf) {
    throw UsageError("--coordinates: the coordinate listing is written with a .plt or .dxf file");
  }
  const auto& dial = config::Dial();
  if (!dials::planar::IsPlanarDial(dial)) {
    throw UsageError("draws the planar dials: kind=h, kind=v or kind=i, also with umbrella=true "
                     "(now kind=" + std::string(1, dial.kind) + ")");
  }
  const char kind = dial.kind == 's' ? dial.umbrellaPlane : dial.kind;

  // The dial is traced once; messages it raises go to stderr.
  dials::planar::PlanarJob job;
  dials::planar::BuildPlanarJob(job);

  bool ok = true;
  std::string error;
  if (format == Format::Plot || format == Format::Dxf) {
    std::vector<std::string> listing;
    dials::planar::PlotPlacement placement;
    placement.gridMm = grid;
    const std::string shownName = std::filesystem::path(out).filename().string();
    auto write = [&](output::HpglWriter& w) {
      listing.clear();
      dials::planar::WritePlanarPlot(w, job.dial, placement, job.poleStyle,
                                     coordinates ? &listing : nullptr, shownName);
    };
    if (format == Format::Plot) {
      output::HpglWriter w;
      w.SetLineStrength(lineStrength);
      if (!w.Open(out)) {
        error = out + ": cannot be written";
        ok = false;
      } else {
        write(w);
        if (!w.Close()) {
          error = out + ": writing failed";
          ok = false;
        }
      }
    } else {
      const auto result =
          output::ExportDxf(out, output::DxfScaleFor(dial), lineStrength, write);
      if (!result.ok()) {
        error = out + ": the DXF file could not be made";
        ok = false;
      }
    }
    if (ok && coordinates && !persist::WriteTextLines(*coordinates, listing)) {
      error = *coordinates + ": cannot be written";
      ok = false;
    }
  } else {
    if (!canvas::EnsureGuiApplication()) {
      inv.err << "kelvra draw: no graphics available for pictures\n";
      return kExitFile;
    }
    output::Point origin, legend;
    dials::planar::DefaultPlanarPlacement(kind, shell::State().site.latitude, width, height,
                                          origin, legend);
    const auto& colors = shell::State().colors;
    const std::string& sunlit = job.table.sunlitLine;
    if (format == Format::Png || format == Format::Jpeg) {
      dials::planar::CanvasPlacement pl;
      pl.origin = origin;
      pl.legend = legend;
      pl.pixelsPerMm = output::PixelsPerMm(output::SinkKind::Screen, width, true);
      pl.grid = grid.has_value();
      ok = canvas::WritePicture(
          out, width, height,
          [&](output::PlotSink& sink) {
            dials::planar::RenderPlanarDial(sink, job.dial, pl, colors, sunlit);
          },
          &error);
    } else {
      // The printed page: true size, the picked positions carried over.
      auto draw = [&](output::PlotSink& sink) {
        dials::planar::CanvasPlacement pl;
        const output::Point page{sink.Width(), sink.Height()};
        pl.origin = output::CarryToPrinter(origin, page, width, height, kind);
        pl.legend = output::CarryToPrinter(legend, page, width, height, kind);
        pl.pixelsPerMm = output::PixelsPerMm(output::SinkKind::Printer, sink.Width(), true);
        pl.grid = grid.has_value();
        pl.printAreaLeft = output::CurrentPrintArea().left;
        pl.printAreaTop = output::CurrentPrintArea().top;
        dials::planar::RenderPlanarDial(sink, job.dial, pl, colors, sunlit);
      };
      ok = format == Format::Pdf ? canvas::WritePdfPage(out, draw, &error)
                                 : canvas::WriteSvgPage(out, draw, &error);
    }
  }
  if (!ok) {
    inv.err << "kelvra draw: " << error << '\n';
    return kExitFile;
  }
  if (inv.json) {
    JsonWriter json;
    json.BeginObject().Field("output", out).Field("kind", std::string(1, kind)).Field("written", true);
    if (coordinates) json.Field("coordinates", *coordinates);
    json.EndObject();
    inv.out << json.Text() << '\n';
  }
  return kExitOk;
}

}  // namespace

const Command& DrawCommand() {
  static const Command command{
      "draw",
      "draw -o OUT.png|.jpg|.svg|.pdf|.plt|.dxf [--size WxH] [--grid MM] [--line-strength 1..3] "
      "[--coordinates FILE.txt]",
      "draws the current planar dial into a picture, page, plot or DXF file",
      {
          {"-o", "FILE", "output file; the extension chooses the format"},
          {"--output", "FILE", "the same as -o"},
          {"--size", "WxH", "picture size in pixels for .png and .jpg (default 1400x990)"},
          {"--grid", "MM", "add the coordinate grid with this spacing in mm (default: none)"},
          {"--line-strength", "1..3", "plot and DXF line strength: 1 thin (default), 2, 3"},
          {"--coordinates", "FILE.txt", "write the coordinate listing beside a .plt/.dxf file"},
      },
      &Run,
  };
  return command;
}

}  // namespace kelvra::cli

#include "cli/draw/cmd_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cctype>
#include <filesystem>
#include <functional>
#include <ostream>

#include "calc/horizon/horizon_file.h"
#include "calc/horizon/horizon_session.h"
#include "canvas/headless_gui.h"
#include "canvas/page_output.h"
#include "cli/json.h"
#include "config/dial_parameters.h"
#include "config/dial_kinds.h"
#include "dials/dial_job.h"
#include "dials/ham/ham_aid.h"
#include "dials/ham/ham_file.h"
#include "output/drawing_view.h"
#include "output/hpgl_writer.h"
#include "output/plot_export.h"
#include "output/print_area.h"
#include "persist/text_file.h"
#include "shell/catalog.h"
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

// The kind letters of the kind table, for messages.
std::string KnownKinds() {
  std::string letters;
  for (const config::DialKindRow& row : config::DialKinds()) {
    if (letters.find(row.letter) == std::string::npos) letters += row.letter;
  }
  std::string text = "the kinds are";
  for (char c : letters) text += std::string(" ") + c;
  return text;
}

// " (" + the kind's name in the kind list + ")", or nothing for a kind not in the list.
std::string KindName(const config::DialKindRow& kind) {
  if (!kind.listLabel) return {};
  std::string name = shell::Get(kind.listLabel);
  const auto a = name.find_first_not_of(' ');
  const auto b = name.find_last_not_of(' ');
  return a == std::string::npos ? std::string() : " (" + name.substr(a, b - a + 1) + ")";
}

// The sheet an --origin or --legend position is measured on: the output's own
// page, in millimetres from its lower-left corner, and the drawing window's
// picture position that lands there once the picture is carried to that page.
struct OutputPage {
  double widthMm = 0;
  double heightMm = 0;
  std::function<std::optional<output::Point>(double xMm, double yMm)> toPicture;
};

OutputPage PageOf(Format format, int width, int height, const config::DialKindRow& kind) {
  switch (format) {
    case Format::Svg:
    case Format::Pdf: {
      // The printed sheet, 0.1 mm with y down.
      const output::Point sheet{output::kSheetWidth, output::kSheetHeight};
      return {sheet.x / 10.0, sheet.y / 10.0, [=](double x, double y) {
                const output::Point p{static_cast<int>(std::lround(x * 10)),
                                      static_cast<int>(std::lround(sheet.y - y * 10))};
                return output::PictureOfPrinterPoint(p, sheet, width, height, kind);
              }};
    }
    case Format::Plot:
    case Format::Dxf: {
      // The plot sheet, plot units with y up.
      const double units = output::kPlotUnitsPerMm;
      const output::Point sheet = output::PlotPageExtent(kind);
      return {sheet.x / units, sheet.y / units, [=](double x, double y) {
                const output::Point p{static_cast<int>(std::lround(x * units)),
                                      static_cast<int>(std::lround(y * units))};
                return output::PictureOfPlotPoint(p, width, height, kind);
              }};
    }
    case Format::Png:
    case Format::Jpeg:
      break;
  }
  // The picture itself: the print page, 280 mm across.
  const double ppm = output::PixelsPerMm(output::SinkKind::Screen, width, true);
  return {output::kPrintPageWidthMm, height / ppm, [=](double x, double y) {
            return std::optional<output::Point>(output::Point{
                static_cast<int>(std::lround(x * ppm)), static_cast<int>(std::lround(height - y * ppm))});
          }};
}

// "X,Y" in millimetres on the output's page from its lower-left corner, as
// image pixels of the drawing window's picture (y down).
std::optional<output::Point> PagePoint(const ParsedArgs& args, const char* option,
                                       const OutputPage& page) {
  const std::optional<std::string> text = args.Value(option);
  if (!text) return std::nullopt;
  const auto comma = text->find(',');
  const auto x = comma == std::string::npos ? std::nullopt : ParseReal(text->substr(0, comma));
  const auto y = comma == std::string::npos ? std::nullopt : ParseReal(text->substr(comma + 1));
  std::optional<output::Point> at;
  if (x && y && *x >= 0 && *x <= page.widthMm && *y >= 0 && *y <= page.heightMm) {
    at = page.toPicture(*x, *y);
  }
  if (!at) {
    char range[96];
    std::snprintf(range, sizeof range, "X 0..%.0f, Y 0..%.0f", std::floor(page.widthMm),
                  std::floor(page.heightMm));
    throw UsageError(std::string(option) + ": expected X,Y in millimetres from the lower-left "
                     "corner of the page, " + range + " (got '" + *text + "')");
  }
  return at;
}

// Writes a plot file at plot scale 1; false when it cannot be written.
bool WritePlotFile(const std::filesystem::path& file, int lineStrength,
                   const std::function<void(output::HpglWriter&)>& write) {
  output::HpglWriter w;
  w.SetLineStrength(lineStrength);
  if (!w.Open(file)) return false;
  write(w);
  return w.Close();
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
  // A horizon profile file: taken as the program's profile (the site moves
  // to the profile's centre when it differs, with the message).
  if (const std::optional<std::string> horizon = inv.args.Value("--horizon")) {
    const calc::ProfileReadResult r = calc::ReadHorizonProfileFile(*horizon);
    if (!r.ok()) {
      inv.err << "kelvra draw: --horizon " << *horizon << ": "
              << (r.fault == calc::ProfileFault::Missing ? std::string("no such file")
                                                         : calc::ProfileFaultText(r))
              << "; no file was written\n";
      return kExitFile;
    }
    calc::TakeHorizonProfile(r.file, *horizon);
  }
  // The ham dial design aid: --ham draws it with the marked points of a file;
  // --set hamOverlay=true draws it with its rays. It has no plot file.
  dials::ham::HamMarks hamMarks;
  if (const auto hamFile = inv.args.Value("--ham")) {
    if (format == Format::Plot || format == Format::Dxf) {
      throw UsageError("--ham: the ham dial aid is drawn into .png, .jpg, .svg or .pdf files; "
                       "it has no plot file");
    }
    const dials::ham::HamFileRead read = dials::ham::ReadHamFile(*hamFile);
    if (!read.marks) {
      inv.err << "kelvra draw: " << *hamFile << ": " << read.problem << "; no file was written\n";
      return kExitFile;
    }
    hamMarks = *read.marks;
    shell::State().general.hamOverlay = true;
    shell::State().general.hamMarkMode = true;
  }
  const bool ham = shell::State().general.hamOverlay && format != Format::Plot &&
                   format != Format::Dxf;
  const dials::ham::HamAidInputs hamInputs = dials::ham::CurrentHamAidInputs();

  // The correction table of the kinds that have one (the ring dial): drawn
  // instead of the dial, as the drawing window's correction-table mode does.
  const bool correctionTable = inv.args.Has("--correction-table");
  if (correctionTable && (format == Format::Plot || format == Format::Dxf)) {
    throw UsageError("--correction-table: the correction table is drawn into .png, .jpg, .svg or "
                     ".pdf files");
  }
  if (correctionTable && !config::KindRow(config::ResolvedDial(config::Dial()))
                              .Has(config::kCorrectionTable)) {
    throw UsageError("--correction-table: only the ring dial (kind=r) has a correction table");
  }

  // The dial is traced once; messages it raises go to stderr.
  dials::DialInputs inputs = dials::CurrentDialInputs();
  inputs.correctionTable = correctionTable;
  const dials::DialJob job(inputs, shell::CurrentMessageSink());
  const config::DialKindRow& kind = job.Kind();
  const std::string letter(1, job.Inputs().dial.kind);
  if (!config::IsKnownKind(job.Inputs().dial.kind)) {
    throw UsageError("kind=" + letter + ": not a dial kind (" + KnownKinds() + ")");
  }
  if (job.DrawsNothing() && !ham) {
    // A family that refused these settings has said why on stderr already.
    inv.err << "kelvra draw: kind=" << letter << KindName(kind)
            << (dials::FindFamily(kind.family) ? ": nothing is drawn with these settings"
                                               : ": nothing is drawn for this kind of dial")
            << "; no file was written\n";
    return kExitFile;
  }
  // The drawing window's view of a picture of this size: the default origin
  // and legend of the kind, the print-page scale.
  output::DrawingView view =
      dials::DefaultView(kind, width, height, job.Inputs().site.latitude);
  // Placed as a pick in the drawing window places them.
  const OutputPage page = PageOf(format, width, height, kind);
  const auto origin = PagePoint(inv.args, "--origin", page);
  const auto legend = PagePoint(inv.args, "--legend", page);
  if (origin && !output::OriginPickable(kind)) {
    throw UsageError("--origin: kind=" + letter + KindName(kind) + " places its origin itself");
  }
  if (legend && !output::LegendPickable(kind)) {
    throw UsageError("--legend: kind=" + letter + KindName(kind) + " places its legend itself");
  }
  if (origin) view.PickOrigin(*origin);
  if (legend) view.PickLegend(*legend);

  bool ok = true;
  std::string error;
  if (format == Format::Plot || format == Format::Dxf) {
    if (!kind.Has(config::kPlotFile)) {
      inv.err << "kelvra draw: kind=" << letter << " has no plot file; no file was written\n";
      return kExitFile;
    }
    std::vector<std::string> listing;
    const std::string shownName = std::filesystem::path(out).filename().string();
    // The plot file keeps the writer's own places unless one was given.
    view.originSetByUser = origin.has_value();
    view.legendSetByUser = legend.has_value();
    auto write = [&](output::HpglWriter& w) {
      listing.clear();
      job.WritePlot(w, view, grid, coordinates ? &listing : nullptr, shownName);
    };
    auto writeSides = [&](const std::filesystem::path& plotFile) {
      for (const dials::SidePlot& side : job.SidePlots()) {
        const std::filesystem::path file = dials::DialJob::SidePlotPath(plotFile, side);
        auto writeSide = [&](output::HpglWriter& w) { side.write(w); };
        const bool sideOk =
            format == Format::Plot ? WritePlotFile(file, lineStrength, writeSide)
                                   : output::ExportDxf(file, job.DxfScale(), lineStrength, writeSide).ok();
        if (!sideOk) {
          error = file.string() + ": cannot be written";
          return false;
        }
        if (side.notice) inv.err << side.notice(file.filename().string()) << '\n';
      }
      return true;
    };
    if (format == Format::Plot) {
      output::HpglWriter w;
      w.SetLineStrength(lineStrength);
      if (!w.Open(out)) {
        error = out + ": cannot be written: " + w.SaveError();
        ok = false;
      } else {
        write(w);
        if (!w.Close()) {
          error = out + ": writing failed: " + w.SaveError();
          ok = false;
        }
      }
    } else {
      const auto result = output::ExportDxf(out, job.DxfScale(), lineStrength, write);
      if (!result.ok()) {
        error = out + ": the DXF file could not be made";
        ok = false;
      }
    }
    if (ok) ok = writeSides(out);
    if (ok && coordinates && !persist::WriteTextLines(*coordinates, listing)) {
      error = *coordinates + ": cannot be written";
      ok = false;
    }
  } else {
    if (!canvas::EnsureGuiApplication()) {
      inv.err << "kelvra draw: no graphics available for pictures\n";
      return kExitFile;
    }
    if (format == Format::Png || format == Format::Jpeg) {
      // The drawing window's picture: the ham aid first, then the dial.
      ok = canvas::WritePicture(
          out, width, height,
          [&](output::PlotSink& sink) {
            if (ham) dials::ham::DrawHamAid(sink, hamInputs, hamMarks);
            job.Draw(sink, view, grid.has_value(), output::CurrentPrintArea());
          },
          &error);
    } else if (ham) {
      // The printed page: the aid instead of the dial.
      auto draw = [&](output::PlotSink& sink) { dials::ham::DrawHamAid(sink, hamInputs, hamMarks); };
      ok = format == Format::Pdf ? canvas::WritePdfPage(out, draw, &error)
                                 : canvas::WriteSvgPage(out, draw, &error);
    } else {
      if (!kind.Has(config::kPrints)) {
        inv.err << "kelvra draw: kind=" << letter << " prints nothing; no file was written\n";
        return kExitFile;
      }
      // The printed page: true size, the picked positions carried over.
      auto draw = [&](output::PlotSink& sink) {
        const output::CarriedPositions carried =
            output::CarryViewToPrinter(view, {sink.Width(), sink.Height()}, kind);
        job.Draw(sink, view, grid.has_value(), output::CurrentPrintArea());
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
    json.BeginObject().Field("output", out).Field("kind", letter).Field("written", true);
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
      "[--coordinates FILE.txt] [--origin X,Y] [--legend X,Y] [--horizon PROFILE.ele] "
      "[--ham FILE.ham] [--correction-table]",
      "draws the current dial into a picture, page, plot or DXF file",
      {
          {"-o", "FILE", "output file; the extension chooses the format"},
          {"--output", "FILE", "the same as -o"},
          {"--size", "WxH", "picture size in pixels for .png and .jpg (default 1400x990)"},
          {"--grid", "MM", "add the coordinate grid with this spacing in mm (default: none)"},
          {"--line-strength", "1..3", "plot and DXF line strength: 1 thin (default), 2, 3"},
          {"--coordinates", "FILE.txt", "write the coordinate listing beside a .plt/.dxf file"},
          {"--origin", "X,Y", "the dial's origin in mm on the page from its lower-left corner"},
          {"--legend", "X,Y", "the legend's top-left corner in mm from the page's lower-left corner"},
          {"--horizon", "PROFILE.ele",
           "load a horizon profile; the azimuthal dial with altitude circles draws it"},
          {"--correction-table", "",
           "the ring dial: draw its correction table instead (.png, .jpg, .svg, .pdf) and write "
           "the table file Schoener-Tabelle.txt into the working folder"},
          {"--ham", "FILE.ham",
           "draw the ham dial design aid with the marked hour points of the file "
           "(.png/.jpg: before the dial, .svg/.pdf: instead of it)"},
      },
      &Run,
  };
  return command;
}

}  // namespace kelvra::cli

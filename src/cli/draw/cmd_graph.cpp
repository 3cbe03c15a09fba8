#include "cli/draw/cmd_graph.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

#include "calc/graphs/eot_graph.h"
#include "calc/graphs/graph_export.h"
#include "calc/graphs/graph_inputs.h"
#include "calc/horizon/horizon_file.h"
#include "calc/horizon/horizon_session.h"
#include "canvas/headless_gui.h"
#include "canvas/page_output.h"
#include "cli/json.h"
#include "output/plot_export.h"

namespace kelvra::cli {

namespace {

using calc::graphs::GraphKind;

enum class Format { Png, Svg, Pdf, Plot, Dxf };

Format FormatOf(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == ".png") return Format::Png;
  if (ext == ".svg") return Format::Svg;
  if (ext == ".pdf") return Format::Pdf;
  if (ext == ".plt") return Format::Plot;
  if (ext == ".dxf") return Format::Dxf;
  throw UsageError("-o: the file name must end in .png, .svg, .pdf, .plt or .dxf (got '" + path +
                   "')");
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

const std::vector<std::string_view> kSunPathOnly = {
    "--diagram", "--hours", "--span", "--interval", "--date-lines", "--horizon-file",
    "--plane-sunshine"};
const std::vector<std::string_view> kEotOnly = {"--mirror", "--y-factor"};

int Run(Invocation& inv) {
  const auto& positional = inv.args.Positional();
  if (positional.empty() || (positional[0] != "eot" && positional[0] != "sunpath")) {
    throw UsageError(positional.empty()
                         ? std::string("which graph? use 'graph eot' or 'graph sunpath'")
                         : "unknown graph '" + positional[0] + "'; use 'eot' or 'sunpath'");
  }
  if (positional.size() > 1) {
    throw UsageError("unexpected '" + positional[1] + "'; the file is given with -o");
  }
  const bool eot = positional[0] == "eot";
  for (std::string_view option : eot ? kSunPathOnly : kEotOnly) {
    if (inv.args.Has(option)) {
      throw UsageError(std::string(option) + ": only for 'graph " + (eot ? "sunpath" : "eot") +
                       "'");
    }
  }
  const std::string out = inv.args.Value("-o").value_or(inv.args.Value("--output").value_or(""));
  if (out.empty()) throw UsageError("-o FILE is required (.png, .svg, .pdf, .plt or .dxf)");
  const Format format = FormatOf(out);
  int width = 1200, height = 800;
  if (auto s = inv.args.Value("--size")) {
    if (format != Format::Png) throw UsageError("--size: only for .png pictures");
    ParseSize(*s, width, height);
  }
  const int lineStrength = inv.args.Integer("--line-strength", 1, 3).value_or(1);
  calc::graphs::GraphPlotOptions plot;
  plot.mirror = inv.args.Has("--mirror");
  plot.yFactor = inv.args.Real("--y-factor", calc::graphs::kMinYFactor, calc::graphs::kMaxYFactor)
                     .value_or(1.0);
  if ((plot.mirror || inv.args.Has("--y-factor")) && format != Format::Plot &&
      format != Format::Dxf) {
    throw UsageError(std::string(plot.mirror ? "--mirror" : "--y-factor") +
                     ": only for the plot and DXF files (.plt, .dxf)");
  }

  calc::graphs::GraphSettings& settings = calc::graphs::Graphs();
  if (auto d = inv.args.Choice("--diagram", {"polar", "cartesian"})) {
    settings.diagramPolar = *d == "polar";
  }
  if (auto h = inv.args.Choice("--hours", {"apparent", "mean"})) {
    settings.graphHoursWithEot = *h == "mean";
  }
  if (auto s = inv.args.Choice("--span", {"year", "jun-dec", "dec-jun"})) {
    if (!settings.graphHoursWithEot) {
      throw UsageError("--span: the span belongs to the hours with equation of time "
                       "(--hours mean)");
    }
    settings.sunPathSpan = *s == "year" ? 0 : *s == "jun-dec" ? 1 : 2;
  }
  if (inv.args.Has("--plane-sunshine")) settings.planeSunshine = true;
  // Read before the inputs are taken: the profile may move the site.
  if (const std::optional<std::string> horizon = inv.args.Value("--horizon-file")) {
    const calc::ProfileReadResult r = calc::ReadHorizonProfileFile(*horizon);
    if (!r.ok()) {
      inv.err << "kelvra graph: --horizon-file " << *horizon << ": "
              << (r.fault == calc::ProfileFault::Missing ? std::string("no such file")
                                                         : calc::ProfileFaultText(r))
              << "; no file was written\n";
      return kExitFile;
    }
    calc::TakeHorizonProfile(r.file, *horizon);
  }
  calc::graphs::GraphInputs in = calc::graphs::CurrentGraphInputs();
  if (inv.args.Has("--zone-time")) in.zoneTime = true;
  if (auto i = inv.args.Choice("--interval", {"60", "30", "20", "15"})) {
    in.otherHourInterval = 60 / std::stoi(*i) - 1;
  }
  if (auto d = inv.args.Choice("--date-lines", {"1", "2", "3", "solstices"})) {
    in.zodiacLinesPerMonth = *d == "solstices" ? 4 : std::stoi(*d);
  }
  in.colors.lineWidth = static_cast<std::uint8_t>(std::clamp<int>(in.colors.lineWidth, 1, 3));
  plot.withLongitude = in.zoneTime;
  const GraphKind kind = eot ? GraphKind::Eot : calc::graphs::SunPathKind(in);

  bool ok = true;
  std::string error;
  std::string planeLightText;
  if (format == Format::Plot) {
    output::HpglWriter w;
    w.SetLineStrength(lineStrength);
    if (!w.Open(out)) {
      error = out + ": cannot be written: " + w.SaveError();
      ok = false;
    } else {
      calc::graphs::WriteGraphPlot(w, kind, in, plot);
      if (!w.Close()) {
        error = out + ": writing failed: " + w.SaveError();
        ok = false;
      }
    }
  } else if (format == Format::Dxf) {
    const auto result = output::ExportDxf(
        out, calc::graphs::kGraphDxfScale, lineStrength,
        [&](output::HpglWriter& w) { calc::graphs::WriteGraphPlot(w, kind, in, plot); });
    if (!result.ok()) {
      error = out + ": the DXF file could not be made";
      ok = false;
    }
  } else {
    if (!canvas::EnsureGuiApplication()) {
      inv.err << "kelvra graph: no graphics available for pictures\n";
      return kExitFile;
    }
    auto draw = [&](output::PlotSink& sink) {
      planeLightText = calc::graphs::DrawGraph(sink, kind, in);
    };
    if (format == Format::Png) {
      ok = canvas::WritePicture(out, width, height, draw, &error);
    } else if (format == Format::Pdf) {
      ok = canvas::WritePdfPage(out, draw, &error);
    } else {
      ok = canvas::WriteSvgPage(out, draw, &error);
    }
  }
  if (!ok) {
    inv.err << "kelvra graph: " << error << "; no file was written\n";
    return kExitFile;
  }
  if (inv.json) {
    JsonWriter json;
    json.BeginObject()
        .Field("output", out)
        .Field("graph", eot ? "eot" : (kind == GraphKind::PolarSunPath ? "polar" : "cartesian"))
        .Field("written", true);
    if (!planeLightText.empty()) json.Field("planeLight", planeLightText);
    json.EndObject();
    inv.out << json.Text() << '\n';
  }
  return kExitOk;
}

}  // namespace

const Command& GraphCommand() {
  static const Command command{
      "graph",
      "graph eot|sunpath -o OUT.png|.svg|.pdf|.plt|.dxf [--size WxH] [--zone-time] "
      "[--line-strength 1..3] [eot: --mirror --y-factor 0.05..20] [sunpath: --diagram "
      "polar|cartesian --hours apparent|mean --span year|jun-dec|dec-jun --interval 60|30|20|15 "
      "--date-lines 1|2|3|solstices --horizon-file P.ele --plane-sunshine]",
      "draws the equation-of-time graph or the sun-path diagram of the site",
      {
          {"-o", "FILE", "output file; the extension chooses the format"},
          {"--output", "FILE", "the same as -o"},
          {"--size", "WxH", "picture size in pixels for .png (default 1200x800)"},
          {"--zone-time", "",
           "eot: add the longitude correction; sunpath: hours of zone time instead of local time"},
          {"--line-strength", "1..3", "DXF line strength: 1 thin (default), 2, 3"},
          {"--mirror", "", "eot, .plt/.dxf: mirror the graph at the time axis"},
          {"--y-factor", "0.05..20", "eot, .plt/.dxf: stretch vertical distances (default 1)"},
          {"--diagram", "polar|cartesian", "sunpath: the kind of diagram (default cartesian)"},
          {"--hours", "apparent|mean",
           "sunpath: hour lines in apparent time (default) or with the equation of time"},
          {"--span", "year|jun-dec|dec-jun",
           "sunpath with --hours mean: the part of the year of the hour loops"},
          {"--interval", "60|30|20|15", "sunpath: minutes between hour lines"},
          {"--date-lines", "1|2|3|solstices",
           "sunpath: date lines per month, or the solstices and the equinox only"},
          {"--horizon-file", "P.ele",
           "sunpath: draw this horizon profile and grey the sun's path behind it"},
          {"--plane-sunshine", "",
           "sunpath: the sunshine of the dial's plane (wallDeclination, inclination)"},
      },
      &Run,
  };
  return command;
}

}  // namespace kelvra::cli

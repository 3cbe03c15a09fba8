// Reads back what a plot file draws, for the tests of the plot writers: the
// polylines drawn with the pen down (with their pen) and the labels with
// their place. Understands SP, PU, PD, PA, LB and skips every other command.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::testing {

struct PlotPoint {
  double x = 0;
  double y = 0;
};

struct PlotPolyline {
  int pen = 0;
  std::vector<PlotPoint> points;  // the first is where the pen went down
};

struct PlotLabel {
  int pen = 0;
  PlotPoint at;
  std::string text;
};

struct PlotDrawing {
  std::vector<PlotPolyline> lines;
  std::vector<PlotLabel> labels;
  std::vector<std::string> commands;  // every command's two letters, in order
};

inline std::vector<double> PlotNumbers(std::string_view args) {
  std::vector<double> out;
  std::string s(args);
  const char* p = s.c_str();
  while (*p) {
    if (*p == ' ' || *p == ',') {
      ++p;
      continue;
    }
    char* end = nullptr;
    const double v = std::strtod(p, &end);
    if (end == p) break;
    out.push_back(v);
    p = end;
  }
  return out;
}

inline PlotDrawing ReadPlotDrawing(std::string_view text) {
  PlotDrawing d;
  int pen = 0;
  PlotPoint at;
  bool down = false;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ';' || text[i] == ' ')) ++i;
    if (i + 1 >= text.size()) break;
    const std::string cmd(text.substr(i, 2));
    i += 2;
    d.commands.push_back(cmd);
    if (cmd == "LB") {
      const std::size_t end = text.find('\x03', i);
      d.labels.push_back({pen, at, std::string(text.substr(i, end - i))});
      i = end == std::string_view::npos ? text.size() : end + 1;
      continue;
    }
    std::size_t end = text.find(';', i);
    if (end == std::string_view::npos) end = text.size();
    const std::vector<double> v = PlotNumbers(text.substr(i, end - i));
    i = end;
    if (cmd == "SP") {
      pen = v.empty() ? 0 : static_cast<int>(v[0]);
      down = false;
    } else if (cmd == "PU" || cmd == "PD") {
      const bool draw = cmd == "PD";
      for (std::size_t k = 0; k + 1 < v.size(); k += 2) {
        const PlotPoint p{v[k], v[k + 1]};
        if (draw) {
          if (!down) d.lines.push_back({pen, {at}});
          d.lines.back().points.push_back(p);
        }
        down = draw;
        at = p;
      }
      down = draw;
    } else if (cmd != "PA") {
      down = false;
    }
  }
  return d;
}

}  // namespace kelvra::testing

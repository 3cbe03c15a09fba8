// Reads back the straight pieces and arcs of a DXF file written by the plot
// converter, for tests that measure a drawing in millimetres: each POLYLINE's
// vertices joined in order, and each ARC's centre and radius.
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kelvra::testing {

struct DxfSegment {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct DxfArc {
  double x = 0, y = 0, radius = 0;
};

struct DxfDrawing {
  std::vector<DxfSegment> segments;
  std::vector<DxfArc> arcs;
};

inline DxfDrawing ReadDxfDrawing(const std::string& text) {
  // The file as (group code, value) pairs, CR LF or LF.
  std::vector<std::pair<int, std::string>> pairs;
  std::istringstream in(text);
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    if (!value.empty() && value.back() == '\r') value.pop_back();
    pairs.emplace_back(std::atoi(code.c_str()), value);
  }
  DxfDrawing d;
  bool inPolyline = false;
  bool havePoint = false;
  double lastX = 0, lastY = 0;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i].first != 0) continue;
    const std::string& entity = pairs[i].second;
    // The entity's own groups, up to the next group 0.
    double x = 0, y = 0, r = 0;
    for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j) {
      if (pairs[j].first == 10) x = std::atof(pairs[j].second.c_str());
      if (pairs[j].first == 20) y = std::atof(pairs[j].second.c_str());
      if (pairs[j].first == 40) r = std::atof(pairs[j].second.c_str());
    }
    if (entity == "POLYLINE") {
      inPolyline = true;
      havePoint = false;
    } else if (entity == "VERTEX" && inPolyline) {
      if (havePoint) d.segments.push_back({lastX, lastY, x, y});
      lastX = x;
      lastY = y;
      havePoint = true;
    } else if (entity == "SEQEND") {
      inPolyline = false;
    } else if (entity == "ARC" || entity == "CIRCLE") {
      d.arcs.push_back({x, y, r});
    }
  }
  return d;
}

}  // namespace kelvra::testing

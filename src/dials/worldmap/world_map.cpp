#include "dials/worldmap/world_map.h"

#include <charconv>
#include <system_error>
#include <utility>

#include "shell/catalog.h"
#include "shell/resources.h"

namespace kelvra::dials::worldmap {

namespace {

bool IsNumberChar(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }

std::string_view Trimmed(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
  line.remove_prefix(start);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

// Converts the longest readable beginning of `text`. `complete` tells whether
// that was the whole text; false with nothing read when no beginning reads.
bool ConvertBeginning(std::string_view text, double& value, bool& complete) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  // from_chars takes no sign of its own here: "+-5" and "--5" must not read.
  if (digits.empty() || digits.front() == '+' || digits.front() == '-') {
    complete = false;
    return false;
  }
  double v = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::fixed);
  if (error != std::errc()) {
    complete = false;
    return false;
  }
  value = negative ? -v : v;
  complete = end == digits.data() + digits.size();
  return true;
}

// The line "Grenze" that separates the coastlines from the borders.
bool IsBorderMark(std::string_view line) {
  line = Trimmed(line);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return line == "Grenze";
}

}  // namespace

NumberTexts SplitNumberTexts(std::string_view line) {
  line = Trimmed(line);
  std::size_t i = 0;
  while (i < line.size() && IsNumberChar(line[i])) ++i;
  NumberTexts t;
  t.first = line.substr(0, i);
  while (i < line.size() && !IsNumberChar(line[i])) ++i;
  std::size_t j = i;
  while (j < line.size() && IsNumberChar(line[j])) ++j;
  t.second = line.substr(i, j - i);
  return t;
}

MapLine ReadMapLine(std::string_view line) {
  MapLine m;
  line = Trimmed(line);
  if (line.size() < 8 || line.front() == '<' || line.front() == '>' || line.front() == '#') {
    return m;  // a break
  }
  const NumberTexts t = SplitNumberTexts(line);
  double east = 0, north = 0;
  bool eastComplete = false, northComplete = false;
  const bool eastRead = ConvertBeginning(t.first, east, eastComplete);
  const bool northRead = ConvertBeginning(t.second, north, northComplete);
  m.unreadable = !(eastComplete && northComplete);
  if (!eastRead || !northRead) return m;
  m.kind = MapLine::Kind::Point;
  m.longitude = -east;  // the program's longitudes are west positive
  m.latitude = north;
  return m;
}

std::string UnreadableLineMessage(std::string_view line) {
  const NumberTexts t = SplitNumberTexts(line);
  return std::string(t.first) + " / " + std::string(t.second) + " : " + shell::MessageB(4);
}

WorldMap::WorldMap(std::string text) : text_(std::move(text)) {
  const std::string_view all(text_);
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::size_t size = end - start;
    if (size > 0 && all[start + size - 1] == '\r') --size;
    lines_.push_back({start, size});
    start = end + 1;
  }
  borderMark_ = lines_.size();
  read_.reserve(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    read_.push_back(ReadMapLine(Line(i)));
    if (borderMark_ == lines_.size() && IsBorderMark(Line(i))) borderMark_ = i;
  }
}

std::size_t WorldMap::PartBegin(MapPart part) const {
  if (part == MapPart::Coastlines) return 0;
  return borderMark_ < lines_.size() ? borderMark_ + 1 : lines_.size();
}

std::size_t WorldMap::PartEnd(MapPart part) const {
  return part == MapPart::Coastlines ? borderMark_ : lines_.size();
}

const WorldMap& LoadWorldMap() {
  static const WorldMap map = [] {
    const auto text = shell::FindResource("worldmap/world_crude.txt");
    return WorldMap(text ? std::string(*text) : std::string());
  }();
  return map;
}

}  // namespace kelvra::dials::worldmap

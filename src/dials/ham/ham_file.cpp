#include "dials/ham/ham_file.h"

#include <cmath>

#include "dials/ham/ham_texts.h"
#include "persist/text_file.h"
#include "shell/number_format.h"

namespace kelvra::dials::ham {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::optional<double> Coordinate(std::string_view text) {
  const auto v = shell::ParseReal(Trim(text));
  if (!v || !std::isfinite(*v) || std::fabs(*v) > kHamMarkLimit) return std::nullopt;
  return v;
}

}  // namespace

std::vector<std::string> HamFileLines(const HamMarks& marks) {
  std::vector<std::string> lines = {kHamFileHeader};
  for (const HamMark& m : marks.Marks()) {
    lines.push_back(shell::FormatReal(9, 3, m.x) + ";" + shell::FormatReal(9, 3, m.y));
  }
  return lines;
}

shell::SaveResult SaveHamFile(const std::string& path, const HamMarks& marks) {
  return persist::SaveTextLines(path, HamFileLines(marks));
}

HamFileRead ReadHamLines(const std::vector<std::string>& lines) {
  HamFileRead r;
  HamMarks marks;
  bool header = false;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = Trim(lines[n]);
    if (line.empty()) continue;
    if (!header) {
      if (line != kHamFileHeader) {
        r.problem = HamText(TextId::NotAHamFile);
        return r;
      }
      header = true;
      continue;
    }
    const std::string where = HamText(TextId::Line) + std::to_string(n + 1);
    const auto semicolon = line.find(';');
    const auto x = semicolon == std::string_view::npos ? std::nullopt : Coordinate(line.substr(0, semicolon));
    const auto y = semicolon == std::string_view::npos ? std::nullopt : Coordinate(line.substr(semicolon + 1));
    if (!x || !y) {
      r.problem = where + " (\"" + std::string(line) + "\")" + HamText(TextId::NotAPoint);
      return r;
    }
    if (!marks.Add({*x, *y})) {
      r.problem = where + HamText(TextId::TooManyPoints);
      return r;
    }
  }
  if (!header) {
    r.problem = HamText(TextId::NotAHamFile);
    return r;
  }
  r.marks = marks;
  return r;
}

HamFileRead ReadHamFile(const std::string& path) {
  const auto lines = persist::ReadTextLines(path);
  if (!lines) {
    HamFileRead r;
    r.problem = HamText(TextId::Unreadable);
    return r;
  }
  return ReadHamLines(*lines);
}

}  // namespace kelvra::dials::ham

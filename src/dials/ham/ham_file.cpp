#include "dials/ham/ham_file.h"

#include <cmath>

#include "persist/text_file.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/ham.h"

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
        r.problem = shell::Get(texts::ham::kNotAHamFile);
        return r;
      }
      header = true;
      continue;
    }
    const std::string where = shell::Get(texts::ham::kLine) + std::to_string(n + 1);
    const auto semicolon = line.find(';');
    const auto x = semicolon == std::string_view::npos ? std::nullopt : Coordinate(line.substr(0, semicolon));
    const auto y = semicolon == std::string_view::npos ? std::nullopt : Coordinate(line.substr(semicolon + 1));
    if (!x || !y) {
      r.problem = where + " (\"" + std::string(line) + "\")" + shell::Get(texts::ham::kNotAPoint);
      return r;
    }
    if (!marks.Add({*x, *y})) {
      r.problem = where + shell::Get(texts::ham::kTooManyPoints);
      return r;
    }
  }
  if (!header) {
    r.problem = shell::Get(texts::ham::kNotAHamFile);
    return r;
  }
  r.marks = marks;
  return r;
}

HamFileRead ReadHamFile(const std::string& path) {
  const auto lines = persist::ReadTextLines(path);
  if (!lines) {
    HamFileRead r;
    r.problem = shell::Get(texts::ham::kUnreadable);
    return r;
  }
  return ReadHamLines(*lines);
}

}  // namespace kelvra::dials::ham

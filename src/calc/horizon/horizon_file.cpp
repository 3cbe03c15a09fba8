#include "calc/horizon/horizon_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "persist/atomic_file.h"
#include "persist/text_file.h"
#include "shell/number_format.h"

namespace kelvra::calc {

namespace {

constexpr std::string_view kLatitudeNote = " Latitude (where South is negative)";
constexpr std::string_view kLongitudeNote = "Longitude (where  West is negative)";
constexpr std::string_view kPointsHead = "720\t NPoints (Azimut, Elevation, Distanz);";
// The description starts at the 43rd character of line 3, right after the head.
constexpr std::size_t kDescriptionStart = 42;
static_assert(kPointsHead.size() == kDescriptionStart);
constexpr std::string_view kFieldGap = " \t ";

std::string Excerpt(std::string_view text) { return std::string(text.substr(0, 40)); }

// A number written with a decimal comma (a point is read too), blanks around it.
std::optional<double> ParseNumber(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t' || field.front() == ';')) {
    field.remove_prefix(1);
  }
  while (!field.empty() && (field.back() == ' ' || field.back() == '\r')) field.remove_suffix(1);
  if (field.empty() || field.size() > 64) return std::nullopt;
  std::string t(field);
  std::replace(t.begin(), t.end(), ',', '.');
  const char* b = t.data();
  const char* e = b + t.size();
  if (*b == '+') ++b;
  double v = 0;
  auto [ptr, ec] = std::from_chars(b, e, v, std::chars_format::fixed);
  if (ec != std::errc() || ptr != e || b == e || !std::isfinite(v)) return std::nullopt;
  return v;
}

// The TAB-separated fields of a line; leading TABs, blanks and ";" before the
// first number are skipped, and empty fields (such as after the last TAB) left
// out.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  while (pos <= line.size()) {
    std::size_t tab = line.find('\t', pos);
    if (tab == std::string_view::npos) tab = line.size();
    std::string_view f = line.substr(pos, tab - pos);
    if (f.find_first_not_of(" ;\r") != std::string_view::npos) fields.push_back(f);
    pos = tab + 1;
  }
  return fields;
}

// A number in the file's form: the point turned into a comma.
std::string Comma(int width, int decimals, double x) {
  std::string s = shell::FormatReal(width, decimals, x);
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

ProfileReadResult Fault(ProfileFault fault, int line = 0, std::string_view text = {}) {
  ProfileReadResult r;
  r.fault = fault;
  r.line = line;
  r.text = Excerpt(text);
  return r;
}

}  // namespace

ProfileReadResult ParseHorizonProfile(std::string_view bytes) {
  const std::vector<std::string> lines = persist::SplitLines(bytes);
  auto line = [&](std::size_t i) -> std::string_view {
    return i < lines.size() ? std::string_view(lines[i]) : std::string_view();
  };
  ProfileReadResult result;
  HorizonProfileFile& file = result.file;

  const auto latFields = Fields(line(0));
  const auto latitude = latFields.empty() ? std::nullopt : ParseNumber(latFields[0]);
  if (!latitude || *latitude < -90 || *latitude > 90) {
    return Fault(ProfileFault::BadLatitude, 1, line(0));
  }
  const auto lonFields = Fields(line(1));
  const auto longitude = lonFields.empty() ? std::nullopt : ParseNumber(lonFields[0]);
  if (!longitude || *longitude < -180 || *longitude > 180) {
    return Fault(ProfileFault::BadLongitude, 2, line(1));
  }
  file.latitude = *latitude;
  file.longitude = 0.0 - *longitude;  // east positive in the file
  if (line(2).size() > kDescriptionStart) {
    std::string d(line(2).substr(kDescriptionStart));
    std::replace(d.begin(), d.end(), '\t', ' ');
    file.description = persist::Windows1252ToUtf8(d);
  }

  // The points start at the first line whose first field is -180.
  std::size_t first = 3;
  for (; first < lines.size(); ++first) {
    const auto f = Fields(lines[first]);
    if (f.empty()) continue;
    const auto az = ParseNumber(f[0]);
    if (az && std::fabs(*az + 180.0) < 1e-9) break;
  }
  if (first >= lines.size()) return Fault(ProfileFault::NoStart);

  for (int i = 0; i < kHorizonPointCount; ++i) {
    const std::size_t n = first + static_cast<std::size_t>(i);
    const int lineNumber = static_cast<int>(n) + 1;
    if (n >= lines.size()) {
      ProfileReadResult r = Fault(ProfileFault::TooFewPoints);
      r.count = i;
      return r;
    }
    const auto f = Fields(lines[n]);
    if (f.size() < 2) return Fault(ProfileFault::BadNumber, lineNumber, lines[n]);
    double values[4] = {0, 0, 0, 0};
    for (std::size_t k = 0; k < std::min<std::size_t>(f.size(), 4); ++k) {
      const auto v = ParseNumber(f[k]);
      if (!v) return Fault(ProfileFault::BadNumber, lineNumber, f[k]);
      values[k] = *v;
    }
    if (std::fabs(values[0] - HorizonAzimuth(i)) > 0.006) {
      return Fault(ProfileFault::WrongAzimuth, lineNumber, f[0]);
    }
    if (values[1] < -90 || values[1] > 90 || values[2] < 0) {
      return Fault(ProfileFault::OutOfRange, lineNumber, lines[n]);
    }
    HorizonPoint& p = file.profile.points[static_cast<std::size_t>(i)];
    p.azimuth = HorizonAzimuth(i);
    p.altitude = values[1];
    p.distance = values[2];
    p.terrainHeight = values[3];
  }
  return result;
}

ProfileReadResult ReadHorizonProfileFile(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return Fault(ProfileFault::Missing);
  if (!std::filesystem::is_regular_file(status)) {
    return Fault(ProfileFault::CannotRead, 0,
                 std::generic_category().message(std::filesystem::is_directory(status) ? EISDIR
                                                                                       : EINVAL));
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxProfileFileBytes) return Fault(ProfileFault::TooLarge);
  const auto bytes = persist::ReadFileBytes(path);
  if (!bytes) return Fault(ProfileFault::CannotRead, 0, std::generic_category().message(EACCES));
  if (bytes->size() > kMaxProfileFileBytes) return Fault(ProfileFault::TooLarge);
  return ParseHorizonProfile(*bytes);
}

std::string ComputedProfileDescription(int groundHeight, int platformHeight, int minimumDistance) {
  return "  Beobachter-Standort  Höhe=" + std::to_string(groundHeight) + " + " +
         std::to_string(platformHeight) + ";  Mindestabstand der Objekte=" +
         std::to_string(minimumDistance);
}

std::string FormatHorizonProfile(const HorizonProfileFile& file) {
  std::string text;
  text.reserve(40 * kHorizonPointCount);
  auto line = [&](std::string_view s) {
    text += s;
    text += "\r\n";
  };
  line(Comma(14, 10, file.latitude) + "\t" + std::string(kLatitudeNote));
  line(Comma(14, 10, 0.0 - file.longitude) + "\t" + std::string(kLongitudeNote));
  line(std::string(kPointsHead) + persist::Utf8ToWindows1252(file.description));
  for (const HorizonPoint& p : file.profile.points) {
    std::string l = Comma(7, 2, p.azimuth);
    l += kFieldGap;
    l += Comma(9, 4, p.altitude);
    l += kFieldGap;
    l += Comma(7, 2, p.distance);
    l += kFieldGap;
    l += Comma(7, 2, p.terrainHeight);
    l += kFieldGap;
    line(l);
  }
  return text;
}

bool WriteHorizonProfileFile(const std::string& path, const HorizonProfileFile& file) {
  return persist::WriteFileAtomically(path, FormatHorizonProfile(file));
}

}  // namespace kelvra::calc

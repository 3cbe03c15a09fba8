#include "output/hpgl_writer.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "output/code_page.h"
#include "shell/number_format.h"

namespace kelvra::output {

namespace {

std::string IntegerText(long long v) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

}  // namespace

std::string FormatCoordinate(double x) {
  if (std::isnan(x)) return "0";
  if (x > kCoordinateLimit) x = kCoordinateLimit;
  if (x < -kCoordinateLimit) x = -kCoordinateLimit;
  double r = std::floor(x);
  const double fraction = x - r;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  auto v = static_cast<long long>(r);
  return IntegerText(v);  // a zero result is always written as "0"
}

// shell::FormatReal with a quick path for the many coordinates of a DXF file:
// the result is the same, because the quick path is taken only when the
// scaled value lies clearly away from a rounding tie.
std::string FormatPlotReal(int width, int decimals, double x) {
  static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};
  const double magnitude = std::fabs(x);
  const double scaled = decimals >= 0 && decimals <= 5 ? magnitude * kScale[decimals] : 1e300;
  // Below 1e9 the scaled value is off the exact one by less than 1e-7.
  if (scaled < 1e9) {
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) > 1e-6) {
      auto digits = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
      char buf[40];
      char* end = buf + sizeof buf;
      char* p = end;
      for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + digits % 10);
        digits /= 10;
      }
      if (decimals > 0) *--p = '.';
      do {
        *--p = static_cast<char>('0' + digits % 10);
        digits /= 10;
      } while (digits != 0);
      bool zero = true;
      for (char* q = p; q < end; ++q)
        if (*q >= '1' && *q <= '9') zero = false;
      if (x < 0 && !zero) *--p = '-';
      const auto length = static_cast<int>(end - p);
      std::string text;
      if (length < width) text.assign(static_cast<std::size_t>(width - length), ' ');
      text.append(p, end);
      return text;
    }
  }
  return shell::FormatReal(width, decimals, x);
}

std::string StandardHeaderText(int plotScale) {
  const std::string w = IntegerText(16157LL * plotScale);
  const std::string h = IntegerText(11038LL * plotScale);
  return "IN;VS 1;PA;IW 0 0 " + w + " " + h + ";PU 0 0;EA " + w + " " + h + ";" +
         ";SP 4;PU 0 0;";
}

std::string MapHeaderText(int plotScale, int pen) {
  const std::string w = IntegerText(16157LL * plotScale);
  const std::string h = IntegerText(11038LL * plotScale);
  return "IN;VS 1;PA;IW 0 0 " + w + " " + h + ";SP " + IntegerText(pen) + ";PU 0 0;EA " + w +
         " " + h + ";PU 0 0;SI " + FormatPlotReal(5, 2, 0.22 * plotScale) + "," +
         FormatPlotReal(5, 2, 0.32 * plotScale);
}

int GridSpacingFromText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || res.ec != std::errc() || res.ptr != text.data() + text.size() ||
      value <= 0) {
    return 10;
  }
  return value;
}

DxfScale DxfScaleFor(const config::DialKindRow& kind) {
  return {kind.dxfPlotScale, kind.dxfDivisor};
}

DxfScale DxfScaleFor(const config::DialParameters& dial) {
  return DxfScaleFor(config::KindRow(dial));
}

DxfScale DxfScaleForKind(char kind, int variantNumber) {
  return DxfScaleFor(config::KindRow(kind, false, variantNumber - 1));
}

// A writer destroyed without Close leaves no file: the plot is not complete.
HpglWriter::~HpglWriter() = default;

bool HpglWriter::Open(const std::filesystem::path& file) {
  fileName_ = file;
  return file_.Open(file);
}

bool HpglWriter::Close() {
  if (!file_.IsOpen()) return !file_.Failed();
  return file_.Commit();
}

void HpglWriter::Put(std::string_view text) {
  if (text.empty()) return;
  if (!file_.IsOpen()) {
    memory_.append(text);
    return;
  }
  file_.Write(text);
}

void HpglWriter::SetLineStrength(int strength) {
  lineStrength_ = strength < 1 ? 1 : (strength > 3 ? 3 : strength);
}

void HpglWriter::PutThinPen() {
  if (lineStrength_ > 1) Put(";PW 0;");
}

void HpglWriter::PutConstructionPen() {
  if (lineStrength_ > 1) Put(";PW " + IntegerText(lineStrength_ - 1) + ";");
}

void HpglWriter::PutLabel(std::string_view text) {
  Put("LB" + LabelToWindows1252(text) + "\x03");
}

void HpglWriter::PutGrid(double x0, double y0, double right, double top, double spacing) {
  Put(";IW 0 0 " + FormatCoordinate(right) + " " + FormatCoordinate(top) + ";SP 9;PU " +
      FormatCoordinate(x0) + " " + FormatCoordinate(y0) + ";CI 80;");
  const double d = spacing;
  if (!(d >= 1.0) || !std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(right) ||
      !std::isfinite(top)) {
    Put("PU ;");
    return;
  }
  // Steps are counted instead of repeated, so that a far-away origin costs
  // nothing; the loops after each count only settle rounding at the bound.
  auto clampUnits = [](double v) {
    return v > 2 * kCoordinateLimit ? 2 * kCoordinateLimit
                                    : (v < -2 * kCoordinateLimit ? -2 * kCoordinateLimit : v);
  };
  x0 = clampUnits(x0);
  y0 = clampUnits(y0);
  right = clampUnits(right);
  top = clampUnits(top);
  auto first = [d](double origin) {
    double a = origin;
    if (a > d + 2) a -= std::ceil((a - d - 2) / d) * d;
    while (a > d + 2) a -= d;
    while (a + d <= d + 2 && a + d <= origin) a += d;
    return a;
  };
  auto last = [d](double start, double bound) {
    double g = start;
    if (g < bound - d - 2) g += std::ceil((bound - d - 2 - g) / d) * d;
    while (g < bound - d - 2) g += d;
    while (g - d >= bound - d - 2 && g - d >= start) g -= d;
    return g;
  };
  const double a = first(x0);
  const double b = first(y0);
  const double g = last(a, right);
  const double h = last(b, top);
  const long long columns = std::llround((g - a) / d);
  const long long rows = std::llround((h - b) / d);
  const std::string bText = FormatCoordinate(b), hText = FormatCoordinate(h);
  for (long long i = 0; i <= columns; ++i) {
    const std::string x = FormatCoordinate(a + static_cast<double>(i) * d);
    Put("PU " + x + " " + bText + ";PD " + x + " " + hText + ";");
  }
  const std::string aText = FormatCoordinate(a), gText = FormatCoordinate(g);
  for (long long i = 0; i <= rows; ++i) {
    const std::string y = FormatCoordinate(b + static_cast<double>(i) * d);
    Put("PU " + aText + " " + y + ";PD " + gText + " " + y + ";");
  }
  Put("PU ;");
}

}  // namespace kelvra::output

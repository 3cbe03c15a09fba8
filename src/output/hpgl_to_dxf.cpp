#include "output/hpgl_to_dxf.h"

#include <sys/stat.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <system_error>

#include "astro/angles.h"
#include "output/code_page.h"
#include "output/hpgl_writer.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/safe_save.h"
#include "texts/output.h"

namespace kelvra::output {

namespace {

using astro::Degrees;
using astro::Radians;

// Argument texts of ordinary commands are cut at this length.
constexpr std::size_t kLongCommand = 253;
constexpr std::size_t kCutCommand = 250;
// Longest number token kept for reading; longer ones cannot be read.
constexpr std::size_t kMaxToken = 64;
// Length of the rest of an argument quoted in a note.
constexpr std::size_t kNoteRest = 230;

std::string Fixed(int width, int decimals, double x) {
  return FormatPlotReal(width, decimals, x);
}

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
}

bool IsSeparator(char c) {
  return c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\n';
}

// Reads a whole token made of + - . and digits; nothing when it is not a number.
bool ReadNumber(std::string_view token, double& value) {
  if (token.empty() || token.size() > kMaxToken) return false;
  // Plain whole numbers, the usual case, without the general reader.
  if (token.size() <= 15) {
    std::size_t i = (token[0] == '-' || token[0] == '+') ? 1 : 0;
    if (i < token.size()) {
      long long v = 0;
      std::size_t k = i;
      while (k < token.size() && token[k] >= '0' && token[k] <= '9') v = v * 10 + (token[k++] - '0');
      if (k == token.size()) {
        value = static_cast<double>(token[0] == '-' ? -v : v);
        return true;
      }
    }
  }
  for (char c : token)
    if (!IsNumberChar(c)) return false;
  if (token.front() == '+') token.remove_prefix(1);
  if (token.empty() || token.front() == '+') return false;
  auto res = std::from_chars(token.data(), token.data() + token.size(), value,
                             std::chars_format::fixed);
  return res.ec == std::errc() && res.ptr == token.data() + token.size() && std::isfinite(value);
}

// Splits an argument into tokens at blanks, commas and semicolons.
std::vector<std::string_view> Tokens(std::string_view arg) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < arg.size()) {
    while (i < arg.size() && IsSeparator(arg[i])) ++i;
    std::size_t start = i;
    while (i < arg.size() && !IsSeparator(arg[i])) ++i;
    if (i > start) out.push_back(arg.substr(start, i - start));
  }
  return out;
}

class Converter {
 public:
  Converter(int lineStrength, double divisor) : divisor_(divisor > 0 ? divisor : 1.0) {
    if (lineStrength < 1) lineStrength = 1;
    if (lineStrength > 3) lineStrength = 3;
    const double width = (6.0 * lineStrength - 6.0) / divisor_;
    if (width == 0.0) {
      lineWidth_ = "0";
    } else {
      char buf[32];
      auto r = std::to_chars(buf, buf + sizeof buf, width);
      lineWidth_.assign(buf, r.ptr);
    }
    textHeight_ = Fixed(6, 2, 2.7 / (divisor_ / 40.0));
  }

  DxfConversionResult result;

  // Runs the interpreter over the plot file; the header is written first.
  void Run(std::FILE* in, shell::SafeSaveFile& out) {
    out_ = &out;
    WriteHeader();
    int c = FirstLetter(in);
    while (c != EOF) {
      int c2 = getc_unlocked(in);
      if (c2 == EOF) break;  // a truncated file ends here
      std::string command;
      command.push_back(Upper(static_cast<char>(c)));
      command.push_back(Upper(static_cast<char>(c2)));
      if (c2 == ';' || c2 == '\r') {
        command.pop_back();
        Execute(command, "");
      } else if (command == "PD" || command == "PU" || command == "PA" || command == "PR") {
        CoordinateList(in, command);
      } else {
        ReadArgument(in, command);
      }
      c = NextLetter(in);
    }
    ClosePolyline();
    Line("ENDSEC");
    Line("  0");
    Line("EOF");
  }

  static int FirstLetter(std::FILE* in) { return NextLetter(in); }

 private:
  static char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

  // Skips everything up to the next letter (a character code above 64).
  static int NextLetter(std::FILE* in) {
    int c;
    do {
      c = getc_unlocked(in);
    } while (c != EOF && c <= 64);
    return c;
  }

  // Notes are UTF-8 texts for people: control characters become blanks and
  // bytes that are no UTF-8 are read as Windows-1252.
  static std::string Printable(std::string_view raw) {
    std::string text(raw);
    for (char& c : text)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return IsValidUtf8(text) ? text : Windows1252ToUtf8(text);
  }

  void Note(std::string_view text) {
    if (result.notes.size() >= kMaxDxfNotes) {
      ++result.omittedNotes;
      return;
    }
    std::string note = Printable(text.substr(0, 300));
    while (!note.empty() && !IsValidUtf8(note)) note.pop_back();  // a cut sequence
    result.notes.push_back(std::move(note));
  }

  void Line(std::string_view text) { out_->WriteLine(text); }

  // ---- arguments ----------------------------------------------------------

  // Reads the argument of an ordinary command (up to ";" or CR, LB up to ETX),
  // cuts it at 250 characters with an error box, then executes it.
  void ReadArgument(std::FILE* in, const std::string& command) {
    const bool label = command == "LB";
    std::string arg;
    bool tooLong = false;
    int c;
    while ((c = getc_unlocked(in)) != EOF) {
      if (label ? c == 3 : (c == ';' || c == '\r')) break;
      if (arg.size() < kLongCommand) {
        arg.push_back(static_cast<char>(c));
      } else {
        tooLong = true;  // the rest up to the end of the command is dropped
      }
    }
    if (arg.size() >= kLongCommand) tooLong = true;
    if (tooLong) {
      const std::string message = Printable(command + arg) + shell::Get(texts::output::kTooLong);
      if (!tooLongShown_) {
        tooLongShown_ = true;
        shell::ShowMessage(shell::MessageKind::Error, message);
      }
      Note(message);
      arg.resize(kCutCommand);
    }
    if (!label) {
      while (!arg.empty() && (arg.back() == ' ' || arg.back() == ',' || arg.back() == ';' ||
                              arg.back() == '\t' || arg.back() == '\n'))
        arg.pop_back();
    }
    Execute(command, arg);
  }

  // PD, PU, PA, PR: the coordinate pairs are read and executed as they come,
  // so a list may be as long as it likes.
  void CoordinateList(std::FILE* in, const std::string& command) {
    if (command == "PU") {
      ClosePolyline();
      penDown_ = false;
    } else if (command == "PD") {
      penDown_ = true;
    } else if (command == "PA") {
      absolute_ = true;
    } else {
      absolute_ = false;
    }
    std::string token;
    bool tokenTooLong = false;
    double pending = 0.0;
    bool havePending = false;
    int c;
    for (;;) {
      c = getc_unlocked(in);
      const bool end = c == EOF || c == ';' || c == '\r';
      if (end || IsSeparator(static_cast<char>(c))) {
        if (!token.empty()) {
          double value = 0.0;
          if (tokenTooLong || !ReadNumber(token, value)) {
            SkipBadNumber(in, command, token, end ? c : 0);
            return;
          }
          token.clear();
          if (havePending) {
            Point(pending, value);
            havePending = false;
          } else {
            pending = value;
            havePending = true;
          }
        }
        if (end) return;
        continue;
      }
      if (token.size() < kMaxToken) {
        token.push_back(static_cast<char>(c));
      } else {
        tokenTooLong = true;
      }
    }
  }

  // The note for an unreadable number; the rest of the argument is skipped.
  void SkipBadNumber(std::FILE* in, const std::string& command, const std::string& token,
                     int endChar) {
    std::string rest = token;
    if (endChar == 0) {
      rest.push_back(' ');
      int c;
      while ((c = getc_unlocked(in)) != EOF && c != ';' && c != '\r') {
        if (rest.size() < kNoteRest) rest.push_back(static_cast<char>(c));
      }
    }
    Note("Error in HPGL-command:" + command + " " + rest + ";");
  }

  // Reads all numbers of an argument; false (with the note) at the first
  // unreadable one, `numbers` then holds those before it.
  bool Numbers(const std::string& command, std::string_view arg, std::vector<double>& numbers) {
    numbers.clear();
    for (std::string_view token : Tokens(arg)) {
      double v = 0.0;
      if (!ReadNumber(token, v)) {
        std::string_view rest = arg.substr(static_cast<std::size_t>(token.data() - arg.data()));
        Note("Error in HPGL-command:" + command + " " + std::string(rest.substr(0, kNoteRest)) +
             ";");
        return false;
      }
      numbers.push_back(v);
    }
    return true;
  }

  // ---- commands -----------------------------------------------------------

  void Execute(const std::string& command, const std::string& arg) {
    if (command == "IN") {
      ClosePolyline();
      absolute_ = true;
      SetCurrent(0.0, 0.0, "0.00", "0.00");
      alternateSet_ = false;
    } else if (command == "PA" || command == "PR" || command == "PU" || command == "PD") {
      // Reached only when the command ended right after its letters.
      if (command == "PU") {
        ClosePolyline();
        penDown_ = false;
      } else if (command == "PD") {
        penDown_ = true;
      } else {
        absolute_ = command == "PA";
      }
    } else if (command == "SP") {
      SelectPen(arg);
    } else if (command == "LT") {
      LineType(command, arg);
    } else if (command == "PW") {
      PenWidth(command, arg);
    } else if (command == "CI") {
      Circle(command, arg);
    } else if (command == "AA" || command == "AR") {
      Arc(command, arg);
    } else if (command == "EA" || command == "ER") {
      RectangleTo(command, arg);
    } else if (command == "SI") {
      CharacterSize(command, arg);
    } else if (command == "DI") {
      Direction(arg);
    } else if (command == "SL") {
      Slant(arg);
    } else if (command == "LB") {
      Label(arg);
    } else if (command == "IW") {
      InputWindow(command, arg);
    } else if (command == "SA") {
      alternateSet_ = true;
    } else if (command == "SS") {
      alternateSet_ = false;
    } else if (command == "VS") {
      // pen speed: nothing to draw
    } else {
      Note("Command: " + command + "; not supported!");
    }
  }

  void SelectPen(const std::string& arg) {
    std::string text;
    for (char c : arg)
      if (c != ' ') text.push_back(c);
    int pen = 0;
    if (!text.empty()) {
      double v = 0.0;
      if (!ReadNumber(text, v) || v != std::floor(v) || v < 0 || v > 255) {
        // Layer names and colour numbers must stay valid: keep the old pen.
        Note("Error in HPGL-command:SP " + text.substr(0, kNoteRest) + ";");
        return;
      }
      pen = static_cast<int>(v);
    }
    ClosePolyline();
    char buf[8];
    auto r = std::to_chars(buf, buf + sizeof buf, pen);
    pen_.assign(buf, r.ptr);
    UpdateVertexPrefix();
    converted_ = true;
  }

  void LineType(const std::string& command, const std::string& arg) {
    std::vector<double> n;
    if (!Numbers(command, arg, n)) n.clear();
    std::string type = "CONTINUOUS";
    if (!n.empty()) {
      const double t = n[0];
      if (t == 1) type = "DOT";
      else if (t == 2 || t == 3) type = "DASHED";
      else if (t == 4) type = "DASHDOT";
    }
    lineType_ = type;
    UpdateVertexPrefix();
  }

  void PenWidth(const std::string& command, const std::string& arg) {
    Note("Command PW (=Penwidth) only supported by HPGL2.");
    const auto tokens = Tokens(arg);
    if (tokens.empty()) {
      lineWidth_.clear();
      return;
    }
    if (tokens.size() == 1 && tokens[0] == "0") {
      lineWidth_ = "0";
      return;
    }
    std::vector<double> n;
    if (!Numbers(command, arg, n) || n.empty()) return;
    lineWidth_ = Fixed(6, 2, n[0] * 4.0 / divisor_);
  }

  void Circle(const std::string& command, const std::string& arg) {
    std::vector<double> n;
    if (!Numbers(command, arg, n) || n.empty()) return;
    ClosePolyline();
    const double r = std::fabs(n[0]) / divisor_;
    const std::string rText = Fixed(10, 4, r);
    if (r < 0.00005) return;  // a circle without extent draws nothing
    Line("CIRCLE");
    Line("  8");
    Line(layer_);
    Line(" 62");
    Line(pen_);
    Line(" 10");
    Line(curXText_);
    Line(" 20");
    Line(curYText_);
    Line(" 40");
    Line(rText);
    Line("0");
    converted_ = true;
  }

  void Arc(const std::string& command, const std::string& arg) {
    ClosePolyline();
    std::vector<double> n;
    const auto tokens = Tokens(arg);
    if (tokens.size() < 3) {
      Numbers(command, arg, n);
      return;
    }
    double x = 0, y = 0, sweep = 0;
    if (!ReadNumber(tokens[0], x) || !ReadNumber(tokens[1], y)) {
      Numbers(command, arg, n);
      return;
    }
    if (!ReadNumber(tokens[2], sweep)) {
      Note("Fehler bei der Konvertierung des Bogenwinkels.");
      return;
    }
    double cx = x / divisor_, cy = y / divisor_;
    if (command == "AR") {
      cx += curX_;
      cy += curY_;
    }
    const double dx = curX_ - cx, dy = curY_ - cy;
    const double radius = std::hypot(dx, dy);
    const std::string rText = Fixed(10, 4, radius);
    if (sweep == 0.0 || radius < 0.00005) return;  // no arc to draw
    double direction;
    if (std::fabs(dx) < 1e-4) {
      direction = dy >= 0 ? 90.0 : -90.0;
    } else {
      direction = Degrees(std::atan2(dy, dx));
    }
    const double end = direction + sweep;
    const double startAngle = sweep > 0 ? direction : end;
    const double endAngle = sweep > 0 ? end : direction;
    Line("ARC");
    Line("  8");
    Line(layer_);
    Line(" 62");
    Line(pen_);
    Line(" 10");
    Line(Fixed(10, 4, cx));
    Line(" 20");
    Line(Fixed(10, 4, cy));
    Line(" 40 ");
    Line(rText);
    Line(" 50");
    Line(Fixed(7, 2, startAngle));
    Line(" 51");
    Line(Fixed(7, 2, endAngle));
    Line("0");
    converted_ = true;
    const double ex = cx + radius * std::cos(Radians(end));
    const double ey = cy + radius * std::sin(Radians(end));
    SetCurrent(ex, ey, Fixed(11, 5, ex), Fixed(11, 5, ey));
  }

  void RectangleTo(const std::string& command, const std::string& arg) {
    std::vector<double> n;
    if (!Numbers(command, arg, n) || n.size() < 2) return;
    ClosePolyline();
    double x = n[0] / divisor_, y = n[1] / divisor_;
    std::string xText, yText;
    if (command == "ER") {
      x += curX_;
      y += curY_;
      xText = Fixed(11, 5, x);
      yText = Fixed(11, 5, y);
    } else {
      xText = Fixed(10, 4, x);
      yText = Fixed(10, 4, y);
    }
    OpenPolylineEntity();
    Vertex(curXText_, curYText_);
    Vertex(xText, curYText_);
    Vertex(xText, yText);
    Vertex(curXText_, yText);
    Vertex(curXText_, curYText_);
    polylineOpen_ = true;
    ClosePolyline();
    converted_ = true;
  }

  void CharacterSize(const std::string& command, const std::string& arg) {
    std::vector<double> n;
    if (!Numbers(command, arg, n)) return;
    if (n.empty()) {
      textHeight_ = Fixed(6, 2, 2.7 / (divisor_ / 40.0));
      widthFactor_ = "0.7";
      return;
    }
    if (n.size() < 2 || n[1] == 0.0) {
      Note("Error in HPGL-command:" + command + " " + arg.substr(0, kNoteRest) + ";");
      return;
    }
    const double height = n[1] * 400.0 / divisor_;
    textHeight_ = Fixed(6, 2, height);
    widthFactor_ = Fixed(6, 2, n[0] * 400.0 * 1.4 / divisor_ / height);
  }

  void Direction(const std::string& arg) {
    const auto tokens = Tokens(arg);
    if (tokens.empty()) {
      textAngle_ = "0.0";
      return;
    }
    double run = 0, rise = 0;
    if (tokens.size() < 2 || !ReadNumber(tokens[0], run) || !ReadNumber(tokens[1], rise)) {
      std::string runText(tokens[0].substr(0, kNoteRest));
      std::string riseText(tokens.size() > 1 ? tokens[1].substr(0, kNoteRest) : "");
      Note("Fehler bei der Angabe der Schriftrichtung: " + runText + ";" + riseText);
      textAngle_ = "0.0";
      return;
    }
    // The full-quadrant arc tangent, so that a label running to the left
    // (negative run) is turned the right way.
    textAngle_ = run == 0.0 ? "0.0" : Fixed(5, 1, Degrees(std::atan2(rise, run)));
  }

  void Slant(const std::string& arg) {
    if (arg.empty()) {
      slant_ = "0.0";
      return;
    }
    const auto tokens = Tokens(arg);
    double v = 0;
    if (tokens.empty() || !ReadNumber(tokens[0], v)) {
      Note("Fehler im Befehl SL :" + arg.substr(0, kNoteRest) + "!");
      return;
    }
    slant_ = Fixed(5, 1, Degrees(std::atan(v)));
  }

  void Label(const std::string& arg) {
    ClosePolyline();
    std::string text = LabelToWindows1252(arg);
    if (text == "^") text = "^ ";
    Line("TEXT");
    Line("  8");
    Line(layer_);
    Line(" 62");
    Line(pen_);
    Line(" 10");
    Line(curXText_);
    Line(" 20");
    Line(curYText_);
    Line(" 40");
    Line(textHeight_);
    Line(" 41");
    Line(widthFactor_);
    Line("  1");
    Line(text);
    Line(" 50");
    Line(textAngle_);
    Line(" 51");
    Line(slant_);
    Line("  7");
    Line(alternateSet_ ? "symbols" : "STANDARD");
    Line("  0");
    converted_ = true;
  }

  void InputWindow(const std::string& command, const std::string& arg) {
    std::vector<double> n;
    if (!arg.empty() && Numbers(command, arg, n) && n.size() >= 4) {
      double x1 = n[0] / divisor_, y1 = n[1] / divisor_;
      double x2 = n[2] / divisor_, y2 = n[3] / divisor_;
      if (x1 > x2) std::swap(x1, x2);
      if (y1 > y2) std::swap(y1, y2);
      winX1_ = x1;
      winY1_ = y1;
      winX2_ = x2;
      winY2_ = y2;
      return;
    }
    // The whole plot page in millimetres, whatever the file's scale.
    winX1_ = 0.0;
    winY1_ = 0.0;
    winX2_ = 16400.0 / 40.0;
    winY2_ = 11480.0 / 40.0;
  }

  // ---- drawing ------------------------------------------------------------

  void SetCurrent(double x, double y, std::string xText, std::string yText) {
    curX_ = x;
    curY_ = y;
    curXText_ = std::move(xText);
    curYText_ = std::move(yText);
  }

  // One coordinate pair of PU, PD, PA or PR.
  void Point(double xUnits, double yUnits) {
    double x = xUnits / divisor_, y = yUnits / divisor_;
    std::string xText, yText;
    if (absolute_) {
      xText = Fixed(10, 4, x);
      yText = Fixed(10, 4, y);
    } else {
      x += curX_;
      y += curY_;
      xText = Fixed(11, 5, x);
      yText = Fixed(11, 5, y);
    }
    if (!penDown_) {
      ClosePolyline();
      SetCurrent(x, y, std::move(xText), std::move(yText));
      return;
    }
    DrawTo(x, y, std::move(xText), std::move(yText));
  }

  void DrawTo(double x, double y, std::string xText, std::string yText) {
    const bool clipping = winX2_ - winX1_ != 0.0;
    if (!clipping) {
      if (!polylineOpen_) OpenPolyline(curXText_, curYText_);
      Vertex(xText, yText);
      SetCurrent(x, y, std::move(xText), std::move(yText));
      return;
    }
    // Liang-Barsky clipping of the segment from the current point.
    const double x0 = curX_, y0 = curY_;
    const double dx = x - x0, dy = y - y0;
    double t0 = 0.0, t1 = 1.0;
    bool visible = true;
    auto edge = [&](double p, double q) {
      if (p == 0.0) {
        if (q < 0.0) visible = false;
        return;
      }
      const double t = q / p;
      if (p < 0.0) {
        if (t > t1) visible = false;
        else if (t > t0) t0 = t;
      } else {
        if (t < t0) visible = false;
        else if (t < t1) t1 = t;
      }
    };
    edge(-dx, x0 - winX1_);
    if (visible) edge(dx, winX2_ - x0);
    if (visible) edge(-dy, y0 - winY1_);
    if (visible) edge(dy, winY2_ - y0);
    if (!visible) {
      ClosePolyline();
    } else {
      if (t0 > 0.0) {
        ClosePolyline();
        OpenPolyline(Fixed(11, 4, x0 + t0 * dx), Fixed(11, 4, y0 + t0 * dy));
      } else if (!polylineOpen_) {
        OpenPolyline(curXText_, curYText_);
      }
      if (t1 < 1.0) {
        Vertex(Fixed(11, 4, x0 + t1 * dx), Fixed(11, 4, y0 + t1 * dy));
        ClosePolyline();
      } else {
        Vertex(xText, yText);
      }
    }
    SetCurrent(x, y, std::move(xText), std::move(yText));
  }

  void OpenPolylineEntity() {
    Line("POLYLINE");
    Line("  8");
    Line(layer_);
    Line(" 62");
    Line(pen_);
    Line("  6");
    Line(lineType_);
    Line(" 66");
    Line("1");
    const std::string& w = lineWidth_.empty() ? kDefaultWidth : lineWidth_;
    Line(" 40 ");
    Line(w);
    Line(" 41 ");
    Line(w);
    Line("  0");
  }

  void OpenPolyline(const std::string& xText, const std::string& yText) {
    OpenPolylineEntity();
    polylineOpen_ = true;
    Vertex(xText, yText);
  }

  void Vertex(const std::string& xText, const std::string& yText) {
    out_->Write(vertexPrefix_);
    Line(xText);
    Line(" 20");
    Line(yText);
    Line("0");
    ++result.vertices;
    converted_ = true;
  }

  void ClosePolyline() {
    if (!polylineOpen_) return;
    polylineOpen_ = false;
    Line("SEQEND");
    Line("  8");
    Line(layer_);
    Line("  0");
  }

  void UpdateVertexPrefix() {
    layer_ = "L_" + pen_;
    vertexPrefix_ = "VERTEX\r\n  8\r\n" + layer_ + "\r\n 62\r\n" + pen_ + "\r\n  6\r\n" +
                    lineType_ + "\r\n 10\r\n";
  }

  // ---- DXF sections ---------------------------------------------------------

  void Lines(std::initializer_list<std::string_view> lines) {
    for (auto l : lines) Line(l);
  }

  void WriteHeader() {
    // The plot page in millimetres (16440 x 11500 units at 40 units per mm),
    // whatever the divisor, so that a reader opens the drawing as a whole.
    Lines({"0", "SECTION", "  2", "HEADER", "  9", "$EXTMIN", " 10", "0.000", " 20", "0.0",
           "  9", "$EXTMAX", " 10", "  411.00", " 20", "  287.50", "  9", "$LIMMIN", " 10",
           "0.000", " 20", "0.0", "  9", "$LIMMAX", " 10", "  411.00", " 20", "  287.50",
           "  9", "$LTSCALE", " 40", "1.0", "  0", "ENDSEC"});
    Lines({"  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE", " 70", "     4",
           "  0"});
    Lines({"LTYPE", "  2", "CONTINUOUS", " 70", "64", "  3", "Solid line", " 72", "65", " 73",
           "0", " 40", "0.0", "  0"});
    // Half dash, half gap: a dash as long as the whole pattern would draw a solid line.
    Lines({"LTYPE", "  2", "DASHED", " 70", "64", "  3", "- - - - - - ", " 72", "65", " 73", "2",
           " 40", "3.000001", " 49", "1.500000", " 49", "-1.500001", "  0"});
    Lines({"LTYPE", "  2", "DASHDOT", " 70", "64", "  3", "- . - . - . - . ", " 72", "65",
           " 73", "4", " 40", "12.000004", " 49", "6.000002", " 49", "-3.000001", " 49",
           "0.00000", " 49", "-3.00001", "  0"});
    Lines({"LTYPE", "  2", "DOT", " 70", "64", "  3", ". . . .  ", " 72", "65", " 73", "2",
           " 40", "3.000001", " 49", "0.00000", " 49", "-3.000001", "  0"});
    Line("ENDTAB");
    Lines({"  0", "TABLE", "  2", "LAYER", " 70", "     9", "  0"});
    for (int n = 1; n <= 10; ++n) {
      const std::string number = std::to_string(n);
      Lines({"LAYER", " 70", "64", "  2"});
      Line("L_" + number);
      Line(" 62");
      Line(number);
      Lines({"  6", "CONTINUOUS", "  0"});
    }
    Line("ENDTAB");
    Lines({"  0", "TABLE", "  2", "STYLE", " 70", "   3", "  0"});
    Lines({"STYLE", "  2", "STANDARD", " 70", "0", " 40", "0.0", " 41", "1.00", " 50", "0.0",
           " 71", "     0", " 42", "2.4", "  3", "txt", "  4", "", "  0"});
    Lines({"STYLE", "  2", "shx-font", " 70", "  1", " 40", "0.0", " 41", "1.00", " 50", "0.0",
           " 71", "     0", " 42", "2.4", "  3", "ltypeshp.shx", "  4", "", "  0"});
    Lines({"STYLE", " 5", "2D", "100", "AcDbSymbolTableRecord", "100",
           "AcDbTextSTyleTableRecord", "  2", "symbols", " 70", "0", " 40", "0.0", " 41", "1.0",
           " 50", "0.0", " 71", "     0", " 42", "2.4", "  3", "WINGDING.TTF", "  4", "",
           "  0"});
    Lines({"ENDTAB", "  0", "ENDSEC"});
    Lines({"  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC"});
    Lines({"0", "SECTION", "2", "ENTITIES", "0"});
  }

 public:
  bool converted() const { return converted_; }

 private:
  inline static const std::string kDefaultWidth = "0.8";

  shell::SafeSaveFile* out_ = nullptr;
  double divisor_;
  double curX_ = 0.0, curY_ = 0.0;
  std::string curXText_ = "0.0", curYText_ = "0.0";
  bool penDown_ = false;
  bool absolute_ = true;
  std::string pen_ = "0";
  std::string layer_ = "L_0";
  std::string lineType_ = "CONTINUOUS";
  std::string vertexPrefix_ = "VERTEX\r\n  8\r\nL_0\r\n 62\r\n0\r\n  6\r\nCONTINUOUS\r\n 10\r\n";
  std::string lineWidth_;
  std::string textHeight_;
  std::string widthFactor_ = "0.7";
  std::string textAngle_ = "0.0";
  std::string slant_ = "0.0";
  bool alternateSet_ = false;
  double winX1_ = 0.0, winY1_ = 0.0, winX2_ = 0.0, winY2_ = 0.0;
  bool polylineOpen_ = false;
  bool converted_ = false;
  bool tooLongShown_ = false;
};

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};

}  // namespace

DxfConversionResult ConvertHpglToDxf(const std::filesystem::path& hpglFile,
                                     const std::filesystem::path& dxfFile, int lineStrength,
                                     double divisor) {
  using shell::MessageKind;
  DxfConversionResult result;
  const std::string hpglName = hpglFile.string();
  const std::string dxfName = dxfFile.string();

  // Converting a file onto itself would replace the plot by its drawing.
  std::error_code sameError;
  if (std::filesystem::equivalent(hpglFile, dxfFile, sameError) && !sameError) {
    shell::ShowMessage(MessageKind::Error, hpglName + ":\n" + shell::Get(texts::output::kSameFile));
    result.status = DxfConversionStatus::SameFile;
    return result;
  }
  std::unique_ptr<std::FILE, FileCloser> in(std::fopen(hpglFile.c_str(), "rb"));
  struct stat inputStat{};
  if (in && (::fstat(::fileno(in.get()), &inputStat) != 0 || !S_ISREG(inputStat.st_mode))) {
    // A folder, a device or a pipe is no plot file; /dev/zero would never end.
    in.reset();
  }
  if (!in) {
    shell::ShowMessage(MessageKind::Error,
                       hpglName + ":\n" + shell::Get(texts::output::kOpenError));
    result.status = DxfConversionStatus::InputUnreadable;
    return result;
  }
  static thread_local std::vector<char> inputBuffer(1 << 16);
  std::setvbuf(in.get(), inputBuffer.data(), _IOFBF, inputBuffer.size());

  // A plot file holds at least one letter.
  if (Converter::FirstLetter(in.get()) == EOF) {
    if (std::ferror(in.get())) {
      shell::ShowMessage(MessageKind::Error,
                         hpglName + ":\n" + shell::Get(texts::output::kOpenError));
      result.status = DxfConversionStatus::InputUnreadable;
      return result;
    }
    result.notes.push_back(hpglName + " ist kein HPGL-File!");
    shell::ShowMessage(MessageKind::Warning,
                       "   File " + hpglName + shell::Get(texts::output::kNotConverted));
    result.status = DxfConversionStatus::NotHpgl;
    return result;
  }
  std::rewind(in.get());

  shell::SafeSaveFile out;
  if (!out.Open(dxfFile)) {
    shell::ShowMessage(MessageKind::Error, dxfName + ":\n" + shell::Get(texts::output::kOpenError) +
                                               "\n" + out.Result().reason);
    result.status = DxfConversionStatus::OutputFailed;
    return result;
  }

  Converter converter(lineStrength, divisor);
  converter.Run(in.get(), out);
  result = std::move(converter.result);

  if (std::ferror(in.get())) {
    out.Discard();
    shell::ShowMessage(MessageKind::Error,
                       hpglName + ":\n" + shell::Get(texts::output::kOpenError));
    result.status = DxfConversionStatus::InputUnreadable;
    return result;
  }
  if (!converter.converted()) {
    out.Discard();
    shell::ShowMessage(MessageKind::Error,
                       "File " + hpglName + shell::Get(texts::output::kNotConverted));
    result.status = DxfConversionStatus::NothingConverted;
    return result;
  }
  if (!out.Commit()) {
    shell::ShowMessage(MessageKind::Error, shell::Get(texts::output::kDxfWriteError) + dxfName +
                                               "\n" + out.Result().reason);
    result.status = DxfConversionStatus::OutputFailed;
    return result;
  }
  shell::ShowMessage(MessageKind::Information,
                     "\n       File " + dxfName + shell::Get(texts::output::kSaved));
  result.status = DxfConversionStatus::Converted;
  return result;
}

}  // namespace kelvra::output

#include "ui/calc/table_printing.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "canvas/font_faces.h"

namespace kelvra::ui {

namespace {

// A fixed-pitch font whose cell (ascent plus descent) is `height` units
// high: a font height on the printer page is the height of the character
// cell, not of the em, so a half-year row of 131 characters in height 39
// fits a landscape A4 page.
QFont PrintFont(const char* face, double height, bool bold, bool italic) {
  QFont f(canvas::SubstituteFace(face));
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setBold(bold);
  f.setItalic(italic);
  constexpr int kProbe = 1000;
  f.setPixelSize(kProbe);
  const double cell = QFontMetricsF(f).height();
  const double em = cell > 0 ? height * kProbe / cell : height;
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
  return f;
}

// A painter whose units are 0.1 mm from the printable corner of the page.
struct Page {
  QPainter& painter;
  double width = 0;   // W: the printable width in 0.1 mm
  double margin = 0;  // m: the unprintable left margin in 0.1 mm

  // Text with its top at y.
  void Text(const QFont& font, double x, double y, const std::string& line) {
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, y + QFontMetricsF(font).ascent()), QString::fromStdString(line));
  }
  double Width(const QFont& font, const std::string& line) {
    return QFontMetricsF(font).horizontalAdvance(QString::fromStdString(line));
  }
  void Frame(double left, double top, double right, double bottom, double pen) {
    painter.setPen(QPen(Qt::black, pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
  }
  void Line(double x1, double y1, double x2, double y2, double pen) {
    painter.setPen(QPen(Qt::black, pen));
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  }
};

// 1, or the factor on `height` that brings `line` in the face with `extra`
// units beside it within the page width (font sizes are whole units, so the
// rounded size is measured again).
double FitScale(Page& page, const char* face, double height, bool bold, const std::string& line,
                double extra) {
  const double room = page.width - extra;
  double scale = 1.0;
  for (int step = 0; step < 200 && scale > 0.1; ++step) {
    const double width = page.Width(PrintFont(face, height * scale, bold, false), line);
    if (width <= room) break;
    scale *= std::max(0.5, std::min(0.99, room / width));
  }
  return std::max(0.1, scale);
}

// The list as printed: a blank line first unless there is one.
std::vector<std::string> WithBlankFirst(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  if (lines.empty() || lines.front() != " ") out.push_back(" ");
  out.insert(out.end(), lines.begin(), lines.end());
  return out;
}

void PrintRiseSet(Page& page, const calc::Table& table) {
  const bool month = table.layout == calc::TableLayout::Month;
  const std::vector<std::string> lines = WithBlankFirst(table.lines);
  // Height 40 (the title 44) or 39; smaller when the page is too narrow.
  std::string widest;
  {
    const QFont probe = PrintFont("Courier new", 40, false, false);
    for (const auto& l : lines) {
      if (page.Width(probe, l) > page.Width(probe, widest)) widest = l;
    }
  }
  const double scale = FitScale(page, "Courier new", month ? 40 : 39, false, widest,
                                month ? 300 + 10 : page.margin + 60);
  const double height = (month ? 40 : 39) * scale;
  const double titleHeight = (month ? 44 : 39) * scale;
  const double spacing = 1.15 * height;
  const QFont body = PrintFont("Courier new", height, false, false);
  const double textWidth = page.Width(body, widest);
  const double x =
      month ? 300 : std::max(4.0, std::floor((page.width - textWidth - page.margin) / 2) + 25);
  const double y0 = month ? 200 : 70;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool title = i == 1;
    const bool last = i + 1 == lines.size();
    const QFont font = PrintFont("Courier new", title ? titleHeight : height, title, last);
    page.Text(font, x, y0 + spacing * static_cast<double>(i), lines[i]);
  }
  const double top = y0 + 170;
  const double bottom = y0 + spacing * static_cast<double>(lines.size() - 1) - 30;
  page.Frame(x - 25, top, x + textWidth, bottom, 2);
  const std::vector<std::pair<double, double>> groups =
      month ? std::vector<std::pair<double, double>>{{6.0 / 67, 20.0 / 67}, {35.0 / 67, 50.0 / 67}}
            : std::vector<std::pair<double, double>>{
                  {5.0 / 125, 25.0 / 125}, {44.0 / 125, 64.0 / 125}, {83.0 / 125, 103.0 / 125}};
  for (const auto& [from, to] : groups) {
    page.Frame(x + from * textWidth, top, x + to * textWidth, bottom, 1);
  }
  const double rule = y0 + spacing + 180;
  page.Line(x - 25, rule, x + textWidth, rule, 1);
}

void PrintYearly(Page& page, const calc::Table& table, const std::vector<std::string>& fullList) {
  const bool noon = table.layout == calc::TableLayout::YearlyNoon;
  const std::vector<std::string> all = WithBlankFirst(fullList);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < all.size(); ++i) {
    // True noon leaves out the blank in front, the two blanks after the
    // title, the blank explanation slot and the blank before day 1.
    if (noon && (i == 0 || i == 2 || i == 3 || i == 4 || i == 9)) continue;
    lines.push_back(all[i]);
  }
  std::string head;
  for (const auto& l : lines) {
    if (l.size() >= 9 && l.compare(6, 3, "Jan") == 0) head = l;
  }
  // Height 40, the title 50; smaller when the substitute face is too wide
  // for the head and its frame to fit the page.
  // The table is centred on the head, so the wider side of the frame counts
  // twice.
  const double frameExtra = noon ? 2 * 90 + 10 : 2 * 35 + 10;
  const double scale = FitScale(page, "MS Serif", 40, true, head, frameExtra);
  const double height = 40 * scale;
  const double L = 1.2 * height;
  const QFont body = PrintFont("MS Serif", height, true, false);
  const QFont titleFont = PrintFont("MS Serif", 50 * scale, true, false);
  const double headWidth = page.Width(body, head);
  const double x = std::max(1.0, std::floor((page.width - headWidth - page.margin) / 2) +
                                     std::floor(page.margin / 2));
  const double y0 = noon ? 50 : 200;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool title = i == (noon ? 0u : 1u);
    page.Text(title ? titleFont : body, x,
              y0 + L * static_cast<double>(i), lines[i]);
  }
  const double n = static_cast<double>(lines.size());
  double left, right, headTop, headBottom, tableTop, tableBottom, c1, c2;
  if (!noon) {
    left = x - 25;
    right = x + headWidth + 35;
    headTop = 200 + 7.5 * L;
    headBottom = 200 + 9.5 * L;
    tableTop = 200 - L;
    tableBottom = 200 + n * L;
    c1 = 0.9;
    c2 = 0.4;
  } else {
    left = x - 15;
    right = x + headWidth + 90;
    headTop = 50 + 3.5 * L;
    headBottom = 50 + 5 * L;
    tableTop = 50;
    tableBottom = 50 + (n - 1) * L;
    c1 = 1.3;
    c2 = 0.05;
  }
  page.Frame(left, headTop, right, headBottom, 2);
  page.Frame(left, tableTop, right, tableBottom, 2);
  for (const int i : {4, 24, 43, 63}) {
    const double c = i < 40 ? c1 : c2;
    const double at = x + std::round((i - c) * headWidth / 81.0);
    page.Line(at, headTop, at, tableBottom, 1);
  }
}

// Starts the job on `printer` in the orientation asked for, with `painter`
// in 0.1 mm from the printable corner; the printable width and left margin.
bool BeginPage(QPrinter& printer, bool landscape, QPainter& painter, TablePage* geometry) {
  printer.setFullPage(false);
  printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!painter.begin(&printer)) return false;
  const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  geometry->width = paint.width() * 10;
  geometry->margin = paint.left() * 10;
  const double perUnit = printer.resolution() / 254.0;
  painter.scale(perUnit, perUnit);
  return true;
}

}  // namespace

bool PrintsLandscape(calc::TableLayout layout) { return layout == calc::TableLayout::HalfYear; }

void PaintTablePage(QPainter& painter, const TablePage& geometry, const calc::Table& table,
                    const std::vector<std::string>& fullList) {
  Page page{painter, geometry.width, geometry.margin};
  if (table.layout == calc::TableLayout::Month || table.layout == calc::TableLayout::HalfYear) {
    PrintRiseSet(page, table);
  } else {
    PrintYearly(page, table, fullList);
  }
}

bool PrintTablePage(QPrinter& printer, const calc::Table& table,
                    const std::vector<std::string>& fullList) {
  QPainter painter;
  TablePage geometry;
  if (!BeginPage(printer, PrintsLandscape(table.layout), painter, &geometry)) return false;
  PaintTablePage(painter, geometry, table, fullList);
  return painter.end();
}

bool PrintEotByLongitude(QPrinter& printer, const std::vector<std::string>& lines) {
  QPainter painter;
  TablePage geometry;
  if (!BeginPage(printer, false, painter, &geometry)) return false;
  Page page{painter, geometry.width, geometry.margin};
  const double height = 38;
  const double L = 1.2 * height;
  const QFont font = PrintFont("MS Serif", height, true, false);
  constexpr std::size_t kLinesPerPage = 63;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0 && i % kLinesPerPage == 0) printer.newPage();
    page.Text(font, 150, 100 + L * static_cast<double>(i % kLinesPerPage), lines[i]);
  }
  return painter.end();
}

}  // namespace kelvra::ui

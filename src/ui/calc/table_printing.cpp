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

QFont PrintFont(const char* face, double height, bool bold, bool italic) {
  QFont f(canvas::SubstituteFace(face));
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(height))));
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

// A painter whose units are 0.1 mm from the printable corner of the page.
struct Page {
  QPainter painter;
  double width = 0;   // W: the printable width in 0.1 mm
  double margin = 0;  // m: the unprintable left margin in 0.1 mm

  bool Begin(QPrinter& printer, bool landscape) {
    printer.setFullPage(false);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!painter.begin(&printer)) return false;
    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    width = paint.width() * 10;
    margin = paint.left() * 10;
    const double perUnit = printer.resolution() / 254.0;
    painter.scale(perUnit, perUnit);
    return true;
  }

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
  const double height = month ? 40 : 39;
  const double spacing = 1.15 * height;
  const QFont body = PrintFont("Courier new", height, false, false);
  // The widest line: the second head line (the fifth of the table).
  double textWidth = 0;
  for (const auto& l : lines) textWidth = std::max(textWidth, page.Width(body, l));
  const double x =
      month ? 300 : std::max(4.0, std::floor((page.width - textWidth - page.margin) / 2) + 25);
  const double y0 = month ? 200 : 70;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool title = i == 1;
    const bool last = i + 1 == lines.size();
    const QFont font = PrintFont("Courier new", title ? (month ? 44 : height) : height, title, last);
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
  const double height = 40;
  const double L = 1.2 * height;
  const QFont body = PrintFont("MS Serif", height, true, false);
  std::string head;
  for (const auto& l : lines) {
    if (l.size() >= 9 && l.compare(6, 3, "Jan") == 0) head = l;
  }
  const double headWidth = page.Width(body, head);
  const double x = std::max(1.0, std::floor((page.width - headWidth - page.margin) / 2) +
                                     std::floor(page.margin / 2));
  const double y0 = noon ? 50 : 200;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool title = i == (noon ? 0u : 1u);
    page.Text(title ? PrintFont("MS Serif", 50, true, false) : body, x,
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

}  // namespace

bool PrintsLandscape(calc::TableLayout layout) { return layout == calc::TableLayout::HalfYear; }

bool PrintTablePage(QPrinter& printer, const calc::Table& table,
                    const std::vector<std::string>& fullList) {
  Page page;
  if (!page.Begin(printer, PrintsLandscape(table.layout))) return false;
  if (table.layout == calc::TableLayout::Month || table.layout == calc::TableLayout::HalfYear) {
    PrintRiseSet(page, table);
  } else {
    PrintYearly(page, table, fullList);
  }
  return page.painter.end();
}

bool PrintEotByLongitude(QPrinter& printer, const std::vector<std::string>& lines) {
  Page page;
  if (!page.Begin(printer, false)) return false;
  const double height = 38;
  const double L = 1.2 * height;
  const QFont font = PrintFont("MS Serif", height, true, false);
  constexpr std::size_t kLinesPerPage = 63;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0 && i % kLinesPerPage == 0) printer.newPage();
    page.Text(font, 150, 100 + L * static_cast<double>(i % kLinesPerPage), lines[i]);
  }
  return page.painter.end();
}

}  // namespace kelvra::ui

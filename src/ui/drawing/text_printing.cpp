#include "ui/drawing/text_printing.h"

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

// 0.1 mm per typographic point.
constexpr double kUnitsPerPoint = 254.0 / 72.0;

QFont FixedPitchFont(const std::string& face, double height, bool bold) {
  QFont f(canvas::SubstituteFace(face));
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(height))));
  f.setBold(bold);
  return f;
}

// A painter on the printer whose units are 0.1 mm from the printable corner.
struct PagePainter {
  QPainter painter;
  double width = 0;   // printable size in 0.1 mm
  double height = 0;

  bool Begin(QPrinter& printer, bool portrait) {
    printer.setFullPage(false);
    printer.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    if (!painter.begin(&printer)) return false;
    const double perUnit = printer.resolution() / 254.0;
    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    width = paint.width() * 10;
    height = paint.height() * 10;
    painter.scale(perUnit, perUnit);
    painter.setPen(Qt::black);
    return true;
  }
};

}  // namespace

bool PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines,
                    const TextPrintStyle& style) {
  PagePainter page;
  if (!page.Begin(printer, style.portrait)) return false;
  QPainter& p = page.painter;
  const double left = 100;
  const double top = 100;
  double y = top;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool header = static_cast<int>(i) < style.headerLines;
    const double height = (header ? style.headerPoints : style.bodyPoints) * kUnitsPerPoint;
    const QFont font = FixedPitchFont(style.face, height, style.bold);
    p.setFont(font);
    const double pitch = QFontMetricsF(font).lineSpacing();
    if (y + pitch > page.height - 50 && y > top) {
      static_cast<QPrinter*>(p.device())->newPage();
      y = top;
    }
    p.drawText(QPointF(left, y + QFontMetricsF(font).ascent()), QString::fromStdString(lines[i]));
    y += pitch;
  }
  return p.end();
}

bool PrintHourLineTable(QPrinter& printer, const std::string& heading,
                        const std::vector<std::string>& lines, const std::string& nextPageNote) {
  PagePainter page;
  if (!page.Begin(printer, true)) return false;
  QPainter& p = page.painter;
  const QString headingText = QString::fromStdString(heading);
  const double left = 100;
  // Height 40 with a pitch of 1.1 × the height, unless the widest line would
  // run off the page: then the face is narrowed to fit.
  double height = 40;
  QFont body = FixedPitchFont("Courier", height, true);
  double widest = 0;
  for (const std::string& l : lines)
    widest = std::max(widest, QFontMetricsF(body).horizontalAdvance(QString::fromStdString(l)));
  if (widest > page.width - left - 20 && widest > 0) {
    height = std::max(20.0, height * (page.width - left - 20) / widest);
    body = FixedPitchFont("Courier", height, true);
  }
  const double pitch = 1.1 * height;
  const QFont headingFont = FixedPitchFont("Courier", 48, true);

  auto drawHeading = [&]() {
    p.setFont(headingFont);
    const double w = QFontMetricsF(headingFont).horizontalAdvance(headingText);
    p.drawText(QPointF(900 - w / 2, 145 + QFontMetricsF(headingFont).ascent()), headingText);
    p.setFont(body);
    return 145 + 48 * 2.0;
  };
  double y = drawHeading();
  const double ascent = QFontMetricsF(body).ascent();
  for (const std::string& l : lines) {
    if (y + 2 * pitch > page.height - 50) {
      p.drawText(QPointF(left, y + ascent), QString::fromStdString(nextPageNote));
      static_cast<QPrinter*>(p.device())->newPage();
      y = drawHeading();
    }
    p.drawText(QPointF(left, y + ascent), QString::fromStdString(l));
    y += pitch;
  }
  return p.end();
}

}  // namespace kelvra::ui

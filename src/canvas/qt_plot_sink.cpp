#include "canvas/qt_plot_sink.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>

#include "astro/angles.h"
#include "canvas/font_faces.h"

namespace kelvra::canvas {

using output::BrushStyle;
using output::Color;
using output::FillMode;
using output::PenMode;
using output::PenStyle;

namespace {

QColor ToQColor(Color c) { return QColor(output::RedOf(c), output::GreenOf(c), output::BlueOf(c)); }

Color FromQRgb(QRgb rgb) { return output::RgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

QRectF NormalBox(int x1, int y1, int x2, int y2) {
  return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                QPointF(std::max(x1, x2), std::max(y1, y2)));
}

}  // namespace

PainterPlotSink::PainterPlotSink(output::SinkKind kind, int width, int height, bool raster)
    : PlotSink(kind, width, height), raster_(raster) {}

PainterPlotSink::~PainterPlotSink() { End(); }

bool PainterPlotSink::Begin(QPaintDevice* device, double device_per_unit) {
  device_ = device;
  devicePerUnit_ = device_per_unit;
  if (!painter_.begin(device)) return false;
  ApplyState();
  return true;
}

bool PainterPlotSink::End() {
  if (!painter_.isActive()) return true;
  FlushLine();
  PaintHaloTexts();
  return painter_.end();
}

void PainterPlotSink::SetTextHalo(bool on) {
  if (!on) PaintHaloTexts();
  haloTexts_ = on;
}

void PainterPlotSink::PaintHaloTexts() {
  FlushLine();
  if (haloQueue_.empty() || !painter_.isActive()) {
    haloQueue_.clear();
    return;
  }
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  // Every halo first, then every text: a halo never covers a neighbouring text.
  for (const HaloText& t : haloQueue_) {
    painter_.setTransform(t.transform);
    QPainterPath path;
    path.addText(t.baseline, t.font, t.text);
    const double width = std::max(2.0, 0.25 * t.font.pixelSize());
    painter_.strokePath(path, QPen(QBrush(Qt::white), width, Qt::SolidLine, Qt::RoundCap,
                                   Qt::RoundJoin));
  }
  for (const HaloText& t : haloQueue_) {
    painter_.setTransform(t.transform);
    painter_.setFont(t.font);
    painter_.setPen(t.color);
    painter_.drawText(t.baseline, t.text);
  }
  painter_.restore();
  haloQueue_.clear();
}

void PainterPlotSink::ApplyState() {
  if (!painter_.isActive()) return;
  painter_.resetTransform();
  if (devicePerUnit_ != 1.0) painter_.scale(devicePerUnit_, devicePerUnit_);
  painter_.setRenderHint(QPainter::Antialiasing, !raster_);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setPen(QtPen());
  SetBrush(brush_);
  SetFont(font_);
  ApplyMode();
}

QPen PainterPlotSink::QtPen() const {
  QPen pen(ToQColor(pen_.color));
  const int width = std::max(1, pen_.width);
  pen.setWidth(width);
  // A thin line leaves its end point unpainted, as LineTo promises; thick
  // lines get round ends so that chains of segments join without gaps.
  pen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  switch (pen_.style) {
    case PenStyle::Solid: pen.setStyle(Qt::SolidLine); break;
    case PenStyle::Dotted: pen.setStyle(Qt::DotLine); break;
    case PenStyle::Dashed: pen.setStyle(Qt::DashLine); break;
  }
  return pen;
}

void PainterPlotSink::ApplyMode() {
  if (!painter_.isActive()) return;
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  if (raster_) {
    if (pen_.mode == PenMode::Xor) mode = QPainter::RasterOp_SourceXorDestination;
    if (pen_.mode == PenMode::NotXor) mode = QPainter::RasterOp_NotSourceXorDestination;
  }
  painter_.setCompositionMode(mode);
}

void PainterPlotSink::FlushLine() {
  if (pendingLine_.size() >= 2 && painter_.isActive()) painter_.drawPolyline(pendingLine_);
  pendingLine_.clear();
}

void PainterPlotSink::SetPen(const output::Pen& pen) {
  FlushLine();
  PlotSink::SetPen(pen);
  if (!painter_.isActive()) return;
  painter_.setPen(QtPen());
  ApplyMode();
}

void PainterPlotSink::SetBrush(const output::Brush& brush) {
  PlotSink::SetBrush(brush);
  if (!painter_.isActive()) return;
  switch (brush.style) {
    case BrushStyle::Solid: painter_.setBrush(QBrush(ToQColor(brush.color))); break;
    case BrushStyle::Clear: painter_.setBrush(Qt::NoBrush); break;
    case BrushStyle::BackwardDiagonal:
      painter_.setBrush(QBrush(ToQColor(brush.color), Qt::BDiagPattern));
      break;
  }
}

void PainterPlotSink::SetFont(const output::Font& font) {
  PlotSink::SetFont(font);
  qfont_ = QtFont(font, FontPixelHeight(font));
  if (painter_.isActive()) painter_.setFont(qfont_);
}

void PainterPlotSink::Clear() {
  FlushLine();
  haloQueue_.clear();
  if (!painter_.isActive()) return;
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(QRectF(0, 0, Width(), Height()), Qt::white);
  painter_.restore();
}

void PainterPlotSink::MoveTo(int x, int y) {
  if (output::Point{x, y} != current_) FlushLine();
  PlotSink::MoveTo(x, y);
}

void PainterPlotSink::LineTo(int x, int y) {
  if (painter_.isActive()) {
    if (raster_) {
      painter_.drawLine(QPointF(current_.x, current_.y), QPointF(x, y));
    } else {
      if (pendingLine_.isEmpty()) pendingLine_.append(QPointF(current_.x, current_.y));
      pendingLine_.append(QPointF(x, y));
      if (pendingLine_.size() >= 8192) {
        FlushLine();
        pendingLine_.append(QPointF(x, y));
      }
    }
  }
  current_ = {x, y};
}

void PainterPlotSink::Rectangle(int x1, int y1, int x2, int y2) {
  FlushLine();
  if (!painter_.isActive()) return;
  // The outline runs along the box's inside: the right and bottom edges lie on
  // x2 - 1 and y2 - 1, so a frame of the whole surface stays visible.
  QRectF box = NormalBox(x1, y1, x2, y2);
  if (box.width() < 1 || box.height() < 1) return;
  box.setRight(box.right() - 1);
  box.setBottom(box.bottom() - 1);
  painter_.drawRect(box);
}

void PainterPlotSink::Ellipse(int x1, int y1, int x2, int y2) {
  FlushLine();
  if (!painter_.isActive()) return;
  painter_.drawEllipse(NormalBox(x1, y1, x2, y2));
}

void PainterPlotSink::Arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) {
  FlushLine();
  if (!painter_.isActive()) return;
  const QRectF box = NormalBox(x1, y1, x2, y2);
  const double a = box.width() / 2, b = box.height() / 2;
  const double cx = box.center().x(), cy = box.center().y();
  if (a <= 0 || b <= 0) return;
  // Rays as seen (y up), turned into the ellipse's parameter: the point
  // (cx + a cos t, cy - b sin t) lies on the ray of angle atan2(b sin t, a cos t).
  const double t0 = std::atan2(a * (cy - sy), b * (sx - cx));
  double t1 = std::atan2(a * (cy - ey), b * (ex - cx));
  constexpr double kTwoPi = 2 * astro::kPi;
  while (t1 <= t0) t1 += kTwoPi;
  const double sweep = t1 - t0;
  const int n = std::clamp(static_cast<int>(std::ceil(sweep * std::sqrt(std::max(a, b)) * 2)),
                           8, 4000);
  QPainterPath path(QPointF(cx + a * std::cos(t0), cy - b * std::sin(t0)));
  for (int i = 1; i <= n; ++i) {
    const double t = t0 + sweep * i / n;
    path.lineTo(cx + a * std::cos(t), cy - b * std::sin(t));
  }
  painter_.save();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(path);
  painter_.restore();
}

void PainterPlotSink::FloodFill(int, int, Color, FillMode) {}

Color PainterPlotSink::PixelAt(int, int) const { return output::kWhite; }

void PainterPlotSink::TextOut(int x, int y, std::string_view text) {
  FlushLine();
  if (!painter_.isActive() || text.empty()) return;
  const QString s = TextForFace(font_.face, text);
  const QFontMetricsF metrics(qfont_, device_);
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setPen(ToQColor(font_.color));
  painter_.translate(x, y);
  if (font_.escapement != 0) painter_.rotate(-font_.escapement);
  if (haloTexts_) {
    haloQueue_.push_back({painter_.transform(), qfont_, ToQColor(font_.color),
                          QPointF(0, metrics.ascent()), s});
  } else {
    painter_.drawText(QPointF(0, metrics.ascent()), s);
  }
  painter_.restore();
}

int PainterPlotSink::TextWidth(std::string_view text) const {
  const QFontMetricsF metrics(qfont_, device_);
  return static_cast<int>(std::lround(metrics.horizontalAdvance(TextForFace(font_.face, text))));
}

int PainterPlotSink::TextHeight(std::string_view) const {
  const QFontMetricsF metrics(qfont_, device_);
  return static_cast<int>(std::lround(metrics.height()));
}

// ---------------------------------------------------------------------------

ImagePlotSink::ImagePlotSink(int width, int height, output::SinkKind kind)
    : PainterPlotSink(kind, width, height, true),
      image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
  image_.fill(Qt::white);
  Begin(&image_, 1.0);
}

ImagePlotSink::~ImagePlotSink() { End(); }

QImage ImagePlotSink::Image() {
  PaintHaloTexts();
  return image_.copy();
}

Color ImagePlotSink::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return output::kWhite;
  return FromQRgb(image_.pixel(x, y));
}

void ImagePlotSink::FloodFill(int x, int y, Color color, FillMode mode) {
  const int w = image_.width(), h = image_.height();
  if (x < 0 || y < 0 || x >= w || y >= h || brush_.style == BrushStyle::Clear) return;
  const QRgb key = qRgb(output::RedOf(color), output::GreenOf(color), output::BlueOf(color)) |
                   0xff000000u;
  const auto* bits = reinterpret_cast<const QRgb*>(image_.constBits());
  const int stride = static_cast<int>(image_.bytesPerLine() / 4);
  auto inside = [&](int px, int py) {
    const QRgb c = bits[py * stride + px] | 0xff000000u;
    return mode == FillMode::Border ? c != key : c == key;
  };
  if (!inside(x, y)) return;

  // Scanline fill into a mask, then paint the mask with the brush.
  std::vector<unsigned char> mask(static_cast<std::size_t>(w) * h, 0);
  std::vector<std::pair<int, int>> stack{{x, y}};
  int minX = x, maxX = x, minY = y, maxY = y;
  while (!stack.empty()) {
    auto [sx, sy] = stack.back();
    stack.pop_back();
    unsigned char* row = &mask[static_cast<std::size_t>(sy) * w];
    if (row[sx] || !inside(sx, sy)) continue;
    int left = sx, right = sx;
    while (left > 0 && !row[left - 1] && inside(left - 1, sy)) --left;
    while (right < w - 1 && !row[right + 1] && inside(right + 1, sy)) ++right;
    std::fill(row + left, row + right + 1, 1);
    minX = std::min(minX, left);
    maxX = std::max(maxX, right);
    minY = std::min(minY, sy);
    maxY = std::max(maxY, sy);
    for (int ny : {sy - 1, sy + 1}) {
      if (ny < 0 || ny >= h) continue;
      const unsigned char* nrow = &mask[static_cast<std::size_t>(ny) * w];
      bool open = false;
      for (int nx = left; nx <= right; ++nx) {
        const bool candidate = !nrow[nx] && inside(nx, ny);
        if (candidate && !open) stack.emplace_back(nx, ny);
        open = candidate;
      }
    }
  }

  if (brush_.style == BrushStyle::Solid) {
    const QRgb fill = qRgb(output::RedOf(brush_.color), output::GreenOf(brush_.color),
                           output::BlueOf(brush_.color));
    for (int py = minY; py <= maxY; ++py) {
      auto* line = reinterpret_cast<QRgb*>(image_.scanLine(py));
      const unsigned char* mrow = &mask[static_cast<std::size_t>(py) * w];
      for (int px = minX; px <= maxX; ++px) {
        if (mrow[px]) line[px] = fill;
      }
    }
    return;
  }
  // Patterned brush: paint the pattern, aligned to the picture, into a
  // transparent patch and copy its painted pixels inside the region.
  QImage patch(maxX - minX + 1, maxY - minY + 1, QImage::Format_ARGB32);
  patch.fill(Qt::transparent);
  {
    QPainter p(&patch);
    p.setBrushOrigin(-minX, -minY);
    p.fillRect(patch.rect(), painter_.brush());
  }
  for (int py = minY; py <= maxY; ++py) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(py));
    const auto* src = reinterpret_cast<const QRgb*>(patch.constScanLine(py - minY));
    const unsigned char* mrow = &mask[static_cast<std::size_t>(py) * w];
    for (int px = minX; px <= maxX; ++px) {
      const QRgb c = src[px - minX];
      if (mrow[px] && qAlpha(c) == 255) line[px] = c | 0xff000000u;
    }
  }
}

// ---------------------------------------------------------------------------

PagePlotSink::PagePlotSink(QPaintDevice* device, int width, int height, double device_per_unit)
    : PainterPlotSink(output::SinkKind::Printer, width, height, false) {
  if (Begin(device, device_per_unit)) painter_.setClipRect(QRectF(0, 0, width, height));
}

PagePlotSink::~PagePlotSink() { End(); }

bool PagePlotSink::Finish() { return End(); }

}  // namespace kelvra::canvas

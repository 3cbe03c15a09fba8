#include "ui/calc/table_view.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QPainter>

#include "canvas/font_faces.h"

namespace kelvra::ui {

namespace {
constexpr int kSmallestPoints = 4;
constexpr int kMargin = 8;  // pixels between the frame and the text
}  // namespace

TableView::TableView(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(false);
  setMinimumSize(200, 150);
}

void TableView::SetTable(const calc::Table& table) {
  table_ = table;
  update();
}

bool TableView::RiseSet() const {
  return table_.layout == calc::TableLayout::Month || table_.layout == calc::TableLayout::HalfYear;
}

QFont TableView::FontOf(int points, bool bold, bool italic) const {
  QFont f(canvas::SubstituteFace("Courier new"));
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSize(points);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

QString TableView::MeasuredLine() const {
  if (table_.lines.empty()) return {};
  if (RiseSet()) return QString::fromStdString(table_.lines[std::min<std::size_t>(4, table_.lines.size() - 1)]);
  // A day row and "mm".
  for (const auto& l : table_.lines) {
    if (l.size() > 3 && l[2] == '.') return QString::fromStdString(l) + "mm";
  }
  return QString::fromStdString(table_.lines.front());
}

int TableView::FittedPointSize() const {
  const int lines = RiseSet() ? 44 : 42;
  int points = table_.layout == calc::TableLayout::Month ? 12 : 11;
  const QString widest = MeasuredLine();
  for (; points > kSmallestPoints; --points) {
    const QFontMetrics m(FontOf(points, false, false), const_cast<TableView*>(this));
    if (m.horizontalAdvance(widest) + 2 * kMargin <= width() &&
        m.lineSpacing() * lines + 2 * kMargin <= height()) {
      break;
    }
  }
  return points;
}

QRect TableView::TableRect() const {
  const QFontMetrics m(FontOf(FittedPointSize(), false, false), const_cast<TableView*>(this));
  int textWidth = m.horizontalAdvance(MeasuredLine());
  for (const auto& l : table_.lines) {
    textWidth = std::max(textWidth, m.horizontalAdvance(QString::fromStdString(l)));
  }
  const int w = textWidth + 2 * kMargin;
  const int h = m.lineSpacing() * static_cast<int>(table_.lines.size()) + 2 * kMargin;
  return QRect((width() - w) / 2, std::max(0, (height() - h) / 2), w, h);
}

void TableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (table_.lines.empty()) return;
  const int points = FittedPointSize();
  const QRect frame = TableRect();
  const QFontMetrics m(FontOf(points, false, false), this);
  const int lineHeight = m.lineSpacing();
  p.setPen(QPen(FrameColor(), 2));
  p.drawRect(frame);
  const int ruleY = frame.top() + kMargin + static_cast<int>((RiseSet() ? 2.5 : 3.5) * lineHeight);
  p.drawLine(frame.left(), ruleY, frame.right(), ruleY);
  p.setPen(Qt::black);
  int y = frame.top() + kMargin;
  for (std::size_t i = 0; i < table_.lines.size(); ++i) {
    const bool bold = i == 0;
    const bool italic = RiseSet() && i + 1 == table_.lines.size();
    p.setFont(FontOf(points, bold, italic));
    p.drawText(QPoint(frame.left() + kMargin, y + m.ascent()),
               QString::fromStdString(table_.lines[i]));
    y += lineHeight;
  }
}

void TableView::contextMenuEvent(QContextMenuEvent* event) {
  emit ContextMenuRequested(event->globalPos());
}

}  // namespace kelvra::ui

// The picture of a table in the tables window: the lines in a fixed-pitch
// face on white, the first line bold (and the last italic in the rise and set
// tables), centred in the widget, framed in light grey with a rule under the
// head. The point size starts at 11 (one month: 12) and is lowered until the
// widest line fits the width and 42 lines (rise and set: 44) fit the height.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "calc/tables/table.h"

namespace kelvra::ui {

class TableView : public QWidget {
  Q_OBJECT
 public:
  explicit TableView(QWidget* parent = nullptr);

  void SetTable(const calc::Table& table);
  const calc::Table& Table() const { return table_; }

  // The point size the table is drawn with at the widget's present size.
  int FittedPointSize() const;
  // The rectangle of the framed table within the widget.
  QRect TableRect() const;

  QSize sizeHint() const override { return QSize(960, 760); }

  // The frame's colour: light grey 223/223/223.
  static QColor FrameColor() { return QColor(223, 223, 223); }

 signals:
  void ContextMenuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool RiseSet() const;
  QFont FontOf(int points, bool bold, bool italic) const;
  // The line whose width decides the fit.
  QString MeasuredLine() const;

  calc::Table table_;
};

}  // namespace kelvra::ui

// The drawing window's picture: shows the drawn image, marks the picked
// origin and the legend outline, and passes clicks, the wheel, mouse moves
// and the context menu on to the window.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>

#include "output/drawing_window_rules.h"

namespace kelvra::ui {

class PictureView final : public QWidget {
 public:
  PictureView(QSize size, const QImage* image, QWidget* parent);

  std::function<void(QPoint, bool)> onClick;  // position, Alt held
  // Asked first with the keys held; true when it took the click.
  std::function<bool(QPoint, Qt::KeyboardModifiers)> onModifiedClick;
  std::function<void(int)> onWheel;           // wheel steps (1/8 degree)
  std::function<void()> onHover;
  std::function<void(QPoint)> onContextMenu;  // global position
  output::DrawingKind kind;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  const QImage* image_;
};

}  // namespace kelvra::ui

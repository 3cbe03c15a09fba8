// The picture of the drawing window and what the mouse does on it: the origin
// and legend picked by clicks, zoom by buttons, keys and the wheel.
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include "dials/ham/ham_aid.h"
#include "output/drawing_view.h"
#include "shell/shared_state.h"
#include "ui/drawing/drawing_window.h"
#include "ui/drawing/picture_view.h"

namespace kelvra::ui {

// ---- the picture ------------------------------------------------------------------

PictureView::PictureView(QSize size, const QImage* image, QWidget* parent)
    : QWidget(parent), image_(image) {
  setObjectName("DrawingPicture");
  setFixedSize(size);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (image_ && !image_->isNull()) p.drawImage(0, 0, *image_);
  else p.fillRect(rect(), Qt::white);
  const output::DrawingView& view = output::TheDrawingView();
  if (view.originSetByUser) {
    // The origin marker: a focus rectangle of 8 × 8 pixels about the origin.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = QRect(view.origin.x - 4, view.origin.y - 4, 8, 8);
    p.setPen(QPen(QColor(0, 0, 128), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(option.rect);
  }
  if (view.legendSetByUser) {
    const output::Point size = output::LegendOutlineSize(kind.Row(), width());
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(view.legendPosition.x, view.legendPosition.y, size.x, size.y);
  }
}

void PictureView::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && onModifiedClick &&
      onModifiedClick(e->position().toPoint(), e->modifiers())) {
    return;
  }
  if (e->button() == Qt::LeftButton && onClick) {
    onClick(e->position().toPoint(), e->modifiers().testFlag(Qt::AltModifier));
    return;
  }
  QWidget::mousePressEvent(e);
}

void PictureView::mouseMoveEvent(QMouseEvent* e) {
  if (onHover) onHover();
  QWidget::mouseMoveEvent(e);
}

void PictureView::wheelEvent(QWheelEvent* e) {
  if (onWheel) onWheel(e->angleDelta().y());
  e->accept();
}

void PictureView::contextMenuEvent(QContextMenuEvent* e) {
  if (onContextMenu) onContextMenu(e->globalPos());
}

// ---- picking and zoom ---------------------------------------------------------------

void DrawingWindow::ZoomIn() {
  if (!states_.zoomIn) return;
  output::TheDrawingView().ZoomIn();
  Render();
}

void DrawingWindow::ZoomOut() {
  if (!states_.zoomOut) return;
  output::TheDrawingView().ZoomOut();
  Render();
}

void DrawingWindow::Wheel(int delta) {
  if (!states_.zoomIn) return;
  if (output::TheDrawingView().Wheel(delta)) Render();
}

void DrawingWindow::ClickAt(QPoint position, bool alt) {
  output::DrawingView& view = output::TheDrawingView();
  const output::Point p{position.x(), position.y()};
  if (alt) {
    if (!states_.pickLegend) return;
    view.PickLegend(p);
  } else {
    if (!states_.pickOrigin) return;
    view.PickOrigin(p);
  }
  Render(false);
}

bool DrawingWindow::HamClick(QPoint position, Qt::KeyboardModifiers modifiers) {
  if (!HamShown()) return false;
  shell::GeneralState& g = shell::State().general;
  if (modifiers.testFlag(Qt::ControlModifier)) {
    const dials::ham::HamAid aid(dials::ham::CurrentHamAidInputs(), pictureSize_.width(),
                                 pictureSize_.height(), true);
    hamMarks_.Add(aid.MarkAt({static_cast<double>(position.x()), static_cast<double>(position.y())}));
  } else if (modifiers.testFlag(Qt::AltModifier)) {
    hamMarks_.Clear();
  } else if (modifiers.testFlag(Qt::ShiftModifier)) {
    g.hamMarkMode = !g.hamMarkMode;
  } else {
    return false;
  }
  Render(false);
  return true;
}

}  // namespace kelvra::ui

#include "ui/common/drag_panel.h"

#include <QMouseEvent>
#include <algorithm>

namespace kelvra::ui {

void DragPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragOffset_ = event->position().toPoint();
  QFrame::mousePressEvent(event);
}

void DragPanel::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) && parentWidget()) {
    QPoint to = mapToParent(event->position().toPoint() - dragOffset_);
    const QRect area = parentWidget()->rect();
    to.setX(std::clamp(to.x(), 0, std::max(0, area.width() - width())));
    to.setY(std::clamp(to.y(), 0, std::max(0, area.height() - height())));
    move(to);
  }
  QFrame::mouseMoveEvent(event);
}

}  // namespace kelvra::ui

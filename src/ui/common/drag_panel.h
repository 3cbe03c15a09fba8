// A panel inside a window that the user moves by dragging its surface; it
// stays inside its parent.
#pragma once

#include <QFrame>
#include <QPoint>

namespace kelvra::ui {

class DragPanel : public QFrame {
 public:
  using QFrame::QFrame;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint dragOffset_;
};

}  // namespace kelvra::ui

// A panel dragged by its surface follows the mouse and stays inside its window.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "ui/common/drag_panel.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using uitest::UiTest;

class DragPanelTest : public UiTest {};

TEST_F(DragPanelTest, FollowsTheMouseAndStaysInsideItsWindow) {
  QWidget window;
  window.resize(400, 300);
  DragPanel panel(&window);
  panel.setGeometry(50, 40, 100, 80);
  window.show();

  // Grabbed at (10, 10) of the panel and moved 30 right and 20 down.
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), panel.mapToGlobal(QPointF(10, 10)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&panel, &press);
  QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), panel.mapToGlobal(QPointF(40, 30)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&panel, &move);
  EXPECT_EQ(panel.pos(), QPoint(80, 60));

  // Pulled far beyond the lower right corner: it stops at the window's edge.
  QMouseEvent far(QEvent::MouseMove, QPointF(1000, 1000), panel.mapToGlobal(QPointF(1000, 1000)),
                  Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&panel, &far);
  EXPECT_EQ(panel.pos(), QPoint(300, 220));
}

}  // namespace
}  // namespace kelvra::ui

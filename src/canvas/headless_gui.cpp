#include "canvas/headless_gui.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace kelvra::canvas {

bool EnsureGuiApplication() {
  if (auto* app = QCoreApplication::instance()) {
    return qobject_cast<QGuiApplication*>(app) != nullptr;
  }
  // argc and argv must outlive the application, which lives to the end of
  // the process.
  static int argc = 3;
  static char arg0[] = "kelvra";
  static char arg1[] = "-platform";
  static char arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  return app != nullptr;
}

}  // namespace kelvra::canvas

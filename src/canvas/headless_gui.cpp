#include "canvas/headless_gui.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>

namespace kelvra::canvas {

namespace {

// Qt's own diagnostics ("XDG_RUNTIME_DIR not set", font and platform notes)
// mean nothing to a user of a command that opens no window; the command says
// itself what went wrong. Only a fatal message, which ends the process, is
// still written.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "kelvra: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

bool EnsureGuiApplication() {
  if (auto* app = QCoreApplication::instance()) {
    return qobject_cast<QGuiApplication*>(app) != nullptr;
  }
  qInstallMessageHandler(KeepQtQuiet);
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

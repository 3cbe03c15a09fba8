#include "ui/application.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QScreen>

#include "shell/messages.h"
#include "shell/shared_state.h"
#include "ui/main_window.h"
#include "ui/qt_message_sink.h"

namespace kelvra::ui {

int RunApplication(int argc, char** argv) {
  // Numbers in fields and files always use the point.
  QLocale::setDefault(QLocale::c());
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kelvra_erweitert");
  QApplication::setStyle("Fusion");

  QtMessageSink sink;
  shell::ScopedMessageSink installed(sink);

  shell::GeneralState& g = shell::State().general;
  g.programFolder = QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString() +
                    static_cast<char>(QDir::separator().toLatin1());
  const QDate today = QDate::currentDate();
  g.today = {today.day(), today.month(), today.year()};
  shell::State().site.year = today.year();
  g.timeOfDay = 0.5;
  g.azimuthInput = 0;
  if (QScreen* screen = QApplication::primaryScreen()) {
    g.wideScreen = screen->size().width() >= 1000;
    g.largeFonts = screen->logicalDotsPerInch() >= 120;
  }

  MainWindow window;
  window.show();
  return app.exec();
}

}  // namespace kelvra::ui

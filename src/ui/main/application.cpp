#include "ui/main/application.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "shell/startup.h"
#include "ui/main/main_window.h"
#include "ui/common/pictures.h"
#include "ui/common/qt_message_sink.h"

namespace kelvra::ui {

int RunApplication(int argc, char** argv) {
  // Numbers in fields and files always use the point.
  QLocale::setDefault(QLocale::c());
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kelvra_erweitert");
  QApplication::setStyle("Fusion");
  QApplication::setWindowIcon(ProgramIcon());

  QtMessageSink sink;
  shell::ScopedMessageSink installed(sink);

  // Step 1: the shared records get their defaults before any window exists.
  if (!shell::CurrentStartupHooks().resetDialParameters) {
    shell::StartupHooks hooks = shell::CurrentStartupHooks();
    hooks.resetDialParameters = [] { config::ResetDialParameters(); };
    shell::SetStartupHooks(hooks);
  }
  shell::ResetToStartupDefaults();
  // Step 3: the program folder, the settings file, today and the year.
  shell::ApplyMainWindowDefaults(shell::ExecutableFolder(argc > 0 ? argv[0] : ""),
                                 shell::ProcessEnvironment(), shell::SystemToday());
  shell::GeneralState& g = shell::State().general;
  if (QScreen* screen = QApplication::primaryScreen()) {
    g.wideScreen = screen->size().width() >= 1000;
    g.largeFonts = screen->logicalDotsPerInch() >= 120;
  }

  MainWindow window;
  window.show();
  return app.exec();
}

}  // namespace kelvra::ui

#include "ui/calc/open_tables.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/main/main_window.h"

namespace kelvra::ui {
namespace {

TablesOpener& Opener() {
  static TablesOpener opener;
  return opener;
}

// The main window's own numbering of its table commands: the yearly table
// kinds 0, 2 and 3, 1 for the rise and set table, 10 for the equation-of-time
// graph and 11 for the sun path.
int MainWindowTableCommand(int mode, int tableKind) {
  switch (mode) {
    case kTablesRiseSet: return 1;
    case kTablesEquationGraph: return 10;
    case kTablesSunPath: return 11;
    default: return tableKind;
  }
}

}  // namespace

void SetTablesOpener(TablesOpener opener) { Opener() = std::move(opener); }

void OpenTablesWindow(QWidget* from, int mode, int tableKind) {
  if (Opener()) {
    Opener()(mode, tableKind);
    return;
  }
  MainWindow* main = nullptr;
  for (QWidget* w = from; w && !main; w = w->parentWidget()) main = qobject_cast<MainWindow*>(w);
  if (!main) return;
  const int command = MainWindowTableCommand(mode, tableKind);
  QPointer<MainWindow> target(main);
  QTimer::singleShot(0, main, [target, command] {
    if (target) target->OpenTables(command);
  });
}

}  // namespace kelvra::ui

// Opening the tables window from another window (the calculator's table and
// graph commands): one place that knows how the main window opens it.
#pragma once

#include <functional>

class QWidget;

namespace kelvra::ui {

// Tables window modes.
inline constexpr int kTablesRiseSet = 1;         // the monthly rise and set table
inline constexpr int kTablesYearly = 8;          // a yearly table of `tableKind`
inline constexpr int kTablesEquationGraph = 16;  // the equation-of-time graph
inline constexpr int kTablesSunPath = 32;        // the sun-path diagram

// Yearly table kinds.
inline constexpr int kTableEquationOfTime = 0;
inline constexpr int kTableEquationPlusLongitude = 1;
inline constexpr int kTableDeclination = 2;
inline constexpr int kTableTrueNoon = 3;

// Opens the tables window in `mode` with the yearly table `tableKind` (used
// in mode 8). `from` is a window inside the main window; the main window
// closes the other task windows (`from` among them) and opens the tables
// window once control is back in the event loop.
void OpenTablesWindow(QWidget* from, int mode, int tableKind);

// Tests replace the opening to see what was asked for; an empty function
// restores the main window's.
using TablesOpener = std::function<void(int mode, int tableKind)>;
void SetTablesOpener(TablesOpener opener);

}  // namespace kelvra::ui

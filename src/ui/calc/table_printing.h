// Printing the tables of the tables window on one page, in 0.1 mm from the
// printable corner: the rise and set tables in "Courier new" with frames
// round the column groups (the half-year table on a landscape page), the
// yearly tables from their full list in a bold fixed-pitch face with frames
// round the head and the table and four thin rules between the seasons; and
// the printed form of the equation-of-time-by-longitude table, 63 lines a
// page.
#pragma once

#include <string>
#include <vector>

#include "calc/tables/table.h"

class QPainter;
class QPrinter;

namespace kelvra::ui {

// The printable part of a page in 0.1 mm: its width W and the unprintable
// left margin m.
struct TablePage {
  double width = 0;
  double margin = 0;
};

// Paints `table` with `painter` set to 0.1 mm from the printable corner (for
// a yearly table `fullList` is its full list).
void PaintTablePage(QPainter& painter, const TablePage& page, const calc::Table& table,
                    const std::vector<std::string>& fullList);

// Prints `table` (for a yearly table `fullList` is its full list); ends the
// page. False when the printer could not be started.
bool PrintTablePage(QPrinter& printer, const calc::Table& table,
                    const std::vector<std::string>& fullList);

// True when `layout` prints on a landscape page.
bool PrintsLandscape(calc::TableLayout layout);

// The equation-of-time-by-longitude table in its printed form: bold
// fixed-pitch, 63 lines a page, portrait.
bool PrintEotByLongitude(QPrinter& printer, const std::vector<std::string>& lines);

}  // namespace kelvra::ui

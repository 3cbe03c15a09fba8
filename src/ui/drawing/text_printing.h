// Printing of text listings (pole-style information, coordinate listings and
// the hour-line table) in a fixed-pitch font. Lengths are in 0.1 mm from the
// printable corner of the page, like the printed drawings.
#pragma once

#include <string>
#include <vector>

class QPrinter;

namespace kelvra::ui {

struct TextPrintStyle {
  std::string face = "Courier";  // a face the canvas maps to an installed one
  double headerPoints = 11;      // the first `headerLines` lines
  double bodyPoints = 11;        // the rest
  int headerLines = 0;
  bool bold = false;
  bool portrait = true;
};

// Prints `lines` top to bottom, starting new pages as needed, with a left
// margin of 10 mm. False when the printer could not be started.
bool PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines,
                    const TextPrintStyle& style);

// The printed hour-line table: `heading` in bold at height 48 centred at
// x = 900, y = 145; then `lines` in a bold fixed-pitch face of height 40 with
// a line pitch of 1.1 × the text height (narrowed when the widest line would
// not fit the page). A table that does not fit goes on with `nextPageNote`
// and a new page with the heading again. False when the printer could not
// be started.
bool PrintHourLineTable(QPrinter& printer, const std::string& heading,
                        const std::vector<std::string>& lines, const std::string& nextPageNote);

}  // namespace kelvra::ui

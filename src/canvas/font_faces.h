// Font faces the renderers ask for, mapped to faces installed with the program
// (scripts/setup installs fonts-liberation and fonts-dejavu-core):
//   "Arial", "Helvetica", "MS Sans Serif"  -> "Liberation Sans"
//   "Times New Roman", "Times"             -> "Liberation Serif"
//   "Courier", "Courier New"               -> "Liberation Mono"
//   "Wingdings", "Symbol"                  -> "DejaVu Sans" (with the text translated)
// Other names are passed on unchanged and the font engine picks its own
// substitute when none is installed.
#pragma once

#include <string>
#include <string_view>

#include <QFont>
#include <QString>

#include "output/plot_sink.h"

namespace kelvra::canvas {

// The installed face for a requested face name (compared without case).
QString SubstituteFace(std::string_view face);

// True for the symbol faces whose texts are character codes of that face.
bool IsSymbolFace(std::string_view face);

// A Wingdings text (each character a Wingdings code) as the Unicode symbols it
// shows: the zodiac signs ^ .. i become U+2648 .. U+2653, a few shapes their
// Unicode equivalents; other characters stay as they are.
QString WingdingsToUnicode(std::string_view text);

// The text as the target draws it: UTF-8 decoded, and translated for symbol faces.
QString TextForFace(std::string_view face, std::string_view text);

// A QFont for `font` with the em height `pixel_height` in device units.
QFont QtFont(const output::Font& font, int pixel_height);

}  // namespace kelvra::canvas

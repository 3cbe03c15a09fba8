// Texts of plot and DXF files: Windows-1252 on disk, UTF-8 in the program.
#pragma once

#include <string>
#include <string_view>

namespace kelvra::output {

// A label of a plot file as the DXF TEXT entity carries it: control characters
// (line ends among them) become blanks, so the entity stays one line; a label
// that is valid UTF-8 with letters beyond ASCII is converted to Windows-1252
// ("?" for a character 1252 cannot hold); any other bytes are taken as
// Windows-1252 already.
std::string LabelToWindows1252(std::string_view label);

// Windows-1252 bytes as UTF-8 (for messages); the five bytes 1252 leaves
// undefined become U+FFFD. (The conversions are those of persist/text_file.h.)
std::string Windows1252ToUtf8(std::string_view text);

// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace kelvra::output

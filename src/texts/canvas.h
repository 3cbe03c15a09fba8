// Names of the texts of resources/text/canvas.tsv (the drawing surface).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::canvas {

inline constexpr TextId kPrinterNotReady{1590};  // "Der Drucker ist nicht betriebsbereit! ..."

}  // namespace kelvra::texts::canvas

// Names of the texts of resources/text/output.tsv (plot files and the
// HPGL-to-DXF converter).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::output {

inline constexpr TextId kSameFile{1960};       // plot file and DXF file are one file
inline constexpr TextId kNotConverted{1961};   // " nicht konvertiert!\nHPGL-File ist eventuell defekt."
inline constexpr TextId kSaved{1962};          // " gespeichert!"
inline constexpr TextId kOpenError{1963};      // "Das war ein Datei-Öffnungsfehler!"
inline constexpr TextId kTooLong{1964};        // ": Befehl ist zu lang und wird gekürzt!"
inline constexpr TextId kGridQuestion{1965};   // "Soll zusätzlich das Koordinatennetz gezeichnet werden?"
inline constexpr TextId kGridTitle{1966};      // "Koordinatennetz zeichnen"
inline constexpr TextId kGridPrompt{1967};     // "Grösse von 1 Längeneinheit (Default=10 [mm]) :"
inline constexpr TextId kPlotSaved{1968};      // " gespeichert!     "
inline constexpr TextId kDxfWriteError{1969};  // "Die DXF-Datei konnte nicht geschrieben werden: "

}  // namespace kelvra::texts::output

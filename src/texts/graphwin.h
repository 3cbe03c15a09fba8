// Names of the texts of resources/text/graphwin.tsv (the graph modes of the
// tables window: sun-path options, plane fields, the save panel's file types).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::graphwin {

inline constexpr TextId kRepresentation{850};  // "Auswahl der Darstellung"
inline constexpr TextRun kRepresentations{851, 2};  // cartesian, polar
inline constexpr TextId kHoursWithEot{853};  // "Stunden mit Zeitgleichung"
inline constexpr TextRun kSpans{854, 3};  // whole year, 21 Jun - 21 Dec, 21 Dec - 21 Jun
inline constexpr TextRun kIntervals{857, 4};  // 60, 30, 20, 15 min
inline constexpr TextRun kDateLineCounts{861, 4};  // 1, 2, 3 per month, solstices
inline constexpr TextId kShowHorizon{865};  // "Höhenprofil anzeigen"
inline constexpr TextId kPlaneSunshine{866};  // "Besonnungsdauer einer Ebene in wahrer Zeit"
inline constexpr TextId kHourLines{867};  // "Stundenlinien"
inline constexpr TextId kDateLines{868};  // "Datumslinien"
inline constexpr TextId kWallDeclinationField{869};  // "Wandabweichung :"
inline constexpr TextId kInclinationField{870};  // "Inklination [vert.= 90] :"
inline constexpr TextId kComputeHorizon{871};  // "Horizontprofil erstellen"
inline constexpr TextId kSaveGraph{872};  // "Graph speichern"
inline constexpr TextId kDxfFilter{873};  // "DXF-Datei (*.dxf)"
inline constexpr TextId kHpglFilter{874};  // "HPGL-Datei (*.plt)"
inline constexpr TextId kAllFiles{875};  // "Alle Dateien (*)"

}  // namespace kelvra::texts::graphwin

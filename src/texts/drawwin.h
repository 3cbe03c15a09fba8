// Names of the texts of resources/text/drawwin.tsv (the drawing window: its
// caption and dial type names, commands, hints, save panel, pop-up menu,
// hour-line table and pole-style panels).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::drawwin {

// The caption: "Konstruktion einer " and the dial type name.
inline constexpr TextId kCaptionPrefix{1800};
inline constexpr TextId kNameQuadrant{1801};
inline constexpr TextId kNameCylinder{1802};
inline constexpr TextId kSuffixShepherd{1803};
inline constexpr TextId kSuffixHat{1804};
inline constexpr TextId kSuffixPolar{1805};
inline constexpr TextId kNameAzimuthal{1806};
inline constexpr TextId kNameBiazimuthal{1807};
inline constexpr TextId kNameMeanTime{1808};
inline constexpr TextId kNameElevation{1809};
inline constexpr TextId kNameSawyer{1810};
inline constexpr TextId kPrefixBifilar{1811};
inline constexpr TextId kPrefixPeaucellier{1812};
inline constexpr TextId kNameAzimuthalAfterPrefix{1813};
inline constexpr TextId kNameRing{1814};
// Hints of the picture.
inline constexpr TextId kHintOrigin{1815};  // "Left mouseclick fixes gnomon position"
inline constexpr TextId kHintPopup{1816};   // "Right mouseclick for popUp menu // <F1> for help !"

// The command column.
inline constexpr TextId kDraw{1820};
inline constexpr TextId kGrid{1821};
inline constexpr TextId kZoomInHint{1822};
inline constexpr TextId kZoomOutHint{1823};
inline constexpr TextId kColors{1824};
inline constexpr TextId kHourLines{1825};
inline constexpr TextId kStyleInfo{1826};
inline constexpr TextId kCoordinates{1827};
inline constexpr TextId kPrint{1828};
inline constexpr TextId kSaveHpgl{1829};
inline constexpr TextId kSaveDxf{1830};
inline constexpr TextId kSaveData{1831};
inline constexpr TextId kLoadData{1832};
inline constexpr TextId kDataHint{1833};
inline constexpr TextId kParameter{1834};
inline constexpr TextId kPicture{1835};
inline constexpr TextId kClose{1836};
inline constexpr TextId kSaveVector{1837};
inline constexpr TextId kSaveVectorHint{1838};

// The information bar and questions.
inline constexpr TextId kInfoOrigin{1840};
inline constexpr TextId kFixGnomon{1841};
inline constexpr TextId kInfoLegend{1842};
inline constexpr TextId kOriginOutside{1843};
inline constexpr TextId kTemporalImpossible{1844};

// The save panel.
inline constexpr TextId kTitleHpgl{1845};
inline constexpr TextId kTitleDxf{1846};
inline constexpr TextId kCoordinateBox{1847};
inline constexpr TextRun kCoordinateTargets{1848, 3};  // none, printer, text file
inline constexpr TextId kStrengthBox{1851};
inline constexpr TextRun kStrengths{1852, 3};          // thin, medium, thick
inline constexpr TextId kCancel{1855};
inline constexpr TextId kNext{1856};
inline constexpr TextId kOverwriting{1857};
inline constexpr TextId kFileName{1858};
inline constexpr TextId kCoordinateFileName{1859};
inline constexpr TextId kTitleSvg{1860};
inline constexpr TextId kTitlePdf{1861};
inline constexpr TextId kFileFormat{1862};
inline constexpr TextRun kFileFormats{1863, 4};        // HPGL, DXF, SVG, PDF
inline constexpr TextId kWriteFailed{1869};

// The pop-up menu.
inline constexpr TextId kMenuPrint{1870};
inline constexpr TextId kMenuHpgl{1871};
inline constexpr TextId kMenuDxf{1872};
inline constexpr TextId kMenuSaveData{1873};
inline constexpr TextId kMenuLoadData{1874};
inline constexpr TextId kMenuPrintFormat{1875};
inline constexpr TextId kMenuFileFormat{1876};
inline constexpr TextId kMenuDraw{1877};
inline constexpr TextId kMenuDrawGrid{1878};
inline constexpr TextId kMenuColors{1879};
inline constexpr TextId kMenuPoleInfo{1880};
inline constexpr TextId kMenuLinesToFoot{1881};
inline constexpr TextId kMenuPolarTriangle{1882};
inline constexpr TextId kMenuZoomOut{1883};
inline constexpr TextId kMenuZoomIn{1884};
inline constexpr TextId kMenuClose{1885};
inline constexpr TextId kMenuSvg{1886};
inline constexpr TextId kMenuPdf{1887};
inline constexpr TextId kLoadFilter{1888};
inline constexpr TextId kAllFiles{1889};

// The hour-line table and pole-style panels.
inline constexpr TextId kPrintInfo{1890};
inline constexpr TextId kPanelClose{1891};
inline constexpr TextId kLongitudeCorrection{1892};
inline constexpr TextId kCannotSolve{1893};
inline constexpr TextId kNoDrawing{1894};
inline constexpr TextId kCoastline{1895};
inline constexpr TextId kBorders{1896};

}  // namespace kelvra::texts::drawwin

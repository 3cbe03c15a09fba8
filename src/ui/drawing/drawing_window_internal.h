// Shared by the source files of the drawing window: its text numbers and
// small helpers. Not for use outside src/ui/drawing.
#pragma once

#include <QGuiApplication>
#include <QString>
#include <string>

namespace kelvra::ui::drawing_internal {

// Catalogue numbers of the window's texts (resources/text/drawwin.tsv).
enum Tag : int {
  kDraw = 1820, kGrid = 1821, kZoomInHint = 1822, kZoomOutHint = 1823, kColors = 1824,
  kHourLines = 1825, kStabInfo = 1826, kCoordinates = 1827, kPrint = 1828, kSaveHpgl = 1829,
  kSaveDxf = 1830, kSaveData = 1831, kLoadData = 1832, kDataHint = 1833, kParameter = 1834,
  kPicture = 1835, kClose = 1836, kSaveVector = 1837, kSaveVectorHint = 1838,
  kOriginOutside = 1843, kTemporalImpossible = 1844, kOverwriting = 1857,
  kSavedBack = 1968, kWriteFailed = 1869,
  kMenuPrint = 1870, kMenuHpgl = 1871, kMenuDxf = 1872, kMenuSaveData = 1873,
  kMenuLoadData = 1874, kMenuPrintFormat = 1875, kMenuFileFormat = 1876, kMenuDraw = 1877,
  kMenuDrawGrid = 1878, kMenuColors = 1879, kMenuPoleInfo = 1880, kMenuLinesToFoot = 1881,
  kMenuPolarTriangle = 1882, kMenuZoomOut = 1883, kMenuZoomIn = 1884, kMenuClose = 1885,
  kMenuSvg = 1886, kMenuPdf = 1887, kLoadFilter = 1888, kAllFiles = 1889,
  kCannotSolve = 1893, kNoDrawing = 1894, kCoastline = 1895, kBorders = 1896,
  kTableNextPage = 1763,
};

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// Shows the wait cursor while it lives.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace kelvra::ui::drawing_internal

// Whole drawings to their targets: the printer page, PDF and SVG pages
// (landscape A4 at true size, device units of 0.1 mm) and picture files
// (PNG, JPEG; the screen picture, one device unit per pixel).
//
// Every file is written to a temporary file beside the target and renamed over
// it only when complete, so a failed export leaves an existing file as it was.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QImage>

#include "canvas/qt_plot_sink.h"
#include "output/print_area.h"

class QPrinter;

namespace kelvra::canvas {

// A drawing: called once with the target's sink, whose Width() and Height()
// are the drawing area in device units.
using DrawFunction = std::function<void(output::PlotSink&)>;

// The font every page starts with: "Arial", 4 mm (height 40).
inline constexpr int kPageStartFontHeight = 40;

// What `printer` reports about its page, in the terms of PrinterReport:
// printable size in mm and in device pixels, offset of the printable corner,
// and whether the page is portrait.
output::PrinterReport ReportOf(const QPrinter& printer);

// A print job's page: the sink (0.1 mm, origin at the printable corner, y down)
// with the page size of the printer (HORZSIZE, VERTSIZE in 0.1 mm, landscape).
struct PrinterPage {
  std::unique_ptr<PagePlotSink> sink;
  output::PrintArea area;
  output::Point pageSize;
};

// Starts a print job on `printer` (landscape A4 is requested; the caller may
// have shown the set-up dialog first): computes the print area from what the
// printer reports, stores it as CurrentPrintArea(), and begins the page with
// the start font. Nothing when the printer is not ready or its report
// describes no page; the caller shows the "not ready" warning then. Finish the
// job with sink->Finish().
std::optional<PrinterPage> BeginPrinterPage(QPrinter& printer);

// BeginPrinterPage; when the printer is not ready it shows the warning
// "Der Drucker ist nicht betriebsbereit! Daher nicht konfiguriert!" /
// "Could not configure printer! (Not ready)" through the message sink.
std::optional<PrinterPage> BeginPrinterPageOrWarn(QPrinter& printer);
// The text of that warning in the current language.
std::string PrinterNotReadyText();

// True when the system knows at least one printer; otherwise printing goes to
// a PDF file (UsePdfFile).
bool PrinterAvailable();
// Sends the printer's output to a PDF file.
void UsePdfFile(QPrinter& printer, const std::string& path);

// The page of the file exports: an exact A4 sheet with nothing unprintable,
// whose print area is 2820 × 2000 at (75, 50).
output::PrinterReport ExactA4Report();

// Draws one landscape A4 page at true size into a PDF file. CurrentPrintArea()
// becomes the area of ExactA4Report(). False with a message on failure.
bool WritePdfPage(const std::string& path, const DrawFunction& draw, std::string* error,
                  const std::string& title = "Kelvra");
// The same page as an SVG file (297 mm × 210 mm, view box in 0.1 mm).
bool WriteSvgPage(const std::string& path, const DrawFunction& draw, std::string* error,
                  const std::string& title = "Kelvra");

// Draws the screen picture of width × height pixels.
QImage DrawPicture(int width, int height, const DrawFunction& draw);
// Saves a picture as PNG or JPEG, chosen by the file name's extension (.png,
// .jpg, .jpeg; any case). JPEG goes through the libjpeg codec at `jpeg_quality`.
bool SavePicture(const QImage& image, const std::string& path, std::string* error,
                 int jpeg_quality = 92);
// Largest picture WritePicture makes (width × height).
inline constexpr long long kMaxPicturePixels = 100'000'000;
// DrawPicture followed by SavePicture; refuses an empty or oversized picture.
bool WritePicture(const std::string& path, int width, int height, const DrawFunction& draw,
                  std::string* error);

}  // namespace kelvra::canvas

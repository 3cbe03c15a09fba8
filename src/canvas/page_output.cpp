#include "canvas/page_output.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>
#include <cmath>

#include "canvas/jpeg_codec.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/safe_save.h"
#include "texts/canvas.h"

namespace kelvra::canvas {

namespace {

using output::PlotSink;

QString ToQString(const std::string& s) { return QString::fromStdString(s); }

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

// Page sinks start with the page font.
void StartPage(PlotSink& sink) {
  output::Font font;
  font.face = "Arial";
  font.height = kPageStartFontHeight;
  sink.SetFont(font);
}


// Every file of the canvas goes through the program's one safe-save path.
bool SaveBytes(const QByteArray& bytes, const std::string& path, std::string* error) {
  const shell::SaveResult saved = shell::SaveFileSafely(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!saved.ok) {
    SetError(error, path + ": " + saved.reason);
    return false;
  }
  return true;
}

// Draws the file page: CurrentPrintArea() as for an exact A4 sheet.
bool DrawFilePage(QPaintDevice* device, const DrawFunction& draw) {
  const output::PrinterReport report = ExactA4Report();
  output::CurrentPrintArea() = *output::ComputePrintArea(report);
  const output::Point page = output::PrinterPageSize(report);
  PagePlotSink sink(device, page.x, page.y, 1.0);
  if (!sink.IsActive()) return false;
  sink.SetTextHalo(true);
  StartPage(sink);
  draw(sink);
  return sink.Finish();
}

}  // namespace

output::PrinterReport ReportOf(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const int res = printer.resolution();
  const QRect paint = layout.paintRectPixels(res);
  const QRectF paint_mm = layout.paintRect(QPageLayout::Millimeter);
  output::PrinterReport r;
  r.horzSizeMm = static_cast<int>(std::lround(paint_mm.width()));
  r.vertSizeMm = static_cast<int>(std::lround(paint_mm.height()));
  r.horzRes = paint.width();
  r.vertRes = paint.height();
  r.physicalOffsetX = paint.left();
  r.physicalOffsetY = paint.top();
  r.portrait = layout.orientation() == QPageLayout::Portrait;
  return r;
}

std::optional<PrinterPage> BeginPrinterPage(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setFullPage(false);  // the painter's origin is the printable corner
  const output::PrinterReport report = ReportOf(printer);
  const auto area = output::ComputePrintArea(report);
  if (!area) return std::nullopt;
  const output::Point page = output::PrinterPageSize(report);
  const double device_per_unit = printer.resolution() / 254.0;
  PrinterPage result{std::make_unique<PagePlotSink>(&printer, page.x, page.y, device_per_unit),
                     *area, page};
  if (!result.sink->IsActive()) return std::nullopt;
  result.sink->SetTextHalo(true);
  output::CurrentPrintArea() = *area;
  StartPage(*result.sink);
  return result;
}

std::string PrinterNotReadyText() { return shell::Get(texts::canvas::kPrinterNotReady); }

std::optional<PrinterPage> BeginPrinterPageOrWarn(QPrinter& printer) {
  auto page = BeginPrinterPage(printer);
  if (!page) shell::ShowMessage(shell::MessageKind::Warning, PrinterNotReadyText());
  return page;
}

bool PrinterAvailable() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void UsePdfFile(QPrinter& printer, const std::string& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ToQString(path));
}

output::PrinterReport ExactA4Report() {
  // 254 dots per inch: one device pixel is 0.1 mm.
  return output::PrinterReport{297, 210, 2970, 2100, 0, 0, false};
}

bool WritePdfPage(const std::string& path, const DrawFunction& draw, std::string* error,
                  const std::string& title) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(ToQString(title));
    writer.setCreator(QStringLiteral("Kelvra"));
    writer.setResolution(254);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    if (!DrawFilePage(&writer, draw)) {
      SetError(error, path + ": the PDF page could not be drawn");
      return false;
    }
  }
  return SaveBytes(bytes, path, error);
}

bool WriteSvgPage(const std::string& path, const DrawFunction& draw, std::string* error,
                  const std::string& title) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(ToQString(title));
    svg.setResolution(254);  // 0.1 mm per unit: the page is 297 mm × 210 mm
    svg.setSize(QSize(output::kSheetWidth, output::kSheetHeight));
    svg.setViewBox(QRect(0, 0, output::kSheetWidth, output::kSheetHeight));
    if (!DrawFilePage(&svg, draw)) {
      SetError(error, path + ": the SVG page could not be drawn");
      return false;
    }
  }
  return SaveBytes(bytes, path, error);
}

QImage DrawPicture(int width, int height, const DrawFunction& draw) {
  ImagePlotSink sink(width, height);
  sink.SetTextHalo(true);
  draw(sink);
  return sink.Image();
}

bool SavePicture(const QImage& image, const std::string& path, std::string* error,
                 int jpeg_quality) {
  const QString suffix = QFileInfo(ToQString(path)).suffix().toLower();
  QByteArray bytes;
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
    std::vector<unsigned char> jpeg;
    std::string message;
    if (!EncodeJpeg(image, jpeg_quality, &jpeg, &message)) {
      SetError(error, path + ": " + message);
      return false;
    }
    bytes = QByteArray(reinterpret_cast<const char*>(jpeg.data()),
                       static_cast<qsizetype>(jpeg.size()));
  } else if (suffix == QLatin1String("png")) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
      SetError(error, path + ": the picture could not be encoded as PNG");
      return false;
    }
  } else {
    SetError(error, path + ": unknown picture type (use .png, .jpg or .jpeg)");
    return false;
  }
  return SaveBytes(bytes, path, error);
}

bool WritePicture(const std::string& path, int width, int height, const DrawFunction& draw,
                  std::string* error) {
  if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPicturePixels) {
    SetError(error, path + ": a picture of " + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels cannot be made");
    return false;
  }
  const QImage image = DrawPicture(width, height, draw);
  if (image.isNull()) {
    SetError(error, path + ": out of memory for the picture");
    return false;
  }
  return SavePicture(image, path, error);
}

}  // namespace kelvra::canvas

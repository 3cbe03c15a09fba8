// The drawing window's output commands: print, and save as plot, DXF, SVG or
// PDF file with the coordinate listing.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <filesystem>

#include "canvas/page_output.h"
#include "output/hpgl_to_dxf.h"
#include "output/plot_export.h"
#include "output/print_area.h"
#include "persist/text_file.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/drawwin.h"
#include "texts/output.h"
#include "ui/common/retranslate.h"
#include "ui/dialogs/save_panel.h"
#include "ui/drawing/drawing_window.h"
#include "ui/drawing/drawing_window_internal.h"
#include "ui/drawing/listing_panels.h"
#include "ui/drawing/text_printing.h"

namespace kelvra::ui {

namespace {

using namespace drawing_internal;
using output::CoordinateTarget;
using output::SaveFormat;

// The real dialogs.
DrawingDialogs RealDialogs() {
  DrawingDialogs d;
  d.saveFile = [](QWidget* parent, const QString& title, const QString& suggested,
                  const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
  };
  d.openFile = [](QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
  };
  d.askText = [](QWidget* parent, const QString& title, const QString& label,
                 const QString& value) -> std::optional<QString> {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return text;
  };
  d.printDialog = [](QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
  return d;
}

}  // namespace

DrawingDialogs& Dialogs() {
  static DrawingDialogs dialogs = RealDialogs();
  return dialogs;
}

void ResetDialogs() { Dialogs() = RealDialogs(); }

QPrinter& DrawingPrinter() {
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

std::string& DrawingWindow::RememberedFileName() {
  static std::string name = "kel.plt";
  return name;
}

bool DrawingWindow::RefuseEmptyOutput(bool printing) {
  if (!job_.DrawsNothing() && (!printing || job_.Kind().Has(config::kPrints))) return false;
  shell::ShowMessage(shell::MessageKind::Information, shell::Get(texts::drawwin::kNoDrawing));
  return true;
}

// ---- print -------------------------------------------------------------------------

bool DrawingWindow::AskOriginOutside() {
  const output::DrawingView& view = output::TheDrawingView();
  if (!output::ChecksOriginBeforeOutput(Kind())) return false;
  if (!output::OriginOutsidePicture(view.origin, pictureSize_.width(), pictureSize_.height()))
    return false;
  return shell::ShowMessage(shell::MessageKind::Attention,
                            shell::Get(texts::drawwin::kOriginOutside),
                            shell::MessageButtons::YesNo) == shell::MessageAnswer::Yes;
}

void DrawingWindow::Print() {
  if (tablePanel_->isVisibleTo(this)) {
    PrintHourLineTable();
    return;
  }
  const config::DialParameters dial = config::ResolvedDial(config::Dial());
  const output::DrawingKind kind = output::DrawingKindOf(dial);
  if (HamShown()) {
    // The ham dial aid is printed instead of the dial.
  } else if (RefuseEmptyOutput(true)) {
    return;
  } else if (output::ChecksOriginBeforeOutput(kind)) {
    if (AskOriginOutside()) return;
  } else if (output::TemporalHoursRefusePrint(kind, dial, shell::State().site.latitude)) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(texts::drawwin::kTemporalImpossible));
    return;
  }
  QPrinter& printer = DrawingPrinter();
  printer.setPageOrientation(QPageLayout::Landscape);
  // Without a printer the same dialog prints into a PDF file.
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!Dialogs().printDialog(this, printer)) {
    printer.setPageOrientation(QPageLayout::Portrait);
    return;
  }
  PrintDrawing(printer);
}

bool DrawingWindow::PrintDrawing(QPrinter& printer) {
  std::optional<canvas::PrinterPage> page;
  {
    WaitCursor wait;
    page = canvas::BeginPrinterPage(printer);
  }
  if (!page) {
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
    printer.setPageOrientation(QPageLayout::Portrait);
    return false;
  }
  bool ok = false;
  {
    WaitCursor wait;
    output::DrawingView& view = output::TheDrawingView();
    {
      const output::CarriedPositions carried =
          output::CarryViewToPrinter(view, page->pageSize, job_.Kind());
      DrawOnto(*page->sink);
    }
    ok = page->sink->Finish();
  }
  printer.setPageOrientation(QPageLayout::Portrait);
  return ok;
}

// ---- save --------------------------------------------------------------------------

void DrawingWindow::OpenSavePanel(SaveFormat format, bool fromButtons, bool coordinatesToFile) {
  // A temporary file of an earlier DXF export that was left behind goes.
  QFile::remove(QDir::current().filePath("KELVRA.$$$"));
  QFile::remove(QDir::current().filePath("kelvra.$$$"));
  tablePanel_->hide();
  if (RefuseEmptyOutput(false)) {
    save_->hide();
    return;
  }
  if (fromButtons && AskOriginOutside()) {
    save_->hide();
    return;
  }
  const std::string name =
      QFileInfo(Q(RememberedFileName())).fileName().toStdString();
  save_->Open(format, name, states_.coordinateChoice, coordinatesToFile);
  PlacePanels(save_);
}

bool DrawingWindow::Save(const SaveChoices& choices) {
  save_->hide();
  RememberedFileName() = choices.fileName;
  QString filter;
  switch (choices.format) {
    case SaveFormat::Hpgl: filter = "HPGL (*.plt)"; break;
    case SaveFormat::Dxf: filter = "DXF (*.dxf)"; break;
    case SaveFormat::Svg: filter = "SVG (*.svg)"; break;
    case SaveFormat::Pdf: filter = "PDF (*.pdf)"; break;
  }
  filter += ";;" + Text(texts::drawwin::kAllFiles);
  const QString path = Dialogs().saveFile(this, Q(shell::FileDialogTitle(1)),
                                          QDir::current().filePath(Q(choices.fileName)), filter);
  if (path.isEmpty()) return false;
  RememberedFileName() = path.toStdString();
  if (choices.format == SaveFormat::Hpgl || choices.format == SaveFormat::Dxf)
    return WritePlotFormat(choices, path);
  return WritePageFormat(choices, path);
}

bool DrawingWindow::WritePlotFormat(const SaveChoices& choices, const QString& path) {
  if (RefuseEmptyOutput(false)) return false;
  // The grid question of the plot file.
  std::optional<int> gridMm;
  if (shell::ShowMessage(shell::MessageKind::Question, output::GridQuestionText(),
                         shell::MessageButtons::YesNo) == shell::MessageAnswer::Yes) {
    const std::optional<QString> text = Dialogs().askText(
        this, Q(output::GridInputTitle()), Q(output::GridInputPrompt()), "10");
    gridMm = output::GridSpacingFromText(text ? text->toStdString() : std::string("10"));
  }
  WaitCursor wait;
  std::vector<std::string> listing;
  const bool wantListing = choices.coordinates != CoordinateTarget::None;
  const std::string shownName = QFileInfo(path).fileName().toStdString();
  auto write = [&](output::HpglWriter& writer) {
    listing.clear();
    job_.WritePlot(writer, output::TheDrawingView(), gridMm, wantListing ? &listing : nullptr,
                   shownName);
  };
  bool ok = false;
  if (choices.format == SaveFormat::Hpgl) {
    ok = output::SavePlotFile(path.toStdString(), choices.lineStrength, write);
  } else {
    // The plot goes through "kelvra.$$$" beside the DXF file.
    ok = output::ExportDxf(path.toStdString(), job_.DxfScale(), choices.lineStrength, write).ok();
  }
  // Files beside the plot file (the cone of the mean-time dial), in the same format.
  for (const dials::SidePlot& side : ok ? job_.SidePlots() : std::vector<dials::SidePlot>{}) {
    const std::filesystem::path file = dials::DialJob::SidePlotPath(path.toStdString(), side);
    auto writeSide = [&](output::HpglWriter& writer) { side.write(writer); };
    ok = choices.format == SaveFormat::Hpgl
             ? output::SavePlotFile(file, choices.lineStrength, writeSide)
             : output::ExportDxf(file, job_.DxfScale(), choices.lineStrength, writeSide).ok();
    if (!ok) break;
    if (side.notice) {
      shell::ShowMessage(shell::MessageKind::Information, side.notice(file.filename().string()));
    }
  }
  if (ok && wantListing) WriteCoordinateListing(choices, path, listing);
  return ok;
}

void DrawingWindow::WriteCoordinateListing(const SaveChoices& choices, const QString& plotPath,
                                           const std::vector<std::string>& lines) {
  if (choices.coordinates == CoordinateTarget::TextFile) {
    const QString file = QFileInfo(plotPath).dir().filePath(
        QFileInfo(Q(output::CoordinateFileName(QFileInfo(plotPath).fileName().toStdString())))
            .fileName());
    if (QFile::exists(file)) {
      shell::ShowMessage(shell::MessageKind::Problem, shell::Get(texts::drawwin::kOverwriting) +
                                                          QFileInfo(file).fileName().toStdString());
    }
    if (!persist::WriteTextLines(file.toStdString(), lines)) {
      shell::ShowMessage(shell::MessageKind::Error,
                         shell::Get(texts::drawwin::kWriteFailed) + file.toStdString());
    }
    return;
  }
  if (choices.coordinates == CoordinateTarget::Printer) {
    QPrinter& printer = DrawingPrinter();
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
      canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
    if (!Dialogs().printDialog(this, printer)) return;
    // The pole-style part in 11 point, the points in 9 point.
    TextPrintStyle style;
    style.bodyPoints = 9;
    style.headerLines = static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].rfind("-----", 0) == 0) {
        style.headerLines = static_cast<int>(i);
        break;
      }
    }
    if (!PrintTextLines(printer, lines, style))
      shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
  }
}

bool DrawingWindow::WritePageFormat(const SaveChoices& choices, const QString& path) {
  if (!HamShown() && RefuseEmptyOutput(true)) return false;
  WaitCursor wait;
  output::DrawingView& view = output::TheDrawingView();
  const output::Point page = output::PrinterPageSize(canvas::ExactA4Report());
  std::string error;
  const std::string title = output::DrawingWindowCaption(Kind());
  bool ok = false;
  {
    const output::CarriedPositions carried =
        output::CarryViewToPrinter(view, page, job_.Kind());
    auto draw = [this](output::PlotSink& sink) { DrawOnto(sink); };
    ok = choices.format == SaveFormat::Svg
             ? canvas::WriteSvgPage(path.toStdString(), draw, &error, title)
             : canvas::WritePdfPage(path.toStdString(), draw, &error, title);
  }
  if (!ok) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(texts::drawwin::kWriteFailed) + error);
    return false;
  }
  shell::ShowMessage(shell::MessageKind::Information, "\n       File " +
                                                          QFileInfo(path).fileName().toStdString() +
                                                          shell::Get(texts::output::kPlotSaved));
  return true;
}

}  // namespace kelvra::ui

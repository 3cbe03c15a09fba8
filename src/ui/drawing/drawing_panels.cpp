// The drawing window's panels and the commands beside the drawing: the
// hour-line table and pole-style information (shown and printed), the
// construction data files, the parameters dialog and the dial type picture.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <stdexcept>

#include "canvas/page_output.h"
#include "dials/ham/ham_file.h"
#include "persist/dial_data_file.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/drawwin.h"
#include "texts/ham.h"
#include "texts/persist.h"
#include "texts/planar.h"
#include "ui/common/pictures.h"
#include "ui/common/retranslate.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/dialogs/save_panel.h"
#include "ui/drawing/drawing_host.h"
#include "ui/drawing/drawing_window.h"
#include "ui/drawing/drawing_window_internal.h"
#include "ui/drawing/listing_panels.h"
#include "ui/drawing/text_printing.h"

namespace kelvra::ui {

namespace {

using namespace drawing_internal;

// The picture file of the current dial type.
QString TypePictureFile(const output::DrawingKind& k) {
  if (k.umbrella) return "dial_s.jpg";
  return QString("dial_%1.jpg").arg(QChar(k.kind));
}

}  // namespace

// ---- listing panels ---------------------------------------------------------------

void DrawingWindow::UpdateListingPanels() {
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing) return;
  if (tablePanel_->isVisibleTo(this) && listing->HasHourLineTable()) {
    tablePanel_->SetTable(listing->HourLineTable(tablePanel_->LongitudeCorrection()));
  }
  if (polePanel_->isVisibleTo(this)) polePanel_->SetLines(listing->PoleStyleLines());
}

void DrawingWindow::PlacePanels(QWidget* opened) {
  for (QWidget* panel : {static_cast<QWidget*>(save_), static_cast<QWidget*>(tablePanel_),
                         static_cast<QWidget*>(polePanel_), static_cast<QWidget*>(typePicture_)}) {
    if (!panel->isVisible()) continue;
    panel->adjustSize();
    QSize size = panel->size().boundedTo(pictureSize_);
    panel->resize(size);
    panel->move(std::max(0, (pictureSize_.width() - size.width()) / 2),
                std::max(0, (pictureSize_.height() - size.height()) / 3));
    if (panel != opened) panel->raise();
  }
  if (!opened) return;
  // The panel just opened is the one the user looks at: in front of the other
  // panels, and not under the main window's colour panel.
  opened->raise();
  if (host_ && host_->Colours() && host_->Colours()->isVisible()) host_->Colours()->Close();
}

void DrawingWindow::ShowHourLineTable() {
  if (!states_.hourLineTable) return;
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing || !listing->HasHourLineTable()) return;
  save_->hide();
  tablePanel_->SetTable(listing->HourLineTable(tablePanel_->LongitudeCorrection()));
  tablePanel_->show();
  PlacePanels(tablePanel_);
}

void DrawingWindow::PrintHourLineTable() {
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing || !listing->HasHourLineTable()) return;
  QPrinter& printer = DrawingPrinter();
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!Dialogs().printDialog(this, printer)) return;
  std::vector<std::string> lines = listing->HourLineTablePage(tablePanel_->LongitudeCorrection());
  std::string heading;
  if (!lines.empty()) {
    heading = lines.front();
    lines.erase(lines.begin());
  }
  WaitCursor wait;
  if (!ui::PrintHourLineTable(printer, heading, lines, shell::Get(texts::planar::kTableNextPage)))
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
}

void DrawingWindow::ShowPoleInformation() {
  if (!states_.poleInformation) return;
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing) return;
  polePanel_->SetLines(listing->PoleStyleLines());
  polePanel_->show();
  PlacePanels(polePanel_);
}

void DrawingWindow::PrintPoleInformation() {
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing) return;
  QPrinter& printer = DrawingPrinter();
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!Dialogs().printDialog(this, printer)) return;
  const std::string rule = "  " + std::string(78, '_');
  std::vector<std::string> lines{rule, ""};
  const std::vector<std::string> pole = listing->PoleStyleLines();
  lines.insert(lines.end(), pole.begin(), pole.end());
  lines.push_back(rule);
  if (!PrintTextLines(printer, lines, TextPrintStyle{}))
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
}

// ---- construction data, parameters, picture ----------------------------------------

void DrawingWindow::SaveConstructionData() {
  if (HamShown()) {
    SaveHamMarks();
    return;
  }
  const QString filter = Text(texts::drawwin::kLoadFilter) + ";;" + Text(texts::drawwin::kAllFiles);
  const QString path = Dialogs().saveFile(this, Q(shell::FileDialogTitle(2)),
                                          QDir::current().filePath(persist::kDefaultDialFileName),
                                          filter);
  if (!path.isEmpty()) {
    QString file = path;
    if (QFileInfo(file).suffix().isEmpty()) file += ".kel";
    persist::SaveDialDataFile(file.toStdString());
  }
  Render();
}

void DrawingWindow::LoadConstructionData() {
  if (HamShown()) {
    LoadHamMarks();
    return;
  }
  const QString filter = Text(texts::drawwin::kLoadFilter) + ";;" + Text(texts::drawwin::kAllFiles);
  const QString path = Dialogs().openFile(this, Q(shell::FileDialogTitle(3)), filter);
  if (path.isEmpty()) return;
  try {
    persist::LoadDialDataFile(path.toStdString());
  } catch (const std::exception&) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(texts::drawwin::kCannotSolve) + "4");
  }
  // The file's language applies to every window; then the new dial is drawn.
  if (host_) host_->SelectLanguage(shell::State().general.languageIsGerman);
  Activate();
}

// ---- the ham dial aid's hour points ----------------------------------------------

void DrawingWindow::SaveHamMarks() {
  const QString filter =
      Q(shell::Get(texts::ham::kFileFilter)) + ";;" + Text(texts::drawwin::kAllFiles);
  QString path = Dialogs().saveFile(this, Q(shell::FileDialogTitle(2)),
                                    QDir::current().filePath(dials::ham::kDefaultHamFileName),
                                    filter);
  if (!path.isEmpty()) {
    if (QFileInfo(path).suffix().isEmpty()) path += ".ham";
    const std::string name = QFileInfo(path).fileName().toStdString();
    const shell::SaveResult r = dials::ham::SaveHamFile(path.toStdString(), hamMarks_);
    if (r.ok) {
      shell::ShowMessage(shell::MessageKind::Information,
                         name + shell::Get(texts::persist::kSaved));
    } else {
      shell::ShowMessage(shell::MessageKind::Error,
                         name + " :\n" + shell::Get(texts::persist::kNotSaved) + "\n" + r.reason);
    }
  }
  Render(false);
}

void DrawingWindow::LoadHamMarks() {
  const QString filter =
      Q(shell::Get(texts::ham::kFileFilter)) + ";;" + Text(texts::drawwin::kAllFiles);
  const QString path = Dialogs().openFile(this, Q(shell::Get(texts::ham::kLoadTitle)), filter);
  if (!path.isEmpty()) {
    const dials::ham::HamFileRead read = dials::ham::ReadHamFile(path.toStdString());
    if (read.marks) {
      hamMarks_ = *read.marks;
      shell::State().general.hamMarkMode = true;  // the loaded points are what the user wants to see
    } else {
      shell::ShowMessage(shell::MessageKind::Error,
                         QFileInfo(path).fileName().toStdString() + " :\n" + read.problem);
    }
  }
  Render(false);
}

void DrawingWindow::OpenParameters() {
  if (host_) host_->OpenParametersAfterEvent();
}

void DrawingWindow::TogglePicture() {
  if (typePicture_->isVisible()) {
    typePicture_->hide();
    return;
  }
  const QImage image = BuiltinPicture(TypePictureFile(Kind()));
  if (image.isNull()) return;
  typePicture_->setPixmap(QPixmap::fromImage(
      image.scaled(420, 420, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  typePicture_->show();
  PlacePanels(typePicture_);
}

}  // namespace kelvra::ui

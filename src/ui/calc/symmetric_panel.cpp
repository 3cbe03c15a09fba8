#include "ui/calc/symmetric_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "astro/solar_ephemeris.h"
#include "calc/tables/eot_by_longitude.h"
#include "calc/tables/symmetric_table.h"
#include "calc/tables/table_export.h"
#include "canvas/page_output.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/tables.h"
#include "ui/calc/graph_view.h"
#include "ui/calc/table_printing.h"
#include "ui/calc/tables_window.h"
#include "ui/common/field_checks.h"

namespace kelvra::ui {

namespace tt = texts::tables;

namespace {

// The panel's filter "A|*.a|B|*.b|..." as a Qt filter "A;;B;;...".
QString QtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList names;
  for (int i = 0; i < parts.size(); i += 2) names << parts[i];
  return names.join(";;");
}

}  // namespace

SymmetricPanel::SymmetricPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("SymmetricPanel");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  auto* column = new QVBoxLayout(this);
  caption_ = new QLabel(this);
  SetTag(caption_, tt::kSymmetricPanel);
  QFont bold = caption_->font();
  bold.setBold(true);
  caption_->setFont(bold);
  column->addWidget(caption_);
  auto* yearRow = new QHBoxLayout;
  year_ = new QLineEdit(this);
  year_->setObjectName("EdSymmetricYear");
  year_->setAlignment(Qt::AlignRight);
  year_->setMaximumWidth(70);
  InstallKeyFilter(year_, FieldKind::Integer, nullptr);
  yearLabel_ = new QLabel(this);
  yearLabel_->setBuddy(year_);
  SetTag(yearLabel_, tt::kSymmetricYear);
  yearRow->addWidget(yearLabel_);
  yearRow->addWidget(year_);
  yearRow->addStretch();
  column->addLayout(yearRow);
  counts_ = new QListWidget(this);
  counts_->setObjectName("LbValueCounts");
  counts_->setMaximumHeight(130);
  column->addWidget(counts_);
  save_ = new QPushButton(this);
  save_->setObjectName("BtSymmetricSave");
  SetTag(save_, tt::kSymmetricSave);
  print_ = new QPushButton(this);
  print_->setObjectName("BtSymmetricPrint");
  SetTag(print_, tt::kSymmetricPrint);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addWidget(print_);
  column->addLayout(buttons);

  connect(year_, &QLineEdit::editingFinished, this, [this] { LeaveYear(); });
  connect(save_, &QPushButton::clicked, this, [this] { SaveTable(); });
  connect(print_, &QPushButton::clicked, this, [this] { PrintData(); });
  Retranslate();
  hide();
}

void SymmetricPanel::Open() {
  year_->setText(QString::number(shell::State().site.year));
  adjustSize();
  show();
  raise();
}

bool SymmetricPanel::LeaveYear() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  int year = shell::State().site.year;
  if (CheckIntegerField(year_, year, FieldName(yearLabel_), 1300, 2500)) return true;
  if (year != shell::State().site.year) {
    shell::State().site.year = year;
    emit YearChanged();
  }
  return false;
}

int SymmetricPanel::ValueCount() const {
  const int row = counts_->currentRow();
  if (row < 0 || row >= static_cast<int>(calc::kSymmetricValueCounts.size())) return 0;
  return calc::kSymmetricValueCounts[static_cast<std::size_t>(row)];
}

std::vector<std::string> SymmetricPanel::Lines(char separator) const {
  if (ValueCount() == 0) return {};
  return calc::BuildSymmetricTable(ValueCount(), shell::State().site.year, separator,
                                   shell::CurrentLanguage());
}

bool SymmetricPanel::RefuseWithoutCount() const {
  if (ValueCount() != 0) return false;
  shell::ShowMessage(shell::MessageKind::Information, shell::Get(tt::kChooseSymmetricCount));
  return true;
}

bool SymmetricPanel::SaveTable() {
  if (LeaveYear() || RefuseWithoutCount()) return false;
  const QString filter = QtFilter(shell::GetRaw(tt::kSymmetricFilter));
  QString chosenFilter;
  QString path = TheGraphViewDialogs().saveFile(
      this, QString::fromStdString(shell::FileDialogTitle(4)),
      QDir::current().filePath(QString::fromStdString(shell::Get(tt::kSymmetricProposal))),
      filter, &chosenFilter);
  if (path.isEmpty()) {
    shell::ShowMessage(shell::MessageKind::Information, shell::Get(tt::kActionCancelled));
    return false;
  }
  // The file type decides the separator: ';' for a CSV file, '/' otherwise.
  const QStringList filters = filter.split(";;");
  const bool csv = chosenFilter == filters.value(1) ||
                   (chosenFilter != filters.value(0) &&
                    QFileInfo(path).suffix().compare("csv", Qt::CaseInsensitive) == 0);
  if (QFileInfo(path).suffix().isEmpty()) {
    const QString typed = path;
    path += csv ? ".csv" : ".txt";
    if (!MayReplaceOtherFile(typed, path)) return false;
  }
  const std::string bytes = calc::SymmetricTableBytes(Lines(csv ? ';' : '/'));
  const shell::SaveResult result = calc::SaveTableFile(path.toStdString(), bytes);
  if (!result.ok) {
    shell::ShowMessage(shell::MessageKind::Error,
                       shell::Get(tt::kSaveError) + path.toStdString() + "\n" + result.reason);
    return false;
  }
  shell::ShowMessage(shell::MessageKind::Information,
                     path.toStdString() + shell::Get(tt::kSaved));
  return true;
}

bool SymmetricPanel::PrintData() {
  if (LeaveYear() || RefuseWithoutCount()) return false;
  QPrinter& printer = GraphPrinter();
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty()) {
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  }
  if (!TheGraphViewDialogs().printDialog(this, printer)) return false;
  const std::vector<std::string> lines = calc::EquationOfTimeByLongitudeLines(
      astro::EquationOfTimeByLongitude(ValueCount(), shell::State().site.year));
  if (!PrintEotByLongitude(printer, lines)) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(tt::kPrintError));
    return false;
  }
  return true;
}

void SymmetricPanel::Retranslate() {
  RelabelTree(this);
  const int current = counts_->currentRow();
  counts_->clear();
  for (int i = 0; i < tt::kSymmetricCounts.size(); ++i) {
    counts_->addItem(Text(tt::kSymmetricCounts[i]));
  }
  // The list starts without a choice.
  counts_->setCurrentRow(current);
  if (current < 0) counts_->clearSelection();
}

}  // namespace kelvra::ui

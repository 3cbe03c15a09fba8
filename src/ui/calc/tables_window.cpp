#include "ui/calc/tables_window.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/tables/rise_set_table.h"
#include "calc/tables/table_export.h"
#include "calc/tables/yearly_table.h"
#include "canvas/page_output.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/astro.h"
#include "texts/tables.h"
#include "texts/ui.h"
#include "ui/calc/table_printing.h"
#include "ui/calc/table_view.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace tt = texts::tables;

namespace {

TablesDialogs RealDialogs() {
  TablesDialogs d;
  d.saveFile = [](QWidget* parent, const QString& caption, const QString& proposal,
                  const QString& filter, int* filterIndex) {
    // The catalogue's "Name (*.X)|*.X|..." as Qt filters.
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectFile(proposal);
    // Another filter proposes "text.txt" or "text.csv".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& chosen) {
                       dialog.selectFile(filters.indexOf(chosen) == 1 ? "text.csv" : "text.txt");
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    *filterIndex = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().front();
  };
  d.printDialog = [](QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
  return d;
}

GraphViewFactory& GraphFactory() {
  static GraphViewFactory factory;
  return factory;
}

std::string Std(const QString& s) { return s.toStdString(); }

}  // namespace

TablesDialogs& TablesWindowDialogs() {
  static TablesDialogs dialogs = RealDialogs();
  return dialogs;
}

void ResetTablesWindowDialogs() { TablesWindowDialogs() = RealDialogs(); }

bool MayReplaceOtherFile(const QString& typed, const QString& written) {
  std::error_code ec;
  const std::filesystem::path file = written.toStdString();
  if (file == std::filesystem::path(typed.toStdString()) || !std::filesystem::exists(file, ec)) {
    return true;
  }
  return shell::ShowMessage(shell::MessageKind::Question,
                            file.string() + Std(Raw(tt::kReplaceOtherFile)),
                            shell::MessageButtons::YesNo) == shell::MessageAnswer::Yes;
}

QPrinter& TablesPrinter() {
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

void SetGraphViewFactory(GraphViewFactory factory) { GraphFactory() = std::move(factory); }

TablesWindow::TablesWindow(TablesMode mode, int variant, QWidget* parent)
    : TaskWindow(kTablesWindow, mode == TablesMode::EotGraph || mode == TablesMode::SunPath ? 50 : 51,
                 parent),
      mode_(mode),
      variant_(variant) {
  auto& general = shell::State().general;
  if (mode_ == TablesMode::Yearly) general.tableKind = std::clamp(variant, 0, 3);
  // The site and year as the window opened.
  table_.site = shell::State().site;
  BuildControls();
  Rebuild();
}

calc::YearTableKind TablesWindow::YearKind() const {
  return static_cast<calc::YearTableKind>(std::clamp(shell::State().general.tableKind, 0, 3));
}

int TablesWindow::Variant() const {
  if (mode_ == TablesMode::Yearly) return static_cast<int>(YearKind());
  return mode_ == TablesMode::SunPath ? variant_ : 0;
}

void TablesWindow::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  if (mode_ == TablesMode::EotGraph || mode_ == TablesMode::SunPath) {
    // The graph brings its own controls.
    if (GraphFactory()) graph_ = GraphFactory()(mode_, variant_, this);
    if (!graph_) {
      auto* placeholder = new QLabel(this);
      placeholder->setAlignment(Qt::AlignCenter);
      SetTag(placeholder, tt::kGraphPlaceholder);
      graph_ = placeholder;
    }
    layout->addWidget(graph_, 1);
    return;
  }
  auto* bar = new QHBoxLayout;
  layout->addLayout(bar);
  if (mode_ == TablesMode::Yearly) {
    kindLabel_ = new QLabel(this);
    SetTag(kindLabel_, tt::kYearlyChoice);
    kindChoice_ = new QComboBox(this);
    kindChoice_->setObjectName("CbTabelle");
    bar->addWidget(kindLabel_);
    bar->addWidget(kindChoice_);
    connect(kindChoice_, &QComboBox::currentIndexChanged, this, [this](int i) {
      if (filling_ || i < 0) return;
      shell::State().general.tableKind = i;
      Rebuild();
    });
  } else if (mode_ == TablesMode::RiseSet) {
    rangeChoice_ = new QComboBox(this);
    rangeChoice_->setObjectName("CbBereich");
    monthChoice_ = new QComboBox(this);
    monthChoice_->setObjectName("CbMonat");
    twilightChoice_ = new QComboBox(this);
    twilightChoice_->setObjectName("CbDaemmerung");
    const std::pair<QComboBox*, texts::TextId> choices[] = {{rangeChoice_, tt::kRangeChoice},
                                                           {monthChoice_, tt::kMonthChoice},
                                                           {twilightChoice_, tt::kTwilightChoice}};
    for (const auto& [c, tag] : choices) {
      auto* label = new QLabel(this);
      SetTag(label, tag);
      label->setBuddy(c);
      bar->addWidget(label);
      bar->addWidget(c);
      connect(c, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (filling_ || i < 0) return;
        shell::State().general.riseSetRange = rangeChoice_->currentIndex();
        shell::State().general.twilightKind = twilightChoice_->currentIndex();
        Rebuild();
      });
    }
  }
  bar->addStretch(1);
  auto button = [this, bar](const char* name, texts::TextId tag) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    SetTag(b, tag);
    bar->addWidget(b);
    return b;
  };
  connect(button("BtSpeichern", tt::kSaveButton), &QPushButton::clicked, this,
          &TablesWindow::ExportTable);
  connect(button("BtPrint", tt::kPrintButton), &QPushButton::clicked, this, &TablesWindow::Print);
  FillChoices();
  if (monthChoice_) monthChoice_->setCurrentIndex(std::clamp(shell::State().general.today.month, 1, 12) - 1);

  view_ = new TableView(this);
  layout->addWidget(view_, 1);
  popup_ = new QMenu(this);
  QAction* save = popup_->addAction(QString());
  SetTag(save, tt::kMenuSave);
  connect(save, &QAction::triggered, this, &TablesWindow::ExportTable);
  QAction* print = popup_->addAction(QString());
  SetTag(print, tt::kMenuPrint);
  connect(print, &QAction::triggered, this, &TablesWindow::Print);
  QAction* close = popup_->addAction(QString());
  SetTag(close, tt::kMenuClose);
  connect(close, &QAction::triggered, this, [this] { CloseWindow(); });
  connect(view_, &TableView::ContextMenuRequested, this,
          [this](const QPoint& at) { popup_->popup(at); });
}

void TablesWindow::FillChoices() {
  filling_ = true;
  auto refill = [](QComboBox* box, texts::TextRun run, int current) {
    if (!box) return;
    box->clear();
    for (int i = 0; i < run.size(); ++i) box->addItem(Raw(run[i]));
    box->setCurrentIndex(current);
  };
  const auto& general = shell::State().general;
  refill(kindChoice_, tt::kYearlyKinds, std::clamp(general.tableKind, 0, 3));
  refill(rangeChoice_, tt::kRanges, std::clamp(general.riseSetRange, 0, 2));
  refill(monthChoice_, tt::kMonthList, monthChoice_ ? std::max(0, monthChoice_->currentIndex()) : 0);
  refill(twilightChoice_, texts::astro::kTwilightKinds, std::clamp(general.twilightKind, 0, 2));
  filling_ = false;
}

void TablesWindow::Rebuild() {
  const int language = shell::CurrentLanguage();
  const shell::SiteSettings site = table_.site;
  const auto& general = shell::State().general;
  if (mode_ == TablesMode::Yearly) {
    table_ = calc::BuildYearlyTable(site, YearKind(), language);
  } else if (mode_ == TablesMode::RiseSet) {
    const auto range = static_cast<calc::RiseSetRange>(std::clamp(general.riseSetRange, 0, 2));
    monthChoice_->setEnabled(range == calc::RiseSetRange::OneMonth);
    twilightChoice_->setEnabled(range == calc::RiseSetRange::OneMonth);
    table_ = calc::BuildRiseSetTable(site, range, monthChoice_->currentIndex() + 1,
                                     static_cast<astro::TwilightKind>(general.twilightKind),
                                     language);
  }
  if (view_) view_->SetTable(table_);
  UpdateCaption();
}

void TablesWindow::UpdateCaption() {
  const int language = shell::CurrentLanguage();
  if (mode_ == TablesMode::Yearly) {
    SetCaptionText(QString::fromStdString(calc::YearlyTableCaption(YearKind(), language)));
  } else if (mode_ == TablesMode::RiseSet) {
    SetCaptionText(QString::fromStdString(calc::RiseSetTableCaption(language)));
  } else {
    SetCaptionText(Text(texts::ui::kTablesCaption));
  }
}

void TablesWindow::Retranslate() {
  TaskWindow::Retranslate();
  FillChoices();
  Rebuild();
}

void TablesWindow::Print() {
  if (!view_) {
    // The graph modes: the hosted graph prints itself when it can.
    if (graph_ && graph_->metaObject()->indexOfMethod("Print()") >= 0)
      QMetaObject::invokeMethod(graph_, "Print");
    return;
  }
  QPrinter& printer = TablesPrinter();
  // Without a printer the same dialog prints into a PDF file.
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  printer.setPageOrientation(PrintsLandscape(table_.layout) ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
  if (!TablesWindowDialogs().printDialog(this, printer)) return;
  std::vector<std::string> full;
  if (mode_ == TablesMode::Yearly) {
    full = calc::BuildYearlyTableFull(table_.site, YearKind(), table_.language);
  }
  if (!PrintTablePage(printer, table_, full)) {
    shell::ShowMessage(shell::MessageKind::Error, Std(Raw(tt::kPrintError)));
  }
}

void TablesWindow::ExportTable() {
  if (!view_) return;
  int filterIndex = 0;
  const QString chosen = TablesWindowDialogs().saveFile(
      this, Raw(tt::kSaveCaption), Raw(tt::kSaveProposal), Raw(tt::kSaveFilter), &filterIndex);
  if (chosen.isEmpty()) return;
  calc::ExportFormat format;
  format.csv = filterIndex == 1;
  const std::filesystem::path file = calc::ExportFileName(chosen.toStdString(), format.csv);
  // "notes.backup" becomes "notes.txt".
  if (!MayReplaceOtherFile(chosen, QString::fromStdString(file.string()))) return;
  if (format.csv) {
    const shell::MessageAnswer answer =
        shell::ShowMessage(shell::MessageKind::Question, Std(Raw(tt::kCsvSeparatorQuestion)),
                           shell::MessageButtons::YesNo);
    format.separator = answer == shell::MessageAnswer::Yes ? ';' : ',';
  }
  const shell::SaveResult result =
      calc::SaveTableFile(file, calc::ExportTableBytes(table_, format));
  if (!result.ok) {
    shell::ShowMessage(shell::MessageKind::Error, Std(Raw(tt::kOpenError)) + file.string());
  }
}

}  // namespace kelvra::ui

#include "ui/drawing/listing_panels.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/catalog.h"
#include "texts/drawwin.h"
#include "texts/planar.h"

namespace kelvra::ui {

namespace {

QFont FixedFont() {
  QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setFamily("Liberation Mono");
  f.setStyleHint(QFont::Monospace);
  return f;
}

QString Join(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& l : lines) list << QString::fromStdString(l);
  return list.join('\n');
}

}  // namespace

HourLineTablePanel::HourLineTablePanel(QWidget* parent) : QFrame(parent) {
  setObjectName("HourLineTablePanel");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  QFont big = heading_->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  heading_->setFont(big);
  heading_->setAlignment(Qt::AlignCenter);
  layout->addWidget(heading_);

  auto* top = new QHBoxLayout;
  site_ = new QLabel(this);
  site_->setFont(FixedFont());
  memo_ = new QLabel(this);
  memo_->setFont(FixedFont());
  top->addWidget(site_);
  top->addSpacing(20);
  top->addWidget(memo_, 1);
  layout->addLayout(top);
  sunlit_ = new QLabel(this);
  sunlit_->setObjectName("SunlitPeriod");
  layout->addWidget(sunlit_);

  grid_ = new QTableWidget(this);
  grid_->setObjectName("HourLineGrid");
  grid_->setColumnCount(15);
  grid_->setFont(FixedFont());
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->setMinimumHeight(260);
  layout->addWidget(grid_, 1);

  auto* buttons = new QHBoxLayout;
  correction_ = new QCheckBox(this);
  correction_->setObjectName("LongitudeCorrection");
  SetTag(correction_, texts::drawwin::kLongitudeCorrection);
  print_ = new QPushButton(this);
  print_->setObjectName("PrintTable");
  SetTag(print_, texts::drawwin::kPrint);
  close_ = new QPushButton(this);
  close_->setObjectName("CloseTable");
  SetTag(close_, texts::drawwin::kPanelClose);
  buttons->addWidget(correction_);
  buttons->addStretch(1);
  buttons->addWidget(print_);
  buttons->addWidget(close_);
  layout->addLayout(buttons);
  connect(correction_, &QCheckBox::toggled, this, [this](bool on) { emit CorrectionChanged(on); });
  connect(print_, &QPushButton::clicked, this, [this] { emit PrintRequested(); });
  connect(close_, &QPushButton::clicked, this, [this] { emit CloseRequested(); });
  Retranslate();
  hide();
}

bool HourLineTablePanel::LongitudeCorrection() const { return correction_->isChecked(); }

void HourLineTablePanel::SetTable(const dials::HourLineTableView& table) {
  heading_->setText(QString::fromStdString(table.heading));
  site_->setText(Join(table.labels));
  memo_->setText(Join(table.memoLines));
  sunlit_->setText(QString::fromStdString(table.sunlitLine));
  grid_->setRowCount(static_cast<int>(table.grid.size()));
  for (int r = 0; r < static_cast<int>(table.grid.size()); ++r) {
    for (int c = 0; c < 15; ++c) {
      auto* item = new QTableWidgetItem(
          QString::fromStdString(table.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(r, c, item);
    }
  }
  Retranslate();
}

void HourLineTablePanel::Retranslate() {
  RelabelTree(this);
  // Four groups of time, angle and tangent with a narrow spacer between them.
  QStringList headers;
  for (int g = 0; g < 4; ++g) {
    headers << Text(texts::planar::kTableTime) + "\n[hh;mm]"
            << " Grad\n[dd.dd]"
            << " tan(alpha)";
    if (g < 3) headers << QString();
  }
  grid_->setHorizontalHeaderLabels(headers);
  for (int c : {3, 7, 11}) grid_->setColumnWidth(c, 8);
}

PoleInfoPanel::PoleInfoPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("PoleInfoPanel");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("PoleInfoText");
  text_->setReadOnly(true);
  text_->setFont(FixedFont());
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setMinimumSize(640, 320);
  layout->addWidget(text_, 1);
  auto* buttons = new QHBoxLayout;
  auto* print = new QPushButton(this);
  print->setObjectName("PrintInfo");
  SetTag(print, texts::drawwin::kPrintInfo);
  auto* close = new QPushButton(this);
  close->setObjectName("CloseInfo");
  SetTag(close, texts::drawwin::kPanelClose);
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(print, &QPushButton::clicked, this, [this] { emit PrintRequested(); });
  connect(close, &QPushButton::clicked, this, [this] { emit CloseRequested(); });
  hide();
}

void PoleInfoPanel::SetLines(const std::vector<std::string>& lines) {
  text_->setPlainText(Join(lines));
}

QString PoleInfoPanel::Content() const { return text_->toPlainText(); }

}  // namespace kelvra::ui

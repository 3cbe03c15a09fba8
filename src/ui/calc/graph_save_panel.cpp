#include "ui/calc/graph_save_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/graphs/eot_graph.h"
#include "config/dial_parameters.h"
#include "shell/number_format.h"
#include "texts/graphs.h"
#include "ui/common/field_checks.h"

namespace kelvra::ui {

namespace tg = texts::graphs;

GraphSavePanel::GraphSavePanel(QWidget* parent) : DragPanel(parent) {
  setObjectName("GraphSavePanel");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  auto* grid = new QGridLayout(this);
  name_ = new QLineEdit(this);
  name_->setObjectName("EdGraphFile");
  nameLabel_ = new QLabel(this);
  nameLabel_->setBuddy(name_);
  SetTag(nameLabel_, tg::kFileName);
  factor_ = new QLineEdit(this);
  factor_->setObjectName("EdYFactor");
  factor_->setAlignment(Qt::AlignRight);
  factor_->setMaximumWidth(90);
  InstallKeyFilter(factor_, FieldKind::Real, nullptr);
  factorLabel_ = new QLabel(this);
  factorLabel_->setBuddy(factor_);
  SetTag(factorLabel_, tg::kYFactor);
  mirror_ = new QCheckBox(this);
  mirror_->setObjectName("CbMirror");
  SetTag(mirror_, tg::kMirror);
  longitude_ = new QCheckBox(this);
  longitude_->setObjectName("CbLongitude");
  grid->addWidget(nameLabel_, 0, 0);
  grid->addWidget(name_, 0, 1);
  grid->addWidget(factorLabel_, 1, 0);
  grid->addWidget(factor_, 1, 1, Qt::AlignLeft);
  grid->addWidget(mirror_, 2, 0, 1, 2);
  grid->addWidget(longitude_, 3, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(this);
  ok_->setObjectName("BtGraphSaveOk");
  SetTag(ok_, tg::kOk);
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("BtGraphSaveCancel");
  SetTag(cancel_, tg::kCancel);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  grid->addLayout(buttons, 4, 0, 1, 2);
  connect(ok_, &QPushButton::clicked, this, [this] { Accept(); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    hide();
    emit Cancelled();
  });
  Retranslate();
  hide();
}

void GraphSavePanel::Open(calc::graphs::GraphKind kind, bool dxf) {
  dxf_ = dxf;
  eot_ = kind == calc::graphs::GraphKind::Eot;
  factorValue_ = 1.0;
  name_->setText(QString::fromStdString(calc::graphs::ProposedGraphFileName(kind, dxf)));
  factor_->setText(QString::fromStdString(shell::FormatReal(4, 2, factorValue_)).trimmed());
  mirror_->setChecked(false);
  mirror_->setVisible(eot_);
  longitude_->setChecked(config::Dial().zoneTime);
  adjustSize();
  show();
  raise();
  name_->setFocus();
}

bool GraphSavePanel::Accept() {
  double value = factorValue_;
  if (CheckRealField(factor_, value, FieldName(factorLabel_), calc::graphs::kMaxYFactor,
                     calc::graphs::kMinYFactor)) {
    return false;
  }
  factorValue_ = value;
  factor_->setText(QString::fromStdString(shell::FormatReal(4, 2, value)).trimmed());
  config::Dial().zoneTime = longitude_->isChecked();
  GraphSaveRequest request;
  request.dxf = dxf_;
  request.fileName = name_->text().trimmed().toStdString();
  request.options.yFactor = value;
  request.options.mirror = eot_ && mirror_->isChecked();
  request.options.withLongitude = longitude_->isChecked();
  hide();
  emit Accepted(request);
  return true;
}

void GraphSavePanel::Retranslate() {
  RelabelTree(this);
  longitude_->setText(Text(tg::kLongitudeCorrection1).trimmed() + "\n" +
                      Text(tg::kLongitudeCorrection2).trimmed());
  adjustSize();
}

}  // namespace kelvra::ui

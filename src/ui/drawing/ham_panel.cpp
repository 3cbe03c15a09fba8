#include "ui/drawing/ham_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "config/dial_fields.h"
#include "dials/ham/ham_aid.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/ham.h"
#include "ui/common/field_checks.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

double FieldValue(const char* name) {
  return config::FindField(name)->get(config::CurrentFieldRefs());
}

}  // namespace

HamPanel::HamPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("HamPanel");
  setFixedHeight(kHeight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 0, 4, 0);
  switch_ = new QCheckBox(this);
  switch_->setObjectName("HamSwitch");
  SetTag(switch_, texts::ham::kToggle);
  row->addWidget(switch_);
  fields_[0] = {"habermelGnomon", nullptr, nullptr, 1};
  fields_[1] = {"hamStretch", nullptr, nullptr, 2};
  fields_[2] = {"hamEquinoxAngle", nullptr, nullptr, 2};
  const texts::TextId labels[] = {texts::ham::kDiameter, texts::ham::kStretchLabel,
                                  texts::ham::kEquinoxLabel};
  for (int i = 0; i < 3; ++i) {
    Field& f = fields_[i];
    f.label = new QLabel(this);
    SetTag(f.label, labels[i]);
    f.edit = new QLineEdit(this);
    f.edit->setObjectName(f.name);
    f.edit->setFixedWidth(60);
    InstallKeyFilter(f.edit, FieldKind::Real, nullptr);
    connect(f.edit, &QLineEdit::editingFinished, this, [this, &f] { Leave(f); });
    row->addSpacing(12);
    row->addWidget(f.label);
    row->addWidget(f.edit);
  }
  row->addStretch(1);
  connect(switch_, &QCheckBox::toggled, this, [this](bool on) {
    if (shell::State().general.hamOverlay == on) return;
    shell::State().general.hamOverlay = on;
    emit Changed();
  });
  Fill();
}

void HamPanel::Fill() {
  switch_->setChecked(shell::State().general.hamOverlay);
  for (Field& f : fields_) {
    double v = FieldValue(f.name);
    // The circle's radius while no Habermel dial has set one.
    if (f.decimals == 1 && (v < 9 || v > 100)) v = dials::ham::kDefaultDiameter;
    f.edit->setText(QString::fromStdString(shell::FormatReal(8, f.decimals, v)).trimmed());
  }
}

void HamPanel::Leave(Field& f) {
  CheckGuard guard(checking_);
  if (guard.Busy()) return;
  const config::FieldInfo& info = *config::FindField(f.name);
  const double stored = FieldValue(f.name);
  double value = stored;
  if (f.decimals == 1 && (value < 9 || value > 100)) value = dials::ham::kDefaultDiameter;
  if (CheckRealField(f.edit, value, FieldName(f.label), info.max, info.min)) return;
  if (value == stored) return;
  info.set(config::CurrentFieldRefs(), value);
  emit Changed();
}

}  // namespace kelvra::ui

#include "ui/dialogs/save_panel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "texts/drawwin.h"

namespace kelvra::ui {

namespace {

using output::CoordinateTarget;
using output::SaveFormat;

texts::TextId TitleTag(SaveFormat f) {
  switch (f) {
    case SaveFormat::Hpgl:
      return texts::drawwin::kTitleHpgl;
    case SaveFormat::Dxf:
      return texts::drawwin::kTitleDxf;
    case SaveFormat::Svg:
      return texts::drawwin::kTitleSvg;
    case SaveFormat::Pdf:
      return texts::drawwin::kTitlePdf;
  }
  return texts::drawwin::kTitleHpgl;
}

bool IsPlotFormat(SaveFormat f) { return f == SaveFormat::Hpgl || f == SaveFormat::Dxf; }

}  // namespace

SavePanel::SavePanel(QWidget* parent) : QFrame(parent) {
  setObjectName("SavePanel");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);

  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  QFont big = title_->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  title_->setFont(big);
  layout->addWidget(title_);

  // The file format: the plotter formats and the printed page as a file.
  auto* formatRow = new QHBoxLayout;
  auto* formatLabel = new QLabel(this);
  SetTag(formatLabel, texts::drawwin::kFileFormat);
  formatRow->addWidget(formatLabel);
  formats_ = new QButtonGroup(this);
  const SaveFormat all[] = {SaveFormat::Hpgl, SaveFormat::Dxf, SaveFormat::Svg, SaveFormat::Pdf};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QRadioButton(this);
    b->setObjectName(QString("SaveFormat%1").arg(i));
    SetTag(b, texts::drawwin::kFileFormats[i]);
    formats_->addButton(b, static_cast<int>(all[i]));
    formatRow->addWidget(b);
  }
  formatRow->addStretch(1);
  layout->addLayout(formatRow);
  connect(formats_, &QButtonGroup::idClicked, this,
          [this](int id) { SetFormat(static_cast<SaveFormat>(id)); });

  auto* nameRow = new QHBoxLayout;
  auto* nameLabel = new QLabel(this);
  SetTag(nameLabel, texts::drawwin::kFileName);
  name_ = new QLineEdit(this);
  name_->setObjectName("SaveFileName");
  name_->setMaxLength(static_cast<int>(output::kMaxSaveNameLength));
  name_->setMinimumWidth(280);
  nameLabel->setBuddy(name_);
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(name_, 1);
  layout->addLayout(nameRow);
  connect(name_, &QLineEdit::textEdited, this, [this] { UpdateCoordinateName(); });
  connect(name_, &QLineEdit::returnPressed, this, [this] { emit Accepted(Choices()); });

  coordinateBox_ = new QGroupBox(this);
  SetTag(coordinateBox_, texts::drawwin::kCoordinateBox);
  auto* cl = new QVBoxLayout(coordinateBox_);
  coordinates_ = new QButtonGroup(this);
  const CoordinateTarget targets[] = {CoordinateTarget::None, CoordinateTarget::Printer,
                                      CoordinateTarget::TextFile};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(coordinateBox_);
    b->setObjectName(QString("Coordinates%1").arg(i));
    SetTag(b, texts::drawwin::kCoordinateTargets[i]);
    coordinates_->addButton(b, static_cast<int>(targets[i]));
    cl->addWidget(b);
  }
  auto* coordinateRow = new QHBoxLayout;
  coordinateNameLabel_ = new QLabel(coordinateBox_);
  SetTag(coordinateNameLabel_, texts::drawwin::kCoordinateFileName);
  coordinateName_ = new QLineEdit(coordinateBox_);
  coordinateName_->setObjectName("CoordinateFileName");
  coordinateName_->setReadOnly(true);
  coordinateRow->addWidget(coordinateNameLabel_);
  coordinateRow->addWidget(coordinateName_, 1);
  cl->addLayout(coordinateRow);
  layout->addWidget(coordinateBox_);
  connect(coordinates_, &QButtonGroup::idToggled, this, [this](int, bool) {
    UpdateFormatControls();
  });

  strengthBox_ = new QGroupBox(this);
  SetTag(strengthBox_, texts::drawwin::kStrengthBox);
  auto* sl = new QHBoxLayout(strengthBox_);
  strengths_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(strengthBox_);
    b->setObjectName(QString("Strength%1").arg(i + 1));
    SetTag(b, texts::drawwin::kStrengths[i]);
    strengths_->addButton(b, i + 1);
    sl->addWidget(b);
  }
  strengths_->button(1)->setChecked(true);
  layout->addWidget(strengthBox_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("SaveCancel");
  SetTag(cancel_, texts::drawwin::kCancel);
  next_ = new QPushButton(this);
  next_->setObjectName("SaveNext");
  SetTag(next_, texts::drawwin::kNext);
  next_->setDefault(true);
  buttons->addWidget(cancel_);
  buttons->addWidget(next_);
  layout->addLayout(buttons);
  connect(next_, &QPushButton::clicked, this, [this] { emit Accepted(Choices()); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    hide();
    emit Cancelled();
  });
  hide();
}

void SavePanel::Open(SaveFormat format, const std::string& name, bool coordinateChoice,
                     bool coordinatesToFile) {
  coordinateChoice_ = coordinateChoice;
  name_->setText(QString::fromStdString(name));
  coordinates_->button(static_cast<int>(coordinatesToFile ? CoordinateTarget::TextFile
                                                          : CoordinateTarget::None))
      ->setChecked(true);
  SetFormat(format);
  adjustSize();
  show();
  raise();
  name_->setFocus();
  name_->selectAll();
}

void SavePanel::SetFormat(SaveFormat format) {
  format_ = format;
  formats_->button(static_cast<int>(format))->setChecked(true);
  // The name follows the format at once, so that the field shows what is saved.
  const QString text = name_->text();
  if (!text.isEmpty())
    name_->setText(QString::fromStdString(output::SaveFileName(text.toStdString(), format)));
  title_->setText(Text(TitleTag(format)));
  UpdateCoordinateName();
  UpdateFormatControls();
}

void SavePanel::UpdateCoordinateName() {
  const std::string plot = output::SaveFileName(name_->text().toStdString(), format_);
  coordinateName_->setText(QString::fromStdString(output::CoordinateFileName(plot)));
}

void SavePanel::UpdateFormatControls() {
  const bool plot = IsPlotFormat(format_);
  coordinateBox_->setEnabled(plot && coordinateChoice_);
  strengthBox_->setEnabled(plot);
  const bool toFile = coordinates_->checkedId() == static_cast<int>(CoordinateTarget::TextFile);
  coordinateNameLabel_->setVisible(toFile);
  coordinateName_->setVisible(toFile);
  // The line-strength label shows in the normal colour for HPGL files only.
  strengthBox_->setStyleSheet(format_ == SaveFormat::Hpgl ? QString()
                                                          : QStringLiteral("QGroupBox { color: gray; }"));
}

SaveChoices SavePanel::Choices() const {
  SaveChoices c;
  c.format = format_;
  c.fileName = output::SaveFileName(name_->text().toStdString(), format_);
  c.coordinateFileName = output::CoordinateFileName(c.fileName);
  c.coordinates = (IsPlotFormat(format_) && coordinateChoice_)
                      ? static_cast<CoordinateTarget>(coordinates_->checkedId())
                      : CoordinateTarget::None;
  c.lineStrength = strengths_->checkedId() < 1 ? 1 : strengths_->checkedId();
  return c;
}

QRadioButton* SavePanel::CoordinateButton(CoordinateTarget target) const {
  return qobject_cast<QRadioButton*>(coordinates_->button(static_cast<int>(target)));
}

QRadioButton* SavePanel::StrengthButton(int strength) const {
  return qobject_cast<QRadioButton*>(strengths_->button(strength));
}

void SavePanel::Retranslate() {
  RelabelTree(this);
  title_->setText(Text(TitleTag(format_)));
}

}  // namespace kelvra::ui

#include "ui/dialogs/dial_parameters_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/day_month.h"
#include "shell/shared_state.h"
#include "shell/zodiac.h"
#include "texts/ui.h"
#include "ui/common/core_bridge.h"
#include "ui/common/retranslate.h"
#include "ui/dialogs/parameter_pages.h"

namespace kelvra::ui {

namespace {

config::DialParameters& D() { return config::Dial(); }
bool Expert() { return shell::State().general.expertMode; }

constexpr int kPageCount = 10;

}  // namespace

int DialParametersDialog::PageForKind(char kind, bool umbrella, bool expertMode) {
  config::DialParameters d;
  d.kind = kind;
  d.umbrella = umbrella;
  return static_cast<int>(config::PageFor(d, expertMode));
}

DialParametersDialog::DialParametersDialog(bool wizard, QWidget* parent)
    : TaskWindow(QStringLiteral("DialParametersDialog"), 3, parent), wizard_(wizard) {
  auto* outer = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  pages_ = new QTabWidget(this);
  pages_->setObjectName("Pages");
  close_ = new QPushButton(this);
  close_->setObjectName("CloseButton");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("CancelButton");
  const PageContext context{close_, &checking_};
  for (int p = 0; p < kPageCount; ++p) {
    FieldPage* page = MakeParameterPage(static_cast<config::ParameterPage>(p), context, pages_);
    connect(page, &FieldPage::FieldChanged, this,
            [this, page](const QString& field) { FieldChanged(page, field); });
    pageList_.push_back(page);
    pages_->addTab(page, QString());
  }
  body->addWidget(pages_, 1);
  ownGroup_ = BuildOwnDateGroup();
  body->addWidget(ownGroup_);
  outer->addLayout(body);

  auto* hints = new QHBoxLayout;
  auto* h1 = new QLabel(this);
  SetTag(h1, texts::ui::kHintSaveKey);
  auto* h2 = new QLabel(this);
  SetTag(h2, texts::ui::kHintLoadKey);
  for (QLabel* h : {h1, h2}) {
    h->setStyleSheet("color: #555;");
    hints->addWidget(h);
  }
  hints->addStretch();
  hints->addWidget(cancel_);
  hints->addWidget(close_);
  outer->addLayout(hints);
  SetTag(close_, wizard_ ? texts::ui::kNextStep : texts::ui::kParametersClose);
  SetTag(cancel_, texts::ui::kTypeCancel);
  cancel_->setVisible(wizard_);
  connect(close_, &QPushButton::clicked, this, [this] { CloseWindow(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { emit CancelWizard(); });

  // Opening: derived values first, then the page of the kind.
  config::DialParameters& d = D();
  if (!Expert()) {
    d.altitudeVariant = 0;
    if (d.azimuthCircleMode > 2) d.azimuthCircleMode -= 3;
  }
  const double obliquity = shell::CurrentZodiac().roundedObliquity;
  config::DeriveHabermelGnomon(d, shell::State().site.latitude, obliquity);
  config::DeriveMaxShadowLength(d, shell::State().site.latitude, obliquity);
  const config::DialKindRow& row = config::KindRow(d);
  if (row.umbrella && row.Has(config::kHorizontalFace)) d.wallDeclination = 0;
  Fill();
  currentPage_ = PageForKind(d.kind, d.umbrella, Expert());
  pages_->setCurrentIndex(currentPage_);
  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
    if (filling_ || page == currentPage_) return;
    if (!Page(currentPage_)->LeaveChecks()) {
      filling_ = true;
      pages_->setCurrentIndex(currentPage_);
      filling_ = false;
      return;
    }
    currentPage_ = page;
    // An empty last entry of the own list is dropped when a page is shown.
    if (ownDates_->count() > 0 && ownDates_->item(ownDates_->count() - 1)->text().trimmed().isEmpty())
      delete ownDates_->takeItem(ownDates_->count() - 1);
    ownGroup_->setVisible(page <= 1);
    UpdateCaption();
  });
  ownGroup_->setVisible(currentPage_ <= 1);
  if (wizard_) SetCaptionTag(texts::ui::kWizardPart, " 3");
  Retranslate();
}

FieldPage* DialParametersDialog::Page(int index) const {
  return index >= 0 && index < static_cast<int>(pageList_.size()) ? pageList_[index] : nullptr;
}

void DialParametersDialog::FieldChanged(FieldPage* source, const QString& field) {
  for (FieldPage* page : pageList_) {
    if (page != source) page->Fill();
  }
  UpdateEnabling();
  // The bifilar page chooses between the bifilar and the umbrella dial.
  if (field == QLatin1String("kind")) UpdateCaption();
  if (field == QLatin1String("dateLineMode")) emit DateModeChanged(D().dateLineMode);
}

QWidget* DialParametersDialog::BuildOwnDateGroup() {
  auto* group = new QGroupBox(this);
  group->setObjectName("OwnDateGroup");
  SetTag(group, texts::ui::kOwnDates);
  auto* l = new QVBoxLayout(group);
  auto* listLabel = new QLabel(group);
  SetTag(listLabel, texts::ui::kOwnDateList);
  ownDates_ = new QListWidget(group);
  ownDates_->setObjectName("OwnDateList");
  ownDates_->setMinimumWidth(220);
  auto* maskLabel = new QLabel(group);
  SetTag(maskLabel, texts::ui::kOwnDateMask);
  dateMask_ = new QLineEdit(group);
  dateMask_->setObjectName("OwnDateMask");
  dateMask_->setPlaceholderText("dd/mm");
  dateMask_->setMaxLength(5);
  maskLabel->setBuddy(dateMask_);
  // Enter in the mask only moves on to the close button.
  connect(dateMask_, &QLineEdit::returnPressed, this, [this] { close_->setFocus(); });
  auto* add = new QPushButton(group);
  SetTag(add, texts::ui::kOwnDateAdd);
  auto* remove = new QPushButton(group);
  SetTag(remove, texts::ui::kOwnDateDelete);
  auto* save = new QPushButton(group);
  SetTag(save, texts::ui::kOwnDatesSave);
  auto* load = new QPushButton(group);
  SetTag(load, texts::ui::kOwnDatesLoad);
  save->setEnabled(bridge::HaveSettingsFiles());
  load->setEnabled(bridge::HaveSettingsFiles());
  connect(add, &QPushButton::clicked, this, [this] { AddOwnDate(); });
  connect(remove, &QPushButton::clicked, this, [this] { DeleteOwnDate(); });
  connect(save, &QPushButton::clicked, this, [] { bridge::SaveOwnDates(); });
  connect(load, &QPushButton::clicked, this, [this] {
    if (bridge::LoadOwnDates()) FillOwnDates();
  });
  l->addWidget(listLabel);
  l->addWidget(ownDates_, 1);
  l->addWidget(maskLabel);
  l->addWidget(dateMask_);
  for (QPushButton* b : {add, remove, save, load}) l->addWidget(b);
  return group;
}

void DialParametersDialog::Activated() {
  for (FieldPage* page : pageList_) page->DialogActivated();
  Fill();
}

void DialParametersDialog::Fill() {
  filling_ = true;
  for (FieldPage* page : pageList_) page->Fill();
  FillOwnDates();
  filling_ = false;
  UpdateEnabling();
}

void DialParametersDialog::FillOwnDates() {
  ownDates_->clear();
  // The comments the program wrote ("21. März") follow the language.
  const int language = shell::CurrentLanguage();
  const auto& lines = shell::State().general.ownDateLines;
  if (lines.empty()) {
    ownDates_->addItem(
        QString::fromStdString(shell::OwnDateLineInLanguage("21/03    (  21. März )", language)));
  } else {
    for (const std::string& line : lines)
      ownDates_->addItem(QString::fromStdString(shell::OwnDateLineInLanguage(line, language)));
  }
}

void DialParametersDialog::StoreOwnDates() {
  std::vector<std::string>& lines = shell::State().general.ownDateLines;
  lines.clear();
  for (int i = 0; i < ownDates_->count(); ++i) {
    const QString text = ownDates_->item(i)->text();
    if (!text.trimmed().isEmpty()) lines.push_back(text.toStdString());
  }
}

void DialParametersDialog::UpdateEnabling() {
  const QString grey = "QListWidget { background: silver; color: grey; }";
  ownDates_->setStyleSheet(D().dateLineMode == 2 ? QString() : grey);
}

void DialParametersDialog::UpdateCaption() {
  const config::DialParameters& d = D();
  const int page = pages_->currentIndex();
  QString caption;
  const config::DialKindRow& row = config::KindRow(d);
  if (page <= 1 && (page == 0 || row.umbrella)) {
    // The dial's own name, the horizontal dial for the kinds without a plane.
    caption = Text(row.pageCaption ? row.pageCaption : config::KindRow('h').pageCaption);
  } else {
    caption = Text(texts::ui::kInputFor) + Text(texts::ui::kPageCaptions[page]).trimmed();
  }
  if (wizard_) caption = Text(texts::ui::kWizardPart) + " 3:  " + caption;
  SetCaptionText(caption);
}

// ---- checks --------------------------------------------------------------------

bool DialParametersDialog::AddOwnDate() {
  QString text = dateMask_->text().trimmed();
  // Four digits are day and month without the separator: "1505" is "15/05".
  static const QRegularExpression kDigitsOnly(QStringLiteral("^\\d{4}$"));
  if (kDigitsOnly.match(text).hasMatch()) text.insert(2, QLatin1Char('/'));
  if (text.isEmpty()) {
    dateMask_->setFocus();
    return false;
  }
  const shell::DayMonth date = shell::ParseDayMonth(text.toStdString(), true);
  if (!date.valid) {
    dateMask_->setFocus();
    return false;
  }
  const QString entry = QString::fromStdString(date.normalForm) + "    ( " +
                        QString::fromStdString(date.displayText) + " )";
  int row = 0;
  for (; row < ownDates_->count(); ++row) {
    const std::string existing = ownDates_->item(row)->text().left(5).toStdString();
    const shell::DayMonth other = shell::ParseDayMonth(existing, false);
    if (other.valid && other.key >= date.key) break;
  }
  ownDates_->insertItem(row, entry);
  StoreOwnDates();
  dateMask_->clear();
  dateMask_->setFocus();
  return true;
}

void DialParametersDialog::DeleteOwnDate() {
  const int row = ownDates_->currentRow();
  if (row < 0) return;
  delete ownDates_->takeItem(row);
  StoreOwnDates();
}

bool DialParametersDialog::MayClose() {
  if (checking_) return false;
  if (!Page(currentPage_)->LeaveChecks()) return false;
  StoreOwnDates();
  return true;
}

void DialParametersDialog::Retranslate() {
  TaskWindow::Retranslate();
  SetTag(close_, wizard_ ? texts::ui::kNextStep : texts::ui::kParametersClose);
  for (int p = 0; p < pages_->count(); ++p)
    pages_->setTabText(p, Text(texts::ui::kPageCaptions[p]));
  filling_ = true;
  for (FieldPage* page : pageList_) page->Relabel();
  FillOwnDates();
  filling_ = false;
  UpdateEnabling();
  UpdateCaption();
}

}  // namespace kelvra::ui

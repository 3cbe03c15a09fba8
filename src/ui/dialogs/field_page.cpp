#include "ui/dialogs/field_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "shell/messages.h"
#include "shell/number_format.h"
#include "texts/altitude.h"
#include "texts/ui.h"
#include "ui/common/field_checks.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

QString Real(int width, int decimals, double x) {
  return QString::fromStdString(shell::FormatReal(width, decimals, x)).trimmed();
}

QStringList Numbered(int first, int last, int step, const QString& before, const QString& after) {
  QStringList entries;
  for (int n = first; n <= last; n += step) entries << before + QString::number(n) + after;
  return entries;
}

}  // namespace

ListSpec ClockHourList() {
  return {[] { return Numbered(0, 24, 1, " ", Text(texts::ui::kHourUnit)); }};
}

ListSpec TemporalHourList() {
  return {[] { return Numbered(0, 12, 1, " ", QString()); }};
}

ListSpec AltitudeList() {
  return {[] { return Numbered(10, 80, 10, " ", QStringLiteral("°")); },
          [](int entry) { return 10 * (entry + 1); },
          [](int value) { return value / 10 - 1; }};
}

ListSpec MinuteIntervalList(int entries) {
  const QStringList all = {" 60 min", " 30 min", " 20 min", " 15 min", " 10 min"};
  const int n = std::clamp(entries, 1, static_cast<int>(all.size()));
  return {[all, n] { return all.mid(0, n); }};
}

ListSpec TemporalIntervalList() {
  return {[] { return QStringList{"1", "0.5", "0.333", "0.25"}; }};
}

ListSpec AltitudeIntervalList() {
  return {[] { return QStringList{"10 °", "  5 °", " 2.5 °"}; }};
}

// ---- edit options ------------------------------------------------------------

FieldPage::Edit& FieldPage::Edit::Shown(int width, int decimals) {
  width_ = width;
  decimals_ = decimals;
  return *this;
}

FieldPage::Edit& FieldPage::Edit::LeaveRange(double min, double max) {
  leave_ = {min, max};
  return *this;
}

FieldPage::Edit& FieldPage::Edit::NoLeaveCheck() {
  leaveCheck_ = false;
  return *this;
}

FieldPage::Edit& FieldPage::Edit::Closing(CloseCheck check) {
  closeCheck_ = check;
  return *this;
}

FieldPage::Edit& FieldPage::Edit::CloseRange(double min, double max) {
  close_ = {min, max};
  return *this;
}

FieldPage::Edit& FieldPage::Edit::Stores(double (*adjust)(double)) {
  adjust_ = adjust;
  return *this;
}

// ---- bindings ----------------------------------------------------------------

struct FieldPage::Binding {
  enum class Kind { Switch, List, Choice };
  Kind kind;
  const config::FieldInfo* field;
  QCheckBox* box = nullptr;
  QComboBox* list = nullptr;
  ListSpec choices;
  std::vector<std::pair<QAbstractButton*, double>> choice;

  int EntryOf(double value) const {
    const int v = static_cast<int>(value);
    return choices.entryOf ? choices.entryOf(v) : v;
  }
  int ValueOf(int entry) const { return choices.valueOf ? choices.valueOf(entry) : entry; }
};

FieldPage::FieldPage(config::ParameterPage id, const PageContext& context, QWidget* parent)
    : QWidget(parent), id_(id), context_(context) {
  if (!context_.checking) context_.checking = &localCheck_;
}

FieldPage::~FieldPage() = default;

const config::FieldInfo& FieldPage::Find(std::string_view name) const {
  const config::FieldInfo* f = config::FindField(name);
  if (!f) throw std::invalid_argument("parameter page: no field \"" + std::string(name) + "\"");
  return *f;
}

double FieldPage::Value(const config::FieldInfo& field) const {
  return field.get(config::CurrentFieldRefs());
}

void FieldPage::Store(const config::FieldInfo& field, double value, const QObject* source) {
  field.set(config::CurrentFieldRefs(), value);
  for (const auto& e : edits_) {
    if (e->field_ == &field && e->edit != source) ShowEdit(*e);
  }
  for (const auto& b : bindings_) {
    if (b->field == &field) ShowValue(*b);
  }
  Update();
  emit FieldChanged(QString::fromUtf8(field.name.data(), static_cast<int>(field.name.size())));
}

FieldPage::Edit& FieldPage::AddEdit(std::string_view name, texts::TextId label, QWidget* parent) {
  const config::FieldInfo& field = Find(name);
  if (field.type != config::FieldType::Real && field.type != config::FieldType::Integer)
    throw std::invalid_argument("parameter page: \"" + std::string(name) + "\" is not a number");
  auto e = std::make_unique<Edit>();
  e->field_ = &field;
  e->leave_ = config::LeaveRange(field);
  e->close_ = config::RecordRange(field);
  e->label = new QLabel(parent);
  e->edit = new QLineEdit(parent);
  e->edit->setObjectName(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
  const bool real = field.type == config::FieldType::Real;
  e->edit->setMaximumWidth(real ? 80 : 40);
  e->edit->setAlignment(Qt::AlignRight);
  InstallKeyFilter(e->edit, real ? FieldKind::Real : FieldKind::Integer, context_.enterTarget);
  e->label->setBuddy(e->edit);
  SetTag(e->label, label);
  Edit* raw = e.get();
  connect(e->edit, &QLineEdit::editingFinished, this, [this, raw] {
    if (!filling_ && raw->leaveCheck_) LeaveField(*raw);
  });
  edits_.push_back(std::move(e));
  return *raw;
}

QCheckBox* FieldPage::AddSwitch(std::string_view name, texts::TextId tag, QWidget* parent) {
  auto b = std::make_unique<Binding>();
  b->kind = Binding::Kind::Switch;
  b->field = &Find(name);
  b->box = new QCheckBox(parent);
  b->box->setObjectName(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
  SetTag(b->box, tag);
  const config::FieldInfo* field = b->field;
  connect(b->box, &QCheckBox::toggled, this, [this, field](bool on) {
    if (!filling_) Store(*field, on ? 1 : 0);
  });
  QCheckBox* box = b->box;
  bindings_.push_back(std::move(b));
  return box;
}

QComboBox* FieldPage::AddList(std::string_view name, ListSpec choices, QWidget* parent) {
  auto b = std::make_unique<Binding>();
  b->kind = Binding::Kind::List;
  b->field = &Find(name);
  b->choices = std::move(choices);
  b->list = new QComboBox(parent);
  b->list->setObjectName(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
  b->list->addItems(b->choices.entries());
  Binding* raw = b.get();
  connect(b->list, &QComboBox::currentIndexChanged, this, [this, raw](int entry) {
    if (filling_ || entry < 0) return;
    // An entry that stands for another one shows that one.
    Store(*raw->field, raw->ValueOf(entry));
  });
  bindings_.push_back(std::move(b));
  return raw->list;
}

std::vector<QRadioButton*> FieldPage::AddChoice(std::string_view name,
                                                std::initializer_list<ChoiceEntry> entries,
                                                QWidget* parent) {
  auto b = std::make_unique<Binding>();
  b->kind = Binding::Kind::Choice;
  b->field = &Find(name);
  auto* group = new QButtonGroup(parent);
  std::vector<QRadioButton*> buttons;
  for (const ChoiceEntry& entry : entries) {
    auto* button = new QRadioButton(parent);
    SetTag(button, entry.tag);
    group->addButton(button);
    buttons.push_back(button);
    b->choice.emplace_back(button, entry.value);
    const config::FieldInfo* field = b->field;
    const double value = entry.value;
    connect(button, &QRadioButton::toggled, this, [this, field, value](bool on) {
      if (on && !filling_) Store(*field, value);
    });
  }
  bindings_.push_back(std::move(b));
  return buttons;
}

// ---- showing values ----------------------------------------------------------

void FieldPage::ShowEdit(const Edit& e) {
  const double v = Value(*e.field_);
  e.edit->setText(e.field_->type == config::FieldType::Real
                      ? Real(e.width_, e.decimals_, v)
                      : QString::number(static_cast<long long>(v)));
}

void FieldPage::ShowValue(const Binding& b) {
  const bool wasFilling = filling_;
  filling_ = true;
  const double v = Value(*b.field);
  switch (b.kind) {
    case Binding::Kind::Switch:
      b.box->setChecked(v != 0);
      break;
    case Binding::Kind::List:
      if (b.list->count() > 0) b.list->setCurrentIndex(std::clamp(b.EntryOf(v), 0, b.list->count() - 1));
      break;
    case Binding::Kind::Choice:
      for (const auto& [button, value] : b.choice) button->setChecked(value == v);
      break;
  }
  filling_ = wasFilling;
}

void FieldPage::Fill() {
  filling_ = true;
  for (const auto& e : edits_) ShowEdit(*e);
  for (const auto& b : bindings_) ShowValue(*b);
  FillPage();
  filling_ = false;
  Update();
}

void FieldPage::Relabel() {
  filling_ = true;
  for (const auto& b : bindings_) {
    if (b->kind != Binding::Kind::List) continue;
    b->list->clear();
    b->list->addItems(b->choices.entries());
  }
  filling_ = false;
  Fill();
}

// ---- checks ------------------------------------------------------------------

QGroupBox* FieldPage::AddHourLinesGroup(int intervalEntries, QComboBox* ordinary[3],
                                        QComboBox* temporal[3]) {
  auto* hours = new QGroupBox(this);
  SetTag(hours, texts::altitude::kHourLines);
  auto* hg = new QGridLayout(hours);
  const texts::TextId heads[3] = {texts::altitude::kHoursFrom, texts::altitude::kHoursTo,
                                  texts::altitude::kHoursStep};
  const texts::TextId temporalHeads[3] = {texts::altitude::kFrom, texts::altitude::kTo,
                                          texts::altitude::kStep};
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(hours);
    SetTag(h, heads[k]);
    hg->addWidget(h, 0, 1 + k);
    auto* t = new QLabel(hours);
    SetTag(t, temporalHeads[k]);
    hg->addWidget(t, 2, 1 + k);
  }
  ordinary[0] = AddList("otherHoursFrom", ClockHourList(), hours);
  ordinary[1] = AddList("otherHoursTo", ClockHourList(), hours);
  ordinary[2] = AddList("otherHourInterval", MinuteIntervalList(intervalEntries), hours);
  temporal[0] = AddList("otherTemporalFrom", TemporalHourList(), hours);
  temporal[1] = AddList("otherTemporalTo", TemporalHourList(), hours);
  temporal[2] = AddList("otherTemporalInterval", TemporalIntervalList(), hours);
  auto* temporalLabel = new QLabel(hours);
  SetTag(temporalLabel, texts::ui::kTemporalHours);
  hg->addWidget(temporalLabel, 3, 0);
  for (int k = 0; k < 3; ++k) {
    hg->addWidget(ordinary[k], 1, 1 + k);
    hg->addWidget(temporal[k], 3, 1 + k);
  }
  return hours;
}

void FieldPage::CheckInOrder(std::initializer_list<Edit*> first) {
  std::vector<std::unique_ptr<Edit>> ordered;
  for (Edit* e : first) {
    auto it = std::find_if(edits_.begin(), edits_.end(),
                           [e](const std::unique_ptr<Edit>& p) { return p.get() == e; });
    if (it != edits_.end()) {
      ordered.push_back(std::move(*it));
      edits_.erase(it);
    }
  }
  for (auto& e : edits_) ordered.push_back(std::move(e));
  edits_ = std::move(ordered);
}

bool FieldPage::LeaveField(Edit& e) {
  CheckGuard guard(*context_.checking);
  if (guard.Busy()) return false;
  const QString name = FieldName(e.label);
  const double old = Value(*e.field_);
  if (e.field_->type == config::FieldType::Real) {
    double v = old;
    if (CheckRealField(e.edit, v, name, e.leave_.max, e.leave_.min)) return false;
    Store(*e.field_, e.adjust_ ? e.adjust_(v) : v, e.edit);
  } else {
    int v = static_cast<int>(old);
    if (CheckIntegerField(e.edit, v, name, static_cast<int>(e.leave_.min),
                          static_cast<int>(e.leave_.max)))
      return false;
    Store(*e.field_, e.adjust_ ? e.adjust_(v) : v, e.edit);
  }
  return true;
}

bool FieldPage::CloseCheckOf(Edit& e) {
  const QString name = FieldName(e.label);
  const double old = Value(*e.field_);
  double v = old;
  switch (e.closeCheck_) {
    case CloseCheck::None:
      return true;
    case CloseCheck::Positive: {
      const auto parsed =
          shell::ParseReal(shell::FilterRealText(e.edit->text().toStdString()));
      if (!parsed || !(*parsed > 0)) {
        shell::ShowMessage(shell::MessageKind::Error,
                           Text(texts::ui::kValueMustBePositive).toStdString());
        ShowEdit(e);
        return false;
      }
      v = *parsed;
      break;
    }
    case CloseCheck::Range:
      if (e.field_->type == config::FieldType::Real) {
        if (CheckRealField(e.edit, v, name, e.close_.max, e.close_.min)) return false;
      } else {
        int i = static_cast<int>(old);
        if (CheckIntegerField(e.edit, i, name, static_cast<int>(e.close_.min),
                              static_cast<int>(e.close_.max)))
          return false;
        v = i;
      }
      break;
  }
  const double stored = e.adjust_ ? e.adjust_(v) : v;
  if (stored != old) Store(*e.field_, stored, e.edit);
  return true;
}

bool FieldPage::LeaveChecks() {
  CheckGuard guard(*context_.checking);
  if (guard.Busy()) return false;
  for (const auto& e : edits_) {
    if (!e->edit->isVisibleTo(this)) continue;
    if (!CloseCheckOf(*e)) {
      e->edit->setFocus();
      shell::ShowMessage(shell::MessageKind::Error,
                         Text(texts::ui::kCorrectInputFirst).toStdString());
      return false;
    }
  }
  return CheckPage();
}

}  // namespace kelvra::ui

#include "ui/common/field_checks.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "shell/catalog.h"
#include "shell/number_format.h"

namespace kelvra::ui {

QString FieldName(const QString& caption) {
  return QString::fromStdString(shell::StripCaption(caption.toStdString())).trimmed();
}

QString FieldName(const QLabel* label) { return FieldName(label->text()); }

namespace {

template <typename Result>
void Apply(QLineEdit* field, const Result& r) {
  if (r.fieldText) field->setText(QString::fromStdString(*r.fieldText));
  if (r.focusField) {
    field->setFocus();
    field->selectAll();
  }
}

class KeyFilter final : public QObject {
 public:
  KeyFilter(QLineEdit* field, FieldKind kind, QWidget* target)
      : QObject(field), kind_(kind), target_(target) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (target_) {
        // Leaving the field runs its check; the check may take the focus back.
        target_->setFocus();
        return true;
      }
      return false;
    }
    if (key->key() == Qt::Key_Backspace || key->text().isEmpty() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    const QString text = key->text();
    if (!text.at(0).isPrint()) return false;
    const char32_t c = text.toUcs4().value(0);
    const shell::FilteredKey f =
        kind_ == FieldKind::Integer ? shell::IntegerKeyFilter(c) : shell::RealKeyFilter(c);
    if (f.action == shell::KeyAction::Drop) return true;
    if (f.action == shell::KeyAction::Pass && static_cast<char32_t>(f.key) != c) {
      static_cast<QLineEdit*>(watched)->insert(QString(QChar(f.key)));
      return true;
    }
    return false;
  }

 private:
  FieldKind kind_;
  QWidget* target_;
};

}  // namespace

bool CheckRealField(QLineEdit* field, double& value, const QString& name, double max,
                    double min) {
  const shell::RealFieldCheck r =
      shell::ReadCheckedReal(field->text().toStdString(), value, name.toStdString(), max, min);
  if (!r.error) value = r.value;
  Apply(field, r);
  return r.error;
}

bool CheckIntegerField(QLineEdit* field, int& value, const QString& name, int min, int max,
                       bool ask) {
  const shell::IntegerFieldCheck r =
      ask ? shell::ReadCheckedIntegerAsk(field->text().toStdString(), min, max,
                                         name.toStdString(), value)
          : shell::ReadCheckedInteger(field->text().toStdString(), min, max, name.toStdString(),
                                      value);
  if (!r.error) value = r.value;
  Apply(field, r);
  return r.error;
}

void InstallKeyFilter(QLineEdit* field, FieldKind kind, QWidget* enterTarget) {
  field->installEventFilter(new KeyFilter(field, kind, enterTarget));
}

}  // namespace kelvra::ui

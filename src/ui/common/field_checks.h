// Glue between edit fields and the core's field checks (shell/number_format.h):
// the check runs on the field's text, its messages come from the core, and
// the result is applied to the field (text written back, focus kept).
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace kelvra::ui {

// The field name used in messages: the label's caption without "&" and ":".
QString FieldName(const QLabel* label);
QString FieldName(const QString& caption);

// ReadCheckedReal on `field`; on an error the old value is kept (the field
// shows what the core asked for) and the field takes the focus. Returns true
// on error.
bool CheckRealField(QLineEdit* field, double& value, const QString& name, double max,
                    double min);
// ReadCheckedInteger (or ReadCheckedIntegerAsk with `ask`) on `field`.
bool CheckIntegerField(QLineEdit* field, int& value, const QString& name, int min, int max,
                       bool ask = false);

// Key filters of edit fields: only the keys the core's filter lets through
// reach the field; Enter moves the focus to `enterTarget` (when given).
enum class FieldKind { Integer, Real };
void InstallKeyFilter(QLineEdit* field, FieldKind kind, QWidget* enterTarget);

// Prevents a check from running while another check's message box is open
// (the box takes the focus away from the field being checked).
class CheckGuard {
 public:
  explicit CheckGuard(bool& flag) : flag_(flag), busy_(flag) { flag_ = true; }
  ~CheckGuard() {
    if (!busy_) flag_ = false;
  }
  bool Busy() const { return busy_; }

 private:
  bool& flag_;
  bool busy_;
};

}  // namespace kelvra::ui

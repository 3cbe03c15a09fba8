// The ham dial design aid's row of the drawing window: the switch that puts
// the aid on the picture ("Schi&nken Sonnenuhr") and its three parameters, the
// radius of the pointer's circle (habermelGnomon, "Durchmesser"), the stretch
// factor and the pointer's position at the equinox. Every change is stored in
// the records at once (checked with the ranges of the field table) and
// announced with Changed(), on which the window draws again.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kelvra::ui {

class HamPanel final : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 26;
  explicit HamPanel(QWidget* parent = nullptr);

  // Shows the records' values.
  void Fill();
  QCheckBox* Switch() const { return switch_; }

 signals:
  void Changed();

 private:
  struct Field;
  void Leave(Field& f);

  QCheckBox* switch_ = nullptr;
  struct Field {
    const char* name;  // in the field table
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    int decimals = 2;
  };
  Field fields_[3];
  bool checking_ = false;
};

}  // namespace kelvra::ui

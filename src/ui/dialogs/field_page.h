// A page of the dial parameters dialog whose controls are bound to fields of
// the field table (config/dial_fields.h). A family page is a small class: it
// declares its controls by field name and lays them out; the binding gives
// each control its value from the records, stores what the user chooses, and
// checks edit fields with the ranges of the table:
//
//   - leaving an edit field checks the table's leave range (LeaveRange) and
//     stores the value, with the message of the common number check;
//   - leaving the page or closing the dialog checks every visible edit field
//     against the record range (RecordRange) in the order of declaration
//     (or CheckInOrder),
//     then the page's own rules (CheckPage); the first failure keeps its
//     field focused and is followed by "Bitte zuerst die fehlerhafte Eingabe
//     korrigieren!".
//
// Every control is a view of its field: a change stores the field at once and
// tells the dialog (FieldChanged), which shows the new value on the other
// pages. Pages hold no copies of values.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "config/dial_fields.h"
#include "config/dial_kinds.h"
#include "texts/text_id.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QGroupBox;
class QRadioButton;

namespace kelvra::ui {

// What every page of one dialog shares.
struct PageContext {
  QWidget* enterTarget = nullptr;  // Enter in an edit field moves the focus here
  bool* checking = nullptr;        // set while a check's message is open
};

// The entries of a drop-down list bound to a whole-number field, and how an
// entry maps to the stored value. Without mappings entry i stores i.
struct ListSpec {
  std::function<QStringList()> entries;  // in the current language
  int (*valueOf)(int entry) = nullptr;
  int (*entryOf)(int value) = nullptr;
};

// The lists of the hour-line blocks, shared by the pages.
ListSpec ClockHourList();        // " 0  Uhr" .. " 24  Uhr"
ListSpec TemporalHourList();     // " 0" .. " 12"
ListSpec AltitudeList();         // " 10°" .. " 80°", stored as 10 .. 80
ListSpec MinuteIntervalList(int entries);  // " 60 min", " 30 min", ... (4 or 5 entries)
ListSpec TemporalIntervalList(); // "1", "0.5", "0.333", "0.25"
ListSpec AltitudeIntervalList(); // "10 °", "  5 °", " 2.5 °"

// One radio button of a choice: its text number and the value it stores.
struct ChoiceEntry {
  texts::TextId tag;
  double value;
};

class FieldPage : public QWidget {
  Q_OBJECT
 public:
  FieldPage(config::ParameterPage id, const PageContext& context, QWidget* parent = nullptr);
  ~FieldPage() override;

  config::ParameterPage Id() const { return id_; }

  // Shows the records' values in every control, then applies Update().
  void Fill();
  // List entries in the current language (the tagged captions are relabelled
  // with the window), then Fill().
  void Relabel();
  // The checks of leaving the page or closing the dialog; true when the page
  // may be left.
  bool LeaveChecks();
  // The enabling and visibility rules of the page, applied after every fill
  // and change.
  virtual void Update() {}
  // The dialog became the active window (opened or returned to); the page
  // may reset what is not the user's to keep. Fill() follows.
  virtual void DialogActivated() {}

  // How an edit field is checked when the page is left.
  enum class CloseCheck {
    Range,     // the record range (or CloseRange) with the common message
    Positive,  // any number greater than 0: "Der Wert muss positiv sein!"
    None,      // not checked
  };

  // An edit field with its label, bound to a Real or Integer field.
  class Edit {
   public:
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    const config::FieldInfo& field() const { return *field_; }

    // Shown with `decimals` decimals at `width` (reals; default 6, 2).
    Edit& Shown(int width, int decimals);
    // The range checked when the field is left (default: the table's).
    Edit& LeaveRange(double min, double max);
    // Leaving the field checks and stores nothing; the page check does.
    Edit& NoLeaveCheck();
    Edit& Closing(CloseCheck check);
    Edit& CloseRange(double min, double max);
    // A value is stored as `adjust(value)` (for example 180 kept inside the range).
    Edit& Stores(double (*adjust)(double));

   private:
    friend class FieldPage;
    const config::FieldInfo* field_ = nullptr;
    int width_ = 6;
    int decimals_ = 2;
    bool leaveCheck_ = true;
    config::Range leave_;
    config::Range close_;
    CloseCheck closeCheck_ = CloseCheck::Range;
    double (*adjust_)(double) = nullptr;
  };

 signals:
  // A control stored `field` (the name in the field table).
  void FieldChanged(const QString& field);

 protected:
  // Declaring controls. `field` must name a row of the field table; the
  // control's object name is the field name. The page lays the controls out.
  Edit& AddEdit(std::string_view field, texts::TextId label, QWidget* parent);
  QCheckBox* AddSwitch(std::string_view field, texts::TextId tag, QWidget* parent);
  QComboBox* AddList(std::string_view field, ListSpec choices, QWidget* parent);
  std::vector<QRadioButton*> AddChoice(std::string_view field,
                                       std::initializer_list<ChoiceEntry> entries,
                                       QWidget* parent);

  // The group of the clock and temporal hour lines: from, to and step of
  // each (otherHoursFrom .. otherHourInterval, otherTemporalFrom ..
  // otherTemporalInterval), the step list with `intervalEntries` entries.
  // The lists are returned in `ordinary` and `temporal` (from, to, step).
  QGroupBox* AddHourLinesGroup(int intervalEntries, QComboBox* ordinary[3],
                               QComboBox* temporal[3]);

  // The edit fields are checked in the order of declaration unless the page
  // names another order here (fields not named follow in their order).
  void CheckInOrder(std::initializer_list<Edit*> first);

  // Page rules after the field checks of LeaveChecks (messages included).
  virtual bool CheckPage() { return true; }
  // What the bindings do not show (called by Fill before Update).
  virtual void FillPage() {}

  // Leaving `edit`: its check and store. True when the value was accepted.
  bool LeaveField(Edit& edit);
  // Stores `value` into `field` through the table, shows it in the page's
  // other controls of the field (not in `source`) and reports the change.
  void Store(const config::FieldInfo& field, double value, const QObject* source = nullptr);
  double Value(const config::FieldInfo& field) const;
  bool Filling() const { return filling_; }
  const PageContext& Context() const { return context_; }

 private:
  struct Binding;
  const config::FieldInfo& Find(std::string_view name) const;
  bool CloseCheckOf(Edit& edit);
  void ShowValue(const Binding& b);
  void ShowEdit(const Edit& e);

  config::ParameterPage id_;
  PageContext context_;
  bool filling_ = false;
  bool localCheck_ = false;  // the guard when the context has none
  std::vector<std::unique_ptr<Edit>> edits_;
  std::vector<std::unique_ptr<Binding>> bindings_;
};

}  // namespace kelvra::ui

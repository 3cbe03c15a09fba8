// The dial parameters dialog: one page per dial family (parameter_pages.h)
// beside the group of the user's own date lines. Every control is a view of
// one field of the records (field_page.h); the checks run when a field or page
// is left and on closing.
#pragma once

#include <vector>

#include "ui/dialogs/field_page.h"
#include "ui/main/task_window.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace kelvra::ui {

class DialParametersDialog : public TaskWindow {
  Q_OBJECT
 public:
  explicit DialParametersDialog(bool wizard, QWidget* parent = nullptr);

  // The page opened for a kind (0 planar, 1 bifilar, ... 9 Sawyer).
  static int PageForKind(char kind, bool umbrella, bool expertMode);
  QTabWidget* Pages() const { return pages_; }
  // Page `index` (0..9), as its class when it is one.
  FieldPage* Page(int index) const;
  template <typename T>
  T* PageAs(int index) const {
    return qobject_cast<T*>(Page(index));
  }

  QListWidget* OwnDateList() const { return ownDates_; }
  QLineEdit* OwnDateMask() const { return dateMask_; }

  // Own date list: the mask's date into the list (sorted), the marked entry out.
  bool AddOwnDate();
  void DeleteOwnDate();

  bool MayClose() override;
  // Every page's DialogActivated(), then the records' values shown again.
  void Activated() override;
  void Retranslate() override;

 signals:
  void CancelWizard();
  void DateModeChanged(int mode);

 private:
  QWidget* BuildOwnDateGroup();
  void Fill();
  void FillOwnDates();
  void StoreOwnDates();
  void UpdateEnabling();
  void UpdateCaption();
  // A page stored `field`: the other pages show it too.
  void FieldChanged(FieldPage* source, const QString& field);

  bool wizard_;
  bool checking_ = false;
  bool filling_ = false;
  int currentPage_ = 0;
  QTabWidget* pages_ = nullptr;
  std::vector<FieldPage*> pageList_;
  QListWidget* ownDates_ = nullptr;
  QLineEdit* dateMask_ = nullptr;
  QWidget* ownGroup_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kelvra::ui

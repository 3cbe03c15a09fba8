// The binding of parameter pages to the field table: a page that declares its
// fields by name gets its ranges, checks, messages and stores from the table,
// and every control of a field shows the one value across pages.
#include "ui/dialogs/field_page.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <stdexcept>
#include <string>

#include "config/dial_fields.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/planar_page.h"
#include "ui/dialogs/parameter_pages.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using uitest::UiTest;

// A family page as a family would write it: fields by name, nothing else.
class SamplePage final : public FieldPage {
 public:
  SamplePage(const PageContext& context, QWidget* parent)
      : FieldPage(config::ParameterPage::Ring, context, parent) {
    auto* l = new QVBoxLayout(this);
    shadow = &AddEdit("maxShadowLength", texts::ui::kPlanarGnomon, this);
    diameter = &AddEdit("ringDiameter", texts::ui::kPlanarGnomon, this).Shown(6, 1);
    hidden = &AddEdit("ringHoleAngle", texts::ui::kPlanarGnomon, this);
    babylonian = AddSwitch("babylonianHours", texts::ui::kBabylonianHours, this);
    hoursFrom = AddList("hoursFrom", ClockHourList(), this);
    altitudeFrom = AddList("altitudeFrom", AltitudeList(), this);
    zone = AddChoice("zoneTime",
                     {{texts::ui::kAtLocalMeridian, 0}, {texts::ui::kAtZoneMeridian, 1}}, this);
    for (Edit* e : {shadow, diameter, hidden}) {
      l->addWidget(e->label);
      l->addWidget(e->edit);
    }
    hidden->label->hide();
    hidden->edit->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{babylonian, hoursFrom, altitudeFrom,
                                                      zone[0], zone[1]})
      l->addWidget(w);
  }
  Edit* shadow;
  Edit* diameter;
  Edit* hidden;
  QCheckBox* babylonian;
  QComboBox* hoursFrom;
  QComboBox* altitudeFrom;
  std::vector<QRadioButton*> zone;
};

FieldPage* MakeSample(const PageContext& context, QWidget* parent) {
  return new SamplePage(context, parent);
}

class FieldPageTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    config::Dial().kind = 'r';  // opens the ring page, here the sample page
  }
  ScopedParameterPage scoped_{config::ParameterPage::Ring, &MakeSample};
};

// Leaving a field checks the table's leave range, leaving the page the record
// range; a refused value is never stored and the message names the range.
TEST_F(FieldPageTest, EditFieldsCheckTheTablesRanges) {
  struct Case {
    const char* name;
    const char* field;
    const char* text;
    bool leaveAccepted;
    bool closeAccepted;
    const char* rangeInMessage;  // part of the first message, when there is one
  };
  // maxShadowLength: 0..260 when the field is left, 0..200 when the page is;
  // ringDiameter: 10..300 both times.
  const Case cases[] = {
      {"shadow inside both", "maxShadowLength", "150", true, true, ""},
      {"shadow only for the field", "maxShadowLength", "230", true, false, "[0..200]"},
      {"shadow beyond both", "maxShadowLength", "270", false, false, "[0..260]"},
      {"diameter inside", "ringDiameter", "120.5", true, true, ""},
      {"diameter too small", "ringDiameter", "5", false, false, "10.00"},
      {"diameter not a number", "ringDiameter", "-", false, false, "keine reelle Zahl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    config::ResetDialParameters();
    config::Dial().kind = 'r';
    const config::FieldInfo& field = *config::FindField(c.field);
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    const double before = field.get(config::CurrentFieldRefs());
    SamplePage& page = *static_cast<SamplePage*>(d.Page(5));
    ASSERT_EQ(d.Pages()->currentIndex(), 5);
    FieldPage::Edit& edit = std::string(c.field) == "maxShadowLength" ? *page.shadow : *page.diameter;
    edit.edit->setText(c.text);
    emit edit.edit->editingFinished();
    const double afterLeave = field.get(config::CurrentFieldRefs());
    if (c.leaveAccepted) {
      EXPECT_TRUE(sink.shown.empty());
      EXPECT_DOUBLE_EQ(afterLeave, std::stod(c.text));
    } else {
      ASSERT_FALSE(sink.shown.empty());
      EXPECT_NE(sink.shown.front().text.find(c.rangeInMessage), std::string::npos)
          << sink.shown.front().text;
      EXPECT_DOUBLE_EQ(afterLeave, before);
    }
    edit.edit->setText(c.text);
    EXPECT_EQ(d.MayClose(), c.closeAccepted);
    if (!c.closeAccepted) {
      EXPECT_EQ(sink.shown.back().text, "Bitte zuerst die fehlerhafte Eingabe korrigieren!");
      if (c.leaveAccepted) {
        EXPECT_NE(sink.shown.front().text.find(c.rangeInMessage), std::string::npos);
      }
    }
  }
}

TEST_F(FieldPageTest, HiddenFieldsAreNotCheckedWhenThePageIsLeft) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  SamplePage& page = *static_cast<SamplePage*>(d.Page(5));
  page.hidden->edit->setText("5");  // outside 10..90, but the field is hidden
  EXPECT_TRUE(d.MayClose());
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_DOUBLE_EQ(config::Dial().ringHoleAngle, config::DialParameters{}.ringHoleAngle);
}

// Switches, lists and choices store at once, with the list's own mapping.
TEST_F(FieldPageTest, ControlsStoreTheirFields) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().altitudeFrom = 50;
  DialParametersDialog d(false);
  SamplePage& page = *static_cast<SamplePage*>(d.Page(5));
  EXPECT_EQ(page.altitudeFrom->currentIndex(), 4);  // entries 10°, 20°, ... 80°
  EXPECT_EQ(page.altitudeFrom->itemText(4), QString::fromUtf8(" 50°"));
  page.altitudeFrom->setCurrentIndex(2);
  EXPECT_EQ(config::Dial().altitudeFrom, 30);
  page.hoursFrom->setCurrentIndex(7);
  EXPECT_EQ(config::Dial().hoursFrom, 7);
  page.babylonian->setChecked(!config::Dial().babylonianHours);
  EXPECT_EQ(config::Dial().babylonianHours, page.babylonian->isChecked());
  page.zone[1]->setChecked(true);
  EXPECT_TRUE(config::Dial().zoneTime);
  page.zone[0]->setChecked(true);
  EXPECT_FALSE(config::Dial().zoneTime);
}

// Every control of a field is a view of it: a change on one page shows on
// the others (the hour range and the switches of the planar page).
TEST_F(FieldPageTest, ControlsOfOneFieldShowOneValueAcrossPages) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  SamplePage& sample = *static_cast<SamplePage*>(d.Page(5));
  PlanarPage& planar = *d.PageAs<PlanarPage>(0);
  auto* planarFrom = planar.findChild<QComboBox*>("hoursFrom");
  auto* planarBabylonian = planar.findChild<QCheckBox*>("babylonianHours");
  ASSERT_NE(planarFrom, nullptr);
  ASSERT_NE(planarBabylonian, nullptr);

  planarFrom->setCurrentIndex(5);
  EXPECT_EQ(sample.hoursFrom->currentIndex(), 5);
  sample.hoursFrom->setCurrentIndex(9);
  EXPECT_EQ(planarFrom->currentIndex(), 9);
  EXPECT_EQ(config::Dial().hoursFrom, 9);

  const bool on = !planarBabylonian->isChecked();
  sample.babylonian->setChecked(on);
  EXPECT_EQ(planarBabylonian->isChecked(), on);

  sample.diameter->edit->setText("99");
  emit sample.diameter->edit->editingFinished();
  EXPECT_DOUBLE_EQ(config::Dial().ringDiameter, 99);
}

TEST_F(FieldPageTest, AFieldNameOutsideTheTableIsRefusedAtOnce) {
  struct Misnamed final : FieldPage {
    Misnamed() : FieldPage(config::ParameterPage::Ring, PageContext{}, nullptr) {
      AddSwitch("noSuchField", texts::TextId(), this);
    }
  };
  struct NotANumber final : FieldPage {
    NotANumber() : FieldPage(config::ParameterPage::Ring, PageContext{}, nullptr) {
      AddEdit("hoursApparent", texts::TextId(), this);
    }
  };
  EXPECT_THROW(Misnamed{}, std::invalid_argument);
  EXPECT_THROW(NotANumber{}, std::invalid_argument);
}

// Every page of the dialog belongs to a family now: none is the note that
// its family is still to come.
TEST_F(FieldPageTest, EveryPageIsAFamilysPage) {
  DialParametersDialog d(false);
  const QString follows = Text(texts::ui::kPageFollows);
  for (int p = 0; p < 10; ++p) {
    if (p == 5) continue;  // the sample page
    for (const QLabel* label : d.Page(p)->findChildren<QLabel*>())
      EXPECT_NE(label->text(), follows) << p;
    EXPECT_FALSE(d.Page(p)->findChildren<QAbstractButton*>().isEmpty()) << p;
  }
}

}  // namespace
}  // namespace kelvra::ui

// The parameter pages of the cylinder dials (page 3) and of the horizontal
// altitude dial (page 4): the controls of each variant, the checks when the
// page is left, the longest shadow derived from the gnomon and the hour-line
// choice of the altitude dial over its two fields.
#include <QCheckBox>
#include <QGroupBox>
#include <QTabWidget>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>
#include <memory>
#include <string>

#include "astro/solar_ephemeris.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "shell/zodiac.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/cylinder_page.h"
#include "ui/dialogs/pages/horizontal_altitude_page.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using uitest::UiTest;

constexpr int kCylinderPage = 3;
constexpr int kAltitudePage = 4;

class AltitudePagesTest : public UiTest {
 protected:
  void Open(char kind, int variant) {
    config::ResetDialParameters();
    config::Dial().kind = kind;
    config::Dial().cylinderVariant = variant;
    dialog_ = std::make_unique<DialParametersDialog>(false);
  }
  CylinderPage& Cylinder() { return *dialog_->PageAs<CylinderPage>(kCylinderPage); }
  HorizontalAltitudePage& Altitude() { return *dialog_->PageAs<HorizontalAltitudePage>(kAltitudePage); }
  std::unique_ptr<DialParametersDialog> dialog_;
};

TEST_F(AltitudePagesTest, CylinderPageShowsTheControlsOfItsVariant) {
  struct Case {
    int variant;
    const char* caption;
    bool gnomon, pin, monthScale, radius, wall;
    const char* scaleLabel;
  } cases[] = {
      {0, "Zylindersonnenuhr (Hirtensonnenuhr)", true, false, true, false, false, "Breite der Monatsskala"},
      {1, "Zylindersonnenuhr (Hutsonnenuhr)", true, false, true, false, false, "Umfang des Zylinders"},
      {2, "Zylindersonnenuhr (Polstab)", false, true, false, true, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    Open('z', c.variant);
    ASSERT_EQ(dialog_->Pages()->currentIndex(), kCylinderPage);
    CylinderPage& page = Cylinder();
    EXPECT_EQ(page.VariantCaption()->text().toStdString(), c.caption);
    EXPECT_EQ(page.GnomonField()->isVisibleTo(&page), c.gnomon);
    EXPECT_EQ(page.PinField()->isVisibleTo(&page), c.pin);
    EXPECT_EQ(page.MonthScaleField()->isVisibleTo(&page), c.monthScale);
    EXPECT_EQ(page.ShadowField()->isVisibleTo(&page), c.monthScale);
    EXPECT_EQ(page.RadiusField()->isVisibleTo(&page), c.radius);
    EXPECT_EQ(page.WallField()->isVisibleTo(&page), c.wall);
    if (*c.scaleLabel) {
      bool found = false;
      for (QLabel* l : page.findChildren<QLabel*>()) {
        found = found || (l->isVisibleTo(&page) && l->text().remove('&').trimmed().toStdString() == c.scaleLabel);
      }
      EXPECT_TRUE(found) << c.scaleLabel;
    }
    // Mean-time lines belong to the hat dial and the polar style, with the
    // equation of time.
    EXPECT_FALSE(page.MeanTimeLines()->isVisibleTo(&page));
    page.findChild<QCheckBox*>("constructWithEot")->setChecked(true);
    EXPECT_EQ(page.MeanTimeLines()->isVisibleTo(&page), c.variant != 0);
  }
}

TEST_F(AltitudePagesTest, CylinderPageChecksItsFieldsWhenLeft) {
  struct Case {
    const char* name;
    int variant;
    QLineEdit* (CylinderPage::*field)() const;
    const char* text;
    bool mayClose;
  } cases[] = {
      {"gnomon 80", 0, &CylinderPage::GnomonField, "80", true},
      // At 47.25 degrees a gnomon of 110 mm casts a longest shadow of 249 mm.
      {"gnomon 110", 0, &CylinderPage::GnomonField, "110", false},
      {"gnomon 3", 0, &CylinderPage::GnomonField, "3", false},
      {"gnomon 111", 1, &CylinderPage::GnomonField, "111", false},
      {"month scale 400", 0, &CylinderPage::MonthScaleField, "400", true},
      {"circumference 401", 1, &CylinderPage::MonthScaleField, "401", false},
      {"longest shadow 200", 0, &CylinderPage::ShadowField, "200", true},
      {"longest shadow 230 (only when the field is left)", 0, &CylinderPage::ShadowField, "230", false},
      {"pin 4", 2, &CylinderPage::PinField, "4", true},
      {"pin 120", 2, &CylinderPage::PinField, "120", false},
      {"radius 3", 2, &CylinderPage::RadiusField, "3", false},
      {"radius 500", 2, &CylinderPage::RadiusField, "500", true},
      {"wall -181", 2, &CylinderPage::WallField, "-181", false},
      {"a hidden pin is not checked", 0, &CylinderPage::PinField, "999", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open('z', c.variant);
    kelvra::testing::RecordingMessageSink sink;
    (Cylinder().*c.field)()->setText(c.text);
    EXPECT_EQ(dialog_->MayClose(), c.mayClose) << (sink.shown.empty() ? "" : sink.shown.front().text);
    if (!c.mayClose) {
      ASSERT_FALSE(sink.shown.empty());
      EXPECT_EQ(sink.shown.back().text, "Bitte zuerst die fehlerhafte Eingabe korrigieren!");
    }
  }
}

TEST_F(AltitudePagesTest, LeavingTheGnomonGivesTheLongestShadow) {
  // The longest shadow is that of the highest noon sun, 90 - |phi| + eps,
  // outside the tropics; inside them it is left alone.
  struct Case {
    double latitude;
    bool derived;
  } cases[] = {{47.25, true}, {-33.9, true}, {10.0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.latitude);
    config::ResetDialParameters();
    shell::State().site.latitude = c.latitude;
    Open('z', 0);
    const int before = config::Dial().maxShadowLength;
    kelvra::testing::RecordingMessageSink sink;
    Cylinder().GnomonField()->setText("50");
    emit Cylinder().GnomonField()->editingFinished();
    EXPECT_EQ(config::Dial().cylinderGnomon, 50);
    const double eps = shell::CurrentZodiac().roundedObliquity;
    const double pi = 3.14159265358979323846;
    const int expected =
        c.derived ? static_cast<int>(std::lround(50 * std::tan((90 - std::fabs(c.latitude) + eps) * pi / 180)))
                  : before;
    EXPECT_EQ(config::Dial().maxShadowLength, expected);
    EXPECT_EQ(Cylinder().ShadowField()->text().trimmed().toInt(), expected);
    shell::State().site = shell::SiteSettings{};
  }
}

TEST_F(AltitudePagesTest, AltitudeDialHourLineChoiceSetsBothFields) {
  struct Case {
    int entry;
    bool zoneTime, altitudeTemporal, eotEnabled;
  } cases[] = {{2, false, true, false}, {1, true, false, true}, {0, false, false, true}};
  Open('k', 0);
  ASSERT_EQ(dialog_->Pages()->currentIndex(), kAltitudePage);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    Altitude().HourLineChoice()[static_cast<std::size_t>(c.entry)]->setChecked(true);
    EXPECT_EQ(config::Dial().zoneTime, c.zoneTime);
    EXPECT_EQ(config::Dial().altitudeTemporal, c.altitudeTemporal);
    EXPECT_EQ(Altitude().EquationOfTime()->isEnabled(), c.eotEnabled);
  }
  // Opened again, the page shows the record's choice.
  config::Dial().zoneTime = true;
  config::Dial().altitudeTemporal = false;
  dialog_ = std::make_unique<DialParametersDialog>(false);
  EXPECT_TRUE(Altitude().HourLineChoice()[1]->isChecked());
}

TEST_F(AltitudePagesTest, AltitudeDialPageChecksItsFieldsWhenLeft) {
  struct Case {
    QLineEdit* (HorizontalAltitudePage::*field)() const;
    const char* text;
    bool mayClose;
  } cases[] = {
      {&HorizontalAltitudePage::GnomonField, "4", true},
      {&HorizontalAltitudePage::GnomonField, "3", false},
      {&HorizontalAltitudePage::MonthScaleField, "180", true},
      {&HorizontalAltitudePage::MonthScaleField, "181", false},
      {&HorizontalAltitudePage::ScaleLengthField, "260", true},
      {&HorizontalAltitudePage::ScaleLengthField, "261", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Open('k', 0);
    kelvra::testing::RecordingMessageSink sink;
    (Altitude().*c.field)()->setText(c.text);
    EXPECT_EQ(dialog_->MayClose(), c.mayClose);
  }
}

}  // namespace
}  // namespace kelvra::ui

// The site and year dialog: the two input forms, the field checks and the
// 15-degree question.
#include <QLineEdit>
#include <QRadioButton>

#include "shell/shared_state.h"
#include "ui/common/site_angles.h"
#include "ui/dialogs/site_dialog.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using shell::MessageAnswer;
using uitest::UiTest;

class SiteDialogTest : public UiTest {};

TEST(SiteAngles, DecimalToDegreesMinutesSeconds) {
  struct Case {
    double x;
    int d, m, s;
  };
  const Case cases[] = {
      {47.251315, 47, 15, 5}, {-9.590825, 9, 35, 27}, {-15, 15, 0, 0}, {0.0, 0, 0, 0},
      // Seconds are rounded, so 60 can appear.
      {10.0 + 59.0 / 60 + 59.6 / 3600, 10, 59, 60},
  };
  for (const Case& c : cases) {
    const DmsAngle a = DecimalToDms(c.x);
    EXPECT_EQ(a.degrees, c.d) << c.x;
    EXPECT_EQ(a.minutes, c.m) << c.x;
    EXPECT_EQ(a.seconds, c.s) << c.x;
  }
}

TEST(SiteAngles, DegreesMinutesSecondsToDecimal) {
  EXPECT_NEAR(DmsToDecimal({9, 35, 27}, false, true), -(9 + 35 / 60.0 + 27 / 3600.0), 1e-12);
  EXPECT_NEAR(DmsToDecimal({47, 15, 5}, true, false), 47.251389, 1e-6);
  // A latitude is never exactly 0, and never beyond the pole.
  EXPECT_DOUBLE_EQ(DmsToDecimal({0, 0, 0}, true, false), 0.000001);
  EXPECT_DOUBLE_EQ(DmsToDecimal({0, 0, 0}, true, true), -0.000001);
  EXPECT_DOUBLE_EQ(DmsToDecimal({90, 30, 0}, true, true), -90.0);
  EXPECT_TRUE(ZoneFarFromLongitude(-9.59, 15));
  EXPECT_FALSE(ZoneFarFromLongitude(-9.59, -15));
}

TEST_F(SiteDialogTest, OpeningShowsBothForms) {
  kelvra::testing::RecordingMessageSink sink;
  SiteDialog d(false);
  EXPECT_EQ(d.DecimalField(0)->text(), "47.251315");
  EXPECT_EQ(d.DecimalField(1)->text(), "-9.590825");
  EXPECT_EQ(d.DmsField(0, 0)->text(), "47");
  EXPECT_EQ(d.DmsField(0, 1)->text(), "15");
  EXPECT_EQ(d.DmsField(0, 2)->text(), "5");
  EXPECT_TRUE(d.NorthOrWest(0)->isChecked());
  EXPECT_EQ(d.DmsField(1, 1)->text(), "35");
  EXPECT_EQ(d.DmsField(1, 2)->text(), "27");
  EXPECT_TRUE(d.SouthOrEast(1)->isChecked());  // east
  EXPECT_TRUE(d.SouthOrEast(2)->isChecked());
}

TEST_F(SiteDialogTest, DegreeFormWritesTheDecimalSite) {
  kelvra::testing::RecordingMessageSink sink;
  SiteDialog d(false);
  d.SetDmsForm(true);
  EXPECT_FALSE(d.DecimalField(0)->isEnabled());
  EXPECT_TRUE(d.DmsField(0, 0)->isEnabled());
  d.DmsField(0, 0)->setText("0");
  d.DmsField(0, 1)->setText("0");
  d.DmsField(0, 2)->setText("0");
  EXPECT_FALSE(d.LeaveDms(0, 2));
  EXPECT_DOUBLE_EQ(shell::State().site.latitude, 0.000001);
  d.DmsField(0, 0)->setText("33");
  d.DmsField(0, 1)->setText("52");
  d.DmsField(0, 2)->setText("12");
  d.SouthOrEast(0)->setChecked(true);
  EXPECT_FALSE(d.LeaveDms(0, 0));
  EXPECT_NEAR(shell::State().site.latitude, -(33 + 52 / 60.0 + 12 / 3600.0), 1e-9);
  EXPECT_EQ(d.DecimalField(0)->text(), "-33.870000");
  // Minutes beyond 60 are refused with the minute field's name.
  d.DmsField(0, 1)->setText("61");
  EXPECT_TRUE(d.LeaveDms(0, 1));
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_NE(sink.shown.back().text.find("Winkelminuten"), std::string::npos);
  EXPECT_NE(sink.shown.back().text.find("[0..60] !"), std::string::npos);
  EXPECT_NEAR(shell::State().site.latitude, -(33 + 52 / 60.0 + 12 / 3600.0), 1e-9);
}

TEST_F(SiteDialogTest, RangeErrorsKeepTheOldValue) {
  kelvra::testing::RecordingMessageSink sink;
  SiteDialog d(false);
  d.DecimalField(0)->setText("95");
  EXPECT_TRUE(d.LeaveDecimal(0));
  EXPECT_DOUBLE_EQ(shell::State().site.latitude, 47.251315);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Problem);
  EXPECT_NE(sink.shown[0].text.find("Breite"), std::string::npos);
  d.DecimalField(0)->setText("47,5");
  EXPECT_FALSE(d.LeaveDecimal(0));
  EXPECT_DOUBLE_EQ(shell::State().site.latitude, 47.5);
  const int year = shell::State().site.year;
  d.YearField()->setText("2600");
  EXPECT_TRUE(d.LeaveYear());
  EXPECT_EQ(shell::State().site.year, year);
  EXPECT_NE(sink.shown.back().text.find("[1300..2500] !"), std::string::npos);
  EXPECT_FALSE(d.MayClose());
  d.YearField()->setText("2024");
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(shell::State().site.year, 2024);
}

TEST_F(SiteDialogTest, FifteenDegreeQuestion) {
  kelvra::testing::RecordingMessageSink sink;
  SiteDialog d(false);
  d.DecimalField(2)->setText("15");
  sink.Script({MessageAnswer::No});
  EXPECT_TRUE(d.LeaveDecimal(2));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Warning);
  EXPECT_EQ(sink.shown[0].buttons, shell::MessageButtons::YesNo);
  EXPECT_EQ(sink.shown[0].text,
            "Die geogr. Länge ist mehr als 15 Grad\n  vom Zonenmeridian entfernt!\n Ist dies in Ordnung?");
  sink.Script({MessageAnswer::No});
  EXPECT_FALSE(d.MayClose());
  sink.Script({MessageAnswer::Yes});
  EXPECT_TRUE(d.MayClose());
  EXPECT_DOUBLE_EQ(shell::State().site.zoneMeridian, 15.0);
}

TEST_F(SiteDialogTest, BothFormsStayInStepWhenTheZoneQuestionIsAnsweredNo) {
  // After "No" to the 15-degree question the decimal and the degree fields
  // once showed different zone meridians.
  kelvra::testing::RecordingMessageSink sink;
  SiteDialog d(false);
  auto expectInStep = [&](const char* when) {
    const double zone = shell::State().site.zoneMeridian;
    EXPECT_DOUBLE_EQ(d.DecimalField(2)->text().toDouble(), zone) << when;
    const DmsAngle a = DecimalToDms(zone);
    EXPECT_EQ(d.DmsField(2, 0)->text().toInt(), a.degrees) << when;
    EXPECT_EQ(d.DmsField(2, 1)->text().toInt(), a.minutes) << when;
    EXPECT_EQ(d.DmsField(2, 2)->text().toInt(), a.seconds) << when;
    EXPECT_EQ(d.SouthOrEast(2)->isChecked(), zone < 0) << when;
  };
  // Decimal form: 15 (west) is far from the longitude 9.59 east.
  d.DecimalField(2)->setText("15");
  sink.Script({MessageAnswer::No});
  EXPECT_TRUE(d.LeaveDecimal(2));
  EXPECT_DOUBLE_EQ(shell::State().site.zoneMeridian, 15.0);
  expectInStep("decimal form, No");
  d.DecimalField(2)->setText("20.5");
  sink.Script({MessageAnswer::No});
  EXPECT_TRUE(d.LeaveDecimal(2));
  expectInStep("decimal form, typed again, No");
  // Degree form: 30 degrees 15 minutes west, again answered No, then typed again.
  d.SetDmsForm(true);
  d.DmsField(2, 0)->setText("30");
  d.DmsField(2, 1)->setText("15");
  d.DmsField(2, 2)->setText("0");
  d.NorthOrWest(2)->setChecked(true);
  sink.Script({MessageAnswer::No});
  EXPECT_TRUE(d.LeaveDms(2, 0));
  EXPECT_DOUBLE_EQ(shell::State().site.zoneMeridian, 30.25);
  expectInStep("degree form, No");
  d.DmsField(2, 0)->setText("12");
  sink.Script({MessageAnswer::Yes});
  EXPECT_FALSE(d.LeaveDms(2, 0));
  EXPECT_DOUBLE_EQ(shell::State().site.zoneMeridian, 12.25);
  expectInStep("degree form, typed again, Yes");
}

}  // namespace
}  // namespace kelvra::ui

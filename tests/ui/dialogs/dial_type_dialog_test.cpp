// The dial type dialog: the kind rules and the two sets of gnomon ranges.
#include <QLineEdit>
#include <QListWidget>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/dialogs/dial_type_dialog.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using uitest::UiTest;

class DialTypeDialogTest : public UiTest {};

config::DialParameters& D() { return config::Dial(); }

TEST_F(DialTypeDialogTest, UmbrellaEntryKeepsAPlanarKindAndItsPlane) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 'q';
  DialTypeDialog d(false);
  d.ChooseEntry(3);
  EXPECT_TRUE(D().umbrella);
  EXPECT_EQ(D().kind, 'h');
  d.ChoosePlane('i');
  EXPECT_EQ(D().kind, 'i');
  EXPECT_EQ(D().umbrellaPlane, 'i');
  d.ChooseEntry(7);  // k
  EXPECT_FALSE(D().umbrella);
  EXPECT_EQ(D().kind, 'k');
  d.ChooseEntry(3);
  EXPECT_TRUE(D().umbrella);
  EXPECT_EQ(D().kind, 'i');
}

// After the drawing window of an umbrella dial closed, the kind is the
// transitional s; the dialog opens on the umbrella entry with the same plane.
TEST_F(DialTypeDialogTest, TransitionalKindKeepsTheUmbrellaPlane) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 's';
  D().umbrella = true;
  D().umbrellaPlane = 'i';
  DialTypeDialog d(false);
  EXPECT_EQ(D().kind, 'i');
  EXPECT_TRUE(D().umbrella);
  ASSERT_NE(d.KindList()->currentItem(), nullptr);
  EXPECT_EQ(d.KindList()->currentItem()->data(Qt::UserRole).toInt(), 3);  // the umbrella entry
}

TEST_F(DialTypeDialogTest, VerticalSetsInclinationNinety) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 'i';
  D().inclination = 30;
  DialTypeDialog d(false);
  d.ChooseEntry(1);
  EXPECT_EQ(D().kind, 'v');
  EXPECT_DOUBLE_EQ(D().inclination, 90);
}

TEST_F(DialTypeDialogTest, ClosingWithHorizontalZeroesThePlane) {
  kelvra::testing::RecordingMessageSink sink;
  D().wallDeclination = -11.7;
  D().inclination = 25;
  DialTypeDialog d(false);
  d.ChooseEntry(0);
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(D().kind, 'h');
  EXPECT_DOUBLE_EQ(D().wallDeclination, 0);
  EXPECT_DOUBLE_EQ(D().inclination, 0);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DialTypeDialogTest, GnomonRangesOnLeavingAndOnClosing) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 'h';
  DialTypeDialog d(false);
  d.GnomonField()->setText("150");
  EXPECT_FALSE(d.LeaveGnomon());       // 5 .. 200
  EXPECT_DOUBLE_EQ(D().gnomonHeight, 150);
  EXPECT_FALSE(d.MayClose());          // 3 .. 120
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_NE(sink.shown.back().text.find("120"), std::string::npos);
  d.GnomonField()->setText("60");
  EXPECT_TRUE(d.MayClose());
  // Kind k: a whole number, 1 .. 110 on leaving, 3 .. 220 on closing.
  d.ChooseEntry(7);
  d.GnomonField()->setText("2.9");
  EXPECT_FALSE(d.LeaveGnomon());
  EXPECT_EQ(D().hidokeiGnomon, 2);
  EXPECT_FALSE(d.MayClose());
}

TEST_F(DialTypeDialogTest, WallDeclinationAndInclinationMessages) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 'i';
  DialTypeDialog d(false);
  d.WallDeclinationField()->setText("-180");
  EXPECT_FALSE(d.LeaveWallDeclination());
  EXPECT_DOUBLE_EQ(D().wallDeclination, 179.9999);
  d.WallDeclinationField()->setText("200");
  EXPECT_TRUE(d.LeaveWallDeclination());
  EXPECT_EQ(sink.shown.back().text, "Wandabweichung muss im Bereich [-180 ° ... +180 °] liegen!");
  d.WallDeclinationField()->setText("10");
  EXPECT_FALSE(d.LeaveWallDeclination());
  const double old = D().inclination;
  d.InclinationField()->setText("0");
  EXPECT_TRUE(d.LeaveInclination());  // refused on leaving ...
  EXPECT_EQ(sink.shown.back().kind, shell::MessageKind::Error);
  EXPECT_DOUBLE_EQ(D().inclination, old);
  d.InclinationField()->setText("0");
  EXPECT_TRUE(d.MayClose());          // ... accepted on closing
  EXPECT_DOUBLE_EQ(D().inclination, 0);
}

TEST_F(DialTypeDialogTest, ExpertOnlyKindsLeaveTheList) {
  kelvra::testing::RecordingMessageSink sink;
  {
    DialTypeDialog d(false);
    EXPECT_EQ(d.KindList()->count(), 14);
  }
  shell::State().general.expertMode = false;
  D().kind = 'm';
  DialTypeDialog d(false);
  EXPECT_EQ(d.KindList()->count(), 12);
  EXPECT_EQ(D().kind, 'h');
  d.ChooseEntry(11);
  EXPECT_EQ(D().kind, 'w');
  d.ChooseEntry(13);
  EXPECT_EQ(D().kind, 'f');
  D().altitudeVariant = 2;
  d.ChooseEntry(4);
  EXPECT_EQ(D().kind, 'q');
  EXPECT_EQ(D().altitudeVariant, 0);
}

}  // namespace
}  // namespace kelvra::ui

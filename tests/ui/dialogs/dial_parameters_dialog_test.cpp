// The dial parameters dialog: its page, the planar checks, the own date list.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/planar_page.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using uitest::UiTest;

class DialParametersDialogTest : public UiTest {};

TEST(DialParametersPages, PageForKind) {
  EXPECT_EQ(DialParametersDialog::PageForKind('v', false, true), 0);
  EXPECT_EQ(DialParametersDialog::PageForKind('h', true, true), 1);
  EXPECT_EQ(DialParametersDialog::PageForKind('f', false, true), 1);
  EXPECT_EQ(DialParametersDialog::PageForKind('z', false, true), 3);
  EXPECT_EQ(DialParametersDialog::PageForKind('m', false, false), 0);
  EXPECT_EQ(DialParametersDialog::PageForKind('m', false, true), 8);
  EXPECT_EQ(DialParametersDialog::PageForKind('p', false, true), 9);
}

TEST_F(DialParametersDialogTest, OwnDatesAreInsertedInOrder) {
  kelvra::testing::RecordingMessageSink sink;
  shell::State().site.year = 2023;
  shell::State().general.ownDateLines = {"21/03    ( 21. Mär )", "21/06    ( 21. Jun )"};
  DialParametersDialog d(false);
  d.OwnDateMask()->setText("15/05");
  EXPECT_TRUE(d.AddOwnDate());
  d.OwnDateMask()->setText("21/03");
  EXPECT_TRUE(d.AddOwnDate());
  const auto& lines = shell::State().general.ownDateLines;
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, 5), "21/03");
  EXPECT_NE(lines[0], "21/03    ( 21. Mär )");  // the new entry goes first
  EXPECT_EQ(lines[1], "21/03    ( 21. Mär )");
  EXPECT_EQ(lines[2].substr(0, 5), "15/05");
  EXPECT_EQ(lines[3].substr(0, 5), "21/06");
  // 29 February needs a leap year.
  d.OwnDateMask()->setText("29/02");
  EXPECT_FALSE(d.AddOwnDate());
  EXPECT_EQ(lines.size(), 4u);
  EXPECT_FALSE(sink.shown.empty());
  d.OwnDateList()->setCurrentRow(0);
  d.DeleteOwnDate();
  EXPECT_EQ(lines.size(), 3u);
}

TEST_F(DialParametersDialogTest, OwnDateTakesFourDigitsAndFollowsTheLanguage) {
  kelvra::testing::RecordingMessageSink sink;
  shell::State().site.year = 2023;
  shell::State().general.ownDateLines = {"21/03    ( 21. März )", "21/06    ( Sommeranfang )"};
  DialParametersDialog d(false);
  // "1505" is day and month without the separator.
  d.OwnDateMask()->setText("1505");
  EXPECT_TRUE(d.AddOwnDate());
  EXPECT_TRUE(sink.shown.empty());
  const auto& lines = shell::State().general.ownDateLines;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].substr(0, 5), "15/05");
  // In English the comments the program wrote are English; the user's stays.
  shell::SelectLanguage(false);
  d.Retranslate();
  ASSERT_EQ(d.OwnDateList()->count(), 3);
  EXPECT_EQ(d.OwnDateList()->item(0)->text(), "21/03    ( 21. March )");
  EXPECT_EQ(d.OwnDateList()->item(1)->text(), "15/05    ( 15. May )");
  EXPECT_EQ(d.OwnDateList()->item(2)->text(), "21/06    ( Sommeranfang )");
  shell::SelectLanguage(true);
  d.Retranslate();
  EXPECT_EQ(d.OwnDateList()->item(0)->text(), QString::fromUtf8("21/03    ( 21. März )"));
  EXPECT_EQ(d.OwnDateList()->item(1)->text(), "15/05    ( 15. Mai )");
}

TEST_F(DialParametersDialogTest, BlankDateEntryMeansOwnList) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  PlanarPage& planar = *d.PageAs<PlanarPage>(0);
  planar.DateLineChoice()->setCurrentIndex(4);
  EXPECT_EQ(config::Dial().dateLineMode, 2);
  EXPECT_EQ(planar.DateLineChoice()->currentIndex(), 2);
}

TEST_F(DialParametersDialogTest, PlanarChecksRefuseClosing) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().kind = 'i';
  DialParametersDialog d(false);
  EXPECT_EQ(d.Pages()->currentIndex(), 0);
  PlanarPage& planar = *d.PageAs<PlanarPage>(0);
  planar.AnalemmaHourField()->setText("24");
  EXPECT_FALSE(d.MayClose());
  EXPECT_EQ(sink.shown.back().text, "Bitte zuerst die fehlerhafte Eingabe korrigieren!");
  planar.AnalemmaHourField()->setText("14");
  planar.GnomonField()->setText("0");
  EXPECT_FALSE(d.MayClose());
  EXPECT_DOUBLE_EQ(config::Dial().gnomonHeight, 35);
  planar.GnomonField()->setText("40");
  planar.WallDeclinationField()->setText("180");
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(config::Dial().analemmaHour, 14);
  EXPECT_DOUBLE_EQ(config::Dial().gnomonHeight, 40);
  EXPECT_DOUBLE_EQ(config::Dial().wallDeclination, 179.999999);
}

TEST_F(DialParametersDialogTest, LinesToFootFollowsApparentHours) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  PlanarPage& planar = *d.PageAs<PlanarPage>(0);
  EXPECT_TRUE(planar.LinesToFoot()->isEnabled());
  planar.HoursApparent()->setChecked(false);
  EXPECT_FALSE(config::Dial().hoursApparent);
  EXPECT_FALSE(planar.LinesToFoot()->isEnabled());
}

}  // namespace
}  // namespace kelvra::ui

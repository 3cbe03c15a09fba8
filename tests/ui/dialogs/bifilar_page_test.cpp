// The bifilar and umbrella page of the dial parameters dialog: the choice
// between the two dials, the thread points with their rules (the classical
// dial), the umbrella's disk and desk checks, and fields shared with the
// planar page.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/bifilar_page.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using shell::MessageKind;

class BifilarPageTest : public uitest::UiTest {
 protected:
  static void Leave(QLineEdit* field, const QString& text) {
    field->setText(text);
    emit field->editingFinished();
  }
  static config::DialParameters& D() { return config::Dial(); }
};

TEST_F(BifilarPageTest, TheChoiceSwitchesBetweenTheTwoDials) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 'f';
  DialParametersDialog d(false);
  ASSERT_EQ(d.Pages()->currentIndex(), 1);
  BifilarPage& page = *d.PageAs<BifilarPage>(1);
  EXPECT_TRUE(page.BifilarChoice()->isChecked());
  EXPECT_TRUE(page.BifilarGroup()->isVisibleTo(&page));
  EXPECT_FALSE(page.UmbrellaGroup()->isVisibleTo(&page));
  EXPECT_EQ(d.windowTitle().toStdString(), "Eingabe für Bifilare Sonnenuhr");

  // The umbrella dial: its last plane (h by default), its group and caption.
  page.UmbrellaChoice()->setChecked(true);
  EXPECT_TRUE(D().umbrella);
  EXPECT_EQ(D().kind, 'h');
  EXPECT_EQ(D().wallDeclination, 0);
  EXPECT_TRUE(page.UmbrellaGroup()->isVisibleTo(&page));
  EXPECT_FALSE(page.BifilarGroup()->isVisibleTo(&page));
  EXPECT_TRUE(page.PlaneChoice(0)->isChecked());
  EXPECT_EQ(d.windowTitle().toStdString(), "horizontale SCHIRMUHR");
  page.PlaneChoice(1)->setChecked(true);
  EXPECT_EQ(D().kind, 'i');
  EXPECT_EQ(D().umbrellaPlane, 'i');
  EXPECT_EQ(d.windowTitle().toStdString(), "SCHIRMUHR,pultförmig");
  EXPECT_TRUE(page.DeskField()->isVisibleTo(&page));
  page.PlaneChoice(2)->setChecked(true);
  EXPECT_FALSE(page.DeskField()->isVisibleTo(&page));
  EXPECT_TRUE(page.WallField()->isVisibleTo(&page));

  // Back to the bifilar dial: kind f, no umbrella.
  page.BifilarChoice()->setChecked(true);
  EXPECT_EQ(D().kind, 'f');
  EXPECT_FALSE(D().umbrella);
  EXPECT_EQ(d.windowTitle().toStdString(), "Eingabe für Bifilare Sonnenuhr");
}

// The classical dial: only thread 1's height is entered; thread 2 hangs at
// h1 |sin latitude| (at latitude 30 half as high; in the south above the
// plate too), both threads cross above the origin, thread 2 keeps its ends.
TEST_F(BifilarPageTest, TheClassicalDialTakesOnlyTheHeightOfThreadOne) {
  for (double latitude : {30.0, -30.0}) {
    kelvra::testing::RecordingMessageSink sink;
    config::ResetDialParameters();
    D().kind = 'f';
    shell::State().site.latitude = latitude;
    DialParametersDialog d(false);
    BifilarPage& page = *d.PageAs<BifilarPage>(1);
    page.ClassicSwitch()->setChecked(true);
    ASSERT_FALSE(sink.shown.empty());
    EXPECT_EQ(sink.shown.back().kind, MessageKind::Information);
    EXPECT_EQ(sink.shown.back().text, "Nur Höhe von Faden 1 (Nord) ist einzugeben!");
    const auto& t = D().bifilarThreads;
    EXPECT_DOUBLE_EQ(t[2].z, 12.5) << latitude;
    EXPECT_DOUBLE_EQ(t[3].z, 12.5) << latitude;
    EXPECT_EQ(t[0].x, 0);
    EXPECT_EQ(t[0].y, 0);
    EXPECT_EQ(t[1].y, 0);
    EXPECT_EQ(t[2].y, 0);
    EXPECT_EQ(t[3].y, 0);
    EXPECT_EQ(t[2].x, 50);
    EXPECT_EQ(t[3].x, -50);
    EXPECT_EQ(page.PointField(3, 2)->text(), "12.5");
    for (int n = 1; n <= 4; ++n) {
      for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(page.PointField(n, c)->isEnabled(), n == 1 && c == 2) << n << c;
      }
    }
    Leave(page.PointField(1, 2), "40");
    EXPECT_DOUBLE_EQ(t[0].z, 40);
    EXPECT_DOUBLE_EQ(t[1].z, 40);
    EXPECT_DOUBLE_EQ(t[2].z, 20);
    EXPECT_DOUBLE_EQ(t[3].z, 20);
  }
}

TEST_F(BifilarPageTest, ThreadPointsAreCheckedAndTheSecondEndFollowsTheFirst) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 'f';
  DialParametersDialog d(false);
  BifilarPage& page = *d.PageAs<BifilarPage>(1);
  const auto& t = D().bifilarThreads;
  Leave(page.PointField(1, 2), "30");
  EXPECT_EQ(t[1].z, 30);
  EXPECT_EQ(page.PointField(2, 2)->text(), "30.0");
  Leave(page.PointField(3, 2), "12");
  EXPECT_EQ(t[3].z, 12);
  EXPECT_TRUE(page.PointField(2, 2)->isReadOnly());
  // The ranges of the points: x and y -500 .. 500, z of P1 5 .. 500, z of P3 0.5 .. 500.
  struct Case {
    int n, c;
    const char* text;
    bool accepted;
  };
  const Case cases[] = {{1, 2, "3", false},    {1, 2, "5", true},   {3, 2, "0.4", false},
                        {3, 2, "0.5", true},   {3, 0, "600", false}, {4, 1, "-500", true},
                        {2, 1, "abc", false}};
  for (const Case& c : cases) {
    sink.shown.clear();
    const double before = c.c == 0 ? t[c.n - 1].x : c.c == 1 ? t[c.n - 1].y : t[c.n - 1].z;
    Leave(page.PointField(c.n, c.c), c.text);
    const double after = c.c == 0 ? t[c.n - 1].x : c.c == 1 ? t[c.n - 1].y : t[c.n - 1].z;
    if (c.accepted) {
      EXPECT_TRUE(sink.shown.empty()) << c.text;
      EXPECT_NE(after, before == after ? after + 1 : before) << c.text;
    } else {
      EXPECT_FALSE(sink.shown.empty()) << c.text;
      EXPECT_EQ(after, before) << c.text;
    }
  }
  // A refused entry stays in its field: the page cannot be left with it.
  EXPECT_FALSE(d.MayClose());
  page.PointField(3, 0)->setText("50");
  page.PointField(2, 1)->setText("-50");
  // A point that is no number keeps the page open.
  page.PointField(2, 0)->setText("x");
  EXPECT_FALSE(d.MayClose());
  page.PointField(2, 0)->setText("0");
  sink.shown.clear();
  EXPECT_TRUE(d.MayClose()) << (sink.shown.empty() ? std::string() : sink.shown[0].text);
}

TEST_F(BifilarPageTest, TheUmbrellaDiskAndDeskRules) {
  kelvra::testing::RecordingMessageSink sink;
  D().kind = 'i';
  D().umbrella = true;
  D().axisInclination = 30;
  DialParametersDialog d(false);
  BifilarPage& page = *d.PageAs<BifilarPage>(1);
  ASSERT_EQ(d.Pages()->currentIndex(), 1);
  // Outside -100 .. 200: the disk's own message.
  Leave(page.DiskField(), "250");
  EXPECT_EQ(sink.shown.back().text, "Der Eingabewert muss zwischen -100 und 200 (= 200%) liegen!");
  EXPECT_DOUBLE_EQ(D().umbrellaRadiusPercent, 0.35);
  // 200 % on a desk of 30 degrees: atan 2 = 63.4, the sum above 85.
  Leave(page.DiskField(), "200");
  EXPECT_EQ(sink.shown.back().text,
            "Diese Neigung der Pultuhr ist beim gegebenen Kreisradius nicht möglich !");
  EXPECT_DOUBLE_EQ(D().umbrellaRadiusPercent, 0.35);
  Leave(page.DiskField(), "50");
  EXPECT_DOUBLE_EQ(D().umbrellaRadiusPercent, 50);
  EXPECT_EQ(page.DiskRadiusLabel()->text(), "Schirmradius = 17.5");  // 35 mm x 50 %
  // The desk: 0 .. 80, and with the disk within 80.
  sink.shown.clear();
  Leave(page.DeskField(), "85");
  EXPECT_FALSE(sink.shown.empty());
  EXPECT_DOUBLE_EQ(D().axisInclination, 30);
  Leave(page.DeskField(), "60");  // atan 0.5 = 26.6, the sum 86.6
  EXPECT_EQ(sink.shown.back().text,
            "Diese Neigung der Pultuhr ist beim gegebenen Kreisradius nicht möglich !");
  EXPECT_DOUBLE_EQ(D().axisInclination, 30);
  Leave(page.DeskField(), "50");
  EXPECT_DOUBLE_EQ(D().axisInclination, 50);
  // A disk of radius 0 is warned about on closing, and the page may close.
  Leave(page.DiskField(), "0");
  sink.shown.clear();
  EXPECT_TRUE(d.MayClose());
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back().kind, MessageKind::Warning);
  EXPECT_EQ(sink.shown.back().text, "Kreisradius = 0 ist nicht zulässig !");
  // The rod must be positive.
  page.RodField()->setText("0");
  EXPECT_FALSE(d.MayClose());
  page.RodField()->setText("40");
  EXPECT_TRUE(d.MayClose());
  // A wall declination of 180 stays inside the range.
  page.PlaneChoice(2)->setChecked(true);
  Leave(page.WallField(), "-180");
  EXPECT_DOUBLE_EQ(D().wallDeclination, 179.99999);
}

// Every control of a field is a view of it: the hour range chosen on the
// planar page shows on the bifilar and umbrella groups.
TEST_F(BifilarPageTest, TheHourRangeIsOneFieldOnEveryPage) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  auto* planarFrom = d.Page(0)->findChild<QComboBox*>("hoursFrom");
  ASSERT_NE(planarFrom, nullptr);
  planarFrom->setCurrentIndex(5);
  EXPECT_EQ(D().hoursFrom, 5);
  const auto lists = d.Page(1)->findChildren<QComboBox*>("hoursFrom");
  ASSERT_EQ(lists.size(), 2);  // the bifilar and the umbrella group
  for (QComboBox* c : lists) EXPECT_EQ(c->currentIndex(), 5);
  lists[0]->setCurrentIndex(7);
  EXPECT_EQ(planarFrom->currentIndex(), 7);
  EXPECT_EQ(lists[1]->currentIndex(), 7);
}

}  // namespace
}  // namespace kelvra::ui

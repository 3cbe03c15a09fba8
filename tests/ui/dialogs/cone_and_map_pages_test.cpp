// The pages of the mean-time dial with a cone (kind m) and of the biazimuthal
// map dial (kind c): the plane choice shows the fields the plane needs, the
// fields are checked with their ranges, an axis below the horizon is stored
// as its other end, small latitudes keep away from zero, and the equivalent
// horizontal dials and the pole follow the fields.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/biazimuthal_page.h"
#include "ui/dialogs/pages/mean_time_page.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

constexpr int kMapPage = 7;
constexpr int kMeanTimePage = 8;

class ConeAndMapPagesTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    config::ResetDialParameters();
    shell::State().general.expertMode = true;
    shell::State().site.latitude = 50;
    shell::State().site.longitude = -10;
    shell::State().site.zoneMeridian = -15;
  }
  void Leave(QLineEdit* edit, const char* text) {
    edit->setText(text);
    emit edit->editingFinished();
  }
  static QRadioButton* Choice(QWidget* page, const char* field, int entry) {
    return page->findChild<QRadioButton*>(QString(field) + QString::number(entry));
  }
};

TEST_F(ConeAndMapPagesTest, TheMeanTimePageShowsTheFieldsOfItsPlane) {
  config::Dial().kind = 'm';
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  ASSERT_EQ(d.Pages()->currentIndex(), kMeanTimePage);
  MeanTimePage& page = *d.PageAs<MeanTimePage>(kMeanTimePage);
  struct Case {
    int plane;
    bool wall, inclination;
  };
  for (const Case c : {Case{1, true, false}, Case{2, true, true}, Case{0, false, false}}) {
    Choice(&page, "dialPlane", c.plane)->setChecked(true);
    EXPECT_EQ(config::Dial().dialPlane, c.plane);
    EXPECT_EQ(page.WallField()->isVisibleTo(&page), c.wall) << c.plane;
    EXPECT_EQ(page.InclinationField()->isVisibleTo(&page), c.inclination) << c.plane;
  }
}

TEST_F(ConeAndMapPagesTest, TheConeFieldsAreCheckedAndAnAxisBelowTheHorizonIsTurnedRound) {
  config::Dial().kind = 'm';
  struct Case {
    const char* field;
    const char* text;
    double stored;  // NAN: refused, the old value stays
  };
  const Case cases[] = {
      {"axisInclination", "-30", 150},     // the same axis from its other end
      {"axisInclination", "60", 60},
      {"axisInclination", "-100", NAN},    // leaving allows -90 .. 175
      {"axisInclination", "176", NAN},
      {"coneHalfAngle", "20", 20},
      {"coneHalfAngle", "86", NAN},        // 0 .. 85
      {"gnomonHeight", "4", NAN},          // 5 .. 500
      {"gnomonHeight", "120", 120},
  };
  for (const Case& c : cases) {
    config::ResetDialParameters();
    config::Dial().kind = 'm';
    const config::FieldInfo& field = *config::FindField(c.field);
    const double before = field.get(config::CurrentFieldRefs());
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    MeanTimePage& page = *d.PageAs<MeanTimePage>(kMeanTimePage);
    Leave(page.findChild<QLineEdit*>(c.field), c.text);
    const double after = field.get(config::CurrentFieldRefs());
    if (std::isnan(c.stored)) {
      EXPECT_EQ(after, before) << c.field << " " << c.text;
      EXPECT_FALSE(sink.shown.empty()) << c.field << " " << c.text;
    } else {
      EXPECT_DOUBLE_EQ(after, c.stored) << c.field << " " << c.text;
      EXPECT_TRUE(sink.shown.empty()) << c.field << " " << c.text;
    }
  }
}

// A face's equivalent horizontal dial is the place whose horizon is parallel
// to the face, the place 90 degrees away in the direction the face looks: a
// vertical south wall at 50 N is the horizontal dial at 40 S on the same
// meridian (the classical rule that a south dial at latitude phi is a
// horizontal dial for 90 - phi); a wall facing due west is a horizontal dial
// on the equator 90 degrees further west (longitudes west positive).
TEST_F(ConeAndMapPagesTest, TheMeanTimePageShowsTheEquivalentHorizontalDial) {
  config::Dial().kind = 'm';
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  MeanTimePage& page = *d.PageAs<MeanTimePage>(kMeanTimePage);
  struct Case {
    int plane;
    const char* wall;
    const char* latitude;
    const char* longitude;
  };
  const Case cases[] = {
      {0, "0", "50.000", "-10.000"},
      {1, "0", "-40.000", "-10.000"},
      {1, "90", "0.000", "80.000"},
  };
  for (const Case& c : cases) {
    Choice(&page, "dialPlane", c.plane)->setChecked(true);
    if (c.plane != 0) Leave(page.WallField(), c.wall);
    const QString text = page.Equivalent()->text();
    EXPECT_TRUE(text.contains(QString(" ") + c.latitude + " Grad")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString(" ") + c.longitude + " Grad")) << text.toStdString();
  }
}


TEST_F(ConeAndMapPagesTest, TheMapPageShowsTheFieldsOfBothPositions) {
  config::Dial().kind = 'c';
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  ASSERT_EQ(d.Pages()->currentIndex(), kMapPage);
  BiazimuthalPage& page = *d.PageAs<BiazimuthalPage>(kMapPage);
  struct Case {
    int plane;
    bool secondVertical;
    bool wall, inclination, secondWall;
  };
  const Case cases[] = {
      {1, false, true, false, false},
      {2, true, true, true, true},
      {0, true, false, false, true},
      {0, false, false, false, false},
  };
  for (const Case& c : cases) {
    Choice(&page, "dialPlane", c.plane)->setChecked(true);
    page.SecondVertical()->setChecked(c.secondVertical);
    EXPECT_EQ(config::Dial().dialPlane, c.plane);
    EXPECT_EQ(config::Dial().secondVertical, c.secondVertical);
    EXPECT_EQ(page.WallField()->isVisibleTo(&page), c.wall) << c.plane;
    EXPECT_EQ(page.InclinationField()->isVisibleTo(&page), c.inclination) << c.plane;
    EXPECT_EQ(page.SecondWallField()->isVisibleTo(&page), c.secondWall) << c.plane;
  }
}

// Position A's latitude below 0.005 and B's below 0.0049 in magnitude become
// 0.0049 with the entry's sign, 0 counting as positive.
TEST_F(ConeAndMapPagesTest, TheMapPageKeepsLatitudesOffTheEquator) {
  config::Dial().kind = 'c';
  struct Case {
    bool second;
    const char* text;
    double stored;
  };
  const Case cases[] = {
      {false, "0", 0.0049},      {false, "-0.001", -0.0049}, {false, "0.00495", 0.0049},
      {false, "0.005", 0.005},   {true, "0", 0.0049},        {true, "-0.003", -0.0049},
      {true, "0.0049", 0.0049},  {true, "-12.5", -12.5},
  };
  for (const Case& c : cases) {
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    BiazimuthalPage& page = *d.PageAs<BiazimuthalPage>(kMapPage);
    Leave(c.second ? page.SecondLatitudeField() : page.LatitudeField(), c.text);
    const double stored = c.second ? config::Dial().secondLatitude : shell::State().site.latitude;
    EXPECT_DOUBLE_EQ(stored, c.stored) << c.second << " " << c.text;
  }
}

// The scale: a whole number, 5 .. 9999 on leaving the field, 5 .. 99000 when
// the page is left.
TEST_F(ConeAndMapPagesTest, TheMapScaleIsAWholeNumberWithItsTwoRanges) {
  config::Dial().kind = 'c';
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  BiazimuthalPage& page = *d.PageAs<BiazimuthalPage>(kMapPage);
  struct Case {
    const char* text;
    int stored;  // 0: refused
  };
  for (const Case c : {Case{"250", 250}, Case{"10000", 0}, Case{"4", 0}, Case{"12.5", 0}}) {
    config::Dial().scalePercent = 100;
    sink.shown.clear();
    Leave(page.ScaleField(), c.text);
    EXPECT_EQ(config::Dial().scalePercent, c.stored ? c.stored : 100) << c.text;
    EXPECT_EQ(sink.shown.empty(), c.stored != 0) << c.text;
  }
  page.ScaleField()->setText("20000");
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(config::Dial().scalePercent, 20000);
  page.ScaleField()->setText("99001");
  EXPECT_FALSE(d.MayClose());
  EXPECT_EQ(sink.shown.back().text, "Bitte zuerst die fehlerhafte Eingabe korrigieren!");
}

// The pole of the map lies halfway between A and B on their great circle: for
// A = (40 N, 30 E) and B = (40 N, 30 W) on the meridian 0 at latitude
// atan(tan 40 / cos 30) = 44.095 (the sum of the two unit vectors). When A and
// B are antipodal there is no pole: the page says so and reports it.
TEST_F(ConeAndMapPagesTest, TheMapPageShowsThePoleOrWhyThereIsNone) {
  config::Dial().kind = 'c';
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  BiazimuthalPage& page = *d.PageAs<BiazimuthalPage>(kMapPage);
  Choice(&page, "dialPlane", 0)->setChecked(true);
  page.SecondVertical()->setChecked(false);
  Leave(page.LatitudeField(), "40");
  page.findChild<QLineEdit*>("longitude")->setText("-30");
  emit page.findChild<QLineEdit*>("longitude")->editingFinished();
  Leave(page.SecondLatitudeField(), "40");
  Leave(page.SecondLongitudeField(), "30");
  EXPECT_TRUE(sink.shown.empty());
  const QString pole = page.Pole()->text();
  EXPECT_TRUE(pole.startsWith("Pol :   (")) << pole.toStdString();
  EXPECT_TRUE(pole.contains("44.095 / ")) << pole.toStdString();
  EXPECT_TRUE(pole.contains("/ 0.000 );") || pole.contains("/ -0.000 );")) << pole.toStdString();
  EXPECT_TRUE(page.Equivalent()->text().contains("40.000 Grad")) << page.Equivalent()->text().toStdString();

  Leave(page.SecondLatitudeField(), "-40");
  Leave(page.SecondLongitudeField(), "150");
  EXPECT_EQ(page.Pole()->text(), "Pol:  nicht berechnet");
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back().text, "Fehler!\nBerechnung abgebrochen!");
  EXPECT_EQ(sink.shown.back().kind, shell::MessageKind::Error);
}

}  // namespace
}  // namespace kelvra::ui

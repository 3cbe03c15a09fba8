// The drawing window's rules without a window: file names of the save panel,
// commands by dial kind, captions and the origin check.
#include <gtest/gtest.h>

#include <string>

#include "output/drawing_window_rules.h"
#include "shell/catalog.h"

namespace kelvra::output {
namespace {

class GermanCatalogue : public ::testing::Test {
 protected:
  void SetUp() override { shell::SelectLanguage(true); }
  void TearDown() override { shell::SelectLanguage(true); }
};

TEST(SaveFileName, FieldRules) {
  const struct {
    const char* field;
    SaveFormat format;
    const char* expected;
  } cases[] = {
      {"a.b.c", SaveFormat::Dxf, "a.dxf"},
      {"a.b.c", SaveFormat::Hpgl, "a.plt"},
      {"", SaveFormat::Dxf, "kel.dxf"},
      {"", SaveFormat::Hpgl, "kel.plt"},
      {"   ", SaveFormat::Hpgl, "kel.plt"},
      {".plt", SaveFormat::Hpgl, "kel.plt"},
      {"wall", SaveFormat::Hpgl, "wall.plt"},
      {"wall.plt", SaveFormat::Dxf, "wall.dxf"},
      {" Süd wand.txt ", SaveFormat::Svg, "Süd wand.svg"},
      {"dial.dxf", SaveFormat::Pdf, "dial.pdf"},
      // The rule looks at the name, not at dots in the folder.
      {"my.plans/wall.x", SaveFormat::Dxf, "my.plans/wall.dxf"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SaveFileName(c.field, c.format), c.expected) << '"' << c.field << '"';
}

TEST(SaveFileName, AtMostSixtyCharacters) {
  const std::string longName(100, 'x');
  const std::string saved = SaveFileName(longName + ".plt", SaveFormat::Hpgl);
  EXPECT_EQ(saved.size(), kMaxSaveNameLength);
  EXPECT_EQ(saved, std::string(56, 'x') + ".plt");
  // A name of exactly 60 characters stays whole.
  const std::string sixty = std::string(56, 'y') + ".dxf";
  EXPECT_EQ(SaveFileName(sixty, SaveFormat::Dxf), sixty);
}

TEST(CoordinateFileName, SameNameWithTxt) {
  EXPECT_EQ(CoordinateFileName("kel.plt"), "kel.txt");
  EXPECT_EQ(CoordinateFileName("a.dxf"), "a.txt");
  EXPECT_EQ(CoordinateFileName("dir.x/wall.plt"), "dir.x/wall.txt");
  EXPECT_EQ(CoordinateFileName("noext"), "noext.txt");
}

TEST(OriginOutsidePicture, BordersBelongToThePicture) {
  EXPECT_TRUE(OriginOutsidePicture({0, 10}, 100, 50));  // x = 0: the question is asked
  EXPECT_TRUE(OriginOutsidePicture({10, 0}, 100, 50));
  EXPECT_TRUE(OriginOutsidePicture({101, 10}, 100, 50));
  EXPECT_TRUE(OriginOutsidePicture({10, 51}, 100, 50));
  EXPECT_FALSE(OriginOutsidePicture({1, 1}, 100, 50));
  EXPECT_FALSE(OriginOutsidePicture({100, 50}, 100, 50));
}

TEST(CommandStates, ByKind) {
  // Planar dials: everything after activation; umbrella dials no listing.
  const CommandStates v = CommandsOnActivation({'v'}, true, true);
  EXPECT_TRUE(v.grid && v.zoomIn && v.zoomOut && v.hourLineTable && v.poleInformation);
  EXPECT_TRUE(v.polarTriangle && v.polarTriangleTicked && v.coordinateChoice);
  EXPECT_TRUE(v.pickOrigin && v.pickLegend && v.picture && v.expertPanel);

  const CommandStates umbrella = CommandsOnActivation({'h', true}, true, true);
  EXPECT_TRUE(umbrella.grid && umbrella.zoomIn);
  EXPECT_FALSE(umbrella.hourLineTable || umbrella.poleInformation || umbrella.polarTriangle);
  EXPECT_FALSE(umbrella.expertPanel);
  EXPECT_TRUE(umbrella.coordinateChoice);

  EXPECT_FALSE(CommandsOnActivation({'i'}, false, false).picture);
  EXPECT_FALSE(CommandsOnActivation({'i'}, false, false).expertPanel);
  EXPECT_FALSE(CommandsOnActivation({'i'}, true, false).polarTriangleTicked);

  // On opening grid, zoom and the polar triangle wait for the activation.
  const CommandStates opening = CommandsOnOpening({'h'}, true);
  EXPECT_FALSE(opening.grid || opening.zoomIn || opening.polarTriangle);
  EXPECT_TRUE(opening.hourLineTable && opening.poleInformation);

  // Other families.
  const CommandStates m = CommandsOnActivation({'m'}, true, false);
  EXPECT_TRUE(m.poleInformation && m.graph && m.expertPanel == false);
  EXPECT_FALSE(m.hourLineTable || m.grid);
  EXPECT_TRUE(CommandsOnActivation({'r'}, true, false).correctionTable);
  EXPECT_TRUE(CommandsOnActivation({'f'}, true, false).zoomIn);
  EXPECT_FALSE(CommandsOnActivation({'a'}, true, false).zoomIn);
  EXPECT_FALSE(CommandsOnActivation({'a'}, true, false).pickOrigin);
  EXPECT_TRUE(CommandsOnActivation({'z', false, 2}, true, false).grid);
  EXPECT_FALSE(CommandsOnActivation({'z', false, 0}, true, false).grid);
  EXPECT_FALSE(CommandsOnActivation({'w'}, true, false).pickLegend);
  EXPECT_TRUE(CommandsOnActivation({'w'}, true, false).pickOrigin);
}

TEST(OriginCheck, KindsThatAsk) {
  for (char k : std::string("chiv")) EXPECT_TRUE(ChecksOriginBeforeOutput({k})) << k;
  for (char k : std::string("abfkmpqrw")) EXPECT_FALSE(ChecksOriginBeforeOutput({k})) << k;
  EXPECT_TRUE(ChecksOriginBeforeOutput({'z', false, 2}));
  EXPECT_FALSE(ChecksOriginBeforeOutput({'z', false, 1}));
}

TEST_F(GermanCatalogue, CaptionByKind) {
  EXPECT_EQ(DrawingWindowCaption({'v'}), "Konstruktion einer vertikalen Sonnenuhr");
  EXPECT_EQ(DrawingWindowCaption({'h'}), "Konstruktion einer horizontalen Sonnenuhr");
  EXPECT_EQ(DrawingWindowCaption({'v', true}), "Konstruktion einer Schirmsonnenuhr");
  EXPECT_EQ(DrawingWindowCaption({'z', false, 1}),
            "Konstruktion einer Zylindersonnenuhr (Hutsonnenuhr)");
  EXPECT_EQ(DrawingWindowCaption({'p'}), "Konstruktion einer Peaucellier-Azimutalsonnenuhr");
  shell::SelectLanguage(false);
  EXPECT_EQ(DrawingWindowCaption({'i'}), "Construction of an Inclining Sundial");
  EXPECT_EQ(DrawingWindowCaption({'a'}), "Construction of an Azimuthal Sundial");
  EXPECT_EQ(DrawingWindowCaption({'z', false, 0}),
            "Construction of a Cylinder Sundial (Shepherds´ Dial)");
}

TEST_F(GermanCatalogue, PictureHintByKind) {
  for (char k : std::string("chimpvw"))
    EXPECT_EQ(PictureHint({k}), "Left mouseclick fixes gnomon position") << k;
  for (char k : std::string("abfkqrz"))
    EXPECT_EQ(PictureHint({k}), "Right mouseclick for popUp menu // <F1> for help !") << k;
}

TEST(PictureSize, ColumnAndBarsAreTakenOff) {
  const PictureSize s = PictureSizeFor(1600, 100, 900, 20, 0);
  EXPECT_EQ(s.width, 1600 - 130 - 3);
  EXPECT_EQ(s.height, 880);
  EXPECT_EQ(PictureSizeFor(10, 100, 10, 20, 0).width, 1);
}

TEST(FixGnomonText, StandsLeftBelowTheOrigin) {
  EXPECT_EQ(FixGnomonTextPosition({500, 40}), (Point{370, 70}));
}

TEST(TemporalHoursRefusePrint, AltitudeDialsAbove63Degrees) {
  // Each kind by the switch that turns its temporal hours on.
  const struct {
    char kind;
    int cylinderVariant;
    bool altitudeTemporal, temporalHours;
    double latitude;
    bool refused;
  } cases[] = {
      {'k', 0, true, false, 63.5, true},   {'k', 0, true, false, 63.0, false},
      {'k', 0, false, true, 64.0, false},  {'b', 0, true, false, -64.0, true},
      {'z', 0, false, true, 64.0, true},   {'z', 1, false, true, -64.0, true},
      {'z', 0, true, false, 64.0, false},  {'z', 2, false, true, 64.0, false},
      {'q', 0, true, false, 64.0, true},   {'h', 0, true, true, 70.0, false},
  };
  for (const auto& c : cases) {
    DrawingKind k;
    k.kind = c.kind;
    k.cylinderVariant = c.cylinderVariant;
    config::DialParameters d;
    d.kind = c.kind;
    d.cylinderVariant = c.cylinderVariant;
    d.altitudeTemporal = c.altitudeTemporal;
    d.temporalHours = c.temporalHours;
    EXPECT_EQ(TemporalHoursRefusePrint(k, d, c.latitude), c.refused)
        << c.kind << c.cylinderVariant << " at " << c.latitude;
  }
}

}  // namespace
}  // namespace kelvra::output

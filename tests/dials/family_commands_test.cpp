// `kelvra draw` through the family seam: a kind without a family is refused
// with exit status 1 and no file; a family put in place is drawn and saved,
// its side file beside the plot file, without any change to the command.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QImage>

#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "dials/dial_family.h"
#include "shell/shared_state.h"
#include "test_family.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class FamilyCommandsTest : public DrawCommandFixture {};

TEST_F(FamilyCommandsTest, AKindWithoutAFamilyWritesNothing) {
  // The Sawyer decliner's family taken away.
  const testing::NothingDrawnFamily nothing;
  const dials::ScopedFamily scoped(config::DialFamily::Sawyer, nothing);
  for (const char* name : {"w.plt", "w.dxf", "w.png", "w.pdf"}) {
    const auto r = Kelvra({"draw", "-o", File(name), "--set", "kind=w", "--lang", "en"});
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_NE(r.err.find("kind=w (Sawyer-Decliner): nothing is drawn"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(File(name))) << name;
  }
}

TEST_F(FamilyCommandsTest, AFamilyPutInPlaceIsDrawnAndSaved) {
  const testing::DiscFamily disc;
  const dials::ScopedFamily scoped(config::DialFamily::Ring, disc);

  auto r = Kelvra({"draw", "-o", File("r.plt"), "--set", "kind=r", "--set", "gnomonHeight=40",
                   "--coordinates", File("r.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  // The family's own text: the standard header, then the disc of 40 mm at
  // its default place (kind r carries no picked position).
  EXPECT_EQ(ReadAll(File("r.plt")),
            output::StandardHeaderText(1) + "PU 8000 5500;CI 1600;IW;IN;");
  EXPECT_EQ(ReadAll(File("rSide.plt")), "IN;SP 1;PU 0 0;CI 400;IN;");
  EXPECT_NE(r.err.find("side file rSide.plt"), std::string::npos) << r.err;
  EXPECT_NE(ReadAll(File("r.txt")).find("disc r.plt"), std::string::npos);

  r = Kelvra({"draw", "-o", File("r.dxf"), "--set", "kind=r"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadAll(File("r.dxf")).find("CIRCLE"), std::string::npos);
  EXPECT_TRUE(fs::exists(File("rSide.dxf")));
  EXPECT_FALSE(fs::exists(File("kelvra.$$$")));

  r = Kelvra({"draw", "-o", File("r.png"), "--size", "700x500", "--set", "kind=r"});
  ASSERT_EQ(r.status, 0) << r.err;
  const QImage image(QString::fromStdString(File("r.png")));
  ASSERT_EQ(image.width(), 700);
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++dark;
  EXPECT_GT(dark, 100);
}

TEST_F(FamilyCommandsTest, ARefusedConstructionWritesNothing) {
  const testing::DiscFamily disc;
  const dials::ScopedFamily scoped(config::DialFamily::Ring, disc);
  const auto r = Kelvra({"draw", "-o", File("r.plt"), "--set", "kind=r", "--lat", "85"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("disc refused"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(File("r.plt")));
  EXPECT_FALSE(fs::exists(File("rSide.plt")));
}

// `kelvra listing` gives the pole information of the cone and map dials, as
// the drawing window's pole-information command does; a kind without one is
// refused with the kinds that have one.
TEST_F(FamilyCommandsTest, ListingGivesThePoleInformationOfEveryKindThatHasOne) {
  struct Case {
    const char* kind;
    const char* title;
    const char* field;
  };
  const Case cases[] = {
      {"m", "Mean Time Sundial", "\"slantLength\""},
      {"c", "Biazimuthal Sundial", "\"poleLatitude\""},
  };
  for (const Case& c : cases) {
    const std::string kind = std::string("kind=") + c.kind;
    auto r = Kelvra({"listing", "--set", kind, "--lang", "en"});
    ASSERT_EQ(r.status, 0) << c.kind << ": " << r.err;
    EXPECT_EQ(r.out.rfind(c.title, 0), 0u) << r.out;
    r = Kelvra({"listing", "--set", kind, "--json"});
    ASSERT_EQ(r.status, 0) << c.kind << ": " << r.err;
    EXPECT_NE(r.out.find(c.field), std::string::npos) << r.out;
  }
  const auto refused = Kelvra({"listing", "--set", "kind=a"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("kind=c"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("kind=m"), std::string::npos) << refused.err;
}

}  // namespace
}  // namespace kelvra::cli

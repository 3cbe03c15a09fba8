// `kelvra listing` and `kelvra draw` run in-process through the command line.
#include <gtest/gtest.h>

#include <cstdlib>
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
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class DrawCommandTest : public DrawCommandFixture {};

TEST_F(DrawCommandTest, ListingPrintsTheTableOfTheSouthWall) {
  const auto r = Kelvra({"listing", "--lat", "47", "--set", "wallDeclination=0", "--lang", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Angles of the Hour Lines in a Vertical Sundial"), std::string::npos);
  EXPECT_NE(r.out.find("Angle from dial face to pole style  :  -43.00"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Direction of sub-style in P(0/0)    :  180.00"), std::string::npos);
  EXPECT_NE(r.out.find(" 12:00       0.00     0.000"), std::string::npos) << r.out;
}

TEST_F(DrawCommandTest, ListingRefusesOtherFamilies) {
  const auto r = Kelvra({"listing", "--set", "kind=a"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("kind=h"), std::string::npos);
}

TEST_F(DrawCommandTest, WritesEveryFormat) {
  for (const char* name : {"d.plt", "d.dxf", "d.png", "d.jpg", "d.svg", "d.pdf"}) {
    const auto r = Kelvra({"draw", "-o", File(name), "--set", "kind=i"});
    ASSERT_EQ(r.status, 0) << name << ": " << r.err;
    EXPECT_GT(fs::file_size(File(name)), 1000u) << name;
  }
  EXPECT_EQ(ReadAll(File("d.plt")).rfind("IN;VS 1;PA;IW 0 0 16157 11038;", 0), 0u);
  EXPECT_NE(ReadAll(File("d.dxf")).find("SECTION"), std::string::npos);
  EXPECT_FALSE(fs::exists(File("kelvra.$$$")));
  QImage image(QString::fromStdString(File("d.png")));
  ASSERT_EQ(image.width(), 1400);
  ASSERT_EQ(image.height(), 990);
  int dark = 0;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) {
      if (qGray(image.pixel(x, y)) < 160) ++dark;
    }
  }
  EXPECT_GT(dark, 500);
}

TEST_F(DrawCommandTest, PictureSizeAndCoordinateListing) {
  auto r = Kelvra({"draw", "-o", File("s.png"), "--size", "700x500", "--grid", "10"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(QImage(QString::fromStdString(File("s.png"))).width(), 700);
  r = Kelvra({"draw", "-o", File("c.plt"), "--coordinates", File("c.txt"), "--line-strength", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string listing = ReadAll(File("c.txt"));
  EXPECT_NE(listing.find("c.plt"), std::string::npos);
  EXPECT_NE(listing.find("\r\n"), std::string::npos);
  EXPECT_NE(ReadAll(File("c.plt")).find(";PW 1;"), std::string::npos);
}

TEST_F(DrawCommandTest, DialMessagesGoToStderrAndTheFileIsWritten) {
  const auto r = Kelvra({"draw", "-o", File("t.plt"), "--lat", "70", "--set", "temporalHours=true", "--lang", "de"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("Temporalstunden"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::exists(File("t.plt")));
}

TEST_F(DrawCommandTest, BadOptionsAreUsageErrors) {
  EXPECT_EQ(Kelvra({"draw", "-o", File("x.gif")}).status, 2);
  EXPECT_EQ(Kelvra({"draw"}).status, 2);
  EXPECT_EQ(Kelvra({"draw", "-o", File("x.png"), "--size", "12"}).status, 2);
  EXPECT_EQ(Kelvra({"draw", "-o", File("x.png"), "--coordinates", File("x.txt")}).status, 2);
  EXPECT_EQ(Kelvra({"draw", "-o", File("x.plt"), "--line-strength", "4"}).status, 2);
  EXPECT_EQ(Kelvra({"draw", "-o", (dir_ / "missing" / "x.plt").string()}).status, 1);
}

}  // namespace
}  // namespace kelvra::cli

#include "output/hpgl_to_dxf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "hpgl_test_support.h"
#include "output/hpgl_writer.h"
#include "shell/catalog.h"
#include "support/recording_message_sink.h"

namespace kelvra::output {
namespace {

using kelvra::testing::DxfLines;
using kelvra::testing::ReadBytes;
using kelvra::testing::TempFolder;
using kelvra::testing::WriteBytes;

// One conversion of `hpgl` in a fresh folder.
struct Conversion {
  TempFolder dir;
  kelvra::testing::RecordingMessageSink messages;
  DxfConversionResult result;
  std::string dxf;                 // the file's bytes, empty when none
  std::vector<std::string> lines;  // split at CR LF
  bool cleanLineEnds = false;

  Conversion(const std::string& hpgl, double divisor = 40, int lineStrength = 1) {
    WriteBytes(dir / "kelvra.$$$", hpgl);
    result = ConvertHpglToDxf(dir / "kelvra.$$$", dir / "kel.dxf", lineStrength, divisor);
    if (std::filesystem::exists(dir / "kel.dxf")) dxf = ReadBytes(dir / "kel.dxf");
    lines = DxfLines(dxf, &cleanLineEnds);
  }

  std::vector<std::string> Entities(const std::string& type) const {
    std::vector<std::string> out;
    for (const auto& l : lines)
      if (l == type) out.push_back(l);
    return out;
  }
  std::size_t Count(const std::string& line) const { return Entities(line).size(); }

  // The lines of the entities, from "ENTITIES" on.
  std::vector<std::string> EntityLines() const {
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == "ENTITIES") return {lines.begin() + static_cast<long>(i) + 2, lines.end()};
    return {};
  }

  // Value lines following each occurrence of group code `code` in entities.
  std::vector<std::string> Values(const std::string& code) const {
    std::vector<std::string> out;
    auto e = EntityLines();
    for (std::size_t i = 0; i + 1 < e.size(); ++i)
      if (e[i] == code) out.push_back(e[++i]);
    return out;
  }
  std::string First(const std::string& code) const {
    auto v = Values(code);
    return v.empty() ? "<none>" : v.front();
  }
  std::string Last(const std::string& code) const {
    auto v = Values(code);
    return v.empty() ? "<none>" : v.back();
  }

  bool HasNote(const std::string& note) const {
    for (const auto& n : result.notes)
      if (n == note) return true;
    return false;
  }
};

const std::vector<std::string> kPrologue = {
    "0", "SECTION", "  2", "HEADER", "  9", "$EXTMIN", " 10", "0.000", " 20", "0.0", "  9",
    "$EXTMAX", " 10", "  411.00", " 20", "  287.50", "  9", "$LIMMIN", " 10", "0.000", " 20",
    "0.0", "  9", "$LIMMAX", " 10", "  411.00", " 20", "  287.50", "  9", "$LTSCALE", " 40",
    "1.0", "  0", "ENDSEC", "  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE",
    " 70", "     4", "  0", "LTYPE", "  2", "CONTINUOUS", " 70", "64", "  3", "Solid line", " 72",
    "65", " 73", "0", " 40", "0.0", "  0", "LTYPE", "  2", "DASHED", " 70", "64", "  3",
    "- - - - - - ", " 72", "65", " 73", "2", " 40", "3.000001", " 49", "1.500000", " 49",
    "-1.500001", "  0", "LTYPE", "  2", "DASHDOT", " 70", "64", "  3", "- . - . - . - . ", " 72",
    "65", " 73", "4", " 40", "12.000004", " 49", "6.000002", " 49", "-3.000001", " 49",
    "0.00000", " 49", "-3.00001", "  0", "LTYPE", "  2", "DOT", " 70", "64", "  3", ". . . .  ",
    " 72", "65", " 73", "2", " 40", "3.000001", " 49", "0.00000", " 49", "-3.000001", "  0",
    "ENDTAB", "  0", "TABLE", "  2", "LAYER", " 70", "     9", "  0"};

TEST(HpglToDxf, PrologueAndEpilogueByteForByte) {
  for (double divisor : {40.0, 1000.0}) {
    Conversion c("IN;SP 1;PU 0 0;PD 400 400;", divisor);
    ASSERT_TRUE(c.result.ok());
    EXPECT_TRUE(c.cleanLineEnds);
    ASSERT_GT(c.lines.size(), kPrologue.size());
    EXPECT_EQ(std::vector<std::string>(c.lines.begin(), c.lines.begin() + kPrologue.size()),
              kPrologue);
    // Ten layers L_1 .. L_10 with their colours.
    std::vector<std::string> layer3 = {"LAYER", " 70", "64",         "  2", "L_3",
                                       " 62",   "3",   "  6", "CONTINUOUS", "  0"};
    auto at = std::search(c.lines.begin(), c.lines.end(), layer3.begin(), layer3.end());
    EXPECT_NE(at, c.lines.end());
    EXPECT_EQ(c.Count("LAYER"), 11u);  // the table name and ten layers
    const std::vector<std::string> symbols = {
        "STYLE", " 5", "2D", "100", "AcDbSymbolTableRecord", "100", "AcDbTextSTyleTableRecord",
        "  2", "symbols", " 70", "0", " 40", "0.0", " 41", "1.0", " 50", "0.0", " 71", "     0",
        " 42", "2.4", "  3", "WINGDING.TTF", "  4", "", "  0", "ENDTAB", "  0", "ENDSEC", "  0",
        "SECTION", "  2", "BLOCKS", "  0", "ENDSEC", "0", "SECTION", "2", "ENTITIES", "0",
        "POLYLINE"};
    EXPECT_NE(std::search(c.lines.begin(), c.lines.end(), symbols.begin(), symbols.end()),
              c.lines.end());
    // The open polyline is closed at the end of the file, then the file ends.
    const std::string tail = "0\r\nSEQEND\r\n  8\r\nL_1\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    ASSERT_GE(c.dxf.size(), tail.size());
    EXPECT_EQ(c.dxf.substr(c.dxf.size() - tail.size()), tail);
  }
}

TEST(HpglToDxf, PolylineEntitiesAsWritten) {
  Conversion c("IN;SP 2;PU 400 800;PD 800 1200;PU;", 40, 2);
  ASSERT_TRUE(c.result.ok());
  const std::vector<std::string> expected = {
      "POLYLINE", "  8", "L_2", " 62", "2", "  6", "CONTINUOUS", " 66", "1", " 40 ", "0.15",
      " 41 ", "0.15", "  0", "VERTEX", "  8", "L_2", " 62", "2", "  6", "CONTINUOUS", " 10",
      "   10.0000", " 20", "   20.0000", "0", "VERTEX", "  8", "L_2", " 62", "2", "  6",
      "CONTINUOUS", " 10", "   20.0000", " 20", "   30.0000", "0", "SEQEND", "  8", "L_2", "  0",
      "ENDSEC", "  0", "EOF"};
  EXPECT_EQ(c.EntityLines(), expected);
  const auto& info = c.messages.shown;
  ASSERT_EQ(info.size(), 1u);
  EXPECT_EQ(info[0].kind, shell::MessageKind::Information);
  EXPECT_NE(info[0].text.find("File " + (c.dir / "kel.dxf").string() + " gespeichert!"),
            std::string::npos);
}

TEST(HpglToDxf, LineTypes) {
  struct Case {
    const char* command;
    const char* type;
  };
  const Case cases[] = {{"LT;", "CONTINUOUS"}, {"LT 5;", "CONTINUOUS"}, {"LT 3;", "DASHED"},
                        {"LT 2,2;", "DASHED"},  {"LT 1;", "DOT"},        {"LT 4;", "DASHDOT"},
                        {"LT 0;", "CONTINUOUS"}, {"LT 2.5;", "CONTINUOUS"}};
  for (const auto& k : cases) {
    Conversion c(std::string("IN;SP 1;LT 2;") + k.command + "PD 40 40;");
    EXPECT_EQ(c.First("  6"), k.type) << k.command;
  }
}

TEST(HpglToDxf, PenSelection) {
  struct Case {
    const char* command;
    const char* layer;
    const char* colour;
  };
  const Case cases[] = {{"SP;", "L_0", "0"},   {"SP4;", "L_4", "4"},    {"SP 12;", "L_12", "12"},
                        {"SP 1 0;", "L_10", "10"}, {"SP 255;", "L_255", "255"}};
  for (const auto& k : cases) {
    Conversion c(std::string("IN;SP 7;") + k.command + "PD 40 40;");
    ASSERT_TRUE(c.result.ok()) << k.command;
    EXPECT_EQ(c.First("  8"), k.layer) << k.command;
    EXPECT_EQ(c.First(" 62"), k.colour) << k.command;
  }
  // A pen that is no whole number 0..255 leaves the pen as it was.
  for (const char* bad : {"SP 1.5;", "SP 256;", "SP -1;", "SP x;", "SP 3a;"}) {
    Conversion c(std::string("IN;SP 7;") + bad + "PD 40 40;");
    ASSERT_TRUE(c.result.ok()) << bad;
    EXPECT_EQ(c.First("  8"), "L_7") << bad;
    EXPECT_EQ(c.First(" 62"), "7") << bad;
    ASSERT_EQ(c.result.notes.size(), 1u) << bad;
    EXPECT_EQ(c.result.notes[0].rfind("Error in HPGL-command:SP ", 0), 0u) << bad;
  }
  Conversion c("IN;SP 1.5;PD 40 40;");
  EXPECT_TRUE(c.HasNote("Error in HPGL-command:SP 1.5;"));
}

TEST(HpglToDxf, LongCoordinateListsMakeOnePolyline) {
  std::string pd = "IN;SP 3;PU 0 0;PD";
  for (int i = 1; i <= 600; ++i) pd += " " + std::to_string(i * 10) + "," + std::to_string(i % 7);
  pd += ";PU;";
  Conversion c(pd);
  ASSERT_TRUE(c.result.ok());
  EXPECT_EQ(c.Count("POLYLINE"), 1u);
  EXPECT_EQ(c.Count("VERTEX"), 601u);
  EXPECT_EQ(c.result.vertices, 601);
  EXPECT_EQ(c.Last(" 10"), "  150.0000");
  EXPECT_TRUE(c.messages.shown.size() == 1);  // only the saved information

  // Relative lists are read without limit as well.
  std::string pr = "IN;SP 3;PU 0 0;PD;PR";
  for (int i = 1; i <= 600; ++i) pr += " 40,0";
  Conversion r(pr + ";");
  EXPECT_EQ(r.Count("VERTEX"), 601u);
  EXPECT_EQ(r.Last(" 10"), "  600.00000");  // relative points: width 11, 5 decimals
  EXPECT_TRUE(r.result.notes.empty());
}

TEST(HpglToDxf, Labels) {
  Conversion c("IN;SP 1;PU 400 400;LB^\x03LBab\r\ncd;e\x03SA;LBx\x03SS;LB\xc3\xa4\x03LB\xe4\x03");
  ASSERT_TRUE(c.result.ok());
  EXPECT_EQ(c.Values("  1"),
            (std::vector<std::string>{"^ ", "ab  cd;e", "x", "\xe4", "\xe4"}));
  EXPECT_EQ(c.Values("  7"),
            (std::vector<std::string>{"STANDARD", "STANDARD", "symbols", "STANDARD", "STANDARD"}));
  EXPECT_EQ(c.First(" 10"), "   10.0000");
  EXPECT_EQ(c.First(" 40"), "  2.70");
  EXPECT_EQ(c.First(" 41"), "0.7");
  EXPECT_TRUE(c.cleanLineEnds);
}

TEST(HpglToDxf, CharacterSizeAndDirection) {
  Conversion c(
      "IN;SP 1;SI 0.16,0.24;DI 100.0,0.0;LBa\x03" "DI 0,1;LBb\x03" "DI -1,0;LBc\x03" "DI 1,1;LBd\x03"
      "DI -1,-1;LBe\x03" "DI 1,x;LBf\x03SL 1;LBg\x03SL;SI;DI;LBh\x03",
      40);
  EXPECT_EQ(c.Values(" 50"),
            (std::vector<std::string>{"  0.0", "0.0", "180.0", " 45.0", "-135.0", "0.0", "0.0",
                                      "0.0"}));
  EXPECT_EQ(c.Values(" 51"),
            (std::vector<std::string>{"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", " 45.0", "0.0"}));
  EXPECT_EQ(c.First(" 40"), "  2.40");   // 0.24 cm
  EXPECT_EQ(c.First(" 41"), "  0.93");   // 0.16 x 1.4 / 0.24
  EXPECT_EQ(c.Last(" 40"), "  2.70");
  EXPECT_EQ(c.Last(" 41"), "0.7");
  EXPECT_TRUE(c.HasNote("Fehler bei der Angabe der Schriftrichtung: 1;x"));

  Conversion big("IN;SP 1;SI;LBa\x03SI 5.5,8;LBb\x03", 1000);  // map labels at scale 25
  EXPECT_EQ(big.Values(" 40"), (std::vector<std::string>{"  0.11", "  3.20"}));
}

TEST(HpglToDxf, ClippingToTheInputWindow) {
  // Window 0..100 mm; a line from the middle out to the right and back in.
  Conversion c("IN;SP 1;IW 0 0 4000 4000;PU 2000 2000;PD 6000 2000 2000 3000;PU;");
  ASSERT_TRUE(c.result.ok());
  EXPECT_EQ(c.Count("POLYLINE"), 2u);
  EXPECT_EQ(c.Count("SEQEND"), 2u);
  EXPECT_EQ(c.Values(" 10"), (std::vector<std::string>{"   50.0000", "   100.0000",
                                                         "   100.0000", "   50.0000"}));
  EXPECT_EQ(c.Values(" 20"), (std::vector<std::string>{"   50.0000", "    50.0000",
                                                         "    62.5000", "   75.0000"}));
  // Corners in either order; wholly outside segments draw nothing.
  Conversion swapped("IN;SP 1;IW 4000 4000 0 0;PU 5000 5000;PD 6000 6000;PD 2000 2000;");
  EXPECT_EQ(swapped.Count("POLYLINE"), 1u);
  EXPECT_EQ(swapped.First(" 10"), "   100.0000");
  // IW without arguments is the whole plot page in mm, at any divisor.
  Conversion page("IN;SP 1;IW;PU 100000 100000;PD 300000 200000;", 1000);
  EXPECT_EQ(page.Values(" 10"), (std::vector<std::string>{"  100.0000", "  300.0000"}));
}

TEST(HpglToDxf, CirclesArcsRectanglesAndPenWidth) {
  Conversion c(
      "IN;SP 5;PU 1000 1000;CI 80;AA 1200 1000 90;PD 1200 800;PU 0 0;AR 0 200 -90;"
      "PU 400 400;EA 800 1200;PW 1;PD 40 40;PU;PW 0;PD 80 80;PU;PW;PD 80 0;",
      40);
  ASSERT_TRUE(c.result.ok());
  EXPECT_EQ(c.Count("CIRCLE"), 1u);
  EXPECT_EQ(c.Count("ARC"), 2u);
  // The circle about (25, 25) mm with radius 2 mm, the arc about (30, 25).
  EXPECT_EQ(c.First(" 40"), "    2.0000");
  EXPECT_EQ(c.Values(" 50"), (std::vector<std::string>{" 180.00", "-180.00"}));
  EXPECT_EQ(c.Values(" 51"), (std::vector<std::string>{" 270.00", " -90.00"}));
  // The arc moves the current point to its far end (30, 20): the next line
  // starts there.
  auto x = c.Values(" 10");
  auto y = c.Values(" 20");
  auto it = std::find(x.begin(), x.end(), "   30.00000");
  ASSERT_NE(it, x.end());
  EXPECT_EQ(y[static_cast<std::size_t>(it - x.begin())], "   20.00000");
  // The rectangle: five vertices, closed.
  EXPECT_EQ(c.Count("POLYLINE"), 5u);
  // Arc radii and polyline widths (both " 40 "): PW 1 -> 0.10 mm, PW 0 -> 0,
  // PW alone -> 0.8.
  EXPECT_EQ(c.Values(" 40 "), (std::vector<std::string>{"    5.0000", "0", "    5.0000", "0",
                                                         "  0.10", "0", "0.8"}));
  EXPECT_EQ(c.result.notes.size(), 3u);
  EXPECT_TRUE(c.HasNote("Command PW (=Penwidth) only supported by HPGL2."));
}

TEST(HpglToDxf, InitialLineWidthFollowsLineStrength) {
  EXPECT_EQ(Conversion("SP 1;PD 1 1;", 40, 1).First(" 40 "), "0");
  EXPECT_EQ(Conversion("SP 1;PD 1 1;", 40, 2).First(" 40 "), "0.15");
  EXPECT_EQ(Conversion("SP 1;PD 1 1;", 1000, 3).First(" 40 "), "0.012");
}

TEST(HpglToDxf, NotesForUnknownAndUnreadableCommands) {
  Conversion c("IN;SP 1;XY 1 2;PD 40 x 80 80;PD 400 400;CI abc;");
  ASSERT_TRUE(c.result.ok());
  EXPECT_TRUE(c.HasNote("Command: XY; not supported!"));
  EXPECT_TRUE(c.HasNote("Error in HPGL-command:PD x 80 80;"));
  EXPECT_TRUE(c.HasNote("Error in HPGL-command:CI abc;"));
  EXPECT_EQ(c.Count("CIRCLE"), 0u);
  EXPECT_EQ(c.Last(" 10"), "   10.0000");
}

TEST(HpglToDxf, OverlongCommandIsCutWithOneBox) {
  const std::string text(300, 'x');
  Conversion c("IN;SP 1;LB" + text + "\x03LB" + text + "\x03");
  ASSERT_TRUE(c.result.ok());
  EXPECT_EQ(c.Values("  1"), (std::vector<std::string>{text.substr(0, 250), text.substr(0, 250)}));
  ASSERT_EQ(c.messages.shown.size(), 2u);  // one error box, then the information
  EXPECT_EQ(c.messages.shown[0].kind, shell::MessageKind::Error);
  EXPECT_NE(c.messages.shown[0].text.find(": Befehl ist zu lang und wird gekürzt!"),
            std::string::npos);
  EXPECT_EQ(c.result.notes.size(), 2u);
}

TEST(HpglToDxf, FailuresLeaveNoFile) {
  {
    Conversion c("12345;;\x01\x02");
    EXPECT_EQ(c.result.status, DxfConversionStatus::NotHpgl);
    EXPECT_TRUE(c.dxf.empty());
    ASSERT_EQ(c.messages.shown.size(), 1u);
    EXPECT_EQ(c.messages.shown[0].kind, shell::MessageKind::Warning);
    EXPECT_EQ(c.messages.shown[0].text,
              "   File " + (c.dir / "kelvra.$$$").string() +
                  " nicht konvertiert!\nHPGL-File ist eventuell defekt.");
    EXPECT_EQ(c.result.notes.back(), (c.dir / "kelvra.$$$").string() + " ist kein HPGL-File!");
  }
  {
    Conversion c("IN;PU 100 100;PA;VS 1;");
    EXPECT_EQ(c.result.status, DxfConversionStatus::NothingConverted);
    EXPECT_TRUE(c.dxf.empty());
    ASSERT_EQ(c.messages.shown.size(), 1u);
    EXPECT_EQ(c.messages.shown[0].kind, shell::MessageKind::Error);
    EXPECT_EQ(c.dir.Files(), std::vector<std::string>{"kelvra.$$$"});
  }
  {
    TempFolder dir;
    kelvra::testing::RecordingMessageSink messages;
    WriteBytes(dir / "in.plt", "IN;SP 1;PD 40 40;");
    WriteBytes(dir / "kel.dxf", "OLD");
    // A folder that does not exist: nothing is written, the error is shown.
    auto r = ConvertHpglToDxf(dir / "in.plt", dir / "missing" / "kel.dxf", 1, 40);
    EXPECT_EQ(r.status, DxfConversionStatus::OutputFailed);
    auto missing = ConvertHpglToDxf(dir / "nothing.plt", dir / "kel.dxf", 1, 40);
    EXPECT_EQ(missing.status, DxfConversionStatus::InputUnreadable);
    EXPECT_EQ(ReadBytes(dir / "kel.dxf"), "OLD");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Error);
    EXPECT_NE(messages.shown[0].text.find("Das war ein Datei-Öffnungsfehler!"), std::string::npos);
    auto files = dir.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"in.plt", "kel.dxf"}));
  }
}

TEST(HpglToDxf, EnglishMessages) {
  shell::SelectLanguage(false);
  Conversion c("0000");
  shell::SelectLanguage(true);
  ASSERT_EQ(c.messages.shown.size(), 1u);
  EXPECT_NE(c.messages.shown[0].text.find(" not converted!\nHPGL-file is probably corrupted."),
            std::string::npos);
}

// A DXF that ends properly and has balanced polylines.
void ExpectWellFormed(const Conversion& c, const std::string& what) {
  if (c.dxf.empty()) return;
  EXPECT_TRUE(c.cleanLineEnds) << what;
  ASSERT_GE(c.lines.size(), 3u) << what;
  EXPECT_EQ(c.lines.back(), "EOF") << what;
  EXPECT_EQ(c.Count("POLYLINE"), c.Count("SEQEND")) << what;
}

TEST(HpglToDxf, TruncatedFilesAndGarbage) {
  HpglWriter w;
  w.PutStandardHeader();
  w.Put(";SI  0.16, 0.24;DI 100.0,0.0;PU 100 100;");
  w.PutLabel("12");
  w.Put(";LT 2,2;PD 100 100 200 200 300 100;PU;AA 500 500 45;CI 80;SP 2;EA 900 900;");
  w.PutGrid(8200, 2500, 16150, 11030, 4000);
  const std::string full = w.Text();
  for (std::size_t n = 0; n <= full.size(); ++n) {
    Conversion c(full.substr(0, n));
    ExpectWellFormed(c, "prefix " + std::to_string(n));
  }
  std::mt19937 random(4711);
  for (int round = 0; round < 40; ++round) {
    std::string bytes(2000 + round * 100, '\0');
    for (auto& b : bytes) b = static_cast<char>(random() & 0xFF);
    if (round % 2) {
      // Garbage with many separators and command letters mixed in.
      const char alphabet[] = "PDUASICLBTW;, -.0123456789\x03\r\n";
      for (auto& b : bytes) b = alphabet[random() % (sizeof alphabet - 1)];
    }
    Conversion c(bytes, round % 3 == 0 ? 1000 : 40);
    ExpectWellFormed(c, "round " + std::to_string(round));
    EXPECT_LE(c.result.notes.size(), kMaxDxfNotes);
  }
}

}  // namespace
}  // namespace kelvra::output

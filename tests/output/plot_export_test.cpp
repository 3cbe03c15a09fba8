#include "output/plot_export.h"

#include <gtest/gtest.h>

#include "hpgl_test_support.h"
#include "shell/catalog.h"
#include "support/recording_message_sink.h"

namespace kelvra::output {
namespace {

using kelvra::testing::ReadBytes;
using kelvra::testing::TempFolder;
using kelvra::testing::WriteBytes;

void Dial(HpglWriter& w) {
  w.PutStandardHeader();
  w.PutConstructionPen();
  w.Put(";SP 2;PU " + w.Scaled(1000) + " " + w.Scaled(1000) + ";PD " + w.Scaled(2000) + " " +
        w.Scaled(1000) + ";");
}

TEST(PlotExport, PlotFileAndItsMessage) {
  TempFolder dir;
  kelvra::testing::RecordingMessageSink messages;
  ASSERT_TRUE(SavePlotFile(dir / "kel.plt", 2, Dial));
  EXPECT_EQ(ReadBytes(dir / "kel.plt"), StandardHeaderText(1) + ";PW 1;;SP 2;PU 1000 1000;PD 2000 1000;");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Information);
  EXPECT_EQ(messages.shown[0].text, "\n       File kel.plt gespeichert!     ");
  EXPECT_FALSE(SavePlotFile(dir / "missing" / "kel.plt", 1, Dial));
  EXPECT_EQ(messages.shown.back().kind, shell::MessageKind::Error);
}

TEST(PlotExport, DxfGoesThroughTheIntermediateFile) {
  TempFolder dir;
  kelvra::testing::RecordingMessageSink messages;
  WriteBytes(dir / "kelvra.$$$", "stale");
  auto result = ExportDxf(dir / "kel.dxf", DxfScaleForKind('v'), 1, [](HpglWriter& w) {
    EXPECT_EQ(w.PlotScale(), 25);
    Dial(w);
  });
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"kel.dxf"});
  const std::string dxf = ReadBytes(dir / "kel.dxf");
  // 25000 units at 1000 units per mm: the line starts at 25 mm.
  EXPECT_NE(dxf.find(" 10\r\n   25.0000\r\n 20\r\n   25.0000\r\n"), std::string::npos);
  EXPECT_NE(dxf.find(" 10\r\n   50.0000\r\n"), std::string::npos);

  auto plain = ExportDxf(dir / "b.dxf", DxfScaleForKind('b'), 1, Dial);
  ASSERT_TRUE(plain.ok());
  EXPECT_NE(ReadBytes(dir / "b.dxf").find(" 10\r\n   25.0000\r\n"), std::string::npos);
}

TEST(PlotExport, GridTexts) {
  shell::SelectLanguage(true);
  EXPECT_EQ(GridQuestionText(), "Soll zusätzlich das Koordinatennetz gezeichnet werden?");
  EXPECT_EQ(GridInputPrompt(), "Grösse von 1 Längeneinheit (Default=10 [mm]) :");
  shell::SelectLanguage(false);
  EXPECT_EQ(GridQuestionText(), "Additional Grid of Co-ordinates in Graphics-File");
  EXPECT_EQ(GridInputTitle(), "Display Grid of Coordinates");
  EXPECT_EQ(GridInputPrompt(), "Width of grid (default=10 [mm] :");
  shell::SelectLanguage(true);
}

}  // namespace
}  // namespace kelvra::output

// Every kind of save of the program, with a write failure injected: the file
// the user already has stays byte for byte, no temporary file is left, and the
// failure is reported, never taken for success.
#include <gtest/gtest.h>

#include <cstring>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "calc/horizon/horizon_file.h"
#include "output/hpgl_to_dxf.h"
#include "output/plot_export.h"
#include "persist/atomic_file.h"
#include "persist/dial_data_file.h"
#include "persist/settings_file.h"
#include "persist/text_file.h"
#include "persist_fixture.h"
#include "shell/safe_save.h"
#include "support/recording_message_sink.h"

namespace kelvra::persist {
namespace {

using shell::MessageKind;
using shell::SaveFault;
using shell::SaveStage;
using shell::ScopedSaveFault;
using testing::RecordingMessageSink;

void SmallPlot(output::HpglWriter& w) {
  w.PutStandardHeader();
  w.Put(";SP 2;PU " + w.Scaled(1000) + " 1000;PD " + w.Scaled(2000) + " 1000;");
}

class SaveFaultsTest : public testing::PersistTest {
 protected:
  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder_))
      names.insert(e.path().filename().string());
    return names;
  }
};

struct SaveKind {
  const char* name;
  const char* file;                      // the file the save replaces
  std::function<bool(const std::string& path)> save;
  bool reports = true;                   // shows an error box itself
  int savesBeforeFault = 0;              // saves of the same command that go first
  bool namesReason = false;              // its box names the system's reason
};

TEST_F(SaveFaultsTest, EveryKindOfSaveKeepsTheOldFileOnAWriteFailure) {
  const SaveKind kinds[] = {
      {"settings file", "kel.ini", [](const std::string& p) { return SaveSettingsFile(p); }, true,
       0, true},
      {"settings rewrite", "kel.ini", [](const std::string& p) { return RewriteSettings(p); }, true,
       0, true},
      {"dial data file", "myDial.kel", [](const std::string& p) { return SaveDialDataFile(p); },
       true, 0, true},
      {"colours", "kel.ini", [](const std::string& p) { return SaveColours(p); }, true, 0, true},
      {"own date lines", "kel_days.ini", [](const std::string& p) { return SaveOwnDateLines(p); },
       false},
      {"coordinate listing", "kel.txt",
       [](const std::string& p) { return WriteTextLines(p, {"  10.00   20.00"}); }, false},
      {"horizon profile", "profile.ele",
       [](const std::string& p) {
         calc::HorizonProfileFile profile;
         profile.latitude = 47.25;
         profile.description = "  Beobachter-Standort";
         return calc::WriteHorizonProfileFile(p, profile);
       },
       false},
      {"plot file", "kel.plt",
       [](const std::string& p) { return output::SavePlotFile(p, 1, SmallPlot); }},
      {"DXF export, its plot step", "kel.dxf",
       [](const std::string& p) {
         return output::ExportDxf(p, output::DxfScaleForKind('v'), 1, SmallPlot).ok();
       }},
      {"DXF export, the drawing itself", "kel.dxf",
       [](const std::string& p) {
         return output::ExportDxf(p, output::DxfScaleForKind('v'), 1, SmallPlot).ok();
       },
       true, 1},
  };
  const SaveStage stages[] = {SaveStage::Create, SaveStage::Write, SaveStage::Sync, SaveStage::Rename};
  for (const auto& kind : kinds) {
    for (const SaveStage stage : stages) {
      SCOPED_TRACE(std::string(kind.name) + ", stage " + std::to_string(static_cast<int>(stage)));
      // The settings file exists (the colour save needs it); then the user's
      // old file under the target name.
      ResetToDefaults();
      std::vector<std::string> lines;
      WriteSettings(lines, false);
      ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
      if (std::string(kind.file) != "kel.ini") {
        ASSERT_TRUE(WriteFileAtomically(Path(kind.file), "the user's old file"));
      }
      const std::string before = Bytes(kind.file);
      const auto filesBefore = Files();
      config::Dial().gnomonHeight = 77;  // something new to save
      shell::State().colors.colors[0] = 4242;

      RecordingMessageSink sink;
      bool saved = true;
      {
        ScopedSaveFault fault(SaveFault{stage, ENOSPC, 3, kind.savesBeforeFault});
        saved = kind.save(Path(kind.file));
        EXPECT_EQ(fault.Hits(), 1);
      }
      EXPECT_FALSE(saved);
      EXPECT_EQ(Bytes(kind.file), before);
      EXPECT_EQ(Files(), filesBefore);
      ASSERT_EQ(sink.shown.empty(), !kind.reports);
      if (kind.reports) {
        EXPECT_EQ(sink.shown.back().kind, MessageKind::Error);
        // The message names the user's file, not a temporary one.
        EXPECT_NE(sink.shown.back().text.find(kind.file), std::string::npos) << sink.shown.back().text;
        EXPECT_EQ(sink.shown.back().text.find("$$$"), std::string::npos) << sink.shown.back().text;
      }
      if (kind.namesReason) {
        // "(Schreibgeschützt?)" alone guessed; the system's reason tells.
        EXPECT_NE(sink.shown.back().text.find(std::strerror(ENOSPC)), std::string::npos)
            << sink.shown.back().text;
      }
      // The same save without a fault goes through.
      EXPECT_TRUE(kind.save(Path(kind.file)));
      EXPECT_NE(Bytes(kind.file), before) << "the save changed nothing: the test shows nothing";
      std::filesystem::remove_all(folder_);
      std::filesystem::create_directories(folder_);
    }
  }
}

// A real write failure, not an injected one: the process may write only a few
// bytes (as on a full disk). The plot file used to be truncated before it was
// written, and the user's old plot was lost.
TEST_F(SaveFaultsTest, PlotAndDrawingSurviveARealWriteFailure) {
  struct Case {
    const char* file;
    std::function<bool(const std::string& path)> save;
  };
  const Case cases[] = {
      {"kel.plt", [](const std::string& p) { return output::SavePlotFile(p, 1, SmallPlot); }},
      {"kel.dxf",
       [](const std::string& p) {
         return output::ExportDxf(p, output::DxfScaleForKind('v'), 1, SmallPlot).ok();
       }},
      {"myDial.kel", [](const std::string& p) { return SaveDialDataFile(p); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    const std::string old(200, 'o');
    ASSERT_TRUE(WriteFileAtomically(Path(c.file), old));
    RecordingMessageSink sink;
    {
      testing::FileSizeLimit limit(16);
      EXPECT_FALSE(c.save(Path(c.file)));
    }
    EXPECT_EQ(Bytes(c.file), old);
    EXPECT_EQ(Files(), std::set<std::string>{c.file});
    ASSERT_FALSE(sink.shown.empty());
    EXPECT_EQ(sink.shown.back().kind, MessageKind::Error);
  }
}

// The converter run by itself (kelvra hpgl2dxf): the DXF appears only complete.
TEST_F(SaveFaultsTest, ConverterKeepsTheOldDrawingOnAWriteFailure) {
  ASSERT_TRUE(WriteFileAtomically(Path("in.plt"), "IN;SP 1;PU 0 0;PD 400 400;"));
  ASSERT_TRUE(WriteFileAtomically(Path("out.dxf"), "old drawing"));
  RecordingMessageSink sink;
  {
    ScopedSaveFault fault(SaveFault{SaveStage::Write, ENOSPC, 100, 0});
    const auto result = output::ConvertHpglToDxf(Path("in.plt"), Path("out.dxf"), 1, 40);
    EXPECT_EQ(result.status, output::DxfConversionStatus::OutputFailed);
  }
  EXPECT_EQ(Bytes("out.dxf"), "old drawing");
  EXPECT_EQ(Files(), (std::set<std::string>{"in.plt", "out.dxf"}));
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_NE(sink.shown.back().text.find(std::generic_category().message(ENOSPC)), std::string::npos);
}

}  // namespace
}  // namespace kelvra::persist

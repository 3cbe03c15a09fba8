#include "persist/dial_data_file.h"

#include <gtest/gtest.h>

#include "persist/text_file.h"
#include "persist_fixture.h"
#include "support/recording_message_sink.h"

namespace kelvra::persist {
namespace {

using shell::MessageKind;
using testing::RecordingMessageSink;

class DialDataFileTest : public testing::PersistTest {};

TEST_F(DialDataFileTest, SaveAndLoadRestoresTheDesignWithColoursAndDates) {
  RecordingMessageSink sink;
  auto& s = shell::State();
  config::Dial().kind = 'z';
  config::Dial().cylinderVariant = 2;
  s.colors.colors[4] = 4242;
  s.general.ownDateLines = {"15/08    ( Mariä Himmelfahrt )"};
  ASSERT_TRUE(SaveDialDataFile(Path("myDial.kel")));
  EXPECT_EQ(sink.shown.back().kind, MessageKind::Information);
  EXPECT_EQ(sink.shown.back().text, Path("myDial.kel") + "   gespeichert!");

  ResetToDefaults();
  EXPECT_TRUE(LoadDialDataFile(Path("myDial.kel")).ok());
  EXPECT_EQ(config::KindCode(config::Dial()), "z2");
  EXPECT_EQ(s.colors.colors[4], 4242u);
  EXPECT_EQ(s.general.ownDateLines, std::vector<std::string>{"15/08    ( Mariä Himmelfahrt )"});
}

TEST_F(DialDataFileTest, SettingsFileCommandsKeepTheStoredColours) {
  RecordingMessageSink sink;
  auto& colours = shell::State().colors;
  colours.colors[2] = 333;
  ASSERT_TRUE(SaveDialDataFile(Path("kel.ini")));  // the settings file with colour 3 = 333
  colours.colors[2] = 444;
  config::Dial().gnomonHeight = 41;
  ASSERT_TRUE(SaveSettingsFile(Path("kel.ini")));
  EXPECT_EQ(sink.shown.back().text, Path("kel.ini") + "   gespeichert!");
  ResetToDefaults();
  EXPECT_EQ(LoadSettingsFile(Path("kel.ini")).outcome, ReadResult::Outcome::Read);
  EXPECT_EQ(sink.shown.back().text, Path("kel.ini") + " geladen!");
  EXPECT_EQ(colours.colors[2], 333u);  // saving the settings kept the stored colours
  EXPECT_EQ(config::Dial().gnomonHeight, 41);
}

TEST_F(DialDataFileTest, OwnDateListFile) {
  auto& list = shell::State().general.ownDateLines;
  EXPECT_FALSE(LoadOwnDateLines(Path("kel_days.ini")));  // no file: nothing changes
  EXPECT_EQ(list, shell::DefaultOwnDateLines());
  list = {"01/01    ( Neujahr )", "03/10    ( Tag der Einheit, Grüße )"};
  ASSERT_TRUE(SaveOwnDateLines(Path("kel_days.ini")));
  EXPECT_EQ(Bytes("kel_days.ini"), "01/01    ( Neujahr )\r\n03/10    ( Tag der Einheit, Gr\xFC\xDF" "e )\r\n");
  list.clear();
  EXPECT_TRUE(LoadOwnDateLines(Path("kel_days.ini")));
  EXPECT_EQ(list, (std::vector<std::string>{"01/01    ( Neujahr )", "03/10    ( Tag der Einheit, Grüße )"}));
}

TEST_F(DialDataFileTest, SavingColoursReplacesExactlyTwelveLines) {
  RecordingMessageSink sink;
  std::vector<std::string> lines;
  WriteSettings(lines, false);
  // A colour section with only three lines before "[Zeiten]".
  lines.erase(lines.begin() + 23, lines.begin() + 32);
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  auto& colours = shell::State().colors;
  for (int i = 0; i < 12; ++i) colours.colors[static_cast<std::size_t>(i)] = 1000u + static_cast<unsigned>(i);
  ASSERT_TRUE(SaveColours(Path("kel.ini")));
  EXPECT_EQ(sink.shown.back().text, "Farben in kel.ini gespeichert!");
  auto back = ReadTextLines(Path("kel.ini"));
  ASSERT_TRUE(back);
  ASSERT_EQ((*back)[19], "[Farben]");
  for (int i = 0; i < 12; ++i) EXPECT_EQ((*back)[20 + i], std::to_string(1000 + i));
  EXPECT_EQ((*back)[32], "[Zeiten]");
  EXPECT_EQ(back->size(), 52u);

  ResetColours();
  EXPECT_EQ(colours.colors, shell::kDefaultColors);
  LoadColours(Path("kel.ini"));
  EXPECT_EQ(colours.colors[11], 1011u);
}

TEST_F(DialDataFileTest, ColourCommandsWithoutSettingsFile) {
  RecordingMessageSink sink;
  auto& colours = shell::State().colors;
  colours.colors[0] = 5;
  EXPECT_FALSE(SaveColours(Path("kel.ini")));
  EXPECT_EQ(sink.shown.back().kind, MessageKind::Problem);
  EXPECT_FALSE(std::filesystem::exists(Path("kel.ini")));
  LoadColours(Path("kel.ini"));
  EXPECT_EQ(sink.shown.back().kind, MessageKind::Warning);
  EXPECT_EQ(sink.shown.back().text, Path("kel.ini") + " wurde deaktiviert!");
  EXPECT_EQ(colours.colors, shell::kDefaultColors);
}

}  // namespace
}  // namespace kelvra::persist

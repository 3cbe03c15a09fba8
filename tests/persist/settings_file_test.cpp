#include "persist/settings_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <clocale>
#include <locale>
#include <cmath>
#include <map>
#include <set>

#include "config/dial_fields.h"
#include "persist/atomic_file.h"
#include "persist/text_file.h"
#include "persist_fixture.h"
#include "shell/messages.h"
#include "support/recording_message_sink.h"

namespace kelvra::persist {
namespace {

using config::FieldType;
using shell::MessageAnswer;
using shell::MessageKind;
using testing::RecordingMessageSink;

class SettingsFileTest : public testing::PersistTest {
 protected:
  // Writes the current state to `name` and returns its lines.
  std::vector<std::string> WriteCurrent(const std::string& name) {
    std::vector<std::string> lines;
    WriteSettings(lines, false);
    EXPECT_TRUE(WriteTextLines(Path(name), lines));
    return lines;
  }
};

// The kind and its variants travel in the kind code, which has its own test.
const std::set<std::string_view> kKindFields = {"kind", "umbrella", "umbrellaPlane", "altitudeVariant",
                                                "cylinderVariant"};

// A value other than the default that the file's number format holds exactly.
double OtherValue(const config::FieldInfo& f, double v) {
  switch (f.type) {
    case FieldType::Flag: return v != 0 ? 0 : 1;
    case FieldType::Letter: return v == 'E' ? 'D' : 'E';  // only the language is a free letter here
    case FieldType::Integer: return v + 1 <= f.max ? v + 1 : v - 1;
    case FieldType::Real: return v + 1.5 <= f.max ? v + 1.5 : v - 1.5;
  }
  return v;
}

TEST_F(SettingsFileTest, EveryStoredFieldSurvivesWriteAndRead) {
  RecordingMessageSink sink;
  const auto refs = config::CurrentFieldRefs();
  std::map<std::string_view, double> expected;
  for (const auto& f : config::Fields()) {
    if (!f.stored || kKindFields.count(f.name)) continue;
    f.set(refs, OtherValue(f, f.get(refs)));
  }
  // The time code holds one of zoneTime and altitudeTemporal; ringLocalTime
  // is derived from it.
  refs.dial->altitudeTemporal = true;
  refs.dial->zoneTime = false;
  refs.dial->ringLocalTime = false;
  for (const auto& f : config::Fields()) {
    if (f.stored && !kKindFields.count(f.name)) expected[f.name] = f.get(refs);
  }
  shell::State().general.ownDateLines = {"01/05    ( Maifeiertag )", "24/12    ( Heiligabend, Grüße )"};
  WriteCurrent("all.kel");

  ResetToDefaults();
  shell::State().general.ownDateLines.clear();
  const auto result = ReadSettings(Path("all.kel"), true, true);
  EXPECT_TRUE(result.ok());
  EXPECT_TRUE(sink.shown.empty());
  for (const auto& [name, value] : expected) {
    EXPECT_NEAR(config::FindField(name)->get(refs), value, 1e-9) << name;
  }
  EXPECT_EQ(shell::State().general.ownDateLines,
            (std::vector<std::string>{"01/05    ( Maifeiertag )", "24/12    ( Heiligabend, Grüße )"}));
  EXPECT_EQ(shell::State().general.language, 2);  // the flipped language was read back
}

TEST_F(SettingsFileTest, KindCodesAndZoneTimeSurvive) {
  RecordingMessageSink sink;
  auto& d = config::Dial();
  for (const char* code : {"sh", "si", "sv", "q1", "q2", "z2", "m1", "c0", "w", "p", "f", "a"}) {
    config::ResetDialParameters();
    config::ParseKindCode(code, d);
    d.zoneTime = true;
    d.altitudeTemporal = false;
    d.extraOption = 7;
    const auto lines = WriteCurrent("kind.kel");
    EXPECT_EQ(lines[10], code);
    config::ResetDialParameters();
    EXPECT_TRUE(ReadSettings(Path("kind.kel"), true, true).ok());
    EXPECT_EQ(config::KindCode(d), code);
    EXPECT_TRUE(d.zoneTime);
    EXPECT_TRUE(d.ringLocalTime);
    EXPECT_EQ(d.extraOption, std::string(code) == "f" ? 0 : 7);  // kind f resets it
  }
}

TEST_F(SettingsFileTest, LayoutOfTheDefaultFile) {
  auto& d = config::Dial();
  d.eotHourInterval = 6;  // 10 minutes
  d.hourInterval = 4;     // 10 minutes
  const auto lines = WriteCurrent("kel.ini");
  ASSERT_EQ(lines.size(), 52u);
  EXPECT_EQ(lines[0], "2020");
  EXPECT_EQ(lines[1], " 47.251315;       47.25");
  EXPECT_EQ(lines[4], " 35.00; 51.00;  250.00;    270");
  EXPECT_EQ(lines[8], "13;  90.0;   5.00;   0");
  EXPECT_EQ(lines[9].substr(0, 2), "06");
  EXPECT_EQ(lines[9][18], '4');
  EXPECT_EQ(lines[9].size(), 39u);  // 38 positions and the extra option number
  EXPECT_EQ(lines[10], "v");
  EXPECT_EQ(lines[13], "Djjjj");
  EXPECT_EQ(lines[19], "[Farben]");
  EXPECT_EQ(lines[32], "[Zeiten]");
  EXPECT_EQ(lines[47], "010100");
  EXPECT_EQ(lines[48], "[Datumslinien]");
  // Windows-1252 and CR LF on disk: "21/03    ( 21. März )" holds the byte E4.
  const std::string bytes = Bytes("kel.ini");
  EXPECT_NE(bytes.find("( 21. M\xE4rz )\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("\xC3\xA4"), std::string::npos);
  EXPECT_EQ(bytes.substr(0, 6), "2020\r\n");
}

TEST_F(SettingsFileTest, ReadsLfOnlyFiles) {
  RecordingMessageSink sink;
  config::Dial().gnomonHeight = 64;
  std::vector<std::string> lines;
  WriteSettings(lines, false);
  std::string text;
  for (const auto& l : lines) text += Utf8ToWindows1252(l) + "\n";
  ASSERT_TRUE(WriteFileAtomically(Path("lf.kel"), text));
  config::ResetDialParameters();
  EXPECT_TRUE(ReadSettings(Path("lf.kel"), true, true).ok());
  EXPECT_EQ(config::Dial().gnomonHeight, 64);
  EXPECT_EQ(shell::State().general.ownDateLines[0], "21/03    ( 21. März )");
}

TEST_F(SettingsFileTest, SectionsOutOfOrderAreRejectedAsAWhole) {
  config::Dial().gnomonHeight = 77;
  auto lines = WriteCurrent("kel.ini");
  std::swap(lines[19], lines[32]);
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  const std::string before = Bytes("kel.ini");

  {
    RecordingMessageSink sink;
    sink.Script({MessageAnswer::No});
    const auto result = ReadSettings(Path("kel.ini"), true, true);
    EXPECT_EQ(result.outcome, ReadResult::Outcome::Damaged);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].kind, MessageKind::Question);
    EXPECT_EQ(sink.shown[0].text,
              "Die Datei ist fehlerhaft und muss korrigiert \nwerden. Korrektur jetzt durchführen ?");
    EXPECT_EQ(config::Dial().gnomonHeight, 35);  // the defaults
    EXPECT_EQ(Bytes("kel.ini"), before);         // No: nothing written
  }
  {
    RecordingMessageSink sink;  // answers Yes
    const auto result = ReadSettings(Path("kel.ini"), true, true);
    EXPECT_TRUE(result.rewritten);
    EXPECT_EQ(Bytes("kel_ini.bak"), before);  // the user's file is kept as a backup
    RecordingMessageSink quiet;
    EXPECT_TRUE(ReadSettings(Path("kel.ini"), true, true).ok());
  }
}

TEST_F(SettingsFileTest, LatitudeOutOfRangeStopsAtTheSecondLine) {
  auto lines = WriteCurrent("kel.ini");
  lines[1] = " 95.000000;       47.25";
  lines[4] = " 66.00; 51.00;  250.00;    270";
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  const std::string before = Bytes("kel.ini");
  shell::State().site.latitude = 10;
  config::Dial().gnomonHeight = 99;

  RecordingMessageSink sink;
  sink.Script({MessageAnswer::Ok, MessageAnswer::No});
  const auto result = ReadSettings(Path("kel.ini"), true, true);
  EXPECT_EQ(result.outcome, ReadResult::Outcome::Damaged);
  EXPECT_EQ(result.stopLine, 1);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
  // Messages count lines from 1, as an editor shows them: the latitude is on
  // the file's second line (stopLine counts from 0).
  EXPECT_EQ(sink.shown[0].text, "In Line 2:95.000000 : INI-Datei ist fehlerhaft!");
  EXPECT_EQ(sink.shown[1].kind, MessageKind::Question);
  EXPECT_EQ(sink.shown[1].caption, "KELVRA.EXE - Was nun?");
  EXPECT_EQ(sink.shown[1].text, Path("kel.ini") +
                                    " : line 2\nDie Datei ist fehlerhaft und muss korrigiert \n"
                                    "werden. Korrektur jetzt durchführen ?");
  EXPECT_EQ(shell::State().site.latitude, 47.25);
  EXPECT_EQ(config::Dial().gnomonHeight, 99);  // reading stopped before line 4
  EXPECT_EQ(Bytes("kel.ini"), before);
  EXPECT_FALSE(std::filesystem::exists(Path("kel_ini.bak")));
}

TEST_F(SettingsFileTest, YesToTheDamagedFileKeepsABackupAndRewrites) {
  auto lines = WriteCurrent("kel.ini");
  lines[3] = "     -200.00";
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  const std::string before = Bytes("kel.ini");
  RecordingMessageSink sink;  // Ok, then Yes
  const auto result = ReadSettings(Path("kel.ini"), true, true);
  EXPECT_TRUE(result.rewritten);
  EXPECT_EQ(Bytes("kel_ini.bak"), before);
  std::vector<std::string> texts;
  for (const auto& m : sink.shown) texts.push_back(m.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      "Das alte KEL.INI ist unter dem Namen KEL_INI.BAK gespeichert."),
            texts.end());
  EXPECT_EQ(texts.back(), Path("kel.ini") + "   gespeichert!");
  EXPECT_EQ(shell::State().site.zoneMeridian, -15);
}

TEST_F(SettingsFileTest, AValueThatIsNoNumberIsNamed) {
  // "abc" for the latitude was reported with an empty text.
  struct Case {
    int line;
    const char* content;
    const char* message;
  };
  const Case cases[] = {
      {1, "abc", "In Line 2:abc : INI-Datei ist fehlerhaft!"},
      {1, "  nord;", "In Line 2:nord : INI-Datei ist fehlerhaft!"},
      {2, "  west", "In Line 3:west : INI-Datei ist fehlerhaft!"},
  };
  for (const Case& c : cases) {
    auto lines = WriteCurrent("kel.ini");
    lines[static_cast<std::size_t>(c.line)] = c.content;
    ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
    RecordingMessageSink sink;
    sink.Script({MessageAnswer::Ok, MessageAnswer::No});
    const auto result = ReadSettings(Path("kel.ini"), true, true);
    EXPECT_EQ(result.outcome, ReadResult::Outcome::Damaged) << c.content;
    ASSERT_FALSE(sink.shown.empty()) << c.content;
    EXPECT_EQ(sink.shown[0].text, c.message);
  }
}

TEST_F(SettingsFileTest, ADamagedFileIsNotReplacedWithoutItsBackup) {
  // Yes to the repair once rewrote the file although its backup had failed,
  // losing the user's only copy.
  for (const bool layoutBroken : {false, true}) {
    auto lines = WriteCurrent("kel.ini");
    if (layoutBroken) {
      std::swap(lines[19], lines[32]);
    } else {
      lines[3] = "     -200.00";
    }
    ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
    const std::string before = Bytes("kel.ini");
    // The backup cannot be written: a folder stands where it goes.
    std::filesystem::create_directories(Path("kel_ini.bak"));
    RecordingMessageSink sink;  // answers Yes to the repair
    const auto result = ReadSettings(Path("kel.ini"), true, true);
    EXPECT_EQ(result.outcome, ReadResult::Outcome::Damaged) << layoutBroken;
    EXPECT_FALSE(result.rewritten) << layoutBroken;
    EXPECT_EQ(Bytes("kel.ini"), before) << layoutBroken;
    ASSERT_FALSE(sink.shown.empty());
    EXPECT_EQ(sink.shown.back().kind, MessageKind::Error);
    EXPECT_EQ(sink.shown.back().text,
              "Von KEL.INI konnte keine Sicherungsdatei angelegt werden!\n"
              "KEL.INI bleibt unverändert.");
    std::filesystem::remove_all(Path("kel_ini.bak"));
  }
}

TEST_F(SettingsFileTest, ImpossibleDateLineIsReportedAndSkipped) {
  auto lines = WriteCurrent("kel.ini");
  lines.resize(49);
  lines.push_back("21/03    ( 21. März )");
  lines.push_back("31/02    ( falsch )");
  lines.push_back("21/06    ( 21. Juni )");
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  RecordingMessageSink sink;
  const auto result = ReadSettings(Path("kel.ini"), true, true);
  EXPECT_EQ(result.outcome, ReadResult::Outcome::Read);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(sink.shown[0].text, "Fehlerhaftes Datum 31/02    ( falsch ) in " + Path("kel.ini"));
  EXPECT_EQ(shell::State().general.ownDateLines,
            (std::vector<std::string>{"21/03    ( 21. März )", "21/06    ( 21. Juni )"}));
}

TEST_F(SettingsFileTest, MissingSettingsFileIsOfferedForCreation) {
  {
    RecordingMessageSink sink;
    sink.Script({MessageAnswer::No});
    const auto result = ReadSettings(Path("kel.ini"), true, true);
    EXPECT_EQ(result.outcome, ReadResult::Outcome::Missing);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text.substr(0, Path("kel.ini").size() + 4), Path("kel.ini") + " : \n");
    EXPECT_NE(sink.shown[0].text.find("Die Datei fehlt. Soll sie erstellt werden?"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path("kel.ini")));
  }
  {
    RecordingMessageSink sink;  // Yes
    EXPECT_TRUE(ReadSettings(Path("kel.ini"), true, true).rewritten);
    EXPECT_TRUE(std::filesystem::exists(Path("kel.ini")));
  }
  {
    RecordingMessageSink sink;  // Yes on a first start creates the settings folder too
    EXPECT_TRUE(ReadSettings(Path("new/folder/kel.ini"), true, true).rewritten);
    EXPECT_TRUE(std::filesystem::exists(Path("new/folder/kel.ini")));
  }
  {
    RecordingMessageSink sink;  // another missing file is not created
    EXPECT_EQ(ReadSettings(Path("other.kel"), true, true).outcome, ReadResult::Outcome::Missing);
    EXPECT_FALSE(std::filesystem::exists(Path("other.kel")));
  }
}

// Values the record allows but an older reader refused (and so reset a dial
// Kelvra had written itself).
TEST_F(SettingsFileTest, WidenedRangesAreAccepted) {
  struct Case {
    const char* field;
    double value;
  };
  const Case cases[] = {
      {"sawyerLineAngle", 0.5},   {"sawyerLineAngle", 15},       {"coneHalfAngle", 0},
      {"coneHalfAngle", 85},      {"axisInclination", 0},         {"axisInclination", -175},
      {"peaucellierEquinoxDistance", 0}, {"peaucellierEquinoxDistance", 300},
      {"peaucellierConstant", 2.1}, {"peaucellierConstant", -2.1},
  };
  const auto refs = config::CurrentFieldRefs();
  for (const auto& c : cases) {
    config::ResetDialParameters();
    const auto* f = config::FindField(c.field);
    f->set(refs, c.value);
    WriteCurrent("wide.kel");
    config::ResetDialParameters();
    RecordingMessageSink sink;
    EXPECT_TRUE(ReadSettings(Path("wide.kel"), true, true).ok()) << c.field << " " << c.value;
    EXPECT_TRUE(sink.shown.empty()) << c.field;
    EXPECT_NEAR(f->get(refs), c.value, 1e-9) << c.field;
  }
}

TEST_F(SettingsFileTest, MalformedFilesNeverCrashAndNeverGetWritten) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
  std::string markersOnly;
  for (int i = 0; i < 60; ++i) {
    markersOnly += i == 19 ? "[Farben]\r\n" : i == 32 ? "[Zeiten]\r\n" : i == 48 ? "[Datumslinien]\r\n" : "\r\n";
  }
  std::string junkValues;
  for (int i = 0; i < 60; ++i) {
    junkValues += i == 19 ? "[Farben]\n" : i == 32 ? "[Zeiten]\n" : i == 48 ? "[Datumslinien]\n" : "--..-;x;.;9e999\n";
  }
  for (const std::string& content : {std::string(), binary, markersOnly, junkValues}) {
    ASSERT_TRUE(WriteFileAtomically(Path("bad.kel"), content));
    RecordingMessageSink sink;
    // No to every box (the error boxes ignore their answer).
    for (int i = 0; i < 40; ++i) sink.Script({MessageAnswer::No});
    const auto result = ReadSettings(Path("bad.kel"), true, true);
    EXPECT_EQ(result.outcome, ReadResult::Outcome::Damaged);
    EXPECT_EQ(Bytes("bad.kel"), content);
  }
}

TEST_F(SettingsFileTest, ZeroLatitudesBecomeOneMillionth) {
  shell::State().site.latitude = 0;
  config::Dial().secondLatitude = 0;
  WriteCurrent("zero.kel");
  RecordingMessageSink sink;
  EXPECT_TRUE(ReadSettings(Path("zero.kel"), true, true).ok());
  EXPECT_EQ(shell::State().site.latitude, 1e-6);
  EXPECT_EQ(config::Dial().secondLatitude, 1e-6);
}

TEST_F(SettingsFileTest, NonStoppingProblemsKeepReading) {
  auto lines = WriteCurrent("kel.ini");
  lines[15] = "   0.350000; 400.00;  80.00; 30.0";   // ring diameter above 300
  lines[18] = "  0.0; 50.0; 25.0;  0.0;-50.0; 25.0; 50.0;  0.0; 15.0;-50.0;  0.0;600.0;";
  lines[33] = "10";
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  RecordingMessageSink sink;
  const auto result = ReadSettings(Path("kel.ini"), true, true);
  EXPECT_EQ(result.outcome, ReadResult::Outcome::Read);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].text, "Line 16/2 : INI-Datei ist fehlerhaft!");
  EXPECT_EQ(sink.shown[1].text, "In Lines 19f. :600.0 : INI-Datei ist fehlerhaft!");
  EXPECT_EQ(config::Dial().ringDiameter, 110);
  EXPECT_EQ(config::Dial().eotHoursFrom, 10);  // read on after both
}

TEST_F(SettingsFileTest, OptionStringDigitOutOfRangeStops) {
  auto lines = WriteCurrent("kel.ini");
  lines[9][0] = '7';  // dateLineMode
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  RecordingMessageSink sink;
  sink.Script({MessageAnswer::Ok, MessageAnswer::No});
  const auto result = ReadSettings(Path("kel.ini"), true, true);
  EXPECT_EQ(result.stopLine, 9);
  EXPECT_EQ(sink.shown[0].text, "Line 10:" + lines[9] + " : INI-Datei ist fehlerhaft!");
  EXPECT_EQ(config::Dial().dateLineMode, 0);
}

TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFileIntact) {
  WriteCurrent("kel.ini");
  const std::string before = Bytes("kel.ini");
  config::Dial().gnomonHeight = 123;
  RecordingMessageSink sink;
  {
    testing::FileSizeLimit limit(64);
    EXPECT_FALSE(RewriteSettings(Path("kel.ini")));
  }
  EXPECT_EQ(Bytes("kel.ini"), before);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
  // The system's reason follows the old guess.
  EXPECT_EQ(sink.shown[0].text,
            Path("kel.ini") + " :\nINI-Datei konnte nicht gespeichert werden! (Schreibgeschützt?)\n" +
                std::strerror(EFBIG));
  // No temporary file is left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder_)) ++files;
  EXPECT_EQ(files, 1);
  // A folder that does not exist fails the same way.
  EXPECT_FALSE(WriteFileAtomically(Path("no/such/folder/kel.ini"), "x"));
}

// Numbers too large for the field that holds them (found by fuzzing the
// reader): each is an unreadable number, so the line's fallback and a problem
// entry, never a wrapped value (a year of 99999999999 used to show as
// -217000000 with "no problems").
TEST_F(SettingsFileTest, NumbersThatDoNotFitTheirFieldTakeTheFallback) {
  struct Case {
    int line;
    std::string content;
    std::string_view field;
    double fallback;  // the reader's fallback for the line
    bool stops;
  };
  const Case cases[] = {
      {0, "99999999999", "year", 2020, false},
      {0, "-2147483649", "year", 2020, false},
      {4, " 35.00; 51.00;  250.00; 99999999999", "monthScaleLength", 270, true},
      {4, " 35.00; 51.00;  250.00; -99999999999.5", "monthScaleLength", 270, true},
      {5, "99999999999,170,150,150,150,150, 200.0", "cylinderGnomon", 70, false},
      {8, "99999999999;  90.0;   5.00;   0", "analemmaHour", 12, false},
      {16, "  200.0;5000000000000;  -0.9876", "peaucellierEquinoxDistance", 32, true},
  };
  const auto refs = config::CurrentFieldRefs();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    ResetToDefaults();
    shell::State().site.year = 1999;  // other values than the fallbacks
    config::FindField(c.field)->set(refs, 3);
    auto lines = WriteCurrent("big.kel");
    lines[static_cast<std::size_t>(c.line)] = c.content;
    ASSERT_TRUE(WriteTextLines(Path("big.kel"), lines));
    RecordingMessageSink sink;
    for (int i = 0; i < 4; ++i) sink.Script({MessageAnswer::No});
    const auto result = ReadSettings(Path("big.kel"), true, true);
    ASSERT_FALSE(result.problems.empty());
    EXPECT_EQ(result.problems[0].line, c.line);
    EXPECT_EQ(result.problems[0].fallback, std::to_string(static_cast<int>(c.fallback)));
    EXPECT_EQ(result.problems[0].stop, c.stops);
    EXPECT_EQ(result.outcome, c.stops ? ReadResult::Outcome::Damaged : ReadResult::Outcome::Read);
    EXPECT_EQ(config::FindField(c.field)->get(refs), c.fallback);
  }
}

// A folder, a device or a pipe is not a settings file: it gets the ordinary
// "cannot read" message, never the damaged-file question or the offer to
// create it, and nothing is written.
TEST_F(SettingsFileTest, NoRegularFileIsReportedAsUnreadable) {
  std::filesystem::create_directories(Path("kel.ini"));
  ASSERT_EQ(::mkfifo(Path("pipe.kel").c_str(), 0600), 0);
  for (const std::string& file : {Path("kel.ini"), std::string("/dev/null"), std::string("/dev/zero"),
                                 Path("pipe.kel")}) {
    SCOPED_TRACE(file);
    RecordingMessageSink sink;
    const auto result = ReadSettings(file, true, true);
    EXPECT_EQ(result.outcome, ReadResult::Outcome::Missing);
    EXPECT_FALSE(result.rewritten);
    EXPECT_EQ(result.reason, "ist keine gewöhnliche Datei (ein Ordner oder ein Gerät)");
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(sink.shown[0].text.rfind(file + " :\n" + result.reason, 0), 0u) << sink.shown[0].text;
  }
  EXPECT_TRUE(std::filesystem::is_empty(Path("kel.ini")));
}

// No settings file is anywhere near 4 MB: a larger one is refused before it
// is read (a 50 MB file used to take 317 MB and /dev/zero grew without end).
TEST_F(SettingsFileTest, FilesFarLargerThanAnySettingsFileAreRefused) {
  auto lines = WriteCurrent("kel.ini");
  std::string bytes = Bytes("kel.ini");
  bytes.resize(kMaxTextFileBytes + 1, '\n');
  ASSERT_TRUE(WriteFileAtomically(Path("kel.ini"), bytes));
  RecordingMessageSink sink;
  const auto result = ReadSettings(Path("kel.ini"), true, true);
  EXPECT_EQ(result.outcome, ReadResult::Outcome::Missing);
  EXPECT_EQ(result.reason, "ist zu groß für eine Einstellungsdatei (mehr als 4 MB)");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(std::filesystem::file_size(Path("kel.ini")), bytes.size());  // not rewritten
}

TEST_F(SettingsFileTest, ReadingStopsAtTheBoundExactly) {
  struct Case {
    std::size_t size;
    bool read;
  };
  const Case cases[] = {{0, true}, {99, true}, {100, true}, {101, false}, {5000, false}};
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteFileAtomically(Path("f.txt"), std::string(c.size, 'x')));
    const FileBytes f = ReadRegularFile(Path("f.txt"), 100);
    EXPECT_EQ(f.bytes.has_value(), c.read) << c.size;
    EXPECT_EQ(f.failure, c.read ? ReadFailure::None : ReadFailure::TooLarge) << c.size;
    if (c.read) EXPECT_EQ(f.bytes->size(), c.size);
  }
  // A device without end is never read to its end.
  EXPECT_EQ(ReadRegularFile("/dev/zero", 100).failure, ReadFailure::NotRegular);
  EXPECT_EQ(ReadRegularFile(Path("none.txt"), 100).failure, ReadFailure::Missing);
}

// What the reader keeps from a file it stopped in must be a state its own
// writer and reader agree on: saved and read again, nothing is damaged and
// nothing changes (both cases found by fuzzing the round trip).
TEST_F(SettingsFileTest, StateKeptFromAStoppedReadSurvivesASave) {
  struct Case {
    const char* name;
    int line;
    std::string content;
  };
  const Case cases[] = {
      // The second latitude is missing: the first, 0, was left on the equator.
      {"latitude 0, second latitude missing", 1, "  0.000000;"},
      // A negative axis inclination is allowed; half of it as the cone's
      // fallback was not.
      {"cone angle refused after a negative axis", 7, "  25.458900; -0.874900; 95.000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetToDefaults();
    auto lines = WriteCurrent("stop.kel");
    lines[static_cast<std::size_t>(c.line)] = c.content;
    ASSERT_TRUE(WriteTextLines(Path("stop.kel"), lines));
    RecordingMessageSink sink;
    for (int i = 0; i < 4; ++i) sink.Script({MessageAnswer::No});
    EXPECT_EQ(ReadSettings(Path("stop.kel"), true, true).stopLine, c.line);
    const auto kept = WriteCurrent("kept.kel");
    ResetToDefaults();
    const auto again = ReadSettings(Path("kept.kel"), true, true);
    EXPECT_TRUE(again.ok()) << (again.problems.empty() ? "" : again.problems[0].text);
    EXPECT_EQ(WriteCurrent("again.kel"), kept);
  }
}

TEST_F(SettingsFileTest, KeepStoredColoursWritesTheFilesColours) {
  shell::State().colors.colors[0] = 111;
  WriteCurrent("kel.ini");  // the settings file with colour 1 = 111
  shell::State().colors.colors[0] = 222;
  std::vector<std::string> lines;
  RecordingMessageSink sink;
  WriteSettings(lines, true);
  EXPECT_EQ(lines[20], "111");
  EXPECT_EQ(shell::State().colors.savedColors[0], 111u);
  EXPECT_EQ(shell::State().colors.colors[0], 222u);
  WriteSettings(lines, false);
  EXPECT_EQ(lines[20], "222");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(SettingsFileTest, DecimalCommaLocaleChangesNothing) {
  config::Dial().gnomonHeight = 37.25;
  const auto plain = WriteCurrent("c.kel");
  const std::locale previous;
  const std::string previousC = std::setlocale(LC_ALL, nullptr);
  try {
    std::locale::global(std::locale("de_DE.UTF-8"));
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "locale de_DE.UTF-8 missing: run scripts/setup";
  }
  std::vector<std::string> lines;
  WriteSettings(lines, false);
  config::ResetDialParameters();
  RecordingMessageSink sink;
  const bool ok = ReadSettings(Path("c.kel"), true, true).ok();
  std::locale::global(previous);
  std::setlocale(LC_ALL, previousC.c_str());
  EXPECT_EQ(lines, plain);
  EXPECT_EQ(lines[4].substr(0, 6), " 37.25");
  EXPECT_TRUE(ok);
  EXPECT_EQ(config::Dial().gnomonHeight, 37.25);
}

}  // namespace
}  // namespace kelvra::persist

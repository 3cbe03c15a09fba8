#include "shell/day_month.h"

#include <gtest/gtest.h>

#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "support/recording_message_sink.h"

namespace kelvra::shell {
namespace {

class DayMonthTextTest : public ::testing::Test {
 protected:
  void TearDown() override {
    shell::SelectLanguage(true);
    shell::State().site.year = 2020;
  }
};

TEST_F(DayMonthTextTest, DayNumberToText) {
  EXPECT_EQ(DayNumberToTextForYear(172, 2021, 1), "21. Jun");
  EXPECT_EQ(DayNumberToTextForYear(1, 2021, 2), "1. Jan");
  EXPECT_EQ(DayNumberToTextForYear(366, 2020, 1), "31. Dez");
  EXPECT_EQ(DayNumberToTextForYear(60, 2020, 2), "29. Feb");
  EXPECT_EQ(DayNumberToTextForYear(60, 2021, 2), "1. Mar");
  shell::State().site.year = 2021;
  shell::SelectLanguage(false);
  EXPECT_EQ(DayNumberToText(135), "15. May");
}

TEST_F(DayMonthTextTest, ParseDayMonth) {
  struct Case { const char* text; int year; bool valid; const char* display; const char* normal; int key; };
  const Case cases[] = {
      {"29/02", 2024, true, "29. Feb", "29/02", 229}, {"29/02", 2000, true, "29. Feb", "29/02", 229},
      {"29/02", 2023, false, "", "", -1},            {"29/02", 1900, false, "", "", -1},
      {"31/04", 2024, false, "", "", -1},            {"00/05", 2024, false, "", "", -1},
      {"7/3", 2024, true, "07. Mar", "07/03", 307},   {"5/6 (x)", 2024, true, "05. Jun", "05/06", 605},
      {"21/06    ( 21. Juni )", 2024, true, "21. Jun", "21/06", 621},
      {"30/02", 2024, false, "", "", -1},            {"12/13", 2024, false, "", "", -1},
      {"32/01", 2024, false, "", "", -1},            {"21", 2024, false, "", "", -1},
      {"ab/cd", 2024, false, "", "", -1},            {"", 2024, false, "", "", -1},
  };
  for (const auto& c : cases) {
    DayMonth r = ParseDayMonthForYear(c.text, c.year, 1, false);
    EXPECT_EQ(r.valid, c.valid) << c.text;
    EXPECT_EQ(r.displayText, c.display) << c.text;
    EXPECT_EQ(r.normalForm, c.normal) << c.text;
    EXPECT_EQ(r.key, c.key) << c.text;
  }
}

TEST_F(DayMonthTextTest, ParseDayMonthMessages) {
  testing::RecordingMessageSink sink;
  ParseDayMonthForYear("31/04", 2024, 2, true);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "Error in Input !");
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Error);
  ParseDayMonthForYear("31/04", 2024, 2, false);
  EXPECT_EQ(sink.shown.size(), 1u);
  shell::State().site.year = 2023;
  EXPECT_FALSE(CheckDayMonth("29/02").valid);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].text, "29/02: Datum fehlerhaft!");
  EXPECT_EQ(sink.shown[1].caption, "KELVRA.EXE - Fehler!");
}

TEST_F(DayMonthTextTest, OwnDateCommentsFollowTheLanguage) {
  struct Case {
    const char* line;
    int language;
    const char* expected;
  };
  const Case cases[] = {
      // The default lines, full month names.
      {"21/03    ( 21. März )", 2, "21/03    ( 21. March )"},
      {"21/12    ( 21. December )", 1, "21/12    ( 21. Dezember )"},
      {"21/06    (  21. Juni )", 1, "21/06    (  21. Juni )"},
      // Entries added in the dialog: two-digit day and abbreviation.
      {"05/10    ( 05. Okt )", 2, "05/10    ( 05. Oct )"},
      {"15/05    ( 15. May )", 1, "15/05    ( 15. Mai )"},
      // A comment of the user's own, a wrong day in the comment, no comment,
      // no date: unchanged.
      {"21/06    ( Sommeranfang )", 2, "21/06    ( Sommeranfang )"},
      {"21/06    ( 22. Juni )", 2, "21/06    ( 22. Juni )"},
      {"21/06", 2, "21/06"},
      {"31/02    ( 31. Februar )", 2, "31/02    ( 31. Februar )"},
      {"", 2, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OwnDateLineInLanguage(c.line, c.language), c.expected) << c.line;
  }
}

}  // namespace
}  // namespace kelvra::shell

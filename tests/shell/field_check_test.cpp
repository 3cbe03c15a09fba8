// The checks of numeric edit fields and the key filters.
#include <gtest/gtest.h>

#include <optional>

#include "shell/catalog.h"
#include "shell/number_format.h"
#include "support/recording_message_sink.h"

namespace kelvra::shell {
namespace {

using testing::RecordingMessageSink;

class FieldCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { SelectLanguage(true); }
  void TearDown() override { SelectLanguage(true); }
  RecordingMessageSink sink;
};

TEST_F(FieldCheckTest, RealFieldAcceptsCommaAndDropsBlanksAndLetters) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"47,25", 47.25}, {"4 7.2 5", 47.25}, {"-9.590825", -9.590825},
      {"+15", 15.0},    {" 12 mm", 12.0},   {".5", 0.5},
      {"3.", 3.0},      {"-0", 0.0},
  };
  for (const auto& c : cases) {
    auto r = ReadCheckedReal(c.text, 1.0, "Breite", 90.0, -90.0);
    EXPECT_FALSE(r.error) << c.text;
    EXPECT_DOUBLE_EQ(r.value, c.expected) << c.text;
    EXPECT_FALSE(r.focusField) << c.text;
    EXPECT_FALSE(r.fieldText.has_value()) << c.text;
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(FieldCheckTest, RealFieldThatIsNoNumberKeepsOldValueAndFocus) {
  for (const char* text : {"abc", "", "1.2.3", "--5", "+", "4-5", "1e5x3.2.1"}) {
    sink.shown.clear();
    auto r = ReadCheckedReal(text, 47.251315, "Breite", 90.0, -90.0);
    EXPECT_TRUE(r.error) << text;
    EXPECT_TRUE(r.focusField) << text;
    EXPECT_EQ(r.value, 47.251315) << text;
    EXPECT_EQ(r.fieldText, std::optional<std::string>("   47.25")) << text;
    ASSERT_EQ(sink.shown.size(), 1u) << text;
    EXPECT_EQ(sink.shown[0].text, "Das ist keine reelle Zahl.");
    EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Problem!");
  }
}

TEST_F(FieldCheckTest, RealFieldOutOfRangeNamesFieldAndInterval) {
  auto r = ReadCheckedReal("9 5,5", 47.0, "Breite", 90.0, -90.0);
  EXPECT_TRUE(r.error);
  EXPECT_TRUE(r.focusField);
  EXPECT_EQ(r.value, 95.5);  // stays stored; the caller restores when it must
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text,
            "Breite=95.5\n Zulässiger Wertebereich ist [  -90.00, ...,   90.0] !");
  EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Problem!");

  // The bounds themselves are allowed.
  EXPECT_FALSE(ReadCheckedReal("-90", 0, "Breite", 90.0, -90.0).error);
  EXPECT_FALSE(ReadCheckedReal("90.0", 0, "Breite", 90.0, -90.0).error);

  SelectLanguage(false);
  ReadCheckedReal("-91", 47.0, "Latitude", 90.0, -90.0);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].text,
            "Latitude=-91\n Value has to be within Interval [  -90.00, ...,   90.0] !");
}

TEST_F(FieldCheckTest, IntegerFieldOutOfRangeKeepsOldYear) {
  for (auto answer : {MessageAnswer::Ok, MessageAnswer::Cancel}) {
    sink.shown.clear();
    sink.Script({answer});
    auto r = ReadCheckedInteger("1299", 1300, 2500, "Jahr", 2020);
    EXPECT_TRUE(r.error);
    EXPECT_TRUE(r.focusField);
    EXPECT_EQ(r.value, 2020);
    EXPECT_FALSE(r.fieldText.has_value());
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, "Jahr=1299 Zulässiger Wertebereich ist [1300..2500] !");
    EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Problem!");
    EXPECT_EQ(sink.shown[0].buttons, MessageButtons::OkCancel);
  }
}

TEST_F(FieldCheckTest, IntegerFieldReadsWholeTextOnly) {
  struct Case {
    const char* text;
    bool error;
    int value;
  };
  const Case cases[] = {
      {"2021", false, 2021}, {" 1300 ", false, 1300}, {"+2500", false, 2500},
      {"2501", true, 2020},  {"20,21", true, 2020},   {"2021.0", true, 2020},
      {"20 21", true, 2020}, {"abc", true, 2020},     {"+-2000", true, 2020},
      {"99999999999", true, 2020},
  };
  for (const auto& c : cases) {
    auto r = ReadCheckedInteger(c.text, 1300, 2500, "Jahr", 2020);
    EXPECT_EQ(r.error, c.error) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST_F(FieldCheckTest, EmptyFieldWritesOldValueBack) {
  auto i = ReadCheckedInteger("", 1300, 2500, "Jahr", 2020);
  EXPECT_FALSE(i.error);
  EXPECT_EQ(i.value, 2020);
  EXPECT_EQ(i.fieldText, std::optional<std::string>("2020"));

  auto r = ReadReal("", -9.590825);
  EXPECT_FALSE(r.error);
  EXPECT_EQ(r.value, -9.590825);
  EXPECT_EQ(r.fieldText, std::optional<std::string>("  -9.59"));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(FieldCheckTest, IntegerAskLetsTheUserKeepTheOldValue) {
  sink.Script({MessageAnswer::Yes, MessageAnswer::No});
  auto yes = ReadCheckedIntegerAsk("2", 3, 290, "Monatsskala", 100);
  EXPECT_TRUE(yes.error);
  EXPECT_TRUE(yes.focusField);
  EXPECT_EQ(yes.value, 100);

  auto no = ReadCheckedIntegerAsk("2", 3, 290, "Monatsskala", 100);
  EXPECT_FALSE(no.error);
  EXPECT_FALSE(no.focusField);
  EXPECT_EQ(no.value, 100);
  EXPECT_EQ(no.fieldText, std::optional<std::string>("100"));

  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].text,
            "Monatsskala=2 Zulässiger Wertebereich ist [3..290] !\n     Nochmals eingeben?");
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Problem!");
}

TEST_F(FieldCheckTest, ReadRealHasNoRangeAndEmptiesABadField) {
  auto ok = ReadReal("-123456,5", 0.0);
  EXPECT_FALSE(ok.error);
  EXPECT_EQ(ok.value, -123456.5);

  auto bad = ReadReal("12a", 3.0);
  EXPECT_TRUE(bad.error);
  EXPECT_TRUE(bad.focusField);
  EXPECT_EQ(bad.value, 3.0);
  EXPECT_EQ(bad.fieldText, std::optional<std::string>(""));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "Das ist keine reelle Zahl.");
  EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Problem!");
}

TEST_F(FieldCheckTest, CorrectInputFirstIsAnError) {
  SelectLanguage(false);
  ShowCorrectInputFirst();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "Please correct error in input !");
  EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Error!");
}

TEST(KeyFilter, PassesOnlyWhatTheFieldTakes) {
  struct Case {
    char32_t key;
    KeyAction integerAction;
    KeyAction realAction;
    char realKey;
  };
  const Case cases[] = {
      {U'7', KeyAction::Pass, KeyAction::Pass, '7'},
      {kBackspaceKey, KeyAction::Pass, KeyAction::Pass, '\b'},
      {U'-', KeyAction::Drop, KeyAction::Pass, '-'},
      {U'.', KeyAction::Drop, KeyAction::Pass, '.'},
      {U',', KeyAction::Drop, KeyAction::Pass, '.'},  // a comma counts as the point
      {U'\r', KeyAction::NextField, KeyAction::NextField, '\0'},
      {U'a', KeyAction::Drop, KeyAction::Drop, '\0'},
      {U'+', KeyAction::Drop, KeyAction::Drop, '\0'},
      {U' ', KeyAction::Drop, KeyAction::Drop, '\0'},
      {U'\u0663', KeyAction::Drop, KeyAction::Drop, '\0'},  // Arabic-Indic three
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IntegerKeyFilter(c.key).action, c.integerAction) << static_cast<int>(c.key);
    auto r = RealKeyFilter(c.key);
    EXPECT_EQ(r.action, c.realAction) << static_cast<int>(c.key);
    if (r.action == KeyAction::Pass) {
      EXPECT_EQ(r.key, c.realKey);
    }
  }
  EXPECT_EQ(IntegerKeyFilter(U'7').key, '7');
}

TEST(ParseReal, StrictAndLocaleFree) {
  EXPECT_EQ(ParseReal("  -0,125 "), -0.125);
  EXPECT_EQ(ParseReal("1e5"), std::nullopt);
  EXPECT_EQ(ParseReal("1,000.5"), std::nullopt);
  EXPECT_EQ(ParseReal("inf"), std::nullopt);
  EXPECT_EQ(ParseReal("nan"), std::nullopt);
  EXPECT_EQ(ParseReal(std::string(400, '9')), std::nullopt);  // overflows
  EXPECT_EQ(FilterRealText("4 7,2 5 mm"), "47.25");
}

}  // namespace
}  // namespace kelvra::shell

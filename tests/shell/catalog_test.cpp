#include "shell/catalog.h"

#include <gtest/gtest.h>

#include "shell/shared_state.h"

namespace kelvra::shell {
namespace {

class CatalogTest : public ::testing::Test {
 protected:
  void TearDown() override { SelectLanguage(true); }
};

TEST_F(CatalogTest, BuiltinCatalogueLoadsWithoutProblems) {
  for (const auto& p : TextCatalog::BuiltinProblems()) ADD_FAILURE() << p;
  EXPECT_FALSE(TextCatalog::Builtin().Keys().empty());
}

TEST_F(CatalogTest, ParsesKeysEscapesAndKeepsBlanks) {
  TextCatalog c;
  std::vector<std::string> problems;
  c.AddRows("t.tsv",
            "# comment\n"
            "T5\t&Breite :\t&Latitude :\r\n"
            "A68\timmer sichtbar\t always seen  \n"
            "B1\tzwei\\nZeilen\ttwo\\nlines\n",
            &problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(c.Lookup('T', 5, 1), "&Breite :");
  EXPECT_EQ(c.Lookup('T', 2005, 1), "&Latitude :");
  EXPECT_EQ(c.Lookup('A', 68, 2), " always seen  ");
  EXPECT_EQ(c.Lookup('B', 1, 1), "zwei\nZeilen");
  EXPECT_EQ(c.Lookup('T', 6, 1), "");
}

TEST_F(CatalogTest, ReportsMalformedRowsAndDuplicates) {
  TextCatalog c;
  std::vector<std::string> problems;
  c.AddRows("bad.tsv", "T1\ta\tb\nT1\tc\td\nX2\ta\tb\nT3\tonly two\nT2001\ta\tb\n", &problems);
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_EQ(problems[0], "bad.tsv:2: key T1 given twice");
  // T2001 takes the English slot of T1.
  EXPECT_EQ(problems[3], "bad.tsv:5: key T2001 given twice");
  EXPECT_EQ(c.Lookup('T', 1, 1), "a");
}

TEST_F(CatalogTest, NumbersFrom2000KeepTheirEnglishAt2000More) {
  TextCatalog c;
  std::vector<std::string> problems;
  c.AddRows("high.tsv", "T2050\tDeutsch\tEnglish\nT50\tclash\tclash\n", &problems);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "high.tsv:2: key T50 given twice");
  EXPECT_EQ(c.Lookup('T', 2050, 1), "Deutsch");
  EXPECT_EQ(c.Lookup('T', 4050, 1), "English");
}

TEST_F(CatalogTest, LanguageSelectsColumnAndOffset) {
  SelectLanguage(true);
  EXPECT_EQ(MessageB(4), "Das ist keine reelle Zahl.");
  EXPECT_EQ(CaptionText(3), "KELVRA.EXE - Fehler!");
  EXPECT_EQ(MonthAbbreviation(5), "Mai");
  SelectLanguage(false);
  EXPECT_EQ(State().general.textOffset, 2000);
  EXPECT_FALSE(State().general.languageIsGerman);
  EXPECT_EQ(MessageB(4), "This is not a real number !");
  EXPECT_EQ(CaptionText(6), "KELVRA.EXE - Question");
  EXPECT_EQ(MonthAbbreviation(10), "Oct");
  EXPECT_EQ(MessageA(9999), "");
}

TEST_F(CatalogTest, StripCaptionRemovesAccessKeysAndColons) {
  EXPECT_EQ(StripCaption("&Breite :"), "Breite ");
  EXPECT_EQ(StripCaption("a&b:c&"), "abc");
}

}  // namespace
}  // namespace kelvra::shell

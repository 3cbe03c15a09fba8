#include "calc/tables/table_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/tables/rise_set_table.h"
#include "calc/tables/symmetric_table.h"
#include "calc/tables/yearly_table.h"
#include "persist/text_file.h"
#include "table_test_support.h"

namespace kelvra::calc {
namespace {

namespace fs = std::filesystem;
using testing::MinutesSecondsToSeconds;
using testing::Trim;

shell::SiteSettings Site(int year) {
  shell::SiteSettings s;
  s.year = year;
  return s;
}

// The lines of a file with CR LF line ends; fails on a bare LF or CR.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "unterminated last line";
    if (end == std::string::npos) break;
    const std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> Split(const std::string& line, char sep) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string f;
  while (std::getline(in, f, sep)) fields.push_back(f);
  if (!line.empty() && line.back() == sep) fields.push_back("");
  return fields;
}

TEST(TableExport, TextFileIsTheShownTableInWindows1252) {
  const Table t = BuildYearlyTable(Site(2024), YearTableKind::EquationOfTime, 1);
  const std::string bytes = ExportTableBytes(t, {});
  const auto lines = CrLfLines(bytes);
  ASSERT_EQ(lines.size(), t.lines.size() + 1);
  EXPECT_EQ(lines[0], " ");  // the blank line put in front
  EXPECT_EQ(lines[1], "  Zeitgleichung in min:sec f\xFCr 2024   (Zonenmeridian = -15.0\xB0 )");
  EXPECT_EQ(lines[6], t.lines[5]);
  EXPECT_EQ(ExportBytesAsUtf8(bytes).substr(0, 3), " \n ");
}

TEST(TableExport, RiseSetTextFileNamesTheSiteFirst) {
  const Table t = BuildMonthTable(Site(2020), 3, astro::TwilightKind::Civil, 1);
  const auto lines = CrLfLines(ExportTableBytes(t, {}));
  EXPECT_EQ(lines[0], "Tabelle f\xFCr    Ort:L\xE4nge (\xF6stlich neg.) ...   -9.59");
  EXPECT_EQ(lines[1], std::string(24, ' ') + "g.Breite             ...   47.25");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], " ");
  EXPECT_EQ(lines.size(), 3 + 1 + t.lines.size());
}

// Every data row has the day and twelve month fields, the fields are the
// cells, and the other separator gives the same fields.
TEST(TableExport, YearlyCsvHasThirteenFieldsPerRow) {
  for (const YearTableKind kind : {YearTableKind::EquationOfTime, YearTableKind::TrueNoon}) {
    const Table t = BuildYearlyTable(Site(1582), kind, 2);
    std::vector<std::vector<std::string>> bySeparator;
    for (const char sep : {';', ','}) {
      const auto lines = CrLfLines(ExportTableBytes(t, {true, sep}));
      ASSERT_EQ(lines.size(), t.lines.size() + 1);
      std::size_t head = 0;
      while (head < lines.size() && lines[head].find("Jan") == std::string::npos) ++head;
      ASSERT_LT(head, lines.size());
      for (std::size_t i = 0; i < head; ++i) EXPECT_EQ(lines[i].substr(0, 2), std::string(" ") + sep);
      std::vector<std::string> fields;
      for (std::size_t i = head; i < lines.size(); ++i) {
        const auto f = Split(lines[i], sep);
        ASSERT_EQ(f.size(), 13u) << lines[i];
        for (const auto& x : f) fields.push_back(Trim(x));
      }
      const auto first = Split(lines[head + 1], sep);  // day 1
      EXPECT_EQ(first[0], " 1.");
      EXPECT_EQ(Split(lines[head], sep)[1].find("Jan"), 3u);
      // 10 October 1582: the marker in the October field, November its own value.
      const auto tenth = Split(lines[head + 1 + 9 + 1], sep);
      EXPECT_EQ(tenth[0], "10.");
      EXPECT_EQ(Trim(tenth[10]), "----");
      if (kind == YearTableKind::EquationOfTime) {
        EXPECT_TRUE(MinutesSecondsToSeconds(tenth[11])) << tenth[11];
        EXPECT_TRUE(MinutesSecondsToSeconds(tenth[12])) << tenth[12];
      }
      bySeparator.push_back(fields);
    }
    EXPECT_EQ(bySeparator[0], bySeparator[1]);
  }
  const Table t = BuildYearlyTable(Site(2024), YearTableKind::Declination, 1);
  EXPECT_EQ(ExportTableBytes(t, {true, ','}), ExportTableBytes(t, {true, ','}));
}

TEST(TableExport, RiseSetCsvCutsTheColumns) {
  struct Case {
    Table table;
    std::size_t fields;  // day, the 7-character fields and the empty last one
  } cases[] = {{BuildMonthTable(Site(2020), 6, astro::TwilightKind::Civil, 1), 1 + 9 + 1},
               {BuildHalfYearTable(Site(2020), 7, 2), 1 + 18 + 1}};
  for (const auto& c : cases) {
    for (const char sep : {';', ','}) {
      const auto lines = CrLfLines(ExportTableBytes(c.table, {true, sep}));
      EXPECT_EQ(lines[0].front(), ' ');
      EXPECT_EQ(lines[0].back(), ' ');
      EXPECT_EQ(lines[1].substr(0, 25), std::string(25, ' '));
      EXPECT_EQ(lines[2], "");
      // Then title, site line, blank line, the head, the second head line.
      EXPECT_EQ(lines[3], sep + persist::Utf8ToWindows1252(c.table.lines[0]));
      const std::size_t firstRow = 3 + 5;
      for (std::size_t i = firstRow; i + 2 < lines.size(); ++i) {
        EXPECT_EQ(Split(lines[i], sep).size(), c.fields) << lines[i];
      }
      EXPECT_EQ(lines.back(), sep + persist::Utf8ToWindows1252(c.table.lines.back()));
      const auto day1 = Split(lines[firstRow], sep);
      EXPECT_EQ(day1[0], "   1. ");
      // The sunrise is the first field.
      EXPECT_EQ(Trim(day1[1]), Trim(c.table.lines[5].substr(5, 6)));
    }
  }
  const Table month = BuildMonthTable(Site(2020), 6, astro::TwilightKind::Civil, 1);
  const auto head = CrLfLines(ExportTableBytes(month, {true, ';'}))[6];
  EXPECT_EQ(head, "Datum;    Sonne    ; ;  D\xE4mmerung  ; ;     Mond    ; ;   EoT ; Deklin");
}

TEST(TableExport, FileNameAndSafeSave) {
  EXPECT_EQ(ExportFileName("dir.v1/Tab.le.x", true), fs::path("dir.v1/Tab.csv"));
  EXPECT_EQ(ExportFileName("Tabelle", false), fs::path("Tabelle.txt"));

  const fs::path dir = fs::temp_directory_path() / "kelvra_table_export_test";
  fs::create_directories(dir);
  const fs::path file = dir / "old.txt";
  { std::ofstream(file, std::ios::binary) << "the user's file"; }
  const std::string bytes =
      ExportTableBytes(BuildYearlyTable(Site(2024), YearTableKind::TrueNoon, 1), {true, ';'});
  {
    shell::ScopedSaveFault fault({shell::SaveStage::Write, 28, 100, 0});
    EXPECT_FALSE(SaveTableFile(file, bytes).ok);
  }
  std::stringstream kept;
  kept << std::ifstream(file, std::ios::binary).rdbuf();
  EXPECT_EQ(kept.str(), "the user's file");
  EXPECT_TRUE(SaveTableFile(file, bytes).ok);
  std::stringstream written;
  written << std::ifstream(file, std::ios::binary).rdbuf();
  EXPECT_EQ(written.str(), bytes);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kelvra::calc

// The names of catalogue texts (src/texts/*.h) against the catalogue files
// (resources/text/*.tsv): every text the code names exists in German and in
// English, in the catalogue file its header is named after; no text is named
// twice; and no source file outside src/texts writes a text number itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kelvra {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = KELVRA_SOURCE_DIR;

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Row {
  std::string german;
  std::string english;
};

// The T rows of one catalogue file by number.
std::map<int, Row> CatalogueRows(const fs::path& tsv) {
  std::map<int, Row> rows;
  std::istringstream in(ReadFile(tsv));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 2 || line[0] != 'T') continue;
    const auto tab1 = line.find('\t');
    const auto tab2 = line.find('\t', tab1 + 1);
    if (tab1 == std::string::npos || tab2 == std::string::npos) continue;
    rows[std::stoi(line.substr(1, tab1 - 1))] = {line.substr(tab1 + 1, tab2 - tab1 - 1),
                                                 line.substr(tab2 + 1)};
  }
  return rows;
}

struct Name {
  std::string header;  // "planar.h"
  std::string name;    // "kTemporalRefused" or "kPageCaptions[3]"
  int number;
};

// Every number named by the headers of src/texts, runs expanded.
std::vector<Name> NamedTexts() {
  static const std::regex id(R"(inline constexpr TextId (k\w+)\{(\d+)\};)");
  static const std::regex run(R"(inline constexpr TextRun (k\w+)\{(\d+),\s*(\d+)\};)");
  std::vector<Name> names;
  for (const auto& entry : fs::directory_iterator(kSource / "src" / "texts")) {
    const std::string header = entry.path().filename().string();
    if (entry.path().extension() != ".h" || header == "text_id.h") continue;
    const std::string text = ReadFile(entry.path());
    for (std::sregex_iterator m(text.begin(), text.end(), id), end; m != end; ++m) {
      names.push_back({header, (*m)[1], std::stoi((*m)[2])});
    }
    for (std::sregex_iterator m(text.begin(), text.end(), run), end; m != end; ++m) {
      const int first = std::stoi((*m)[2]);
      const int count = std::stoi((*m)[3]);
      EXPECT_GT(count, 0) << header << ": " << (*m)[1];
      for (int i = 0; i < count; ++i) {
        names.push_back({header, std::string((*m)[1]) + "[" + std::to_string(i) + "]", first + i});
      }
    }
  }
  return names;
}

TEST(TextNames, EveryNamedTextExistsInBothLanguagesOfItsCatalogueFile) {
  const std::vector<Name> names = NamedTexts();
  ASSERT_GT(names.size(), 400u);  // every header was read
  std::map<std::string, std::map<int, Row>> catalogues;
  for (const Name& n : names) {
    const std::string file = fs::path(n.header).stem().string() + ".tsv";
    if (!catalogues.count(file)) {
      const fs::path tsv = kSource / "resources" / "text" / file;
      ASSERT_TRUE(fs::exists(tsv)) << n.header << " names the texts of " << file;
      catalogues[file] = CatalogueRows(tsv);
    }
    const auto& rows = catalogues[file];
    const auto row = rows.find(n.number);
    if (row == rows.end()) {
      ADD_FAILURE() << n.header << ": " << n.name << " = " << n.number << " is not a text of "
                    << file;
      continue;
    }
    EXPECT_FALSE(row->second.german.empty()) << n.header << ": " << n.name << " has no German";
    EXPECT_FALSE(row->second.english.empty()) << n.header << ": " << n.name << " has no English";
  }
}

TEST(TextNames, NoTextIsNamedTwice) {
  std::map<int, std::string> seen;
  for (const Name& n : NamedTexts()) {
    const std::string where = n.header + ": " + n.name;
    const auto [it, fresh] = seen.emplace(n.number, where);
    EXPECT_TRUE(fresh) << n.number << " is named by " << it->second << " and by " << where;
  }
}

// The names are the one way code reaches a text: a number written next to
// TextId or TextRun anywhere else is a second way.
TEST(TextNames, OnlyTheTextHeadersWriteTextNumbers) {
  static const std::regex literal(R"(Text(Id|Run)\s*[\{\(]\s*\d)");
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kSource / "src")) {
    const fs::path& p = entry.path();
    if (!entry.is_regular_file() || (p.extension() != ".h" && p.extension() != ".cpp")) continue;
    if (p.parent_path().filename() == "texts") continue;
    ++files;
    const std::string text = ReadFile(p);
    for (std::sregex_iterator m(text.begin(), text.end(), literal), end; m != end; ++m) {
      const auto line = 1 + std::count(text.begin(), text.begin() + m->position(), '\n');
      ADD_FAILURE() << fs::relative(p, kSource).string() << ":" << line << ": " << m->str();
    }
  }
  EXPECT_GT(files, 100);
}

}  // namespace
}  // namespace kelvra

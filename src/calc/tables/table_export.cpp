#include "calc/tables/table_export.h"

#include "persist/text_file.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/tables.h"

namespace kelvra::calc {
namespace {

namespace tt = texts::tables;

constexpr std::string_view kCrLf = "\r\n";

std::string Text(texts::TextId id, int language) { return shell::GetRawIn(id, language); }

// Characters first .. first + count - 1 (1-based) of a 1252 line; shorter or
// empty where the line ends.
std::string Cut(const std::string& line, std::size_t first, std::size_t count) {
  if (first == 0 || first > line.size()) return {};
  return line.substr(first - 1, count);
}

// The copy the export works on, in Windows-1252, with a blank line first.
std::vector<std::string> ExportCopy(const Table& table) {
  std::vector<std::string> copy;
  copy.reserve(table.lines.size() + 1);
  if (table.lines.empty() || table.lines.front() != kBlankLine) copy.push_back(kBlankLine);
  for (const auto& line : table.lines) copy.push_back(persist::Utf8ToWindows1252(line));
  return copy;
}

bool IsRiseSet(TableLayout layout) {
  return layout == TableLayout::Month || layout == TableLayout::HalfYear;
}

// The two lines naming the site in front of a rise and set table's file; the
// CSV puts a blank before and after each.
std::string SiteLines(const Table& table, bool csv) {
  const int language = table.language;
  const std::string before = csv ? " " : "";
  const std::string after = csv ? " " : "";
  const std::string longitude = Text(tt::kTableFor, language) + Text(tt::kPlace, language) +
                                Text(tt::kLongitudeEastNegative, language) +
                                shell::FormatReal(7, 2, table.site.longitude);
  const std::string latitude = Blanks(24) + Text(tt::kLatitudeWord, language) +
                               "             ... " + shell::FormatReal(7, 2, table.site.latitude);
  std::string out = persist::Utf8ToWindows1252(before + longitude + after);
  out += kCrLf;
  out += persist::Utf8ToWindows1252(before + latitude + after);
  out += kCrLf;
  out += kCrLf;
  return out;
}

std::string YearlyCsv(const std::vector<std::string>& copy, bool noon, char sep) {
  const std::size_t width = noon ? 9 : 7;
  std::string out;
  bool fromHead = false;
  for (const auto& line : copy) {
    if (!fromHead && Cut(line, 7, 3) == "Jan") fromHead = true;
    if (!fromHead) {
      out += " ";
      out += sep;
      out += line;
    } else {
      out += Cut(line, 1, 3);
      for (std::size_t m = 0; m < 12; ++m) {
        out += sep;
        out += Cut(line, 4 + width * m, width);
      }
    }
    out += kCrLf;
  }
  return out;
}

std::string RiseSetCsv(const Table& table, const std::vector<std::string>& copy, char sep) {
  const bool month = table.layout == TableLayout::Month;
  std::vector<std::string> lines;
  lines.reserve(copy.size() + 1);
  lines.push_back(persist::Utf8ToWindows1252(Text(tt::kMonthHead2, table.language)));
  lines.insert(lines.end(), copy.begin(), copy.end());
  std::string out = SiteLines(table, true);
  const std::size_t last = std::min<std::size_t>(lines.size() - 1, 55);
  for (std::size_t i = 2; i <= last; ++i) {
    const std::string& line = lines[i];
    if (i <= 4 || i + 2 >= lines.size()) {
      out += sep;
      out += line;
    } else if (i == 5) {
      out += Cut(line, 1, 5);
      out += sep;
      if (month) {
        for (std::size_t start : {7, 20, 33}) {
          out += Cut(line, start, 13);
          out += sep;
          out += ' ';
          out += sep;
        }
        out += Cut(line, 46, 7);
        out += sep;
        out += Cut(line, 54, 8);
      } else {
        for (std::size_t j = 0; j < 6; ++j) {
          out += Cut(line, 14 + 21 * j, 7);
          out += sep;
          out += ' ';
          out += sep;
          out += ' ';
          out += sep;
        }
      }
    } else {
      out += ' ';
      out += Cut(line, 1, 5);
      const std::size_t fields = month ? 9 : 18;
      for (std::size_t j = 0; j < fields; ++j) {
        out += sep;
        out += Cut(line, 6 + 7 * j, 7);
      }
      out += sep;
    }
    out += kCrLf;
  }
  return out;
}

}  // namespace

std::string ExportTableBytes(const Table& table, const ExportFormat& format) {
  const std::vector<std::string> copy = ExportCopy(table);
  if (format.csv) {
    if (IsRiseSet(table.layout)) return RiseSetCsv(table, copy, format.separator);
    return YearlyCsv(copy, table.layout == TableLayout::YearlyNoon, format.separator);
  }
  std::string out;
  if (IsRiseSet(table.layout)) out += SiteLines(table, false);
  for (const auto& line : copy) {
    out += line;
    out += kCrLf;
  }
  return out;
}

std::string ExportBytesAsUtf8(std::string_view bytes) {
  std::string text = persist::Windows1252ToUtf8(bytes);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

std::filesystem::path ExportFileName(const std::filesystem::path& chosen, bool csv) {
  std::string name = chosen.filename().string();
  if (const auto dot = name.find('.'); dot != std::string::npos) name.resize(dot);
  return chosen.parent_path() / (name + (csv ? ".csv" : ".txt"));
}

std::string SymmetricTableBytes(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += persist::Utf8ToWindows1252(line);
    out += kCrLf;
  }
  return out;
}

shell::SaveResult SaveTableFile(const std::filesystem::path& path, std::string_view bytes) {
  return shell::SaveFileSafely(path, bytes);
}

}  // namespace kelvra::calc

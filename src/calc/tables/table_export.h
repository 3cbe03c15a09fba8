// The text and CSV files of a table. The export works on a copy of the shown
// lines (the shown table stays as it is), in which a blank line " " stands
// first. Files are Windows-1252 with CR LF; the CSV export cuts each line at
// the fixed character positions of its layout:
//  - yearly tables: the day (characters 1..3) and twelve month fields of 7
//    characters from character 4 (true noon: 9), each after the separator;
//    the lines before the column head as " ", separator, line;
//  - rise and set tables: two lines naming the site, then the day
//    (" " + characters 1..5) and fields of 7 characters from character 6 (9
//    for one month, 18 for a half-year), the head cut by its own positions.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calc/tables/table.h"
#include "shell/safe_save.h"

namespace kelvra::calc {

struct ExportFormat {
  bool csv = false;
  char separator = ';';  // CSV only: ';' (the standard) or ','
};

// The whole file (Windows-1252, CR LF).
std::string ExportTableBytes(const Table& table, const ExportFormat& format);

// The lines of a table file (Windows-1252, CR LF line ends) as UTF-8 text
// with LF line ends, for a terminal.
std::string ExportBytesAsUtf8(std::string_view bytes);

// The file name an export writes for the name chosen in the save dialog: the
// file name cut at its first "." (the folder is kept as it is) with ".txt" or
// ".csv".
std::filesystem::path ExportFileName(const std::filesystem::path& chosen, bool csv);

// The symmetric table's file: its lines in Windows-1252, each with CR LF.
std::string SymmetricTableBytes(const std::vector<std::string>& lines);

// Writes the bytes as the whole file through the safe-save path: a file that
// existed stays as it was unless the new one is completely written.
shell::SaveResult SaveTableFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace kelvra::calc

// The text catalogue: every text the user sees, in German and English.
//
// The texts live in resources/text/*.tsv, one row per entry:
//   KEY <TAB> German <TAB> English
// KEY is a table letter followed by a number:
//   T  numbered catalogue text; German n, English n + 2000
//   A  message table A row;   B  message table B row
//   C  message-box caption by kind (1 Attention, 2 Warning, 3 Error,
//      4 Information, 5 Problem, 6 Question)
//   F  file-dialog title;     M  month abbreviation 1..12
//   N  main-menu caption in the order of the menu tree
// Lines starting with "#" and empty lines are ignored. In the text columns
// "\n" stands for a line break, "\t" for a tab and "\\" for a backslash;
// leading and trailing blanks are kept. Texts are UTF-8.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "texts/text_id.h"

namespace kelvra::shell {

class TextCatalog {
 public:
  // Parses catalogue rows. A malformed row or a key given twice is reported in
  // `problems` (file name and line) and skipped.
  void AddRows(std::string_view fileName, std::string_view tsv,
               std::vector<std::string>* problems);

  // The text under table letter `table` and number `n` in language 1 (German)
  // or 2 (English); empty when there is none. For table 'T' the English text
  // is stored under n + 2000 and the language is ignored.
  std::string_view Lookup(char table, int n, int language) const;

  // Every key held, as (table, number), in sorted order.
  std::vector<std::pair<char, int>> Keys() const;

  // The catalogue built into the program (loaded on first use).
  static const TextCatalog& Builtin();
  // Problems found while loading the built-in catalogue.
  static const std::vector<std::string>& BuiltinProblems();

 private:
  std::map<std::pair<char, int>, std::pair<std::string, std::string>> rows_;
};

// Current language: 1 German, 2 English (see GeneralState).
int CurrentLanguage();

// Text `id` in the current language with every "&" removed.
std::string Get(texts::TextId id);
// Text `id` in the current language as stored (access keys kept).
std::string GetRaw(texts::TextId id);
// Text `id` as stored in language 1 (German) or 2 (English).
std::string GetRawIn(texts::TextId id, int language);
// Removes every "&" and every ":" (label caption to field name).
std::string StripCaption(std::string_view text);
// Row of message table A or B in the current language.
std::string MessageA(int row);
std::string MessageB(int row);
// Message-box caption by kind number 1..6, file-dialog title 1..4, month
// abbreviation 1..12, main-menu caption 1..45, in the current language.
std::string CaptionText(int kind);
std::string FileDialogTitle(int n);
std::string MonthAbbreviation(int month);
std::string MenuCaption(int n);

// Sets language, textOffset and languageIsGerman of the shared state. Relabelling
// open windows and choosing the help file belong to the windows.
void SelectLanguage(bool german);

}  // namespace kelvra::shell

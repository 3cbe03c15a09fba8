// Names of catalogue texts. Every numbered text the program uses (table T of
// resources/text/*.tsv: German under number n, English under n + 2000) is
// named once, by a constant in the header of its catalogue file:
// src/texts/planar.h names the texts of resources/text/planar.tsv, and so on.
//
//   inline constexpr TextId kTemporalRefused{1700};
//   inline constexpr TextRun kDateLineChoices{1641, 4};  // entries 1641..1644
//
// Code passes these names to the catalogue (shell::Get, ui::Text, ui::SetTag)
// and never a bare number; the catalogue test checks that every named text
// exists in both languages and that no number is named twice.
#pragma once

namespace kelvra::texts {

// One numbered text; number 0 stands for "no text".
struct TextId {
  int number = 0;

  constexpr TextId() = default;
  constexpr explicit TextId(int n) : number(n) {}
  constexpr bool operator==(const TextId&) const = default;
  constexpr explicit operator bool() const { return number != 0; }
};

// A run of consecutive texts, such as the entries of a list.
struct TextRun {
  int first = 0;
  int count = 0;

  // Text i of the run (0 .. count - 1).
  constexpr TextId operator[](int i) const { return TextId(first + i); }
  constexpr int size() const { return count; }
};

}  // namespace kelvra::texts

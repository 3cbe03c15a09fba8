// The texts of the Peaucellier dial, by catalogue number (resources/text/peaucellier.tsv).
#pragma once

#include <string>

namespace kelvra::dials::peaucellier {

enum class TextId : int {
  RefusedEnglish = 1250,
  RefusedGerman = 1251,
  Title = 1252,
  Construction = 1253,
  EquinoxDistance = 1254,
  Constant = 1255,
  Latitude = 1256,
  EquinoxLetter = 1257,
  Designer = 1258,
};

// The text in the current language.
std::string PeaucellierText(TextId id);

}  // namespace kelvra::dials::peaucellier

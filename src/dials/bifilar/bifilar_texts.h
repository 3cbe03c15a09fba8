// The texts of the bifilar dial, by catalogue number (resources/text/bifilar.tsv).
#pragma once

#include <string>

namespace kelvra::dials::bifilar {

enum class TextId : int {
  FirstThreadPlane = 1340,
  ThreadsParallel = 1341,
  TitlePrefix = 1342,
  Title = 1343,
  Latitude = 1344,
  DegreeUnit = 1345,
  Longitude = 1346,
  Line1 = 1347,
  Line2 = 1348,
  ThreadHeight = 1349,
};

// The text in the current language.
std::string BifilarText(TextId id);

}  // namespace kelvra::dials::bifilar

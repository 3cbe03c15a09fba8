// The construction listing as a family offers it: the numbers a dial maker
// needs to lay a dial out by hand, kept as numbers with the construction and
// turned into text only when they are shown, printed or written (so that an
// open panel follows a change of language).
#pragma once

#include <array>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kelvra::dials {

// The hour-line table panel in the current language.
struct HourLineTableView {
  std::string heading;                  // "Winkel der Stundenlinien einer " + dial type
  std::vector<std::string> labels;      // site and plane
  std::vector<std::string> memoLines;   // substyle angle, style height, ...
  std::string sunlitLine;               // text 566 + the sunlit period
  // Rows of 15 cells: four groups of time, angle, tangent and a spacer.
  std::vector<std::array<std::string, 15>> grid;
};

// The hour-line angles keyed by the clock time "h:mm", in hour order.
using HourLineAngles = std::vector<std::pair<std::string, double>>;

// One named value of the listing for machine output (JSON).
struct ListingField {
  std::string key;
  std::variant<bool, double, std::string, HourLineAngles> value;
};

class ConstructionListing {
 public:
  virtual ~ConstructionListing() = default;

  // The pole-style information (panel, print, head of the coordinate
  // listing), formatted now in the current language.
  virtual std::vector<std::string> PoleStyleLines() const = 0;

  // Whether there is a table of hour-line angles.
  virtual bool HasHourLineTable() const = 0;
  // The time system the drawing's hour lines use: true for apparent time of
  // the zone meridian (the table's longitude correction).
  virtual bool LongitudeCorrection() const = 0;
  // The table panel and the printed table page for apparent time of the local
  // meridian (false) or of the zone meridian (true), formatted now.
  virtual HourLineTableView HourLineTable(bool longitudeCorrection) const = 0;
  virtual std::vector<std::string> HourLineTablePage(bool longitudeCorrection) const = 0;

  // The numbers by name, in a fixed order (with the table of the drawing's
  // time system).
  virtual std::vector<ListingField> Fields() const = 0;
};

}  // namespace kelvra::dials

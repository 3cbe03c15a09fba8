// The world map: coastlines and national borders as polylines of geographic
// points, read from the map text built into the program (the crude map of the
// screen and print overlay) or from the data files of the plot writers
// (maps/coastKel.dat and maps/GrenzenKel.dat in the data folder).
//
// Line format, shared by both: a point line holds a longitude and a latitude
// in degrees, EAST longitude positive, "." as decimal point, separated by any
// characters that are not in the number set (+ - . 0-9; the map files use one
// tab). Leading blanks and tabs are ignored. A line shorter than 8 characters
// ("> -b") ends the current polyline, and so does a line that begins with "<",
// ">" or "#". The line "Grenze" (German for border) separates the coastlines
// from the borders in the built-in map; the data files hold one part each.
//
// Points are kept in the program's own convention: longitude WEST positive
// (negated when read), latitude north positive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::dials::worldmap {

// One line of the map, read.
struct MapLine {
  enum class Kind : std::uint8_t {
    Point,  // a geographic point
    Break,  // ends the current polyline
  };
  Kind kind = Kind::Break;
  // A point line whose number texts did not both convert completely. The
  // readable beginnings of both texts still give the point; when either has
  // none the line is a Break (a point made up from nothing would draw a line
  // to a place that is not on the map).
  bool unreadable = false;
  double longitude = 0;  // degrees, WEST positive
  double latitude = 0;   // degrees, north positive
};

// Reads one line (without its line end; a trailing CR is ignored).
MapLine ReadMapLine(std::string_view line);

// The two number texts of a point line: the text up to the first character
// outside the number set, and the next run of number characters after it.
struct NumberTexts {
  std::string_view first;
  std::string_view second;
};
NumberTexts SplitNumberTexts(std::string_view line);

// The problem message of an unreadable point line in the current language:
// first + " / " + second + " : " + "Das ist keine reelle Zahl.".
std::string UnreadableLineMessage(std::string_view line);

// The two parts of the map.
enum class MapPart { Coastlines, Borders };

// A map text held as lines with every line read once.
class WorldMap {
 public:
  WorldMap() = default;
  // Splits `text` into lines (LF or CR LF) and reads each. The border part
  // starts after the first line that reads "Grenze"; without one, the whole
  // text is the coastline part.
  explicit WorldMap(std::string text);

  // The line range [begin, end) of a part.
  std::size_t PartBegin(MapPart part) const;
  std::size_t PartEnd(MapPart part) const;

  std::size_t LineCount() const { return lines_.size(); }
  std::string_view Line(std::size_t i) const {
    return std::string_view(text_).substr(lines_[i].begin, lines_[i].size);
  }
  const MapLine& Read(std::size_t i) const { return read_[i]; }
  // Index of the "Grenze" line, or LineCount() when there is none.
  std::size_t BorderMark() const { return borderMark_; }

  WorldMap(const WorldMap&) = delete;
  WorldMap& operator=(const WorldMap&) = delete;
  WorldMap(WorldMap&&) = default;
  WorldMap& operator=(WorldMap&&) = default;

 private:
  struct Span {
    std::size_t begin = 0;
    std::size_t size = 0;
  };
  std::string text_;
  std::vector<Span> lines_;  // positions in text_ (which may move with the map)
  std::vector<MapLine> read_;
  std::size_t borderMark_ = 0;
};

// The map built into the program (resources/worldmap/world_crude.txt), read
// on first use and kept for the rest of the run. An empty map when the
// resource is missing.
const WorldMap& LoadWorldMap();

// The file names of the plot writers' data files, below the data folder.
inline constexpr std::string_view kCoastlineFile = "maps/coastKel.dat";
inline constexpr std::string_view kBordersFile = "maps/GrenzenKel.dat";

}  // namespace kelvra::dials::worldmap

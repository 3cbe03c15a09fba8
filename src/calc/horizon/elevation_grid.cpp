#include "calc/horizon/elevation_grid.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kelvra::calc {

namespace {

constexpr std::size_t kMaxLineBytes = std::size_t{4} << 20;  // no row is longer
constexpr int kMaxHeight = 32767;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Excerpt(std::string_view text) {
  return std::string(text.substr(0, 40));
}

// A real written with a decimal point or comma; nothing else on the text.
bool ParseHeaderReal(std::string_view text, double& value) {
  std::string t(text);
  std::replace(t.begin(), t.end(), ',', '.');
  const char* b = t.data();
  const char* e = b + t.size();
  if (b != e && *b == '+') ++b;
  auto [ptr, ec] = std::from_chars(b, e, value);
  return ec == std::errc() && ptr == e && b != e && std::isfinite(value);
}

// Snaps a cell size that a header wrote with six decimals to the arc-second
// size it stands for.
double SnapCellSize(double size) {
  if (std::fabs(size - 0.000278) < 5e-7) return 1.0 / 3600.0;
  if (std::fabs(size - 0.000833) < 5e-7) return 1.0 / 1200.0;
  return size;
}

double RoundTo(double x, double step) { return std::round(x / step) * step; }

// ---- the rows ---------------------------------------------------------------

// What one part of a block found.
struct PartResult {
  GridReadResult error;         // the first fault of the part
  long long lastDataRow = -1;   // the last row (0-based) that is not blank
};

class BodyParser {
 public:
  BodyParser(const GridHeader& header, GridCells& cells,
             const TaskControl& control, std::size_t totalBytes, std::size_t doneBytes)
      : header_(header), cells_(cells), control_(control),
        totalBytes_(std::max<std::size_t>(totalBytes, 1)), doneBytes_(doneBytes),
        noDataIsWhole_(header.noData == std::floor(header.noData) &&
                       std::fabs(header.noData) < 1e9),
        noDataWhole_(noDataIsWhole_ ? static_cast<int>(header.noData) : 0) {}

  // Parses the whole lines of `text` (it ends after a line end, or at the end
  // of the file). Returns false once a fault is found or the task cancelled.
  bool Feed(std::string_view text);

  GridReadResult Finish();

 private:
  void ParsePart(std::string_view text, long long firstRow, PartResult& result);
  // One data row; false on a fault (written into `result`).
  bool ParseRow(const char* p, const char* end, long long row, PartResult& result);
  void ReportProgress();

  const GridHeader& header_;
  GridCells& cells_;
  const TaskControl& control_;
  std::size_t totalBytes_;
  std::size_t doneBytes_;                // bytes before the current block
  std::atomic<std::size_t> blockDone_{0};  // bytes of the current block parsed
  std::atomic<bool> cancelled_{false};
  long long nextRow_ = 0;                // row index of the next line fed
  long long lastDataRow_ = -1;
  GridReadResult error_;
  double reported_ = 0;
  bool noDataIsWhole_;  // the NODATA value is a whole number (as in the tiles)
  int noDataWhole_;
};

void BodyParser::ReportProgress() {
  const double f = static_cast<double>(doneBytes_ + blockDone_.load(std::memory_order_relaxed)) /
                   static_cast<double>(totalBytes_);
  const double clamped = std::clamp(f, reported_, 1.0);
  reported_ = clamped;
  control_.Report(clamped);
}

bool BodyParser::Feed(std::string_view text) {
  if (!error_.ok()) return false;
  if (text.empty()) return true;
  // Cut the block into parts at line ends, one part per worker.
  const int workers = text.size() < (std::size_t{1} << 16) ? 1 : WorkerCount();
  std::vector<std::string_view> parts;
  std::vector<long long> firstRows;
  std::size_t start = 0;
  long long row = nextRow_;
  for (int w = 0; w < workers && start < text.size(); ++w) {
    std::size_t end = text.size();
    if (w + 1 < workers) {
      std::size_t target = start + (text.size() - start) / static_cast<std::size_t>(workers - w);
      const std::size_t nl = text.find('\n', target);
      end = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    const std::string_view part = text.substr(start, end - start);
    parts.push_back(part);
    firstRows.push_back(row);
    row += std::count(part.begin(), part.end(), '\n');
    if (!part.empty() && part.back() != '\n') ++row;  // the file's last line
    start = end;
  }
  nextRow_ = row;
  std::vector<PartResult> results(parts.size());
  blockDone_ = 0;
  RunParts(static_cast<int>(parts.size()),
           [&](int p) {
             const auto i = static_cast<std::size_t>(p);
             ParsePart(parts[i], firstRows[i], results[i]);
           },
           [&] {
             if (control_.Cancelled()) cancelled_ = true;
             ReportProgress();
           });
  doneBytes_ += text.size();
  blockDone_ = 0;
  for (const auto& r : results) {
    if (!r.error.ok()) {
      error_ = r.error;  // the part with the lowest rows comes first
      return false;
    }
    lastDataRow_ = std::max(lastDataRow_, r.lastDataRow);
  }
  if (cancelled_ || control_.Cancelled()) {
    error_.fault = GridFault::Cancelled;
    return false;
  }
  return true;
}

void BodyParser::ParsePart(std::string_view text, long long firstRow, PartResult& result) {
  const char* p = text.data();
  const char* const end = p + text.size();
  long long row = firstRow;
  const char* reportedAt = p;
  int sinceCheck = 0;
  while (p < end) {
    const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    if (!eol) eol = end;
    if (!ParseRow(p, eol, row, result)) return;
    ++row;
    p = eol < end ? eol + 1 : end;
    if (++sinceCheck == 32) {
      sinceCheck = 0;
      blockDone_.fetch_add(static_cast<std::size_t>(p - reportedAt), std::memory_order_relaxed);
      reportedAt = p;
      if (cancelled_.load(std::memory_order_relaxed)) return;
    }
  }
  blockDone_.fetch_add(static_cast<std::size_t>(p - reportedAt), std::memory_order_relaxed);
}

bool BodyParser::ParseRow(const char* p, const char* end, long long row, PartResult& result) {
  const int columns = header_.columns;
  auto fail = [&](GridFault fault, long long count, int column, std::string_view text) {
    result.error.fault = fault;
    result.error.line = static_cast<int>(std::min<long long>(row + 1, 2'000'000'000));
    result.error.count = count;
    result.error.expected = columns;
    result.error.column = column;
    result.error.text = Excerpt(text);
    return false;
  };
  const char* first = p;
  while (first < end && IsBlank(*first)) ++first;
  const bool blank = first == end;
  if (row >= header_.rows) {
    // Lines after the last row may be blank; anything else is a row too many.
    if (!blank) result.lastDataRow = row;
    return true;
  }
  if (blank) return fail(GridFault::RowLength, 0, 0, {});
  result.lastDataRow = row;

  const long long kept = row - header_.SkippedRows();
  std::int16_t* out = kept >= 0 ? cells_.data() + static_cast<std::size_t>(kept) *
                                                     static_cast<std::size_t>(columns)
                                : nullptr;
  const double noData = header_.noData;
  int column = 0;
  p = first;
  while (true) {
    while (p < end && IsBlank(*p)) ++p;
    if (p == end) break;
    // Fast path: a whole number of at most six digits followed by a blank.
    const char* q = p;
    bool negative = false;
    if (*q == '-') {
      negative = true;
      ++q;
    } else if (*q == '+') {
      ++q;
    }
    const char* digits = q;
    int v = 0;
    while (q < end && q - digits < 7 && static_cast<unsigned>(*q - '0') < 10) {
      v = v * 10 + (*q - '0');
      ++q;
    }
    std::int16_t cell;
    if (q != digits && (q == end || IsBlank(*q))) {
      const int whole = negative ? -v : v;
      if (whole == noDataWhole_ && noDataIsWhole_) {
        cell = kNoDataCell;
      } else if (whole < -kMaxHeight || whole > kMaxHeight) {
        return fail(GridFault::HeightRange, column, column + 1,
                    std::string_view(p, static_cast<std::size_t>(q - p)));
      } else {
        cell = static_cast<std::int16_t>(whole);
      }
    } else {
      // Anything else: a decimal fraction or an exponent, or not a number.
      const char* tokenEnd = p;
      while (tokenEnd < end && !IsBlank(*tokenEnd)) ++tokenEnd;
      const char* b = *p == '+' ? p + 1 : p;
      double value = 0;
      auto [ptr, ec] = std::from_chars(b, tokenEnd, value);
      if (ec != std::errc() || ptr != tokenEnd || b == tokenEnd || !std::isfinite(value)) {
        return fail(GridFault::NotANumber, column, column + 1,
                    std::string_view(p, static_cast<std::size_t>(tokenEnd - p)));
      }
      q = tokenEnd;
      if (value == noData) {
        cell = kNoDataCell;
      } else {
        const double r = std::round(value);
        if (r < -kMaxHeight || r > kMaxHeight) {
          return fail(GridFault::HeightRange, column, column + 1,
                      std::string_view(p, static_cast<std::size_t>(q - p)));
        }
        cell = static_cast<std::int16_t>(r);
      }
    }
    if (column < columns && out) out[column] = cell;
    ++column;
    p = q;
  }
  if (column != columns) return fail(GridFault::RowLength, column, 0, {});
  return true;
}

GridReadResult BodyParser::Finish() {
  if (!error_.ok()) return error_;
  const long long found = lastDataRow_ + 1;
  if (found != header_.rows) {
    GridReadResult r;
    r.fault = GridFault::RowCount;
    r.count = found;
    r.expected = header_.rows;
    return r;
  }
  return {};
}

// Asks for large pages under a big buffer that is about to be filled once:
// far fewer page faults (a 3601 x 3601 grid touches 46 MB). Only a hint.
void PreferLargePages([[maybe_unused]] void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kLarge - 1) & ~(kLarge - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kLarge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

GridReadResult AllocateCells(const GridHeader& header, GridCells& cells) {
  const long long n = static_cast<long long>(header.KeptRows()) * header.columns;
  try {
    // Not filled: the rows write every cell, and a grid with a fault is dropped.
    cells.clear();
    cells.resize(static_cast<std::size_t>(n));
    PreferLargePages(cells.data(), cells.size() * sizeof(std::int16_t));
  } catch (const std::bad_alloc&) {
    GridReadResult r;
    r.fault = GridFault::TooLarge;
    r.count = n;
    return r;
  }
  return {};
}

std::string SystemReason(int error) { return std::generic_category().message(error); }

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool GridHeader::Contains(double latitude, double eastLongitude) const {
  const double tolerance = cellSize / 2;
  return latitude >= south - tolerance && latitude <= North() + tolerance &&
         eastLongitude >= west - tolerance && eastLongitude <= East() + tolerance;
}

GridReadResult ParseGridHeader(std::string_view text, GridHeader& header, std::size_t& bodyOffset) {
  static constexpr std::string_view kKeys[6][2] = {
      {"ncols", ""},         {"nrows", ""},     {"xllcorner", "xllcenter"},
      {"yllcorner", "yllcenter"}, {"cellsize", ""}, {"nodata_value", ""},
  };
  double values[6] = {};
  std::size_t pos = 0;
  for (int i = 0; i < 6; ++i) {
    GridReadResult bad;
    bad.fault = GridFault::HeaderLine;
    bad.line = i + 1;
    if (pos >= text.size()) return bad;
    std::size_t nl = text.find('\n', pos);
    std::string_view line = text.substr(pos, nl == std::string_view::npos ? text.size() - pos : nl - pos);
    pos = nl == std::string_view::npos ? text.size() : nl + 1;
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    bad.text = Excerpt(line);
    const std::size_t gap = line.find_first_of(" \t");
    if (gap == std::string_view::npos) return bad;
    std::string key(line.substr(0, gap));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (key != kKeys[i][0] && key != kKeys[i][1]) return bad;
    std::string_view value = line.substr(gap);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    if (!ParseHeaderReal(value, values[i])) return bad;
  }
  auto impossible = [&](int line) {
    GridReadResult r;
    r.fault = GridFault::HeaderValue;
    r.line = line;
    return r;
  };
  for (int i : {0, 1}) {
    const double v = values[i];
    if (v != std::floor(v) || v < 2 || v > kMaxGridSide) return impossible(i + 1);
  }
  header.columns = static_cast<int>(values[0]);
  header.rows = static_cast<int>(values[1]);
  header.west = RoundTo(values[2], 0.001);
  header.south = RoundTo(values[3], 0.001);
  header.cellSize = SnapCellSize(values[4]);
  header.noData = values[5];
  if (static_cast<long long>(header.columns) * header.rows > kMaxGridCells) {
    GridReadResult r;
    r.fault = GridFault::TooLarge;
    r.count = static_cast<long long>(header.columns) * header.rows;
    return r;
  }
  if (header.west < -180 || header.west > 180) return impossible(3);
  if (header.south < -90 || header.south > 90) return impossible(4);
  if (!(header.cellSize > 0) || header.cellSize > 5) return impossible(5);
  if (header.North() > 90 + header.cellSize) return impossible(4);
  bodyOffset = pos;
  return {};
}

GridReadResult ParseElevationGrid(std::string_view text, ElevationGrid& grid,
                                  const TaskControl& control) {
  std::size_t body = 0;
  GridReadResult r = ParseGridHeader(text, grid.header, body);
  if (!r.ok()) return r;
  r = AllocateCells(grid.header, grid.cells);
  if (!r.ok()) return r;
  BodyParser parser(grid.header, grid.cells, control, text.size(), body);
  parser.Feed(text.substr(body));
  r = parser.Finish();
  if (r.ok()) control.Report(1.0);
  else grid.cells.clear();
  return r;
}

namespace {

GridReadResult CannotRead(const std::string& reason) {
  GridReadResult r;
  r.fault = GridFault::CannotRead;
  r.text = reason;
  return r;
}

// Opens a regular file for reading; its size in `size`.
std::unique_ptr<std::FILE, FileCloser> OpenGrid(const std::string& path, std::size_t& size,
                                                GridReadResult& result) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) {
    result = CannotRead(ec.message());
    return nullptr;
  }
  if (!std::filesystem::is_regular_file(status)) {
    result = CannotRead(SystemReason(std::filesystem::is_directory(status) ? EISDIR : EINVAL));
    return nullptr;
  }
  size = static_cast<std::size_t>(std::filesystem::file_size(path, ec));
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) result = CannotRead(SystemReason(errno));
  else std::setvbuf(file.get(), nullptr, _IONBF, 0);  // large reads: no second copy
  return file;
}

}  // namespace

GridReadResult ReadGridHeader(const std::string& path, GridHeader& header) {
  std::size_t size = 0;
  GridReadResult r;
  auto file = OpenGrid(path, size, r);
  if (!file) return r;
  std::string text(std::min<std::size_t>(size, 4096), '\0');
  text.resize(std::fread(text.data(), 1, text.size(), file.get()));
  std::size_t body = 0;
  return ParseGridHeader(text, header, body);
}

GridReadResult ReadElevationGrid(const std::string& path, ElevationGrid& grid,
                                 const TaskControl& control, std::size_t blockBytes) {
  const std::size_t kBlockBytes = std::max<std::size_t>(blockBytes, 4096);
  std::size_t size = 0;
  GridReadResult r;
  auto file = OpenGrid(path, size, r);
  if (!file) return r;

  // A block and the unfinished line carried over from the block before (at
  // most kMaxLineBytes). Not filled when made: pages never read into stay free.
  std::unique_ptr<char[]> buffer;
  std::size_t filled = 0;  // bytes of `buffer` holding text
  bool eof = false;
  // Reads more of the file behind the `filled` bytes at the buffer's front.
  auto readMore = [&]() -> bool {
    const std::size_t n = std::fread(buffer.get() + filled, 1, kBlockBytes, file.get());
    if (n < kBlockBytes) {
      if (std::ferror(file.get())) return false;
      eof = true;
    }
    filled += n;
    return true;
  };
  try {
    buffer.reset(new char[kBlockBytes + kMaxLineBytes]);
    PreferLargePages(buffer.get(), kBlockBytes + kMaxLineBytes);
    if (!readMore()) return CannotRead(SystemReason(errno));
    std::size_t body = 0;
    r = ParseGridHeader(std::string_view(buffer.get(), filled), grid.header, body);
    if (!r.ok()) return r;
    r = AllocateCells(grid.header, grid.cells);
    if (!r.ok()) return r;

    BodyParser parser(grid.header, grid.cells, control, size, body);
    std::size_t begin = body;
    while (true) {
      const std::string_view have(buffer.get() + begin, filled - begin);
      std::size_t cut = have.size();
      if (!eof) {
        const std::size_t nl = have.rfind('\n');
        cut = nl == std::string_view::npos ? 0 : nl + 1;
      }
      if (!parser.Feed(have.substr(0, cut))) break;
      if (eof) break;
      // Keep the unfinished line and read on behind it.
      const std::size_t rest = have.size() - cut;
      if (rest > kMaxLineBytes) {
        GridReadResult bad;
        bad.fault = GridFault::RowLength;
        bad.expected = grid.header.columns;
        bad.count = -1;
        grid.cells.clear();
        return bad;
      }
      std::memmove(buffer.get(), buffer.get() + begin + cut, rest);
      filled = rest;
      begin = 0;
      if (!readMore()) {
        grid.cells.clear();
        return CannotRead(SystemReason(errno));
      }
    }
    r = parser.Finish();
  } catch (const std::bad_alloc&) {
    r = {};
    r.fault = GridFault::TooLarge;
  }
  if (r.ok()) control.Report(1.0);
  else grid.cells.clear();
  return r;
}

}  // namespace kelvra::calc

#include "cli/cmd_table.h"

#include <ostream>
#include <string>
#include <vector>

#include "calc/tables/rise_set_table.h"
#include "calc/tables/symmetric_table.h"
#include "calc/tables/table_export.h"
#include "calc/tables/yearly_table.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "texts/tables.h"

namespace kelvra::cli {
namespace {

constexpr std::string_view kKinds = "eot, eot-longitude, declination, noon, riseset, symmetric";

std::string KindWord(const ParsedArgs& args) {
  if (args.Positional().empty()) {
    throw UsageError("the table is missing; use one of " + std::string(kKinds));
  }
  if (args.Positional().size() > 1) {
    throw UsageError("unexpected argument '" + args.Positional()[1] + "' (see --help)");
  }
  const std::string& word = args.Positional().front();
  for (std::string_view k : {"eot", "eot-longitude", "declination", "noon", "riseset", "symmetric"}) {
    if (word == k) return word;
  }
  throw UsageError("unknown table '" + word + "'; use one of " + std::string(kKinds));
}

void Reject(const ParsedArgs& args, const std::string& kind, std::initializer_list<const char*> options) {
  for (const char* o : options) {
    if (args.Has(o)) throw UsageError(std::string(o) + " does not apply to the " + kind + " table");
  }
}

calc::ExportFormat ReadFormat(const ParsedArgs& args) {
  calc::ExportFormat format;
  format.csv = args.Has("--csv");
  if (auto sep = args.Choice("--sep", {";", ","})) {
    if (!format.csv) throw UsageError("--sep: needs --csv");
    format.separator = (*sep)[0];
  }
  return format;
}

// Writes the bytes to -o FILE, or their UTF-8 lines to stdout.
int Emit(Invocation& inv, const std::string& bytes) {
  if (auto file = inv.args.Value("-o")) {
    if (file->empty()) throw UsageError("-o: needs a file name");
    const shell::SaveResult result = calc::SaveTableFile(*file, bytes);
    if (!result.ok) {
      inv.err << "kelvra table: " << shell::GetRaw(texts::tables::kOpenError) << *file << " ("
              << result.reason << ")\n";
      return kExitFile;
    }
    return kExitOk;
  }
  inv.out << calc::ExportBytesAsUtf8(bytes);
  return kExitOk;
}

int Run(Invocation& inv) {
  const ParsedArgs& args = inv.args;
  const std::string kind = KindWord(args);
  const int language = shell::CurrentLanguage();
  const shell::SiteSettings& site = shell::State().site;
  if (kind == "symmetric") {
    Reject(args, kind, {"--month", "--half", "--twilight", "--sep"});
    const auto values = args.Value("--values");
    if (!values) throw UsageError("--values is required; allowed 72, 120, 144, 180, 240, 288");
    const auto n = ParseInteger(*values);
    if (!n || !calc::IsSymmetricValueCount(*n)) {
      throw UsageError("--values: '" + *values + "' is not allowed; use one of 72, 120, 144, 180, 240, 288");
    }
    const char separator = args.Has("--csv") ? ';' : '/';
    return Emit(inv, calc::SymmetricTableBytes(
                         calc::BuildSymmetricTable(*n, site.year, separator, language)));
  }
  Reject(args, kind, {"--values"});
  const calc::ExportFormat format = ReadFormat(args);
  if (kind == "riseset") {
    const auto month = args.Integer("--month", 1, 12);
    const auto half = args.Integer("--half", 1, 2);
    if (month.has_value() == half.has_value()) {
      throw UsageError("give either --month 1..12 or --half 1|2");
    }
    astro::TwilightKind twilight =
        static_cast<astro::TwilightKind>(shell::State().general.twilightKind);
    if (auto t = args.Choice("--twilight", {"civil", "nautical", "astronomical"})) {
      if (half) throw UsageError("--twilight: the half-year table shows the sun only; use it with --month");
      twilight = *t == "civil" ? astro::TwilightKind::Civil
                 : *t == "nautical" ? astro::TwilightKind::Nautical
                                    : astro::TwilightKind::Astronomical;
    }
    const calc::Table table =
        half ? calc::BuildHalfYearTable(site, *half == 1 ? 1 : 7, language)
             : calc::BuildMonthTable(site, *month, twilight, language);
    return Emit(inv, calc::ExportTableBytes(table, format));
  }
  Reject(args, kind, {"--month", "--half", "--twilight"});
  calc::YearTableKind tableKind = calc::YearTableKind::EquationOfTime;
  if (kind == "eot-longitude") tableKind = calc::YearTableKind::EotWithLongitude;
  if (kind == "declination") tableKind = calc::YearTableKind::Declination;
  if (kind == "noon") tableKind = calc::YearTableKind::TrueNoon;
  return Emit(inv, calc::ExportTableBytes(calc::BuildYearlyTable(site, tableKind, language), format));
}

}  // namespace

const Command& TableCommand() {
  static const Command command{
      "table",
      "table eot|eot-longitude|declination|noon [--csv [--sep ';'|',']] [-o FILE]\n"
      "       kelvra table riseset (--month 1..12 | --half 1|2) "
      "[--twilight civil|nautical|astronomical] [--csv [--sep ';'|',']] [-o FILE]\n"
      "       kelvra table symmetric --values 72|120|144|180|240|288 [--csv] [-o FILE]",
      "the yearly, monthly, half-year and symmetric equation-of-time tables",
      {{"--csv", "", "cut the table into CSV fields (separator ';' unless --sep)"},
       {"--sep", "';'|','", "the CSV separator"},
       {"-o", "FILE", "write the file the tables window exports (Windows-1252, CR LF)"},
       {"--month", "1..12", "riseset: the month of the one-month table"},
       {"--half", "1|2", "riseset: the first or second half-year"},
       {"--twilight", "civil|nautical|astronomical",
        "riseset --month: the twilight shown (default: the stored kind)"},
       {"--values", "72|120|144|180|240|288", "symmetric: the number of values per year"}},
      Run};
  return command;
}

}  // namespace kelvra::cli

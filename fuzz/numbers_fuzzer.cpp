// Number parsing and formatting and the checks of input fields, on any text:
// nothing crashes, what is accepted lies in its range, formatting and
// parsing agree, and the plot writer's quick formatter gives the same text as
// the general one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/args.h"
#include "config/dial_fields.h"
#include "fuzz_support.h"
#include "output/hpgl_writer.h"
#include "shell/number_format.h"

namespace {

using namespace kelvra;

double RealFrom(const std::uint8_t* data) {
  double x;
  std::memcpy(&x, data, sizeof x);
  return x;
}

void Texts(std::string_view text, unsigned selector) {
  // IntegerText writes at most 217000000 in magnitude, the plot coordinate bound.
  if (auto i = shell::ParseInteger(text); i && *i >= -217000000 && *i <= 217000000) {
    KELVRA_FUZZ_CHECK(shell::ParseInteger(shell::IntegerText(*i)) == *i,
                      "an integer reads back from its text");
  }
  if (auto x = shell::ParseReal(text)) {
    KELVRA_FUZZ_CHECK(std::isfinite(*x), "a parsed real is finite");
    // Six decimals are exact to within half a unit of the sixth decimal.
    if (std::fabs(*x) < 1e12) {
      const auto back = shell::ParseReal(shell::FormatReal(6, 6, *x));
      KELVRA_FUZZ_CHECK(back && std::fabs(*back - *x) <= 0.5e-6 * (1 + 1e-9) + std::fabs(*x) * 1e-15,
                        "a real reads back from its text");
    }
  }
  (void)shell::FilterRealText(text);
  (void)cli::ParseReal(text);
  (void)cli::ParseInteger(text);

  const int lo = -static_cast<int>(selector % 1000), hi = static_cast<int>(selector % 3000);
  const auto i = shell::ReadCheckedInteger(text, lo, hi, "Feld", 7);
  // Accepted: a value in range, or the old value kept for an empty field.
  if (!i.error) KELVRA_FUZZ_CHECK((i.value >= lo && i.value <= hi) || i.value == 7, "integer in range");
  const auto r = shell::ReadCheckedReal(text, 1.5, "Feld", 90, -90);
  if (!r.error) KELVRA_FUZZ_CHECK(r.value >= -90 && r.value <= 90, "real in range");
  (void)shell::ReadReal(text, 2.5);

  // Every field of the settings layout through its check.
  const auto fields = config::Fields();
  const auto& field = fields[selector % fields.size()];
  fuzz::FreshState();
  const auto refs = config::CurrentFieldRefs();
  if (!config::SetFieldText(field, refs, text)) {
    const double v = field.get(refs);
    if (field.type == config::FieldType::Real || field.type == config::FieldType::Integer) {
      KELVRA_FUZZ_CHECK(v >= field.min && v <= field.max, "an accepted field value lies in its range");
    }
    (void)config::FieldText(field, refs);
  }
}

void Reals(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return;
  const double x = RealFrom(data);
  const int width = data[8] % 24;
  const int decimals = data[9] % 8;
  (void)output::FormatCoordinate(x);
  if (!std::isfinite(x) || decimals > width) return;
  const std::string general = shell::FormatReal(width, decimals, x);
  KELVRA_FUZZ_CHECK(output::FormatPlotReal(width, decimals, x) == general,
                    "the quick plot formatter agrees with FormatReal");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  fuzz::InstallQuietSink();
  const unsigned selector = data[0] | (data[1] << 8u);
  data += 2;
  size -= 2;
  Reals(data, size);
  Texts(std::string_view(reinterpret_cast<const char*>(data), size), selector);
  return 0;
}

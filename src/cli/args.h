// Parsing of subcommand arguments. Every problem is a UsageError whose text
// names the option and what it allows; the command line prints it and exits 2.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string_view name;      // "--lat"
  std::string_view valueName; // "DEG"; empty for a flag without value
  std::string_view help;
  bool repeatable = false;
};

class ParsedArgs {
 public:
  // Parses `args` (after the subcommand name) against `accepted`. Accepts
  // "--name value" and "--name=value". Unknown options, missing values and
  // repeated non-repeatable options throw UsageError.
  static ParsedArgs Parse(const std::vector<std::string>& args,
                          const std::vector<OptionSpec>& accepted);

  bool Has(std::string_view name) const;
  std::optional<std::string> Value(std::string_view name) const;
  const std::vector<std::string>& Values(std::string_view name) const;
  const std::vector<std::string>& Positional() const { return positional_; }

  // A real value of `name` within min..max (a comma counts as a point).
  std::optional<double> Real(std::string_view name, double min, double max) const;
  // An integer value of `name` within min..max.
  std::optional<int> Integer(std::string_view name, int min, int max) const;
  // One of the given words.
  std::optional<std::string> Choice(std::string_view name,
                                    const std::vector<std::string_view>& allowed) const;

 private:
  std::map<std::string, std::vector<std::string>, std::less<>> values_;
  std::vector<std::string> positional_;
};

// Locale-free number parsing of a whole text; nothing when it is not a number.
std::optional<double> ParseReal(std::string_view text);
std::optional<int> ParseInteger(std::string_view text);

}  // namespace kelvra::cli

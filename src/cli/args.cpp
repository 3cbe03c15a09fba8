#include "cli/args.h"

#include <charconv>
#include <cmath>

namespace kelvra::cli {

std::optional<double> ParseReal(std::string_view text) {
  std::string t(text);
  for (char& c : t) {
    if (c == ',') c = '.';
  }
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  double v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc{} || end != t.data() + t.size() || !std::isfinite(v)) {
    return std::nullopt;
  }
  return v;
}

std::optional<int> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return v;
}

namespace {
std::string FormatBound(double v) {
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, end);
}
}  // namespace

ParsedArgs ParsedArgs::Parse(const std::vector<std::string>& args,
                             const std::vector<OptionSpec>& accepted) {
  ParsedArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // A short option ("-o") counts as an option when a command declares it.
    bool shortOption = false;
    for (const auto& s : accepted) {
      if (arg.size() == 2 && arg[0] == '-' && arg[1] != '-' && s.name == arg) shortOption = true;
    }
    if (!shortOption && (arg.size() < 2 || arg.compare(0, 2, "--") != 0 || arg == "--")) {
      if (arg.size() > 1 && arg[0] == '-' && !ParseReal(arg)) {
        throw UsageError("unknown option '" + arg + "'");
      }
      parsed.positional_.push_back(arg);
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (auto eq = arg.find('='); eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    const OptionSpec* option = nullptr;
    for (const auto& s : accepted) {
      if (s.name == name) option = &s;
    }
    if (!option) throw UsageError("unknown option '" + name + "' (see --help)");
    std::string value;
    if (option->valueName.empty()) {
      if (inlineValue) throw UsageError(name + " takes no value");
    } else if (inlineValue) {
      value = *inlineValue;
    } else {
      if (i + 1 >= args.size()) {
        throw UsageError(name + " needs a value " + std::string(option->valueName));
      }
      value = args[++i];
    }
    auto& list = parsed.values_[name];
    if (!list.empty() && !option->repeatable) throw UsageError(name + " is given twice");
    list.push_back(value);
  }
  return parsed;
}

bool ParsedArgs::Has(std::string_view name) const { return values_.find(name) != values_.end(); }

std::optional<std::string> ParsedArgs::Value(std::string_view name) const {
  auto it = values_.find(name);
  if (it == values_.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

const std::vector<std::string>& ParsedArgs::Values(std::string_view name) const {
  static const std::vector<std::string> kNone;
  auto it = values_.find(name);
  return it == values_.end() ? kNone : it->second;
}

std::optional<double> ParsedArgs::Real(std::string_view name, double min, double max) const {
  auto text = Value(name);
  if (!text) return std::nullopt;
  auto v = ParseReal(*text);
  std::string range = "allowed " + FormatBound(min) + " .. " + FormatBound(max);
  if (!v) throw UsageError(std::string(name) + ": '" + *text + "' is not a number; " + range);
  if (*v < min || *v > max) {
    throw UsageError(std::string(name) + ": " + *text + " is out of range; " + range);
  }
  return v;
}

std::optional<int> ParsedArgs::Integer(std::string_view name, int min, int max) const {
  auto text = Value(name);
  if (!text) return std::nullopt;
  auto v = ParseInteger(*text);
  std::string range = "allowed " + std::to_string(min) + " .. " + std::to_string(max);
  if (!v) throw UsageError(std::string(name) + ": '" + *text + "' is not a whole number; " + range);
  if (*v < min || *v > max) {
    throw UsageError(std::string(name) + ": " + *text + " is out of range; " + range);
  }
  return v;
}

std::optional<std::string> ParsedArgs::Choice(std::string_view name,
                                              const std::vector<std::string_view>& allowed) const {
  auto text = Value(name);
  if (!text) return std::nullopt;
  for (auto a : allowed) {
    if (*text == a) return text;
  }
  std::string list;
  for (auto a : allowed) list += (list.empty() ? "" : ", ") + std::string(a);
  throw UsageError(std::string(name) + ": '" + *text + "' is not allowed; use one of " + list);
}

}  // namespace kelvra::cli

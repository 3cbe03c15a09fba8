// Reading the numbers back out of a plot file's text, for the graph tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace kelvra::calc::graphs::testing {

struct PlotCommand {
  std::string name;       // "PU", "PD", "SP", "LB", ...
  std::string argument;   // the text after the name (for LB: the label)
  std::vector<long> numbers;
};

// The commands of a plot text: split at ";" (a label runs to its ETX).
inline std::vector<PlotCommand> ParsePlot(const std::string& text) {
  std::vector<PlotCommand> commands;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ';' || text[i] == ' ') {
      ++i;
      continue;
    }
    PlotCommand c;
    c.name = text.substr(i, 2);
    i += 2;
    std::size_t end = c.name == "LB" ? text.find('\x03', i) : text.find(';', i);
    if (end == std::string::npos) end = text.size();
    c.argument = text.substr(i, end - i);
    if (c.name != "LB") {
      std::istringstream in(c.argument);
      long n;
      while (in >> n) c.numbers.push_back(n);
    }
    commands.push_back(c);
    i = end + 1;
  }
  return commands;
}

}  // namespace kelvra::calc::graphs::testing

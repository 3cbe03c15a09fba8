#include "calc/graphs/graph_inputs.h"

#include <algorithm>

#include "config/dial_parameters.h"

namespace kelvra::calc::graphs {

GraphSettings& Graphs() {
  static GraphSettings settings;
  return settings;
}

GraphInputs CurrentGraphInputs() {
  const shell::SharedState& state = shell::State();
  const config::DialParameters& dial = config::Dial();
  GraphInputs in;
  in.site = state.site;
  in.colors = state.colors;
  in.settings = Graphs();
  in.settings.sunPathSpan = std::clamp(in.settings.sunPathSpan, 0, 2);
  in.zoneTime = dial.zoneTime;
  in.otherHourInterval = std::clamp(dial.otherHourInterval, 0, 3);
  in.zodiacLinesPerMonth = std::clamp(dial.zodiacLinesPerMonth, 1, 4);
  in.showHorizon = dial.horizonProfile;
  if (Horizon().horizonProfileLoaded) {
    in.horizon = std::make_shared<const HorizonProfile>(Horizon().profile);
  }
  in.wallDeclination = dial.wallDeclination;
  in.inclination = dial.inclination;
  return in;
}

}  // namespace kelvra::calc::graphs

#include "cli/cmd_hpgl2dxf.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/json.h"
#include "output/hpgl_to_dxf.h"
#include "shell/messages.h"

namespace kelvra::cli {

namespace {

const char* StatusName(output::DxfConversionStatus status) {
  switch (status) {
    case output::DxfConversionStatus::Converted: return "converted";
    case output::DxfConversionStatus::InputUnreadable: return "inputUnreadable";
    case output::DxfConversionStatus::SameFile: return "sameFile";
    case output::DxfConversionStatus::NotHpgl: return "notHpgl";
    case output::DxfConversionStatus::NothingConverted: return "nothingConverted";
    case output::DxfConversionStatus::OutputFailed: return "outputFailed";
  }
  return "";
}

// Passes the converter's boxes on, except the one saying the file was saved:
// a command says nothing on success unless asked (--verbose).
class QuietOnSuccess final : public shell::MessageSink {
 public:
  QuietOnSuccess(shell::MessageSink& next, bool verbose) : next_(next), verbose_(verbose) {}
  shell::MessageAnswer Show(shell::MessageKind kind, std::string_view text,
                            shell::MessageButtons buttons) override {
    if (kind == shell::MessageKind::Information && !verbose_) return shell::MessageAnswer::Ok;
    return next_.Show(kind, text, buttons);
  }

 private:
  shell::MessageSink& next_;
  bool verbose_;
};

int Run(Invocation& inv) {
  const auto& positional = inv.args.Positional();
  if (positional.size() != 2) {
    throw UsageError("needs the plot file and the DXF file: hpgl2dxf IN.plt OUT.dxf");
  }
  int divisor = 40;
  if (auto d = inv.args.Choice("--divisor", {"40", "1000"})) divisor = *d == "1000" ? 1000 : 40;
  int lineStrength = inv.args.Integer("--line-strength", 1, 3).value_or(1);

  QuietOnSuccess quiet(shell::CurrentMessageSink(), inv.args.Has("--verbose"));
  const shell::ScopedMessageSink scoped(quiet);
  const output::DxfConversionResult result =
      output::ConvertHpglToDxf(positional[0], positional[1], lineStrength, divisor);

  if (inv.json) {
    JsonWriter json;
    json.BeginObject()
        .Field("input", positional[0])
        .Field("output", positional[1])
        .Field("divisor", divisor)
        .Field("lineStrength", lineStrength)
        .Field("status", StatusName(result.status))
        .Field("converted", result.ok())
        .Key("vertices").Integer(result.vertices)
        .Key("notes").Integer(static_cast<long long>(result.notes.size()) + result.omittedNotes)
        .EndObject();
    inv.out << json.Text() << '\n';
  } else {
    // The same note for many commands of a file (a PW in front of every
    // line) is said once, with how often it came.
    std::vector<std::pair<std::string, long long>> counted;
    for (const auto& note : result.notes) {
      auto it = std::find_if(counted.begin(), counted.end(),
                             [&](const auto& c) { return c.first == note; });
      if (it == counted.end()) counted.emplace_back(note, 1);
      else ++it->second;
    }
    for (const auto& [note, count] : counted) {
      inv.err << "note: " << note;
      if (count > 1) inv.err << " (" << count << " times)";
      inv.err << '\n';
    }
    if (result.omittedNotes > 0) {
      inv.err << "note: " << result.omittedNotes << " further notes left out\n";
    }
  }
  if (result.status == output::DxfConversionStatus::SameFile) return kExitUsage;
  return result.ok() ? kExitOk : kExitFile;
}

}  // namespace

const Command& Hpgl2DxfCommand() {
  static const Command command{
      "hpgl2dxf",
      "hpgl2dxf IN.plt OUT.dxf [--divisor 40|1000] [--line-strength 1..3]",
      "converts an HPGL plot file into a DXF drawing (millimetres)",
      {
          {"--divisor", "40|1000",
           "plot units per millimetre: 40 for a plot file, 1000 for one written 25 times larger "
           "(default 40)"},
          {"--line-strength", "1..3", "initial polyline width: 1 thin (default), 2 medium, 3 thick"},
      },
      &Run,
  };
  return command;
}

}  // namespace kelvra::cli

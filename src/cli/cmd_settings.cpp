#include "cli/cmd_settings.h"

#include <ostream>

#include "cli/common_options.h"
#include "cli/json.h"
#include "config/dial_fields.h"
#include "persist/settings_file.h"
#include "persist/text_file.h"
#include "shell/safe_save.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::cli {

namespace {

// A JSON array of already written values.
std::string JsonArray(const std::vector<std::string>& values) {
  std::string text = "[";
  for (std::size_t i = 0; i < values.size(); ++i) text += (i ? "," : "") + values[i];
  return text + "]";
}

std::string JsonString(std::string_view s) { return JsonWriter().String(s).Text(); }

// `object` (a complete JSON object) with one more key holding raw JSON.
std::string WithRawKey(std::string object, std::string_view key, const std::string& raw) {
  object.pop_back();  // the closing brace
  if (object.size() > 1) object += ",";
  return object + JsonString(key) + ":" + raw + "}";
}

int Show(Invocation& inv) {
  const auto refs = config::CurrentFieldRefs();
  const auto& dates = shell::State().general.ownDateLines;
  if (inv.json) {
    JsonWriter json;
    json.BeginObject();
    for (const auto& f : config::Fields()) {
      json.Key(f.name);
      switch (f.type) {
        case config::FieldType::Real: json.Number(f.get(refs)); break;
        case config::FieldType::Integer: json.Integer(static_cast<long long>(f.get(refs))); break;
        case config::FieldType::Flag: json.Bool(f.get(refs) != 0); break;
        case config::FieldType::Letter: json.String(config::FieldText(f, refs)); break;
      }
    }
    json.EndObject();
    std::vector<std::string> items;
    for (const auto& d : dates) items.push_back(JsonString(d));
    inv.out << WithRawKey(json.Text(), "ownDates", JsonArray(items)) << '\n';
    return kExitOk;
  }
  for (const auto& f : config::Fields()) {
    inv.out << f.name << " = " << config::FieldText(f, refs) << '\n';
  }
  for (const auto& d : dates) inv.out << "ownDates = " << d << '\n';
  return kExitOk;
}

int Check(Invocation& inv, const std::string& file) {
  // The problems are listed below, once each; every question of the reader is
  // answered no, so nothing is written.
  const auto result = ReadSettingsQuietly(file);
  if (result.outcome == persist::ReadResult::Outcome::Missing) {
    inv.err << "kelvra settings: cannot read " << file << ": " << result.reason << '\n';
    return kExitFile;
  }
  if (inv.json) {
    JsonWriter json;
    json.BeginObject().Field("file", file).Field("damaged", result.outcome != persist::ReadResult::Outcome::Read);
    json.EndObject();
    std::vector<std::string> items;
    for (const auto& p : result.problems) {
      JsonWriter item;
      item.BeginObject().Field("line", p.line).Field("text", p.text).Field("fallback", p.fallback)
          .Field("stop", p.stop).EndObject();
      items.push_back(item.Text());
    }
    inv.out << WithRawKey(json.Text(), "problems", JsonArray(items)) << '\n';
  } else {
    for (const auto& p : result.problems) inv.out << ProblemLine("", file, p) << '\n';
    if (result.problems.empty()) inv.out << file << ": no problems\n";
  }
  return result.problems.empty() ? kExitOk : kExitFile;
}

int Write(Invocation& inv, const std::string& file) {
  std::vector<std::string> lines;
  persist::WriteSettings(lines, false);
  const shell::SaveResult saved = persist::SaveTextLines(file, lines);
  if (!saved.ok) {
    inv.err << "kelvra settings: cannot write " << file << ": " << saved.reason << '\n';
    return kExitFile;
  }
  return kExitOk;
}

int Run(Invocation& inv) {
  const auto& pos = inv.args.Positional();
  if (pos.empty()) throw UsageError("expected show, check FILE or write FILE");
  const std::string& action = pos[0];
  if (action == "show") {
    if (pos.size() != 1) throw UsageError("show takes no file (use --settings FILE)");
    return Show(inv);
  }
  if (action == "check" || action == "write") {
    if (pos.size() != 2) throw UsageError(action + " needs exactly one FILE");
    return action == "check" ? Check(inv, pos[1]) : Write(inv, pos[1]);
  }
  throw UsageError("unknown action '" + action + "'; allowed: show, check FILE, write FILE");
}

}  // namespace

const Command& SettingsCommand() {
  static const Command command{
      "settings",
      "settings show | check FILE | write FILE",
      "lists every field, checks a settings file, or writes a dial data file",
      {},
      Run,
  };
  return command;
}

}  // namespace kelvra::cli

#include "persist/dial_data_file.h"

#include <charconv>
#include <filesystem>
#include <vector>

#include "persist/text_file.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/persist.h"

namespace kelvra::persist {

namespace {

using shell::MessageKind;

std::string Trimmed(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

bool ToColour(const std::string& text, shell::ColorValue& value) {
  const std::string t = Trimmed(text);
  long long v = 0;
  auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || r.ec != std::errc{} || r.ptr != t.data() + t.size() || v < 0 || v > 0xFFFFFF) {
    return false;
  }
  value = static_cast<shell::ColorValue>(v);
  return true;
}

int FindLine(const std::vector<std::string>& lines, const char* marker, std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (Trimmed(lines[i]) == marker) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool SaveDialDataFile(const std::string& fileName) { return RewriteSettings(fileName); }

ReadResult LoadDialDataFile(const std::string& fileName) { return ReadSettings(fileName, true, true); }

bool SaveSettingsFile(const std::string& fileName) {
  std::vector<std::string> lines;
  WriteSettings(lines, true);
  const shell::SaveResult saved = StoreSettingsLines(fileName, lines);
  if (saved.ok) {
    shell::ShowMessage(MessageKind::Information,
                       fileName + "  " + shell::Get(texts::persist::kSaved));
    return true;
  }
  ShowNotSaved(fileName, saved);
  return false;
}

ReadResult LoadSettingsFile(const std::string& fileName) {
  auto result = ReadSettings(fileName, true, true);
  if (result.outcome == ReadResult::Outcome::Read) {
    shell::ShowMessage(MessageKind::Information, fileName + shell::Get(texts::persist::kLoaded));
  }
  return result;
}

bool SaveOwnDateLines(const std::string& path) {
  return WriteTextLines(path, shell::State().general.ownDateLines);
}

bool LoadOwnDateLines(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return false;
  auto lines = ReadTextLines(path);
  if (!lines) return false;
  auto& list = shell::State().general.ownDateLines;
  list.clear();
  for (auto& line : *lines) {
    if (!Trimmed(line).empty()) list.push_back(std::move(line));
  }
  return true;
}

bool SaveColours(const std::string& settingsFile) {
  std::error_code ec;
  auto lines = std::filesystem::exists(settingsFile, ec) ? ReadTextLines(settingsFile) : std::nullopt;
  if (!lines) {
    shell::ShowMessage(MessageKind::Problem,
                       settingsFile + shell::Get(texts::persist::kColoursMissing1) + "\n" +
                           shell::Get(texts::persist::kColoursMissing2));
    return false;
  }
  const int colours = FindLine(*lines, kColorsSection);
  if (colours < 0) {
    shell::ShowMessage(MessageKind::Error,
                       settingsFile + " :\n" + shell::Get(texts::persist::kNotSaved));
    return false;
  }
  // Drop up to 12 colour lines, stopping at "[Zeiten]", and put the current ones in.
  auto at = lines->begin() + colours + 1;
  for (int n = 0; n < 12 && at != lines->end() && Trimmed(*at) != kTimesSection; ++n) {
    at = lines->erase(at);
  }
  auto& set = shell::State().colors;
  std::vector<std::string> current;
  for (auto c : set.colors) current.push_back(std::to_string(c));
  lines->insert(lines->begin() + colours + 1, current.begin(), current.end());
  if (const shell::SaveResult saved = SaveTextLines(settingsFile, *lines); !saved.ok) {
    ShowNotSaved(settingsFile, saved);
    return false;
  }
  set.savedColors = set.colors;
  shell::ShowMessage(MessageKind::Information, shell::Get(texts::persist::kColoursSaved));
  return true;
}

void LoadColours(const std::string& settingsFile) {
  auto& set = shell::State().colors;
  std::error_code ec;
  auto lines = std::filesystem::exists(settingsFile, ec) ? ReadTextLines(settingsFile) : std::nullopt;
  if (!lines) {
    shell::ShowMessage(MessageKind::Warning,
                       settingsFile + shell::Get(texts::persist::kDeactivated));
    set.colors = shell::kDefaultColors;
    return;
  }
  const int colours = FindLine(*lines, kColorsSection);
  if (colours < 0) {
    shell::ShowMessage(MessageKind::Information, shell::Get(texts::persist::kNoColourSet));
    return;
  }
  std::size_t k = 0;
  for (std::size_t i = static_cast<std::size_t>(colours) + 1; i < lines->size() && k < 12; ++i) {
    const std::string& line = (*lines)[i];
    if (Trimmed(line) == kTimesSection) break;
    shell::ColorValue v = 0;
    if (ToColour(line, v)) {
      set.colors[k++] = v;
    } else {
      shell::ShowMessage(MessageKind::Error, line + " : " + shell::Get(texts::persist::kBadInput));
    }
  }
}

void ResetColours() { shell::State().colors.colors = shell::kDefaultColors; }

}  // namespace kelvra::persist

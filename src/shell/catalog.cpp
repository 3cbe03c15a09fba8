#include "shell/catalog.h"

#include <charconv>

#include "shell/resources.h"
#include "shell/shared_state.h"

namespace kelvra::shell {
namespace {

constexpr int kEnglishOffset = 2000;

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      char c = s[++i];
      if (c == 'n') out += '\n';
      else if (c == 't') out += '\t';
      else out += c;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::string_view ChopCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

void TextCatalog::AddRows(std::string_view fileName, std::string_view tsv,
                          std::vector<std::string>* problems) {
  auto report = [&](int lineNo, std::string_view what) {
    if (problems) {
      problems->push_back(std::string(fileName) + ":" + std::to_string(lineNo) + ": " +
                          std::string(what));
    }
  };
  int lineNo = 0;
  while (!tsv.empty()) {
    ++lineNo;
    std::size_t nl = tsv.find('\n');
    std::string_view line = ChopCr(tsv.substr(0, nl));
    tsv = nl == std::string_view::npos ? std::string_view{} : tsv.substr(nl + 1);
    if (line.empty() || line.front() == '#') continue;

    std::size_t tab1 = line.find('\t');
    std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos) {
      report(lineNo, "expected KEY<TAB>German<TAB>English");
      continue;
    }
    std::string_view key = line.substr(0, tab1);
    char table = key.empty() ? '\0' : key.front();
    int number = -1;
    auto [end, ec] = std::from_chars(key.data() + 1, key.data() + key.size(), number);
    // A T number of 2000 or more is a text of its own as long as no German
    // text below 2000 has its number as English slot (the check below).
    if (std::string_view("TABCFMN").find(table) == std::string_view::npos || ec != std::errc{} ||
        end != key.data() + key.size() || number < 0) {
      report(lineNo, "bad key '" + std::string(key) + "'");
      continue;
    }
    std::string german = Unescape(line.substr(tab1 + 1, tab2 - tab1 - 1));
    std::string english = Unescape(line.substr(tab2 + 1));
    if (table == 'T') {
      if (rows_.count({'T', number}) || rows_.count({'T', number + kEnglishOffset})) {
        report(lineNo, "key " + std::string(key) + " given twice");
        continue;
      }
      rows_[{'T', number}] = {german, german};
      rows_[{'T', number + kEnglishOffset}] = {english, english};
    } else {
      if (!rows_.emplace(std::pair{table, number}, std::pair{german, english}).second) {
        report(lineNo, "key " + std::string(key) + " given twice");
      }
    }
  }
}

std::string_view TextCatalog::Lookup(char table, int n, int language) const {
  auto it = rows_.find({table, n});
  if (it == rows_.end()) return {};
  return language == 2 ? it->second.second : it->second.first;
}

std::vector<std::pair<char, int>> TextCatalog::Keys() const {
  std::vector<std::pair<char, int>> keys;
  keys.reserve(rows_.size());
  for (const auto& [key, texts] : rows_) keys.push_back(key);
  return keys;
}

namespace {
struct BuiltinCatalog {
  TextCatalog catalog;
  std::vector<std::string> problems;
  BuiltinCatalog() {
    for (std::string_view name : ResourcesUnder("text/")) {
      if (name.size() < 4 || name.substr(name.size() - 4) != ".tsv") continue;
      catalog.AddRows(name, *FindResource(name), &problems);
    }
  }
};
const BuiltinCatalog& LoadBuiltin() {
  static const BuiltinCatalog builtin;
  return builtin;
}
}  // namespace

const TextCatalog& TextCatalog::Builtin() { return LoadBuiltin().catalog; }
const std::vector<std::string>& TextCatalog::BuiltinProblems() { return LoadBuiltin().problems; }

int CurrentLanguage() { return State().general.language == 2 ? 2 : 1; }

std::string GetRaw(texts::TextId id) {
  return std::string(TextCatalog::Builtin().Lookup('T', id.number + State().general.textOffset, 1));
}

std::string GetRawIn(texts::TextId id, int language) {
  return std::string(
      TextCatalog::Builtin().Lookup('T', id.number + (language == 2 ? kEnglishOffset : 0), 1));
}

std::string Get(texts::TextId id) {
  std::string text = GetRaw(id);
  std::erase(text, '&');
  return text;
}

std::string StripCaption(std::string_view text) {
  std::string out(text);
  std::erase_if(out, [](char c) { return c == '&' || c == ':'; });
  return out;
}

namespace {
std::string Current(char table, int n) {
  return std::string(TextCatalog::Builtin().Lookup(table, n, CurrentLanguage()));
}
}  // namespace

std::string MessageA(int row) { return Current('A', row); }
std::string MessageB(int row) { return Current('B', row); }
std::string CaptionText(int kind) { return Current('C', kind); }
std::string FileDialogTitle(int n) { return Current('F', n); }
std::string MonthAbbreviation(int month) { return Current('M', month); }
std::string MenuCaption(int n) { return Current('N', n); }

void SelectLanguage(bool german) {
  GeneralState& g = State().general;
  g.language = german ? 1 : 2;
  g.textOffset = german ? 0 : kEnglishOffset;
  g.languageIsGerman = german;
}

}  // namespace kelvra::shell

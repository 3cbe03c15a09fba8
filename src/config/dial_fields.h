// One table of every field of the site, the dial parameter record and the
// stored general switches: name, kind of value, range and accessor. The
// settings file, access by name (command line, tests) and the dialogs all use
// this table, so a field is described once.
//
// The range of a field is the one the parameter dialog checks when a page is
// left or the dialog closes (the record's accepted range). Where leaving the
// field itself checks a narrower or other range, the row holds that range
// too. Values are held as double in the table's accessors (flags 0/1, letters
// their character code).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::config {

// The records a field may live in.
struct FieldRefs {
  shell::SiteSettings* site = nullptr;
  DialParameters* dial = nullptr;
  shell::GeneralState* general = nullptr;
  shell::ColorSet* colors = nullptr;
};
// The process-wide records (shell::State() and Dial()).
FieldRefs CurrentFieldRefs();

enum class FieldType {
  Real,     // 64-bit real, any value in min..max
  Integer,  // whole number in min..max
  Flag,     // true/false (j/n accepted on input)
  Letter,   // one character of `letters`
};

struct FieldInfo {
  std::string_view name;    // "gnomonHeight", "latitude", "kind", ...
  FieldType type;
  double min;               // allowed range (Real, Integer)
  double max;
  std::string_view unit;    // "deg", "mm", "%", "code", ""
  double (*get)(const FieldRefs&);
  void (*set)(const FieldRefs&, double);
  std::string_view letters = {};  // allowed letters of a Letter field
  bool stored = true;       // false: not part of the settings file layout
  // The range checked when the parameter dialog's field is left, where it
  // differs from min..max (hasLeaveRange).
  bool hasLeaveRange = false;
  double leaveMin = 0;
  double leaveMax = 0;
};

// The range the parameter dialog checks when the field is left: the leave
// range of the row, otherwise min..max.
Range LeaveRange(const FieldInfo& field);
// min..max of the row.
Range RecordRange(const FieldInfo& field);

// Every field, in the order of the settings file; fields the file does not
// hold come last (stored == false).
std::span<const FieldInfo> Fields();
const FieldInfo* FindField(std::string_view name);

// The field's value as text: reals shortest round-trip with "." ("35", "-11.7"),
// integers plainly, flags "true"/"false", letters the letter.
std::string FieldText(const FieldInfo& field, const FieldRefs& refs);

// The allowed values as text: "5 .. 500", "true|false", "h|v|i|...".
std::string AllowedText(const FieldInfo& field);

// Parses `text` (locale-free; "," counts as "."), checks the range and stores
// the value. Returns an error text naming the field and its allowed values, or
// nothing on success. Nothing is stored on error.
std::optional<std::string> SetFieldText(const FieldInfo& field, const FieldRefs& refs,
                                        std::string_view text);
// "NAME=VALUE" by name; an unknown name is an error too.
std::optional<std::string> SetFieldByName(std::string_view name, std::string_view text,
                                          const FieldRefs& refs);

}  // namespace kelvra::config

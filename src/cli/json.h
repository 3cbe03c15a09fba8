// A small JSON writer for the --json output of the subcommands. Numbers are
// written at full double precision, locale-free.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvra::cli {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view value);
  JsonWriter& Number(double value);          // non-finite values become null
  JsonWriter& Number(std::optional<double> value);  // nothing becomes null
  JsonWriter& Integer(long long value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // Shorthands for "key": value.
  JsonWriter& Field(std::string_view key, std::string_view value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, const char* value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, double value) { return Key(key).Number(value); }
  JsonWriter& Field(std::string_view key, std::optional<double> value) { return Key(key).Number(value); }
  JsonWriter& Field(std::string_view key, int value) { return Key(key).Integer(value); }
  JsonWriter& Field(std::string_view key, bool value) { return Key(key).Bool(value); }

  const std::string& Text() const { return text_; }

 private:
  void Separate();
  std::string text_;
  bool needComma_ = false;
};

// Formats a double with the shortest text that reads back to the same value.
std::string FormatJsonNumber(double value);

}  // namespace kelvra::cli

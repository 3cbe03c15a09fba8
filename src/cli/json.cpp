#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kelvra::cli {

std::string FormatJsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, end);
}

void JsonWriter::Separate() {
  if (needComma_) text_ += ',';
  needComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  text_ += '{';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  text_ += '}';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Separate();
  text_ += '[';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  text_ += ']';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  String(key);
  text_ += ':';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
  Separate();
  text_ += '"';
  for (unsigned char c : value) {
    switch (c) {
      case '"': text_ += "\\\""; break;
      case '\\': text_ += "\\\\"; break;
      case '\n': text_ += "\\n"; break;
      case '\r': text_ += "\\r"; break;
      case '\t': text_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          text_ += buf;
        } else {
          text_ += static_cast<char>(c);
        }
    }
  }
  text_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Number(double value) {
  Separate();
  text_ += FormatJsonNumber(value);
  return *this;
}

JsonWriter& JsonWriter::Number(std::optional<double> value) {
  return value ? Number(*value) : Null();
}

JsonWriter& JsonWriter::Integer(long long value) {
  Separate();
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  Separate();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  Separate();
  text_ += "null";
  return *this;
}

}  // namespace kelvra::cli

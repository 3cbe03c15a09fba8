// Line-oriented text files as Kelvra keeps them on disk: the Windows Western
// code page (1252) with CR LF line ends. In memory lines are UTF-8 without line
// ends. Reading accepts LF and CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/safe_save.h"

namespace kelvra::persist {

// Converts between UTF-8 and Windows-1252. A character the target cannot hold
// becomes "?" (and an undefined 1252 byte U+FFFD when reading).
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view cp1252);

// The lines of a 1252 file as UTF-8, or nothing when it cannot be read (also
// when it is no regular file or larger than kMaxTextFileBytes). A last line
// without a line end counts; a final line end does not add an empty line.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);
// Splits already converted text into lines (CR LF or LF).
std::vector<std::string> SplitLines(std::string_view text);

// Writes the lines in 1252, each followed by CR LF, through a temporary file
// (shell/safe_save.h); the result names the system's reason of a failure.
shell::SaveResult SaveTextLines(const std::string& path, const std::vector<std::string>& lines);
// SaveTextLines(...).ok.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace kelvra::persist

// What a command says about a settings file it cannot use: one line per
// problem with what it did instead, and never a question meant for a window
// ("Soll sie erstellt werden?", "Korrektur jetzt durchführen ?"), which a
// command cannot answer. On success a command says nothing on stderr.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_fixture.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CommandMessagesTest : public CommandFixture {
 protected:
  // A settings file as the program writes it, with line `index` (from 0)
  // replaced by `text` when index >= 0.
  std::string WrittenSettings(const std::string& name, int index, const std::string& text) {
    const std::string path = File(name);
    const Result w = Kelvra({"settings", "write", path});
    EXPECT_EQ(w.status, 0) << w.err;
    if (index < 0) return path;
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
      const auto end = bytes.find("\r\n", start);
      lines.push_back(bytes.substr(start, end - start));
      start = end == std::string::npos ? bytes.size() : end + 2;
    }
    lines.at(static_cast<std::size_t>(index)) = text;
    std::ofstream outFile(path, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) outFile << l << "\r\n";
    return path;
  }
};

// Texts of the window's questions and boxes that must never reach a terminal.
const char* const kWindowTexts[] = {"Soll sie erstellt werden", "Korrektur jetzt",
                                    "INI-Datei ist fehlerhaft", "KELVRA.EXE", "gespeichert"};

TEST_F(CommandMessagesTest, ADamagedOrMissingSettingsFileIsOneLinePerProblem) {
  const std::string garbage = File("garbage.ini");
  std::ofstream(garbage, std::ios::binary) << "garbage\r\n";
  // The latitude line (line 1 from 0) is damaged: reading stops there.
  const std::string damaged = WrittenSettings("damaged.ini", 1, " abc;       47.25");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::size_t errLines;
    std::size_t outLines;
    const char* errHas;  // what the command says it did instead
  };
  const Case cases[] = {
      {{"settings", "show", "--settings", garbage}, 1, 1, 0, "nothing was written"},
      {{"settings", "show", "--settings", damaged}, 1, 1, 0, "damaged (line 1)"},
      {{"sun", "--date", "2024-06-21", "--time", "12:00", "--settings", damaged}, 1, 1, 0,
       "the command was not run"},
      // check lists the problems on stdout, once each, and asks nothing.
      {{"settings", "check", garbage}, 1, 0, 1, ""},
      {{"settings", "check", damaged}, 1, 0, 1, ""},
      {{"settings", "check", File("sub/kel.ini")}, 1, 1, 0, "cannot read"},
  };
  for (const auto& c : cases) {
    const std::string shown = c.args[0] + " " + c.args[1] + " " + c.args.back();
    const Result r = Kelvra(c.args);
    EXPECT_EQ(r.status, c.status) << shown << "\n" << r.err;
    EXPECT_EQ(Lines(r.err).size(), c.errLines) << shown << "\n" << r.err;
    EXPECT_EQ(Lines(r.out).size(), c.outLines) << shown << "\n" << r.out;
    EXPECT_NE(r.err.find(c.errHas), std::string::npos) << shown << "\n" << r.err;
    for (const char* text : kWindowTexts) {
      EXPECT_EQ(r.err.find(text), std::string::npos) << shown << ": " << text << "\n" << r.err;
      EXPECT_EQ(r.out.find(text), std::string::npos) << shown << ": " << text << "\n" << r.out;
    }
  }
  EXPECT_FALSE(fs::exists(File("sub/kel.ini")));  // not created behind the user's back
}

TEST_F(CommandMessagesTest, AnUnusableOwnDateIsOneLineAndTheCommandRuns) {
  // The last line holds an own date; "31.02." is no date, the reader drops it
  // and goes on, and the command runs with the rest of the file.
  const std::string path = WrittenSettings("date.ini", -1, "");
  std::ofstream(path, std::ios::binary | std::ios::app) << "31.02.\r\n";
  const Result r = Kelvra({"settings", "show", "--settings", path});
  EXPECT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(Lines(r.err).size(), 1u) << r.err;
  EXPECT_NE(r.err.find("kelvra settings: " + path + ": line "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("\"31.02.\""), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("latitude = "), std::string::npos);
}

TEST_F(CommandMessagesTest, ASuccessfulCommandSaysNothingOnStderr) {
  const std::string path = File("kel.ini");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"settings", "write", path},
           {"settings", "show", "--settings", path},
           {"settings", "check", path},
       }) {
    const Result r = Kelvra(args);
    EXPECT_EQ(r.status, 0) << args[1] << "\n" << r.err;
    EXPECT_EQ(r.err, "") << args[1];
  }
}

}  // namespace
}  // namespace kelvra::cli

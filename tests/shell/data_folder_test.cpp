#include <gtest/gtest.h>

#include <map>
#include <string>

#include "shell/resources.h"

namespace kelvra::shell {
namespace {

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
  return [values](std::string_view name) -> std::optional<std::string> {
    auto it = values.find(std::string(name));
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

// The installed layout (bin/ beside share/kelvra) and the build tree (src/
// beside share/kelvra) use one relative lookup; KELVRA_DATA_DIR overrides it.
TEST(DataFolder, FoundBesideTheExecutableOrWhereTheEnvironmentSays) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> environment;
    const char* executableFolder;
    const char* relative;
    const char* expected;
  };
  const Case cases[] = {
      {"installed under /usr", {}, "/usr/bin/", "../share/kelvra", "/usr/share/kelvra/"},
      {"installed in a prefix", {}, "/opt/k/bin", "../share/kelvra", "/opt/k/share/kelvra/"},
      {"build tree", {}, "/home/u/kelvra/build/src/", "../share/kelvra", "/home/u/kelvra/build/share/kelvra/"},
      {"other install layout", {}, "/usr/games/", "../share/games/kelvra", "/usr/share/games/kelvra/"},
      {"environment", {{"KELVRA_DATA_DIR", "/data/k"}}, "/usr/bin/", "../share/kelvra", "/data/k/"},
      {"empty environment value", {{"KELVRA_DATA_DIR", ""}}, "/usr/bin/", "../share/kelvra",
       "/usr/share/kelvra/"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DataFolderFor(Environment(c.environment), c.executableFolder, c.relative), c.expected)
        << c.name;
  }
}

TEST(DataFolder, ResourcesComeFromTheProgramAndTheDataFolder) {
  // The catalogue is built in; help pages and pictures are data files.
  EXPECT_TRUE(FindResource("text/shell.tsv").has_value());
  const auto page = FindResource("help/de/1.html");
  ASSERT_TRUE(page.has_value());
  EXPECT_NE(page->find("<"), std::string_view::npos);
  EXPECT_EQ(FindResource("help/de/1.html")->data(), page->data());  // read once
  const auto pictures = ResourcesUnder("pictures/");
  ASSERT_FALSE(pictures.empty());
  for (auto name : pictures) EXPECT_EQ(name.substr(0, 9), "pictures/");
  // Nothing outside the data folder is reachable through a resource path.
  EXPECT_FALSE(FindResource("../share/kelvra/help/de/1.html").has_value());
  EXPECT_FALSE(FindResource("help/../../../etc/passwd").has_value());
  EXPECT_FALSE(FindResource("/etc/passwd").has_value());
  EXPECT_FALSE(FindResource("help/de/no such page.html").has_value());
}

}  // namespace
}  // namespace kelvra::shell

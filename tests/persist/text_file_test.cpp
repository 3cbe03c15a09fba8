#include "persist/text_file.h"

#include <gtest/gtest.h>

namespace kelvra::persist {
namespace {

TEST(CodePage, Windows1252BothWays) {
  struct Case {
    std::string utf8;
    std::string cp1252;
  };
  const Case cases[] = {
      {"21. März", "21. M\xE4rz"},
      {"Grüße € – Maß", "Gr\xFC\xDF" "e \x80 \x96 Ma\xDF"},
      {"plain ASCII 0123", "plain ASCII 0123"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.cp1252) << c.utf8;
    EXPECT_EQ(Windows1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
  }
  // Characters the code page cannot hold, and broken UTF-8, become "?".
  EXPECT_EQ(Utf8ToWindows1252("a\xCE\xA9z"), "a?z");     // Greek Omega
  EXPECT_EQ(Utf8ToWindows1252("a\xC3z"), "a?z");          // truncated sequence
  EXPECT_EQ(Windows1252ToUtf8("a\x81z"), "a\xEF\xBF\xBDz");  // byte without a character
}

TEST(CodePage, SplitLinesAcceptsCrLfAndLf) {
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace kelvra::persist

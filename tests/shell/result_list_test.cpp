// The calculator's result list: blocks, taking back the last one, and the
// open printed page.
#include "shell/result_list.h"

#include <gtest/gtest.h>

namespace kelvra::shell {
namespace {

using Lines = std::vector<std::string>;

TEST(ResultListTest, CancelRemovesOnlyTheLastBlock) {
  ResultList r;
  EXPECT_FALSE(r.RemoveLastBlock());
  r.Append({"", "  ____", "a1", "  ____"});
  r.Append({"", "  ____", "b1", "b2", "  ____"});
  r.Append({});  // an empty computation adds no block
  EXPECT_EQ(r.BlockCount(), 2u);
  EXPECT_TRUE(r.RemoveLastBlock());
  EXPECT_EQ(r.Lines(), (Lines{"", "  ____", "a1", "  ____"}));
  EXPECT_TRUE(r.RemoveLastBlock());
  EXPECT_TRUE(r.Empty());
  EXPECT_FALSE(r.RemoveLastBlock());
}

TEST(ResultListTest, LinesWaitOnTheOpenPageUntilItEnds) {
  ResultList r;
  r.Append({"a"});
  r.SendWithoutPageEnd();
  EXPECT_TRUE(r.Empty());
  EXPECT_EQ(r.OpenPage(), (Lines{"a"}));
  // What was sent cannot be taken back.
  EXPECT_FALSE(r.RemoveLastBlock());
  r.Append({"b"});
  r.Append({"c"});
  EXPECT_EQ(r.SendWithPageEnd(), (Lines{"a", "b", "c"}));
  EXPECT_TRUE(r.Empty());
  EXPECT_TRUE(r.OpenPage().empty());
  // Ending the page prints only what waits on it; the collected lines stay.
  r.Append({"d"});
  r.SendWithoutPageEnd();
  r.Append({"e"});
  EXPECT_EQ(r.EndPage(), (Lines{"d"}));
  EXPECT_EQ(r.Lines(), (Lines{"e"}));
  EXPECT_TRUE(r.EndPage().empty());
}

}  // namespace
}  // namespace kelvra::shell

#include "shell/zodiac.h"

#include <gtest/gtest.h>

#include "shell/shared_state.h"

namespace kelvra::shell {
namespace {

TEST(ZodiacTest, TheTableFollowsTheReferenceYear) {
  State().site.year = 1600;
  EXPECT_EQ(CurrentZodiac().year, 1600);
  State().site.year = 2020;
  EXPECT_EQ(CurrentZodiac().year, 2020);
}

}  // namespace
}  // namespace kelvra::shell

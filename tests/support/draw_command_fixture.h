// The command fixture with `kelvra draw` and `kelvra listing` in place.
#pragma once

#include "cli/draw/cmd_draw.h"
#include "command_fixture.h"

namespace kelvra::cli {

class DrawCommandFixture : public CommandFixture {
 protected:
  void SetUp() override {
    AddCommand(DrawCommand());
    CommandFixture::SetUp();
  }
};

}  // namespace kelvra::cli

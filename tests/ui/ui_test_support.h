// Shared set-up of the window tests: one QApplication (offscreen platform),
// the shared records back at their defaults, German texts.
#pragma once

#include <gtest/gtest.h>

#include "support/recording_message_sink.h"

namespace kelvra::ui::uitest {

// Creates the application object once for the test process.
void EnsureApplication();
// Runs queued events (the main window opens a wizard's next step from the
// event loop).
void Pump();

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace kelvra::ui::uitest

// The window program: creates the application, installs the message boxes
// and shows the main window until it closes.
#pragma once

namespace kelvra::ui {

// Runs the window program; returns the process exit status.
int RunApplication(int argc, char** argv);

}  // namespace kelvra::ui

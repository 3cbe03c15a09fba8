// Message boxes of the window program: every box the core asks for is shown
// as a modal QMessageBox over the active window.
#pragma once

#include "shell/messages.h"

namespace kelvra::ui {

class QtMessageSink final : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind kind, std::string_view text,
                            shell::MessageButtons buttons) override;
};

}  // namespace kelvra::ui

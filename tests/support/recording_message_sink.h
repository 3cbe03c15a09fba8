// A MessageSink for tests: records every box shown and answers from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "shell/messages.h"

namespace kelvra::testing {

struct ShownMessage {
  shell::MessageKind kind;
  std::string caption;
  std::string text;
  shell::MessageButtons buttons;
};

class RecordingMessageSink final : public shell::MessageSink {
 public:
  // Installs itself as the current sink until destroyed.
  RecordingMessageSink() : scoped_(*this) {}

  // Answers to give, in order; when the script is empty the box gets its first
  // button (Ok or Yes).
  void Script(std::initializer_list<shell::MessageAnswer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
  }

  shell::MessageAnswer Show(shell::MessageKind kind, std::string_view text,
                            shell::MessageButtons buttons) override {
    shown.push_back({kind, shell::MessageCaption(kind), std::string(text), buttons});
    if (!answers_.empty()) {
      auto a = answers_.front();
      answers_.pop_front();
      return a;
    }
    switch (buttons) {
      case shell::MessageButtons::Ok:
      case shell::MessageButtons::OkCancel: return shell::MessageAnswer::Ok;
      default: return shell::MessageAnswer::Yes;
    }
  }

  std::vector<ShownMessage> shown;

 private:
  std::deque<shell::MessageAnswer> answers_;
  shell::ScopedMessageSink scoped_;
};

}  // namespace kelvra::testing

// Message boxes. Every box the program shows goes through the installed
// MessageSink: the windows show real boxes, the command line writes to stderr
// with fixed answers, tests record what was shown and script the answers.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace kelvra::shell {

// The caption kinds; each has a fixed German and English caption.
enum class MessageKind {
  Attention,    // "KELVRA.EXE - Achtung!" / "KELVRA.EXE - Attention!"
  Warning,      // "KELVRA.EXE - Warnung!" / "KELVRA.EXE - Warning!"
  Error,        // "KELVRA.EXE - Fehler!" / "KELVRA.EXE - Error!"
  Information,  // "KELVRA.EXE - Information!"
  Problem,      // "KELVRA.EXE - Problem!"
  Question,     // "KELVRA.EXE - Was nun?" / "KELVRA.EXE - Question"
};

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The caption of a box of this kind in the current language.
std::string MessageCaption(MessageKind kind);

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows `text` (UTF-8, "\n" for line breaks) with the caption of `kind` and
  // returns the button pressed.
  virtual MessageAnswer Show(MessageKind kind, std::string_view text,
                             MessageButtons buttons) = 0;
};

// Writes "caption: text" lines to standard error and never agrees to anything:
// Ok boxes answer Ok, every other box answers No or Cancel.
class StderrMessageSink final : public MessageSink {
 public:
  StderrMessageSink();  // writes to std::cerr
  explicit StderrMessageSink(std::ostream& out) : out_(&out) {}
  MessageAnswer Show(MessageKind kind, std::string_view text,
                     MessageButtons buttons) override;

 private:
  std::ostream* out_;
};

// The sink that ShowMessage uses; a StderrMessageSink until another is set.
MessageSink& CurrentMessageSink();
void SetMessageSink(MessageSink* sink);  // nullptr restores the default

// Shows a box through the current sink.
MessageAnswer ShowMessage(MessageKind kind, std::string_view text,
                          MessageButtons buttons = MessageButtons::Ok);

// Installs a sink for the lifetime of this object (tests, command line).
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink& sink);
  ~ScopedMessageSink();
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink* previous_;
};

}  // namespace kelvra::shell

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

// The command line's sink. A command cannot answer a question and says
// nothing on success, so: every box but a question is written as one
// "caption: text" line (line breaks of the box become blanks); questions are
// written only when verbose, with the answer given. It never agrees to anything: Ok boxes answer Ok, every other box
// answers No or Cancel, and the caller reports what it did instead.
class StderrMessageSink final : public MessageSink {
 public:
  StderrMessageSink();  // writes to std::cerr
  explicit StderrMessageSink(std::ostream& out, bool verbose = false)
      : out_(&out), verbose_(verbose) {}
  void SetVerbose(bool verbose) { verbose_ = verbose; }
  MessageAnswer Show(MessageKind kind, std::string_view text,
                     MessageButtons buttons) override;

 private:
  std::ostream* out_;
  bool verbose_ = false;
};

// A box's text on one line: each run of line breaks and the blanks around
// them becomes one blank; leading and trailing blanks are dropped.
std::string OneLine(std::string_view text);

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

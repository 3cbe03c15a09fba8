#include "shell/messages.h"

#include <iostream>

#include "shell/catalog.h"

namespace kelvra::shell {
namespace {

MessageSink* g_sink = nullptr;

StderrMessageSink& DefaultSink() {
  static StderrMessageSink sink;
  return sink;
}

}  // namespace

std::string MessageCaption(MessageKind kind) {
  return CaptionText(static_cast<int>(kind) + 1);
}

StderrMessageSink::StderrMessageSink() : out_(&std::cerr) {}

MessageAnswer StderrMessageSink::Show(MessageKind kind, std::string_view text,
                                      MessageButtons buttons) {
  *out_ << MessageCaption(kind) << ": " << text << '\n';
  switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::OkCancel: return MessageAnswer::Cancel;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
  }
  return MessageAnswer::Cancel;
}

MessageSink& CurrentMessageSink() { return g_sink ? *g_sink : DefaultSink(); }

void SetMessageSink(MessageSink* sink) { g_sink = sink; }

MessageAnswer ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) {
  return CurrentMessageSink().Show(kind, text, buttons);
}

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(g_sink) { g_sink = &sink; }
ScopedMessageSink::~ScopedMessageSink() { g_sink = previous_; }

}  // namespace kelvra::shell

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

std::string OneLine(std::string_view text) {
  std::string line;
  bool pendingBlank = false;
  bool breakSeen = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      breakSeen = true;
      continue;
    }
    if (c == ' ' && breakSeen) continue;  // indentation after a break
    if (breakSeen) {
      while (!line.empty() && line.back() == ' ') line.pop_back();
      pendingBlank = !line.empty();
      breakSeen = false;
    }
    if (pendingBlank) line += ' ';
    pendingBlank = false;
    line += c;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

MessageAnswer StderrMessageSink::Show(MessageKind kind, std::string_view text,
                                      MessageButtons buttons) {
  MessageAnswer answer = MessageAnswer::Cancel;
  switch (buttons) {
    case MessageButtons::Ok: answer = MessageAnswer::Ok; break;
    case MessageButtons::OkCancel: answer = MessageAnswer::Cancel; break;
    case MessageButtons::YesNo: answer = MessageAnswer::No; break;
    case MessageButtons::YesNoCancel: answer = MessageAnswer::Cancel; break;
  }
  if (kind == MessageKind::Question && !verbose_) return answer;
  *out_ << MessageCaption(kind) << ": " << OneLine(text);
  if (kind == MessageKind::Question) {
    *out_ << " -> " << (answer == MessageAnswer::No ? "no" : "cancel");
  }
  *out_ << '\n';
  return answer;
}

MessageSink& CurrentMessageSink() { return g_sink ? *g_sink : DefaultSink(); }

void SetMessageSink(MessageSink* sink) { g_sink = sink; }

MessageAnswer ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) {
  return CurrentMessageSink().Show(kind, text, buttons);
}

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(g_sink) { g_sink = &sink; }
ScopedMessageSink::~ScopedMessageSink() { g_sink = previous_; }

}  // namespace kelvra::shell

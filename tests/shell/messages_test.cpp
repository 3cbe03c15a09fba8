#include "shell/messages.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/recording_message_sink.h"
#include "shell/catalog.h"

namespace kelvra::shell {
namespace {

TEST(MessagesTest, CaptionsInBothLanguages) {
  struct Case { MessageKind kind; const char* german; const char* english; };
  const Case cases[] = {
      {MessageKind::Attention, "KELVRA.EXE - Achtung!", "KELVRA.EXE - Attention!"},
      {MessageKind::Warning, "KELVRA.EXE - Warnung!", "KELVRA.EXE - Warning!"},
      {MessageKind::Error, "KELVRA.EXE - Fehler!", "KELVRA.EXE - Error!"},
      {MessageKind::Information, "KELVRA.EXE - Information!", "KELVRA.EXE - Information!"},
      {MessageKind::Problem, "KELVRA.EXE - Problem!", "KELVRA.EXE - Problem!"},
      {MessageKind::Question, "KELVRA.EXE - Was nun?", "KELVRA.EXE - Question"},
  };
  for (const auto& c : cases) {
    SelectLanguage(true);
    EXPECT_EQ(MessageCaption(c.kind), c.german);
    SelectLanguage(false);
    EXPECT_EQ(MessageCaption(c.kind), c.english);
  }
  SelectLanguage(true);
}

TEST(MessagesTest, RecorderScriptsAnswersAndRestoresPreviousSink) {
  MessageSink* before = &CurrentMessageSink();
  {
    testing::RecordingMessageSink rec;
    rec.Script({MessageAnswer::No});
    EXPECT_EQ(ShowMessage(MessageKind::Question, "Weiter?", MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(ShowMessage(MessageKind::Error, "x"), MessageAnswer::Ok);
    ASSERT_EQ(rec.shown.size(), 2u);
    EXPECT_EQ(rec.shown[0].caption, "KELVRA.EXE - Was nun?");
    EXPECT_EQ(rec.shown[1].text, "x");
  }
  EXPECT_EQ(&CurrentMessageSink(), before);
}

TEST(MessagesTest, HeadlessSinkNeverSaysYes) {
  std::ostringstream err;
  StderrMessageSink sink(err);
  EXPECT_EQ(sink.Show(MessageKind::Question, "?", MessageButtons::YesNo), MessageAnswer::No);
  EXPECT_EQ(sink.Show(MessageKind::Question, "?", MessageButtons::YesNoCancel), MessageAnswer::Cancel);
  EXPECT_EQ(sink.Show(MessageKind::Problem, "?", MessageButtons::OkCancel), MessageAnswer::Cancel);
  EXPECT_EQ(sink.Show(MessageKind::Error, "bad", MessageButtons::Ok), MessageAnswer::Ok);
  EXPECT_NE(err.str().find("KELVRA.EXE - Fehler!: bad\n"), std::string::npos);
}

TEST(MessagesTest, HeadlessSinkWritesProblemsOnOneLineAndQuestionsOnlyWhenVerbose) {
  struct Case {
    MessageKind kind;
    const char* text;
    MessageButtons buttons;
    bool verbose;
    const char* written;
  };
  const Case cases[] = {
      // A box's line breaks become one blank each: one problem, one line.
      {MessageKind::Error, "a.ini : \nDie Datei ist fehlerhaft \r\n  und muss korrigiert", MessageButtons::Ok,
       false, "KELVRA.EXE - Fehler!: a.ini : Die Datei ist fehlerhaft und muss korrigiert\n"},
      // A note of what was done instead is said...
      {MessageKind::Information, "Breite und Länge\nvom Horizontprofil", MessageButtons::Ok, false,
       "KELVRA.EXE - Information!: Breite und Länge vom Horizontprofil\n"},
      // ...a question a command cannot answer only when asked for, with the answer.
      {MessageKind::Question, "Soll sie erstellt werden?", MessageButtons::YesNo, false, ""},
      {MessageKind::Question, "Die Datei fehlt.\nSoll sie erstellt werden?", MessageButtons::YesNo, true,
       "KELVRA.EXE - Was nun?: Die Datei fehlt. Soll sie erstellt werden? -> no\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream err;
    StderrMessageSink sink(err, c.verbose);
    sink.Show(c.kind, c.text, c.buttons);
    EXPECT_EQ(err.str(), c.written) << c.text;
  }
}

}  // namespace
}  // namespace kelvra::shell

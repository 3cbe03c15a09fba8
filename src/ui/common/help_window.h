// Help: HTML pages by topic number in German and English, built into the
// program under resources/help/<de|en>/<topic>.html, shown in one help window.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/common/retranslate.h"

class QKeyEvent;
class QTextBrowser;

namespace kelvra::ui {

// The help "file" of the current language: the folder of its pages.
QString HelpFolder();
// True when the help pages of the current language exist.
bool HelpFileExists();
// The message shown when the help of the current language is missing;
// `languageSwitch` adds the second line of the language switch.
QString HelpMissingMessage(bool languageSwitch);
// The HTML of a topic in the current language; empty when the page is absent.
QString HelpPage(int topic);

class HelpWindow : public QWidget, public Retranslatable {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows `topic`; reports a missing page with the help-file message and
  // returns false.
  bool ShowTopic(int topic);
  int Topic() const { return topic_; }
  void Retranslate() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* browser_;
  int topic_ = 4;
};

}  // namespace kelvra::ui

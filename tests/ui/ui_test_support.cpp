#include "ui_test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>

#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::ui::uitest {

void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "ui_test";
  static char* argv[] = {name, nullptr};
  QLocale::setDefault(QLocale::c());
  new QApplication(argc, argv);
}

void Pump() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

void UiTest::SetUp() {
  EnsureApplication();
  shell::State() = shell::SharedState{};
  shell::State().general.ownDateLines = shell::DefaultOwnDateLines();
  config::ResetDialParameters();
  shell::SelectLanguage(true);
}

void UiTest::TearDown() { Pump(); }

}  // namespace kelvra::ui::uitest

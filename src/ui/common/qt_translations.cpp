#include "ui/common/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace kelvra::ui {

namespace {

// The translators in use; they must live while installed.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

}  // namespace

bool UseQtTranslations(bool german) {
  auto& installed = Installed();
  for (auto& t : installed) QCoreApplication::removeTranslator(t.get());
  installed.clear();
  if (!german) return true;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // qtbase holds the texts of the widgets and standard dialogs.
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                        QStringLiteral("_"), folder))
    return false;
  QCoreApplication::installTranslator(translator.get());
  installed.push_back(std::move(translator));
  return true;
}

}  // namespace kelvra::ui

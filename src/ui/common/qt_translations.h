// Qt's own texts (the buttons and labels of the standard file, print and page
// set-up dialogs, message box buttons) in the program's language, from the
// translations Qt installs beside its libraries (Debian: qt6-translations-l10n).
#pragma once

namespace kelvra::ui {

// Installs Qt's German translations when `german`, removes them otherwise
// (Qt's own texts are English). Returns false when German was asked for and
// Qt's translation files are not installed; the dialogs then stay English.
bool UseQtTranslations(bool german);

}  // namespace kelvra::ui

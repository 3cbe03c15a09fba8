// Catalogue numbers of the persistence texts (resources/text/persist.tsv).
// Private to src/persist.
#pragma once

#include <string>

#include "shell/catalog.h"

namespace kelvra::persist::texts {

enum Text : int {
  kNotRegularFile = 1970,   // "ist keine gewöhnliche Datei (ein Ordner oder ein Gerät)"
  kTooLarge = 1971,         // "ist zu groß für eine Einstellungsdatei (mehr als 4 MB)"
  kDamagedValue = 1975,     // " : INI-Datei ist fehlerhaft!"
  kDamaged1 = 1976,         // "Die Datei ist fehlerhaft und muss korrigiert "
  kDamaged2 = 1977,         // "werden. Korrektur jetzt durchführen ?"
  kMissing = 1978,          // "Die Datei fehlt. Soll sie erstellt werden?"
  kMissingHint = 1979,      // "(Siehe auch Menü ...)"
  kBadDate = 1980,          // "Fehlerhaftes Datum "
  kIn = 1981,               // " in "
  kBackupSaved = 1982,
  kBackupFailed = 1983,
  kSaved = 1984,            // " gespeichert!"
  kNotSaved = 1985,         // "INI-Datei konnte nicht gespeichert werden! (Schreibgeschützt?)"
  kNoStoredColours = 1986,  // "Ursprüngliche Farbeinstellung nicht gefunden!"
  kNoSolution = 1987,       // "Die Aufgabe kann nicht gelöst werden!"
  kLoaded = 1988,           // " geladen!"
  kColoursMissing1 = 1989,  // " fehlt. (Weitere Information im Menü "
  kColoursMissing2 = 1990,
  kColoursSaved = 1992,     // "Farben in kel.ini gespeichert!"
  kBadInput = 1993,         // "Fehlerhafte Eingabe !"
  kNoColourSet = 1994,      // "Es ist keine Farbpalette gespeichert!"
  kDeactivated = 1995,      // " wurde deaktiviert!"
  kLine = 1996,             // "Line "
  kInLine = 1997,           // "In Line "
  kInLines = 1998,          // "In Lines "
  kColonLine = 1999,        // " : line "
};

inline std::string T(Text n) { return shell::Get(n); }

}  // namespace kelvra::persist::texts

// Names of the texts of resources/text/persist.tsv (the settings file, dial data files, own date lines and colour sets).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::persist {

inline constexpr TextId kNotRegularFile{1970};  // "ist keine gewöhnliche Datei (ein Ordner oder ein Gerät)"
inline constexpr TextId kTooLarge{1971};  // "ist zu groß für eine Einstellungsdatei (mehr als 4 MB)"
inline constexpr TextId kDamagedValue{1975};  // " : INI-Datei ist fehlerhaft!"
inline constexpr TextId kDamaged1{1976};  // "Die Datei ist fehlerhaft und muss korrigiert "
inline constexpr TextId kDamaged2{1977};  // "werden. Korrektur jetzt durchführen ?"
inline constexpr TextId kMissing{1978};  // "Die Datei fehlt. Soll sie erstellt werden?"
inline constexpr TextId kMissingHint{1979};  // "(Siehe auch Menü ...)"
inline constexpr TextId kBadDate{1980};  // "Fehlerhaftes Datum "
inline constexpr TextId kIn{1981};  // " in "
inline constexpr TextId kBackupSaved{1982};
inline constexpr TextId kBackupFailed{1983};
inline constexpr TextId kSaved{1984};  // " gespeichert!"
inline constexpr TextId kNotSaved{1985};  // "INI-Datei konnte nicht gespeichert werden! (Schreibgeschützt?)"
inline constexpr TextId kNoStoredColours{1986};  // "Ursprüngliche Farbeinstellung nicht gefunden!"
inline constexpr TextId kNoSolution{1987};  // "Die Aufgabe kann nicht gelöst werden!"
inline constexpr TextId kLoaded{1988};  // " geladen!"
inline constexpr TextId kColoursMissing1{1989};  // " fehlt. (Weitere Information im Menü "
inline constexpr TextId kColoursMissing2{1990};
inline constexpr TextId kColoursSaved{1992};  // "Farben in kel.ini gespeichert!"
inline constexpr TextId kBadInput{1993};  // "Fehlerhafte Eingabe !"
inline constexpr TextId kNoColourSet{1994};  // "Es ist keine Farbpalette gespeichert!"
inline constexpr TextId kDeactivated{1995};  // " wurde deaktiviert!"
inline constexpr TextId kLine{1996};  // "Line "
inline constexpr TextId kInLine{1997};  // "In Line "
inline constexpr TextId kInLines{1998};  // "In Lines "
inline constexpr TextId kColonLine{1999};  // " : line "

}  // namespace kelvra::texts::persist

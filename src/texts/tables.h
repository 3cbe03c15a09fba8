// Names of the texts of resources/text/tables.tsv (the tables window: the
// yearly, monthly and half-year tables, their export and printing, and the
// symmetric equation-of-time table).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::tables {

inline constexpr TextRun kYearlyTitle{700, 4};  // title of the yearly tables, kinds 0..3
inline constexpr TextId kZoneMeridian{704};  // " (Zonenmeridian = "
inline constexpr TextId kEotDefinition{705};  // "  Es gilt:  Zeitgleichung = wahre Ortszeit - mittlere Ortszeit"
inline constexpr TextId kZoneTimeRule{706};  // "  Es gilt: Zonenzeit (MEZ) = wahre Ortszeit - Tabellenwert"
inline constexpr TextId kValuesForNoon{707};  // "  Die Werte gelten für 12 Uhr Zonenzeit (= 13 Uhr Sommerzeit)!"
inline constexpr TextId kTimesExactFor{708};  // "  Zeitangaben sind bürgerliche Zeit, aber nicht Sommerzeit, genau für das Jahr  "
inline constexpr TextId kLongitudeCorrection{709};  // "  Zeitdifferenz für geogr. Länge"
inline constexpr TextId kMinSecUnit{710};  // " min:sec  "
inline constexpr TextId kSignature{711};  // "Kelvra"
inline constexpr TextRun kCaptionYearly{712, 4};  // window captions: kinds 0 and 1, kind 2, kind 3, rise and set
inline constexpr TextId kMonthTitle{716};  // " Auf-/Untergangszeiten von Sonne u. Mond im "
inline constexpr TextId kStandardTime{717};  // "Standard (Zonen)- Zeit"
inline constexpr TextId kNotDst{718};  // " und nicht Sommerzeit! "
inline constexpr TextId kPlace{719};  // "   Ort:"
inline constexpr TextId kMonthHead1{720};  // "Datum     Sonne      Dämmerung       Mond       EoT   Deklin"
inline constexpr TextId kMonthHead2{721};  // "        auf/unter   Ende /Anfang   auf /unter   mm:ss   Grad"
inline constexpr TextId kTwilightShown{722};  // "  Angezeigte Dämmerungsart: "
inline constexpr TextId kGregorianOmitted{723};  // "entfallen (im Gregorianischen Kalender)"
inline constexpr TextId kHalfYearTitle{724};  // "Auf-/Untergangszeiten der Sonne und Zeitgl. für "
inline constexpr TextId kHalfYearDate{725};  // "Datum "
inline constexpr TextId kHalfYearColumns{726};  // "Aufg./Unter Zeitgl.  "
inline constexpr TextRun kMonthList{727, 12};  // the month list of the one-month table
inline constexpr TextId kTableFor{739};  // "Tabelle für "
inline constexpr TextId kLongitudeEastNegative{740};  // "Länge (östlich neg.) ... "
inline constexpr TextId kLatitudeWord{741};  // "g.Breite"
inline constexpr TextId kSaveCaption{742};  // "KELVRA.EXE - Tabelle speichern"
inline constexpr TextId kSaveProposal{743};  // "Tabelle"
inline constexpr TextId kSaveFilter{744};  // "Textdatei (*.TXT)|*.TXT|Excel-Datei (*.CSV)|*.CSV"
inline constexpr TextId kCsvSeparatorQuestion{745};  // the separator question (two lines)
inline constexpr TextId kOpenError{746};  // "Open error: File  "
inline constexpr TextId kPrintError{747};  // "Fehler - Drucken abgebrochen!"
inline constexpr TextId kYearlyChoice{748};  // " Jahrestabelle fuer "
inline constexpr TextRun kYearlyKinds{749, 4};  // the four yearly tables
inline constexpr TextRun kRanges{753, 3};  // one month, first and second half-year
inline constexpr TextId kSymmetricCheck{756};  // "Symmetrische  EoT-Tabelle, Approximation"
inline constexpr TextId kSymmetricPanel{757};  // "     EoT-Werte 'symmetrisieren'     "
inline constexpr TextId kSymmetricYear{758};  // "gewähltes &Jahr"
inline constexpr TextRun kSymmetricCounts{759, 6};  // the numbers of values per year
inline constexpr TextId kSymmetricPrint{765};  // " Daten &drucken"
inline constexpr TextId kSymmetricSave{766};  // " Als &Text speichern"
inline constexpr TextId kSymmetricTitle{767};  // "EoT und "
inline constexpr TextId kSymmetricApproximation{768};  // "symmetrisierte Approximation"
inline constexpr TextId kSymmetricForYear{769};  // " für das Jahr "
inline constexpr TextId kSymmetricComputedFor{770};  // "berechnet für gegebene wahre Sonnenlänge L "
inline constexpr TextId kSymmetricLines{771};  // " lines )"
inline constexpr TextId kSymmetricProposal{772};  // "EoT-Paare"
inline constexpr TextId kSymmetricFilter{773};  // "Textfile(*.txt)|*.txt|Excel-Format (*.csv)|*.csv|alle Formate  (*.*)|*.*"
inline constexpr TextId kSaved{774};  // " gespeichert!"
inline constexpr TextId kActionCancelled{775};  // "Aktion abgebrochen!"
inline constexpr TextId kSaveError{776};  // "Save error: File  "
inline constexpr TextId kMenuSave{777};  // "Tabelle speichern"
inline constexpr TextId kMenuPrint{778};  // "Drucken"
inline constexpr TextId kMenuClose{779};  // "Schliessen"
inline constexpr TextId kGraphPlaceholder{780};  // "Grafik"
inline constexpr TextId kChooseSymmetricCount{781};  // "Bitte die Anzahl der Werte pro Jahr wählen!"
inline constexpr TextId kMonthChoice{782};  // "Monat"
inline constexpr TextId kRangeChoice{783};  // "Zeitraum"
inline constexpr TextId kTwilightChoice{784};  // "Dämmerung"
inline constexpr TextId kSaveButton{785};  // "save"
inline constexpr TextId kPrintButton{786};  // "&Print"
// After a file name: the export would replace another existing file.
inline constexpr TextId kReplaceOtherFile{950};  // "\nexistiert bereits. Ersetzen?"

}  // namespace kelvra::texts::tables

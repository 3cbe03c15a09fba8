// Names of the texts of resources/text/horizon.tsv (the horizon profile: the
// profile panel, profile files and elevation grids).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::horizon {

inline constexpr TextId kCaption{1100};             // "Horizontprofil erstellen"
inline constexpr TextId kCentre{1101};              // "Lage des Zentrums"
inline constexpr TextId kLatitude{1102};            // "Geogr.  &Breite :"
inline constexpr TextId kLongitude{1103};           // "Geogr. &Länge :"
inline constexpr TextId kDegrees{1104};             // "deg"
inline constexpr TextId kMinutes{1105};             // "min"
inline constexpr TextId kSeconds{1106};             // "sec"
inline constexpr TextId kMinimumDistance{1107};     // "Mindestabstand der Objekte"
inline constexpr TextId kPlatform{1108};            // "Podesthöhe"
inline constexpr TextId kRadius{1109};              // "Suchradius"
inline constexpr TextId kMetres{1110};              // "m"
inline constexpr TextId kKilometres{1111};          // "km"
inline constexpr TextId kStart{1112};               // "Start Berechnung"
inline constexpr TextId kCancel{1113};              // "&Abbruch"
inline constexpr TextId kStopCalculation{1114};     // "Berechnung abbrechen"
inline constexpr TextId kLoad{1115};                // "&neues Horizontprofil laden"
inline constexpr TextId kSave{1116};                // "Horizontprofil &speichern"
inline constexpr TextId kNoProfileLoaded{1117};     // "Kein Horizontprofil geladen."
inline constexpr TextId kProfile{1118};             // "Horizontprofil:"
inline constexpr TextId kReading{1119};             // "Lese Höhendaten"
inline constexpr TextId kComputing{1120};           // "Berechne Horizontprofil ..."
inline constexpr TextId kHighest{1121};             // "höchster Punkt:"
inline constexpr TextId kDegAtAzimuth{1122};        // "Grad bei Azimut"
inline constexpr TextId kLoadTitle{1130};           // "Horizontprofil einlesen"
inline constexpr TextId kProfileFilter{1131};       // "Horizontprofil (*.ele)"
inline constexpr TextId kAllFiles{1132};            // "Alle Dateien (*)"
inline constexpr TextId kGridTitle{1133};           // "SRTM-Höhendaten laden"
inline constexpr TextId kGridFilter{1134};          // "Hoehendaten (SRTM) (*.asc)"
inline constexpr TextId kSaveComputedTitle{1135};   // "Berechnetes Horizontprofil speichern"
inline constexpr TextId kSaveTitle{1136};           // "Horizontprofil speichern"
inline constexpr TextId kSiteTakenOver{1140};
inline constexpr TextId kNoProfileWasLoaded{1141};  // "Es wurde kein Horizontprofil geladen!"
inline constexpr TextId kLoadExisting{1142};
inline constexpr TextId kCentreOutside{1143};
inline constexpr TextId kLoadLater{1144};
inline constexpr TextId kComputeAnyway{1145};       // "Berechnung ausführen ?"
inline constexpr TextId kLoadMissingHead{1146};     // "Sollen fehlende Höhendaten im"
inline constexpr TextId kLoadMissingTail{1147};     // "jetzt nachgeladen werden?"
inline constexpr TextRun kDirectionNames{1148, 8};  // north, north-east, ... north-west
inline constexpr TextId kOtherCellSize{1156};
inline constexpr TextId kWrongFile{1157};           // "Falsche Datendatei!"
inline constexpr TextId kFalse{1158};               // "false!"
inline constexpr TextId kDataRow{1159};             // "In der Datenzeile"
inline constexpr TextId kThereWere{1160};           // "waren"
inline constexpr TextId kValuesInsteadOf{1161};     // "Höhendaten statt genau"
inline constexpr TextId kComputed{1162};            // "Horizontprofil erstellt!"
inline constexpr TextId kSiteHeight{1163};          // "Standorthöhe="
inline constexpr TextId kSaveError{1164};           // "Save error: File"
inline constexpr TextId kFileMissing{1165};         // "Die Datei fehlt. Soll sie erstellt werden?"
inline constexpr TextId kCancelQuestion{1166};      // "Abbrechen ?"
inline constexpr TextId kAnd{1167};                 // "und"
inline constexpr TextId kStopped{1168};
inline constexpr TextId kGroundUnknown{1169};
inline constexpr TextId kLine{1170};                // "Zeile"
inline constexpr TextId kCannotRead{1171};          // "Die Datei kann nicht gelesen werden:"
inline constexpr TextId kProfileTooLarge{1172};     // "Die Datei ist zu groß für ein Horizontprofil."
inline constexpr TextId kNoLatitude{1173};          // ": keine geogr. Breite zwischen -90 und 90"
inline constexpr TextId kNoLongitude{1174};         // ": keine geogr. Länge zwischen -180 und 180"
inline constexpr TextId kNoStart{1175};             // "Keine Zeile mit dem Azimut -180 gefunden."
inline constexpr TextId kOnlyPoints{1176};          // "Das Horizontprofil hat nur"
inline constexpr TextId kOf720{1177};               // "von 720 Punkten."
inline constexpr TextId kNotANumber{1178};          // ": keine Zahl:"
inline constexpr TextId kWrongAzimuth{1179};
inline constexpr TextId kOutOfRange{1180};
inline constexpr TextId kHeaderLine{1181};          // "Kopfzeile"
inline constexpr TextId kHeaderWrong{1182};         // "fehlt oder ist fehlerhaft; erwartet:"
inline constexpr TextId kHeaderImpossible{1183};    // "nennt einen unmöglichen Wert:"
inline constexpr TextId kGridTooLarge{1184};
inline constexpr TextId kValue{1185};               // ", Wert"
inline constexpr TextId kIsNoNumber{1186};          // "ist keine Zahl:"
inline constexpr TextId kHeightRange{1187};         // "liegt außerhalb -32767 .. 32767 m:"
inline constexpr TextId kFileHas{1188};             // "Die Datei hat"
inline constexpr TextId kRowsInsteadOf{1189};       // "Datenzeilen statt"
inline constexpr TextId kBeyondData{1190};
inline constexpr TextId kRowTooLong{1191};          // "ist länger als jede Datenzeile sein kann."

}  // namespace kelvra::texts::horizon

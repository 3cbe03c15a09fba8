// Names of the texts of resources/text/ui.tsv (the main window, the colour
// panel, the site dialog, the dial type dialog, the dial parameters dialog and
// the message-box buttons).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::ui {

// ---- the main window ------------------------------------------------------------

// The status bar.
inline constexpr TextId kStatusYear{1390};
inline constexpr TextId kStatusDialType{1391};
inline constexpr TextId kStatusExpert{1392};
inline constexpr TextId kStatusLatitude{1407};
inline constexpr TextId kStatusLongitude{1408};
inline constexpr TextId kStatusZone{1409};
// The slide show and the about panel.
inline constexpr TextId kStartGallery{1401};
inline constexpr TextId kStopGallery{1402};
inline constexpr TextId kGalleryInterval{1403};
inline constexpr TextId kAboutTitle{1404};
inline constexpr TextId kAboutLine{1405};
inline constexpr TextId kAboutOk{1406};
// Expert mode.
inline constexpr TextId kExpertModeIs{1440};       // "Experten-Modus = "
inline constexpr TextId kExpertOn{1441};           // " on!"
inline constexpr TextId kExpertOff{1442};          // "Der Experten-Modus ist ausgeschaltet."
inline constexpr TextId kExpertOffKinds{1443};     // "Manche Sonnenuhrenarten werden so nicht mehr berechnet."
inline constexpr TextId kExpertChangeInMenu{1444};
// The wizard.
inline constexpr TextId kWizardNext{1450};
inline constexpr TextId kWizardCancel{1451};
inline constexpr TextId kWizardHelp{1452};
inline constexpr TextId kWizardPart{1453};         // "Sonnenuhr erstellen, Teil "
// The pop-up menu.
inline constexpr TextId kPopupSaveSettings{1460};
inline constexpr TextId kPopupLoad{1461};
inline constexpr TextId kPopupSaveDates{1462};
inline constexpr TextId kPopupLoadDates{1463};
inline constexpr TextId kPopupSite{1464};
inline constexpr TextId kPopupDialType{1465};
inline constexpr TextId kPopupParameters{1466};
inline constexpr TextId kPopupDrawing{1467};
inline constexpr TextId kPopupHints{1468};
inline constexpr TextId kPopupClose{1469};
// Help, fonts, task windows to come.
inline constexpr TextId kHelpFile{1470};           // "Help file "
inline constexpr TextId kNotFound{1471};           // " not found!"
inline constexpr TextId kNoHelp{1472};
inline constexpr TextId kSymbolFontMissing{1473};
inline constexpr TextId kWindowFollows{1474};
inline constexpr TextId kHelpCaption{1475};
inline constexpr TextId kCalculatorCaption{1477};
inline constexpr TextId kTablesCaption{1478};
// The family names of the picture strip and the slide show.
inline constexpr TextId kFamilyHorizontal{1480};
inline constexpr TextId kFamilyVertical{1481};
inline constexpr TextId kFamilyInclining{1482};
inline constexpr TextId kFamilyUmbrella{1483};
inline constexpr TextId kFamilyShepherd{1484};
inline constexpr TextId kFamilyAzimuthal{1485};
inline constexpr TextId kFamilyQuadrant{1486};
inline constexpr TextId kFamilyHorizontalAltitude{1487};
inline constexpr TextId kFamilyRing{1488};
inline constexpr TextId kFamilyBifilar{1489};
// Settings and dial data files.
inline constexpr TextId kDialDataFilter{1495};
inline constexpr TextId kAllFilesFilter{1496};
inline constexpr TextId kSettingsSaved{1497};
inline constexpr TextId kLoaded{1498};
inline constexpr TextId kDefaultsLoaded{1499};

// ---- the colour panel -----------------------------------------------------------

inline constexpr TextId kColourPanelTitle{1393};
inline constexpr TextRun kColourLabels{1411, 12};  // "Farbe 1 :" .. "Farbe 12 :"
inline constexpr TextId kCurrentColours{1423};
inline constexpr TextId kStoredColours{1424};
inline constexpr TextId kLineWidth{1425};
inline constexpr TextRun kLineWidths{1426, 3};     // "dünn", "mittel", "stark"
inline constexpr TextId kSaveColours{1429};
inline constexpr TextId kLoadColours{1430};
inline constexpr TextId kResetColours{1431};
inline constexpr TextId kColourPanelClose{1432};
inline constexpr TextId kChooseColour{1433};

// ---- the site dialog --------------------------------------------------------------

inline constexpr TextId kSiteCaption{1500};
inline constexpr TextId kSiteLatitude{1501};
inline constexpr TextId kSiteLongitude{1502};
inline constexpr TextId kSiteZone{1503};
inline constexpr TextId kSouthNegative{1504};
inline constexpr TextId kEastNegative{1505};
inline constexpr TextId kNorth{1506};
inline constexpr TextId kSouth{1507};
inline constexpr TextId kEast{1508};
inline constexpr TextId kWestKey{1509};            // "&West"
inline constexpr TextId kWest{1510};               // "West"
inline constexpr TextId kSiteYear{1511};
inline constexpr TextId kYearRange{1512};
inline constexpr TextId kDecimal{1513};
inline constexpr TextId kDegreesMinutesSeconds{1514};
inline constexpr TextId kInputForm{1515};
inline constexpr TextId kEnterRestores{1516};
inline constexpr TextId kSiteClose{1517};
inline constexpr TextId kNextStep{1518};           // " &Nächstes... >" of the wizard
inline constexpr TextId kSiteCancel{1519};
inline constexpr TextId kMinutesName{1520};
inline constexpr TextId kSecondsName{1521};
inline constexpr TextId kDegreesHead{1522};
inline constexpr TextId kMinutesHead{1523};
inline constexpr TextId kSecondsHead{1524};
inline constexpr TextId kZoneFarFromLongitude{1525};
inline constexpr TextId kEastZone{1526};           // "Os&t"
inline constexpr TextId kCorrectInputFirst{1530};  // "Bitte zuerst die fehlerhafte Eingabe korrigieren!"

// ---- the dial type dialog -----------------------------------------------------------

inline constexpr TextRun kKindList{183, 14};       // the kind list's entries 0..13
inline constexpr TextId kTypeCaption{1540};
inline constexpr TextId kTypeListTitle{1541};
inline constexpr TextId kPlaneChoice{1542};
inline constexpr TextId kPlaneHorizontal{1543};
inline constexpr TextId kPlaneInclined{1544};
inline constexpr TextId kPlaneVertical{1545};
inline constexpr TextId kAltitudeChoice{1546};
inline constexpr TextId kQuadrant{1547};
inline constexpr TextId kHabermel1{1548};
inline constexpr TextId kHabermel2{1549};
inline constexpr TextId kCylinderChoice{1550};
inline constexpr TextId kShepherd{1551};
inline constexpr TextId kHat{1552};
inline constexpr TextId kPolarGnomon{1553};
inline constexpr TextId kCircleChoice{1554};
inline constexpr TextId kDateCircles{1555};
inline constexpr TextId kAltitudeCircles{1556};
inline constexpr TextId kWallDeclination{1557};
inline constexpr TextId kEasternNegative{1558};
inline constexpr TextId kDegreeUnit{1559};
inline constexpr TextId kGnomonDeclination{1560};
inline constexpr TextId kInclination{1561};
inline constexpr TextId kGnomonHeight{1562};
inline constexpr TextId kMonthScaleWidth{1563};
inline constexpr TextId kCylinderCircumference{1564};
inline constexpr TextId kCylinderRadius{1565};
inline constexpr TextId kDiameter{1566};
inline constexpr TextId kContinueWithF7{1567};
inline constexpr TextId kEmptyFieldRestores{1568};
inline constexpr TextId kTypeClose{1569};
inline constexpr TextId kTypeCancel{1570};         // also the parameters dialog's
inline constexpr TextId kWallOutOfRange{1571};
inline constexpr TextId kInclinationOutOfRange{1572};
inline constexpr TextId kHabermelGnomonTooLong{1573};
inline constexpr TextId kMillimetres{1574};

// ---- the message boxes ----------------------------------------------------------------

inline constexpr TextId kYes{1575};
inline constexpr TextId kNo{1576};
inline constexpr TextId kCancel{1577};
inline constexpr TextId kOk{1578};

// ---- the dial parameters dialog --------------------------------------------------------

inline constexpr TextRun kPageCaptions{1600, 10};  // pages 0..9
inline constexpr TextId kInputFor{1610};           // "Eingabe für "
// The dial named in the caption of the planar and bifilar pages.
inline constexpr TextId kPageHorizontal{1611};
inline constexpr TextId kPageVertical{1612};
inline constexpr TextId kPageInclining{1613};
inline constexpr TextId kPageUmbrellaHorizontal{1614};
inline constexpr TextId kPageUmbrellaVertical{1615};
inline constexpr TextId kPageUmbrellaInclining{1616};
// The planar page.
inline constexpr TextId kPlaneAndGnomon{1617};
inline constexpr TextId kPlanarWall{1618};
inline constexpr TextId kPlanarEasternNegative{1619};
inline constexpr TextId kPlanarInclination{1620};
inline constexpr TextId kPlanarGnomon{1621};
inline constexpr TextId kHourLines{1622};
inline constexpr TextId kApparentHours{1623};
inline constexpr TextRun kRangeHeads{1624, 3};     // from, to, interval
inline constexpr TextId kHourLinesForTime{1627};
inline constexpr TextId kAtLocalMeridian{1628};
inline constexpr TextId kAtZoneMeridian{1629};
inline constexpr TextId kLinesToFoot{1630};
inline constexpr TextId kMeanTimeHours{1631};
inline constexpr TextId kAdditionalLines{1632};
inline constexpr TextId kBabylonianHours{1633};
inline constexpr TextId kItalianHours{1634};
inline constexpr TextId kTemporalHours{1635};
inline constexpr TextId kExtendTemporal{1636};
inline constexpr TextId kAltitudeLines{1637};
inline constexpr TextId kPolarTriangle{1638};
inline constexpr TextId kDateLines{1639};
inline constexpr TextId kDateLineCount{1640};
inline constexpr TextRun kDateLineChoices{1641, 4};  // zodiac, 7th and 22nd, own list, none
inline constexpr TextId kSunshineDuration{1645};
inline constexpr TextId kMarkAnalemma{1646};
inline constexpr TextId kAnalemmaHour{1647};       // "&Uhr"
inline constexpr TextId kAnalemmaEveryMonth{1648};
inline constexpr TextRun kAnalemmaDays{1649, 5};
// The own date lines.
inline constexpr TextId kOwnDates{1654};
inline constexpr TextId kOwnDateList{1655};
inline constexpr TextId kOwnDateMask{1656};
inline constexpr TextId kOwnDateAdd{1657};
inline constexpr TextId kOwnDateDelete{1658};
inline constexpr TextId kOwnDatesSave{1659};
inline constexpr TextId kOwnDatesLoad{1660};
inline constexpr TextId kValueMustBePositive{1661};
inline constexpr TextId kNoOwnDates{1662};
inline constexpr TextId kHintSaveKey{1663};
inline constexpr TextId kHintLoadKey{1664};
inline constexpr TextId kPageFollows{1665};
inline constexpr TextId kHourUnit{1666};           // "  Uhr" after an hour
inline constexpr TextId kParametersClose{1667};

// The parameter pages: the azimuthal page.
inline constexpr TextId kAzimuthalSpacing{1360};  // "An&ordnung der Höhenkreise"
inline constexpr TextId kAzimuthalEqualSpacing{1361};  // "im gleichen Abstand"
inline constexpr TextId kAzimuthalTonneSpacing{1362};  // "Abstand nach Tonne (Horizontoskop)"
inline constexpr TextId kAzimuthalStereographic{1363};  // "Stereographische Sonnenuhr"
inline constexpr TextId kAzimuthalOrthographic{1364};  // "Orthographische Sonnenuhr"
inline constexpr TextId kAzimuthalHorizontoscope{1365};  // "Daten für Horizontoskop"
inline constexpr TextId kAzimuthalObserver{1366};  // "Abstand des Beobachters"
inline constexpr TextId kAzimuthalBasePlate{1367};  // "Grundplatte-Durchmesser"
inline constexpr TextId kAzimuthalZodiacLines{1368};  // "Zodiak-&Datumslinien"
inline constexpr TextRun kAzimuthalZodiacLinesPerMonth{1369, 4};  // 1, 2, 3 per month, solstices
inline constexpr TextId kAzimuthalSunOnPlate{1373};  // "Sonne auf dem Zifferblatt:"
inline constexpr TextId kAzimuthalCalendarDate{1374};  // "Kalenderdatum"
inline constexpr TextId kAzimuthalZodiacScale{1375};  // "Zodiak-Skala"
inline constexpr TextId kAzimuthalMonthLines{1376};  // "&Anordnung der Monatslinien"
inline constexpr TextId kAzimuthalJanuaryOutside{1377};  // "Januar außen"
inline constexpr TextId kAzimuthalDecemberOutside{1378};  // "Dezember außen"
inline constexpr TextId kAzimuthalEcliptic{1379};  // "&Ekliptik einzeichnen"
inline constexpr TextId kAzimuthalHorizonProfile{1380};  // "Horizontprofil anzei&gen"
inline constexpr TextId kConstructWithEot{1381};  // "&Konstruktion mit Zeitgleichung"
inline constexpr TextId kApparentTimeSwitch{1382};  // "&Wahre Ortszeit"
// The bifilar and umbrella page.
inline constexpr TextId kBifilarChoice{1670};  // "bifilare SU nach Michnik"
inline constexpr TextId kUmbrellaChoice{1671};  // "Schhirmsonnenuhren nach Soler"
inline constexpr TextId kBifilarClassic{1672};  // "klassische SU nach Michnik"
inline constexpr TextId kBifilarOnlyThreadOne{1673};  // "Nur Höhe von Faden 1 (Nord) ist einzugeben!"
inline constexpr TextId kBifilarTimeFor{1674};  // "Zeit für"
inline constexpr TextId kBifilarApparentLocal{1675};  // "wahre Ortszeit"
inline constexpr TextId kBifilarApparentZone{1676};  // "wahre Zonenzeit"
inline constexpr TextId kUmbrellaPlaneKind{1677};  // "&Art der Schirmsonnenuhr"
inline constexpr TextId kUmbrellaPlaneHorizontal{1678};  // "horizontal"
inline constexpr TextId kUmbrellaPlaneInclined{1679};  // "geneigte Pultebene"
inline constexpr TextId kUmbrellaPlaneVertical{1680};  // "vertikal"
inline constexpr TextId kUmbrellaRod{1681};  // "&Hoehe (= Stablänge  bis zur Kreisscheibe)"
inline constexpr TextId kUmbrellaDisk{1682};  // "&Radius der Kreisscheibe in % der  Höhe"
inline constexpr TextId kUmbrellaDiskNote1{1683};  // "(positiv: der Schatten des Scheibenrands zeigt die"
inline constexpr TextId kUmbrellaDiskNote2{1684};  // "negativ: wo der Scheibenschatten den Stabschatten "
inline constexpr TextId kUmbrellaDesk{1685};  // "Neigung der Pultuhr"
inline constexpr TextId kUmbrellaDeskNote{1686};  // "( Neigung < 90 Grad ! )"
inline constexpr TextId kUmbrellaWall{1687};  // "Südabweichung der Uhr"
inline constexpr TextId kUmbrellaDiskRadius{1688};  // "Schirmradius ="
inline constexpr TextId kUmbrellaDiskRange{1689};  // "Der Eingabewert muss zwischen -100 und 200 (= 200%"
inline constexpr TextId kBifilarThread1{1690};  // "Faden 1 (Nord)"
inline constexpr TextId kBifilarThread2{1691};  // "Faden 2"
inline constexpr TextId kUmbrellaLocalTime{1692};  // "Ortszeit"
inline constexpr TextId kUmbrellaZoneTime{1693};  // "Zonenzeit"
inline constexpr TextRun kBifilarPoints34{1694, 6};  // "P3.x = " .. "P4.z = "

}  // namespace kelvra::texts::ui

#include "outputs/wording.h"

namespace kvarn {

// In the terms of the German declaration of a fixed amateur station.
const Wording kGerman{
    .language = Language::de,
    .decimal = ',',

    .unlimited = "unbegrenzt",
    .stopped = "abgebrochen",
    .complies = "eingehalten",
    .leavesArea = "VERLÄSST BEREICH",
    .noZone = "KEINE ZONE",
    .tooClose = "ZU NAH",
    .exceeds = "ÜBERSCHRITTEN",
    .yes = "ja",
    .no = "NEIN",
    .ok = "ok",
    .over = "ÜBER",
    .noZoneBelow = "keine Zone darunter",
    .above100 = "über 100",

    .frequency = "Frequenz",
    .atFeed = "an Antenne",
    .limitE = "Grenzwert E",
    .limitH = "Grenzwert H",
    .maxE = "max. E",
    .maxH = "max. H",
    .safety = "Abstand",
    .maxPower = "max. Leistung",
    .verdict = "Ergebnis",
    .feedImpedance = "Fußpunktimpedanz",
    .swr50 = "SWV 50 Ohm",
    .segments = "Segmente",
    .maxCurrent = "max. Strom",
    .horizontal = "waagerecht",
    .lowestWord = "unterste Höhe",
    .insideTheArea = "im kontr. Bereich",
    .margin = "Abstand zur Grenze",
    .place = "Ort",
    .placesHeading = "Orte",

    .distanceLine = "Systembezogener Sicherheitsabstand: {} von der Antenne in jeder Richtung; "
                    "von oben gesehen {} vom Draht",
    .distanceLowest = "; die Zone reicht bis {} über dem Boden hinab",
    .exactZoneFloor = " Das exakte Modell kann Punkte näher als 2,1 m an seinen Elementen nicht "
                      "bewerten: seine Zone ist nie dünner.",
    .criterionArea = "Kriterium: die Zone jedes Bandes liegt im kontrollierbaren Bereich (dem "
                     "eigenen Grundstück in jeder Höhe, außerhalb davon ab {} über dem Boden) "
                     "und berührt seine Grenze nirgends.",
    .criterionGrid = "Kriterium: kein Punkt des Rasters überschreitet einen Grenzwert oder liegt "
                     "zu nah an der Antenne, um bewertet zu werden (mit Angaben zum Standort, "
                     "[site], wird die Zone am kontrollierbaren Bereich gemessen).",
    .remarkStopped = "{}: die Berechnung brach ab: {}.",
    .remarkNoneAssessed = " Kein Punkt des Rasters konnte bewertet werden.",
    .remarkPowerOfOthers = " „max. Leistung“ ist die Leistung, bei der die bewertbaren Punkte "
                           "ihre Grenzwerte erreichen.",
    .remarkNoZone = "{}: die Zone konnte nicht gesucht werden: {}.",
    .tooCloseOne = "1 Punkt liegt für das Modell zu nah am Draht und kann nicht bewertet werden; "
                   "er gilt bei jeder Leistung als über den Grenzwerten.",
    .tooCloseMany = "{} Punkte liegen für das Modell zu nah am Draht und können nicht bewertet "
                    "werden; sie gelten bei jeder Leistung als über den Grenzwerten.",
    .resultNote = "Prozentangaben beziehen sich auf die Grenzwerte der Feldstärke bei der "
                  "Frequenz des Bandes; „max. Leistung“ ist die höchste Senderausgangsleistung, "
                  "bei der jeder bewertbare Punkt die Grenzwerte einhält, abgerundet. „Abstand“ "
                  "ist der Sicherheitsabstand des Bandes.",
    .siteNote = "Mit einem Grundstück folgt das Ergebnis der Zone im Vergleich zum "
                "kontrollierbaren Bereich; „max. E“, „max. H“ und „max. Leistung“ beziehen sich "
                "auf die Punkte des Rasters, wo sich Menschen aufhalten.",

    .stationLine = "Station „{}“: {}; Grenzwerte: {}",
    .antennaLine = "Antenne „{}“: {}",
    .ofWire = " Draht, ",
    .fedAt = ", Einspeisepunkt {} vom ersten Eckpunkt, Drahtdurchmesser {}, {}",
    .inFreeSpace = " im Freiraum",

    .standingWaveModel = "Stehwellenmodell",
    .shortModel = "Kurzmodell",
    .momentsModel = "Momentenmethode",
    .momentsShort = "Momentenmethode",
    .freeSpace = "Freiraum",
    .perfectGround = "ideal leitender Boden",
    .realGround = "realer Boden",
    .inFreeSpaceGround = "im Freiraum",
    .overPerfectGround = "über ideal leitendem Boden",
    .overRealGround = "über realem Boden",
    .soilValues = "relative Permittivität {}, Leitfähigkeit {} S/m",
    .soilPoor = "schlecht leitender Boden",
    .soilAverage = "mittlerer Boden",
    .soilGood = "gut leitender Boden",
    .soilSea = "Meerwasser",
    .soilCity = "Stadtgebiet",
};

} // namespace kvarn

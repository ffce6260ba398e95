#include "outputs/report_wording.h"

namespace kvarn {

// In the terms of the German declaration of a fixed amateur station.
const ReportWording kGermanReport{
    .bandName = "{}-Band",
    .atTheFeed = "{} an der Antenne",
    .atTheTransmitter = "{} Senderausgangsleistung",

    .limitsLine = "Grenzwerte: {}: {}",
    .siteMapTitle = "Standort: {} gleichzeitig sendende Antennen, ihre Expositionen summiert",
    .siteMapLimits = "Summe der Quotienten nach {}: 100 % = Grenzwert der Summe",

    .title = "Titel",
    .wire = "Draht",
    .wireFacts = ", {} Eckpunkte, {}",
    .corners = "Eckpunkte",
    .cornersIn = "(x; y; z) in m: ",
    .point3 = "(%g; %g; %g)",
    .feed = "Einspeisepunkt",
    .feedAlong = "{} entlang des Drahtes vom ersten Eckpunkt",
    .wireDiameter = "Drahtdurchmesser",
    .ground = "Boden",
    .exactGround = "Freiraum (das Modell kennt keinen Boden)",
    .grid = "Raster",
    .gridFacts = "x {} bis {} m, y {} bis {} m, Schrittweite {} m: {} x {} Punkte",
    .heights = "Berechnungshöhen",
    .heightsAbove = "{} m über dem Boden",
    .listSeparator = "; ",
    .listAnd = " und ",
    .standingWaveDescription = "Stehwellenmodell (Freiraum)",
    .shortDescription = "Kurzmodell (der ganze Draht als ein Halbwellenstrahler, Freiraum)",
    .momentsDescription = "Momentenmethode (die Ströme des Drahtes aus seinem Einspeisepunkt)",

    .band = "Band",
    .transmitter = "Senderausgangsleistung",
    .modeFactor = "Betriebsartenfaktor",
    .timeShare = "Sendezeitanteil",
    .loss = "Kabeldämpfung",
    .atTheFeedColumn = "Leistung an der Antenne",
    .limitSet = "Grenzwerte",
    .source = "Quelle",

    .assessmentOf = "Berechnung der Feldstärken für „{}“",
    .assessedOn = "Berechnet am {} mit kvarn {} aus der Stationsdatei {}.",
    .stationHeading = "Antenne",
    .powerChainHeading = "Leistung",
    .limitsHeading = "Grenzwerte",
    .resultsHeading = "Ergebnisse",
    .zoneHeading = "Sicherheitsabstand und Zone",
    .placesHeading = "Orte",
    .verdictHeading = "Ergebnis",

    .verdictStopped = "{}die Berechnung brach ab, es gibt kein Ergebnis.",
    .verdictComplies = "{}eingehalten, auch bis {}.",
    .verdictNotComplying = "{}nicht eingehalten: {}",
    .verdictAssessedKeep = " Die bewertbaren Punkte halten ihre Grenzwerte bis {} ein.",
    .verdictExceeds = "{}Grenzwert ÜBERSCHRITTEN; eingehalten bis {}",
    .verdictExceedsBut = ", aber ",
    .verdictLeaves = "{}die Zone VERLÄSST den kontrollierbaren Bereich oder berührt seine Grenze.",
    .verdictNoZone = "{}die Zone konnte nicht gesucht und daher nicht mit dem kontrollierbaren "
                     "Bereich verglichen werden.",
    .overallStopped = "Die Berechnung brach bei einem Band ab: die Bewertung ist unvollständig.",
    .overallComplies = "Alle Bänder halten die Grenzwerte ein.",
    .overallNot = "Nicht alle Bänder halten die Grenzwerte ein: siehe die mit ÜBERSCHRITTEN, ZU "
                  "NAH oder VERLÄSST BEREICH markierten Bänder.",

    .bandStopped = "Die Berechnung brach ab: {}. Es gibt keine Karte.",
    .distanceFacts = "{} von der Antenne in jeder Richtung; von oben gesehen {} vom Draht; "
                     "unterster Punkt {} über dem Boden",
    .notKnown = "nicht bekannt: {}",
    .verdictLabel = "Ergebnis",
    .highestE = "Höchste Feldstärke E",
    .highestH = "Höchste Feldstärke H",
    .safetyDistance = "Systembezogener Sicherheitsabstand",
    .highestPower = "Höchste Leistung",
    .heightsLabel = "Berechnungshöhen",
    .heightsWorst = "{} m; die Karte zeigt den höchsten Wert über alle",
    .feedLabel = "Einspeisepunkt",
    .areaLabel = "Kontrollierbarer Bereich",
    .compliesWord = "eingehalten",
    .doesNotComply = "nicht eingehalten: {}",
    .exceedsLimit = "Grenzwert ÜBERSCHRITTEN",
    .leavesAreaWord = "nicht eingehalten: die Zone VERLÄSST den kontrollierbaren Bereich",
    .peakOf = "{} ({} von {}) bei x {}, y {}, Höhe {}",
    .tenHighest = "Die zehn höchsten Punkte",
    .highest = "Die höchsten Punkte",
    .heightColumn = "Höhe (m)",
    .ofLimitColumn = "% des Grenzwerts",
    .areaUnknown = "nicht bekannt: die Zone konnte nicht gesucht werden",
    .areaInside = "die Zone liegt darin",
    .areaLeaves = "die Zone VERLÄSST ihn",
    .areaMargin = "; Abstand zur Grenze {}",
    .areaCrosses = "; sie überschreitet die Grenze um {}",
    .areaNoneBelow = "; kein Teil der Zone liegt unter der Berechnungshöhe",
    .feedFacts = "{}, SWV {} an 50 Ohm, {} Segmente, größter Strom {}",
    .powerAssessed = " ({} berechnet)",
    .powerNone = "keine: kein Punkt des Rasters konnte bewertet werden",
    .powerOfAssessable = "bis {} Senderausgangsleistung an jedem bewertbaren Punkt eingehalten",
    .powerComplies = "bis {} Senderausgangsleistung eingehalten",

    .modelHeading = "Das Berechnungsmodell und seine Grenzen",
    .readingHeading = "Erläuterungen",
    .noteAtFeed = "Leistung an der Antenne: die Leistung, die das Modell abstrahlt: die "
                  "Senderausgangsleistung mal dem Betriebsartenfaktor, abzüglich der "
                  "Kabeldämpfung (Leistung x Betriebsartenfaktor x 10^(-Dämpfung/10)).",
    .noteAtFeedShare = "Leistung an der Antenne: die Leistung, die das Modell abstrahlt: die "
                       "Senderausgangsleistung mal dem Betriebsartenfaktor und dem "
                       "Sendezeitanteil, abzüglich der Kabeldämpfung (Leistung x "
                       "Betriebsartenfaktor x Sendezeitanteil x 10^(-Dämpfung/10)).",
    .noteLimits = "Grenzwert E und Grenzwert H sind die Grenzwerte der Feldstärke bei der Frequenz "
                  "des Bandes; max. E und max. H die größte Feldstärke über das Raster und alle "
                  "Berechnungshöhen, als Anteil ihres Grenzwerts.",
    .noteSafety = "Sicherheitsabstand: der größte Abstand eines Punktes der Zone von der Antenne "
                  "(dem nächsten Punkt eines Segments), in jeder Richtung. Die Zone sind alle "
                  "Punkte auf oder über dem Boden, an denen E oder H den Grenzwert überschreitet "
                  "oder das Modell die Feldstärke nicht bewerten kann. Waagerecht: der größte "
                  "Abstand eines Zonenpunkts vom Draht, von oben gesehen. Unterste Höhe: die "
                  "tiefste Höhe, die die Zone erreicht. Sie werden auf 0,05 m genau durch eine "
                  "Suche um den ganzen Draht bestimmt, bis dorthin, wo die eigene Schranke des "
                  "Modells die Feldstärke unter den Grenzwerten beweist.",
    .noteArea = "Kontrollierbarer Bereich (mit Grundstück): das eigene Grundstück in jeder Höhe "
                "und außerhalb davon der Raum ab der Berechnungshöhe aufwärts. Die Zone muss "
                "darin liegen und seine Grenze nirgends berühren; der Abstand zur Grenze ist der "
                "kleinste waagerechte Abstand zwischen dem Teil der Zone unter der "
                "Berechnungshöhe und der Grenze.",
    .noteMaxPower = "Max. Leistung: die höchste Senderausgangsleistung, bei der jeder Punkt, den "
                    "das Modell bewerten kann, die Grenzwerte einhält, abgerundet; eine "
                    "Berechnung mit dieser Leistung hält sie dort ein. Punkte zu nah am Draht "
                    "gelten bei jeder Leistung als über den Grenzwerten: ein Band mit solchen "
                    "Punkten hält nicht ein, und seine max. Leistung ist die der übrigen Punkte.",
    .noteMaps = "Die Karten zeigen die Ebene in der Draufsicht: jede Zelle ist der größere Anteil "
                "von E und H an ihrem Grenzwert, der höchste über die Berechnungshöhen, auf einer "
                "Farbskala, die auf jedem Band gleich ist. Die dicke weiße Linie mit schwarzen "
                "Rändern liegt dort, wo die Feldstärke 100 % des Grenzwerts erreicht; "
                "schraffierte Zellen liegen für das Modell zu nah am Draht; das Dreieck markiert "
                "den höchsten Wert außerhalb davon.",
    .footer = "kvarn {}: Station „{}“, berechnet am {}",

    .recordTitle = "Sicherheitsabstände einer ortsfesten Amateurfunkanlage",
    .recordSubtitle =
        "Nahfeldberechnung der elektrischen und magnetischen Feldstärke für die Anzeige der Anlage",
    .operatorLabel = "Betreiber",
    .callsignLabel = "Rufzeichen",
    .addressLabel = "Standort",
    .dateLabel = "Datum",
    .methodLabel = "Verfahren",
    .method = "Nahfeldberechnung mit kvarn; {}",
    .stationFileLabel = "Stationsdatei",
    .programLabel = "Programm",
    .notGiven = "nicht angegeben",
    .contentsHeading = "Inhalt",
    .coverPart = "Deckblatt und Ergebnis",
    .antennaPart = "Antenne „{}“: Aufbau und Ergebnisse",
    .bandPartTitle = "Feldkarte und Zone – Antenne „{}“, {}",
    .bandZonePartTitle = "Zone – Antenne „{}“, {}",
    .sitePart = "Der Standort: Lageplan, Seitenansichten und Orte",
    .closingPartTitle = "Berechnungsmodell und Erläuterungen",
    .nameLabel = "Name",
    .antennaCount = "{} Antennen",
    .antennasLabel = "Antennen",
    .operationLabel = "Betrieb",
    .oneAtATime =
        "jeweils ein Sender: die Zone des Standorts ist die Vereinigung der Zonen der Antennen",
    .atTheSameTime =
        "die Antennen senden gleichzeitig: ihre Expositionen addieren sich (26. BImSchV, Anhang "
        "2): an jedem Punkt darf die Summe über die Antennen des größten (E/E_Grenzwert)² über "
        "die Bänder der Antenne höchstens 1 sein, ebenso für H",
    .siteDistanceLabel = "Standortbezogener Sicherheitsabstand",
    .siteDistance = "{} vom nächsten Punkt einer Antenne, in jeder Richtung; von oben gesehen {} "
                    "vom nächsten Draht",
    .siteLowest = "; die Zone reicht bis {} über dem Boden hinab",
    .siteAreaLabel = "Kontrollierbarer Bereich",
    .siteVerdictComplies = "Der Standort hält die Grenzwerte ein: {}",
    .siteVerdictNot = "Der Standort hält die Grenzwerte NICHT ein: {}",
    .siteVerdictStopped =
        "Die Berechnung brach bei einem Band ab: die Bewertung des Standorts ist unvollständig.",
    .quotientE = "Quotient E",
    .quotientH = "Quotient H",
    .siteQuotientsNote = "Quotient: (E/E_Grenzwert)² und (H/H_Grenzwert)², der größte über die "
                         "Antennen und ihre Bänder; ein Ort ist ÜBER, wenn ein Quotient 1 "
                         "überschreitet oder ein Modell die Feldstärke dort nicht bewerten kann.",
    .sumQuotientsNote = "Quotient: die Summe über die Antennen des größten (E/E_Grenzwert)² über "
                        "die Bänder der Antenne, ebenso für H; ein Ort ist ÜBER, wenn eine Summe 1 "
                        "überschreitet oder ein Modell die Feldstärke dort nicht bewerten kann.",
    .implants = "Außerhalb des Sicherheitsabstands ist keine weitere Bewertung für Personen mit "
                "aktiven Körperhilfen (Implantaten) erforderlich (§ 10 BEMFV, nach den Hinweisen "
                "der Bundesnetzagentur von 2013).",
    .simultaneousNote = "„Gleichzeitig“ nimmt an, dass alle Antennen zugleich senden, jede auf dem "
                        "Band, das am Punkt am ungünstigsten ist, mit ihrer vollen Leistung an der "
                        "Antenne; die Expositionen verschiedener Frequenzen addieren sich als "
                        "Leistung (die Quotienten werden summiert), nicht als Feldstärken.",

    .zoneSubtitle = "Zone: E oder H über den Grenzwerten nach {} oder nicht bewertbar; {}",
    .publicHeightPart = "; Berechnungshöhe {}",
    .sitePlanTitle =
        "Lageplan (Draufsicht, mit Nordpfeil und Maßstab): die Zone des Standorts, alle Antennen",
    .siteZoneLabel = "Standort",
    .planAllBands = "Lageplan (Draufsicht, mit Nordpfeil und Maßstab): die Zonen aller Bänder",
    .planBand = "Lageplan (Draufsicht, mit Nordpfeil und Maßstab): {}, {} an der Antenne",
    .sideAlongX = "Seitenansicht in Richtung x: {}",
    .sideAlongY = "Seitenansicht in Richtung y: {}",
};

const ReportWording& reportWordingFor(Language language) {
    return language == Language::de ? kGermanReport : kEnglishReport;
}

} // namespace kvarn

#include "outputs/model_statement.h"

namespace kvarn {

namespace {

constexpr const char* kExact =
    "The wire is computed in free space, with no ground. It is cut into 1 m elements "
    "carrying a standing-wave current whose amplitude follows from the power at the feed "
    "(73.2 ohms per half wave), and the near and far fields of all elements are summed at "
    "every point. Values within 2.1 m of the wire are unreliable; such points are marked "
    "too close and count as over the limits. Compared with a method-of-moments engine "
    "(NEC-2) on the same wires in free space, the values were within 1 to 2 % for half-wave "
    "wires, but 20 % low for wires of one wavelength and 37 % low for two, and a centre-fed "
    "wire of one wavelength gets the wrong current altogether (the wave is always pinned at "
    "the first corner). Over real ground it reads low: under wires up to a quarter wave high, "
    "average soil raises the largest fields at 0.5 to 2 m to 1.6 to 2.1 times the free-space "
    "ones, and this model's maxima there were 0.38 to 0.86 (E) and 0.43 to 0.66 (H) of the "
    "values over real ground, its highest compliant power 1.3 to 5 times too high. Use the "
    "method-of-moments model (model = \"mom\") for an assessment to file.";

constexpr const char* kMoments =
    "The wire's currents are computed by the method of moments, as antenna engineers do "
    "(NEC-2's thin-wire formulation: segments no longer than a fortieth of a wavelength and "
    "0.5 m, a three-term sinusoidal current on each, a voltage source on the segment at the "
    "feed), from the wire itself, its diameter and where it is fed; they are scaled so that "
    "the power at the feed is the band's. E and H at every point are the fields of all "
    "segments";

constexpr const char* kMomentsNearLimit =
    " Points within two feed-segment lengths of the feed, two end-segment lengths of a free "
    "end or three wire radii of the wire are marked too close: there the formulas stop "
    "holding (against the same wire cut five times finer, |E| one segment length from the "
    "feed differs by 2.4 %, two lengths away by 0.3 %); such points count as over the "
    "limits. Against NEC-2 (nec2c) on the same wires the fields agree within 0.01 %.";

constexpr const char* kReal =
    " and of the ground beneath, real soil of the station's permittivity and "
    "conductivity, through the Sommerfeld-Norton solution for a lossy half space "
    "(NEC-2's method, for the currents and the feed impedance as for the field at "
    "every point; H from the same solution as the curl of E, where NEC-2 takes a "
    "reflection-coefficient image). Over average soil (relative permittivity 13, "
    "conductivity 0.005 S/m) the largest fields at 0.5 to 2 m under horizontal wires up "
    "to a quarter wave high are 1.6 to 2.1 times those in free space (E) and 1.6 to "
    "1.9 times (H); over poor soil 1.4 to 1.6 times; near half a wave high the ground "
    "lowers E at 0.5 to 1.5 m but still raises H by 1.3 to 1.5. The feed resistance of a "
    "half-wave dipole a tenth of a wave up falls from 72 ohms in free space to about 53 "
    "ohms over average soil. A perfect ground would overstate the field and understate "
    "the power a station may run by up to 4.6 times; a reflection-coefficient image "
    "(NEC-2's faster ground) reads E up to 13.5 % low at 0.5 m. The soil is rarely known "
    "well: a run with two soils shows the spread, and the better conducting one gives "
    "the higher field.";

constexpr const char* kPerfect =
    " and of their images in a perfectly conducting ground at z = 0. Over a perfect "
    "ground the largest fields of a plane bound those over real soil (H always, E "
    "within 6 %), but point by point E near the ground reads low (its tangential part "
    "vanishes at a perfect ground), and the power a station may run is understated up "
    "to 4.6 times against average soil.";

constexpr const char* kFree =
    ", in free space with no ground. Free space reads low near the ground: over "
    "average soil the largest fields at 0.5 to 2 m under wires up to a quarter wave "
    "high are 1.6 to 2.1 times the free-space ones. Give the station a [ground].";

// Das Gleiche auf Deutsch, for the German record.
constexpr const char* kExactDe =
    "Der Draht wird im Freiraum berechnet, ohne Boden. Er wird in Elemente von 1 m Länge "
    "geteilt, die einen Stehwellenstrom führen, dessen Amplitude aus der Leistung an der Antenne "
    "folgt (73,2 Ohm je Halbwelle); Nah- und Fernfelder aller Elemente werden an jedem Punkt "
    "summiert. Werte näher als 2,1 m am Draht sind unzuverlässig; solche Punkte sind als zu nah "
    "markiert und gelten als über den Grenzwerten. Verglichen mit einer Momentenmethode (NEC-2) "
    "an denselben Drähten im Freiraum lagen die Werte für Halbwellendrähte innerhalb von 1 bis "
    "2 %, für Drähte von einer Wellenlänge aber 20 % und für zwei Wellenlängen 37 % zu niedrig, "
    "und ein mittengespeister Draht von einer Wellenlänge erhält einen ganz falschen Strom (die "
    "Welle ist immer am ersten Eckpunkt festgelegt). Über realem Boden liest es zu niedrig: "
    "unter Drähten bis zu einer Viertelwelle Höhe hebt mittlerer Boden die größten Feldstärken "
    "in 0,5 bis 2 m auf das 1,6- bis 2,1-Fache des Freiraums, und die Maxima dieses Modells "
    "lagen dort bei 0,38 bis 0,86 (E) und 0,43 bis 0,66 (H) der Werte über realem Boden, seine "
    "höchste zulässige Leistung 1,3- bis 5-mal zu hoch. Für eine Bewertung, die eingereicht "
    "wird, ist die Momentenmethode (model = \"mom\") zu verwenden.";

constexpr const char* kMomentsDe =
    "Die Ströme des Drahtes werden mit der Momentenmethode berechnet, wie in der "
    "Antennentechnik üblich (die Dünndrahtformulierung von NEC-2: Segmente nicht länger als ein "
    "Vierzigstel der Wellenlänge und 0,5 m, ein dreigliedriger Sinusstrom auf jedem, eine "
    "Spannungsquelle am Segment des Einspeisepunkts), aus dem Draht selbst, seinem Durchmesser "
    "und seinem Einspeisepunkt; sie werden so skaliert, dass die Leistung an der Antenne die "
    "des Bandes ist. E und H an jedem Punkt sind die Felder aller Segmente";

constexpr const char* kRealDe =
    " und des Bodens darunter, realer Boden mit der Permittivität und Leitfähigkeit der "
    "Station, nach der Sommerfeld-Norton-Lösung für einen verlustbehafteten Halbraum (dem "
    "Verfahren von NEC-2, für die Ströme und die Fußpunktimpedanz wie für die Feldstärke an "
    "jedem Punkt; H aus derselben Lösung als Rotation von E, wo NEC-2 ein Spiegelbild mit "
    "Reflexionskoeffizient nimmt). Über mittlerem Boden (relative Permittivität 13, "
    "Leitfähigkeit 0,005 S/m) sind die größten Feldstärken in 0,5 bis 2 m unter waagerechten "
    "Drähten bis zu einer Viertelwelle Höhe das 1,6- bis 2,1-Fache des Freiraums (E) und das "
    "1,6- bis 1,9-Fache (H); über schlecht leitendem Boden das 1,4- bis 1,6-Fache; nahe einer "
    "halben Welle Höhe senkt der Boden E in 0,5 bis 1,5 m, hebt H aber noch um das 1,3- bis "
    "1,5-Fache. Der Fußpunktwiderstand eines Halbwellendipols in einer Zehntelwelle Höhe fällt "
    "von 72 Ohm im Freiraum auf etwa 53 Ohm über mittlerem Boden. Ein ideal leitender Boden "
    "würde die Feldstärke überschätzen und die zulässige Leistung um bis zum 4,6-Fachen "
    "unterschätzen; ein Spiegelbild mit Reflexionskoeffizient (der schnellere Boden von NEC-2) "
    "liest E in 0,5 m bis zu 13,5 % zu niedrig. Der Boden ist selten genau bekannt: eine "
    "Berechnung mit zwei Böden zeigt die Spanne, und der besser leitende gibt die höhere "
    "Feldstärke.";

constexpr const char* kPerfectDe =
    " und ihrer Spiegelbilder in einem ideal leitenden Boden bei z = 0. Über ideal leitendem "
    "Boden begrenzen die größten Feldstärken einer Ebene die über realem Boden (H immer, E "
    "innerhalb von 6 %), aber Punkt für Punkt liest E nahe dem Boden zu niedrig (sein "
    "tangentialer Anteil verschwindet an einem ideal leitenden Boden), und die zulässige "
    "Leistung wird gegenüber mittlerem Boden um bis zum 4,6-Fachen unterschätzt.";

constexpr const char* kFreeDe =
    ", im Freiraum ohne Boden. Der Freiraum liest nahe dem Boden zu niedrig: über mittlerem "
    "Boden sind die größten Feldstärken in 0,5 bis 2 m unter Drähten bis zu einer Viertelwelle "
    "Höhe das 1,6- bis 2,1-Fache des Freiraums. Die Station sollte einen Boden ([ground]) "
    "angeben.";

constexpr const char* kMomentsNearLimitDe =
    " Punkte innerhalb von zwei Segmentlängen des Einspeisesegments, zwei Segmentlängen eines "
    "freien Drahtendes oder drei Drahtradien vom Draht sind als zu nah markiert: dort gelten "
    "die Formeln nicht mehr (gegenüber demselben Draht in fünfmal feinerer Teilung weicht |E| "
    "eine Segmentlänge vom Einspeisepunkt um 2,4 % ab, zwei Längen entfernt um 0,3 %); solche "
    "Punkte gelten als über den Grenzwerten. Gegenüber NEC-2 (nec2c) an denselben Drähten "
    "stimmen die Feldstärken auf 0,01 % überein.";

struct Statements {
    const char *exact, *moments, *real, *perfect, *free, *nearLimit;
};
constexpr Statements kEnglishStatements{kExact,   kMoments, kReal,
                                        kPerfect, kFree,    kMomentsNearLimit};
constexpr Statements kGermanStatements{kExactDe,   kMomentsDe, kRealDe,
                                       kPerfectDe, kFreeDe,    kMomentsNearLimitDe};

} // namespace

std::string modelStatement(const Station& station) {
    return modelStatement(station, station.language);
}

std::string modelStatement(const Station& station, Language language) {
    const Statements& say = language == Language::de ? kGermanStatements : kEnglishStatements;
    if (isExact(station.model)) return say.exact;
    std::string text = say.moments;
    if (station.ground == GroundKind::real)
        text += say.real;
    else if (station.ground == GroundKind::perfect)
        text += say.perfect;
    else
        text += say.free;
    return text + say.nearLimit;
}

} // namespace kvarn

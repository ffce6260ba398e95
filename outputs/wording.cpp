#include "outputs/wording.h"

#include "station/model_names.h"

namespace kvarn {

namespace {

// The limit sets in German: the regulation's own words for the 26. BImSchV.
struct GermanLimits {
    LimitSet set;
    std::string_view title, source;
};
constexpr GermanLimits kGermanLimits[] = {
    {LimitSet::bimschv26, "26. BImSchV (Allgemeinbevölkerung, Werte der ICNIRP 1998)",
     "26. BImSchV (Verordnung über elektromagnetische Felder), Anhang 1b, unter 10 MHz auch "
     "Anhang 1a (3 kHz bis 10 MHz: 83 V/m, 27 µT); ICNIRP: Guidelines for limiting exposure to "
     "time-varying electric, magnetic and electromagnetic fields (up to 300 GHz), Health Physics "
     "74(4):494-522 (1998), Tabelle 7"},
    {LimitSet::icnirp2020, "ICNIRP 2020, Allgemeinbevölkerung, Ganzkörper (30 min)",
     "ICNIRP: Guidelines for limiting exposure to electromagnetic fields (100 kHz to 300 GHz), "
     "Health Physics 118(5):483-524 (2020), Tabelle 5; unter 10 MHz auch ICNIRP: Guidelines for "
     "limiting exposure to time-varying electric and magnetic fields (1 Hz to 100 kHz), Health "
     "Physics 99(6):818-836 (2010), Tabelle 4 (3 kHz bis 10 MHz: 83 V/m, 21 A/m)"},
    {LimitSet::fcc, "FCC, unkontrollierte Exposition",
     "47 CFR 1.1310, Tabelle 1 (B), Grenzwerte für die Allgemeinbevölkerung (unkontrollierte "
     "Exposition)"},
};

const GermanLimits* germanLimits(LimitSet set) {
    for (const GermanLimits& g : kGermanLimits)
        if (g.set == set) return &g;
    return nullptr;
}

std::string soilTitle(const std::string& name, const Wording& w) {
    const std::pair<std::string_view, std::string_view> soils[] = {{"poor", w.soilPoor},
                                                                   {"average", w.soilAverage},
                                                                   {"good", w.soilGood},
                                                                   {"sea", w.soilSea},
                                                                   {"city", w.soilCity}};
    for (const auto& [key, title] : soils)
        if (name == key) return std::string(title);
    return name;
}

} // namespace

std::string Wording::withDecimal(std::string text) const {
    if (decimal != '.')
        for (char& c : text)
            if (c == '.') c = decimal;
    return text;
}

std::string Wording::fill(std::string_view pattern, std::initializer_list<std::string> values) {
    std::string out;
    const std::string* next = values.begin();
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (pattern.compare(k, 2, "{}") == 0 && next != values.end()) {
            out += *next++;
            ++k;
        } else {
            out += pattern[k];
        }
    }
    return out;
}

const Wording& wordingFor(Language language) {
    return language == Language::de ? kGerman : kEnglish;
}

std::string modelTitleIn(ModelKind model, const Wording& w) {
    switch (model) {
    case ModelKind::standingWave:
        return std::string(w.standingWaveModel);
    case ModelKind::shortWire:
        return std::string(w.shortModel);
    case ModelKind::methodOfMoments:
        break;
    }
    return std::string(w.momentsModel);
}

std::string groundTextIn(const Station& station, const Wording& w) {
    const GroundKind ground = isExact(station.model) ? GroundKind::free : station.ground;
    if (ground == GroundKind::free) return std::string(w.freeSpace);
    if (ground == GroundKind::perfect) return std::string(w.perfectGround);
    const Soil& soil = station.soil;
    const std::string values = Wording::fill(
        w.soilValues, {w.number("%g", soil.permittivity), w.number("%g", soil.conductivity)});
    return std::string(w.realGround) + ": " +
           (soil.name.empty() ? values : soilTitle(soil.name, w) + " (" + values + ")");
}

std::string groundPhrase(const Station& station, const Wording& w) {
    const GroundKind ground = isExact(station.model) ? GroundKind::free : station.ground;
    if (ground == GroundKind::free) return std::string(w.inFreeSpaceGround);
    if (ground == GroundKind::perfect) return std::string(w.overPerfectGround);
    const std::string text = groundTextIn(station, w);
    return std::string(w.overRealGround) + text.substr(w.realGround.size());
}

std::string modelAndGroundIn(const Station& station, const Wording& w) {
    const std::string model =
        isExact(station.model) ? modelTitleIn(station.model, w) : std::string(w.momentsShort);
    return model + " " + groundPhrase(station, w);
}

std::string limitSetTitleIn(LimitSet set, const Wording& w) {
    const GermanLimits* german = w.language == Language::de ? germanLimits(set) : nullptr;
    return std::string(german ? german->title : limitSetTitle(set));
}

std::string limitSetSourceIn(LimitSet set, const Wording& w) {
    const GermanLimits* german = w.language == Language::de ? germanLimits(set) : nullptr;
    return std::string(german ? german->source : limitSetSource(set));
}

} // namespace kvarn

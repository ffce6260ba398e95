#include "control/notices.h"

#include <initializer_list>
#include <string_view>

#include "console/console.h"
#include "console/line_input.h"
#include "console/text_out.h"
#include "control/program_variant.h"

namespace kvarn {

namespace {

// Clears the window, writes the lines from its top (each with a line end),
// then the prompt without one, and waits for Enter.
void noticeScreen(std::initializer_list<std::string_view> lines, std::string_view prompt) {
    clearWindow();
    for (std::string_view line : lines) {
        writeText(output, line);
        writeLineEnd(output);
    }
    writeText(output, prompt);
    endWrite(output);
    readLine();
}

} // namespace

void showNotice() {
    noticeScreen({"", "Dieses Programmes ist:", "", "- im Amateurfunk frei verwendbar", "",
                  "- fuer kommerzielle Anwendungen wird eine Spende zu Gunsten",
                  "  einer gemeinnuetzigen Amateurfunk-Organisation Ihrer Wahl erwartet",
                  "  IBAN: die der jeweiligen Organisation", "", "",
                  "Die Ergebnisse sind Modellrechnungen, ohne Gewaehr fuer ihre Richtigkeit.", ""},
                 "Zur Kenntnis genommen: ");
    if (!variant().specialNotice) return;
    noticeScreen({"", "A C H T U N G :  Dies ist eine Spezialversion des Programms kvarn-7t.", "",
                  "Es berechnet die Feldstaerken fuer Kelemen-Antennen fuer die",
                  "Wellenlaengen, fuer die die Gesamtlaee der Antenne zu kurz ist.",
                  "Fuer die anderen Baender ist die normale Version mit jeweils",
                  "Lambda/2-Strahlern um den Speisepunkt herum zu verwenden.", "",
                  "Bei den Eckpunkten auf die richtige Antennenlaenge achten!", ""},
                 "weiter: ");
}

} // namespace kvarn

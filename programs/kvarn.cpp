// kvarn: the batch program. Assesses a station's wire antenna against the
// exposure limits on every band, from one station file.

#include <cstdio>

#include <CLI/CLI.hpp>

#include "commands/assess_command.h"
#include "commands/deck_command.h"
#include "commands/example_station.h"
#include "commands/exit_status.h"

int main(int argc, char** argv) {
    CLI::App app{"kvarn: computes the electric and magnetic field around a wire antenna and "
                 "assesses it against the exposure limits, on every band at once."};
    app.set_version_flag("--version", "kvarn " KVARN_VERSION);
    app.require_subcommand(1);
    app.footer("Examples:\n"
               "  kvarn example > station.toml     a commented station file to start from\n"
               "  kvarn assess station.toml        assess it, files into this directory\n"
               "  kvarn assess station.toml --out results --csv --maps --pdf\n"
               "  kvarn deck station.toml --band 2 > band2.nec   the model as a NEC-2 deck\n"
               "\n"
               "Exit status: 0 every band complies, 1 some band exceeds a limit, 2 bad\n"
               "command line or station file, 3 an output file could not be written,\n"
               "4 a computation stopped.");

    kvarn::AssessRequest request;
    CLI::App* assess = app.add_subcommand(
        "assess", "Assess the station in STATION (TOML): report files, summary.json and a "
                  "table of the bands on the terminal.");
    assess
        ->add_option("STATION", request.stationPath,
                     "the station file; - reads it from standard input")
        ->required();
    assess->add_option("--out", request.outDir,
                       "directory for the output files (made when missing; default: the "
                       "current directory)");
    assess->add_flag("--csv", request.csv, "also write points.csv, every point of every band");
    assess->add_flag("--csv-de", request.csvDe,
                     "also write points_de.csv, the same with ';' and decimal commas");
    assess->add_flag("--maps", request.maps, "also draw a map of every band (PNG, SVG, PDF)");
    assess->add_flag("--pdf", request.pdf, "also write report.pdf, ready to print");
    assess->add_flag("--quiet", request.quiet, "print nothing but errors");

    bool exactExample = false;
    bool siteExample = false;
    CLI::App* example = app.add_subcommand(
        "example", "Print a commented example station file (the method-of-moments model).");
    example->add_flag("--exact", exactExample,
                      "the same wire with the exact standing-wave model of kvarn-7t instead");
    example->add_flag("--site", siteExample,
                      "a site of two antennas on one plot, with the names for the record");
    kvarn::DeckRequest deckRequest;
    CLI::App* deck = app.add_subcommand(
        "deck", "Print the NEC-2 input deck of an antenna of STATION on one band, as kvarn's "
                "method of moments lays the wire, to check the model in a NEC-2 program.");
    deck->add_option("STATION", deckRequest.stationPath,
                     "the station file; - reads it from standard input")
        ->required();
    deck->add_option("--antenna", deckRequest.antenna,
                     "the antenna by its name (needed when the station has several)");
    deck->add_option("--band", deckRequest.band,
                     "the band by its number in the station file, from 1 (needed when the "
                     "antenna has several)");
    app.add_subcommand("help", "Print this help.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        // What was wrong, then how it is used: of the subcommand when one
        // was named.
        const CLI::App& used = assess->parsed()    ? *assess
                               : example->parsed() ? *example
                               : deck->parsed()    ? *deck
                                                   : app;
        std::fprintf(stderr, "kvarn: %s\n\n%s", e.what(), used.help().c_str());
        return kvarn::kStatusBadInput;
    }

    if (app.got_subcommand("help")) {
        std::fputs(app.help().c_str(), stdout);
        return std::fflush(stdout) == 0 ? kvarn::kStatusComplies : kvarn::kStatusOutputFailed;
    }

    if (app.got_subcommand("example")) {
        const char* text = siteExample    ? kvarn::kSiteExampleStation
                           : exactExample ? kvarn::kExactExampleStation
                                          : kvarn::kExampleStation;
        std::fputs(text, stdout);
        return std::fflush(stdout) == 0 ? kvarn::kStatusComplies : kvarn::kStatusOutputFailed;
    }
    if (app.got_subcommand("deck")) return kvarn::runDeck(deckRequest);
    return kvarn::runAssess(request);
}

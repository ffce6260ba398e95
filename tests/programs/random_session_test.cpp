// Whole sessions of both programs on random keys, in-process, with fixed
// seeds: from the usage notice through the forms and the report to the
// repeat question. Whatever is typed, the forms hand on only values that
// pass their checks, the element table keeps within 800 entries, the window
// and the cursor stay on the screen, and no number shows as "Nan" or "Inf".

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "console/runtime_error.h"
#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "control/program_state.h"
#include "field/antenna.h"
#include "support/invariants.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using testing::CheckingConsole;

constexpr int kSessionsPerProgram = 10000;
// Element evaluations a pass may cost before its scan is left out: a grid of
// millions of points is a valid input, but no test has the time for it.
constexpr double kScanBudget = 40000;

// A grid too large to scan here; the session ends before the scan.
struct ScanLeftOut {};

// Random keys a user might press, weighted towards what moves a form on.
class KeyTyper {
  public:
    explicit KeyTyper(unsigned seed) : rng_(seed) {}

    // confirms: the program asks before it calculates (kvarn-7k).
    std::string session(bool confirms) {
        std::string keys = noise(pick(3)) + "\r" + noise(pick(2)) + "\r"; // the notice(s)
        const int corners = 2 + pick(4);
        for (int k = 0; k < corners; ++k) {
            for (int c = 0; c < 3; ++c) {
                keys += coordinate() + (chance(0.1) ? noise(1 + pick(2)) : "");
                if (k + 1 < corners || c < 2) keys += '\t';
            }
        }
        keys += "\x1b" + noise(pick(3)) + "\r";
        for (int pass = 0; pass < 2; ++pass) {
            const int fields = pick(16);
            for (int k = 0; k < fields; ++k)
                keys += (chance(0.75) ? smallNumber() : noise(1 + pick(3))) + '\t';
            keys += "\x1b" + noise(pick(2)) + "\r";
            if (confirms) keys += chance(0.7) ? "j\r" : noise(pick(3)) + "\r";
            keys += chance(0.4) ? "j\r" : "n\r"; // the repeat question
        }
        return keys;
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    // A corner coordinate in metres: mostly of a garden's size.
    std::string coordinate() {
        if (chance(0.9)) return std::to_string(pick(50));
        return smallNumber();
    }

    // A number a station owner types, sometimes an odd one.
    std::string smallNumber() {
        static const char* const kCommon[] = {"0",   "1",   "2",  "5",    "10",  "20",   "40",
                                              "-5",  "-10", ".5", "3.65", "7.1", "14.2", "0.1",
                                              "100", "2.5", "-0", "146",  "1.",  "30"};
        if (chance(0.8)) return kCommon[pick(19)];
        std::string text = chance(0.2) ? "-" : "";
        const int digits = 1 + pick(5);
        for (int k = 0; k < digits; ++k)
            text += static_cast<char>('0' + pick(9));
        if (chance(0.3)) text.insert(static_cast<std::size_t>(pick(digits)), ".");
        return text;
    }

    // Keys of every kind: the form keys, letters the forms take, other
    // characters and bytes, and two-code keys.
    std::string noise(int count) {
        static const char kLetters[] = "RTEMZrtemzjJnNxX_q";
        std::string keys;
        for (int k = 0; k < count; ++k) {
            switch (pick(9)) {
            case 0:
                keys += '\t';
                break;
            case 1:
                keys += std::string{'\0', '\x0f'}; // Backtab
                break;
            case 2:
                keys += '\x1b';
                break;
            case 3:
                keys += '\r';
                break;
            case 4:
                keys += '\b';
                break;
            case 5:
                keys +=
                    std::string{'\0', static_cast<char>(pick(255))}; // any key without a character
                break;
            case 6:
                keys += static_cast<char>(pick(255)); // any byte
                break;
            case 7:
                keys += static_cast<char>('-' + pick(12)); // - . / and digits
                break;
            default:
                keys += kLetters[pick(sizeof kLetters - 2)];
            }
        }
        return keys;
    }

    std::mt19937 rng_;
};

// The variant under test; the checked one below wraps its discretisation,
// which runs right after both forms have returned.
const ProgramVariant* realVariant = nullptr;
int scans = 0; // passes of this session that went on to their scan
std::string broken;

void keep(const std::string& fault) {
    if (broken.empty()) broken = fault;
}

// Points of the grid along one axis, by the scan's own repeated addition
// (estimated, for the budget only).
double pointsAlong(double from, double to, double step) {
    return std::floor((to - from) / step) + 1;
}

bool checkedDiscretize() {
    keep(testing::coordinateResultBroken(segCount, totalLength));
    keep(testing::parameterResultBroken(totalLength, realVariant->model));
    const bool built = realVariant->discretize();
    keep(testing::elementTableBroken(totalLength, built));
    const double cost = pointsAlong(calc.xanf, calc.xend, calc.step) *
                        pointsAlong(calc.yanf, calc.yend, calc.step) *
                        std::max<double>(elementCount, 1);
    if (cost > kScanBudget) throw ScanLeftOut{};
    ++scans;
    return built;
}

struct Tally {
    int scanned = 0;  // sessions that went through a scan to the repeat question
    int finished = 0; // sessions that ended with an answer other than j
    int leftOut = 0;  // sessions whose scan was too large
};

// Plays one session; a fault goes to `broken`.
void playRandomSession(const ProgramVariant& v, unsigned seed, Tally& tally) {
    resetProgramState();
    setExitHook(&throwProgramExit);
    realVariant = &v;
    scans = 0;
    broken.clear();
    const ProgramVariant checked{v.name, v.model, checkedDiscretize, v.specialNotice};
    CheckingConsole con(80, 25);
    con.type(KeyTyper(seed).session(v.model == AntennaModel::shortWire));
    try {
        if (runProgram(checked) == 0) ++tally.finished;
    } catch (const ScriptEnded&) {
    } catch (const ScanLeftOut&) {
        ++tally.leftOut;
    } catch (const ProgramExit& e) {
        // Only a file name the system refuses ("." or "..") may end a session.
        if (e.status != kAccessDenied && e.status != kPathNotFound)
            keep("ended with status " + std::to_string(e.status));
    }
    keep(con.broken());
    if (scans > 0) ++tally.scanned;
}

TEST(RandomSessions, EveryKeySequenceKeepsTheInvariants) {
    testing::TempDir dir; // the output files the sessions ask for
    for (const ProgramVariant* v : {&kvarn7t, &kvarn7k}) {
        Tally tally;
        int faults = 0;
        for (unsigned seed = 1; seed <= kSessionsPerProgram; ++seed) {
            playRandomSession(*v, seed, tally);
            if (!broken.empty() && ++faults <= 5)
                ADD_FAILURE() << v->name << ", seed " << seed << ": " << broken;
        }
        EXPECT_EQ(faults, 0) << v->name;
        // The keys must reach the end of a pass often enough to mean something.
        EXPECT_GT(tally.scanned, kSessionsPerProgram / 4) << v->name;
        EXPECT_GT(tally.finished, kSessionsPerProgram / 10) << v->name;
        std::printf("%s: %d random sessions, %d through a scan to the repeat question, %d ended "
                    "there, %d scans left out\n",
                    v->name, kSessionsPerProgram, tally.scanned, tally.finished, tally.leftOut);
    }
}

} // namespace
} // namespace kvarn

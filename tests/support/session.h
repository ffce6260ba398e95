#pragma once
// Plays whole program sessions in-process on the in-memory console: keys in,
// screen and files out.

#include <map>
#include <string>
#include <vector>

#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "control/program_state.h"
#include "field/antenna.h"
#include "support/memory_console.h"

namespace kvarn::testing {

// The keys that fill the coordinate form with these corners and confirm it.
inline std::string coordinateKeys(const std::vector<CornerPoint>& corners) {
    std::string keys;
    auto number = [](double v) {
        std::string text = std::to_string(v);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        return text;
    };
    for (std::size_t k = 0; k < corners.size(); ++k) {
        if (k > 0) keys += kvarn::keys::Tab;
        keys += number(corners[k].x) + "\t" + number(corners[k].y) + "\t" + number(corners[k].z);
    }
    keys += kvarn::keys::Esc;
    keys += kvarn::keys::Enter;
    return keys;
}

// The keys that type the given texts into parameter fields (by number, 1 to
// 12), leave every other field as it is, and confirm the form.
inline std::string parameterKeys(const std::map<int, std::string>& typed) {
    std::string keys;
    int last = typed.empty() ? 1 : typed.rbegin()->first;
    for (int field = 1; field <= last; ++field) {
        auto it = typed.find(field);
        if (it != typed.end()) keys += it->second;
        if (field < last) keys += kvarn::keys::Tab;
    }
    keys += kvarn::keys::Esc;
    keys += kvarn::keys::Enter;
    return keys;
}

// Runs the whole program of the variant on the console; returns its status.
// The state must be fresh (resetProgramState before the console is made).
inline int playSession(MemoryConsole& con, const ProgramVariant& v, const std::string& keys) {
    con.type(keys);
    return runProgram(v);
}

} // namespace kvarn::testing

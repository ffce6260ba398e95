#include "control/cth_stop.h"

#include "console/console.h"
#include "console/runtime_error.h"
#include "console/text_out.h"

namespace kvarn {

void stopOnCthRange() {
    clearWindow();
    writeText(output, "Bereichsueberschreitung \"cth\": Programmabbruch");
    writeLineEnd(output);
    endProgram(1);
}

} // namespace kvarn

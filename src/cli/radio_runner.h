// Runs one read or write of the radio on an open port to its end: the link driver with its watchdog, the
// progress bar, the program's messages printed, the force question answered as the command line was told.
#pragma once

#include "link/actions.h"

namespace zrt {
class RadioPort;
class Session;
}  // namespace zrt

namespace zrt::cli {

class Console;

struct RunOptions {
    bool write = false;
    bool forceAnswer = false;   // the answer to the force question (asked only with CrossBandWrite)
    bool quietSuccess = false;  // leave out the success message (a read that checks a write)
};

link::Outcome runTransfer(Session& session, RadioPort& port, Console& console, RunOptions options);

}  // namespace zrt::cli

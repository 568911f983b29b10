// radio-sim: a virtual ZR-T410 on a pseudo-terminal, to try the programming software without a radio.
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "radio-sim/virtual_radio.h"

namespace {

volatile std::sig_atomic_t gStop = 0;

void onSignal(int) {
    gStop = 1;
}

void usage(FILE* to) {
    std::fputs(
        "Usage: radio-sim [options]\n"
        "A virtual radio on a pseudo-terminal. Prints the device to open as the serial port, answers the\n"
        "programming protocol until interrupted (Ctrl+C), then saves its memory if asked to.\n"
        "\n"
        "  --load FILE          start with the memory of a data file (*.dat); default all 0xFF\n"
        "  --save FILE          save the memory to a data file when the radio stops\n"
        "  --band N             band code in the identification (0..255, default 0)\n"
        "  --model TEXT         model identifier in the identification (default QMX274)\n"
        "  --link PATH          also make PATH a symbolic link to the device\n"
        "  --silent-after N     stop answering after N replies\n"
        "  --close-after N      close the line after N replies, as if the cable were pulled\n"
        "  --garbage-before N   put garbage bytes in front of reply N (counted from 1)\n"
        "  --drop-block ADDR    acknowledge the data block written to ADDR (e.g. 0x120) but keep the old "
        "bytes\n"
        "  --split              write every reply one byte at a time\n"
        "  --pace               take as long per byte as a 9600-baud line does\n"
        "  --on-after SECONDS   switched off until SECONDS (may have decimals) after the start\n"
        "  --off-after-write    switched off once written and then left alone for a second\n"
        "  --verbose            log every frame received to standard error\n"
        "  --help               this text\n",
        to);
}

bool number(const char* text, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 0);
    if (end == text || *end != '\0' || v < 0 || v > 1000000) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zrt::sim;
    RadioBehaviour behaviour;
    LineFaults faults;
    PowerPlan power;
    std::string load, save, link;
    bool verbose = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "radio-sim: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        auto count = [&](int& target) {
            const char* v = value();
            if (!number(v, target)) {
                std::fprintf(stderr, "radio-sim: %s: not a number: %s\n", arg.c_str(), v);
                std::exit(2);
            }
        };
        int band = 0;
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        } else if (arg == "--load") {
            load = value();
        } else if (arg == "--save") {
            save = value();
        } else if (arg == "--band") {
            count(band);
            if (band > 255) {
                std::fprintf(stderr, "radio-sim: --band takes 0..255\n");
                return 2;
            }
            behaviour.bandCode = static_cast<std::uint8_t>(band);
        } else if (arg == "--model") {
            behaviour.model = value();
        } else if (arg == "--link") {
            link = value();
        } else if (arg == "--silent-after") {
            count(behaviour.silentAfter);
        } else if (arg == "--close-after") {
            count(faults.closeAfter);
        } else if (arg == "--garbage-before") {
            count(behaviour.garbageBefore);
        } else if (arg == "--drop-block") {
            count(behaviour.dropBlock);
        } else if (arg == "--split") {
            faults.splitReplies = true;
        } else if (arg == "--pace") {
            faults.pace9600 = true;
        } else if (arg == "--on-after") {
            const char* v = value();
            char* end = nullptr;
            const double seconds = std::strtod(v, &end);
            if (end == v || *end != '\0' || !(seconds >= 0) || seconds > 86400) {
                std::fprintf(stderr, "radio-sim: --on-after: not a number of seconds: %s\n", v);
                return 2;
            }
            power.onAfterMs = static_cast<int>(seconds * 1000);
        } else if (arg == "--off-after-write") {
            power.offAfterWrite = true;
        } else if (arg == "--verbose") {
            verbose = true;
        } else {
            std::fprintf(stderr, "radio-sim: unknown option %s\n", arg.c_str());
            usage(stderr);
            return 2;
        }
    }

    VirtualRadio radio(behaviour, faults, power);
    if (!load.empty() && !radio.loadDataFile(load)) {
        std::fprintf(stderr, "radio-sim: %s\n", radio.error().c_str());
        return 1;
    }
    if (!radio.open()) {
        std::fprintf(stderr, "radio-sim: %s\n", radio.error().c_str());
        return 1;
    }
    if (!link.empty()) {
        ::unlink(link.c_str());
        if (::symlink(radio.devicePath().c_str(), link.c_str()) != 0) {
            std::fprintf(stderr, "radio-sim: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
            return 1;
        }
    }
    std::printf("%s\n", radio.devicePath().c_str());
    std::fflush(stdout);

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    std::size_t logged = 0;
    while (!gStop && radio.poll(100)) {
        if (!verbose) continue;
        const auto frames = radio.frames();
        for (; logged < frames.size(); ++logged) {
            const ReceivedFrame& f = frames[logged];
            if (f.kind == ReceivedFrame::Kind::Read || f.kind == ReceivedFrame::Kind::Write)
                std::fprintf(stderr, "%s %04zX\n", kindName(f.kind), f.address);
            else
                std::fprintf(stderr, "%s\n", kindName(f.kind));
        }
    }
    if (radio.closed()) std::fprintf(stderr, "radio-sim: line closed\n");

    int status = 0;
    if (!save.empty()) {
        if (radio.saveDataFile(save)) {
            std::fprintf(stderr, "radio-sim: memory saved to %s\n", save.c_str());
        } else {
            std::fprintf(stderr, "radio-sim: %s\n", radio.error().c_str());
            status = 1;
        }
    }
    if (!link.empty()) ::unlink(link.c_str());
    return status;
}

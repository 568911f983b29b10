// zr-t410-cli: reads, writes, converts and shows ZR-T410 configurations without a window, through the same
// decode, encode, data-file and transfer code as the program.
#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <cstring>
#include <memory>

#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"

namespace {

using zrt::cli::Console;

struct Command {
    const char* name;
    int (*run)(const QStringList&, Console&);
    const char* summary;
};

constexpr std::array kCommands{
    Command{"read", zrt::cli::readCommand,
            "read --port DEVICE -o FILE.dat [--raw] [--no-backup]   read the radio"},
    Command{"write", zrt::cli::writeCommand,
            "write --port DEVICE FILE.dat [--raw] [--calibration] [--force-band] [--verify]   write the "
            "radio"},
    Command{"station", zrt::cli::stationCommand,
            "station --port DEVICE... FILE.dat [--verify] [--log FILE.csv]   program each radio switched on"},
    Command{"resave", zrt::cli::resaveCommand, "resave IN.dat OUT.dat   Open followed by Save"},
    Command{"show", zrt::cli::showCommand, "show FILE.dat [--json]   print the configuration"},
    Command{"diff", zrt::cli::diffCommand,
            "diff A.dat B.dat [--json]   the differences of two configurations, field by field"},
    Command{"print", zrt::cli::printCommand,
            "print FILE.dat -o OUT.pdf   the configuration as a PDF document"},
    Command{"export", zrt::cli::exportCommand,
            "export FILE.dat CHANNELS.csv   channels to a CSV channel list"},
    Command{"import", zrt::cli::importCommand,
            "import CHANNELS.csv FILE.dat -o OUT.dat [--skip-bad] [--replace]   a CSV channel list into a "
            "data file"},
};

void usage(const Console& console, bool toError) {
    std::string text =
        "Usage: zr-t410-cli COMMAND [options]\n"
        "The ZR-T410 programming software without its windows.\n\nCommands:\n";
    for (const Command& c : kCommands)
        text += std::string("  ") + c.summary + "\n";
    text +=
        "\nEvery command takes --help, and --lang zh for the program's messages in Chinese.\n"
        "A failure prints the program's message to standard error and exits with status 1 (2 for a wrong "
        "command line). Ctrl+C during a transfer ends the radio's programming mode and exits with 130.\n"
        "read and write take several --port options, a pattern ('/dev/ttyUSB*') or all for several radios at "
        "once; they exit with 0 only when every radio succeeded.";
    if (toError)
        console.err(text);
    else
        console.out(text);
}

// Whether the command is print (the language option may come first).
bool printing(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0) {
            ++i;
            continue;
        }
        if (std::strncmp(argv[i], "--lang=", 7) == 0) continue;
        return std::strcmp(argv[i], "print") == 0;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Printing lays text out in fonts, which takes the GUI application object. No window is ever shown, so
    // without a platform of the user's choice it runs offscreen and needs no display.
    std::unique_ptr<QCoreApplication> app;
    if (printing(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("zr-t410-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRT_VERSION));

    QStringList args = QCoreApplication::arguments();
    // The language may come before the command as well ("zr-t410-cli --lang zh read ..."): the commands
    // take it among their own options, so move it behind the command.
    while (args.size() > 1 && args[1].startsWith(QLatin1String("--lang"))) {
        const int n = (args[1] == QLatin1String("--lang") && args.size() > 2) ? 2 : 1;
        const QStringList lang = args.mid(1, n);
        args.remove(1, n);
        args.append(lang);
    }
    Console console(zrt::cli::languageOf(args));
    const QString command = args.value(1);
    if (command.isEmpty()) {
        usage(console, true);
        return zrt::cli::kExitUsage;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        usage(console, false);
        return zrt::cli::kExitOk;
    }
    if (command == QLatin1String("--version")) {
        console.out("zr-t410-cli " + QCoreApplication::applicationVersion().toStdString());
        return zrt::cli::kExitOk;
    }
    for (const Command& c : kCommands)
        if (command == QLatin1String(c.name)) return c.run(args, console);
    console.err("zr-t410-cli: unknown command " + command.toStdString());
    usage(console, true);
    return zrt::cli::kExitUsage;
}

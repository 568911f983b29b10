// Runs one read or write of the radio on an open port to its end: the link driver with its watchdog, the
// progress bar, the program's messages printed, the force question answered as the command line was told.
#pragma once

#include <QCommandLineOption>
#include <optional>

class QCommandLineParser;
class QString;

#include "link/actions.h"

namespace zrt {
class RadioPort;
class Session;
}  // namespace zrt

namespace zrt::cli {

class Console;
class Interruption;

struct RunOptions {
    bool write = false;
    bool forceAnswer = false;   // the answer to the force question (asked only with CrossBandWrite)
    bool quietSuccess = false;  // leave out the success message (a read that checks a write)
    bool asItIs = false;        // a write sends ImageOut as it stands, without the encode
};

// The transfer's outcome; nothing when an interruption stopped it (or came before it could start). The
// radio may then still be in programming mode: the caller ends it.
std::optional<link::Outcome> runTransfer(Session& session, RadioPort& port, Console& console,
                                         const Interruption& interruption, RunOptions options);

// The options every command that writes radios takes (write, station) and the file they open with them.
struct WriteFileOptions {
    QCommandLineOption raw{
        QStringLiteral("raw"),
        QStringLiteral("Send the file's memory bytes as they are (a backup saved by read --raw).")};
    QCommandLineOption calibration{QStringLiteral("calibration"),
                                   QStringLiteral("Also write the power calibration blocks.")};
    QCommandLineOption forceBand{QStringLiteral("force-band"),
                                 QStringLiteral("Write to a radio of another band as well.")};

    void addTo(QCommandLineParser& parser) const;
    // Opens the data file a write sends: with --raw its memory as it stands (a backup), else through the
    // program's Open; --calibration and --force-band set CalibWrite and CrossBandWrite. False once the
    // program's message is out.
    bool open(const QCommandLineParser& parser, const QString& path, Session& session,
              Console& console) const;
};

}  // namespace zrt::cli

// read and write: the radio through a serial port.
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include "cli/cli_texts.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/fleet.h"
#include "cli/interruption.h"
#include "cli/radio_runner.h"
#include "config/channel_csv.h"
#include "i18n/backup_captions.h"
#include "image/codecs.h"
#include "link/frames.h"
#include "platform/backups.h"
#include "platform/data_file_io.h"
#include "platform/port_names.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "session/session.h"
#include "session/write_verification.h"

namespace zrt::cli {

namespace {

const QCommandLineOption kPortOption(
    QStringLiteral("port"),
    QStringLiteral(
        "Serial device of the radio's cable (/dev/ttyUSB0, COM3), or a port list entry 1 to 16 "
        "as the program numbers them. Default: $ZRT410_PORT. Repeat it, give a pattern "
        "('/dev/ttyUSB*') or all (every serial port the system lists) for several radios at once."),
    QStringLiteral("DEVICE"));

// Lets bytes still on their way (the radio's answer to the final 'E') arrive and be dropped.
constexpr int kSettleMs = 300;

// Opens the port of the command line, or prints why not; the port error names the port as given.
bool openPort(CommandParser& p, RadioPort& port, Console& console) {
    QString given = p.options().value(kPortOption);
    if (given.isEmpty()) given = qEnvironmentVariable("ZRT410_PORT");
    if (given.isEmpty()) {
        console.err(console.text(kNoPort));
        return false;
    }
    if (port.open(deviceOf(given))) return true;
    console.err(console.text(msg::kPortErrorPrefix) + given.toStdString() +
                console.text(msg::kPortErrorSuffix));
    return false;
}

// Waits for the line to settle; an interruption ends the wait.
void settle(const Interruption* interruption) {
    if (interruption && interruption->requested()) return;
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    if (interruption) QObject::connect(interruption, &Interruption::arrived, &loop, &QEventLoop::quit);
    loop.exec();
}

// Ends a command the user interrupted: whatever the transfer had reached, the radio is told to leave
// programming mode (it would otherwise wait there until switched off), and the port is let go. The status
// is the shell's usual one for a process ended by that signal.
int stopInterrupted(RadioPort& port, Console& console, Interruption& interruption, bool partlyWritten) {
    interruption.acknowledge();
    console.progressEnd();
    port.send({link::kEnd});
    // The radio's answer, and one to a frame still on its way, must not be left for the next program that
    // opens the port: they would pass for the first replies of its transfer.
    settle(nullptr);
    port.close();
    console.err(console.text(kInterrupted));
    if (partlyWritten) console.err(console.text(kPartlyWritten));
    return kExitSignalBase + interruption.signalNumber();
}

std::string hex(std::size_t value, int digits) {
    return QStringLiteral("%1")
        .arg(static_cast<qulonglong>(value), digits, 16, QLatin1Char('0'))
        .toUpper()
        .toStdString();
}

// Reads the radio back into a session of its own (the written configuration stays as it was) and
// compares every block the write sent.
int verifyWrite(const Session& written, RadioPort& port, Console& console, Interruption& interruption) {
    console.out(console.text(kVerifying));
    settle(&interruption);
    Session readBack;
    const auto outcome = runTransfer(readBack, port, console, interruption, {false, false, true, false});
    if (interruption.requested()) return stopInterrupted(port, console, interruption, false);
    if (outcome != link::Outcome::Succeeded) return kExitFailed;
    const bool calibWrite = written.config().service.calibWrite;
    const WriteCheck check = checkWrite(written.imageOut(), readBack.imageIn(), calibWrite);
    for (const BlockDifference& d : check.differences)
        console.err(fillText(console.text(kBlockDiffers),
                             {hex(d.block, 3), hex(d.address, 3), hex(d.written, 2), hex(d.read, 2)}));
    if (!check.differences.empty()) {
        console.err(fillText(console.text(kVerifyFailed), {std::to_string(check.differences.size()),
                                                           std::to_string(check.blocksCompared)}));
        return kExitFailed;
    }
    console.out(fillText(console.text(kVerifyPassed), {std::to_string(check.blocksCompared)}));
    return kExitOk;
}

}  // namespace

int readCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("read"),
        QStringLiteral("Reads the radio and saves what the program saves after a Read and a "
                       "Save. With --raw the data file holds the radio's memory exactly as it was "
                       "sent: a backup that write --raw restores byte for byte."),
        {});
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("The data file (*.dat) to save; for several radios the "
                       "folder that gets one file per port, named by port and time."),
        QStringLiteral("FILE"));
    const QCommandLineOption raw(QStringLiteral("raw"),
                                 QStringLiteral("Save the memory as the radio sent it."));
    const QCommandLineOption noBackup(QStringLiteral("no-backup"),
                                      QStringLiteral("Keep no backup of the radio's memory in the backups "
                                                     "folder (kept by default, the newest 100)."));
    p.options().addOption(kPortOption);
    p.options().addOption(output);
    p.options().addOption(raw);
    p.options().addOption(noBackup);
    if (auto status = p.parse(args, console)) return *status;
    const QString path = p.options().value(output);
    if (path.isEmpty()) {
        console.err(p.options().helpText().toStdString());
        return kExitUsage;
    }
    if (const QStringList ports = p.options().values(kPortOption); severalPorts(ports))
        return fleetRead(ports, path, p.options().isSet(raw), !p.options().isSet(noBackup), console);

    Session session;
    Interruption interruption;
    RadioPort port;
    if (!openPort(p, port, console)) return kExitFailed;
    const auto outcome = runTransfer(session, port, console, interruption, {});
    // Nothing is saved after an interruption, even of a read that had just completed.
    if (interruption.requested()) return stopInterrupted(port, console, interruption, false);
    if (outcome != link::Outcome::Succeeded) return kExitFailed;
    // The radio's memory as it came, before anything else can fail; a failing backup never fails the read.
    if (!p.options().isSet(noBackup)) {
        const BackupResult backup = saveBackup(session.imageIn(), session.config().band.listIndex);
        if (backup.path.isEmpty())
            console.err(fillText(console.text(backup_text::kFailed), {backup.error.toStdString()}));
        else
            console.out(fillText(console.text(backup_text::kSaved),
                                 {QDir::toNativeSeparators(backup.path).toStdString()}));
    }
    const FileResult saved =
        p.options().isSet(raw) ? saveImageAsDataFile(session.imageIn(), path) : saveDataFile(session, path);
    if (!console.fileDone(saved, path)) return kExitFailed;
    console.out(fillText(console.text(kSaved), {path.toStdString()}));
    return kExitOk;
}

int writeCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("write"),
        QStringLiteral("Opens a data file and writes it to the radio, with the file's band as the "
                       "selected band. With --raw the file's memory goes out exactly as it is, without "
                       "the program's encode: a backup saved by read --raw is restored byte for byte."),
        {{QStringLiteral("FILE.dat"), QStringLiteral("The data file to write.")}});
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("Read the radio back afterwards and report every block "
                                                   "that differs from what was written."));
    const WriteFileOptions file;
    p.options().addOption(kPortOption);
    file.addTo(p.options());
    p.options().addOption(verify);
    if (auto status = p.parse(args, console)) return *status;

    Session session;
    const QString path = p.positional(0);
    if (!file.open(p.options(), path, session, console)) return kExitFailed;
    const bool asItIs = p.options().isSet(file.raw);
    if (const QStringList ports = p.options().values(kPortOption); severalPorts(ports)) {
        if (!asItIs) session.encode();
        return fleetWrite(ports, session, p.options().isSet(verify), console);
    }

    Interruption interruption;
    RadioPort port;
    if (!openPort(p, port, console)) return kExitFailed;
    if (interruption.requested()) return stopInterrupted(port, console, interruption, false);
    const auto outcome = runTransfer(session, port, console, interruption, {true, true, false, asItIs});
    if (interruption.requested()) return stopInterrupted(port, console, interruption, !outcome);
    if (outcome != link::Outcome::Succeeded) return kExitFailed;
    if (p.options().isSet(verify)) return verifyWrite(session, port, console, interruption);
    return kExitOk;
}

}  // namespace zrt::cli

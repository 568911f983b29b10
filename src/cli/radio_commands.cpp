// read and write: the radio through a serial port.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "cli/cli_texts.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/radio_runner.h"
#include "config/channel_csv.h"
#include "image/codecs.h"
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
    QStringLiteral("Serial device of the radio's cable (/dev/ttyUSB0, COM3), or a port list entry 1 to 16 "
                   "as the program numbers them. Default: $ZRT410_PORT."),
    QStringLiteral("DEVICE"));

// Lets bytes still on their way (the radio's answer to the final 'E') arrive and be dropped.
constexpr int kSettleMs = 300;

// The device a --port value names: a port list entry or a device as given.
QString deviceOf(const QString& given) {
    bool number = false;
    const int entry = given.toInt(&number);
    if (number && entry >= 1 && entry <= kPortEntryCount) {
        const QString device = PortNames().device(entry);
        if (!device.isEmpty()) return device;
    }
    return given;
}

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

void settle() {
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

std::string hex(std::size_t value, int digits) {
    return QStringLiteral("%1")
        .arg(static_cast<qulonglong>(value), digits, 16, QLatin1Char('0'))
        .toUpper()
        .toStdString();
}

// Reads the radio back into a session of its own (the written configuration stays as it was) and
// compares every block the write sent.
int verifyWrite(const Session& written, RadioPort& port, Console& console) {
    console.out(console.text(kVerifying));
    settle();
    Session readBack;
    if (runTransfer(readBack, port, console, {false, false, true}) != link::Outcome::Succeeded)
        return kExitFailed;
    const bool calibWrite = written.config.service.calibWrite;
    const WriteCheck check = checkWrite(written.imageOut, readBack.imageIn, calibWrite);
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
                       "sent: a backup that write restores."),
        {});
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The data file (*.dat) to save."), QStringLiteral("FILE"));
    const QCommandLineOption raw(QStringLiteral("raw"),
                                 QStringLiteral("Save the memory as the radio sent it."));
    p.options().addOption(kPortOption);
    p.options().addOption(output);
    p.options().addOption(raw);
    if (auto status = p.parse(args, console)) return *status;
    const QString path = p.options().value(output);
    if (path.isEmpty()) {
        console.err(p.options().helpText().toStdString());
        return kExitUsage;
    }

    Session session;
    RadioPort port;
    if (!openPort(p, port, console)) return kExitFailed;
    if (runTransfer(session, port, console, {}) != link::Outcome::Succeeded) return kExitFailed;
    const FileResult saved =
        p.options().isSet(raw) ? saveImageAsDataFile(session.imageIn, path) : saveDataFile(session, path);
    if (!console.fileDone(saved, path)) return kExitFailed;
    console.out(fillText(console.text(kSaved), {path.toStdString()}));
    return kExitOk;
}

int writeCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("write"),
        QStringLiteral("Opens a data file and writes it to the radio, with the file's band as the "
                       "selected band."),
        {{QStringLiteral("FILE.dat"), QStringLiteral("The data file to write.")}});
    const QCommandLineOption calibration(QStringLiteral("calibration"),
                                         QStringLiteral("Also write the power calibration blocks."));
    const QCommandLineOption forceBand(QStringLiteral("force-band"),
                                       QStringLiteral("Write to a radio of another band as well."));
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("Read the radio back afterwards and report every block "
                                                   "that differs from what was written."));
    p.options().addOption(kPortOption);
    p.options().addOption(calibration);
    p.options().addOption(forceBand);
    p.options().addOption(verify);
    if (auto status = p.parse(args, console)) return *status;

    Session session;
    const QString path = p.positional(0);
    if (!console.fileDone(openDataFile(session, path), path)) return kExitFailed;
    session.config.service.calibWrite = p.options().isSet(calibration);
    session.config.service.crossBandWrite = p.options().isSet(forceBand);

    RadioPort port;
    if (!openPort(p, port, console)) return kExitFailed;
    if (runTransfer(session, port, console, {true, true, false}) != link::Outcome::Succeeded)
        return kExitFailed;
    if (p.options().isSet(verify)) return verifyWrite(session, port, console);
    return kExitOk;
}

}  // namespace zrt::cli

// read and write on several ports at once, and the programming station.
#include <glob.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "cli/cli_texts.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/fleet.h"
#include "cli/fleet_texts.h"
#include "cli/interruption.h"
#include "cli/radio_runner.h"
#include "config/channel_csv.h"
#include "i18n/backup_captions.h"
#include "i18n/station_captions.h"
#include "platform/backups.h"
#include "platform/data_file_io.h"
#include "platform/port_names.h"
#include "platform/station_driver.h"
#include "session/session.h"

namespace zrt::cli {

namespace {

constexpr int kSettleMs = 300;  // the radios' answers to the final 'E' arrive and are dropped
constexpr int kRedrawMs = 100;
constexpr int kBarWidth = 20;

bool isPattern(const QString& given) {
    return given.contains(QLatin1Char('*')) || given.contains(QLatin1Char('?')) ||
           given.contains(QLatin1Char('['));
}

// ttyUSB2 before ttyUSB10.
void sortDevices(QStringList& devices) {
    std::stable_sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
}

QStringList globDevices(const QString& pattern) {
    QStringList devices;
    glob_t found{};
    if (::glob(QFile::encodeName(pattern).constData(), 0, nullptr, &found) == 0) {
        for (std::size_t i = 0; i < found.gl_pathc; ++i)
            devices << QFile::decodeName(found.gl_pathv[i]);
    }
    ::globfree(&found);
    sortDevices(devices);
    return devices;
}

// The devices of the --port values, each once, in the order given; nothing (with the reason printed) when
// a pattern or `all` finds none.
std::optional<QStringList> expandPorts(const QStringList& given, const Console& console) {
    QStringList devices;
    for (const QString& g : given) {
        QStringList these;
        if (g == QLatin1String("all")) {
            these = systemSerialDevices();
            if (these.isEmpty()) {
                console.err(console.text(kNoPortListed));
                return std::nullopt;
            }
        } else if (isPattern(g)) {
            these = globDevices(g);
            if (these.isEmpty()) {
                console.err(fillText(console.text(kNoDeviceMatches), {g.toStdString()}));
                return std::nullopt;
            }
        } else {
            these << deviceOf(g);
        }
        for (const QString& d : these)
            if (!devices.contains(d)) devices << d;
    }
    return devices;
}

std::string hex(std::size_t value) {
    return QStringLiteral("%1")
        .arg(static_cast<qulonglong>(value), 3, 16, QLatin1Char('0'))
        .toUpper()
        .toStdString();
}

// One port of the run.
struct Port {
    QString device;
    std::unique_ptr<StationDriver> driver;
    StationPhase phase = StationPhase::Waiting;
    int percent = 0;
    bool opened = false;
    bool ok = false;
    bool cut = false;    // a radio's transfer was cut short
    std::string result;  // the last radio's, in the chosen language
    std::string shown;   // the state last printed as a plain line
    QString file;        // a read's data file
    QElapsedTimer clock;
    double seconds = 0;
    int programmed = 0;
    int failed = 0;
};

// Per port a progress line on a terminal, redrawn in place; plain lines otherwise. Everything goes to
// standard error, so that standard output keeps the results only.
class FleetView {
  public:
    FleetView(const Console& console, const std::vector<std::unique_ptr<Port>>& ports, bool station)
        : console_(console), ports_(ports), station_(station), terminal_(::isatty(STDERR_FILENO) == 1) {
        redraw_.setSingleShot(true);
        redraw_.setInterval(kRedrawMs);
        QObject::connect(&redraw_, &QTimer::timeout, [this] { draw(); });
    }

    void phase(Port& port) {
        if (terminal_) return changed();
        // The end of a port shows as its result.
        const std::string text = console_.text(phaseText(port.phase));
        if (port.phase == StationPhase::Ended || text == port.shown) return;
        port.shown = text;
        console_.err(port.device.toStdString() + ": " + text);
    }
    void result(Port& port) {
        if (terminal_) return changed();
        port.shown = port.result;
        console_.err(port.device.toStdString() + ": " + port.result);
    }
    void changed() {
        if (terminal_ && !redraw_.isActive()) redraw_.start();
    }
    // A line of standard output (or error) among the progress lines.
    void out(const std::string& line) { print(line, false); }
    void err(const std::string& line) { print(line, true); }
    void finish() {
        if (!terminal_) return;
        redraw_.stop();
        draw();
        drawn_ = 0;
    }

  private:
    void print(const std::string& line, bool toError) {
        erase();
        toError ? console_.err(line) : console_.out(line);
        if (terminal_) draw();
    }
    void erase() {
        if (drawn_ == 0) return;
        std::fprintf(stderr, "\033[%dA\r\033[J", drawn_);
        std::fflush(stderr);
        drawn_ = 0;
    }
    void draw() {
        erase();
        int width = 0;
        for (const auto& p : ports_)
            width = std::max(width, static_cast<int>(p->device.size()));
        std::string block;
        for (const auto& p : ports_) {
            const int filled = p->percent * kBarWidth / 100;
            block += p->device.leftJustified(width).toStdString() + "  [" +
                     std::string(static_cast<std::size_t>(filled), '#') +
                     std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
                     QStringLiteral("%1%").arg(p->percent, 3).toStdString() + "  ";
            block += p->phase == StationPhase::Ended && !p->result.empty()
                         ? p->result
                         : console_.text(phaseText(p->phase));
            if (station_)
                block += "  (" + std::to_string(p->programmed) + " " + console_.text(kColumnProgrammed) + ")";
            block += "\n";
        }
        std::fputs(block.c_str(), stderr);
        std::fflush(stderr);
        drawn_ = static_cast<int>(ports_.size());
    }

    const Console& console_;
    const std::vector<std::unique_ptr<Port>>& ports_;
    bool station_;
    bool terminal_;
    int drawn_ = 0;
    QTimer redraw_;
};

// Columns a text takes on a terminal: Chinese characters take two.
int columns(const std::string& text) {
    int n = 0;
    for (const QChar ch : QString::fromStdString(text))
        n += ch.unicode() >= 0x2E80 ? 2 : 1;
    return n;
}

// Columns padded to their widest cell.
void printTable(const Console& console, const std::vector<std::vector<std::string>>& rows) {
    std::vector<int> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], columns(row[c]));
        }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(static_cast<std::size_t>(widths[c] - columns(row[c]) + 2), ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        console.out(line);
    }
}

// Runs one cycle per device on the one event loop until every port has ended.
class FleetRun {
  public:
    // onRadio: what else a finished radio asks for (a read's file, the station's line and log); it may
    // turn the port's result into a failure by returning false.
    using OnRadio = std::function<bool(Port&, const RadioDone&, const StationCycle&)>;

    FleetRun(Console& console, const QStringList& devices, const MemoryImage& image, StationOptions options)
        : console_(console), options_(options), view_(console, ports_, options.station) {
        for (const QString& d : devices) {
            auto port = std::make_unique<Port>();
            port->device = d;
            port->driver = std::make_unique<StationDriver>(image, options);
            ports_.push_back(std::move(port));
        }
    }

    std::vector<std::unique_ptr<Port>>& ports() { return ports_; }
    FleetView& view() { return view_; }

    // Returns false when the user cut the transfers short.
    bool run(Interruption& interruption, const OnRadio& onRadio) {
        QEventLoop loop;
        int running = 0;
        for (auto& owned : ports_) {
            Port& port = *owned;
            port.clock.start();
            if (!port.driver->open(port.device)) {
                const bool refused =
                    port.driver->port().lastOpenFailure() == RadioPort::OpenFailure::PermissionDenied;
                port.result = console_.text(refused ? kPortRefused : kPortNotOpened);
                port.phase = StationPhase::Ended;
                ++port.failed;
                continue;
            }
            port.opened = true;
            ++running;
            StationDriver::Handlers h;
            h.phase = [&, p = &port](StationPhase phase) {
                // A station's adapter pulled between radios ends its port with no radio to blame: say so.
                const bool between = p->phase == StationPhase::Waiting || p->phase == StationPhase::Leaving;
                if (options_.station && phase == StationPhase::Ended && between &&
                    !p->driver->port().isOpen())
                    view_.out(p->device.toStdString() + ": " +
                              console_.text(resultText(RadioResult::CablePulled)));
                p->phase = phase;
                if (phase == StationPhase::Waiting || phase == StationPhase::Writing) p->percent = 0;
                view_.phase(*p);
            };
            h.percent = [&, p = &port](int value) {
                p->percent = value;
                view_.changed();
            };
            h.radioDone = [&, p = &port](const RadioDone& done) {
                p->seconds = static_cast<double>(p->clock.elapsed()) / 1000.0;
                p->ok = succeeded(done.result);
                p->cut = p->cut || done.result == RadioResult::Interrupted;
                p->result = console_.text(resultText(done.result));
                if (done.firstDifference)
                    p->result =
                        fillText(console_.text(kFirstDifference), {p->result, hex(*done.firstDifference)});
                if (onRadio && !onRadio(*p, done, p->driver->cycle())) p->ok = false;
                p->ok ? ++p->programmed : ++p->failed;
                if (p->ok) p->percent = 100;
                p->clock.restart();
                if (!options_.station) view_.result(*p);
                view_.changed();
            };
            h.ended = [&] {
                if (--running == 0) loop.quit();
            };
            port.driver->setHandlers(std::move(h));
        }
        bool cut = false;
        QObject::connect(&interruption, &Interruption::arrived, &loop, [&] {
            // A station ends on its first request once the radios in hand are done; anything else, and a
            // station asked again, cuts the transfers short (each radio is told to leave programming mode).
            const bool gently = options_.station && interruption.count() == 1;
            if (gently) view_.out(console_.text(kStationStopping));
            cut = cut || !gently;
            for (auto& p : ports_)
                if (p->opened) gently ? p->driver->stop() : p->driver->abort();
        });
        for (auto& p : ports_)
            if (p->opened) p->driver->start();
        if (running > 0) loop.exec();
        view_.finish();
        QEventLoop settle;
        QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
        settle.exec();
        return !cut;
    }

    bool anyCut() const {
        return std::any_of(ports_.begin(), ports_.end(), [](const auto& p) { return p->cut; });
    }
    bool allSucceeded() const {
        return std::all_of(ports_.begin(), ports_.end(), [](const auto& p) { return p->ok; });
    }

  private:
    Console& console_;
    StationOptions options_;
    std::vector<std::unique_ptr<Port>> ports_;
    FleetView view_;
};

std::string seconds(double s) {
    return QString::number(s, 'f', 1).toStdString() + " s";
}

int interrupted(Console& console, Interruption& interruption, bool partlyWritten) {
    interruption.acknowledge();
    console.err(console.text(kInterrupted));
    if (partlyWritten) console.err(console.text(kPartlyWritten));
    return kExitSignalBase + interruption.signalNumber();
}

std::string csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text.toStdString();
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return ("\"" + quoted + "\"").toStdString();
}

}  // namespace

QString deviceOf(const QString& given) {
    bool number = false;
    const int entry = given.toInt(&number);
    if (number && entry >= 1 && entry <= kPortEntryCount) {
        const QString device = PortNames().device(entry);
        if (!device.isEmpty()) return device;
    }
    return given;
}

bool severalPorts(const QStringList& given) {
    return given.size() > 1 || std::any_of(given.begin(), given.end(), [](const QString& g) {
               return g == QLatin1String("all") || isPattern(g);
           });
}

int fleetWrite(const QStringList& given, const Session& session, bool verify, Console& console) {
    const auto devices = expandPorts(given, console);
    if (!devices) return kExitFailed;
    Interruption interruption;
    StationOptions options;
    options.verify = verify;
    const Configuration& c = session.config();
    options.write = {c.band.listIndex, c.service.crossBandWrite, c.service.calibWrite};
    FleetRun run(console, *devices, session.imageOut(), options);
    const bool whole = run.run(interruption, {});

    std::vector<std::vector<std::string>> rows{
        {console.text(kColumnPort), console.text(kColumnResult), console.text(kColumnTime)}};
    for (const auto& p : run.ports())
        rows.push_back({p->device.toStdString(), p->result, p->opened ? seconds(p->seconds) : ""});
    printTable(console, rows);
    if (!whole || interruption.requested()) return interrupted(console, interruption, run.anyCut());
    return run.allSucceeded() ? kExitOk : kExitFailed;
}

int fleetRead(const QStringList& given, const QString& dir, bool raw, bool backup, Console& console) {
    const auto devices = expandPorts(given, console);
    if (!devices) return kExitFailed;
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir() || !QFileInfo(dir).isWritable()) {
        console.err(fillText(console.text(kNotAFolder), {dir.toStdString()}));
        return kExitFailed;
    }
    Interruption interruption;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    StationOptions options;
    options.job = StationOptions::Job::Read;
    const MemoryImage unused;
    FleetRun run(console, *devices, unused, options);
    const bool whole =
        run.run(interruption, [&](Port& port, const RadioDone& done, const StationCycle& cycle) {
            // Nothing is saved after an interruption, even of a read that had just completed.
            if (done.result != RadioResult::Read || interruption.requested()) return true;
            Session session;
            session.decode(cycle.imageIn());
            // The radio's memory as it came, before anything else can fail; a failing backup never fails the
            // read.
            if (backup) {
                const BackupResult kept = saveBackup(session.imageIn(), session.config().band.listIndex);
                const std::string prefix = port.device.toStdString() + ": ";
                if (kept.path.isEmpty())
                    run.view().err(prefix +
                                   fillText(console.text(backup_text::kFailed), {kept.error.toStdString()}));
                else
                    run.view().out(prefix + fillText(console.text(backup_text::kSaved),
                                                     {QDir::toNativeSeparators(kept.path).toStdString()}));
            }
            const QString base = QFileInfo(port.device).fileName() + QLatin1Char('-') + stamp;
            QString path = QDir(dir).filePath(base + QStringLiteral(".dat"));
            for (int n = 2; QFileInfo::exists(path); ++n)
                path = QDir(dir).filePath(QStringLiteral("%1-%2.dat").arg(base).arg(n));
            const FileResult saved =
                raw ? saveImageAsDataFile(session.imageIn(), path) : saveDataFile(session, path);
            if (saved != FileResult::Done) {
                port.result = console.text(kNotSaved);
                return false;
            }
            port.file = path;
            return true;
        });

    std::vector<std::vector<std::string>> rows{{console.text(kColumnPort), console.text(kColumnResult),
                                                console.text(kColumnTime), console.text(kColumnFile)}};
    for (const auto& p : run.ports())
        rows.push_back({p->device.toStdString(), p->result, p->opened ? seconds(p->seconds) : "",
                        p->file.toStdString()});
    printTable(console, rows);
    if (!whole || interruption.requested()) return interrupted(console, interruption, false);
    return run.allSucceeded() ? kExitOk : kExitFailed;
}

int stationCommand(const QStringList& args, Console& console) {
    CommandParser p(
        QStringLiteral("station"),
        QStringLiteral("A programming station: keeps every port open and writes each radio switched on at "
                       "its end, once, then waits until it is switched off before taking the next. Ctrl+C "
                       "ends the station once the radios in hand are done; a second Ctrl+C cuts them off."),
        {{QStringLiteral("FILE.dat"), QStringLiteral("The data file to write.")}});
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("A serial device, a pattern of devices ('/dev/ttyUSB*') or "
                       "all (every serial port the system lists); repeat for more."),
        QStringLiteral("DEVICE"));
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("Read every radio back and compare it with what was "
                                                   "written."));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Append a line per radio to this CSV file (time, port, "
                                                "result, first differing address)."),
                                 QStringLiteral("FILE"));
    const WriteFileOptions file;
    for (const auto* o : {&port, &verify, &log})
        p.options().addOption(*o);
    file.addTo(p.options());
    if (auto status = p.parse(args, console)) return *status;

    QStringList given = p.options().values(port);
    if (given.isEmpty() && qEnvironmentVariableIsSet("ZRT410_PORT"))
        given << qEnvironmentVariable("ZRT410_PORT");
    if (given.isEmpty()) {
        console.err(console.text(kNoPort));
        return kExitFailed;
    }
    Session session;
    const QString path = p.positional(0);
    if (!file.open(p.options(), path, session, console)) return kExitFailed;
    const bool asItIs = p.options().isSet(file.raw);
    if (!asItIs) session.encode();
    const auto devices = expandPorts(given, console);
    if (!devices) return kExitFailed;

    QFile logFile(p.options().value(log));
    if (p.options().isSet(log)) {
        if (!logFile.open(QIODevice::Append | QIODevice::Text)) {
            console.err(fillText(console.text(kLogNotOpened), {logFile.fileName().toStdString()}));
            return kExitFailed;
        }
        if (logFile.size() == 0) logFile.write("time,port,result,first_difference\n");
        logFile.flush();
    }

    Interruption interruption(2);
    StationOptions options;
    options.station = true;
    options.verify = p.options().isSet(verify);
    const Configuration& c = session.config();
    options.write = {c.band.listIndex, c.service.crossBandWrite, c.service.calibWrite};
    FleetRun run(console, *devices, session.imageOut(), options);
    console.out(fillText(console.text(kStationWaiting), {std::to_string(devices->size())}));
    const bool whole = run.run(interruption, [&](Port& port, const RadioDone& done, const StationCycle&) {
        const bool ok = succeeded(done.result);
        run.view().out(
            ok ? fillText(console.text(kRadioProgrammed),
                          {port.device.toStdString(), std::to_string(port.programmed + 1)})
               : fillText(console.text(kRadioNotProgrammed), {port.device.toStdString(), port.result}));
        if (logFile.isOpen()) {
            // The log is for other programs: its words do not follow the language.
            const std::string line =
                QDateTime::currentDateTime()
                    .toOffsetFromUtc(QDateTime::currentDateTime().offsetFromUtc())
                    .toString(Qt::ISODate)
                    .toStdString() +
                "," + csvField(port.device) + "," + std::string(resultText(done.result).en) + "," +
                (done.firstDifference ? "0x" + hex(*done.firstDifference) : std::string()) + "\n";
            logFile.write(line.c_str());
            logFile.flush();
        }
        return ok;
    });

    std::vector<std::vector<std::string>> rows{
        {console.text(kColumnPort), console.text(kColumnProgrammed), console.text(kColumnFailed)}};
    int failed = 0;
    for (const auto& p : run.ports()) {
        std::string programmed = std::to_string(p->programmed);
        if (!p->opened) programmed = p->result;
        rows.push_back({p->device.toStdString(), programmed, std::to_string(p->failed)});
        failed += p->failed;
    }
    printTable(console, rows);
    // Ctrl+C is how a station ends; only transfers cut short count as interrupted.
    interruption.acknowledge();
    if (!whole) return interrupted(console, interruption, run.anyCut());
    return failed == 0 ? kExitOk : kExitFailed;
}

}  // namespace zrt::cli

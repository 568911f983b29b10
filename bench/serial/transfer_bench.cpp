// Times a real read and a real write through the serial port (RadioPort and LinkDriver, or the window's
// transfer controller with its progress window) against the virtual radio on a pseudo-terminal, and sets the
// time against what the bytes moved take on a 9600-baud line.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/transfer_controller.h"
#include "platform/link_driver.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "radio-sim/virtual_radio.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace {

constexpr double kSecondsPerByte = 10.0 / 9600.0;  // 8N1

struct Run {
    double seconds = 0;
    std::size_t bytes = 0;  // both ways
    int roundTrips = 0;     // replies of the radio
    // The program's whole handling of a reply handed over by the port (its answer, then the window's update),
    // and the turnaround as the radio sees it: its reply written until the program's next frame read.
    std::vector<double> handlingUs, turnaroundUs;
    bool ok = false;
};

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

double mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v)
        sum += x;
    return v.empty() ? 0 : sum / static_cast<double>(v.size());
}

zrt::sim::RadioProtocol::Memory patterned() {
    zrt::sim::RadioProtocol::Memory m;
    std::uint32_t x = 2024;
    for (auto& b : m) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return m;
}

class Bench {
  public:
    Bench(bool paced, bool window) : window_(window) {
        zrt::sim::LineFaults faults;
        faults.pace9600 = paced;
        radio_ = std::make_unique<zrt::sim::VirtualRadio>(zrt::sim::RadioBehaviour{}, faults);
    }

    bool open() {
        if (!radio_->open() || !radio_->start()) {
            std::fprintf(stderr, "transfer bench: %s\n", radio_->error().c_str());
            return false;
        }
        radio_->setMemory(patterned());
        if (!port_.open(zrt::qs(radio_->devicePath()))) {
            std::fprintf(stderr, "transfer bench: cannot open %s\n", radio_->devicePath().c_str());
            return false;
        }
        zrt::setMsgBoxResponder([](const zrt::MsgBoxRequest&) { return zrt::msg::kResultOk; });
        // The slots of a signal run in the order they were connected: this one before the program's, the
        // one below after it, so the two bracket the program's whole handling of a reply.
        QObject::connect(&port_, &zrt::RadioPort::bytesReceived, [this] { handling_.start(); });
        if (window_) {
            controller_ = std::make_unique<zrt::TransferController>(session_, port_, nullptr);
            // A write is timed alone, without the read that checks it.
            controller_->setVerifyAfterWrite(false);
            QObject::connect(controller_.get(), &zrt::TransferController::finished, &loop_,
                             &QEventLoop::quit);
        } else {
            driver_ = std::make_unique<zrt::LinkDriver>(session_, port_);
            zrt::LinkDriver::Handlers h;
            h.finished = [this](zrt::link::Outcome o) {
                outcome_ = o;
                loop_.quit();
            };
            driver_->setHandlers(std::move(h));
        }
        QObject::connect(&port_, &zrt::RadioPort::bytesReceived,
                         [this] { handled_.push_back(static_cast<double>(handling_.nsecsElapsed()) / 1e3); });
        return true;
    }

    Run read() { return measure(false); }
    Run write() { return measure(true); }

    ~Bench() {
        zrt::setMsgBoxResponder({});
        port_.close();
        radio_->stop();
    }

  private:
    Run measure(bool write) {
        // Let the line settle: the radio's reply to a final 'E' of the last run may still be on its way.
        QEventLoop settle;
        QTimer::singleShot(50, &settle, &QEventLoop::quit);
        settle.exec();

        const std::size_t bytesBefore = radio_->bytesIn() + radio_->bytesOut();
        const int repliesBefore = radio_->replies();
        const std::size_t turnaroundsBefore = radio_->turnaroundMicros().size();
        handled_.clear();
        outcome_.reset();
        QElapsedTimer timer;
        timer.start();
        if (controller_) {
            // Ends once the progress window has closed and the success message was answered.
            write ? controller_->startWrite() : controller_->startRead();
            if (controller_->running()) loop_.exec();
            outcome_ = zrt::link::Outcome::Succeeded;
        } else {
            write ? driver_->startWrite() : driver_->startRead();
            if (driver_->active()) loop_.exec();
        }
        Run r;
        r.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        r.bytes = radio_->bytesIn() + radio_->bytesOut() - bytesBefore;
        r.roundTrips = radio_->replies() - repliesBefore;
        const std::vector<double> turnarounds = radio_->turnaroundMicros();
        // The first turnaround of a run is the pause between runs.
        r.turnaroundUs.assign(turnarounds.begin() + static_cast<std::ptrdiff_t>(
                                                        std::min(turnaroundsBefore + 1, turnarounds.size())),
                              turnarounds.end());
        r.handlingUs = handled_;
        r.ok = outcome_ == zrt::link::Outcome::Succeeded;
        if (!write) {
            const auto memory = radio_->memory();
            r.ok = r.ok && std::equal(memory.begin(), memory.end(), session_.imageIn().bytes().begin());
        }
        return r;
    }

    bool window_;
    std::unique_ptr<zrt::sim::VirtualRadio> radio_;
    zrt::Session session_;
    zrt::RadioPort port_;
    std::unique_ptr<zrt::LinkDriver> driver_;
    std::unique_ptr<zrt::TransferController> controller_;
    QEventLoop loop_;
    QElapsedTimer handling_;
    std::vector<double> handled_;
    std::optional<zrt::link::Outcome> outcome_;
};

void print(const char* what, bool paced, const Run& r) {
    const double wire = static_cast<double>(r.bytes) * kSecondsPerByte;
    const double trips = std::max(1, r.roundTrips);
    // On the instant radio all of the time is added time; on the paced one, what exceeds the wire time.
    const double addedMs = 1000.0 * (paced ? r.seconds - wire : r.seconds) / trips;
    std::printf(
        "%s %s: %.2f s, wire %.2f s, ratio %.3f (%zu bytes, %d round trips, %.3f ms added a round trip)%s\n",
        what, paced ? "paced" : "instant", r.seconds, wire, r.seconds / wire, r.bytes, r.roundTrips, addedMs,
        r.ok ? "" : "  FAILED");
    std::printf(
        "  a round trip's program handling %.1f us (median %.1f), turnaround as the radio sees it %.1f us "
        "(median %.1f)\n",
        mean(r.handlingUs), median(r.handlingUs), mean(r.turnaroundUs), median(r.turnaroundUs));
}

}  // namespace

int main(int argc, char** argv) {
    // The window's mode needs widgets, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window's reads keep backups: in a scratch folder, not among the user's.
    QTemporaryDir backups;
    qputenv("ZRT410_BACKUP_DIR", backups.path().toUtf8());
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads and writes the virtual radio through the serial port and prints the times against the wire "
        "time of the bytes moved (9600 baud, 10 bits a byte)."));
    parser.addHelpOption();
    const QCommandLineOption paced(QStringLiteral("pace"),
                                   QStringLiteral("The radio paces its line at 9600 baud."));
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Run through the window's transfer controller and its "
                                                   "progress window instead of the bare link driver."));
    const QCommandLineOption repeat(QStringLiteral("repeat"), QStringLiteral("Runs of each (default 1)."),
                                    QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({paced, window, repeat});
    parser.process(app);

    Bench bench(parser.isSet(paced), parser.isSet(window));
    if (!bench.open()) return 1;
    const int runs = std::max(1, parser.value(repeat).toInt());
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        const Run r = bench.read();
        print("read", parser.isSet(paced), r);
        const Run w = bench.write();
        print("write", parser.isSet(paced), w);
        ok = ok && r.ok && w.ok;
    }
    return ok ? 0 : 1;
}

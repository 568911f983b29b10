#include "platform/radio_port.h"

#include <QSerialPort>

#include "link/receive_buffer.h"

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace zrt {

namespace {

// The radio answers each frame within milliseconds; the kernel's default batching of received bytes would
// add latency to every one of the ~400 exchanges of a transfer. Pseudo-terminals and some adapters refuse,
// which is fine.
void askForLowLatency([[maybe_unused]] QSerialPort& port) {
#ifdef Q_OS_LINUX
    const int fd = static_cast<int>(port.handle());
    if (fd < 0) return;
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0) return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &serial);
#endif
}

// A line whose other end went away (USB adapter unplugged, pseudo-terminal closed) reads as hung up.
bool hungUp([[maybe_unused]] QSerialPort& port) {
#ifdef Q_OS_UNIX
    pollfd p{static_cast<int>(port.handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}

// Qt reports a refused open and a device locked by another program alike; only the file's permissions tell
// whether group membership would help.
RadioPort::OpenFailure failureOf([[maybe_unused]] const QString& device, QSerialPort::SerialPortError error) {
#ifdef Q_OS_UNIX
    if (error == QSerialPort::PermissionError || error == QSerialPort::OpenError) {
        const QByteArray path = device.startsWith(QLatin1Char('/'))
                                    ? device.toLocal8Bit()
                                    : QByteArray("/dev/") + device.toLocal8Bit();
        if (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES)
            return RadioPort::OpenFailure::PermissionDenied;
    }
#else
    if (error == QSerialPort::PermissionError) return RadioPort::OpenFailure::PermissionDenied;
#endif
    return RadioPort::OpenFailure::Other;
}

}  // namespace

struct RadioPort::Impl {
    QSerialPort serial;
    QString device;  // as given to open(): the port's own name drops the /dev/ of a path
    link::ReceiveBuffer buffer;
    bool closing = false;
    OpenFailure failure = OpenFailure::None;
};

RadioPort::RadioPort(QObject* parent) : QObject(parent), d_(std::make_unique<Impl>()) {
    connect(&d_->serial, &QSerialPort::readyRead, this, [this] {
        const QByteArray data = d_->serial.readAll();
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
        if (auto handed = d_->buffer.arrive(std::span(bytes, static_cast<std::size_t>(data.size()))))
            emit bytesReceived(*handed);
    });
    connect(&d_->serial, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // Flushing a hung-up line while closing fails again; that error belongs to the close under way.
        if (!d_->serial.isOpen() || d_->closing) return;
        const bool gone =
            error == QSerialPort::ResourceError ||
            ((error == QSerialPort::ReadError || error == QSerialPort::WriteError) && hungUp(d_->serial));
        if (!gone) return;
        // Closing also stops the read notifier, which a hung-up line would otherwise keep firing.
        close();
        emit portLost();
    });
}

RadioPort::~RadioPort() {
    close();
}

bool RadioPort::open(const QString& device) {
    close();
    QSerialPort& s = d_->serial;
    s.setPortName(device);
    d_->failure = OpenFailure::None;
    if (!s.open(QIODevice::ReadWrite)) {
        d_->failure = failureOf(device, s.error());
        return false;
    }
    const bool configured = s.setBaudRate(QSerialPort::Baud9600) && s.setDataBits(QSerialPort::Data8) &&
                            s.setParity(QSerialPort::NoParity) && s.setStopBits(QSerialPort::OneStop) &&
                            s.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        s.close();
        d_->failure = OpenFailure::Other;
        return false;
    }
    askForLowLatency(s);
    s.clear();
    d_->device = device;
    d_->buffer.clear();
    return true;
}

void RadioPort::close() {
    if (d_->closing) return;
    d_->closing = true;
    if (d_->serial.isOpen()) {
        d_->serial.flush();
        d_->serial.close();
    }
    d_->closing = false;
    d_->buffer.clear();
    d_->device.clear();
}

RadioPort::OpenFailure RadioPort::lastOpenFailure() const {
    return d_->failure;
}

bool RadioPort::isOpen() const {
    return d_->serial.isOpen();
}

QString RadioPort::device() const {
    return d_->device;
}

void RadioPort::setThreshold(int bytes) {
    d_->buffer.setThreshold(bytes);
}

int RadioPort::threshold() const {
    return d_->buffer.threshold();
}

void RadioPort::send(const std::vector<std::uint8_t>& bytes) {
    if (!d_->serial.isOpen() || bytes.empty()) return;
    d_->serial.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Out at once, as far as the line takes it without blocking: the radio waits for every frame.
    d_->serial.flush();
}

}  // namespace zrt

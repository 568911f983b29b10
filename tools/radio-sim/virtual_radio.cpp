#include "radio-sim/virtual_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "datafile/data_file.h"
#include "image/memory_image.h"

namespace zrt::sim {

namespace {

constexpr auto kByteTimeAt9600 = std::chrono::nanoseconds(1'041'667);  // 10 bits per byte

// A sleeping thread wakes up tens of microseconds late, more on a busy or virtual machine.
constexpr auto kWakeUpMargin = std::chrono::microseconds(200);

// Sleeps to an absolute time, so that the wake-up lateness of one byte is not added to the next. The
// default timer slack (50 us a sleep) would make a paced line visibly slower than 9600 baud. Where the
// other side waits for exactly this moment (a frame's last byte), the last stretch is spun instead, so that
// the line's timing measures the program and not the radio's wake-up.
void sleepUntil(std::chrono::steady_clock::time_point when, bool exact) {
    thread_local const bool precise = ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)precise;
    if (!exact) {
        std::this_thread::sleep_until(when);
        return;
    }
    std::this_thread::sleep_until(when - kWakeUpMargin);
    while (std::chrono::steady_clock::now() < when) {
    }
}

std::string systemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

VirtualRadio::VirtualRadio(RadioBehaviour behaviour, LineFaults faults, PowerPlan power)
    : protocol_(std::move(behaviour)), faults_(faults), power_(power) {}

VirtualRadio::~VirtualRadio() {
    stop();
    closePty();
}

bool VirtualRadio::open() {
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    raw.c_cflag |= CLOCAL | CREAD;
    if (::openpty(&master_, &slave_, nullptr, &raw, nullptr) != 0) {
        error_ = systemError("openpty");
        return false;
    }
    char name[256] = {};
    if (::ttyname_r(slave_, name, sizeof name) != 0) {
        error_ = systemError("ttyname");
        closePty();
        return false;
    }
    path_ = name;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    closed_ = false;
    if (power_.onAfterMs > 0) {
        setPowered(false);
        onAt_ = Clock::now() + std::chrono::milliseconds(power_.onAfterMs);
    }
    return true;
}

void VirtualRadio::setPowered(bool on) {
    std::lock_guard lock(mutex_);
    if (!on) protocol_.switchOff();
    if (on && !powered_) writtenSinceOn_ = false;
    powered_ = on;
}

bool VirtualRadio::start() {
    if (master_ < 0 || thread_.joinable()) return false;
    stopping_ = false;
    thread_ = std::thread([this] {
        while (!stopping_ && poll(50)) {
        }
    });
    return true;
}

void VirtualRadio::stop() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
}

bool VirtualRadio::poll(int timeoutMs) {
    if (closed_ || master_ < 0) return false;
    const Clock::time_point now = Clock::now();
    if (onAt_ != Clock::time_point{} && now >= onAt_) {
        onAt_ = {};
        setPowered(true);
    }
    if (offAt_ != Clock::time_point{} && now >= offAt_) {
        offAt_ = {};
        setPowered(false);
    }
    pollfd p{master_, POLLIN, 0};
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready < 0) return errno == EINTR;
    if (ready == 0) return true;
    std::uint8_t buffer[512];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n < 0) return errno == EAGAIN || errno == EINTR || errno == EIO;  // EIO: no one has the line open
    if (n == 0) return true;
    bytesIn_ += static_cast<std::size_t>(n);
    if (!powered_) return true;  // nobody hears it
    if (replyEnd_ != Clock::time_point{}) {
        const double micros = std::chrono::duration<double, std::micro>(Clock::now() - replyEnd_).count();
        std::lock_guard lock(mutex_);
        turnarounds_.push_back(micros);
        replyEnd_ = {};
    }
    // The frame is complete only when its last byte would have come down the line.
    if (faults_.pace9600) sleepUntil(occupy(receiveBusy_, static_cast<std::size_t>(n)), true);

    std::vector<Bytes> answers;
    {
        std::lock_guard lock(mutex_);
        const std::size_t framesBefore = protocol_.frames().size();
        answers = protocol_.feed(std::span(buffer, static_cast<std::size_t>(n)));
        for (std::size_t i = framesBefore; i < protocol_.frames().size(); ++i)
            if (protocol_.frames()[i].kind == ReceivedFrame::Kind::Write) writtenSinceOn_ = true;
        if (power_.offAfterWrite && writtenSinceOn_)
            offAt_ = protocol_.programming()
                         ? Clock::time_point{}
                         : Clock::now() + std::chrono::milliseconds(power_.offAfterQuietMs);
    }
    for (const Bytes& reply : answers) {
        if (!writeReply(reply)) return false;
        replyEnd_ = Clock::now();
        if (faults_.closeAfter >= 0 && replies() >= faults_.closeAfter) {
            closePty();
            return false;
        }
    }
    return true;
}

bool VirtualRadio::writeReply(const Bytes& reply) {
    const bool byteByByte = faults_.splitReplies || faults_.pace9600;
    if (!byteByByte) return writeSome(reply.data(), reply.size());
    // Byte k is there once its stop bit has gone out, k + 1 byte times after the reply began; a late
    // wake-up for one byte does not delay the next.
    const Clock::time_point begin = std::max(sendBusy_, Clock::now());
    if (faults_.pace9600) occupy(sendBusy_, reply.size());
    long k = 0;
    for (std::uint8_t b : reply) {
        ++k;
        if (faults_.pace9600)
            sleepUntil(begin + std::chrono::duration_cast<Clock::duration>(kByteTimeAt9600 * k),
                       k == static_cast<long>(reply.size()));
        if (!writeSome(&b, 1)) return false;
        if (faults_.splitReplies)
            std::this_thread::sleep_for(std::chrono::microseconds(faults_.splitGapMicros));
    }
    return true;
}

VirtualRadio::Clock::time_point VirtualRadio::occupy(Clock::time_point& busyUntil, std::size_t bytes) {
    busyUntil = std::max(busyUntil, Clock::now()) +
                std::chrono::duration_cast<Clock::duration>(kByteTimeAt9600 * static_cast<long>(bytes));
    return busyUntil;
}

// Writes everything unless the radio is being stopped; a line that nobody reads must not hang the radio.
bool VirtualRadio::writeSome(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(master_, data, size);
        if (n > 0) {
            bytesOut_ += static_cast<std::size_t>(n);
            data += n;
            size -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        if (stopping_) return false;
        pollfd p{master_, POLLOUT, 0};
        ::poll(&p, 1, 50);
    }
    return true;
}

void VirtualRadio::closePty() {
    std::lock_guard lock(mutex_);
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
    closed_ = true;
}

RadioProtocol::Memory VirtualRadio::memory() const {
    std::lock_guard lock(mutex_);
    return protocol_.memory();
}

void VirtualRadio::setMemory(const RadioProtocol::Memory& memory) {
    std::lock_guard lock(mutex_);
    protocol_.memory() = memory;
}

std::vector<ReceivedFrame> VirtualRadio::frames() const {
    std::lock_guard lock(mutex_);
    return protocol_.frames();
}

std::vector<double> VirtualRadio::turnaroundMicros() const {
    std::lock_guard lock(mutex_);
    return turnarounds_;
}

int VirtualRadio::replies() const {
    std::lock_guard lock(mutex_);
    return protocol_.replies();
}

bool VirtualRadio::programming() const {
    std::lock_guard lock(mutex_);
    return protocol_.programming();
}

bool VirtualRadio::loadDataFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error_ = systemError(path.c_str());
        return false;
    }
    const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
    MemoryImage image;
    if (!datafile::load(file, image)) {
        error_ = path + ": not a data file";
        return false;
    }
    RadioProtocol::Memory memory;
    std::copy_n(image.bytes().begin(), memory.size(), memory.begin());
    setMemory(memory);
    return true;
}

bool VirtualRadio::saveDataFile(const std::string& path) {
    MemoryImage image;
    const RadioProtocol::Memory memory = this->memory();
    std::copy(memory.begin(), memory.end(), image.bytes().begin());
    const std::vector<std::uint8_t> file = datafile::serialize(image);
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        if (!out.flush()) {
            error_ = systemError(temporary.c_str());
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error_ = systemError(path.c_str());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace zrt::sim

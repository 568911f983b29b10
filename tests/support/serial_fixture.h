// The serial tests' bench: a virtual radio on a pseudo-terminal, the program's port opened on it, the
// message boxes answered and recorded, and waiting for what another thread or process brings about.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QThread>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "datafile/data_file.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "radio-sim/virtual_radio.h"
#include "session/session.h"
#include "session/write_verification.h"
#include "support/generators.h"
#include "ui/msgbox.h"

namespace zrt::testing_support {

// Lets the event loop, the radio's thread and other processes catch up until done() holds; false if it never
// does within ms milliseconds.
template <class Done>
bool settle(Done done, int ms = 3000) {
    for (int i = 0; i < ms && !done(); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return done();
}

inline sim::RadioProtocol::Memory patterned(unsigned seed) {
    sim::RadioProtocol::Memory m;
    fillPattern(m, seed);
    return m;
}

inline sim::RadioProtocol::Memory memoryOf(const MemoryImage& image) {
    sim::RadioProtocol::Memory m;
    std::copy_n(image.bytes().begin(), m.size(), m.begin());
    return m;
}

// A radio's memory as the program keeps it: its decode and encode in a fresh program (a fixed point of both).
inline sim::RadioProtocol::Memory asTheProgramKeepsIt(const sim::RadioProtocol::Memory& raw) {
    Session s;
    MemoryImage in;
    std::copy(raw.begin(), raw.end(), in.bytes().begin());
    s.decode(in);
    s.encode();
    return memoryOf(s.imageOut());
}

// A file's bytes; empty when it cannot be read.
inline QByteArray fileContents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A data file as the program saves it, of a radio's memory; written to `path` when one is given.
inline QByteArray dataFileOf(const sim::RadioProtocol::Memory& memory, const QString& path = {}) {
    MemoryImage image;
    std::copy(memory.begin(), memory.end(), image.bytes().begin());
    const auto bytes = datafile::serialize(image);
    const QByteArray file(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QFile out(path);
    if (!path.isEmpty() && (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()))
        ADD_FAILURE() << "could not write " << path.toStdString();
    return file;
}

// After a write (with the calibration blocks or not): every byte the write sends holds `wanted`'s value,
// every other byte `kept`'s.
template <class Wanted, class Kept>
::testing::AssertionResult writtenOver(const sim::RadioProtocol::Memory& memory, const Wanted& wanted,
                                       const Kept& kept, bool calibration = false) {
    std::vector<bool> written(memory.size(), false);
    for (std::size_t block : writtenBlocks(calibration))
        std::fill_n(written.begin() + static_cast<long>(block),
                    std::min<std::size_t>(16, memory.size() - block), true);
    for (std::size_t a = 0; a < memory.size(); ++a)
        if (memory[a] != (written[a] ? wanted[a] : kept[a]))
            return ::testing::AssertionFailure() << "at " << a;
    return ::testing::AssertionSuccess();
}

// How many frames of a kind the radio has taken in.
inline long framesOf(const sim::VirtualRadio& radio, sim::ReceivedFrame::Kind kind) {
    const auto f = radio.frames();
    return std::count_if(f.begin(), f.end(), [&](const sim::ReceivedFrame& r) { return r.kind == kind; });
}

// The radio's last frame was 'E', once the bytes still on their way have arrived.
inline bool endedWithE(const sim::VirtualRadio& radio) {
    return settle([&] {
        const auto f = radio.frames();
        return !f.empty() && f.back().kind == sim::ReceivedFrame::Kind::End;
    });
}

class SerialBench {
  public:
    ~SerialBench() {
        port.close();
        if (radio) radio->stop();
    }

    // Starts a radio holding `memory` and, unless told otherwise, opens the program's port on it.
    sim::VirtualRadio& startRadio(const sim::RadioProtocol::Memory& memory = {},
                                  sim::RadioBehaviour behaviour = {}, sim::LineFaults faults = {},
                                  bool openPort = true) {
        port.close();
        if (radio) radio->stop();
        radio = std::make_unique<sim::VirtualRadio>(behaviour, faults);
        if (!radio->open()) ADD_FAILURE() << radio->error();
        radio->setMemory(memory);
        if (!radio->start()) ADD_FAILURE() << "the virtual radio did not start";
        if (openPort && !port.open(device())) ADD_FAILURE() << "the port did not open";
        return *radio;
    }
    QString device() const { return qs(radio->devicePath()); }

    std::unique_ptr<sim::VirtualRadio> radio;
    RadioPort port;
};

struct Shown {
    QString title, text;
    bool overProgress = false;  // a progress window was up when it was shown
};

// Answers every message box with `answer` and records it, for as long as it lives.
class MessageLog {
  public:
    explicit MessageLog(std::function<bool()> progressShown = {}) {
        setMsgBoxResponder([this, progressShown](const MsgBoxRequest& r) {
            shown.push_back({r.title, r.prompt, progressShown && progressShown()});
            return answer;
        });
    }
    ~MessageLog() { setMsgBoxResponder({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList texts() const {
        QStringList t;
        for (const Shown& s : shown)
            t << s.text;
        return t;
    }

    std::vector<Shown> shown;
    int answer = msg::kResultOk;
};

}  // namespace zrt::testing_support

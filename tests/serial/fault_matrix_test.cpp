// The fault matrix: reads and writes through the window's path (TransferController, RadioPort, message
// boxes) against the virtual radio on a pseudo-terminal, with one fault per case: silence after each stage,
// replies split byte by byte, garbage before a reply, another model, another band, the cable pulled. Every
// case must end in its documented message with the progress window closed and Read and Write available
// again, tell the radio 'E' while the line works, leave the configuration as it was unless a read completed,
// and leave no stray or half-written file behind.
//
// The cases that end by the watchdog run with a 40 ms tick instead of 200 ms (11 ticks: 0.44 s instead of
// 2.2 s), so the whole matrix takes a few seconds; the radio answers each frame within a millisecond, so the
// shorter tick never cuts off a radio that is still talking. Cases that end in success keep the real tick.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <thread>

#include "app/file_commands.h"
#include "app/transfer_controller.h"
#include "image/address_map.h"
#include "mapping/image_transfer.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "radio-sim/virtual_radio.h"
#include "session/session.h"
#include "support/radio_memory.h"
#include "support/transfer_wait.h"
#include "ui/msgbox.h"

namespace zrt {
namespace {

using testing_support::asTheProgramKeepsIt;
using testing_support::patterned;

using sim::ReceivedFrame;
using Kind = ReceivedFrame::Kind;

constexpr int kShortWatchdogMs = 40;

enum class Ends { Success, CommunicationError, BandRefused, Cancelled };

struct FaultCase {
    const char* name;
    bool write;
    sim::RadioBehaviour radio;
    sim::LineFaults line;
    Ends ends;
    // Frames the radio must have taken in before the fault struck (read requests, or data blocks of a write),
    // which shows the fault came where the case says; -1 when it does not matter.
    int blocksBefore = -1;
    bool crossBandWrite = false;  // the force question is answered Cancel when the case ends Cancelled
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

sim::RadioBehaviour silentAfter(int replies) {
    sim::RadioBehaviour b;
    b.silentAfter = replies;
    return b;
}
sim::RadioBehaviour garbageBefore(int reply) {
    sim::RadioBehaviour b;
    b.garbageBefore = reply;
    return b;
}
sim::RadioBehaviour model(const char* m) {
    sim::RadioBehaviour b;
    b.model = m;
    return b;
}
sim::RadioBehaviour band(std::uint8_t code) {
    sim::RadioBehaviour b;
    b.bandCode = code;
    return b;
}
sim::LineFaults byteByByte() {
    sim::LineFaults f;
    f.splitReplies = true;
    f.splitGapMicros = 20;
    return f;
}
sim::LineFaults pulledAfter(int replies) {
    sim::LineFaults f;
    f.closeAfter = replies;
    return f;
}

// The virtual radio's replies, counted from 1: the program request's acknowledgement, the identification,
// the acknowledgement of the program's 0x06; then in a read block k (from 0) is reply 4 + 2k and its
// acknowledgement 5 + 2k, the first 'E' is acknowledged by reply 390; in a write the acknowledgement of
// block k is reply 4 + k.
constexpr int readBlock(int k) {
    return 4 + 2 * k;
}
constexpr int writeBlockAck(int k) {
    return 4 + k;
}

const FaultCase kCases[] = {
    // name, write, radio, line, ends, blocks before the fault
    {"ReadSilentAtTheProgramRequest", false, silentAfter(0), {}, Ends::CommunicationError, 0},
    {"ReadSilentAtTheIdentification", false, silentAfter(1), {}, Ends::CommunicationError, 0},
    {"ReadSilentAtBlock0", false, silentAfter(readBlock(0) - 1), {}, Ends::CommunicationError, 1},
    {"ReadSilentAtBlock96", false, silentAfter(readBlock(96) - 1), {}, Ends::CommunicationError, 97},
    {"ReadSilentAtTheLastBlock", false, silentAfter(readBlock(192) - 1), {}, Ends::CommunicationError, 193},
    // Every block arrived, but the radio never acknowledged the end: the read has not completed.
    {"ReadSilentAtTheEnd", false, silentAfter(readBlock(192) + 1), {}, Ends::CommunicationError, 193},
    {"ReadRepliesByteByByte", false, {}, byteByByte(), Ends::Success, 193},
    {"ReadGarbageBeforeTheIdentification", false, garbageBefore(2), {}, Ends::CommunicationError, 0},
    {"ReadGarbageBeforeBlock0", false, garbageBefore(readBlock(0)), {}, Ends::CommunicationError, 1},
    {"ReadOtherModel", false, model("QMX275"), {}, Ends::CommunicationError, 0},
    // A read makes no band check: the image brings its own band.
    {"ReadOtherBand", false, band(2), {}, Ends::Success, 193},
    {"ReadCablePulled", false, {}, pulledAfter(readBlock(20)), Ends::CommunicationError, 21},

    {"WriteSilentAtTheProgramRequest", true, silentAfter(0), {}, Ends::CommunicationError, 0},
    {"WriteSilentAtTheIdentification", true, silentAfter(1), {}, Ends::CommunicationError, 0},
    {"WriteSilentAtBlock0", true, silentAfter(writeBlockAck(0) - 1), {}, Ends::CommunicationError, 1},
    {"WriteSilentAtBlock96", true, silentAfter(writeBlockAck(96) - 1), {}, Ends::CommunicationError, 97},
    // The radio holds every block, but never confirmed the last one: the program cannot call it a success.
    {"WriteSilentAtTheLastBlock",
     true,
     silentAfter(writeBlockAck(192) - 1),
     {},
     Ends::CommunicationError,
     191},
    {"WriteRepliesByteByByte", true, {}, byteByByte(), Ends::Success, 191},
    {"WriteGarbageBeforeTheIdentification", true, garbageBefore(2), {}, Ends::CommunicationError, 0},
    // An acknowledgement is found anywhere in what arrived, garbage or not.
    {"WriteGarbageBeforeAnAcknowledgement", true, garbageBefore(writeBlockAck(40)), {}, Ends::Success, 191},
    {"WriteOtherModel", true, model("QMX275"), {}, Ends::CommunicationError, 0},
    {"WriteOtherBand", true, band(2), {}, Ends::BandRefused, 0},
    {"WriteOtherBandForceCancelled", true, band(2), {}, Ends::Cancelled, 0, true},
    {"WriteOtherBandForced", true, band(2), {}, Ends::Success, 191, true},
    {"WriteCablePulled", true, {}, pulledAfter(writeBlockAck(20)), Ends::CommunicationError, 21},
};

MemoryImage encoded(const Configuration& config) {
    MemoryImage image;
    encodeImage(config, image);
    return image;
}

bool progressWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "FrmWriting" && w->isVisible()) return true;
    return false;
}

template <class Done>
bool settle(Done done, int ms = 3000) {
    for (int i = 0; i < ms && !done(); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class FaultMatrix : public ::testing::TestWithParam<FaultCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override {
        setMsgBoxResponder({});
        port_.close();
        if (radio_) radio_->stop();
        QDir::setCurrent(previousDir_);
    }

    QTemporaryDir dir_;
    QString previousDir_;
    Session session_;
    RadioPort port_;
    TransferController controller_{session_, port_, nullptr};
    FileCommands files_{session_, nullptr};
    std::unique_ptr<sim::VirtualRadio> radio_;
};

TEST_P(FaultMatrix, EndsCleanly) {
    const FaultCase& c = GetParam();

    // The program holds a configuration of its own, the radio another one.
    // Their bands differ, so a completed read shows in the band too; the radio's identification says band 0
    // unless the case says otherwise, which matches the program's band.
    auto programsRaw = patterned(21);
    programsRaw[addr::kBand] = 0;
    auto radiosRaw = patterned(22);
    radiosRaw[addr::kBand] = 1;
    const auto programs = asTheProgramKeepsIt(programsRaw);
    MemoryImage programsImage;
    std::copy(programs.begin(), programs.end(), programsImage.bytes().begin());
    session_.decode(programsImage);
    session_.edit(Change::everything(),
                  [&](Configuration& c_) { c_.service.crossBandWrite = c.crossBandWrite; });
    const auto radios = asTheProgramKeepsIt(radiosRaw);
    const MemoryImage configBefore = encoded(session_.config());
    const BandState bandBefore = session_.config().band;
    const QString before = dir_.filePath("before.dat");
    ASSERT_TRUE(files_.savePath(before));
    const MemoryImage imageInBefore = session_.imageIn();

    radio_ = std::make_unique<sim::VirtualRadio>(c.radio, c.line);
    ASSERT_TRUE(radio_->open()) << radio_->error();
    radio_->setMemory(radios);
    ASSERT_TRUE(radio_->start());
    ASSERT_TRUE(port_.open(qs(radio_->devicePath())));

    struct Shown {
        QString title, text;
        bool overProgress;
    };
    std::vector<Shown> shown;
    setMsgBoxResponder([&](const MsgBoxRequest& r) {
        shown.push_back({r.title, r.prompt, progressWindowShown()});
        return c.ends == Ends::Cancelled ? msg::kResultCancel : msg::kResultOk;
    });
    std::vector<bool> commands;
    QObject::connect(&controller_, &TransferController::commandsEnabled,
                     [&](bool on) { commands.push_back(on); });
    bool portLost = false;
    QObject::connect(&port_, &RadioPort::portLost, [&] { portLost = true; });
    if (c.ends != Ends::Success) controller_.setWatchdogInterval(kShortWatchdogMs);

    if (c.write)
        controller_.startWrite();
    else
        controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));

    // The documented message, after the progress window closed.
    EXPECT_FALSE(controller_.running());
    EXPECT_FALSE(progressWindowShown());
    std::vector<Shown> messages;
    for (const Shown& s : shown) {
        if (s.text == qs(msg::kForceBandQuestion.text, kEnglish)) {
            EXPECT_TRUE(c.crossBandWrite);
            continue;
        }
        // The band refusal is shown before the window closes, as the program always did; every other message
        // after it closed.
        EXPECT_EQ(s.overProgress, c.ends == Ends::BandRefused) << qPrintable(s.text);
        messages.push_back(s);
    }
    const msg::Message* expected = nullptr;
    switch (c.ends) {
        case Ends::Success:
            expected = c.write ? &msg::kWriteSucceeded : &msg::kReadSucceeded;
            break;
        case Ends::CommunicationError:
            expected = &msg::kCommunicationError;
            break;
        case Ends::BandRefused:
            expected = &msg::kBandRefused;
            break;
        case Ends::Cancelled:
            break;
    }
    if (expected) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, qs(expected->title, kEnglish));
        EXPECT_EQ(messages[0].text, qs(expected->text, kEnglish));
    } else {
        EXPECT_TRUE(messages.empty());
    }

    // Read and Write come back: at once after a failure, 1.2 s after a success.
    if (c.ends == Ends::Success) {
        EXPECT_EQ(commands, std::vector<bool>{false});
        EXPECT_TRUE(settle([&] { return commands.size() == 2; }));
    }
    EXPECT_EQ(commands, (std::vector<bool>{false, true}));

    // The fault came where the case says, and the radio heard 'E' unless the line was gone.
    const bool pulled = c.line.closeAfter >= 0;
    EXPECT_EQ(portLost, pulled);
    if (pulled) {
        EXPECT_FALSE(port_.isOpen());
    } else {
        EXPECT_TRUE(settle([&] {
            const auto f = radio_->frames();
            return !f.empty() && f.back().kind == Kind::End;
        }));
    }
    const auto frames = radio_->frames();
    if (c.blocksBefore >= 0) {
        const Kind kind = c.write ? Kind::Write : Kind::Read;
        EXPECT_EQ(std::count_if(frames.begin(), frames.end(),
                                [&](const ReceivedFrame& f) { return f.kind == kind; }),
                  c.blocksBefore);
    }

    // What the program and the radio hold afterwards.
    const bool readCompleted = !c.write && c.ends == Ends::Success;
    if (readCompleted) {
        for (std::size_t a = 0; a < radios.size(); ++a)
            ASSERT_EQ(session_.imageIn()[a], radios[a]) << a;
        Session fresh;
        MemoryImage radiosImage;
        std::copy(radios.begin(), radios.end(), radiosImage.bytes().begin());
        fresh.decode(radiosImage);
        EXPECT_EQ(encoded(session_.config()), encoded(fresh.config()));
    } else {
        EXPECT_EQ(encoded(session_.config()), configBefore);
        EXPECT_EQ(session_.config().band.current, bandBefore.current);
        EXPECT_EQ(session_.config().band.listIndex, bandBefore.listIndex);
    }
    if (c.write) {
        EXPECT_EQ(session_.imageIn(), imageInBefore);
    }
    const bool blocksWritten = std::any_of(frames.begin(), frames.end(),
                                           [](const ReceivedFrame& f) { return f.kind == Kind::Write; });
    if (!blocksWritten) {
        EXPECT_EQ(radio_->memory(), radios);
    }

    // Nothing was written to disk by the transfer, and a Save now writes a whole file: the configuration as
    // it was before, unless a read completed.
    const QString after = dir_.filePath("after.dat");
    ASSERT_TRUE(files_.savePath(after));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"after.dat", "before.dat"}));
    const QByteArray saved = contents(after);
    EXPECT_EQ(saved.size(), 3120);
    if (readCompleted) {
        EXPECT_EQ(saved.mid(48), QByteArray(reinterpret_cast<const char*>(radios.data()), 3072));
    } else {
        EXPECT_EQ(saved, contents(before));
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultMatrix, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zrt

// A read and a write through QSerialPort against the virtual radio on a pseudo-terminal; every way a transfer
// fails is in the fault matrix.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "app/transfer_controller.h"
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

struct Shown {
    QString title, text;
};

class SerialTransfer : public ::testing::Test {
  protected:
    void TearDown() override {
        setMsgBoxResponder({});
        port_.close();
        if (radio_) radio_->stop();
    }

    // Starts a virtual radio and opens the program's port on it.
    sim::VirtualRadio& startRadio(sim::RadioBehaviour behaviour = {}, sim::LineFaults faults = {}) {
        radio_ = std::make_unique<sim::VirtualRadio>(behaviour, faults);
        EXPECT_TRUE(radio_->open()) << radio_->error();
        EXPECT_TRUE(radio_->start());
        EXPECT_TRUE(port_.open(qs(radio_->devicePath()))) << radio_->devicePath();
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            shown_.push_back({r.title, r.prompt});
            return answer_;
        });
        QObject::connect(&controller_, &TransferController::commandsEnabled,
                         [this](bool on) { commands_.push_back(on); });
        return *radio_;
    }

    QStringList texts() const {
        QStringList t;
        for (const Shown& s : shown_)
            t << s.text;
        return t;
    }

    Session session_;
    RadioPort port_;
    TransferController controller_{session_, port_, nullptr};
    std::unique_ptr<sim::VirtualRadio> radio_;
    std::vector<Shown> shown_;
    std::vector<bool> commands_;
    int answer_ = msg::kResultOk;
};

// Lets the event loop and the radio's thread catch up (bytes still on their way) until done() holds.
template <class Done>
bool settle(Done done) {
    for (int i = 0; i < 2000 && !done(); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

bool endedWithE(const sim::VirtualRadio& radio) {
    return settle([&] {
        const auto f = radio.frames();
        return !f.empty() && f.back().kind == ReceivedFrame::Kind::End;
    });
}

TEST_F(SerialTransfer, ReadThenWriteGivesTheRadioBackItsMemory) {
    sim::VirtualRadio& radio = startRadio();
    const auto memory = asTheProgramKeepsIt(patterned(11));
    radio.setMemory(memory);
    bool decoded = false;
    QObject::connect(&controller_, &TransferController::decoded, [&] { decoded = true; });

    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_TRUE(decoded);
    for (std::size_t a = 0; a < memory.size(); ++a)
        ASSERT_EQ(session_.imageIn()[a], memory[a]) << a;

    controller_.startWrite();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(texts(), (QStringList{"Reading succeeds frequently!", "Writing succeeds frequently!"}));
    EXPECT_EQ(shown_[0].title, "Suggestion");
    const auto after = radio.memory();
    for (std::size_t a = 0; a < memory.size(); ++a)
        ASSERT_EQ(after[a], memory[a]) << a;
    EXPECT_TRUE(endedWithE(radio));
    EXPECT_EQ(commands_, (std::vector<bool>{false, false}));  // back 1.2 s after each success message
    EXPECT_FALSE(controller_.running());
    EXPECT_TRUE(settle([&] { return commands_.size() == 3; }));
    EXPECT_EQ(commands_, (std::vector<bool>{false, false, true}));
}

TEST_F(SerialTransfer, ClosedPortSaysSoAndStartsNothing) {
    startRadio();
    port_.close();
    controller_.startRead();
    ASSERT_TRUE(testing::waitForTransfer(controller_));
    EXPECT_EQ(texts(), QStringList{"The serial port is invalid"});
    EXPECT_EQ(shown_[0].title, "ZR-T410");
    EXPECT_TRUE(commands_.empty());
    EXPECT_TRUE(radio_->frames().empty());
}

}  // namespace
}  // namespace zrt

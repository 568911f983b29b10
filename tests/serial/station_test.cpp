// A programming station in its window on several serial ports at once, one event loop, with virtual radios at
// the other ends; when a radio counts as new is the station cycle's business, tested in the core.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "app/station_window.h"
#include "i18n/station_captions.h"
#include "platform/station_driver.h"
#include "session/write_verification.h"
#include "support/serial_fixture.h"

namespace zrt {
namespace {

using testing_support::settle;

bool runUntil(const std::function<bool()>& condition) {
    return settle(condition, 10000);
}

// Every block a write sends holds the image's bytes.
void holdsTheImage(const sim::RadioProtocol::Memory& memory, const MemoryImage& image) {
    for (std::size_t block : writtenBlocks(false))
        for (std::size_t a = block; a < block + 16 && a < memory.size(); ++a)
            ASSERT_EQ(memory[a], image[a]) << a;
}

// A radio left switched on is written once however many requests go by; switched off and on again (or
// another radio), it is written again.
TEST(Station, ARadioIsWrittenOnceEachTimeItIsSwitchedOn) {
    const MemoryImage image = testing_support::patternedImage(77);
    sim::VirtualRadio radio;
    StationDriver driver(image, {.verify = true, .station = true});
    ASSERT_TRUE(radio.open()) << radio.error();
    ASSERT_TRUE(radio.start());
    ASSERT_TRUE(driver.open(qs(radio.devicePath())));
    driver.setTickInterval(40);  // a program request every 400 ms instead of 2 s
    std::vector<RadioResult> results;
    StationDriver::Handlers h;
    h.radioDone = [&](const RadioDone& d) { results.push_back(d.result); };
    driver.setHandlers(std::move(h));
    driver.start();
    for (unsigned seed : {1u, 2u}) {
        radio.setMemory(testing_support::patterned(seed));
        radio.setPowered(true);
        ASSERT_TRUE(runUntil([&] { return results.size() == seed; }));
        settle([] { return false; }, 3 * StationCycle::kProbeTicks * 40);
        EXPECT_EQ(results, std::vector<RadioResult>(seed, RadioResult::Verified));
        EXPECT_EQ(testing_support::framesOf(radio, sim::ReceivedFrame::Kind::Write), 191 * seed);
        holdsTheImage(radio.memory(), image);
        radio.setPowered(false);
        ASSERT_TRUE(runUntil([&] { return driver.cycle().phase() == StationPhase::Waiting; }));
    }
    driver.stop();
    EXPECT_TRUE(driver.cycle().ended());
    radio.stop();
}

// The window runs the same station: per port its state and count, in both languages, and Stop.
TEST(Station, TheWindowProgramsEveryCheckedPortAndShowsEachOnesState) {
    Session session;
    const MemoryImage expected = testing_support::encoded(session.config());
    sim::VirtualRadio a, b({.bandCode = 2}), unchecked;
    for (sim::VirtualRadio* r : {&a, &b, &unchecked}) {
        ASSERT_TRUE(r->open()) << r->error();
        ASSERT_TRUE(r->start());
    }
    StationWindow window(session);
    window.setDevices(
        {qs(a.devicePath()), qs(b.devicePath()), qs(unchecked.devicePath()), "/nonexistent/tty"});
    window.findChild<QCheckBox*>("chkPort2")->setChecked(false);
    window.applyLanguage();
    window.start();
    ASSERT_TRUE(window.running());
    ASSERT_TRUE(runUntil(
        [&] { return window.programmedCount(0) == 1 && window.stateText(1).startsWith("refused"); }));
    EXPECT_EQ(window.stateText(0), "verified · done: switch it off");
    EXPECT_EQ(window.stateText(3), "port not opened");
    EXPECT_EQ(window.findChild<QLabel*>("lblSummary")->text(), "Programmed: 1    Failed: 1");
    EXPECT_TRUE(unchecked.frames().empty());
    holdsTheImage(a.memory(), expected);

    session.setLanguage(kChinese);
    window.applyLanguage();
    EXPECT_EQ(applyCaptions(&window, stationCaptions(), kChinese), 0);
    EXPECT_EQ(window.stateText(1), QString::fromUtf8("频段不符 · 完成：请关闭对讲机"));
    EXPECT_EQ(window.findChild<QPushButton*>("cmdStart")->text(), QString::fromUtf8("开始"));

    window.stop();
    ASSERT_TRUE(runUntil([&] { return !window.running(); }));
    EXPECT_FALSE(a.programming());
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdStart")->isEnabled());
    for (sim::VirtualRadio* r : {&a, &b, &unchecked})
        r->stop();
}

}  // namespace
}  // namespace zrt

// A programming station on two serial ports at once, one event loop, with virtual radios switched on and off
// at the other ends.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/station_window.h"
#include "i18n/station_captions.h"
#include "platform/qt_text.h"
#include "platform/station_driver.h"
#include "radio-sim/virtual_radio.h"
#include "session/session.h"
#include "session/write_verification.h"
#include "support/radio_memory.h"

namespace zrt {
namespace {

constexpr int kTickMs = 40;  // a program request every 400 ms instead of 2 s

bool runUntil(const std::function<bool()>& condition, int ms = 10000) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (condition()) loop.quit();
    });
    check.start(5);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

struct Line {
    explicit Line(const MemoryImage& image) : driver(image, {.verify = true, .station = true}) {}
    sim::VirtualRadio radio;
    StationDriver driver;
    std::vector<RadioResult> results;
    int writesBefore = 0;

    int writesAtZero() const {
        int n = 0;
        for (const sim::ReceivedFrame& f : radio.frames())
            n += f.kind == sim::ReceivedFrame::Kind::Write && f.address == 0;
        return n;
    }
    // Another radio is plugged in and switched on.
    void switchOn(unsigned seed) {
        radio.setMemory(testing_support::patterned(seed));
        writesBefore = writesAtZero();
        radio.setPowered(true);
    }
};

TEST(Station, TwoPortsProgramFiveRadiosThatComeAndGoExactlyOnceEach) {
    MemoryImage image;
    const auto pattern = testing_support::patterned(77);
    std::copy(pattern.begin(), pattern.end(), image.bytes().begin());
    Line lines[2] = {Line(image), Line(image)};
    for (Line& line : lines) {
        ASSERT_TRUE(line.radio.open()) << line.radio.error();
        line.radio.setPowered(false);
        ASSERT_TRUE(line.radio.start());
        ASSERT_TRUE(line.driver.open(qs(line.radio.devicePath())));
        line.driver.setTickInterval(kTickMs);
        StationDriver::Handlers h;
        h.radioDone = [&line](const RadioDone& d) { line.results.push_back(d.result); };
        line.driver.setHandlers(std::move(h));
        line.driver.start();
    }
    // Each radio written once and holding the image; checked before it is switched off.
    auto programmedOnce = [&](Line& line) {
        EXPECT_EQ(line.writesAtZero() - line.writesBefore, 1);
        const auto memory = line.radio.memory();
        for (std::size_t block : writtenBlocks(false))
            for (std::size_t a = block; a < block + 16 && a < memory.size(); ++a)
                ASSERT_EQ(memory[a], image[a]) << a;
    };
    auto switchOffAndWait = [&](std::initializer_list<Line*> which) {
        for (Line* l : which)
            l->radio.setPowered(false);
        ASSERT_TRUE(runUntil([&] {
            return std::all_of(which.begin(), which.end(),
                               [](Line* l) { return l->driver.cycle().phase() == StationPhase::Waiting; });
        }));
    };

    // Both switched on together, and left on for several requests: written once all the same.
    lines[0].switchOn(1);
    lines[1].switchOn(2);
    ASSERT_TRUE(runUntil([&] { return lines[0].results.size() == 1 && lines[1].results.size() == 1; }));
    runUntil([] { return false; }, 3 * StationCycle::kProbeTicks * kTickMs);
    programmedOnce(lines[0]);
    programmedOnce(lines[1]);
    switchOffAndWait({&lines[0], &lines[1]});

    lines[0].switchOn(3);
    lines[1].switchOn(4);
    ASSERT_TRUE(runUntil([&] { return lines[0].results.size() == 2 && lines[1].results.size() == 2; }));
    programmedOnce(lines[0]);
    programmedOnce(lines[1]);
    switchOffAndWait({&lines[0], &lines[1]});

    lines[0].switchOn(5);
    ASSERT_TRUE(runUntil([&] { return lines[0].results.size() == 3; }));
    programmedOnce(lines[0]);

    EXPECT_EQ(lines[0].results, std::vector<RadioResult>(3, RadioResult::Verified));
    EXPECT_EQ(lines[1].results, std::vector<RadioResult>(2, RadioResult::Verified));
    EXPECT_EQ(lines[1].driver.cycle().phase(), StationPhase::Waiting);  // nothing came to it
    for (Line& line : lines) {
        line.driver.stop();
        EXPECT_TRUE(line.driver.cycle().ended());
        line.radio.stop();
    }
}

// The window runs the same station: per port its state and count, in both languages, and Stop.
TEST(Station, TheWindowProgramsEveryCheckedPortAndShowsEachOnesState) {
    Session session;
    MemoryImage expected;
    {
        Session copy;
        copy.edit(Change::everything(), [&](Configuration& c_) { c_ = session.config(); });
        copy.encode();
        expected = copy.imageOut();
    }
    sim::RadioBehaviour otherBand;
    otherBand.bandCode = 2;
    sim::VirtualRadio a, b(otherBand), unchecked;
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
    const auto memory = a.memory();
    for (std::size_t block : writtenBlocks(false))
        for (std::size_t at = block; at < block + 16 && at < memory.size(); ++at)
            ASSERT_EQ(memory[at], expected[at]) << at;

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

// A programming station in its window on several serial ports at once, one event loop, with virtual radios at
// the other ends; when a radio counts as new, and what each radio's fault makes of it, is the station
// cycle's business, tested in the core.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "app/station_window.h"
#include "i18n/station_captions.h"
#include "platform/station_driver.h"
#include "support/serial_fixture.h"

namespace zrt {
namespace {

using testing_support::settle;
using testing_support::writtenOver;

bool runUntil(const std::function<bool()>& condition) {
    return settle(condition, 10000);
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
    EXPECT_TRUE(writtenOver(a.memory(), expected, a.memory()));

    session.setLanguage(kChinese);
    window.applyLanguage();
    EXPECT_EQ(applyCaptions(&window, stationCaptions(), kChinese), 0);  // every caption reaches its control
    EXPECT_EQ(window.stateText(1), QString::fromUtf8("频段不符 · 完成：请关闭对讲机"));

    window.stop();
    ASSERT_TRUE(runUntil([&] { return !window.running(); }));
    EXPECT_FALSE(a.programming());
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdStart")->isEnabled());
    for (sim::VirtualRadio* r : {&a, &b, &unchecked})
        r->stop();
}

}  // namespace
}  // namespace zrt

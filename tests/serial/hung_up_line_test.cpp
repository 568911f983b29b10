// The serial port when the line goes away under it (cable pulled, adapter unplugged) with bytes still
// waiting to go out.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "radio-sim/virtual_radio.h"

namespace zrt {
namespace {

TEST(HungUpLine, ASendToAPulledCableClosesThePortOnceAndSaysItIsLost) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        auto radio = std::make_unique<sim::VirtualRadio>();
        ASSERT_TRUE(radio->open()) << radio->error();
        RadioPort port;
        ASSERT_TRUE(port.open(qs(radio->devicePath())));
        int lost = 0;
        QObject::connect(&port, &RadioPort::portLost, [&] { ++lost; });

        radio.reset();  // the other end of the line is gone
        port.send(std::vector<std::uint8_t>(64, 'R'));
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();

        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(lost, 1);
        port.send({0x45});  // harmless once closed
        port.close();
    }
}

}  // namespace
}  // namespace zrt

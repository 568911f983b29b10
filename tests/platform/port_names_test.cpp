#include "platform/port_names.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(PortNames, SerialDevicesInStableOrder) {
    struct Case {
        const char* name;
        PortPlatform platform;
        QStringList dev;
        QStringList expected;
    };
    const Case cases[] = {
        {"linux: usb, then acm, then uarts, numbers as numbers",
         PortPlatform::Linux,
         {"ttyS10", "ttyACM0", "ttyS2", "null", "ttyUSB10", "tty0", "ttyUSB2", "ttyS0", "ptmx", "ttyUSBx"},
         {"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10"}},
        {"macos: usb adapters first, tty.* and bare cu. ignored",
         PortPlatform::MacOs,
         {"tty.usbserial-1410", "cu.Bluetooth-Incoming-Port", "cu.usbserial-1410", "cu.usbmodem2", "cu.",
          "null"},
         {"/dev/cu.usbmodem2", "/dev/cu.usbserial-1410", "/dev/cu.Bluetooth-Incoming-Port"}},
        {"windows has no /dev listing", PortPlatform::Windows, {"ttyUSB0"}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(orderSerialDevices(c.dev, c.platform), c.expected) << c.name;
}

TEST(PortNames, EntryToDevice) {
    const QStringList dev{"ttyS1", "ttyUSB0", "ttyS0"};
    struct Case {
        const char* name;
        PortNames names;
        int entry;
        QString expected;
    };
    const Case cases[] = {
        {"windows entry n is COMn", PortNames({}, PortPlatform::Windows), 3, "COM3"},
        {"linux first is the usb adapter", PortNames({}, PortPlatform::Linux), 1, "/dev/ttyUSB0"},
        {"linux beyond the devices", PortNames({}, PortPlatform::Linux), 4, ""},
        {"entry 0 is no port", PortNames({}, PortPlatform::Windows), 0, ""},
        {"entry 17 is no port", PortNames({}, PortPlatform::Windows), 17, ""},
        {"override replaces entry 1", PortNames("/dev/pts/7", PortPlatform::Linux), 1, "/dev/pts/7"},
        {"override leaves entry 2", PortNames("/dev/pts/7", PortPlatform::Linux), 2, "/dev/ttyS0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.names.device(c.entry, dev), c.expected) << c.name;
}

TEST(PortNames, EntriesShowTheirDeviceAndWhatTheComputerKnowsOfIt) {
    struct Case {
        int entry;
        const char* device;
        PortDescription about;
        const char* label;
        const char* tip;
    };
    const Case cases[] = {
        {1,
         "/dev/ttyUSB0",
         {"FT232R USB UART", "FTDI"},
         "1 — /dev/ttyUSB0 · FT232R USB UART · FTDI",
         "/dev/ttyUSB0 · FT232R USB UART · FTDI"},
        {2, "/dev/ttyACM0", {"", "Prolific"}, "2 — /dev/ttyACM0 · Prolific", "/dev/ttyACM0 · Prolific"},
        {3, "/dev/ttyUSB1", {"CP2102", "cp2102"}, "3 — /dev/ttyUSB1 · CP2102", "/dev/ttyUSB1 · CP2102"},
        {16, "", {"stale", "stale"}, "16", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(portEntryLabel(c.entry, QString::fromUtf8(c.device), c.about), QString::fromUtf8(c.label));
        EXPECT_EQ(portEntryToolTip(QString::fromUtf8(c.device), c.about), QString::fromUtf8(c.tip));
    }
    EXPECT_TRUE(describePort(QStringLiteral("/nonexistent/zrt410-port")).description.isEmpty());
}

}  // namespace
}  // namespace zrt

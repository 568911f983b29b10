// The port list's entries "1" to "16" and the serial device each one opens: COMn on Windows; elsewhere the
// n-th serial device of this computer in a stable order, USB adapters first.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>

namespace zrt {

inline constexpr int kPortEntryCount = 16;

enum class PortPlatform { Windows, Linux, MacOs };
PortPlatform currentPortPlatform();

// The texts of the port list: "1" .. "16".
QStringList portEntryTexts();

// Full device paths of the serial devices among the file names of /dev, in the order that entries count
// them. Linux: ttyUSB*, then ttyACM*, then ttyS*, each by number. macOS: cu.usb*, then the other cu.*,
// each by name with numbers compared as numbers. Windows has no such listing (empty).
QStringList orderSerialDevices(const QStringList& devFileNames, PortPlatform platform);

// What the computer tells of a serial device (product and maker of a USB adapter); empty where it knows
// nothing, as for pseudo-terminals.
struct PortDescription {
    QString description;
    QString manufacturer;
};
PortDescription describePort(const QString& device);

// The port list's menu text of an entry: "1 — /dev/ttyUSB0 · FT232R USB UART · FTDI", or "1" alone when
// the entry has no device; and its tool tip, the same without the number (empty without a device).
QString portEntryLabel(int entry, const QString& device, const PortDescription& about);
QString portEntryToolTip(const QString& device, const PortDescription& about);

class PortNames {
  public:
    // overrideDevice, when not empty, is what entry 1 opens instead of the platform's first port.
    explicit PortNames(QString overrideDevice = {}, PortPlatform platform = currentPortPlatform());

    // The device of entry n (1..16); empty when this computer has no such port. Looks at /dev afresh, so a
    // USB adapter plugged in while the program runs is found.
    QString device(int entry) const;
    // The same for a given listing of /dev (file names), for tests.
    QString device(int entry, const QStringList& devFileNames) const;

    const QString& overrideDevice() const { return override_; }

    // A fixed listing of /dev (file names) in place of the computer's, for the README pictures.
    void setListing(QStringList devFileNames) { listing_ = std::move(devFileNames); }

  private:
    QString override_;
    PortPlatform platform_;
    QStringList listing_;
};

}  // namespace zrt

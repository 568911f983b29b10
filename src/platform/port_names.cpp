#include "platform/port_names.h"

#include <QDir>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <tuple>
#include <utility>

namespace zrt {

namespace {

// Name split into its text and its trailing number, so that ttyUSB10 comes after ttyUSB2.
struct SortKey {
    int group;
    QString stem;
    qlonglong number;
    QString name;
    bool operator<(const SortKey& o) const {
        return std::tie(group, stem, number, name) < std::tie(o.group, o.stem, o.number, o.name);
    }
    bool operator==(const SortKey& o) const { return name == o.name; }
};

SortKey keyOf(int group, const QString& name) {
    static const QRegularExpression trailing(QStringLiteral("^(.*?)(\\d+)$"));
    const QRegularExpressionMatch m = trailing.match(name);
    if (!m.hasMatch()) return {group, name, -1, name};
    return {group, m.captured(1), m.captured(2).toLongLong(), name};
}

// The group a /dev file name belongs to, or -1 when it is not a serial device of the platform.
int groupOf(const QString& name, PortPlatform platform) {
    if (platform == PortPlatform::Linux) {
        static const QRegularExpression usb(QStringLiteral("^ttyUSB\\d+$"));
        static const QRegularExpression acm(QStringLiteral("^ttyACM\\d+$"));
        static const QRegularExpression uart(QStringLiteral("^ttyS\\d+$"));
        if (usb.match(name).hasMatch()) return 0;
        if (acm.match(name).hasMatch()) return 1;
        if (uart.match(name).hasMatch()) return 2;
        return -1;
    }
    if (platform == PortPlatform::MacOs) {
        if (!name.startsWith(QLatin1String("cu.")) || name.size() == 3) return -1;
        return name.startsWith(QLatin1String("cu.usb"), Qt::CaseInsensitive) ? 0 : 1;
    }
    return -1;
}

}  // namespace

PortPlatform currentPortPlatform() {
#if defined(Q_OS_WIN)
    return PortPlatform::Windows;
#elif defined(Q_OS_MACOS)
    return PortPlatform::MacOs;
#else
    return PortPlatform::Linux;
#endif
}

QStringList portEntryTexts() {
    QStringList entries;
    for (int n = 1; n <= kPortEntryCount; ++n)
        entries << QString::number(n);
    return entries;
}

QStringList orderSerialDevices(const QStringList& devFileNames, PortPlatform platform) {
    std::vector<SortKey> keys;
    for (const QString& name : devFileNames) {
        const int group = groupOf(name, platform);
        if (group >= 0) keys.push_back(keyOf(group, name));
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    QStringList paths;
    for (const SortKey& k : keys)
        paths << QStringLiteral("/dev/") + k.name;
    return paths;
}

PortDescription describePort(const QString& device) {
    if (device.isEmpty()) return {};
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() == device || info.portName() == device)
            return {info.description().trimmed(), info.manufacturer().trimmed()};
    }
    return {};
}

QString portEntryToolTip(const QString& device, const PortDescription& about) {
    if (device.isEmpty()) return {};
    QStringList parts{device};
    // Some drivers repeat the product as the maker, or call it by the device's own name.
    for (const QString& part : {about.description, about.manufacturer})
        if (!part.isEmpty() && !parts.contains(part, Qt::CaseInsensitive)) parts << part;
    return parts.join(QStringLiteral(" · "));
}

QString portEntryLabel(int entry, const QString& device, const PortDescription& about) {
    const QString number = QString::number(entry);
    if (device.isEmpty()) return number;
    return number + QStringLiteral(" — ") + portEntryToolTip(device, about);
}

PortNames::PortNames(QString overrideDevice, PortPlatform platform)
    : override_(std::move(overrideDevice)), platform_(platform) {}

QString PortNames::device(int entry) const {
    if (platform_ == PortPlatform::Windows || (entry == 1 && !override_.isEmpty())) return device(entry, {});
    if (!listing_.isEmpty()) return device(entry, listing_);
    return device(entry,
                  QDir(QStringLiteral("/dev")).entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot));
}

QString PortNames::device(int entry, const QStringList& devFileNames) const {
    if (entry < 1 || entry > kPortEntryCount) return {};
    if (entry == 1 && !override_.isEmpty()) return override_;
    if (platform_ == PortPlatform::Windows) return QStringLiteral("COM%1").arg(entry);
    const QStringList devices = orderSerialDevices(devFileNames, platform_);
    return entry <= devices.size() ? devices[entry - 1] : QString();
}

}  // namespace zrt

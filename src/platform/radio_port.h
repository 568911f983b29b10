// The serial port to the radio: 9600 baud, 8N1, raw bytes. Emulates the receive threshold of the program's
// link: bytesReceived() fires only once at least threshold() bytes are waiting, and then hands over all of
// them.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace zrt {

class RadioPort : public QObject {
    Q_OBJECT
  public:
    explicit RadioPort(QObject* parent = nullptr);
    ~RadioPort() override;

    bool open(const QString& device);  // closes any open port first
    // Why the last open() failed: the user may not use the device (on Linux: not in its group, usually
    // dialout), or anything else (missing, taken by another program, not a serial device).
    enum class OpenFailure { None, PermissionDenied, Other };
    OpenFailure lastOpenFailure() const;
    void close();
    bool isOpen() const;
    QString device() const;

    void setThreshold(int bytes);
    int threshold() const;
    void send(const std::vector<std::uint8_t>& bytes);

  signals:
    void bytesReceived(const std::vector<std::uint8_t>& bytes);
    void portLost();  // the device went away while open (cable pulled)

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace zrt

#include "platform/radio_port.h"

namespace zrt {

// Placeholder until the serial link lands: a port that never opens.
struct RadioPort::Impl {
    int threshold = 1;
};

RadioPort::RadioPort(QObject* parent) : QObject(parent), d_(new Impl) {}
RadioPort::~RadioPort() { delete d_; }
bool RadioPort::open(const QString&) { return false; }
void RadioPort::close() {}
bool RadioPort::isOpen() const { return false; }
QString RadioPort::device() const { return {}; }
void RadioPort::setThreshold(int bytes) { d_->threshold = bytes; }
int RadioPort::threshold() const { return d_->threshold; }
void RadioPort::send(const std::vector<std::uint8_t>&) {}

}  // namespace zrt

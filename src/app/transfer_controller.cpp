#include "app/transfer_controller.h"

#include "app/msgbox.h"
#include "platform/radio_port.h"
#include "session/session.h"

namespace zrt {

// Placeholder until the radio link lands.
struct TransferController::Impl {
    Session& session;
    RadioPort& port;
    QWidget* parent;
};

TransferController::TransferController(Session& session, RadioPort& port, QWidget* dialogParent)
    : d_(new Impl{session, port, dialogParent}) {}
TransferController::~TransferController() { delete d_; }

void TransferController::startRead() {
    if (!d_->port.isOpen()) msgBoxEx(d_->session.config.languageIndex, msg::kPortInvalid, d_->parent);
}
void TransferController::startWrite() { startRead(); }
bool TransferController::running() const { return false; }

}  // namespace zrt

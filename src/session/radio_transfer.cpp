#include "session/radio_transfer.h"

#include "session/session.h"

namespace zrt {

RadioTransfer::RadioTransfer(Session& session) : session_(session) {}

link::Actions RadioTransfer::startRead() {
    imageBeforeRead_ = session_.imageIn_;
    transfer_.emplace(link::Transfer::read(session_.imageIn_));
    return transfer_->start();
}

link::Actions RadioTransfer::startWrite(WriteImage image) {
    const Configuration& c = session_.config();
    // A backup goes out as it is; the encode's calibration values are asked about when nobody read or chose
    // them.
    const bool confirmCalibration = image == WriteImage::Encoded && !c.calib.known;
    transfer_.emplace(link::Transfer::write(session_.imageOut_, {c.band.listIndex, c.service.crossBandWrite,
                                                                 c.service.calibWrite, confirmCalibration}));
    link::Actions actions = transfer_->start();
    if (image == WriteImage::Encoded) session_.encode();
    return actions;
}

link::Actions RadioTransfer::received(std::span<const std::uint8_t> bytes) {
    return transfer_ ? apply(transfer_->received(bytes)) : link::Actions{};
}

link::Actions RadioTransfer::tick() {
    return transfer_ ? apply(transfer_->tick()) : link::Actions{};
}

link::Actions RadioTransfer::answerForceQuestion(bool ok) {
    return transfer_ ? apply(transfer_->answerForceQuestion(ok)) : link::Actions{};
}

link::Actions RadioTransfer::apply(link::Actions actions) {
    for (const link::Action& a : actions) {
        if (std::holds_alternative<link::DecodeImageIn>(a)) {
            // The read is one undo step from before its first byte: the image it replaced comes back too.
            session_.journal().begin({StepKind::Read}, &imageBeforeRead_);
            session_.decode();
            session_.journal().end();
        }
    }
    return actions;
}

}  // namespace zrt

#include "link/transfer.h"

#include "link/frames.h"
#include "link/write_blocks.h"

namespace zrt::link {

namespace {

std::size_t blockAddress(int blockIndex) {
    return static_cast<std::size_t>(blockIndex) * kBlockSize;
}

}  // namespace

Transfer::Transfer(Direction direction, MemoryImage* imageIn, const MemoryImage* imageOut,
                   WriteOptions options)
    : direction_(direction), imageIn_(imageIn), imageOut_(imageOut), options_(options) {}

Transfer Transfer::read(MemoryImage& imageIn) {
    return Transfer(Direction::Read, &imageIn, nullptr, {});
}

Transfer Transfer::write(const MemoryImage& imageOut, WriteOptions options) {
    return Transfer(Direction::Write, nullptr, &imageOut, options);
}

Actions Transfer::start() {
    if (started_) return {};
    started_ = true;
    active_ = true;
    step_ = kFirstStep;
    timeoutCount_ = 0;
    return {Send{programRequest()}};
}

void Transfer::accept() {
    timeoutCount_ = 0;
    recvHex_.clear();
}

Actions Transfer::received(std::span<const std::uint8_t> bytes) {
    if (!active_) return {};
    appendHex(recvHex_, bytes);
    // While the force question is open the write waits for its answer; what arrives meanwhile only
    // accumulates, as it would fail the identification test anyway.
    if (awaitingAnswer_) return {};
    Actions out{SetProgress{step_}};
    if (direction_ == Direction::Write)
        writeStep(out);
    else
        readStep(out);
    return out;
}

void Transfer::writeStep(Actions& out) {
    if (step_ == 2) {
        if (isIdentification(recvHex_)) bandCheck(out);
        return;
    }
    if (!containsAck(recvHex_)) return;
    accept();
    if (step_ == 1) {
        out.push_back(Send{{kIdentifyRequest}});
        step_ = 2;
    } else if (step_ < kLastStep) {
        const WriteBlock& block = writeBlocks()[static_cast<std::size_t>(step_ - 3)];
        if (block.calibration && !options_.calibWrite)
            out.push_back(Send{{kAck}});
        else
            out.push_back(Send{dataBlock(*imageOut_, block.address)});
        ++step_;
    } else {
        out.push_back(Send{{kEnd}});
        succeed(out);
    }
}

void Transfer::bandCheck(Actions& out) {
    if (bandCode(recvHex_) == options_.bandIndex) {
        bandAccepted(out);
    } else if (options_.crossBandWrite) {
        awaitingAnswer_ = true;
        question_ = Question::ForceBand;
        out.push_back(AskForceQuestion{Question::ForceBand});
    } else {
        out.push_back(Send{{kEnd}});
        accept();
        end(out, Outcome::BandRefused);
    }
}

// The radio's band is accepted: unless calibration values nobody read are about to replace the radio's own,
// the blocks follow.
void Transfer::bandAccepted(Actions& out) {
    if (options_.calibWrite && options_.confirmCalibration && question_ != Question::CalibrationNotRead) {
        awaitingAnswer_ = true;
        question_ = Question::CalibrationNotRead;
        out.push_back(AskForceQuestion{Question::CalibrationNotRead});
        return;
    }
    accept();
    out.push_back(Send{{kAck}});
    step_ = 3;
}

Actions Transfer::answerForceQuestion(bool ok) {
    if (!awaitingAnswer_) return {};
    awaitingAnswer_ = false;
    Actions out;
    if (ok) {
        bandAccepted(out);
    } else {
        out.push_back(Send{{kEnd}});
        accept();
        end(out, Outcome::Cancelled);
    }
    return out;
}

void Transfer::readStep(Actions& out) {
    if (step_ == 1) {
        if (!containsAck(recvHex_)) return;
        accept();
        out.push_back(Send{{kIdentifyRequest}});
        step_ = 2;
    } else if (step_ == 2) {
        if (isIdentification(recvHex_)) {
            accept();
            out.push_back(Send{{kAck}});
        } else if (isAck(recvHex_)) {
            accept();
            out.push_back(SetThreshold{kBlockThreshold});
            out.push_back(Send{readRequest(0)});
            step_ = 3;
        }
    } else if (step_ < kLastStep) {
        if (isDataBlock(recvHex_)) {
            storeBlock();
            accept();
            out.push_back(SetThreshold{1});
            out.push_back(Send{{kAck}});
        } else if (isAck(recvHex_)) {
            accept();
            if (step_ < kLastStep - 1) {
                out.push_back(SetThreshold{kBlockThreshold});
                out.push_back(Send{readRequest(blockAddress(step_ - 2))});
                ++step_;
            } else {
                out.push_back(Send{{kEnd}});
                step_ = kLastStep;
            }
        }
    } else if (isAck(recvHex_)) {
        out.push_back(Send{{kEnd}});
        accept();
        succeed(out);
    }
}

// The reply lands at the address of the request that preceded it; of the block past the radio's memory only
// the image's last byte is kept.
void Transfer::storeBlock() {
    const std::size_t base = blockAddress(step_ - 3);
    for (std::size_t k = 0; k < kBlockSize; ++k) {
        if (const auto value = dataByte(recvHex_, k)) imageIn_->set(base + k, *value);
    }
}

void Transfer::succeed(Actions& out) {
    if (direction_ == Direction::Read) out.push_back(DecodeImageIn{});
    end(out, Outcome::Succeeded);
}

void Transfer::end(Actions& out, Outcome outcome) {
    active_ = false;
    out.push_back(Finished{outcome});
}

Actions Transfer::tick() {
    if (!active_ || awaitingAnswer_) return {};
    if (timeoutCount_ < kWatchdogTicks) {
        ++timeoutCount_;
        return {};
    }
    timeoutCount_ = 0;
    Actions out{Send{{kEnd}}, SetThreshold{1}};
    end(out, Outcome::TimedOut);
    return out;
}

}  // namespace zrt::link

#include "session/station_cycle.h"

#include "link/frames.h"
#include "session/write_verification.h"

namespace zrt {

bool succeeded(RadioResult result) {
    return result == RadioResult::Written || result == RadioResult::Verified || result == RadioResult::Read;
}

StationCycle::StationCycle(const MemoryImage& imageOut, StationOptions options)
    : imageOut_(imageOut), options_(options) {}

StationActions StationCycle::start() {
    if (started_) return {};
    started_ = true;
    StationActions out;
    if (options_.job == StationOptions::Job::Read)
        startRead(StationPhase::Reading, out);
    else
        startWrite(out);
    return out;
}

void StationCycle::enter(StationPhase phase, StationActions& out) {
    phase_ = phase;
    ticks_ = 0;
    out.push_back(PhaseChanged{phase});
}

void StationCycle::startWrite(StationActions& out) {
    const StationPhase phase = options_.station ? StationPhase::Waiting : StationPhase::Writing;
    if (phase_ != phase || !transfer_) enter(phase, out);
    ticks_ = 0;
    lastPercent_ = -1;
    transfer_.emplace(link::Transfer::write(imageOut_, options_.write));
    out.push_back(link::SetThreshold{1});
    carryOut(transfer_->start(), out);
}

void StationCycle::startRead(StationPhase phase, StationActions& out) {
    enter(phase, out);
    imageIn_ = MemoryImage{};
    lastPercent_ = -1;
    transfer_.emplace(link::Transfer::read(imageIn_));
    out.push_back(link::SetThreshold{1});
    carryOut(transfer_->start(), out);
}

void StationCycle::carryOut(const link::Actions& actions, StationActions& out) {
    for (const link::Action& action : actions) {
        if (const auto* send = std::get_if<link::Send>(&action)) {
            out.push_back(*send);
        } else if (const auto* threshold = std::get_if<link::SetThreshold>(&action)) {
            out.push_back(*threshold);
        } else if (const auto* progress = std::get_if<link::SetProgress>(&action)) {
            percent(progress->value, out);
        } else if (const auto* ask = std::get_if<link::AskForceQuestion>(&action)) {
            // Another band is asked about only where the command line or the window allowed it beforehand;
            // with nobody at the keyboard, calibration values that were never read are never written over a
            // radio's.
            carryOut(transfer_->answerForceQuestion(ask->question != link::Question::CalibrationNotRead),
                     out);
        } else if (const auto* finished = std::get_if<link::Finished>(&action)) {
            transferEnded(finished->outcome, out);
        }
    }
}

void StationCycle::percent(int step, StationActions& out) {
    const int last = link::Transfer::kLastStep;
    int value = step * 100 / last;
    if (options_.verify && options_.job == StationOptions::Job::Write)
        value = phase_ == StationPhase::Verifying ? 50 + step * 50 / last : step * 50 / last;
    if (value == lastPercent_) return;
    lastPercent_ = value;
    out.push_back(Percent{value});
}

void StationCycle::transferEnded(link::Outcome outcome, StationActions& out) {
    const bool neverAnswered = transfer_->step() == link::Transfer::kFirstStep;
    const RadioResult silent = neverAnswered ? RadioResult::NoAnswer : RadioResult::StoppedAnswering;
    if (phase_ == StationPhase::Verifying) {
        if (outcome != link::Outcome::Succeeded) return radioDone(RadioResult::StoppedAnswering, {}, out);
        const WriteCheck check = checkWrite(imageOut_, imageIn_, options_.write.calibWrite);
        if (check.differences.empty()) return radioDone(RadioResult::Verified, {}, out);
        return radioDone(RadioResult::VerifyFailed, check.differences.front().address, out);
    }
    if (phase_ == StationPhase::Reading)
        return radioDone(outcome == link::Outcome::Succeeded ? RadioResult::Read : silent, {}, out);
    switch (outcome) {
        case link::Outcome::Succeeded:
            if (!options_.verify) return radioDone(RadioResult::Written, {}, out);
            transfer_.reset();
            enter(StationPhase::Settling, out);
            return;
        case link::Outcome::Cancelled:
            // The band question is always answered yes here, so only the calibration question says no.
            return radioDone(RadioResult::CalibrationRefused, {}, out);
        case link::Outcome::BandRefused:
            return radioDone(RadioResult::BandRefused, {}, out);
        case link::Outcome::TimedOut:
            return radioDone(silent, {}, out);
    }
}

void StationCycle::radioDone(RadioResult result, std::optional<std::size_t> difference, StationActions& out) {
    transfer_.reset();
    lastResult_ = result;
    if (succeeded(result))
        ++succeeded_;
    else
        ++failed_;
    out.push_back(RadioDone{result, difference});
    const bool cut = result == RadioResult::Interrupted || result == RadioResult::CablePulled;
    if (!options_.station || stopping_ || cut) {
        enter(StationPhase::Ended, out);
        return;
    }
    // Whatever became of it, this radio is not taken again until it has gone: a radio left switched on
    // after its write must not be written a second time.
    enter(StationPhase::Leaving, out);
    unanswered_ = 0;
    gotReply_ = false;
    recvHex_.clear();
    out.push_back(link::SetThreshold{1});
    out.push_back(link::Send{link::programRequest()});
}

StationActions StationCycle::received(std::span<const std::uint8_t> bytes) {
    StationActions out;
    switch (phase_) {
        case StationPhase::Ended:
        case StationPhase::Settling:  // the radio's answer to the write's 'E'
            break;
        case StationPhase::Leaving:
            link::appendHex(recvHex_, bytes);
            if (link::containsAck(recvHex_)) {
                // Still there: let it out of programming mode again at once, its owner may be using it.
                if (!gotReply_) out.push_back(link::Send{{link::kEnd}});
                gotReply_ = true;
                recvHex_.clear();
            }
            break;
        default:
            if (!transfer_) break;
            carryOut(transfer_->received(bytes), out);
            if (phase_ == StationPhase::Waiting && transfer_ &&
                transfer_->step() > link::Transfer::kFirstStep)
                enter(StationPhase::Writing, out);
            break;
    }
    return out;
}

StationActions StationCycle::tick() {
    StationActions out;
    switch (phase_) {
        case StationPhase::Ended:
            break;
        case StationPhase::Settling:
            if (++ticks_ >= kSettleTicks) startRead(StationPhase::Verifying, out);
            break;
        case StationPhase::Waiting:
            // A radio that is off does not answer: ask again, without counting it as a failure.
            if (++ticks_ >= kProbeTicks) startWrite(out);
            break;
        case StationPhase::Leaving:
            if (++ticks_ < kProbeTicks) break;
            ticks_ = 0;
            unanswered_ = gotReply_ ? 0 : unanswered_ + 1;
            if (unanswered_ >= kLeftAfterProbes) {
                startWrite(out);
                break;
            }
            gotReply_ = false;
            recvHex_.clear();
            out.push_back(link::Send{link::programRequest()});
            break;
        default:
            if (transfer_) carryOut(transfer_->tick(), out);
            break;
    }
    return out;
}

StationActions StationCycle::stop() {
    StationActions out;
    stopping_ = true;
    if (phase_ == StationPhase::Waiting || phase_ == StationPhase::Leaving) {
        // A radio switched on a moment ago may have taken the last program request.
        transfer_.reset();
        out.push_back(link::Send{{link::kEnd}});
        enter(StationPhase::Ended, out);
    }
    return out;
}

StationActions StationCycle::abort() {
    if (phase_ == StationPhase::Ended) return {};
    if (phase_ == StationPhase::Waiting || phase_ == StationPhase::Leaving) return stop();
    stopping_ = true;
    StationActions out{link::Send{{link::kEnd}}, link::SetThreshold{1}};
    radioDone(RadioResult::Interrupted, {}, out);
    return out;
}

StationActions StationCycle::lineLost() {
    StationActions out;
    if (phase_ == StationPhase::Ended) return out;
    stopping_ = true;
    if (phase_ == StationPhase::Waiting || phase_ == StationPhase::Leaving) {
        transfer_.reset();
        enter(StationPhase::Ended, out);
    } else {
        radioDone(RadioResult::CablePulled, {}, out);
    }
    return out;
}

}  // namespace zrt

// A read or a write of the radio fed whatever may arrive on the cable: the replies of a well-behaved radio,
// cut into arbitrary pieces, lost bytes, forged and garbage bytes, and watchdog ticks between them, with the
// force question answered from the input. The transfer runs through the session, as the window and the
// command line run it, and behind the port's receive threshold unless the input asks for raw delivery.
//
// Input: one byte of settings, then operations until the input ends.
//   settings bit 0      write (else read)
//   settings bits 1-2   the band list's position
//   settings bit 3      CrossBandWrite
//   settings bit 4      CalibWrite
//   settings bit 5      bytes go straight to the transfer, without the receive threshold
//   settings bits 6-7   the band code the radio identifies itself with
//   0x00..0x1F          one watchdog tick
//   0x20..0x9F          the next 1..32 bytes the radio has put on the line arrive
//   0xA0..0xBF          the next 1..32 bytes on the line are lost
//   0xC0..0xFF          the following 1..64 input bytes arrive as they are
// A question (the force question, the question about calibration values nobody read) takes the next input
// byte as its answer (odd: OK or Yes); an exhausted input answers Cancel.
//
// Invariants (a violation aborts): no crash; bounded work; at most 193 read requests or written blocks, each
// the next one in order and, for a write, carrying ImageOut's bytes; no data block is written before an
// identification of the right model and band was accepted, or a forced write was agreed to, and a calibration
// write of values nobody read was agreed to; every reply that is accepted passes the protocol's test for its
// step; the transfer ends exactly once, with 'E' sent, and at the latest eleven ticks after the input ends;
// the decode runs only at the end of a complete read, so a failed read leaves the configuration and ImageOut
// as they were, and a write leaves ImageIn as it was.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "image/address_map.h"
#include "link/frames.h"
#include "link/receive_buffer.h"
#include "mapping/image_transfer.h"
#include "session/radio_transfer.h"
#include "session/session.h"

namespace {

using namespace zrt;
using Bytes = std::vector<std::uint8_t>;

constexpr int kBlocks = 193;      // read requests of a read, data frames of a write
constexpr int kEnoughTicks = 11;  // the watchdog gives up on the eleventh quiet tick
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kEnd = 'E';
const Bytes kModel{'Q', 'M', 'X', '2', '7', '4'};

// The input, front to back.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return empty() ? 0 : data_[at_++]; }
    Bytes take(std::size_t n) {
        Bytes out;
        while (n-- > 0 && !empty())
            out.push_back(data_[at_++]);
        return out;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The radio's memory: any fixed pattern that differs from block to block.
std::uint8_t radioByte(std::size_t address) {
    return static_cast<std::uint8_t>(address * 37 + (address >> 8) * 11 + 0x5A);
}

std::string hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    for (std::uint8_t b : bytes) {
        s += kDigits[b >> 4];
        s += kDigits[b & 0x0F];
    }
    return s;
}

// The band code as the program reads it: the byte's two hexadecimal digits taken as a decimal number, as far
// as they are decimal digits.
int bandCodeOf(std::uint8_t b) {
    const int high = b >> 4, low = b & 0x0F;
    if (high > 9) return 0;
    return low > 9 ? high : high * 10 + low;
}

Bytes frame(std::uint8_t command, std::size_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
            0x10};
}

// What a write must send after the band check, in order: data byte k of the block at A is ImageOut[A + k],
// 0x00 past the image.
std::vector<Bytes> expectedWriteFrames(const MemoryImage& imageOut, bool calibWrite) {
    auto block = [&](std::size_t address) {
        Bytes b = frame('W', address);
        for (std::size_t k = 0; k < 16; ++k)
            b.push_back(address + k < MemoryImage::kSize ? imageOut.bytes()[address + k] : 0x00);
        return b;
    };
    std::vector<Bytes> frames;
    for (std::size_t a = 0x000; a <= 0x7B0; a += 16)
        frames.push_back(block(a));
    frames.push_back(calibWrite ? block(addr::kCalibB) : Bytes{kAck});
    frames.push_back(calibWrite ? block(addr::kCalibA) : Bytes{kAck});
    for (std::size_t a = 0x800; a <= 0xC20; a += 16)
        frames.push_back(block(a));
    return frames;
}

MemoryImage encoded(const Configuration& config) {
    MemoryImage image;
    encodeImage(config, image);
    return image;
}

bool isDataFrame(const Bytes& b) {
    return b.size() == 20 && b[0] == 'W';
}

class Run {
  public:
    explicit Run(Input& input) : input_(input) {
        const std::uint8_t settings = input_.next();
        write_ = settings & 0x01;
        raw_ = settings & 0x20;
        radioBand_ = static_cast<std::uint8_t>(settings >> 6);
        // ImageIn and ImageOut as an earlier file or transfer left them, under the program's own
        // configuration.
        const Configuration startConfiguration = session_.config();
        MemoryImage in, out;
        in.fill(0xA5);
        out.fill(0x5A);
        session_.decode(in);
        session_.replaceConfiguration(startConfiguration);
        session_.setImageOut(out);
        session_.edit(Change::of({Part::Band, Part::Service}), [settings](Configuration& config) {
            config.band.listIndex = (settings >> 1) & 0x03;
            config.service.crossBandWrite = settings & 0x08;
            config.service.calibWrite = settings & 0x10;
        });
        const Configuration& c = session_.config();
        configAtStart_ = c;
        configBefore_ = encoded(c);
        imageInBefore_ = session_.imageIn();
        imageOutBefore_ = session_.imageOut();
        expectedImageIn_ = session_.imageIn();
    }

    void go() {
        if (write_) {
            process(transfer_.startWrite());
            // The encode ran right after the program request: the blocks carry the configuration.
            MemoryImage expected = imageOutBefore_;
            encodeImage(configAtStart_, expected);
            ZRT_FUZZ_CHECK(session_.imageOut() == expected);
            writeFrames_ = expectedWriteFrames(session_.imageOut(), session_.config().service.calibWrite);
        } else {
            process(transfer_.startRead());
        }
        while (!input_.empty()) {
            const std::uint8_t op = input_.next();
            if (op < 0x20) {
                tick();
            } else if (op < 0xA0) {
                const std::size_t n = std::min<std::size_t>(line_.size(), (op - 0x20) % 32 + 1);
                Bytes chunk(line_.begin(), line_.begin() + static_cast<std::ptrdiff_t>(n));
                line_.erase(line_.begin(), line_.begin() + static_cast<std::ptrdiff_t>(n));
                arrive(chunk);
            } else if (op < 0xC0) {
                const std::size_t n = std::min<std::size_t>(line_.size(), op - 0xA0 + 1);
                line_.erase(line_.begin(), line_.begin() + static_cast<std::ptrdiff_t>(n));
            } else {
                arrive(input_.take(op - 0xC0 + 1));
            }
        }
        for (int i = 0; i < kEnoughTicks && !ended_; ++i)
            tick();
        ZRT_FUZZ_CHECK(ended_);
        ZRT_FUZZ_CHECK(!transfer_.active());
        // Once ended, nothing more happens, whatever arrives.
        ZRT_FUZZ_CHECK(transfer_.received(Bytes{kAck}).empty());
        ZRT_FUZZ_CHECK(transfer_.tick().empty());
        finalChecks();
    }

  private:
    void tick() { process(transfer_.tick()); }

    // Bytes reach the port; the port hands them over once its receive threshold is met.
    void arrive(const Bytes& chunk) {
        if (chunk.empty()) return;
        if (raw_) {
            deliver(chunk);
        } else if (auto handed = buffer_.arrive(chunk)) {
            deliver(*handed);
        }
    }

    void deliver(const Bytes& bytes) {
        const link::Transfer* t = transfer_.current();
        const bool wasActive = t->active() && !t->awaitingAnswer();
        const std::string text = t->recvHex() + hex(bytes);
        if (collectingIdentification_)
            identification_.insert(identification_.end(), bytes.begin(), bytes.end());
        process(transfer_.received(bytes));
        if (wasActive && transfer_.current()->recvHex().empty()) accepted(text);
    }

    // A reply the transfer accepted must pass the protocol's test for where the transfer stood.
    void accepted(const std::string& text) {
        const bool ack = text == "06";
        const bool ident = text.size() == 16 && text.starts_with(hex(kModel));
        const bool block = text.size() == 40 && text.starts_with("57");
        if (write_) {
            ZRT_FUZZ_CHECK(text.find("06") != std::string::npos || ident);
            return;
        }
        if (requests_ == 0) {
            ZRT_FUZZ_CHECK(ack || ident || (!programAcknowledged_ && text.find("06") != std::string::npos));
            programAcknowledged_ = true;
            return;
        }
        ZRT_FUZZ_CHECK(ack || block);
        if (!block) return;
        ++blocksFor_[static_cast<std::size_t>(requests_ - 1)];
        const std::size_t base = static_cast<std::size_t>(requests_ - 1) * 16;
        for (std::size_t k = 0; k < 16; ++k) {
            const std::size_t a = base + k;
            if (a < MemoryImage::kSize)
                expectedImageIn_.bytes()[a] =
                    static_cast<std::uint8_t>(std::stoi(text.substr(8 + 2 * k, 2), nullptr, 16));
        }
    }

    void process(const link::Actions& actions) {
        if (ended_) ZRT_FUZZ_CHECK(actions.empty());
        bool ask = false, sentEnd = false;
        for (const link::Action& a : actions) {
            ZRT_FUZZ_CHECK(!ended_);
            if (auto* send = std::get_if<link::Send>(&a)) {
                sent(send->bytes);
                sentEnd = sentEnd || send->bytes == Bytes{kEnd};
            } else if (auto* threshold = std::get_if<link::SetThreshold>(&a)) {
                ZRT_FUZZ_CHECK(threshold->bytes == 1 || threshold->bytes == 20);
                buffer_.setThreshold(threshold->bytes);
            } else if (auto* progress = std::get_if<link::SetProgress>(&a)) {
                ZRT_FUZZ_CHECK(progress->value >= 1 && progress->value <= 196);
            } else if (auto* question = std::get_if<link::AskForceQuestion>(&a)) {
                if (question->question == link::Question::ForceBand) {
                    ZRT_FUZZ_CHECK(write_ && session_.config().service.crossBandWrite && !asked_ &&
                                   !askedCalib_);
                    asked_ = true;
                } else {
                    // Calibration values nobody read: asked once, after the band was accepted or forced.
                    ZRT_FUZZ_CHECK(question->question == link::Question::CalibrationNotRead);
                    ZRT_FUZZ_CHECK(write_ && calibrationAsked() && !askedCalib_ && (!asked_ || forcedOk_));
                    askedCalib_ = true;
                }
                ask = true;
            } else if (std::holds_alternative<link::DecodeImageIn>(a)) {
                decoded_ = true;
            } else if (auto* finished = std::get_if<link::Finished>(&a)) {
                ZRT_FUZZ_CHECK(sentEnd);  // the radio learns of every end
                ZRT_FUZZ_CHECK(&a == &actions.back());
                ended_ = true;
                outcome_ = finished->outcome;
            }
        }
        if (ask) {
            ZRT_FUZZ_CHECK(!ended_);
            const bool ok = input_.next() & 0x01;
            (askedCalib_ ? calibOk_ : forcedOk_) = ok;
            process(transfer_.answerForceQuestion(ok));
        }
    }

    // Every frame the program sends, checked against the protocol; the radio's natural reply goes on the
    // line.
    void sent(const Bytes& f) {
        ZRT_FUZZ_CHECK(!f.empty());
        const bool first = sends_++ == 0;
        const Bytes reply = radioReply(f);
        line_.insert(line_.end(), reply.begin(), reply.end());
        if (first) {
            ZRT_FUZZ_CHECK(f == link::programRequest());
            return;
        }
        if (f == Bytes{kEnd}) {
            collectingIdentification_ = false;
            return;
        }
        if (collectingIdentification_) {
            // The first frame after the identify request other than 'E' agrees to write: the bytes that came
            // in between must be the identification of the right model, of the selected band or forced.
            collectingIdentification_ = false;
            ZRT_FUZZ_CHECK(f == Bytes{kAck});
            const bool rightModel =
                identification_.size() == 8 && hex(identification_).starts_with(hex(kModel));
            const bool rightBand =
                rightModel && bandCodeOf(identification_[6]) == configAtStart_.band.listIndex;
            ZRT_FUZZ_CHECK(rightModel && (rightBand || (asked_ && forcedOk_)));
            ZRT_FUZZ_CHECK(!calibrationAsked() || (askedCalib_ && calibOk_));
            identified_ = true;
            return;
        }
        if (write_ && identified_) {
            ZRT_FUZZ_CHECK(writeNext_ < writeFrames_.size());
            ZRT_FUZZ_CHECK(f == writeFrames_[writeNext_]);
            ++writeNext_;
            return;
        }
        if (f == Bytes{link::kIdentifyRequest}) {
            ZRT_FUZZ_CHECK(!identifySent_);
            identifySent_ = true;
            collectingIdentification_ = write_;
            identification_.clear();
            return;
        }
        ZRT_FUZZ_CHECK(!isDataFrame(f));  // no block before the band check, none at all in a read
        if (f.size() == 4 && f[0] == 'R') {
            ZRT_FUZZ_CHECK(!write_ && requests_ < kBlocks);
            ZRT_FUZZ_CHECK(f == frame('R', static_cast<std::size_t>(requests_) * 16));
            ++requests_;
            return;
        }
        ZRT_FUZZ_CHECK(f == Bytes{kAck});
    }

    Bytes radioReply(const Bytes& f) const {
        if (f == link::programRequest() || f == Bytes{kAck} || f == Bytes{kEnd} || isDataFrame(f))
            return {kAck};
        if (f == Bytes{link::kIdentifyRequest}) {
            Bytes ident = kModel;
            ident.push_back(radioBand_);
            ident.push_back(0x00);
            return ident;
        }
        if (f.size() == 4 && f[0] == 'R') {
            const std::size_t address = (std::size_t{f[1]} << 8) | f[2];
            Bytes reply = frame('W', address);
            for (std::size_t k = 0; k < 16; ++k)
                reply.push_back(radioByte(address + k));
            return reply;
        }
        return {};
    }

    void finalChecks() {
        const bool succeeded = outcome_ == link::Outcome::Succeeded;
        ZRT_FUZZ_CHECK(decoded_ == (succeeded && !write_));
        if (write_) {
            ZRT_FUZZ_CHECK(session_.imageIn() == imageInBefore_);
            ZRT_FUZZ_CHECK(encoded(session_.config()) == configBefore_);
            if (succeeded) ZRT_FUZZ_CHECK(writeNext_ == writeFrames_.size());
            return;
        }
        ZRT_FUZZ_CHECK(session_.imageOut() == imageOutBefore_);
        // Only bytes of accepted data blocks reach ImageIn, each at the address of its request.
        ZRT_FUZZ_CHECK(session_.imageIn() == expectedImageIn_);
        if (!succeeded) {
            ZRT_FUZZ_CHECK(encoded(session_.config()) == configBefore_);
            return;
        }
        ZRT_FUZZ_CHECK(requests_ == kBlocks);
        // Behind the receive threshold a read succeeds only with every block received.
        if (!raw_)
            for (int n : blocksFor_)
                ZRT_FUZZ_CHECK(n > 0);
        Configuration redo = configAtStart_;
        decodeImage(expectedImageIn_, redo);
        ZRT_FUZZ_CHECK(encoded(redo) == encoded(session_.config()));
    }

    Input& input_;
    Session session_;
    RadioTransfer& transfer_ = session_.transfer();
    link::ReceiveBuffer buffer_;
    std::deque<std::uint8_t> line_;
    bool write_ = false, raw_ = false;
    std::uint8_t radioBand_ = 0;

    MemoryImage configBefore_, imageInBefore_, imageOutBefore_, expectedImageIn_;
    Configuration configAtStart_;

    int sends_ = 0;
    int requests_ = 0;
    std::array<int, kBlocks> blocksFor_{};
    bool programAcknowledged_ = false;
    bool identifySent_ = false, collectingIdentification_ = false, identified_ = false;
    Bytes identification_;
    bool asked_ = false, forcedOk_ = false;
    bool askedCalib_ = false, calibOk_ = false;
    // A calibration write of values that were neither read nor set asks before any block.
    bool calibrationAsked() const { return configAtStart_.service.calibWrite && !configAtStart_.calib.known; }
    std::vector<Bytes> writeFrames_;
    std::size_t writeNext_ = 0;
    bool decoded_ = false, ended_ = false;
    std::optional<link::Outcome> outcome_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Input input(data, size);
    Run run(input);
    run.go();
    return 0;
}

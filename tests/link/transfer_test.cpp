#include "link/transfer.h"

#include <gtest/gtest.h>

#include "link_harness.h"
#include "support/generators.h"

namespace zrt {
namespace {

using link::Bytes;
using link::Outcome;
using link::Transfer;
using testing::LinkRunner;
using testing::RunResult;
using testing::Split;
using testing_support::patternedImage;

constexpr Split kSplits[] = {Split::WholeFrames, Split::SingleBytes, Split::RandomCuts};

Bytes ascii(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

Bytes block(std::uint8_t command, std::size_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
            0x10};
}

// A write block as the radio must see it: image bytes, zero past the image's last index (3072).
Bytes writeBlock(const MemoryImage& out, std::size_t address) {
    Bytes b = block('W', address);
    for (std::size_t k = 0; k < 16; ++k)
        b.push_back(address + k <= 3072 ? out[address + k] : 0x00);
    return b;
}

std::vector<Bytes> expectedWrite(const MemoryImage& out, bool calib) {
    std::vector<Bytes> v{ascii("PROGRAM"), {0x02}, {0x06}};
    for (std::size_t a = 0x000; a <= 0x7B0; a += 16)
        v.push_back(writeBlock(out, a));
    if (calib) {
        v.push_back(writeBlock(out, 0x7E0));
        v.push_back(writeBlock(out, 0x7F0));
    } else {
        v.push_back({0x06});
        v.push_back({0x06});
    }
    for (std::size_t a = 0x800; a <= 0xC20; a += 16)
        v.push_back(writeBlock(out, a));
    v.push_back({'E'});
    return v;
}

std::vector<Bytes> expectedRead() {
    std::vector<Bytes> v{ascii("PROGRAM"), {0x02}, {0x06}};
    for (std::size_t a = 0x000; a <= 0xC00; a += 16) {
        v.push_back(block('R', a));
        v.push_back({0x06});
    }
    v.push_back({'E'});
    v.push_back({'E'});
    return v;
}

RunResult runWrite(sim::RadioProtocol& radio, const MemoryImage& out, link::WriteOptions options, Split split,
                   unsigned seed = 7, bool forceAnswer = true) {
    Transfer t = Transfer::write(out, options);
    LinkRunner runner(radio, split, seed);
    runner.forceAnswer = forceAnswer;
    return runner.run(t, [&] { return t.start(); });
}

RunResult runRead(sim::RadioProtocol& radio, MemoryImage& in, Split split, unsigned seed = 7) {
    Transfer t = Transfer::read(in);
    LinkRunner runner(radio, split, seed);
    return runner.run(t, [&] { return t.start(); });
}

TEST(LinkWrite, SendsEveryBlockInOrderUnderEverySplit) {
    const MemoryImage out = patternedImage(1);
    for (bool calib : {false, true}) {
        for (Split split : kSplits) {
            SCOPED_TRACE(std::string(testing::splitName(split)) + (calib ? " CalibWrite" : ""));
            sim::RadioProtocol radio;
            testing_support::fillPattern(radio.memory(), 2);
            const auto before = radio.memory();
            const RunResult r = runWrite(radio, out, {0, false, calib}, split);
            EXPECT_EQ(r.sent, expectedWrite(out, calib));
            ASSERT_EQ(r.outcome, Outcome::Succeeded);
            EXPECT_EQ(r.actions.back(), link::Action{link::Finished{Outcome::Succeeded}});
            EXPECT_EQ(r.ticks, 0);
            // What the radio holds afterwards: ImageOut wherever a block went, its own bytes elsewhere.
            for (std::size_t a = 0; a < 0xC00; ++a) {
                const bool calibBlock = a >= 0x7E0 && a < 0x800;
                const bool written = a < 0x7C0 || a >= 0x800 || (calib && calibBlock);
                ASSERT_EQ(radio.memory()[a], written ? out[a] : before[a]) << "address " << a;
            }
        }
    }
}

TEST(LinkRead, RequestsEveryBlockAndStoresItUnderEverySplit) {
    for (Split split : kSplits) {
        SCOPED_TRACE(testing::splitName(split));
        sim::RadioProtocol radio({.pastMemory = 0xA5});
        testing_support::fillPattern(radio.memory(), 99);
        MemoryImage in;
        const RunResult r = runRead(radio, in, split);
        EXPECT_EQ(r.sent, expectedRead());
        ASSERT_EQ(r.outcome, Outcome::Succeeded);
        // The decode comes once, after the last reply and before the end.
        const link::Actions tail(r.actions.end() - 3, r.actions.end());
        EXPECT_EQ(tail, (link::Actions{link::Send{{'E'}}, link::DecodeImageIn{},
                                       link::Finished{Outcome::Succeeded}}));
        for (std::size_t a = 0; a < 3072; ++a)
            ASSERT_EQ(in[a], radio.memory()[a]) << "address " << a;
        EXPECT_EQ(in[3072], 0xA5);  // the last block reaches past the radio's memory
        int progress = 0;           // the bar follows the step up to its end
        bool rising = true;
        for (const auto& a : r.actions)
            if (auto* p = std::get_if<link::SetProgress>(&a)) {
                rising = rising && p->value >= progress;
                progress = p->value;
            }
        EXPECT_TRUE(rising);
        EXPECT_EQ(progress, 196);
    }
}

// The band check reads the radio's band code as decimal digits. A radio of another band is written only when
// the user agrees (CrossBandWrite); calibration values that came neither from the radio nor from a file nor
// from the user are asked about before anything is written, after the band question. A refusal or a No
// writes nothing and ends with 'E', with no message.
TEST(LinkWrite, BandCheckAndQuestionsBeforeTheFirstBlock) {
    const link::Question force = link::Question::ForceBand, calib = link::Question::CalibrationNotRead;
    const Outcome ok = Outcome::Succeeded, refused = Outcome::BandRefused, no = Outcome::Cancelled;
    struct Case {
        std::uint8_t code;
        link::WriteOptions options;
        bool answer;
        std::vector<link::Question> asked;
        Outcome outcome;
    };
    const Case cases[] = {
        {0x00, {0}, true, {}, ok},
        {0x03, {3}, true, {}, ok},
        {0x0A, {0}, true, {}, ok},
        {0xA1, {0}, true, {}, ok},
        {0x02, {2}, true, {}, ok},
        {0x01, {0}, true, {}, refused},
        {0x10, {1}, true, {}, refused},
        {0x0A, {1}, true, {}, refused},
        {0x03, {0}, true, {}, refused},
        {2, {0, true}, true, {force}, ok},
        {2, {0, true}, false, {force}, no},
        {0, {0, true, true, true}, true, {calib}, ok},
        {0, {0, true, true, true}, false, {calib}, no},
        {2, {0, true, true, true}, true, {force, calib}, ok},
        {2, {0, true, true, true}, false, {force}, no},
        {0, {0, true, true, false}, true, {}, ok},  // values that were read are written without a question
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "code " << int(c.code) << " band " << c.options.bandIndex
                     << (c.options.confirmCalibration ? " calibration" : "") << (c.answer ? " yes" : " no"));
        sim::RadioProtocol radio({.bandCode = c.code});
        const MemoryImage out = patternedImage(9);
        const RunResult r = runWrite(radio, out, c.options, Split::RandomCuts, 3, c.answer);
        EXPECT_EQ(r.asked, c.asked);
        EXPECT_EQ(r.outcome, c.outcome);
        if (c.outcome == ok) {
            EXPECT_EQ(r.sent, expectedWrite(out, c.options.calibWrite));
            continue;
        }
        EXPECT_EQ(r.sent, (std::vector<Bytes>{ascii("PROGRAM"), {0x02}, {'E'}}));
        const link::Actions tail(r.actions.end() - 2, r.actions.end());
        EXPECT_EQ(tail, (link::Actions{link::Send{{'E'}}, link::Finished{c.outcome}}));
    }
}

// Only accepted replies reset the watchdog; it rests while the force question is open.
TEST(LinkWatchdog, OnlyAcceptedRepliesResetItAndItRestsDuringTheForceQuestion) {
    MemoryImage image;
    Transfer w = Transfer::write(image, {0, true, false});
    w.start();
    w.received(Bytes{0x06});
    const Bytes ident{'Q', 'M', 'X', '2', '7', '4', 0x01, 0x00};
    ASSERT_EQ(w.received(ident).back(), link::Action{link::AskForceQuestion{}});
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(w.tick().empty());
    EXPECT_EQ(w.answerForceQuestion(true), (link::Actions{link::Send{{0x06}}}));
    EXPECT_EQ(w.step(), 3);

    Transfer t = Transfer::read(image);
    t.start();
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(t.tick().empty());
    t.received(Bytes{0x06});  // accepted: the count starts again
    EXPECT_EQ(t.timeoutCount(), 0);
    for (int i = 0; i < 10; ++i)
        t.tick();
    t.received(Bytes{0x51, 0x4D});  // the start of an identification is not accepted
    EXPECT_EQ(t.timeoutCount(), 10);
    EXPECT_FALSE(t.tick().empty());
    EXPECT_FALSE(t.active());
    EXPECT_TRUE(t.received(Bytes{0x06}).empty());  // late replies are dropped
}

TEST(LinkReplies, OnlyTheModelIdentifiesAndEachDirectionTestsItsAcknowledgement) {
    const auto ident = [](std::string_view model, std::size_t length) {
        Bytes b = ascii(model);
        b.resize(length, 0);
        return b;
    };
    struct Case {
        const char* name;
        int replyNumber;  // counted from 1: the program request's acknowledgement is the first
        Bytes reply;
        Outcome read, write;
        bool inOnePiece = false;  // a ninth byte arriving on its own is judged as the next reply
    };
    const Outcome ok = Outcome::Succeeded, late = Outcome::TimedOut;
    const Case cases[] = {
        {"data file identifier", 2, ident("QMV274", 8), late, late},
        {"nine bytes", 2, ident("QMX274", 9), late, late, true},
        {"seven bytes", 2, ident("QMX274", 7), late, late},
        {"garbage first", 2, Bytes{0x33, 'Q', 'M', 'X', '2', '7', '4', 0, 0}, late, late},
        {"straddling digits after the identification", 3, Bytes{0x10, 0x60}, late, ok},
        {"straddling digits after a block", 11, Bytes{0x10, 0x60}, late, ok},
    };
    for (const Case& c : cases) {
        for (Split split : kSplits) {
            if (c.inOnePiece && split != Split::WholeFrames) continue;
            SCOPED_TRACE(std::string(c.name) + " " + testing::splitName(split));
            for (bool write : {false, true}) {
                sim::RadioProtocol radio({.replacedReply = c.replyNumber, .replacement = c.reply});
                MemoryImage image;
                const RunResult r = write ? runWrite(radio, image, {}, split) : runRead(radio, image, split);
                EXPECT_EQ(r.outcome, write ? c.write : c.read) << (write ? "write" : "read");
                EXPECT_EQ(r.sent.back(), Bytes{'E'});
            }
        }
    }
}

TEST(LinkRecvHex, TextTests) {
    struct Case {
        std::string text;
        bool containsAck, isAck, isIdent, isData;
    };
    const std::string ident =
        "514D58323734"
        "0300";
    const Case cases[] = {
        {"06", true, true, false, false},
        {"1060", true, false, false, false},
        {"0006", true, false, false, false},
        {"6006", true, false, false, false},
        {"6000", false, false, false, false},
        {ident, false, false, true, false},
        {ident + "06", true, false, false, false},
        {"57" + std::string(38, '0'), false, false, false, true},
        {"57" + std::string(36, '1'), false, false, false, false},
        {"52" + std::string(38, '1'), false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(link::containsAck(c.text), c.containsAck);
        EXPECT_EQ(link::isAck(c.text), c.isAck);
        EXPECT_EQ(link::isIdentification(c.text), c.isIdent);
        EXPECT_EQ(link::isDataBlock(c.text), c.isData);
    }
    std::string text = "06";
    link::appendHex(text, Bytes{0x00, 0x0A, 0xFF, 0x57});
    EXPECT_EQ(text, "06000AFF57");
}

}  // namespace
}  // namespace zrt

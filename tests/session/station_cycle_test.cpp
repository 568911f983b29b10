#include "session/station_cycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "link/link_harness.h"
#include "session/write_verification.h"
#include "support/generators.h"

namespace zrt {
namespace {

using link::Bytes;

// One port: the cycle and the line, with whichever radio is switched on at the other end (none while it is
// off). The radio's replies arrive whole; the 200 ms tick comes when the line is quiet.
struct Port {
    Port(const MemoryImage& image, StationOptions options) : cycle(image, options) {}

    StationCycle cycle;
    testing::Line line;
    std::vector<Bytes> sent;
    std::vector<RadioDone> done;
    std::function<void(Port&)> afterSend;  // called after every frame sent

    void carry(const StationActions& actions) {
        for (const StationAction& a : actions) {
            if (const auto* s = std::get_if<link::Send>(&a)) {
                sent.push_back(s->bytes);
                line.send(s->bytes);
                if (afterSend) afterSend(*this);
            } else if (const auto* t = std::get_if<link::SetThreshold>(&a)) {
                line.setThreshold(t->bytes);
            } else if (const auto* d = std::get_if<RadioDone>(&a)) {
                done.push_back(*d);
            }
        }
    }
    void deliverThenTick() {
        while (!line.quiet())
            if (auto handed = line.arrive()) carry(cycle.received(*handed));
        carry(cycle.tick());
    }
    void tickUntilEnded(int maxTicks = 2000) {
        for (int i = 0; i < maxTicks && !cycle.ended(); ++i)
            deliverThenTick();
    }
};

long blocksWrittenAt(const sim::RadioProtocol& radio, std::size_t address) {
    return std::ranges::count(radio.frames(), sim::ReceivedFrame{sim::ReceivedFrame::Kind::Write, address});
}

// No answer, another band and a read are the fleet's end-to-end cases (tests/cli); here the rest.
TEST(StationCycle, OneRadioPerPortGivesItsOwnResult) {
    const MemoryImage image = testing_support::patternedImage(7);
    struct Case {
        const char* name;
        StationOptions options;
        sim::RadioBehaviour radio;
        RadioResult result;
        // The radio keeps the byte here other than written (the verification must find it first).
        std::optional<std::size_t> difference = std::nullopt;
        StationActions (StationCycle::*atFrame60)() = nullptr;  // stop, abort or the line lost mid-write
    };
    const Case cases[] = {
        {"written and checked", {.verify = true}, {}, RadioResult::Verified},
        {"written", {}, {}, RadioResult::Written},
        {"falls silent", {.verify = true}, {.silentAfter = 250}, RadioResult::StoppedAnswering},
        {"another band, forced", {.write = {0, true, false}}, {.bandCode = 2}, RadioResult::Written},
        {"calibration nobody read", {.write = {0, false, true, true}}, {}, RadioResult::CalibrationRefused},
        {"keeps one byte wrong", {.verify = true}, {}, RadioResult::VerifyFailed, 0x125},
        // Blocks that were never written may differ; written calibration blocks may not.
        {"keeps a calibration byte wrong",
         {.verify = true, .write = {0, false, true}},
         {},
         RadioResult::VerifyFailed,
         0x7E4},
        // Stopping lets the radio in hand finish; aborting (a second Ctrl+C) and a pulled cable cut it short.
        {"stopped", {.verify = true, .station = true}, {}, RadioResult::Verified, {}, &StationCycle::stop},
        {"aborted",
         {.verify = true, .station = true},
         {},
         RadioResult::Interrupted,
         {},
         &StationCycle::abort},
        {"line lost",
         {.verify = true, .station = true},
         {},
         RadioResult::CablePulled,
         {},
         &StationCycle::lineLost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::RadioBehaviour behaviour = c.radio;
        const std::size_t wrongBlock = c.difference.value_or(0) & ~std::size_t{0xF};
        if (c.difference) behaviour.dropBlock = static_cast<int>(wrongBlock);
        sim::RadioProtocol radio(behaviour);
        testing_support::fillPattern(radio.memory(), 5);
        if (c.difference) {  // the block it drops already holds what is written, but for the one byte
            for (std::size_t a = wrongBlock; a < wrongBlock + 16; ++a)
                radio.memory()[a] = image[a];
            radio.memory()[*c.difference] ^= 0xFF;
        }
        const auto before = radio.memory();
        Port port(image, c.options);
        port.line.radio = &radio;
        if (c.atFrame60)
            port.afterSend = [&](Port& p) {
                if (p.sent.size() == 60) p.carry((p.cycle.*c.atFrame60)());
            };
        port.carry(port.cycle.start());
        port.tickUntilEnded();
        ASSERT_TRUE(port.cycle.ended());
        ASSERT_EQ(port.done.size(), 1u);
        EXPECT_EQ(port.done[0].result, c.result);
        EXPECT_EQ(port.done[0].firstDifference, c.difference);
        EXPECT_EQ(port.cycle.succeededCount() + port.cycle.failedCount(), 1);
        // Every end leaves the radio's programming mode while the line is there; no new radio is looked for.
        EXPECT_EQ(port.sent.back() == Bytes{link::kEnd}, c.atFrame60 != &StationCycle::lineLost);
        EXPECT_NE(port.sent.back(), link::programRequest());
        EXPECT_TRUE(c.result != RadioResult::CalibrationRefused || radio.memory() == before);
        if (succeeded(c.result) && c.options.job == StationOptions::Job::Write) {
            for (std::size_t block : writtenBlocks(false))
                for (std::size_t a = block; a < block + 16 && a < 0xC00; ++a)
                    ASSERT_EQ(radio.memory()[a], image[a]) << a;
        }
    }
}

// A station port: radios are switched on and off at the other end. Each is written and checked exactly
// once, also one left switched on long after its write; a radio that never answers is no failure.
TEST(StationCycle, AStationWritesEachRadioOnceAsItComesAndGoes) {
    const MemoryImage image = testing_support::patternedImage(7);
    struct Radio {
        int on, off;  // the ticks during which it is switched on
        sim::RadioProtocol radio;
    };
    std::vector<std::unique_ptr<Radio>> radios;
    for (auto [on, off] : {std::pair{3, 20}, {30, 120}, {140, 150}, {165, 190}})
        radios.push_back(std::make_unique<Radio>(Radio{on, off, sim::RadioProtocol{}}));
    radios[3]->radio = sim::RadioProtocol({.silentAfter = 3});  // answers the probe, then dies in its write

    Port port(image, {.verify = true, .station = true});
    port.carry(port.cycle.start());
    for (int t = 0; t < 200; ++t) {
        port.line.radio = nullptr;
        for (auto& r : radios)
            if (t >= r->on && t < r->off) port.line.radio = &r->radio;
        port.deliverThenTick();
    }
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(blocksWrittenAt(radios[i]->radio, 0x000), 1);
        EXPECT_EQ(blocksWrittenAt(radios[i]->radio, 0xC20), 1);
        EXPECT_EQ(radios[i]->radio.frames().back().kind, sim::ReceivedFrame::Kind::End);
    }
    ASSERT_EQ(port.done.size(), 4u);
    EXPECT_EQ(port.done[0].result, RadioResult::Verified);
    EXPECT_EQ(port.done[3].result, RadioResult::StoppedAnswering);
    EXPECT_EQ(port.cycle.succeededCount(), 3);
    EXPECT_EQ(port.cycle.failedCount(), 1);
    EXPECT_EQ(port.cycle.phase(), StationPhase::Waiting);

    // Program requests go out every 2 s while nobody answers, and no more often.
    int requests = 0;
    for (const Bytes& f : port.sent)
        requests += f == link::programRequest();
    EXPECT_LE(requests, 200 / StationCycle::kProbeTicks + 3 * 2 + 2);
}

// A waiting station ends at once, telling a radio that may just have taken the request to leave.
TEST(StationCycle, AWaitingStationStopsAtOnce) {
    Port idle(testing_support::patternedImage(7), {.station = true});
    idle.carry(idle.cycle.start());
    idle.carry(idle.cycle.stop());
    EXPECT_TRUE(idle.cycle.ended());
    EXPECT_EQ(idle.sent, (std::vector<Bytes>{link::programRequest(), {link::kEnd}}));
}

}  // namespace
}  // namespace zrt

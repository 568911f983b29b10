// A whole read and a whole write of the radio in memory: the link's state machine (with the session's encode
// and decode) against the virtual radio's protocol answering at once, replies handed over through the receive
// threshold as the serial port does. Per round trip this is the core's share of every exchange.
#include <benchmark/benchmark.h>

#include <functional>

#include "link/receive_buffer.h"
#include "radio-sim/radio_protocol.h"
#include "session/radio_transfer.h"
#include "session/session.h"
#include "support/full_configuration.h"

namespace {

struct Result {
    zrt::link::Outcome outcome = zrt::link::Outcome::TimedOut;
    int roundTrips = 0;
};

// Carries out the port's actions; the radio's replies go back through the receive threshold.
Result run(zrt::RadioTransfer& transfer, zrt::link::Actions actions, zrt::sim::RadioProtocol& radio) {
    zrt::link::ReceiveBuffer buffer;
    Result result;
    for (bool done = false; !done;) {
        std::vector<std::uint8_t> sent;
        for (const zrt::link::Action& a : actions) {
            if (auto* send = std::get_if<zrt::link::Send>(&a)) {
                sent.insert(sent.end(), send->bytes.begin(), send->bytes.end());
            } else if (auto* threshold = std::get_if<zrt::link::SetThreshold>(&a)) {
                buffer.setThreshold(threshold->bytes);
            } else if (auto* finished = std::get_if<zrt::link::Finished>(&a)) {
                result.outcome = finished->outcome;
                done = true;
            }
        }
        if (done) break;
        actions.clear();
        for (const auto& reply : radio.feed(sent)) {
            ++result.roundTrips;
            if (auto handed = buffer.arrive(reply)) {
                actions = transfer.received(*handed);
                break;
            }
        }
        if (actions.empty()) break;  // the radio had nothing to say: a stuck exchange
    }
    return result;
}

// Runs one whole transfer per iteration and reports the round trips and the time each one took.
void measure(benchmark::State& state, zrt::RadioTransfer& transfer, zrt::sim::RadioProtocol& radio,
             const std::function<zrt::link::Actions()>& start, const char* failure) {
    int roundTrips = 0;
    for (auto _ : state) {
        const Result r = run(transfer, start(), radio);
        if (r.outcome != zrt::link::Outcome::Succeeded) state.SkipWithError(failure);
        roundTrips = r.roundTrips;
    }
    state.counters["round_trips"] = roundTrips;
    state.counters["per_round_trip"] =
        benchmark::Counter(static_cast<double>(roundTrips) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ReadTransfer(benchmark::State& state) {
    zrt::sim::RadioProtocol radio;
    zrt::MemoryImage full;
    zrt::encodeImage(zrt::bench::fullConfiguration(), full);
    std::copy_n(full.bytes().begin(), radio.memory().size(), radio.memory().begin());
    zrt::Session session;
    zrt::RadioTransfer& transfer = session.transfer();
    measure(
        state, transfer, radio, [&] { return transfer.startRead(); }, "the read failed");
}
BENCHMARK(BM_ReadTransfer)->Unit(benchmark::kMicrosecond);

void BM_WriteTransfer(benchmark::State& state) {
    zrt::sim::RadioProtocol radio;
    zrt::Session session;
    session.replaceConfiguration(zrt::bench::fullConfiguration());
    zrt::RadioTransfer& transfer = session.transfer();
    measure(
        state, transfer, radio, [&] { return transfer.startWrite(); }, "the write failed");
}
BENCHMARK(BM_WriteTransfer)->Unit(benchmark::kMicrosecond);

}  // namespace

#include "session/edit_journal.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "config/channel_edit.h"
#include "config/channel_operations.h"
#include "session/session.h"
#include "support/generators.h"

namespace zrt {
namespace {

std::vector<std::uint8_t> encoded(Session& s) {
    s.encode();
    return {s.imageOut().bytes().begin(), s.imageOut().bytes().end()};
}

// Any run of edit commands, undone step by step, gives back the first encode byte for byte; redone, the
// last. Saves (encodes) between the steps and reads of arbitrary images are part of the run. Every row
// command keeps the group's channels as its step, so insert and fill stand for them all.
TEST(EditJournal, RandomEditsUndoneGiveTheFirstEncodeAndRedoneTheLast) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        Session s;
        std::vector<Step> steps;
        s.journal().setListener([&](Step step) { steps.push_back(std::move(step)); });
        const auto first = encoded(s);
        const auto rows = [&] {
            std::vector<int> v;
            const int at = pick(1, 128);
            for (int n = at; n <= std::min(at + pick(0, 5), groupLastChannel(at)); ++n)
                v.push_back(n);
            return v;
        };
        const auto onChannels = [&](const std::vector<int>& v, StepKind kind, auto&& fn) {
            s.edit(Change::channels(groupFirstChannel(v.front()), groupLastChannel(v.front())).named({kind}),
                   [&](Configuration& c) { fn(c); });
        };
        for (int k = 0; k < 30; ++k) {
            const int n = pick(1, 128);
            const std::vector<int> v = rows();
            switch (pick(0, 8)) {
                case 0:
                    onChannels({n}, StepKind::SetField, [&](Configuration& c) {
                        commitFrequency(c.channels, c.band, n, ChannelFrequency::Receive,
                                        std::to_string(pick(136, 174)) + ".0125");
                        commitListChoice(c.channels, n, static_cast<ChannelList>(pick(2, 7)), pick(0, 1),
                                         "x");
                        commitName(c.channels, n, "N" + std::to_string(k));
                    });
                    break;
                case 1:
                    onChannels(v, StepKind::Insert,
                               [&](Configuration& c) { insertChannel(c.channels, v.front()); });
                    break;
                case 2:
                    onChannels(v, StepKind::Fill, [&](Configuration& c) {
                        fillFrequencies(c.channels, c.band, v, 144'000'000 + pick(0, 9) * 12'500, 25'000);
                    });
                    break;
                case 3:
                    s.edit(Change::of({Part::Features}), [&](Configuration& c) {
                        c.features.list[static_cast<std::size_t>(pick(0, kFeatureListCount - 1))] =
                            pick(0, 1);
                        c.features.password = std::to_string(pick(0, 999));
                    });
                    break;
                case 4:
                    s.edit(Change::of({Part::Calibration}),
                           [&](Configuration& c) { setCalibSlider(c.calib, pick(0, 17), pick(0, 255)); });
                    break;
                case 5:
                    s.edit(Change::of({Part::Dtmf}), [&](Configuration& c) { c.dtmf.autodial[0] = "12*#"; });
                    break;
                case 6:
                    s.chooseBand(pick(0, 3), [&] { return pick(0, 1) == 1; });
                    break;
                case 7:  // a read of an arbitrary image
                    s.decode(testing_support::patternedImage(static_cast<unsigned>(pick(0, 1 << 30))));
                    break;
                default:
                    s.newConfiguration();
                    encoded(s);  // a save in between
                    break;
            }
        }
        const auto last = encoded(s);
        for (auto it = steps.rbegin(); it != steps.rend(); ++it)
            s.journal().restore(it->before);
        EXPECT_EQ(encoded(s), first) << "seed " << seed << ", " << steps.size() << " steps";
        for (const Step& step : steps)
            s.journal().restore(step.after);
        EXPECT_EQ(encoded(s), last) << "seed " << seed;
    }
}

// One step per user action: grouped edits are one step under the group's name, nested edits fold into the
// outer one, an edit that changes nothing is none, and a restore records nothing.
TEST(EditJournal, GroupsNestingUnchangedEditsAndRestores) {
    Session s;
    const Configuration start = s.config();
    std::vector<Step> steps;
    s.journal().setListener([&](Step step) { steps.push_back(std::move(step)); });
    s.journal().begin({StepKind::Fill});
    s.edit(Change::channels(1, 1).named({StepKind::SetField, 1}),
           [](Configuration& c) { c.channels[0].name = "A"; });
    s.edit(Change::channels(2, 2), [](Configuration& c) { c.channels[1].name = "B"; });
    s.journal().end();
    s.edit(Change::of({Part::Dtmf}), [](Configuration&) {});
    s.setLanguage(kChinese);
    int key = 0;
    key = s.document().subscribe([&](const Change&) {
        s.document().unsubscribe(key);
        s.edit(Change::of({Part::Dtmf}), [](Configuration& c) { c.dtmf.rate = 2; });
    });
    s.edit(Change::channels(5, 5).named({StepKind::SetField, 5, ChannelField::Name}),
           [](Configuration& c) { c.channels[4].name = "E"; });
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].name.kind, StepKind::Fill);
    EXPECT_EQ(steps[0].before.channels.size(), 2u);
    EXPECT_EQ(steps[1].name, (StepName{StepKind::SetField, 5, ChannelField::Name}));
    EXPECT_TRUE(steps[1].after.dtmf.has_value());
    s.journal().restore(steps[1].before);
    s.journal().restore(steps[0].before);
    EXPECT_EQ(steps.size(), 2u);
    EXPECT_EQ(s.config().channels.records, start.channels.records);
    EXPECT_EQ(s.config().dtmf, start.dtmf);
    EXPECT_EQ(s.config().languageIndex, kChinese);

    // A read replaced the kept image before its step began: undoing it gives that image back as well.
    const MemoryImage earlier = s.imageIn();
    MemoryImage delivered;
    delivered.fill(0x5A);
    s.journal().begin({StepKind::Read}, &earlier);
    s.decode(delivered);
    s.journal().end();
    ASSERT_EQ(steps.back().name.kind, StepKind::Read);
    s.journal().restore(steps.back().before);
    EXPECT_EQ(s.imageIn(), earlier);
}

}  // namespace
}  // namespace zrt

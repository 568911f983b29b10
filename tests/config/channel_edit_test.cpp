// The commit rules of the channel table's editors, checked against the store.
#include "config/channel_edit.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/channel_lists.h"
#include "config/channel_table.h"

namespace zrt {
namespace {

BandState bandAt(int position) {
    BandState band;
    band.current = band.listIndex = position;
    band.limits = kBands[position].limits;
    return band;
}

// A channel with values in every slot, unlike anything a new channel gets.
void fillChannel(ChannelStore& store, int n) {
    store[n - 1].rxFrequency = "150.00000";
    store[n - 1].txFrequency = "155.00000";
    store[n - 1].decodeTone = {255, "88.5"};
    store[n - 1].encodeTone = {0, ""};
    store[n - 1].name = "OLD";
}

bool sameStore(const ChannelStore& a, const ChannelStore& b) {
    return a.records == b.records;
}

// On a channel that holds values in every slot: the edited frequency alone changes, and only when it is
// stored. The raster itself is the optional features' VFO check's too (feature_rules_test).
TEST(ChannelFrequencyCommit, BandCheckAndRaster) {
    struct Case {
        int band;
        int n;
        ChannelFrequency which;
        std::string typed;
        FrequencyOutcome outcome;
        std::string stored;
    };
    using O = FrequencyOutcome;
    constexpr ChannelFrequency rx = ChannelFrequency::Receive, tx = ChannelFrequency::Transmit;
    const std::vector<Case> cases = {
        {0, 1, rx, "145.013", O::Stored, "145.01250"},
        {0, 1, tx, "136", O::Stored, "136.00000"},
        {0, 1, rx, "145.", O::Stored, "145.00000"},
        {0, 70, rx, "469.99", O::Stored, "469.99000"},
        {0, 1, rx, "174", O::OutOfBand, ""},
        {0, 1, tx, "135.99999", O::OutOfBand, ""},
        {0, 1, rx, "470", O::OutOfBand, ""},
        {1, 1, rx, "470", O::Stored, "470.00000"},
        {1, 1, rx, "520", O::OutOfBand, ""},
        {2, 1, rx, "150", O::OutOfBand, ""},
        {2, 5, rx, "435", O::Stored, "435.00000"},   // group A takes the B range too
        {2, 69, tx, "146", O::Stored, "146.00000"},  // and group B the A range
        {3, 1, rx, "247.5", O::Stored, "247.50000"},
        {3, 1, rx, "250", O::OutOfBand, ""},
        {0, 1, rx, ".", O::Unchanged, ""},
        {0, 1, tx, "1..2", O::Unchanged, ""},
        {0, 1, tx, "", O::Unchanged, ""},  // an empty transmit frequency keeps the one the channel has
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("band " + std::to_string(c.band) + " channel " + std::to_string(c.n) + " " + c.typed);
        ChannelStore store;
        fillChannel(store, c.n);
        ChannelStore expected = store;
        if (c.outcome == O::Stored) {
            Channel& channel = expected[static_cast<std::size_t>(c.n - 1)];
            (c.which == rx ? channel.rxFrequency : channel.txFrequency) = c.stored;
        }
        const FrequencyCommit r = commitFrequency(store, bandAt(c.band), c.n, c.which, c.typed);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.text, c.stored);
        EXPECT_FALSE(r.newChannel);
        EXPECT_TRUE(sameStore(store, expected));
    }
}

// An empty receive frequency empties the channel and its name; on a channel that is blank already (Escape or
// a click elsewhere on a blank row) it changes nothing, so what a blank channel kept from an image stays.
TEST(ChannelFrequencyCommit, EmptyReceiveFrequency) {
    ChannelStore store;
    fillChannel(store, 66);
    fillChannel(store, 67);
    store[4].name = "KEEP";
    const ChannelStore before = store;
    EXPECT_EQ(commitFrequency(store, bandAt(0), 66, ChannelFrequency::Receive, "").outcome,
              FrequencyOutcome::Emptied);
    EXPECT_EQ(store[65], Channel{});
    EXPECT_EQ(store[66], before[66]);
    EXPECT_EQ(commitFrequency(store, bandAt(0), 5, ChannelFrequency::Receive, "").outcome,
              FrequencyOutcome::Unchanged);
    EXPECT_EQ(store[4], before[4]);
}

TEST(ChannelFrequencyCommit, NewChannelGetsTheDefaultsOfItsBand) {
    // Band list positions 2 and 3 make new channels narrow.
    const std::array<int, 4> bandWidth{1, 1, 0, 0};
    for (int band = 0; band < 4; ++band) {
        ChannelStore store;
        store[9].name = "KEPT";  // an empty channel's name from an image stays with it
        store[9].hidden = 1;
        const FrequencyCommit r = commitFrequency(store, bandAt(band), 10, ChannelFrequency::Receive, "145");
        ASSERT_EQ(r.outcome, FrequencyOutcome::Stored);
        EXPECT_TRUE(r.newChannel);
        EXPECT_EQ(store[9].txFrequency, "145.00000");
        const std::array<int, kChannelLists> expected{0, 0, 1, 1, 1, bandWidth[band], 1, 1};
        for (int k = 0; k < kChannelLists; ++k)
            EXPECT_EQ(store[9].position(static_cast<ChannelList>(k)), expected[static_cast<std::size_t>(k)])
                << "band " << band;
        EXPECT_EQ(store[9].name, "KEPT");
    }
    // A transmit frequency given to a blank channel is stored but makes no new channel.
    ChannelStore store;
    EXPECT_FALSE(commitFrequency(store, bandAt(0), 5, ChannelFrequency::Transmit, "146").newChannel);
    EXPECT_EQ(store[4].power, 0);
    // What the new row shows right after the commit: "Wide" with a capital, unlike the list item.
    EXPECT_EQ(newChannelItemText(ChannelList::Bandwidth, kEnglish, 0), "Wide");
    EXPECT_EQ(newChannelItemText(ChannelList::Bandwidth, kEnglish, 3), "Narrow");
}

TEST(ChannelNameCommit, StripsCode255AndKeepsEverythingElse) {
    ChannelStore store;
    fillChannel(store, 1);
    EXPECT_EQ(commitName(store, 1,
                         "AB\xFF"
                         "C"),
              "ABC");
    EXPECT_EQ(store[0].name, "ABC");
    EXPECT_EQ(commitName(store, 1, "abc def!"), "abc def!");  // text not typed keeps its characters
    EXPECT_EQ(commitName(store, 1, "ABCDEFGH"), "ABCDEFGH");
    EXPECT_EQ(commitName(store, 1, ""), "");
    EXPECT_EQ(store[0].name, "");
}

TEST(ChannelListCommit, TonesKeepTheirTextListsOnlyTheirPosition) {
    ChannelStore store;
    fillChannel(store, 2);
    EXPECT_TRUE(commitListChoice(store, 2, ChannelList::EncodeTone, 1, "67.0"));
    EXPECT_EQ(store[1].encodeTone.position, 1);
    EXPECT_EQ(store[1].encodeTone.text, "67.0");
    EXPECT_TRUE(commitListChoice(store, 2, ChannelList::DecodeTone, 0, "Off"));
    EXPECT_EQ(store[1].decodeTone, ToneChoice{});  // Off is a position, not a text
    EXPECT_TRUE(commitListChoice(store, 2, ChannelList::Power, 1, "High"));
    EXPECT_EQ(store[1].power, 1);

    const ChannelStore before = store;
    EXPECT_FALSE(
        commitListChoice(store, 2, ChannelList::Power, 2, "?"));  // a two-item list has no position 2
    EXPECT_FALSE(commitListChoice(store, 2, ChannelList::DecodeTone, 265, "?"));  // past the tone list
    EXPECT_FALSE(commitListChoice(store, 9, ChannelList::Power, 0, "Low"));       // a blank channel
    EXPECT_TRUE(sameStore(store, before));
}

TEST(ChannelTable, CellsRedrawnFromTheStore) {
    ChannelStore store;
    fillChannel(store, 100);
    store[99].encodeTone.position = 0;
    store[99].encodeTone.text = "stale";
    store[99].bandwidth = 1;
    // A tone keeps its text, position 0 shows the Off item whatever the text; the other lists show their
    // item.
    const std::pair<int, std::string> cases[] = {
        {0, ""},    {1, "150.00000"}, {2, "155.00000"}, {3, "88.5"},
        {4, "Off"}, {8, "wide"},      {11, "OLD"},      {12, ""},
    };
    for (const auto& [column, text] : cases)
        EXPECT_EQ(channelCellText(store, 100, column, kEnglish), text) << column;
    // A blank channel is an empty row even when its name survived.
    store[99].rxFrequency.clear();
    for (int column = 0; column < kTableColumns; ++column)
        EXPECT_EQ(channelCellText(store, 100, column, kEnglish), "");
}

}  // namespace
}  // namespace zrt

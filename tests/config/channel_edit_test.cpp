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

// The raster itself is the optional features' VFO check's too (feature_rules_test); here what a channel adds.
TEST(ChannelFrequencyCommit, BandCheckAndRaster) {
    struct Case {
        int band;
        int n;
        int column;  // 1 receive, 2 transmit
        std::string typed;
        FrequencyOutcome outcome;
        std::string stored;
    };
    using O = FrequencyOutcome;
    const std::vector<Case> cases = {
        {0, 1, 1, "145.123", O::Stored, "145.12000"},
        {0, 1, 1, "145.013", O::Stored, "145.01250"},
        {0, 1, 1, "136", O::Stored, "136.00000"},
        {0, 1, 1, "145.", O::Stored, "145.00000"},
        {0, 70, 1, "469.99", O::Stored, "469.99000"},
        {0, 1, 1, "174", O::OutOfBand, ""},
        {0, 1, 1, "135.99999", O::OutOfBand, ""},
        {0, 1, 1, "470", O::OutOfBand, ""},
        {0, 1, 1, "200", O::OutOfBand, ""},
        {1, 1, 1, "470", O::Stored, "470.00000"},
        {1, 1, 1, "520", O::OutOfBand, ""},
        {2, 1, 1, "146", O::Stored, "146.00000"},
        {2, 1, 1, "150", O::OutOfBand, ""},
        {2, 5, 1, "435", O::Stored, "435.00000"},   // group A takes the B range too
        {2, 69, 1, "435", O::Stored, "435.00000"},  // and group B the A range
        {2, 69, 1, "146", O::Stored, "146.00000"},
        {3, 1, 1, "247.5", O::Stored, "247.50000"},
        {3, 1, 1, "250", O::OutOfBand, ""},
        {0, 1, 1, ".", O::Unchanged, ""},
        {0, 1, 1, "145.1.2", O::Unchanged, ""},
        {0, 1, 2, "", O::Unchanged, ""},
    };
    for (const Case& c : cases) {
        ChannelStore store;
        const FrequencyCommit r =
            commitFrequency(store, bandAt(c.band), c.n,
                            c.column == 1 ? ChannelFrequency::Receive : ChannelFrequency::Transmit, c.typed);
        SCOPED_TRACE("band " + std::to_string(c.band) + " channel " + std::to_string(c.n) + " " + c.typed);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.text, c.stored);
        const Channel& channel = store[static_cast<std::size_t>(c.n - 1)];
        EXPECT_EQ(c.column == 1 ? channel.rxFrequency : channel.txFrequency, c.stored);
    }
}

TEST(ChannelFrequencyCommit, RefusalsLeaveTheWholeStoreAlone) {
    for (const char* typed : {"174", "135.99999", ".", "1..2"}) {
        for (ChannelFrequency which : {ChannelFrequency::Receive, ChannelFrequency::Transmit}) {
            ChannelStore store;
            fillChannel(store, 3);
            const ChannelStore before = store;
            commitFrequency(store, bandAt(0), 3, which, typed);
            EXPECT_TRUE(sameStore(store, before)) << typed;
        }
    }
    // An empty transmit frequency keeps the one the channel has.
    ChannelStore store;
    fillChannel(store, 3);
    const ChannelStore before = store;
    EXPECT_EQ(commitFrequency(store, bandAt(0), 3, ChannelFrequency::Transmit, "").outcome,
              FrequencyOutcome::Unchanged);
    EXPECT_TRUE(sameStore(store, before));
    // Nor does an empty receive frequency on a channel that is blank already (Escape or a click elsewhere on
    // a blank row): what a blank channel kept from an image, such as its name, stays for the next write.
    ChannelStore blank;
    blank[4].name = "KEEP";
    blank[4].power = 1;
    const ChannelStore blankBefore = blank;
    EXPECT_EQ(commitFrequency(blank, bandAt(0), 5, ChannelFrequency::Receive, "").outcome,
              FrequencyOutcome::Unchanged);
    EXPECT_TRUE(sameStore(blank, blankBefore));
}

TEST(ChannelFrequencyCommit, EmptyReceiveFrequencyEmptiesTheChannelAndItsName) {
    ChannelStore store;
    fillChannel(store, 66);
    fillChannel(store, 67);
    EXPECT_EQ(commitFrequency(store, bandAt(0), 66, ChannelFrequency::Receive, "").outcome,
              FrequencyOutcome::Emptied);
    EXPECT_TRUE(store.isEmpty(66));
    EXPECT_EQ(store[65].txFrequency, "");
    EXPECT_EQ(store[65].name, "");
    EXPECT_EQ(store[65], Channel{});
    EXPECT_EQ(store[66].name, "OLD");  // the neighbour is untouched
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
    // What the new row shows right after the commit: "Wide" with a capital, unlike the list item.
    EXPECT_EQ(newChannelItemText(ChannelList::Bandwidth, kEnglish, 0), "Wide");
    EXPECT_EQ(newChannelItemText(ChannelList::Bandwidth, kChinese, 1), "宽带");
    EXPECT_EQ(newChannelItemText(ChannelList::Bandwidth, kEnglish, 3), "Narrow");
}

TEST(ChannelFrequencyCommit, ExistingChannelChangesOnlyTheEditedFrequency) {
    for (ChannelFrequency which : {ChannelFrequency::Receive, ChannelFrequency::Transmit}) {
        ChannelStore store;
        fillChannel(store, 5);
        ChannelStore expected = store;
        (which == ChannelFrequency::Receive ? expected[4].rxFrequency : expected[4].txFrequency) =
            "146.52500";
        const FrequencyCommit r = commitFrequency(store, bandAt(0), 5, which, "146.525");
        EXPECT_FALSE(r.newChannel);
        EXPECT_TRUE(sameStore(store, expected));
    }
    // A transmit frequency given to a blank channel is stored but makes no new channel.
    ChannelStore store;
    const FrequencyCommit r = commitFrequency(store, bandAt(0), 5, ChannelFrequency::Transmit, "146");
    EXPECT_FALSE(r.newChannel);
    EXPECT_EQ(store[4].power, 0);
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

// The commit rules of the channel table's editors, checked against the store.
#include "config/channel_edit.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/channel_keys.h"
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
    store.freq[0][n - 1] = "150.00000";
    store.freq[1][n - 1] = "155.00000";
    for (int k = 0; k < kListColumns; ++k) {
        store.listIndex[k][n - 1] = 0;
        store.itemText[k][n - 1] = "item" + std::to_string(k);
    }
    store.listIndex[0][n - 1] = 255;
    store.itemText[0][n - 1] = "88.5";
    store.name[n - 1] = "OLD";
}

bool sameStore(const ChannelStore& a, const ChannelStore& b) {
    return a.freq == b.freq && a.listIndex == b.listIndex && a.itemText == b.itemText && a.name == b.name;
}

TEST(ChannelFrequencyCommit, BandCheckAndRaster) {
    struct Case {
        int band;
        int n;
        int column;
        std::string typed;
        FrequencyOutcome outcome;
        std::string stored;
    };
    using O = FrequencyOutcome;
    const std::vector<Case> cases = {
        {0, 1, 1, "145.123", O::Stored, "145.12000"},
        {0, 1, 1, "145.007", O::Stored, "145.00625"},
        {0, 1, 1, "145.00625", O::Stored, "145.00625"},
        {0, 1, 1, "145.013", O::Stored, "145.01250"},
        {0, 1, 1, "173.9999", O::Stored, "173.99500"},
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
        const FrequencyCommit r = commitFrequency(store, bandAt(c.band), c.n, c.column, c.typed);
        SCOPED_TRACE("band " + std::to_string(c.band) + " channel " + std::to_string(c.n) + " " + c.typed);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.text, c.stored);
        EXPECT_EQ(store.freq[c.column - 1][c.n - 1], c.stored);
    }
}

TEST(ChannelFrequencyCommit, RefusalsLeaveTheWholeStoreAlone) {
    for (const char* typed : {"174", "135.99999", ".", "1..2"}) {
        for (int column : {1, 2}) {
            ChannelStore store;
            fillChannel(store, 3);
            const ChannelStore before = store;
            commitFrequency(store, bandAt(0), 3, column, typed);
            EXPECT_TRUE(sameStore(store, before)) << typed << " column " << column;
        }
    }
    // An empty transmit frequency keeps the one the channel has.
    ChannelStore store;
    fillChannel(store, 3);
    const ChannelStore before = store;
    EXPECT_EQ(commitFrequency(store, bandAt(0), 3, 2, "").outcome, FrequencyOutcome::Unchanged);
    EXPECT_TRUE(sameStore(store, before));
    // Nor does an empty receive frequency on a channel that is blank already (Escape or a click elsewhere on
    // a blank row): what a blank channel kept from an image, such as its name, stays for the next write.
    ChannelStore blank;
    blank.name[4] = "KEEP";
    blank.listIndex[2][4] = 1;
    const ChannelStore blankBefore = blank;
    EXPECT_EQ(commitFrequency(blank, bandAt(0), 5, 1, "").outcome, FrequencyOutcome::Unchanged);
    EXPECT_TRUE(sameStore(blank, blankBefore));
}

TEST(ChannelFrequencyCommit, EmptyReceiveFrequencyEmptiesTheChannelAndItsName) {
    ChannelStore store;
    fillChannel(store, 66);
    fillChannel(store, 67);
    EXPECT_EQ(commitFrequency(store, bandAt(0), 66, 1, "").outcome, FrequencyOutcome::Emptied);
    EXPECT_TRUE(store.isEmpty(66));
    EXPECT_EQ(store.freq[1][65], "");
    EXPECT_EQ(store.name[65], "");
    for (int k = 0; k < kListColumns; ++k) {
        EXPECT_EQ(store.listIndex[k][65], 0);
        EXPECT_EQ(store.itemText[k][65], "");
    }
    EXPECT_EQ(store.name[66], "OLD");  // the neighbour is untouched
}

TEST(ChannelFrequencyCommit, NewChannelGetsTheDefaultsOfItsBand) {
    // Band list positions 2 and 3 make new channels narrow.
    const std::array<int, 4> bandWidth{1, 1, 0, 0};
    for (int band = 0; band < 4; ++band) {
        ChannelStore store;
        store.name[9] = "KEPT";  // an empty channel's name from an image stays with it
        store.itemText[4][9] = "x";
        const FrequencyCommit r = commitFrequency(store, bandAt(band), 10, 1, "145");
        ASSERT_EQ(r.outcome, FrequencyOutcome::Stored);
        EXPECT_TRUE(r.newChannel);
        EXPECT_EQ(store.freq[1][9], "145.00000");
        const std::array<int, kListColumns> expected{0, 0, 1, 1, 1, bandWidth[band], 1, 1};
        for (int k = 0; k < kListColumns; ++k)
            EXPECT_EQ(store.listIndex[k][9], expected[k]) << "band " << band;
        EXPECT_EQ(store.name[9], "KEPT");
        EXPECT_EQ(store.itemText[4][9], "x");
    }
    // What the new row shows right after the commit: "Wide" with a capital, unlike the list item.
    EXPECT_EQ(newChannelCellText(8, kEnglish, 0), "Wide");
    EXPECT_EQ(newChannelCellText(8, kChinese, 1), "宽带");
    EXPECT_EQ(newChannelCellText(8, kEnglish, 3), "Narrow");
    EXPECT_EQ(newChannelCellText(5, kChinese, 0), "高");
    EXPECT_EQ(newChannelCellText(6, kEnglish, 0), "Off");
    EXPECT_EQ(newChannelCellText(3, kChinese, 0), "关闭");
}

TEST(ChannelFrequencyCommit, ExistingChannelChangesOnlyTheEditedFrequency) {
    for (int column : {1, 2}) {
        ChannelStore store;
        fillChannel(store, 5);
        ChannelStore expected = store;
        expected.freq[column - 1][4] = "146.52500";
        const FrequencyCommit r = commitFrequency(store, bandAt(0), 5, column, "146.525");
        EXPECT_FALSE(r.newChannel);
        EXPECT_TRUE(sameStore(store, expected)) << "column " << column;
    }
    // A transmit frequency given to a blank channel is stored but makes no new channel.
    ChannelStore store;
    const FrequencyCommit r = commitFrequency(store, bandAt(0), 5, 2, "146");
    EXPECT_FALSE(r.newChannel);
    EXPECT_EQ(store.listIndex[2][4], 0);
}

TEST(ChannelNameCommit, StripsCode255AndKeepsEverythingElse) {
    ChannelStore store;
    fillChannel(store, 1);
    EXPECT_EQ(commitName(store, 1,
                         "AB\xFF"
                         "C"),
              "ABC");
    EXPECT_EQ(store.name[0], "ABC");
    EXPECT_EQ(commitName(store, 1, "abc def!"), "abc def!");  // text not typed keeps its characters
    EXPECT_EQ(commitName(store, 1, "ABCDEFGH"), "ABCDEFGH");
    EXPECT_EQ(commitName(store, 1, ""), "");
    EXPECT_EQ(store.name[0], "");
}

TEST(ChannelListCommit, TonesKeepTheirTextListsOnlyTheirPosition) {
    ChannelStore store;
    fillChannel(store, 2);
    EXPECT_TRUE(commitListChoice(store, 2, 4, 1, "67.0"));
    EXPECT_EQ(store.listIndex[1][1], 1);
    EXPECT_EQ(store.itemText[1][1], "67.0");
    EXPECT_TRUE(commitListChoice(store, 2, 3, 0, "Off"));
    EXPECT_EQ(store.listIndex[0][1], 0);
    EXPECT_TRUE(commitListChoice(store, 2, 5, 1, "High"));
    EXPECT_EQ(store.listIndex[2][1], 1);
    EXPECT_EQ(store.itemText[2][1], "item2");

    const ChannelStore before = store;
    EXPECT_FALSE(commitListChoice(store, 2, 5, 2, "?"));    // a two-item list has no position 2
    EXPECT_FALSE(commitListChoice(store, 2, 11, 0, "?"));   // the name is no list
    EXPECT_FALSE(commitListChoice(store, 2, 3, 265, "?"));  // past the tone list
    EXPECT_FALSE(commitListChoice(store, 9, 5, 0, "Low"));  // a blank channel
    EXPECT_TRUE(sameStore(store, before));
}

TEST(ChannelKeys, NameAndFrequencyFilters) {
    struct Case {
        char32_t key;
        std::optional<char32_t> name, frequency;
    };
    const std::nullopt_t no = std::nullopt;
    const std::vector<Case> cases = {
        {U'a', U'A', no},   {U'z', U'Z', no},   {U'A', U'A', no},   {U'-', U'-', no}, {U'1', U'1', U'1'},
        {U'0', U'0', U'0'}, {U'9', U'9', U'9'}, {U'.', U'.', U'.'}, {8, 8, 8},        {U' ', no, no},
        {U'!', no, no},     {U'"', no, no},     {U'#', U'#', no},   {U'_', U'_', no}, {U'{', no, no},
        {U'~', no, no},     {0x7F, no, no},     {13, no, no},       {27, no, no},     {0xE9, no, no},
        {U'中', no, no},    {U'+', U'+', no},   {U'e', U'E', no},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filterNameKey(c.key), c.name) << static_cast<int>(c.key);
        EXPECT_EQ(filterFrequencyKey(c.key), c.frequency) << static_cast<int>(c.key);
    }
    std::string name;
    for (char32_t key : {U'a', U'b', U'-', U'1', U' ', U'x'})
        if (auto k = filterNameKey(key)) name += static_cast<char>(*k);
    EXPECT_EQ(name, "AB-1X");
}

TEST(ChannelTable, CellsRedrawnFromTheStore) {
    ChannelStore store;
    fillChannel(store, 100);
    store.listIndex[1][99] = 0;
    store.itemText[1][99] = "stale";
    store.listIndex[5][99] = 1;
    struct Case {
        int column;
        std::string en, zh;
    };
    const std::vector<Case> cases = {
        {0, "", ""},
        {1, "150.00000", "150.00000"},
        {2, "155.00000", "155.00000"},
        {3, "88.5", "88.5"},  // a tone keeps its text
        {4, "Off", "关闭"},   // position 0 shows the Off item, whatever the text
        {5, "Low", "低"},
        {6, "Carry", "载波"},
        {7, "Off", "禁止"},
        {8, "wide", "宽带"},
        {9, "", ""},
        {10, "On", "开"},
        {11, "OLD", "OLD"},
        {12, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(channelCellText(store, 100, c.column, kEnglish), c.en) << c.column;
        EXPECT_EQ(channelCellText(store, 100, c.column, kChinese), c.zh) << c.column;
    }
    // A blank channel is an empty row even when its name survived.
    store.freq[0][99].clear();
    for (int column = 0; column < kTableColumns; ++column)
        EXPECT_EQ(channelCellText(store, 100, column, kEnglish), "");
}

}  // namespace
}  // namespace zrt

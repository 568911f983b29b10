#include "config/channel_operations.h"

#include <gtest/gtest.h>

#include "config/channel_clipboard.h"
#include "config/channel_edit.h"

namespace zrt {
namespace {

BandState band0() {
    return BandState{};  // A 136-174 MHz, B 400-470 MHz
}

// A store whose channel n has receive frequency `rx` (and that as its transmit frequency and name).
ChannelStore storeWith(std::initializer_list<std::pair<int, const char*>> channels) {
    ChannelStore store;
    for (auto [n, rx] : channels) {
        commitFrequency(store, band0(), n, ChannelFrequency::Receive, rx);
        store[static_cast<std::size_t>(n - 1)].name = "C" + std::to_string(n);
    }
    return store;
}

std::string rxOf(const ChannelStore& s, int n) {
    return s[static_cast<std::size_t>(n - 1)].rxFrequency;
}

// The row commands keep to the group of their channels: what moves where, what falls off, what stays.
// (Bulk set on blank and used rows is checked through the window.)
TEST(ChannelOperations, InsertMoveSortAndFillStayInTheirGroup) {
    ChannelStore s = storeWith({{63, "150"}, {64, "151"}, {65, "440"}});
    EXPECT_TRUE(insertDropsChannel(s, 10));
    insertChannel(s, 63);
    EXPECT_TRUE(s.isEmpty(63));
    EXPECT_EQ(rxOf(s, 64), "150.00000");
    EXPECT_EQ(rxOf(s, 65), "440.00000") << "group B does not shift";
    EXPECT_FALSE(insertDropsChannel(storeWith({{5, "150"}}), 5));

    s = storeWith({{1, "140"}, {2, "141"}, {3, "142"}, {4, "143"}});
    EXPECT_FALSE(moveChannels(s, {1, 2}, -1)) << "the group's first channel cannot go up";
    EXPECT_TRUE(moveChannels(s, {2, 3}, 1));
    EXPECT_EQ(rxOf(s, 2), "143.00000");
    EXPECT_EQ(rxOf(s, 3), "141.00000");
    EXPECT_EQ(rxOf(s, 4), "142.00000");
    EXPECT_FALSE(moveChannels(s, {64, 65}, 1)) << "a selection across groups does not move";

    s = storeWith({{1, "160"}, {3, "140.5"}, {4, "150"}, {5, "140.5"}});
    s[4].name = "second";
    sortByReceiveFrequency(s, {1, 2, 3, 4, 5});
    EXPECT_EQ(rxOf(s, 1), "140.50000");
    EXPECT_EQ(s[1].name, "second") << "equal frequencies keep their order";
    EXPECT_EQ(rxOf(s, 3), "150.00000");
    EXPECT_EQ(rxOf(s, 4), "160.00000");
    EXPECT_TRUE(s.isEmpty(5)) << "blank channels last";

    // Fill: snapped to the raster, band-checked, a simplex channel stays simplex, a split keeps its TX.
    s = storeWith({{2, "140"}});
    commitFrequency(s, band0(), 3, ChannelFrequency::Receive, "140");
    commitFrequency(s, band0(), 3, ChannelFrequency::Transmit, "141");
    const FillResult fill = fillFrequencies(s, band0(), {1, 2, 3, 4}, 173'987'500, 6'251);
    EXPECT_EQ(fill.filled, 2);
    EXPECT_EQ(rxOf(s, 1), "173.98750");
    EXPECT_EQ(s[1].txFrequency, "173.99375") << "snapped, and a simplex channel stays simplex";
    ASSERT_EQ(fill.refused.size(), 2u);
    EXPECT_EQ(fill.refused[0].first, 3);
    EXPECT_EQ(s[2].rxFrequency, "140.00000") << "refused: unchanged";
}

// Rows through the clipboard: CSV out and back in elsewhere gives the same channels; the record text keeps
// what CSV cannot carry and stops at the group's end. (A spreadsheet's block with refused rows is pasted
// through the window, where its report is seen.)
TEST(ChannelClipboard, RoundTripsAndTheGroupEnd) {
    ChannelStore s = storeWith({{1, "145.5"}, {2, "146"}, {4, "430.025"}});
    s[0].busyLock = 1;
    s[0].decodeTone = {3, "71.9"};
    const std::string csv = channelsAsCsv(s, {1, 2, 3, 4}, band0().limits);
    ChannelStore target = storeWith({{12, "150"}});
    const PasteResult r = pasteCsv(target, band0(), 10, csv);
    EXPECT_EQ(r.pasted, 3);
    EXPECT_TRUE(r.refused.empty());
    EXPECT_EQ(r.firstChannel, 10);
    EXPECT_EQ(r.lastChannel, 13);
    for (int k = 0; k < 4; ++k) {
        if (k == 2) continue;
        EXPECT_EQ(target[static_cast<std::size_t>(9 + k)].rxFrequency,
                  s[static_cast<std::size_t>(k)].rxFrequency);
        EXPECT_EQ(target[static_cast<std::size_t>(9 + k)].name, s[static_cast<std::size_t>(k)].name);
    }
    EXPECT_EQ(target[11].rxFrequency, "150.00000") << "a gap in the copied rows leaves its channel";
    EXPECT_EQ(target[9].decodeTone.text, "71.9");

    ChannelStore exact;
    const auto records = pasteRecords(exact, band0(), 62, channelsAsRecords(s, {1, 2, 3, 4}));
    ASSERT_TRUE(records);
    EXPECT_EQ(exact[61], s[0]) << "every field, busy lock included";
    EXPECT_EQ(records->pasted, 3);
    EXPECT_EQ(records->beyondGroup, (std::vector<int>{4}));
    EXPECT_FALSE(pasteRecords(exact, band0(), 1, "Location,Frequency\n1,145\n"));
}

}  // namespace
}  // namespace zrt

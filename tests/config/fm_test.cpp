#include "config/fm.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(FmCommit, RangeAndNormalisation) {
    struct Case {
        const char* typed;
        FmCommitKind kind;
        const char* text;
    };
    const Case cases[] = {
        {"87", FmCommitKind::Accepted, "87.00"},
        {"107.9", FmCommitKind::Accepted, "107.90"},
        {"107.94", FmCommitKind::Refused, ""},  // above 107.9 although it would normalise to 107.90
        {"86.99", FmCommitKind::Refused, ""},
        {"108", FmCommitKind::Refused, ""},
        {"98.16", FmCommitKind::Accepted, "98.15"},
        {"98.149", FmCommitKind::Accepted, "98.10"},
        {"100.27", FmCommitKind::Accepted, "100.25"},
        {"86.99999999999999999", FmCommitKind::Refused, ""},  // reads as 87 only after rounding
        {"", FmCommitKind::Empty, ""},
        {".", FmCommitKind::Unchanged, ""},
        {"98.1.2", FmCommitKind::Unchanged, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const FmCommit commit = commitFmFrequency(c.typed);
        EXPECT_EQ(commit.kind, c.kind);
        EXPECT_EQ(commit.text, c.text);
    }
}

TEST(FmOk, PresentChannelRules) {
    struct Case {
        const char* text;
        int previous;
        int stored;
        bool refused;
    };
    const Case cases[] = {
        {"1", 3, 1, false},
        {"25", 3, 25, false},
        {" 7 ", 3, 7, false},
        {"0", 3, 3, true},
        {"26", 3, 3, true},
        {"", 3, 3, true},
        {"abc", 3, 3, true},
        {"99999999999", 3, 3, true},
        // A value the radio delivered and the user left alone is kept without a complaint.
        {"0", 0, 0, false},
        {"255", 255, 255, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FmWorkingCopy working;
        working.presentChannel = c.text;
        working.displayModePosition = 1;
        working.vfo = "98.15";
        working.cells[0] = "87.00";
        FmStore store;
        store.currentChannel = c.previous;
        EXPECT_EQ(fmOk(working, store).channelRefused, c.refused);
        EXPECT_EQ(store.currentChannel, c.stored);
        // A refused OK applies nothing at all.
        EXPECT_EQ(store.displayMode, c.refused ? 0 : 1);
        EXPECT_EQ(store.vfoFreq, c.refused ? "" : "98.15");
        EXPECT_EQ(store.channelFreq[0], c.refused ? "" : "87.00");
    }
}

// The working copy goes to the store as it stands, emptied cells included; a list without a position keeps
// the store's value, and the store's entries beyond the window's 25 channels are not its business.
TEST(FmOk, CopiesWorkingCopyAndKeepsListsWithoutPosition) {
    FmStore store;
    store.displayMode = 1;
    store.channelFreq[3] = "99.00";
    store.channelFreq[30] = "kept";
    FmWorkingCopy working;
    working.presentChannel = "5";
    working.cells[24] = "107.90";
    working.displayModePosition = -1;
    working.stepPosition = 1;
    EXPECT_FALSE(fmOk(working, store).channelRefused);
    EXPECT_EQ(store.channelFreq[3], "");
    EXPECT_EQ(store.channelFreq[24], "107.90");
    EXPECT_EQ(store.channelFreq[30], "kept");
    EXPECT_EQ(store.displayMode, 1);
    EXPECT_EQ(store.step, 1);
}

}  // namespace
}  // namespace zrt

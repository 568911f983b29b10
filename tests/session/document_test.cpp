#include "session/document.h"

#include <gtest/gtest.h>

#include <vector>

#include "session/session.h"

namespace zrt {
namespace {

// Every operation of the session that changes the configuration tells its observers, once, what it changed.
TEST(Document, EveryChangeIsToldOnceWithWhatItTouched) {
    const auto bits = [](std::initializer_list<Part> parts) { return Change::of(parts).parts; };
    struct Case {
        const char* name;
        std::function<void(Session&)> act;
        std::uint16_t parts;
        bool allChannels;
    };
    const Case cases[] = {
        {"decode", [](Session& s) { s.decode(); }, Change::everything().parts, true},
        {"new", [](Session& s) { s.newConfiguration(); }, Change::everything().parts, true},
        {"language", [](Session& s) { s.setLanguage(kChinese); }, bits({Part::Language}), true},
        {"band kept", [](Session& s) { s.chooseBand(1, [] { return false; }); },
         bits({Part::Band, Part::Vfos}), true},
        {"band cleared", [](Session& s) { s.chooseBand(1, [] { return true; }); },
         bits({Part::Band, Part::Vfos, Part::Channels}), true},
        {"one channel",
         [](Session& s) {
             s.edit(Change::channels(7, 7), [](Configuration& c) { c.channels[6].name = "X"; });
         },
         bits({Part::Channels}), false},
    };
    for (const Case& c : cases) {
        Session session;
        std::vector<Change> heard;
        const int key = session.document().subscribe([&](const Change& change) { heard.push_back(change); });
        c.act(session);
        ASSERT_EQ(heard.size(), 1u) << c.name;
        EXPECT_EQ(heard[0].parts, c.parts) << c.name;
        EXPECT_EQ(heard[0].allChannels(), c.allChannels) << c.name;
        session.document().unsubscribe(key);
        c.act(session);
        EXPECT_EQ(heard.size(), 1u) << c.name << ": an observer that left hears nothing";
    }
}

// A copy of a document has the values and none of the observers; an observer may leave while it is told.
TEST(Document, CopiesKeepNoObserversAndObserversMayLeaveWhileTold) {
    Document original(startConfiguration());
    int told = 0;
    int key = 0;
    key = original.subscribe([&](const Change&) {
        ++told;
        original.unsubscribe(key);
    });
    Document copy = original;
    copy.edit(Change::of({Part::Dtmf}), [](Configuration& c) { c.dtmf.rate = 3; });
    EXPECT_EQ(told, 0);
    EXPECT_EQ(copy.config().dtmf.rate, 3);
    EXPECT_NE(original.config().dtmf.rate, 3);
    original.notify(Change::of({Part::Fm}));
    original.notify(Change::of({Part::Fm}));
    EXPECT_EQ(told, 1);
}

}  // namespace
}  // namespace zrt
